// Header, footer and the helpers every page shares.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "report/LetteraIntestata.h"
#include "report/RoutinePagina.h"

namespace nottaro {

namespace {
const QColor Navy(0, 0, 128);
QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Qt1(const std::string& s) { return QString::fromStdString(SenzaBlanchiFinali(s)).trimmed(); }
}  // namespace

Misura AdattaImmagine(double w, double h, double W, double H) {
    if (w <= 0 || h <= 0) return {};
    const double r = w / h;
    if (w < W && h < H) {
        if (w >= h) w = W, h = W / r;
        else h = H, w = r * H;
    }
    if (w > W) w = W, h = W / r;
    if (h > H) h = H, w = H * r;
    return {static_cast<int>(std::trunc(w)), static_cast<int>(std::trunc(h))};
}

std::vector<QString> SpezzaTesto(const QString& testo, int larghezza) {
    std::vector<QString> righe;
    if (larghezza < 1) larghezza = 1;
    QString t = testo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList paragrafi = t.split(QLatin1Char('\n'));
    for (const QString& par : paragrafi) {
        QString resto = par;
        while (resto.size() > larghezza) {
            // The last break opportunity (after a blank, hyphen or tab) within the line.
            int taglio = -1;
            for (int k = larghezza - 1; k >= 0; --k) {
                const QChar c = resto[k];
                if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\t')) {
                    taglio = k + 1;
                    break;
                }
            }
            if (taglio <= 0) taglio = larghezza;
            QString riga = resto.left(taglio);
            while (riga.endsWith(QLatin1Char(' ')) || riga.endsWith(QLatin1Char('\t'))) riga.chop(1);
            righe.push_back(riga);
            resto = resto.mid(taglio);
        }
        righe.push_back(resto);
    }
    // A description ending with a line break leaves no empty last line.
    while (!righe.empty() && righe.back().isEmpty()) righe.pop_back();
    return righe;
}

void StampaTesto(PaginaReport& pg, const QString& testo, int larghezza, int y0, int x, int passo, int fondo,
                 const QString& campo) {
    const double puntiIniziali = pg.PuntiCorrenti();
    const int destra = pg.PW - pg.x(10);
    double punti = puntiIniziali;
    std::vector<QString> righe;
    int passoCorrente = passo;
    while (true) {
        // Smaller print holds proportionally more characters per line, and
        // no line may run past the right margin.
        int caratteri = static_cast<int>(larghezza * puntiIniziali / punti);
        auto troppoLarga = [&](const std::vector<QString>& r) {
            return std::any_of(r.begin(), r.end(), [&](const QString& l) { return x + pg.Larghezza(l) > destra; });
        };
        righe = SpezzaTesto(testo, caratteri);
        while (caratteri > 10 && troppoLarga(righe)) righe = SpezzaTesto(testo, --caratteri);
        passoCorrente = static_cast<int>(passo * punti / puntiIniziali);
        const bool entra = fondo <= 0 || y0 + static_cast<int>(righe.size()) * passoCorrente <= fondo;
        if (entra || punti <= PuntiMinimi) break;
        punti = std::max(PuntiMinimi, punti - 0.5);
        pg.Carattere(punti);
    }
    for (std::size_t k = 0; k < righe.size(); ++k) {
        const int y = y0 + static_cast<int>(k) * passoCorrente;
        // Still too long at the smallest readable size: the last line that
        // fits ends with "…" and the document's warning names the field.
        if (fondo > 0 && k + 1 < righe.size() && y + 2 * passoCorrente > fondo) {
            pg.Testo(x, y, righe[k] + QStringLiteral(" …"));
            pg.NotaTaglio(campo, testo);
            break;
        }
        pg.Testo(x, y, righe[k]);
    }
    if (punti != puntiIniziali) pg.Carattere(puntiIniziali);
}

std::vector<QString> RigheAcapo(const PaginaReport& pg, const QString& testo, int larghezza) {
    std::vector<QString> righe;
    QString riga;
    auto aggiungi = [&](QString parola) {
        const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (pg.Larghezza(prova) <= larghezza) {
            riga = prova;
            return;
        }
        if (!riga.isEmpty()) righe.push_back(riga);
        riga.clear();
        // A word wider than the line goes on as many lines as it needs.
        while (pg.Larghezza(parola) > larghezza && parola.size() > 1) {
            int n = static_cast<int>(parola.size()) - 1;
            while (n > 1 && pg.Larghezza(parola.left(n)) > larghezza) --n;
            righe.push_back(parola.left(n));
            parola = parola.mid(n);
        }
        riga = parola;
    };
    for (const QString& parola : testo.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) aggiungi(parola);
    if (!riga.isEmpty() || righe.empty()) righe.push_back(riga);
    return righe;
}

int StampaAcapoEntro(PaginaReport& pg, int x, int y, const QString& testo, int destra, int passo, int massimo,
                     const QString& campo) {
    std::vector<QString> righe = RigheAcapo(pg, testo, destra - x);
    if (static_cast<int>(righe.size()) > massimo && massimo > 0) {
        QString resto = righe[static_cast<std::size_t>(massimo) - 1];
        for (std::size_t k = static_cast<std::size_t>(massimo); k < righe.size(); ++k) resto += QStringLiteral(" ") + righe[k];
        righe.resize(static_cast<std::size_t>(massimo));
        righe.back() = QFontMetrics(pg.p.font(), &pg.dispositivo).elidedText(resto, Qt::ElideRight, destra - x);
        pg.NotaTaglio(campo, testo);
    }
    for (std::size_t k = 0; k < righe.size(); ++k) pg.Testo(x, y + static_cast<int>(k) * passo, righe[k]);
    return static_cast<int>(righe.size());
}

int StampaAcapo(PaginaReport& pg, int x, int y, const QString& testo, int destra, int passo) {
    const std::vector<QString> righe = RigheAcapo(pg, testo, destra - x);
    for (std::size_t k = 0; k < righe.size(); ++k) pg.Testo(x, y + static_cast<int>(k) * passo, righe[k]);
    return static_cast<int>(righe.size());
}

QString Cifra(double v, int n) { return QString::fromStdString(FormatoGenerale(Arrotonda(v, n))); }
QString CifraE(double v) { return Cifra(v, v < 10 ? 2 : v <= 20 ? 1 : 0); }
QString Rapporto(double a, double b, int n) { return b > 0 ? Cifra(a / b, n) : QStringLiteral("-"); }

void StampaIntestazione(PaginaReport& pg, const DatiReport& d) {
    if (!pg.stile.conIntestazione) return;
    int fondoLogo = 0;
    if (!d.FileLogo.empty()) {
        const QImage img = pg.Immagine(d.FileLogo);
        if (!img.isNull()) {
            const Misura m = AdattaImmagine(img.width(), img.height(), pg.x(50), pg.y(30));
            pg.p.drawImage(QRect(pg.x(10), pg.y(10), m.w, m.h), img);
            fondoLogo = pg.y(10) + m.h;
        }
    }
    int x0, y0;
    if (pg.stile.standard) {
        pg.Carattere(8);
        pg.Colore(Qt::black);
        x0 = pg.x(10), y0 = pg.y(30);
    } else {
        pg.Carattere(9, false, false, FamigliaCarattere::Serif);
        pg.Colore(Navy);
        x0 = pg.PW - pg.x(100), y0 = 0;
    }
    const int h = pg.AltezzaRiga();
    // Under the logo in the standard style: a tall logo pushes the lines down
    // rather than under the company name.
    if (pg.stile.standard && fondoLogo > 0) y0 = std::max(y0, fondoLogo + pg.y(1) - 3 * h);
    const Intestazione& i = d.Intest;
    const double punti = pg.PuntiCorrenti();
    const FamigliaCarattere fam = pg.stile.standard ? FamigliaCarattere::Sans : FamigliaCarattere::Serif;
    pg.Carattere(punti, true, false, fam);
    // A company name longer than the column wraps; the lines under it follow.
    y0 += (StampaAcapo(pg, x0, y0 + 3 * h, Qt1(i.Societa), pg.PW - pg.x(10), h) - 1) * h;
    pg.Carattere(punti, false, false, fam);
    // Every line wraps likewise: an 80-character department or address
    // stays on the page.
    const QString loc = Qt1(i.Localita), ind2 = Qt1(i.Indirizzo2);
    const QString tel = Qt1(i.Telefono), fax = Qt1(i.Fax);
    QString riga7;
    if (!tel.isEmpty() && !fax.isEmpty()) riga7 = QStringLiteral("Tel.") + tel + QStringLiteral(" - Fax.") + fax;
    else if (!tel.isEmpty()) riga7 = QStringLiteral("Tel.") + tel;
    else if (!fax.isEmpty()) riga7 = QStringLiteral("Fax.") + fax;
    const QString righe[] = {Qt1(i.Unita), Qt1(i.Indirizzo),
                             !loc.isEmpty() && !ind2.isEmpty() ? loc + QStringLiteral(" - ") + ind2 : loc.isEmpty() ? ind2 : loc,
                             riga7};
    int y = y0 + 4 * h;
    for (const QString& r : righe) y += (r.isEmpty() ? 1 : StampaAcapo(pg, x0, y, r, pg.PW - pg.x(10), h)) * h;
    pg.Colore(Qt::black);
    pg.Carattere(10);
}

void StampaPiePagina(PaginaReport& pg, const DatiReport& d) {
    QString pagina;
    if (!pg.stile.testoPiede.empty()) pagina = Q(pg.stile.testoPiede);
    else if (pg.NumPagine > 0)
        pagina = Q(ConArgomenti(Msg(2533, pg.lingua), {std::to_string(pg.NumPagina), std::to_string(pg.NumPagine)}));
    else pagina = pg.M(338) + QStringLiteral(" ") + QString::number(pg.NumPagina);
    const QString societa = pg.stile.conIntestazione ? Qt1(d.Intest.Societa) : QString();
    // The project's number and title on every page, so a loose page is
    // still known; the company after them where there is one. A long title
    // is shortened here without a warning: the first page prints it whole.
    QString progetto = Qt1(d.PrjRiga1);
    for (const QString& t : {Qt1(d.PrjRiga3), societa})
        if (!t.isEmpty()) progetto += (progetto.isEmpty() ? QString() : QStringLiteral(" - ")) + t;
    pg.Carattere(9);
    if (pg.stile.standard) {
        pg.Colore(Qt::black);
        pg.Penna();
        pg.Rettangolo(pg.x(10), pg.PH - pg.y(21), pg.PW - pg.x(10), pg.PH - pg.y(15));
        pg.Rettangolo(pg.PW - pg.x(50), pg.PH - pg.y(21), pg.PW - pg.x(10), pg.PH - pg.y(15));
        pg.TestoEntro(pg.x(20), pg.PH - pg.y(20), progetto, pg.PW - pg.x(51), false, {}, false);
        pg.TestoEntro(pg.PW - pg.x(48), pg.PH - pg.y(20), pagina, pg.PW - pg.x(11), false);
    } else {
        pg.Colore(Navy);
        pg.TestoEntro(pg.x(20), pg.PH - pg.y(10), progetto, pg.PW - pg.x(52), false, {}, false);
        pg.TestoEntro(pg.PW - pg.x(50), pg.PH - pg.y(10), pagina, pg.PW - pg.x(10), false);
    }
    pg.Colore(Qt::black);
    pg.Carattere(10);
}

}  // namespace nottaro
