#include "report/StampaProgetto.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "core/files/FileProgetto.h"
#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "report/RoutinePagina.h"
#include "report/ScritturaControllata.h"

namespace nottaro {

std::vector<char> PagineProgetto(const DatiReport& d, const SezioniReport& s) {
    std::vector<char> p;
    if (s.presentazione) p.push_back('P');
    if (s.dati) {
        p.push_back('D');
        p.push_back('V');
    }
    if (s.luminanze && d.TipoProgetto == 0)
        for (std::size_t i = 0; i < d.osservatori.size(); ++i) p.push_back('L');
    if (s.illuminamenti) p.push_back('I');
    return p;
}

std::vector<VoceIndice> IndiceProgetto(const std::vector<char>& pagine, int lingua) {
    std::vector<VoceIndice> v;
    if (pagine.size() <= PagineSenzaIndice || pagine.front() != 'P') return v;
    // Up to four luminance pages are listed by observer; more are one line
    // with the first of them, so the contents stay on the first page.
    const auto osservatori = std::count(pagine.begin(), pagine.end(), 'L');
    int osservatore = 0;
    for (std::size_t k = 0; k < pagine.size(); ++k) {
        std::string t;
        switch (pagine[k]) {
            case 'P': t = Msg(416, lingua); break;
            case 'D': t = Msg(417, lingua); break;
            case 'V': t = Msg(2542, lingua); break;
            case 'L':
                if (osservatori > 4 && osservatore++ > 0) continue;
                t = Msg(418, lingua);
                if (osservatori <= 4) t += " - " + Msg(423, lingua) + " " + std::to_string(++osservatore);
                break;
            default: t = Msg(419, lingua); break;
        }
        v.push_back({QString::fromStdString(t), static_cast<int>(k) + 1});
    }
    return v;
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
    pg.NumPagine = static_cast<int>(pagine.size());
    const std::vector<VoceIndice> indice = IndiceProgetto(pagine, d.Lingua);
    int osservatore = 0;
    for (std::size_t k = 0; k < pagine.size(); ++k) {
        if (avanzamento && !avanzamento(static_cast<int>(k) + 1, static_cast<int>(pagine.size()))) {
            e.annullato = true;
            break;
        }
        if (k > 0) dispositivo.newPage();
        StampaIntestazione(pg, d);
        switch (pagine[k]) {
            case 'P': StampaPresentazione(pg, d, indice); break;
            case 'D': o.stile.standard ? StampaDatiStandard(pg, d) : StampaDati(pg, d); break;
            case 'V': StampaVerifica(pg, d); break;
            case 'L': StampaLuminanze(pg, d, osservatore++); break;
            default: d.TipoProgetto == 0 ? StampaIlluminamenti(pg, d) : StampaIlluminamentiArea(pg, d); break;
        }
        StampaPiePagina(pg, d);
        ++pg.NumPagina;
        ++e.pagine;
    }
    const bool chiuso = p.end();
    e.immaginiIlleggibili = pg.ImmaginiIlleggibili();
    e.testiTagliati = pg.TestiTagliati();
    e.ok = !e.annullato && chiuso;
    return e;
}

namespace {

QString XmlTesto(const std::string& t) { return QString::fromStdString(t).toHtmlEscaped(); }

// The Info dictionary this PDF writer fills has no author entry: the
// designer goes into the document's XMP packet (dc:creator), with the title
// and the creating program.
QByteArray MetadatiXmp(const std::string& titolo, const std::string& autore, const QString& programma) {
    QString x = QStringLiteral(
        "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
        "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">");
    x += QStringLiteral("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">") + XmlTesto(titolo) +
         QStringLiteral("</rdf:li></rdf:Alt></dc:title>");
    if (!autore.empty())
        x += QStringLiteral("<dc:creator><rdf:Seq><rdf:li>") + XmlTesto(autore) + QStringLiteral("</rdf:li></rdf:Seq></dc:creator>");
    x += QStringLiteral("<xmp:CreatorTool>") + programma.toHtmlEscaped() + QStringLiteral("</xmp:CreatorTool>");
    x += QStringLiteral("</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>");
    return x.toUtf8();
}

}  // namespace

EsitoStampa ScriviPdf(const std::string& file, bool orizzontale, const std::string& titolo,
                      const std::function<EsitoStampa(QPagedPaintDevice&)>& disegna, const std::string& autore) {
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
            const QString programma = QStringLiteral("Nottaro ") + QLatin1String(VersioneProgramma);
            w.setCreator(programma);
            w.setTitle(QString::fromStdString(titolo));
            w.setDocumentXmpMetadata(MetadatiXmp(titolo, autore, programma));
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
    // The project's own title names the document; without one, what it is.
    const std::string progetto = Trim(d.PrjRiga3);
    const std::string titolo = progetto.empty() ? Msg(413, d.Lingua) + ": " + Msg(159, d.Lingua) : progetto;
    const std::string operatore = Trim(d.Intest.Operatore);
    return ScriviPdf(
        file, false, titolo, [&](QPagedPaintDevice& w) { return StampaProgetto(w, d, o, avanzamento); },
        operatore.empty() ? Trim(d.Intest.Societa) : operatore);
}

std::string AvvisoImmagini(const std::vector<std::string>& file, int lingua) {
    if (file.empty()) return {};
    std::string t = Msg(1701, lingua);
    for (const auto& f : file) t += "\n" + f;
    return t;
}

std::string AvvisoTestiTagliati(const std::vector<std::string>& campi, int lingua) {
    if (campi.empty()) return {};
    std::string elenco;
    for (const auto& c : campi) elenco += (elenco.empty() ? "" : ", ") + c;
    return ConArgomenti(Msg(2540, lingua), {elenco});
}

}  // namespace nottaro
