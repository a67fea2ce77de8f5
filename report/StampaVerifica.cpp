// The page that proves the solution: the class and its standard, each
// criterion with the required and calculated value and its verdict, the
// energy indicators, the luminaire as its record names it, how the field was
// calculated and where the report comes from.
#include <QString>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "report/RoutinePagina.h"

namespace nottaro {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Nominal average luminance coefficient of the standard surfaces C1, C2, R1..R4.
constexpr std::array<double, 6> Q0Superficie{0.10, 0.07, 0.10, 0.07, 0.07, 0.08};
constexpr std::array<const char*, 6> NomeSuperficie{"C1", "C2", "R1", "R2", "R3", "R4"};

struct Formato {
    int decimali;
    const char* unita;  // after a blank; empty: a ratio
};

Formato FormatoCriterio(std::string_view nome) {
    if (nome == "Lm") return {2, "cd/m²"};
    if (nome == "TI") return {0, "%"};
    if (nome == "Em" || nome == "Emin") return {2, "lx"};
    return {2, ""};  // Uo, Ul, EIR: ratios
}

QString ConUnita(const QString& v, const char* unita) {
    return *unita ? v + QStringLiteral(" ") + QString::fromUtf8(unita) : v;
}

// The calculated value with enough decimals that a value just short of its
// limit never prints as the limit itself beside "not met".
QString ValoreCalcolato(const CriterioReport& c) {
    const Formato f = FormatoCriterio(c.nome);
    int n = f.decimali;
    QString t = Cifra(c.valore, n);
    while (c.giudicato && !c.soddisfatto && n < 4 && t == Cifra(c.richiesto, f.decimali)) t = Cifra(c.valore, ++n);
    return ConUnita(t, f.unita);
}

QString ValoreRichiesto(const CriterioReport& c) {
    const Formato f = FormatoCriterio(c.nome);
    return (c.minimo ? QStringLiteral("≥ ") : QStringLiteral("≤ ")) + ConUnita(Cifra(c.richiesto, f.decimali), f.unita);
}

QString Esito(const PaginaReport& pg, const CriterioReport& c) {
    return !c.giudicato ? pg.M(2509) : c.soddisfatto ? pg.M(2507) : pg.M(2508);
}

struct Riga {
    QString etichetta, valore;
};

// A 7 mm band with its title from y mm, then the rows 5 mm apart; returns
// where the next block may start (mm).
double Blocco(PaginaReport& pg, double y, const QString& titolo, const std::vector<Riga>& righe) {
    const int destra = pg.PW - pg.x(11), xv = pg.x(97);
    pg.Penna();
    pg.Rettangolo(pg.x(10), pg.y(y), pg.PW - pg.x(10), pg.y(y + 7));
    pg.Carattere(11, true);
    pg.TestoEntro(pg.x(13), pg.y(y + 1.2), titolo, destra, true);
    double yr = y + 9;
    for (const Riga& r : righe) {
        pg.Carattere(9, true);
        pg.TestoEntro(pg.x(13), pg.y(yr), r.etichetta + QStringLiteral(":"), xv - pg.x(2), true);
        pg.Carattere(9.5);
        pg.TestoEntro(xv, pg.y(yr), r.valore, destra, false, r.etichetta);
        yr += 5;
    }
    return yr + 2;
}

QString Metri(double v, int n) { return Cifra(v, n) + QStringLiteral(" m"); }

}  // namespace

QString TestoClasse(const PaginaReport& pg, const DatiReport& d) {
    const QString classe = d.Classe.empty() ? pg.M(2502) : Q(d.Classe);
    return d.Norma.empty() ? classe : classe + QStringLiteral(" — ") + Q(d.Norma);
}

QString TestoEsitoClasse(const PaginaReport& pg, const DatiReport& d) {
    if (d.criteri.empty()) return pg.M(2512);
    const std::string classe = d.Classe.empty() ? Msg(2502, pg.lingua) : d.Classe;
    if (d.conforme) return Q(ConArgomenti(Msg(2510, pg.lingua), {classe}));
    std::string mancati;
    for (const CriterioReport& c : d.criteri)
        if (c.giudicato && !c.soddisfatto) mancati += (mancati.empty() ? "" : ", ") + c.nome;
    return Q(ConArgomenti(Msg(2511, pg.lingua), {classe, mancati}));
}

void StampaVerifica(PaginaReport& pg, const DatiReport& d) {
    const int PW2 = pg.PW / 2, destra = pg.PW - pg.x(11);
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.TestoCentrato(PW2, pg.y(38), pg.M(2500));

    pg.Carattere(10, true);
    pg.Testo(pg.x(13), pg.y(48), pg.M(2501));
    pg.Carattere(10);
    pg.TestoEntro(pg.x(55), pg.y(48), TestoClasse(pg, d), destra, false);
    pg.Carattere(10, true);
    if (!d.criteri.empty() && !d.conforme) pg.Colore(QColor(170, 0, 0));
    pg.TestoEntro(pg.x(13), pg.y(54), TestoEsitoClasse(pg, d), destra, true);
    pg.Colore(Qt::black);

    // The verdict table: criterion, required, calculated, verdict.
    const std::array<double, 5> colonne{10, 50, 95, 140, 200};
    double y = 62;
    const double passo = 6;
    const int righe = static_cast<int>(d.criteri.size()) + 1;
    pg.Penna();
    for (int k = 0; k <= righe; ++k) pg.Linea(pg.x(10), pg.y(y + k * passo), pg.PW - pg.x(10), pg.y(y + k * passo));
    for (double c : colonne) pg.Linea(c >= 200 ? pg.PW - pg.x(10) : pg.x(c), pg.y(y), c >= 200 ? pg.PW - pg.x(10) : pg.x(c), pg.y(y + righe * passo));
    const std::array<int, 4> titoli{2503, 2504, 2505, 2506};
    pg.Carattere(9, true);
    for (int c = 0; c < 4; ++c)
        pg.TestoEntro(pg.x(colonne[c] + 2), pg.y(y + 1.2), pg.M(titoli[c]), pg.x(colonne[c + 1] - 1), true);
    for (std::size_t k = 0; k < d.criteri.size(); ++k) {
        const CriterioReport& c = d.criteri[k];
        const double yr = y + (static_cast<double>(k) + 1) * passo + 1.2;
        pg.Carattere(9.5);
        pg.Testo(pg.x(colonne[0] + 2), pg.y(yr), Q(c.nome));
        pg.Testo(pg.x(colonne[1] + 2), pg.y(yr), ValoreRichiesto(c));
        pg.Testo(pg.x(colonne[2] + 2), pg.y(yr), ValoreCalcolato(c));
        const bool mancato = c.giudicato && !c.soddisfatto;
        pg.Carattere(9.5, mancato);
        if (mancato) pg.Colore(QColor(170, 0, 0));
        pg.Testo(pg.x(colonne[3] + 2), pg.y(yr), Esito(pg, c));
        pg.Colore(Qt::black);
    }
    y += righe * passo + 6;

    if (d.conEnergia) {
        y = Blocco(pg, y, pg.M(2513),
                   {{pg.M(2514), Cifra(d.Dp, 4) + QStringLiteral(" W/(lx·m²)")},
                    {pg.M(2515), Cifra(d.De, 2) + QStringLiteral(" kWh/(m²·") + pg.M(2535).section(QLatin1Char('/'), 1) +
                                     QStringLiteral(")")},
                    {pg.M(2516), Cifra(d.OreEsercizio, 0) + QStringLiteral(" ") + pg.M(2535)}});
    }

    // The luminaire as its photometric record names it, with the lamp set
    // calculated; a field the record leaves empty shows a dash that text
    // extraction cannot take for a word break.
    auto oTratto = [](const std::string& s) { return s.empty() ? QStringLiteral("—") : Q(s); };
    QString lampada = oTratto(d.SolLampada);
    y = Blocco(pg, y, pg.M(351),
               {{pg.M(2517), oTratto(d.Ditta)},
                {pg.M(2518), oTratto(d.NomeApp)},
                {pg.M(2519), oTratto(d.NumApp)},
                {pg.M(292), lampada},
                {pg.M(126), Q(d.SolLumen) + QStringLiteral(" lm")},
                {pg.M(127), Q(d.SolPotenza) + QStringLiteral(" W")},
                {pg.M(2520), d.LORL > 0 ? Cifra(d.LORL, 1) + QStringLiteral(" %") : QStringLiteral("—")},
                {pg.M(2521), oTratto(d.FileFotometria.empty() ? d.CatNomeFile : d.FileFotometria)}});

    std::vector<Riga> calcolo;
    const bool strada = d.TipoProgetto == 0;
    if (strada && d.ClassePavCalcolo >= 0 && d.ClassePavCalcolo < 6) {
        const auto c = static_cast<std::size_t>(d.ClassePavCalcolo);
        calcolo.push_back({pg.M(2523), QString::fromLatin1(NomeSuperficie[c]) + QStringLiteral(", q0 = ") +
                                           Cifra(Q0Superficie[c], 2)});
    }
    calcolo.push_back({pg.M(2524), Cifra(strada ? d.Deprezz : d.DeprezzA, 2)});
    if (d.PuntiLong > 0)
        calcolo.push_back({pg.M(2525), Q(ConArgomenti(Msg(2526, pg.lingua),
                                                      {std::to_string(d.PuntiTrasv), std::to_string(d.PuntiLong),
                                                       Cifra(d.PassoTrasv, 3).toStdString(),
                                                       Cifra(d.PassoLong, 3).toStdString()}))});
    if (d.LunghezzaCampo > 0) calcolo.push_back({pg.M(2527), Metri(d.LunghezzaCampo, 2)});
    if (strada && !d.posizioniOsservatori.empty()) {
        QString oss;
        for (const auto& o : d.posizioniOsservatori) {
            if (!oss.isEmpty()) oss += QStringLiteral("; ");
            oss += QStringLiteral("(") + Cifra(o[0], 2) + QStringLiteral(", ") + Cifra(o[1], 2) + QStringLiteral(") m");
        }
        calcolo.push_back({pg.M(2528), oss});
    }
    y = Blocco(pg, y, pg.M(2522), calcolo);

    std::vector<Riga> traccia;
    if (!d.DataCalcolo.empty()) traccia.push_back({pg.M(2530), Q(d.DataCalcolo)});
    if (!d.Versione.empty()) traccia.push_back({pg.M(2531), QStringLiteral("Nottaro ") + Q(d.Versione)});
    if (!d.FileProgetto.empty()) traccia.push_back({pg.M(2532), Q(d.FileProgetto)});
    if (!traccia.empty()) Blocco(pg, y, pg.M(2529), traccia);
    pg.Carattere(10);
}

}  // namespace nottaro
