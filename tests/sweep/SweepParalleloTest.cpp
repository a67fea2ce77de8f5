// The multi-threaded candidate loop: rows in single-thread order for any
// thread count, the row limit, a stop request through the feedback object,
// refused rows and failures.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "core/interaction/Riscontro.h"
#include "engine/sweep/SweepParallelo.h"
#include "support/InterazioneFinta.h"

namespace nottaro {
namespace {

using test::InterazioneFinta;

struct Scritta {
    long long num;
    std::vector<double> valori;  // H, overhang, S, tilt, lamp set, the worker's figure
    bool operator==(const Scritta&) const = default;
};

// Keeps what the loop stores; refuses the row of the chosen call.
class RigheScritte : public DestinazioneRighe {
public:
    std::string Aggiungi(const RigaStrada& r) override {
        if (++chiamate == rifiuta) {
            guasta = fermaDopoRifiuto;
            return "disk full";
        }
        righe.push_back({r.NUM, {r.HPALO, r.SBRACCIO, r.INTER, r.INCLINA, r.LUMEN, r.LUMINA}});
        return {};
    }
    std::string Aggiungi(const RigaPercorso&) override { return "a road row was expected"; }
    bool Guasta() const override { return guasta; }
    std::vector<Scritta> righe;
    int chiamate = 0, rifiuta = -1;
    bool fermaDopoRifiuto = false;  // the refusal is a disk that takes nothing more
    bool guasta = false;
};

// Accepts about a third of the candidates by a rule of their values, does a
// little arithmetic so threads interleave, and can raise a stop request or
// throw at a chosen candidate.
class LavoroFinto : public LavoroSweep {
public:
    struct Condiviso {
        bool tutti = false;
        Riscontro* ferma = nullptr;
        Candidato fermaSu{-1, 0, 0, 0, 0};
        bool lanciaSu = false;
        std::atomic<long long> valutati{0};
    };
    explicit LavoroFinto(Condiviso& c) : c_(c) {}

    bool PreparaGruppo(const GruppoCandidati& g) override { return g.S != 9; }  // spacing 9 cannot be laid out
    bool Valuta(const Candidato& c, RigaTrovata& riga) override {
        c_.valutati.fetch_add(1);
        const bool bersaglio = c.lampada == c_.fermaSu.lampada && c.H == c_.fermaSu.H && c.S == c_.fermaSu.S &&
                               c.Sbraccio == c_.fermaSu.Sbraccio && c.Inclina == c_.fermaSu.Inclina;
        if (bersaglio && c_.lanciaSu) throw std::runtime_error("work failure");
        if (bersaglio && c_.ferma) c_.ferma->Annulla();
        double x = 0;
        // Uneven work, so groups finish out of order on several threads.
        const int passi = 200 + 800 * (static_cast<int>(c.S) % 4);
        for (int i = 1; i < passi; ++i) x += std::sin(c.H * i + c.S) / i;
        const long long chiave = std::llround(c.H * 10 + c.S * 7 + c.Sbraccio * 3 + c.Inclina);
        if (!c_.tutti && chiave % 3 != 0) return false;
        RigaStrada r;
        r.HPALO = c.H;
        r.SBRACCIO = c.Sbraccio;
        r.INTER = c.S;
        r.INCLINA = c.Inclina;
        r.LUMEN = c.lampada;
        r.LUMINA = x;
        riga.dati = r;
        return true;
    }

private:
    Condiviso& c_;
};

struct Piano {
    std::vector<GruppoCandidati> gruppi;
    std::vector<double> sbracci{-1, 0, 1, 2};
    std::vector<double> inclinazioni{-10, -5, 0, 5, 10};
};

Piano PianoPiccolo() {
    Piano p;
    for (int l = 0; l < 2; ++l)
        for (double H = 4; H <= 8; H += 1)
            for (double S = H; S <= 4 * H; S += 1) p.gruppi.push_back({l, H, S});
    return p;
}

struct Esito {
    std::vector<Scritta> righe;
    long long valutati = 0;
    bool interrotto = false, limite = false;
    std::string errore;
    Candidato ultimo;
};

// With fermaAlBersaglio the worker that meets cond.fermaSu asks the run to stop.
Esito Esegui(const Piano& piano, int thread, LavoroFinto::Condiviso& cond, InterazioneFinta& ui,
             long long limite = 65000, bool fermaAlBersaglio = false) {
    Esito e;
    OpzioniSweep o;
    o.thread = thread;
    o.limiteRighe = limite;
    o.fileCorrente = "prova.ldt";
    RigheScritte righe;
    Riscontro riscontro(&ui);
    if (fermaAlBersaglio) cond.ferma = &riscontro;
    MotoreSweep m(o, riscontro, righe, 0);
    m.Esegui(piano.gruppi, piano.sbracci, piano.inclinazioni,
             [&cond] { return std::make_unique<LavoroFinto>(cond); });
    m.ProgressoFinale();
    e.righe = righe.righe;
    e.valutati = m.CandidatiValutati();
    e.interrotto = m.Interrotto();
    e.limite = m.LimiteRaggiunto();
    e.errore = m.Errore();
    e.ultimo = m.UltimoCandidato();
    EXPECT_EQ(m.Righe(), static_cast<long long>(e.righe.size()));
    return e;
}

TEST(SweepParallelo, StesseRigheNelloStessoOrdinePerOgniNumeroDiThread) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso c1;
    InterazioneFinta ui1;
    const Esito uno = Esegui(piano, 1, c1, ui1);
    ASSERT_GT(uno.righe.size(), 100u);
    // Loop order: lamp set, height, spacing, overhang, tilt; NUM 1, 2, ...
    for (std::size_t i = 0; i < uno.righe.size(); ++i) EXPECT_EQ(uno.righe[i].num, static_cast<long long>(i + 1));
    for (std::size_t i = 1; i < uno.righe.size(); ++i) {
        const auto& a = uno.righe[i - 1].valori;
        const auto& b = uno.righe[i].valori;
        EXPECT_TRUE(std::make_tuple(a[4], a[0], a[2], a[1], a[3]) < std::make_tuple(b[4], b[0], b[2], b[1], b[3]));
    }
    for (const auto& r : uno.righe) EXPECT_NE(r.valori[2], 9);  // the group that could not be laid out
    EXPECT_EQ(uno.valutati, static_cast<long long>(piano.gruppi.size() * 20));
    for (int n : {2, 8}) {
        LavoroFinto::Condiviso c;
        InterazioneFinta ui;
        const Esito e = Esegui(piano, n, c, ui);
        EXPECT_EQ(e.righe, uno.righe) << n << " threads";
        EXPECT_EQ(e.valutati, uno.valutati);
        EXPECT_FALSE(e.interrotto);
    }
}

TEST(SweepParallelo, LimiteDiRigheTagliaAllaStessaRiga) {
    // 70,200 candidates, every one stored: the table takes rows 1 .. 65,000.
    Piano piano;
    for (int i = 0; i < 3510; ++i) piano.gruppi.push_back({0, 2.0 + i / 100, 10.0 + i % 100});
    LavoroFinto::Condiviso riferimento;
    riferimento.tutti = true;
    std::vector<Scritta> primo;
    for (int n : {1, 8}) {
        LavoroFinto::Condiviso c;
        c.tutti = true;
        InterazioneFinta ui;
        const Esito e = Esegui(piano, n, c, ui);
        ASSERT_EQ(e.righe.size(), 65000u) << n;
        EXPECT_TRUE(e.limite);
        EXPECT_FALSE(e.interrotto);
        EXPECT_EQ(ui.Conta("avviso"), 1);
        EXPECT_EQ(ui.ContaTesto(Msg(480)), 1);
        EXPECT_EQ(e.valutati, 65000);
        // Row 65,000 is candidate 65,000 of the loop: group 3249, last overhang and tilt.
        EXPECT_EQ(e.righe.back().valori[0], piano.gruppi[3249].H);
        EXPECT_EQ(e.righe.back().valori[2], piano.gruppi[3249].S);
        EXPECT_EQ(e.ultimo.S, piano.gruppi[3249].S);
        EXPECT_EQ(e.ultimo.Inclina, 10);
        if (primo.empty()) primo = e.righe;
        else EXPECT_EQ(e.righe, primo);
    }
}

TEST(SweepParallelo, InterruzioneLasciaLeRigheDiUnPrefissoDelCiclo) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso cTutto;
    InterazioneFinta uiTutto;
    const Esito tutto = Esegui(piano, 1, cTutto, uiTutto);
    const GruppoCandidati g = piano.gruppi[piano.gruppi.size() / 2];
    const Candidato bersaglio{g.lampada, g.H, g.S, 1, 5};
    for (int n : {1, 2, 8}) {
        SCOPED_TRACE(n);
        LavoroFinto::Condiviso c;
        c.fermaSu = bersaglio;
        InterazioneFinta ui;
        const Esito e = Esegui(piano, n, c, ui, 65000, true);
        EXPECT_TRUE(e.interrotto);
        ASSERT_LT(e.righe.size(), tutto.righe.size());
        for (std::size_t i = 0; i < e.righe.size(); ++i) ASSERT_EQ(e.righe[i], tutto.righe[i]) << i;
        // Each worker finishes at most the candidate it is on.
        EXPECT_LT(c.valutati.load(), tutto.valutati / 2 + 20 * 8 * n + n);
        if (n == 1) {
            // A single thread stops right after the candidate that asked.
            EXPECT_EQ(e.ultimo.S, bersaglio.S);
            EXPECT_EQ(e.ultimo.Sbraccio, 1);
            EXPECT_EQ(e.ultimo.Inclina, 5);
            std::size_t attese = 0;
            for (const auto& r : tutto.righe) {
                const auto& v = r.valori;
                if (std::make_tuple(v[4], v[0], v[2], v[1], v[3]) <=
                    std::make_tuple(double(g.lampada), g.H, g.S, 1.0, 5.0))
                    ++attese;
            }
            EXPECT_EQ(e.righe.size(), attese);
        }
    }
}

TEST(SweepParallelo, AppendFallitoAvvisaENonConsumaIlNumero) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso c;
    InterazioneFinta ui;
    OpzioniSweep o;
    o.thread = 2;
    o.fileCorrente = "prova.ldt";
    RigheScritte righe;
    righe.rifiuta = 3;
    Riscontro riscontro(&ui);
    MotoreSweep m(o, riscontro, righe, 0);
    m.Esegui(piano.gruppi, piano.sbracci, piano.inclinazioni, [&c] { return std::make_unique<LavoroFinto>(c); });
    m.ProgressoFinale();
    ASSERT_EQ(ui.Conta("avviso"), 1);
    EXPECT_EQ(ui.mostrati[0].testo, MessaggioCatalogo({1100, {"prova.ldt", "3", "disk full"}}).Testo());
    ASSERT_GT(righe.righe.size(), 3u);
    for (std::size_t i = 0; i < righe.righe.size(); ++i) EXPECT_EQ(righe.righe[i].num, static_cast<long long>(i + 1));
    EXPECT_EQ(m.Righe(), static_cast<long long>(righe.righe.size()));
}

TEST(SweepParallelo, AppendSuUnaTabellaCheNonScrivePiuFermaIlCicloConIlSuoErrore) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso c;
    InterazioneFinta ui;
    OpzioniSweep o;
    o.thread = 2;
    RigheScritte righe;
    righe.rifiuta = 3;
    righe.fermaDopoRifiuto = true;
    Riscontro riscontro(&ui);
    MotoreSweep m(o, riscontro, righe, 0);
    EXPECT_FALSE(
        m.Esegui(piano.gruppi, piano.sbracci, piano.inclinazioni, [&c] { return std::make_unique<LavoroFinto>(c); }));
    EXPECT_EQ(m.Errore(), "disk full");
    EXPECT_EQ(righe.chiamate, 3) << "no row is offered after the table stopped writing";
    ASSERT_EQ(righe.righe.size(), 2u);
    EXPECT_EQ(righe.righe[0].num, 1);
    EXPECT_EQ(righe.righe[1].num, 2);
    EXPECT_EQ(m.Righe(), 2);
    m.ProgressoFinale();
    EXPECT_EQ(ui.Conta("avviso"), 0);
}

TEST(SweepParallelo, GuastoDelLavoroFermaIlCiclo) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso c;
    c.lanciaSu = true;
    const GruppoCandidati g = piano.gruppi[10];
    c.fermaSu = {g.lampada, g.H, g.S, 0, 0};
    InterazioneFinta ui;
    const Esito e = Esegui(piano, 2, c, ui);
    EXPECT_EQ(e.errore, "work failure");
    EXPECT_FALSE(e.interrotto);
    for (const auto& r : e.righe) EXPECT_LE(std::make_tuple(r.valori[0], r.valori[2]), std::make_tuple(g.H, g.S));
}

TEST(SweepParallelo, ProgressoRiportaCandidatiERighe) {
    const Piano piano = PianoPiccolo();
    LavoroFinto::Condiviso c;
    InterazioneFinta ui;
    OpzioniSweep o;
    o.thread = 2;
    RigheScritte righe;
    Riscontro riscontro(&ui);
    MotoreSweep m(o, riscontro, righe, static_cast<long long>(piano.gruppi.size() * 20));
    m.Esegui(piano.gruppi, piano.sbracci, piano.inclinazioni, [&c] { return std::make_unique<LavoroFinto>(c); });
    m.ProgressoFinale();
    ASSERT_FALSE(ui.progressi.empty());
    const Avanzamento& a = ui.progressi.back();
    EXPECT_EQ(a.fatti, a.totale);
    EXPECT_EQ(a.Frazione(), 1.0);
    EXPECT_EQ(a.trovati, static_cast<long long>(righe.righe.size()));
    EXPECT_EQ(a.secondiRimasti, 0);
    for (std::size_t i = 1; i < ui.progressi.size(); ++i) EXPECT_LE(ui.progressi[i - 1].fatti, ui.progressi[i].fatti);
}

}  // namespace
}  // namespace nottaro
