#include "masterplan/report/StampaMasterplan.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <exception>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "masterplan/report/PagineMP.h"
#include "report/RoutinePagina.h"

namespace nottaro::mp {

std::string TestoNonStampate(const EsitoStampaMP& e, int lingua) {
    if (e.nonStampate.empty()) return {};
    std::string t = Msg(1993, lingua);
    for (const auto& r : e.nonStampate) t += "\n" + r;
    return t;
}

namespace {

// The document's pages: a new page before every one but the first.
class Documento {
public:
    Documento(QPagedPaintDevice& d, QPainter& p) : d_(d), pg(p, d, d.width(), d.height()) {}
    void Pagina() {
        if (!primo_) d_.newPage();
        primo_ = false;
    }
    QPagedPaintDevice& d_;
    PaginaReport pg;

private:
    bool primo_ = true;
};

std::string NomeRiga(const RigaTabellaMP& r) {
    return r.Celle[TPosizione] + " - " + r.Celle[TIdentificativo] + " - " + r.Celle[TVia];
}

void StampaProgettoMP(Documento& doc, const ProgettoMP& p, const OpzioniStampaMP& s) {
    PaginaReport& pg = doc.pg;
    const DatiReport& d = p.dati;
    int pagina = 1;
    // The project's pages: presentation, data, the plans (illuminance and one
    // luminance plan per lane of a road), the strips beside the road.
    const bool strisce = s.Marciapiedi && HaAreeLaterali(p);
    const int luminanze = p.piani && d.TipoProgetto == 0 ? std::min(d.NCorsie, static_cast<int>(d.osservatori.size())) : 0;
    const int pagine = 2 + (p.piani ? 1 + luminanze : 0) + (strisce ? 1 : 0);
    auto piede = [&] {
        pg.stile.testoPiede = ConArgomenti(Msg(2533, pg.lingua), {std::to_string(pagina), std::to_string(pagine)}) +
                              " - " + p.numero;
        StampaPiePagina(pg, d);
        ++pagina;
    };
    doc.Pagina();
    StampaIntestazione(pg, d);
    StampaPresentazione(pg, d);
    piede();
    doc.Pagina();
    StampaIntestazione(pg, d);
    StampaDatiMP(pg, p);
    piede();
    if (p.piani) {
        doc.Pagina();
        StampaIntestazione(pg, d);
        d.TipoProgetto == 0 ? StampaIlluminamenti(pg, d) : StampaIlluminamentiArea(pg, d);
        piede();
        if (d.TipoProgetto == 0) {
            for (int i = 0; i < luminanze; ++i) {
                doc.Pagina();
                StampaIntestazione(pg, d);
                StampaLuminanze(pg, d, i);
                piede();
            }
        }
    }
    if (strisce) {
        doc.Pagina();
        StampaIntestazione(pg, d);
        StampaAreeLaterali(pg, p);
        piede();
    }
}

}  // namespace

EsitoStampaMP StampaMasterplan(QPagedPaintDevice& dispositivo, const std::vector<RigaTabellaMP>& righe,
                               const OpzioniMP& o, const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                               const AvanzamentoRighe& avanzamento) {
    EsitoStampaMP e;
    std::vector<std::size_t> stampabili;
    for (std::size_t k = 0; k < righe.size(); ++k)
        if (RigaStampabile(righe[k])) stampabili.push_back(k);
    QPainter p;
    if (!p.begin(&dispositivo)) {
        e.stampa.errore = Msg(1710, o.Lingua);
        return e;
    }
    Documento doc(dispositivo, p);
    doc.pg.lingua = o.Lingua;
    doc.pg.stile.standard = s.FormatoStandard;
    doc.pg.stile.conIntestazione = s.ConIntestazione;
    doc.pg.stile.conDescrizione = s.Descrizione;
    try {
        for (std::size_t n = 0; n < stampabili.size(); ++n) {
            if (avanzamento && !avanzamento(static_cast<int>(n) + 1, static_cast<int>(stampabili.size()))) {
                e.stampa.annullato = true;
                break;
            }
            const RigaTabellaMP& r = righe[stampabili[n]];
            const std::string numero =
                s.NumeroIdentificativo ? r.Celle[TIdentificativo] : std::to_string(e.progetti + 1);
            std::string errore;
            const auto progetto = PreparaProgettoMP(r, static_cast<int>(stampabili[n]), o, s, a, numero, errore);
            if (!progetto) {
                e.nonStampate.push_back(NomeRiga(r) + ": " + errore);
                continue;
            }
            StampaProgettoMP(doc, *progetto, s);
            ++e.progetti;
        }
    } catch (const std::exception& x) {
        // The document ends with the pages drawn.
        e.stampa.errore = x.what();
    }
    p.end();
    e.stampa.immaginiIlleggibili = doc.pg.ImmaginiIlleggibili();
    e.stampa.testiTagliati = doc.pg.TestiTagliati();
    e.stampa.ok = !e.stampa.annullato && e.stampa.errore.empty();
    return e;
}

EsitoStampaMP StampaMasterplanPdf(const std::string& file, const std::vector<RigaTabellaMP>& righe,
                                  const OpzioniMP& o, const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                                  const AvanzamentoRighe& avanzamento) {
    EsitoStampaMP e;
    const std::string titolo = Msg(413, o.Lingua) + ": " + Msg(159, o.Lingua);
    e.stampa = ScriviPdf(file, false, titolo, [&](QPagedPaintDevice& w) {
        e = StampaMasterplan(w, righe, o, s, a, avanzamento);
        return e.stampa;
    });
    return e;
}

EsitoStampaMP StampaTabFotometrichePdf(const std::string& file, const std::vector<RigaTabellaMP>& righe,
                                       const OpzioniStampaMP& s, const AmbienteStampaMP& a, int lingua,
                                       const AvanzamentoRighe& avanzamento) {
    EsitoStampaMP e;
    e.stampa = ScriviPdf(file, false, Msg(413, lingua) + ": " + Msg(1923, lingua), [&](QPagedPaintDevice& w) {
        e = StampaTabFotometriche(w, righe, s, a, lingua, avanzamento);
        return e.stampa;
    });
    return e;
}

}  // namespace nottaro::mp
