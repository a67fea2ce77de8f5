// The presentation page of both styles. Its blocks follow each other from
// the top: below the letterhead when there is one, else from the top
// margin; the installation photograph takes the room the texts leave (never
// more than 140 × 100 mm), so a page without letterhead or photograph has
// no hole in the middle.
#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <QPainter>
#include <QRect>

#include <algorithm>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "report/RoutinePagina.h"

namespace nottaro {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The installation photograph fitted into a box of at most 140 × 100 mm and
// at most `alto` device units, centred on (cx, cy); an unreadable picture
// leaves the box empty.
void Fotografia(PaginaReport& pg, const DatiReport& d, int cx, int cy, int alto) {
    const QImage img = pg.Immagine(d.FotoImpianto);
    if (img.isNull()) return;
    const Misura m = AdattaImmagine(img.width(), img.height(), pg.x(140), std::min(pg.y(100), alto));
    pg.p.drawImage(QRect(cx - m.w / 2, cy - m.h / 2, m.w, m.h), img);
}

// The class and the verdict in two lines from y: the first page of every
// report says whether the solution meets what it was designed for. Returns
// the height taken.
int ClasseInBreve(PaginaReport& pg, const DatiReport& d, int y) {
    const int destra = pg.PW - pg.x(11);
    pg.Carattere(10, true);
    const QString etichetta = pg.M(2501);
    pg.Testo(pg.x(20), y, etichetta);
    const int xValore = pg.x(20) + pg.Larghezza(etichetta) + pg.x(3);
    pg.Carattere(10);
    pg.TestoEntro(xValore, y, TestoClasse(pg, d), destra, false, etichetta);
    pg.Carattere(10, true);
    if (!d.criteri.empty() && !d.conforme) pg.Colore(QColor(170, 0, 0));
    pg.TestoEntro(pg.x(20), y + pg.y(4.3), TestoEsitoClasse(pg, d), destra, true, etichetta);
    pg.Colore(Qt::black);
    return pg.y(9);
}

// Height of the table of contents: a title line and the entries, in two
// columns when there are more than four.
int AltezzaIndice(const PaginaReport& pg, const std::vector<VoceIndice>& indice) {
    if (indice.empty()) return 0;
    const int righe = indice.size() > 4 ? static_cast<int>((indice.size() + 1) / 2) : static_cast<int>(indice.size());
    return pg.y(6.5) + righe * pg.y(4.5);
}

// The table of contents from y between x 20 mm and the right margin: each
// section's title, a dotted leader and its page number.
void Indice(PaginaReport& pg, const std::vector<VoceIndice>& indice, int y) {
    if (indice.empty()) return;
    pg.Colore(Qt::black);
    pg.Carattere(11, true);
    pg.Testo(pg.x(20), y, pg.M(2541));
    const bool dueColonne = indice.size() > 4;
    const int righe = dueColonne ? static_cast<int>((indice.size() + 1) / 2) : static_cast<int>(indice.size());
    const int sinistra = pg.x(20), destra = pg.PW - pg.x(12);
    const int larghezza = dueColonne ? (destra - sinistra - pg.x(8)) / 2 : std::min(destra - sinistra, pg.x(120));
    pg.Carattere(9);
    for (std::size_t k = 0; k < indice.size(); ++k) {
        const int colonna = static_cast<int>(k) / righe, riga = static_cast<int>(k) % righe;
        const int x0 = sinistra + colonna * (larghezza + pg.x(8)), x1 = x0 + larghezza;
        const int yr = y + pg.y(6.5) + riga * pg.y(4.5);
        const QString numero = QString::number(indice[k].pagina);
        const int xNumero = x1 - pg.Larghezza(numero);
        pg.TestoEntro(x0, yr, indice[k].titolo, xNumero - pg.x(3), false, pg.M(2541));
        // A dotted leader from the title's end to the page number, drawn as a
        // line so that the text of the page stays the same on any device.
        const int inizio = x0 + std::min(pg.Larghezza(indice[k].titolo), xNumero - pg.x(3) - x0) + pg.x(1.5);
        const int base = yr + QFontMetrics(pg.p.font(), &pg.dispositivo).ascent();
        if (xNumero - pg.x(1.5) > inizio) {
            QPen puntini(Qt::black, std::max(1, pg.x(0.25)), Qt::DotLine, Qt::RoundCap);
            pg.p.setPen(puntini);
            pg.Linea(inizio, base, xNumero - pg.x(1.5), base);
        }
        pg.Testo(xNumero, yr, numero);
    }
}

// Plain style: number, date and class; the photograph; the title, site,
// section, description and contents; the designer's signature at the foot.
void PresentazioneSemplice(PaginaReport& pg, const DatiReport& d, const std::vector<VoceIndice>& indice) {
    const int PW2 = pg.PW / 2;
    const int alto = pg.y(HaIntestazione(pg, d) ? 45 : 20);
    pg.Carattere(14, true);
    pg.TestoEntro(PW2 - pg.x(20), alto, pg.M(86) + QStringLiteral(" ") + Q(d.PrjRiga1), pg.PW - pg.x(10), true, pg.M(86));
    pg.Carattere(12);
    pg.TestoEntro(PW2 - pg.x(15), alto + pg.y(10), pg.M(87) + QStringLiteral(" ") + Q(d.PrjRiga2), pg.PW - pg.x(10), false,
                  pg.M(87));
    const int sottoClasse = alto + pg.y(17) + ClasseInBreve(pg, d, alto + pg.y(17)) + pg.y(4);

    // The texts under the photograph, measured before anything is drawn so
    // the photograph knows its room.
    const int destra = pg.PW - pg.x(10), passo = pg.y(5), fondo = pg.PH - pg.y(44);
    // Site and section start 3 mm after the longer of their labels (at 65 mm
    // at the least), so a language with long labels keeps them apart.
    pg.Carattere(11, true);
    const int xValori = std::max(pg.x(65), pg.x(23) + std::max(pg.Larghezza(pg.M(89)), pg.Larghezza(pg.M(90))));
    auto righe = [&](const std::string& t, int x, double punti, bool grassetto) {
        pg.Carattere(punti, grassetto);
        return static_cast<int>(RigheAcapo(pg, Q(t), destra - x).size());
    };
    const int nTitolo = righe(d.PrjRiga3, pg.x(20), 11, true);
    const int nLuogo = righe(d.PrjRiga4, xValori, 11, false);
    const int nTratto = righe(d.PrjRiga5, xValori, 11, false);
    const QString descrizione = pg.stile.conDescrizione ? Q(d.PrjDescr) : QString();
    const int nDescr = static_cast<int>(SpezzaTesto(descrizione, 125).size());
    const int hIndice = AltezzaIndice(pg, indice);
    const int hTesti = pg.y(10) + (nTitolo - 1) * passo + pg.y(10) + (nLuogo - 1) * passo + pg.y(8) +
                       (nTratto - 1) * passo + pg.y(8) + pg.y(7) + nDescr * pg.y(4) + (hIndice ? pg.y(4) + hIndice : 0);
    int y = sottoClasse;
    if (!d.FotoImpianto.empty()) {
        // The photograph keeps at least 40 mm; a description that then no
        // longer fits is cut below and named in the warning.
        const int stanza = std::max(pg.y(40), std::min(pg.y(100), fondo - sottoClasse - hTesti - pg.y(6)));
        Fotografia(pg, d, PW2, y + stanza / 2, stanza);
        y += stanza + pg.y(6);
    }
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.Testo(PW2 - pg.x(15), y, pg.M(88));
    y += pg.y(10);
    // A long title, site or section wraps onto the lines it needs and pushes
    // what follows down; the description gives up the room.
    pg.Carattere(11, true);
    y += (StampaAcapo(pg, pg.x(20), y, Q(d.PrjRiga3), destra, passo) - 1) * passo + pg.y(10);
    pg.Testo(pg.x(20), y, pg.M(89));
    pg.Carattere(11);
    y += (StampaAcapo(pg, xValori, y, Q(d.PrjRiga4), destra, passo) - 1) * passo + pg.y(8);
    pg.Carattere(11, true);
    pg.Testo(pg.x(20), y, pg.M(90));
    pg.Carattere(11);
    y += (StampaAcapo(pg, xValori, y, Q(d.PrjRiga5), destra, passo) - 1) * passo + pg.y(8);
    pg.Carattere(11, true);
    pg.Testo(pg.x(20), y, pg.M(96));
    pg.Carattere(9);
    const int fondoDescr = fondo - (hIndice ? pg.y(4) + hIndice : 0);
    StampaTesto(pg, descrizione, 125, y + pg.y(7), pg.x(20), pg.y(4), fondoDescr, pg.M(96));
    y = std::min(y + pg.y(7) + nDescr * pg.y(4), fondoDescr);
    if (hIndice) Indice(pg, indice, y + pg.y(4));
    pg.Carattere(9);
    pg.Testo(pg.x(20), pg.PH - pg.y(40), pg.M(421));
    pg.Carattere(9, false, true);
    pg.Testo(PW2 + pg.x(27), pg.PH - pg.y(25), Q(ConArgomenti(Msg(1706, pg.lingua), {Msg(420, pg.lingua)})));
}

// Standard style: title, site and class; the contents; the photograph; the
// signature grid with number and date at the foot. The description goes on
// the data page in this style.
void PresentazioneStandard(PaginaReport& pg, const DatiReport& d, const std::vector<VoceIndice>& indice) {
    const int PW2 = pg.PW / 2;
    int y = pg.y(HaIntestazione(pg, d) ? 58 : 20);
    pg.Carattere(14, true);
    pg.Testo(pg.x(20), y, pg.M(88));
    const int destra = pg.PW - pg.x(10), passo = pg.y(4.5);
    pg.Carattere(10);
    y += pg.y(7);
    y += (StampaAcapo(pg, pg.x(20), y, Q(d.PrjRiga3), destra, passo) - 1) * passo + pg.y(10);
    pg.Carattere(10, true);
    pg.Testo(pg.x(20), y, pg.M(89));
    pg.Carattere(10);
    y += pg.y(7);
    y += (StampaAcapo(pg, pg.x(20), y, Q(d.PrjRiga4), destra, passo) - 1) * passo + pg.y(6);
    y += ClasseInBreve(pg, d, y) + pg.y(4);
    if (!indice.empty()) {
        Indice(pg, indice, y);
        y += AltezzaIndice(pg, indice) + pg.y(4);
    }
    // The photograph centred in what is left above the signature grid.
    const int fondo = pg.PH - pg.y(80);
    if (!d.FotoImpianto.empty() && fondo - y > pg.y(20)) Fotografia(pg, d, PW2, (y + fondo) / 2, fondo - y);
    pg.Colore(Qt::black);
    pg.Penna();
    pg.Rettangolo(PW2 - pg.x(60), pg.PH - pg.y(59), PW2 + pg.x(60), pg.PH - pg.y(47));
    pg.Rettangolo(PW2 - pg.x(60), pg.PH - pg.y(47), PW2 + pg.x(60), pg.PH - pg.y(35));
    pg.Rettangolo(PW2 - pg.x(30), pg.PH - pg.y(59), PW2 + pg.x(15), pg.PH - pg.y(47));
    pg.Rettangolo(PW2 - pg.x(30), pg.PH - pg.y(47), PW2 + pg.x(15), pg.PH - pg.y(35));
    pg.Carattere(10);
    pg.TestoEntro(PW2 - pg.x(15), pg.PH - pg.y(76), pg.M(86) + QStringLiteral(" ") + Q(d.PrjRiga1), destra, false, pg.M(86));
    pg.TestoEntro(PW2 - pg.x(15), pg.PH - pg.y(70), pg.M(87) + QStringLiteral(" ") + Q(d.PrjRiga2), destra, false, pg.M(87));
    // The two roles fit their 27 mm cell (smaller, not below 8 pt, in a
    // language with long words).
    pg.Carattere(10, true);
    pg.TestoEntro(PW2 - pg.x(57), pg.PH - pg.y(55), pg.M(421), PW2 - pg.x(31), true);
    pg.TestoEntro(PW2 - pg.x(57), pg.PH - pg.y(43), pg.M(422), PW2 - pg.x(31), true);
    pg.Testo(PW2 + pg.x(18), pg.PH - pg.y(58), pg.M(87));
    pg.Testo(PW2 + pg.x(18), pg.PH - pg.y(46), pg.M(87));
    pg.Carattere(10);
    pg.Testo(PW2 - pg.x(27), pg.PH - pg.y(58), pg.M(420));
    pg.Testo(PW2 - pg.x(27), pg.PH - pg.y(46), pg.M(420));
}

}  // namespace

bool HaIntestazione(const PaginaReport& pg, const DatiReport& d) {
    if (!pg.stile.conIntestazione) return false;
    if (!d.FileLogo.empty()) return true;
    const Intestazione& i = d.Intest;
    for (const std::string* t : {&i.Societa, &i.Unita, &i.Indirizzo, &i.Indirizzo2, &i.Localita, &i.Telefono, &i.Fax})
        if (!Trim(*t).empty()) return true;
    return false;
}

void StampaPresentazione(PaginaReport& pg, const DatiReport& d, const std::vector<VoceIndice>& indice) {
    pg.Colore(Qt::black);
    if (pg.stile.standard) PresentazioneStandard(pg, d, indice);
    else PresentazioneSemplice(pg, d, indice);
    pg.Carattere(10);
}

}  // namespace nottaro
