#include "ui/motore/MotoreStampa.h"

#include <QPrinter>

namespace nottaro::ui {

AvanzamentoStampa AvanzamentoDa(Riscontro& riscontro) {
    return [&riscontro](int k, int n) {
        Avanzamento a;
        a.fatti = k - 1;
        a.totale = n;
        riscontro.Progresso(a);
        riscontro.ConsegnaSeChiamante();
        return !riscontro.Annullato();
    };
}

EsitoStampa EseguiStampaReport(const RichiestaStampaReport& r, Riscontro& riscontro) {
    if (r.stampante) return StampaProgetto(*r.stampante, r.dati, r.opzioni, AvanzamentoDa(riscontro));
    return StampaProgettoPdf(r.filePdf, r.dati, r.opzioni, AvanzamentoDa(riscontro));
}

EsitoStampa EseguiStampaElenco(const RichiestaStampaElenco& r, Riscontro& riscontro) {
    const AvanzamentoStampa pagine = AvanzamentoDa(riscontro);
    return StampaElenco(*r.stampante, r.righe, r.opzioni, [&](int k, int n) {
        if (pagine(k, n)) return true;
        // Withdrawn while the painter still holds the job.
        r.stampante->abort();
        return false;
    });
}

mp::EsitoStampaMP EseguiStampaMasterplan(const RichiestaStampaMasterplan& r, Riscontro& riscontro) {
    const AvanzamentoStampa righe = AvanzamentoDa(riscontro);
    if (r.documento == RichiestaStampaMasterplan::Documento::TabFotometriche)
        return mp::StampaTabFotometriche(*r.stampante, r.righe, r.stampa, r.ambiente, r.opzioni.Lingua, righe);
    return mp::StampaMasterplan(*r.stampante, r.righe, r.opzioni, r.stampa, r.ambiente, righe);
}

}  // namespace nottaro::ui
