#include "report/StampaProgetto.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "report/RoutinePagina.h"
#include "report/ScritturaControllata.h"

namespace nottaro {

std::vector<char> PagineProgetto(const DatiReport& d, const SezioniReport& s) {
    std::vector<char> p;
    if (s.presentazione) p.push_back('P');
    if (s.dati) p.push_back('D');
    if (s.luminanze && d.TipoProgetto == 0)
        for (std::size_t i = 0; i < d.osservatori.size(); ++i) p.push_back('L');
    if (s.illuminamenti) p.push_back('I');
    return p;
}

EsitoStampa StampaProgetto(QPagedPaintDevice& dispositivo, const DatiReport& d, const OpzioniReport& o,
                           const AvanzamentoStampa& avanzamento) {
    EsitoStampa e;
    const std::vector<char> pagine = PagineProgetto(d, o.sezioni);
    if (pagine.empty()) {
        e.errore = Msg(1723, d.Lingua);
        return e;
    }
    QPainter p;
    if (!p.begin(&dispositivo)) {
        e.errore = Msg(1710, d.Lingua);
        e.dispositivoRifiutato = true;
        return e;
    }
    PaginaReport pg(p, dispositivo, dispositivo.width(), dispositivo.height());
    pg.lingua = d.Lingua;
    pg.stile = o.stile;
    int osservatore = 0;
    for (std::size_t k = 0; k < pagine.size(); ++k) {
        if (avanzamento && !avanzamento(static_cast<int>(k) + 1, static_cast<int>(pagine.size()))) {
            e.annullato = true;
            break;
        }
        if (k > 0) dispositivo.newPage();
        StampaIntestazione(pg, d);
        switch (pagine[k]) {
            case 'P': StampaPresentazione(pg, d); break;
            case 'D': o.stile.standard ? StampaDatiStandard(pg, d) : StampaDati(pg, d); break;
            case 'L': StampaLuminanze(pg, d, osservatore++); break;
            default: d.TipoProgetto == 0 ? StampaIlluminamenti(pg, d) : StampaIlluminamentiArea(pg, d); break;
        }
        StampaPiePagina(pg, d);
        ++pg.NumPagina;
        ++e.pagine;
    }
    const bool chiuso = p.end();
    e.immaginiIlleggibili = pg.ImmaginiIlleggibili();
    e.ok = !e.annullato && chiuso;
    return e;
}

EsitoStampa ScriviPdf(const std::string& file, bool orizzontale, const std::string& titolo,
                      const std::function<EsitoStampa(QPagedPaintDevice&)>& disegna) {
    EsitoStampa e;
    if (std::string c = VerificaCaratteri(); !c.empty()) {
        e.errore = c;
        return e;
    }
    // Every write of the document is checked, then the forcing to disk and
    // the close: a full disk fails the print and the old file stays.
    const std::string errore = SostituisciFile(file, [&](const std::string& temporaneo) -> std::string {
        ScritturaControllata f(temporaneo);
        if (!f.Aperta()) {
            e.dispositivoRifiutato = true;
            return f.Chiudi();
        }
        {
            QPdfWriter w(&f);
            w.setPageSize(QPageSize(QPageSize::A4));
            w.setPageOrientation(orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
            w.setPageMargins(QMarginsF(0, 0, 0, 0));
            w.setResolution(600);
            w.setCreator(QStringLiteral("Nottaro"));
            w.setTitle(QString::fromStdString(titolo));
            e = disegna(w);
        }
        if (e.annullato) return "cancelled";
        if (!e.errore.empty()) return e.errore;
        const std::string scrittura = f.Chiudi();
        if (!scrittura.empty() || !e.ok) {
            e.ok = false;
            return scrittura.empty() ? std::string("no output") : scrittura;
        }
        return {};
    });
    if (errore.empty()) return e;
    e.ok = false;
    // A file that could not even be opened, or a write that failed: say which.
    if (!e.annullato && (e.dispositivoRifiutato || e.errore.empty()))
        e.errore = ConArgomenti(Msg(1711), {file, e.errore.empty() ? errore : e.errore});
    return e;
}

EsitoStampa StampaProgettoPdf(const std::string& file, const DatiReport& d, const OpzioniReport& o,
                              const AvanzamentoStampa& avanzamento) {
    const std::string titolo = Msg(413, d.Lingua) + ": " + Msg(159, d.Lingua);
    return ScriviPdf(file, false, titolo,
                     [&](QPagedPaintDevice& w) { return StampaProgetto(w, d, o, avanzamento); });
}

std::string AvvisoImmagini(const std::vector<std::string>& file, int lingua) {
    if (file.empty()) return {};
    std::string t = Msg(1701, lingua);
    for (const auto& f : file) t += "\n" + f;
    return t;
}

}  // namespace nottaro
