#include "report/ElencoSoluzioni.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <QPagedPaintDevice>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/files/FileProgetto.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "report/PaginaReport.h"
#include "store/TabellaDbf.h"

namespace nottaro {
namespace {

// Band heights and the page, in millimetres.
constexpr double Margine = 10, AltTestata = 8, AltTitolo = 8, AltColonne = 14.6, AltPiede = 6;
double AltDettaglio(TipoElenco t) { return t == TipoElenco::Ridotto ? 5.8 : 44.5; }
FoglioRif Foglio(TipoElenco t) { return t == TipoElenco::Ridotto ? FoglioRif{210, 297} : FoglioRif{297, 210}; }
double LargBanda(TipoElenco t) { return t == TipoElenco::Ridotto ? 190 : 277; }

// A field printed at x mm (left, centred in `larghezza` or right-aligned
// ending at x).
enum class Allinea { Sinistra, Centro, Destra };
struct Campo {
    MembroRiga membro;
    double x, y, larghezza;
    Allinea allinea;
};

// A caption at (x, y) kept inside `fine` mm (the next column).
struct Didascalia {
    QString testo;
    double x, y, fine;
    bool grassetto = false;
    bool centrata = false;
};

class Disegno {
public:
    Disegno(PaginaReport& pg, const OpzioniElenco& o) : pg_(pg), o_(o), completo_(o.tipo == TipoElenco::Completo) {}

    int X(double mm) const { return pg_.x(Margine + mm); }
    int Y(double mm) const { return pg_.y(mm); }

    // A text shrunk (down to 8 pt) until it fits in `larghezza` device
    // units; what still does not fit is cut with "…" and named under `campo`.
    void TestoEntro(int x, int y, const QString& t, int larghezza, Allinea a, double punti, bool grassetto,
                    const QString& campo = {}) {
        double p = punti;
        pg_.Carattere(p, grassetto);
        while (p > PuntiMinimi && pg_.Larghezza(t) > larghezza) {
            p = std::max(PuntiMinimi, p - 0.5);
            pg_.Carattere(p, grassetto);
        }
        QString s = t;
        if (pg_.Larghezza(s) > larghezza) {
            s = QFontMetrics(pg_.p.font(), &pg_.dispositivo).elidedText(t, Qt::ElideRight, larghezza);
            pg_.NotaTaglio(campo, t);
        }
        const int w = pg_.Larghezza(s);
        const int xx = a == Allinea::Sinistra ? x : a == Allinea::Centro ? x + (larghezza - w) / 2 : x + larghezza - w;
        pg_.Testo(xx, y, s);
    }

    void Caption(const Didascalia& d, double y0, double punti = 9) {
        const int inizio = X(d.x), fine = X(d.fine);
        if (d.centrata) TestoEntro(inizio, Y(y0 + d.y), d.testo, fine - inizio, Allinea::Centro, punti, d.grassetto);
        else TestoEntro(inizio, Y(y0 + d.y), d.testo, fine - inizio, Allinea::Sinistra, punti, d.grassetto);
    }

    void CampoRiga(const Campo& c, const RigaElenco& r, double y0, double punti = 9, bool grassetto = false) {
        const auto it = r.find(c.membro);
        const QString t = it == r.end() ? QString() : QString::fromStdString(it->second);
        const int w = pg_.x(c.larghezza);
        const int x = c.allinea == Allinea::Destra ? X(c.x) - w : X(c.x);
        // A cut text is named by its column's caption where it has one.
        const QString campo = c.membro == MembroRiga::CORPO     ? pg_.M(124)
                              : c.membro == MembroRiga::LAMPADA ? pg_.M(292)
                                                                : QString::fromLatin1(NomeCampo(c.membro));
        TestoEntro(x, Y(y0 + c.y), t, w, c.allinea, punti, grassetto, campo);
    }

    double Testata(double y0) {
        pg_.Carattere(14);
        pg_.Testo(X(0), Y(y0), QStringLiteral("Lucerno - Nottaro"));
        pg_.Testo(X(59.3), Y(y0), QStringLiteral("ver. ") + QLatin1String(VersioneProgramma) + QStringLiteral(" "));
        return y0 + AltTestata;
    }

    double Titolo(double y0) {
        pg_.Carattere(11, true);
        pg_.Testo(X(completo_ ? 6.3 : 48.7), Y(y0 + 2.1), pg_.M(159));
        return y0 + AltTitolo;
    }

    double Colonne(double y0) {
        pg_.Penna();
        pg_.Rettangolo(X(0), Y(y0), X(LargBanda(o_.tipo)), Y(y0 + AltColonne));
        const bool p = o_.percorso;
        const bool c = completo_;
        auto v = [c](double ridotto, double completo) { return c ? completo : ridotto; };
        const double l1 = 0.3, l2 = 4.5, l3 = 8.7;
        std::vector<Didascalia> d = {
            {QStringLiteral("N°"), 0.5, l1, 6.0},
            {pg_.M(124), 6.3, l1, v(48.2, 46.1)},
            {pg_.M(321), v(48.7, 46.6), l1, v(72.0, 71.5)},
            {pg_.M(320), v(72.5, 72.0), l1, 91.0},
            {pg_.M(144), 91.5, l1, 113.0},
            {pg_.M(150), 113.5, l1, 133.0},
            {pg_.M(322), 133.3, l1, 152.0},
            {pg_.M(159), 152.4, l1, v(190.0, 191.1)},
            {pg_.M(292), 6.3, l2, v(42.0, 41.0)},
            {pg_.M(319), v(42.3, 41.5), l2, v(55.8, 53.1)},
            {pg_.M(381), v(56.1, 53.4), l2, v(72.7, 70.3)},
            {pg_.M(318), v(73.0, 70.6), l2, 111.0},
            {pg_.M(158), 111.4, l2, 133.0},
            {pg_.M(127), 133.3, l2, 152.0},
            {p ? QStringLiteral("Em") : QStringLiteral("Lm"), 152.4, l2, v(162.7, 164.8)},
            {QStringLiteral("Uo"), v(163.0, 165.1), l2, v(173.3, 175.4)},
            {p ? QStringLiteral("Emin") : QStringLiteral("Ul"), v(173.6, 175.7), l2, v(181.7, 186.0)},
            {p ? QStringLiteral("Emax") : QStringLiteral("Ti"), v(181.5, 185.5), l2, v(190.0, 197.0)},
            {QStringLiteral("[m]"), 46.6, l3, 52.0},
            {QStringLiteral("[m]"), 59.3, l3, 66.0},
            {QStringLiteral("[°]"), 78.3, l3, 85.0},
            {QStringLiteral("[m]"), 97.4, l3, 104.0},
            {QStringLiteral("[W/m]"), v(135.5, 137.6), l3, 147.0},
            {p ? QStringLiteral("lx") : QStringLiteral("[cd/m^2]"), v(149.5, 148.2) - 4, l3, v(162.5, 161.2), false, true},
            {p ? QStringLiteral("lx") : QString(), v(173.6, 175.7), l3, v(181.7, 186.0)},
            {p ? QStringLiteral("lx") : QStringLiteral("%"), v(181.5, 185.5), l3, v(190.0, 197.0)},
        };
        if (c) {
            d.push_back({pg_.M(295), 191.6, l1, 228.0});
            d.push_back({pg_.M(323), 228.6, l1, 277.0});
        }
        for (const auto& x : d) Caption(x, y0);
        return y0 + AltColonne;
    }

    void Dettaglio(const RigaElenco& r, double y0) {
        const bool c = completo_;
        auto v = [c](double ridotto, double completo) { return c ? completo : ridotto; };
        using M = MembroRiga;
        const std::vector<Campo> riga1 = {
            {M::NUM, 0.0, 0.8, 6.0, Allinea::Sinistra},
            {M::CORPO, v(8.5, 6.3), 0.8, v(34.1, 36.2), Allinea::Sinistra},
            {M::HPALO, 42.3, 0.8, 10.0, Allinea::Centro},
            {M::SBRACCIO, 52.9, 0.8, 14.0, Allinea::Centro},
            {M::INCLINA, 72.2, 0.8, 14.0, Allinea::Centro},
            {M::INTER, 95.0, 0.8, 9.0, Allinea::Centro},
            {M::INDICER, 114.3, 0.8, 11.0, Allinea::Centro},
            {M::INDICEI, 134.1, 0.8, 12.0, Allinea::Centro},
            {M::LUMINA, 148.7, 0.8, 11.0, Allinea::Centro},
            {M::UNIFG, v(160.3, 162.5), 0.8, 9.0, Allinea::Centro},
            {M::UNIFL, v(171.2, 173.3), 0.8, v(9.0, 11.0), Allinea::Centro},
            // The last column reaches the band's edge: its figures keep the list's size.
            {M::TI, v(181.0, 185.5), 0.8, v(9.0, 11.0), Allinea::Centro},
        };
        // The luminaire column names the luminaire of the row: its
        // photometric file, else what the row stores as its body.
        RigaElenco conApparecchio;
        const RigaElenco* riga = &r;
        if (const auto f = r.find(M::FILELDT); f != r.end() && !Trim(f->second).empty()) {
            conApparecchio = r;
            const std::string file = NomeFile(Trim(f->second));
            const auto punto = file.rfind('.');
            conApparecchio[M::CORPO] = punto == std::string::npos || punto == 0 ? file : file.substr(0, punto);
            riga = &conApparecchio;
        }
        for (const Campo& k : riga1) CampoRiga(k, *riga, y0);
        if (!c) return;
        CampoRiga({M::NPALI, 198.7, 0.8, 12.0, Allinea::Centro}, r, y0);
        CampoRiga({M::LAMPADA, 6.3, 4.8, 35.0, Allinea::Sinistra}, r, y0);
        Caption({pg_.M(290), 6.3, 8.7, 27.0}, y0, 8);
        CampoRiga({M::POTENZA, 27.5, 9.0, 14.0, Allinea::Sinistra}, r, y0);
        Caption({pg_.M(291), 6.3, 13.0, 27.0}, y0, 8);
        CampoRiga({M::LUMEN, 27.5, 13.2, 14.0, Allinea::Sinistra}, r, y0);
        // Economic figures: captions at 212.5 mm, values right-aligned at 276.5 mm.
        const std::pair<int, MembroRiga> economia[] = {
            {296, M::COSTONUOVO}, {297, M::POTENZAKM}, {298, M::KWHANNO}, {299, M::SPESAEANNO}};
        const double ye[] = {0.3, 4.5, 8.7, 13.0};
        for (int k = 0; k < 4; ++k) {
            Caption({pg_.M(economia[k].first), 212.5, ye[k], 259.0}, y0, 8);
            CampoRiga({economia[k].second, 276.5, ye[k], 17.0, Allinea::Destra}, r, y0);
        }
        Caption({pg_.M(300), 212.5, 19.3, 255.0, true}, y0, 8);
        CampoRiga({M::COSTOTOT, 276.5, 19.3, 21.0, Allinea::Destra}, r, y0, 10, true);
        // The two comparison groups in their frame.
        pg_.Penna();
        pg_.Rettangolo(X(42.3), Y(y0 + 6.3), X(42.3 + 169.9), Y(y0 + 6.3 + 36.2));
        Caption({pg_.M(324), 42.9, 6.6, 117.0, true}, y0, 8);
        Caption({pg_.M(329), 123.8, 6.6, 206.0, true}, y0, 8);
        Caption({QStringLiteral("%"), 118.5, 6.6, 122.0}, y0, 8);
        Caption({QStringLiteral("%"), 207.4, 6.6, 211.5}, y0, 8);
        struct Voce {
            int messaggio;
            MembroRiga valore;
            std::optional<MembroRiga> percentuale;
        };
        const Voce g1[] = {{325, M::RISPIMPIAN, M::RISPIMPIAP}, {326, M::RISPMANUTE, M::RISPMANUTP},
                           {327, M::RISPEANNO, M::RISPEANNOP}, {328, M::RISPE25ANN, {}}};
        const Voce g2[] = {{330, M::COSTOADEGU, {}}, {331, M::DELTAWKM, {}},   {332, M::DELTALMKM, M::DELTALMP},
                           {333, M::DELTAKWHAN, {}}, {334, M::RISPEANNOA, M::RISPEAP}, {335, M::RISPMANUTA, {}},
                           {336, M::BREAKEVEN, {}}};
        auto gruppo = [&](const Voce* v0, int n, double xc, double fineValori, double xp) {
            for (int k = 0; k < n; ++k) {
                const double y = 10.8 + 4.2 * k;
                Caption({pg_.M(v0[k].messaggio), xc, y, fineValori - 15.3 - 0.5}, y0, 8);
                CampoRiga({v0[k].valore, fineValori, y, 15.3, Allinea::Destra}, r, y0, 8);
                // Wide enough for "-108.75" at the list's 8 pt.
                if (v0[k].percentuale) CampoRiga({*v0[k].percentuale, xp, y, 10.1, Allinea::Sinistra}, r, y0, 8);
            }
        };
        gruppo(g1, 4, 42.9, 112.4, 113.4);
        gruppo(g2, 7, 123.8, 201.3, 202.3);
        pg_.Penna(Qt::black, 0.1);
        pg_.Linea(X(0), Y(y0 + 43.1), X(LargBanda(o_.tipo)), Y(y0 + 43.1));
    }

    void Piede(const QString& data, int pagina, int pagine) {
        pg_.Carattere(9);
        const double y0 = Foglio(o_.tipo).altezza - Margine - AltPiede + 1;
        pg_.Testo(X(0), Y(y0), QString::fromStdString(ConArgomenti(Msg(2533, o_.lingua),
                                                                  {std::to_string(pagina), std::to_string(pagine)})));
        pg_.TestoADestra(X(completo_ ? 274.1 : 189.4), Y(y0), data);
    }

    // Under the column header of a list without rows.
    void NessunaRiga(double y0) {
        pg_.Carattere(10, false, true);
        pg_.Testo(X(6.3), Y(y0 + 2), pg_.M(2536));
    }

private:
    PaginaReport& pg_;
    const OpzioniElenco& o_;
    bool completo_;
};

}  // namespace

// A stored figure to n decimals, halves away from zero, as the table's
// decimal text reads: the binary value of -1106.84 lies just above it and
// 1.005 just below its half, and neither may lose its last digit.
std::string CifraElenco(double x, int n) {
    const double scala = std::pow(10.0, n);
    const double t = x * scala;
    const double r = std::round(t + std::copysign(1e-9 * std::max(1.0, std::fabs(t)), t)) / scala;
    return FormatoGenerale(r == 0 ? 0.0 : r);
}

std::vector<RigaElenco> RigheElenco(TabellaDbf& t) {
    // The table's own fields say which kind's schema reads it; a field the
    // table lacks prints empty.
    const SchemaRiga& schema = SchemaRighe(CampiDiPercorso(t.Campi()));
    std::vector<const CampoSoluzione*> stampati;
    for (const CampoSoluzione& c : schema)
        if (c.decimaliElenco != NonStampato && t.IndiceCampo(c.nome) >= 0) stampati.push_back(&c);
    std::vector<RigaElenco> righe;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
        RigaElenco r;
        for (const CampoSoluzione* c : stampati) {
            const MembroRiga colonna = ColonnaElenco(c->membro);
            if (c->tipo == TipoCampo::Numero) {
                if (const auto x = t.Numero(c->nome)) {
                    r[colonna] = CifraElenco(*x, c->decimaliElenco);
                    continue;
                }
            }
            r[colonna] = t.Testo(c->nome).value_or("");
        }
        righe.push_back(std::move(r));
    }
    return righe;
}

std::vector<int> RighePerPagina(TipoElenco tipo, std::size_t righe) {
    const double utile = Foglio(tipo).altezza - 2 * Margine - AltTestata - AltColonne - AltPiede;
    const int prima = static_cast<int>(std::floor((utile - AltTitolo) / AltDettaglio(tipo) + 1e-9));
    const int altre = static_cast<int>(std::floor(utile / AltDettaglio(tipo) + 1e-9));
    std::vector<int> pagine;
    std::size_t resto = righe;
    do {
        const int n = static_cast<int>(std::min<std::size_t>(resto, static_cast<std::size_t>(pagine.empty() ? prima : altre)));
        pagine.push_back(n);
        resto -= static_cast<std::size_t>(n);
    } while (resto > 0);
    return pagine;
}

std::string DataPiede(int lingua) {
    QDate oggi = QDate::currentDate();
    if (const char* e = std::getenv("SOURCE_DATE_EPOCH"); e && *e) {
        bool ok = false;
        const qint64 s = QByteArray(e).toLongLong(&ok);
        if (ok) oggi = QDateTime::fromSecsSinceEpoch(s, Qt::UTC).date();
    }
    static const QLocale::Language lingue[] = {QLocale::Italian, QLocale::English, QLocale::French, QLocale::German,
                                               QLocale::Spanish};
    const QLocale l(lingua >= 0 && lingua < 5 ? lingue[lingua] : QLocale::English,
                    lingua == 1 ? QLocale::UnitedKingdom : QLocale::AnyTerritory);
    return l.toString(oggi, QLocale::ShortFormat).toStdString();
}

EsitoStampa StampaElenco(QPagedPaintDevice& dispositivo, const std::vector<RigaElenco>& righe,
                         const OpzioniElenco& o, const AvanzamentoStampa& avanzamento) {
    EsitoStampa e;
    const std::vector<int> perPagina = RighePerPagina(o.tipo, righe.size());
    const int totale = static_cast<int>(perPagina.size());
    const int da = std::max(1, o.primaPagina), a = o.ultimaPagina > 0 ? std::min(o.ultimaPagina, totale) : totale;
    QPainter p;
    if (!p.begin(&dispositivo)) {
        e.errore = Msg(1710, o.lingua);
        e.dispositivoRifiutato = true;
        return e;
    }
    PaginaReport pg(p, dispositivo, dispositivo.width(), dispositivo.height(), Foglio(o.tipo));
    pg.lingua = o.lingua;
    Disegno dis(pg, o);
    const QString data = QString::fromStdString(o.data.empty() ? DataPiede(o.lingua) : o.data);
    std::size_t primaRiga = 0;
    bool stampata = false;
    for (int n = 1; n <= totale; ++n) {
        const int quante = perPagina[static_cast<std::size_t>(n - 1)];
        if (n >= da && n <= a) {
            if (avanzamento && !avanzamento(n - da + 1, a - da + 1)) {
                e.annullato = true;
                break;
            }
            if (stampata) dispositivo.newPage();
            stampata = true;
            double y = dis.Testata(Margine);
            if (n == 1) y = dis.Titolo(y);
            y = dis.Colonne(y);
            if (righe.empty()) dis.NessunaRiga(y);
            for (int k = 0; k < quante; ++k) {
                dis.Dettaglio(righe[primaRiga + static_cast<std::size_t>(k)], y);
                y += AltDettaglio(o.tipo);
            }
            dis.Piede(data, n, totale);
            ++e.pagine;
        }
        primaRiga += static_cast<std::size_t>(quante);
    }
    p.end();
    e.testiTagliati = pg.TestiTagliati();
    e.ok = !e.annullato;
    return e;
}

EsitoStampa StampaElencoPdf(const std::string& file, const std::vector<RigaElenco>& righe, const OpzioniElenco& o,
                            const AvanzamentoStampa& avanzamento) {
    return ScriviPdf(file, o.tipo == TipoElenco::Completo, Msg(159, o.lingua),
                     [&](QPagedPaintDevice& w) { return StampaElenco(w, righe, o, avanzamento); });
}

}  // namespace nottaro
