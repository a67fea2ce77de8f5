// The sample workbook of data/masterplan run whole: the same table on any
// thread count and from either format, the export read back, every solution
// recomputed as the run found it, revisions that leave nothing stale.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>

#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/VerificaDati.h"
#include "masterplan/valutazioni/EdizioneMP.h"
#include "masterplan/valutazioni/ValutaSoluzione.h"
#include "masterplan/workbook/EsportaLista.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro::mp {
namespace {

OpzioniMP Opzioni() {
    OpzioniMP o;
    o.DirLdtMaster = nottaro::test::Sorgente("data/masterplan/ldt");
    return o;
}

RisultatoMP Esegui(const std::string& nome, int thread, const OpzioniMP& o = Opzioni()) {
    Cartella c;
    std::string errore;
    EXPECT_TRUE(LeggiCartella(nottaro::test::Sorgente("data/masterplan/" + nome), c, errore)) << errore;
    const MappaColonne m = MappaColonneMP(c.Fogli.at(0));
    EXPECT_TRUE(m.Mancanti.empty());
    const EsitoVerifica v = VerificaDati(c.Fogli[0], m, c.FormatoXls, 1);
    EXPECT_EQ(v.Fine, FineVerifica::SoloNonRiconosciute);
    return CalcolaMasterplan(c.Fogli[0], m, v.Corretti, o, thread);
}

std::vector<CelleRiga> Celle(const RisultatoMP& r) {
    std::vector<CelleRiga> c;
    for (const auto& x : r.Righe) c.push_back(x.Celle);
    return c;
}

const RigaTabellaMP& Riga(const RisultatoMP& r, const std::string& id) {
    for (const auto& x : r.Righe)
        if (x.Celle[TIdentificativo] == id) return x;
    ADD_FAILURE() << id;
    return r.Righe.front();
}

TEST(CalcolaMasterplan, SameTableOnAnyThreadCountAndFromEitherFormat) {
    const auto base = Celle(Esegui("esempio.xlsx", 1));
    ASSERT_EQ(base.size(), 20u);
    for (auto [nome, thread] : {std::pair{"esempio.xlsx", 2}, std::pair{"esempio.xlsx", 8}, std::pair{"esempio.xls", 1},
                                std::pair{"esempio.xls", 8}})
        EXPECT_EQ(Celle(Esegui(nome, thread)), base) << nome << " " << thread;
}

TEST(CalcolaMasterplan, NotesResultWordsAndTheEndMessage) {
    const RisultatoMP r = Esegui("esempio.xlsx", 2);
    const std::map<std::string, std::string> note = {
        {"PRJ-001", "MIN+MAX"}, {"PRJ-010", "ESATTO"},       {"PRJ-018", "Dati mancanti"},
        {"PRJ-019", "LDT mancante"}, {"PRJ-020", "0 Risultati"}, {"PRJ-015", "MIN+MAX"}};
    for (const auto& [id, n] : note) EXPECT_EQ(Riga(r, id).Celle[TNote], n) << id;
    for (const auto& x : r.Righe) EXPECT_NE(x.Celle[TApplicazione], "mercato");
    // A given spacing shows solution 1 only.
    const auto& esatto = Riga(r, "PRJ-010");
    EXPECT_EQ(esatto.Celle[TSol1 + SInt], "20");
    for (int c = TSol2; c < TSol2 + 9; ++c) EXPECT_EQ(esatto.Celle[c], "") << c;
    // The unreadable file is named on its row.
    const auto& rotto = Riga(r, "PRJ-020").Esito.Avvisi;
    ASSERT_FALSE(rotto.empty());
    EXPECT_NE(rotto.back().find("ROTTO 50W LED.ldt"), std::string::npos);
    int daVerificare = 0;
    for (const auto& x : r.Righe) {
        if (x.DaVerificare) {
            ++daVerificare;
            continue;
        }
        // Every shown solution meets its class band with the wing cut.
        const auto& d = *x.Dati;
        for (int k = 0; k < 2; ++k) {
            const SoluzioneMP& s = x.Esito.Sol[k];
            if (d.Req.Tipo == TipoRiga::Strada) {
                EXPECT_GE(s.Livello, d.Req.LmMin * 1.07) << x.Celle[TIdentificativo];
                EXPECT_LE(s.Livello, d.Req.LmMin * 2.5) << x.Celle[TIdentificativo];
                EXPECT_LE(s.TI, d.Req.TiMax) << x.Celle[TIdentificativo];
            } else {
                EXPECT_GE(s.Livello, d.Req.EmMin * 1.07) << x.Celle[TIdentificativo];
                EXPECT_LE(s.Livello, d.Req.EmMin * 3) << x.Celle[TIdentificativo];
            }
        }
        EXPECT_LE(x.Esito.Sol[0].Spaziatura, x.Esito.Sol[1].Spaziatura);
    }
    EXPECT_EQ(r.DaVerificare, daVerificare);
    EXPECT_EQ(r.TestoFine, "There are " + std::to_string(daVerificare) + "/20 rows with data to check before going on.");
}

// Asks to stop at the first progress report, as Ctrl-C or "Interrompi" would.
// Stops the run once a few rows are done, from the progress it is handed.
class Fermata : public nottaro::test::InterazioneFinta {
public:
    Riscontro* riscontro = nullptr;
    void Progresso(const Avanzamento& a) override {
        InterazioneFinta::Progresso(a);
        if (a.fatti >= 3) riscontro->Annulla();
    }
};

TEST(CalcolaMasterplan, AStopKeepsTheFinishedRowsInOrder) {
    const auto tutte = Celle(Esegui("esempio.xlsx", 1));
    Cartella c;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(nottaro::test::Sorgente("data/masterplan/esempio.xlsx"), c, errore));
    const MappaColonne m = MappaColonneMP(c.Fogli[0]);
    const EsitoVerifica v = VerificaDati(c.Fogli[0], m, false, 1);
    Fermata ui;
    Riscontro riscontro(&ui);
    ui.riscontro = &riscontro;
    const RisultatoMP r = CalcolaMasterplan(c.Fogli[0], m, v.Corretti, Opzioni(), 2, riscontro);
    EXPECT_TRUE(r.Interrotto);
    ASSERT_GE(r.Righe.size(), 3u);
    ASSERT_LT(r.Righe.size(), tutte.size());
    for (std::size_t k = 0; k < r.Righe.size(); ++k) EXPECT_EQ(r.Righe[k].Celle, tutte[k]) << k;
    ASSERT_FALSE(ui.progressi.empty());
    EXPECT_EQ(ui.progressi[0].totale, 20);
}

TEST(EsportaLista, ReadBackGivesTheTableAndReplacesOnlyWhole) {
    nottaro::test::CartellaTemporanea dir;
    const auto celle = Celle(Esegui("esempio.xlsx", 2));
    const std::string p = PercorsoElenco(dir.File("progetto.xlsm"));
    EXPECT_EQ(p, dir.File("progetto-xlsm-Elenco_Progetti.xlsx"));
    std::string errore;
    ASSERT_TRUE(EsportaLista(celle, p, errore)) << errore;
    ASSERT_TRUE(EsportaLista(celle, p, errore)) << errore;  // over an earlier export
    Cartella c;
    ASSERT_TRUE(LeggiCartella(p, c, errore)) << errore;
    ASSERT_EQ(c.Fogli.size(), 1u);
    EXPECT_EQ(c.Fogli[0].Nome, "Elenco progetti");
    for (int k = 0; k < NumColonneTabella; ++k) EXPECT_EQ(c.Fogli[0].Testo(1, k + 1), IntestazioniTabella()[k]);
    for (std::size_t r = 0; r < celle.size(); ++r)
        for (int k = 0; k < NumColonneTabella; ++k)
            EXPECT_EQ(c.Fogli[0].Testo(static_cast<int>(r) + 2, k + 1), celle[r][k]) << r << " " << k;
    std::size_t file = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Str())) ++file;
    EXPECT_EQ(file, 1u);  // no temporary file left
    EXPECT_FALSE(EsportaLista(celle, dir.File("manca/elenco.xlsx"), errore));
    EXPECT_NE(errore.find("manca/elenco.xlsx"), std::string::npos);
}

// A text longer than a cell holds is cut at a character boundary and the
// cell named; the rest of the table is written as usual.
TEST(EsportaLista, TextBeyondACellsCapacityIsCutWithTheCellNamed) {
    nottaro::test::CartellaTemporanea dir;
    CelleRiga riga{};
    riga[2] = std::string(32766, 'a') + "\xC3\xA8" + "coda";  // "è" across the limit
    riga[3] = "breve";
    std::string errore;
    std::vector<std::string> avvisi;
    ASSERT_TRUE(EsportaLista({riga}, dir.File("e.xlsx"), errore, &avvisi)) << errore;
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_EQ(avvisi[0].rfind("C2: ", 0), 0u) << avvisi[0];
    Cartella c;
    ASSERT_TRUE(LeggiCartella(dir.File("e.xlsx"), c, errore)) << errore;
    EXPECT_EQ(c.Fogli[0].Testo(2, 3), std::string(32766, 'a'));
    EXPECT_EQ(c.Fogli[0].Testo(2, 4), "breve");
}

TEST(ValutaSoluzione, GivesTheFiguresOfTheRun) {
    const OpzioniMP o = Opzioni();
    const RisultatoMP r = Esegui("esempio.xlsx", 2, o);
    int confronti = 0;
    for (const auto& x : r.Righe) {
        if (x.DaVerificare) continue;
        for (int k = 0; k < 2; ++k) {
            const SoluzioneMP& s = x.Esito.Sol[k];
            const DettaglioSoluzioneMP d = ValutaSoluzione(*x.Dati, o, s);
            ASSERT_TRUE(d.ok) << x.Celle[TIdentificativo];
            const std::string id = x.Celle[TIdentificativo] + " " + std::to_string(k);
            switch (d.Tipo) {
            case TipoRiga::Strada:
                EXPECT_EQ(d.Strada.SolLm, s.Livello) << id;
                EXPECT_EQ(d.Strada.SolUo, s.Uniformita) << id;
                EXPECT_EQ(d.Strada.SolUl, s.Terzo) << id;
                EXPECT_EQ(d.TI, s.TI) << id;
                EXPECT_EQ(d.REI, s.REI) << id;
                for (int l = 0; l < 2; ++l) {
                    EXPECT_EQ(d.Strisce[l].Presente, s.Strisce[l].Presente) << id;
                    EXPECT_EQ(d.Strisce[l].Em, s.Strisce[l].Em) << id;
                    EXPECT_EQ(d.Strisce[l].Emin, s.Strisce[l].Emin) << id;
                }
                break;
            case TipoRiga::Area:
                EXPECT_NEAR(d.Percorso.risultato.Stat.EmCalc, s.Livello, 1e-12 * s.Livello) << id;
                EXPECT_NEAR(d.Percorso.risultato.Stat.EminCalc, s.Terzo, 1e-12 * s.Livello) << id;
                EXPECT_NEAR(d.TI, s.TI, 1e-9 * std::abs(s.TI)) << id;
                break;
            case TipoRiga::Rotatoria:
                EXPECT_EQ(d.StatAnello.EmCalc, s.Livello) << id;
                EXPECT_EQ(d.StatAnello.EminCalc, s.Terzo) << id;
                break;
            }
            ++confronti;
        }
    }
    EXPECT_GT(confronti, 20);
}

// Under the 2015 edition every solution kept meets its 2015 class, edge
// ratio included; in either edition each one carries Dp and De.
TEST(CalcolaMasterplan, The2015EditionJudgesByItsOwnTables) {
    OpzioniMP o = Opzioni();
    const RisultatoMP prima = Esegui("esempio.xlsx", 2, o);
    o.EdizioneEN = 1;
    const RisultatoMP r = Esegui("esempio.xlsx", 2, o);
    int strade = 0;
    for (const RisultatoMP* run : {&prima, &r})
        for (const auto& x : run->Righe) {
            if (x.DaVerificare || !x.Dati) continue;
            const bool rotatoria = x.Dati->Req.Tipo == TipoRiga::Rotatoria;
            EXPECT_EQ(x.Celle[TDp1].empty(), rotatoria) << x.Celle[TIdentificativo];
            EXPECT_EQ(x.Celle[TDe1].empty(), rotatoria) << x.Celle[TIdentificativo];
            if (run != &r || x.Dati->Req.Tipo != TipoRiga::Strada) continue;
            double eirMin = 0;
            const RequisitiMP req = RequisitiEdizioneMP(*x.Dati, o, eirMin);
            ASSERT_GT(eirMin, 0) << x.Celle[TIdentificativo];
            for (const SoluzioneMP& s : x.Esito.Sol) {
                if (!s.Presente) continue;
                const std::string id = x.Celle[TIdentificativo];
                EXPECT_GE(s.Livello, req.LmMin) << id;
                EXPECT_GE(s.Uniformita * 100, req.UoMin) << id;
                EXPECT_GE(s.Terzo * 100, req.UlMin) << id;
                EXPECT_LE(s.TI, req.TiMax) << id;
                EXPECT_GE(s.REI, eirMin) << id;
                EXPECT_GT(s.Dp, 0) << id;
                ++strade;
            }
        }
    EXPECT_GT(strade, 0);
    EXPECT_NE(Celle(r), Celle(prima));
}

TEST(RicalcolaRighe, ARevisedRowKeepsNothingStale) {
    const OpzioniMP o = Opzioni();
    RisultatoMP r = Esegui("esempio.xlsx", 2, o);
    const auto prima = Celle(r);
    ASSERT_EQ(r.Righe[0].Celle[TNote], "MIN+MAX");
    ASSERT_NE(r.Righe[0].Celle[TLR17], "foto001");  // the remark stands in its place
    r.Righe[0].Celle[TCorpo] = "NESSUNO";
    RicalcolaRighe(r, 1, o);
    const auto& c = r.Righe[0].Celle;
    EXPECT_EQ(c[TNote], "LDT mancante");
    EXPECT_EQ(c[TLR17], "foto001");
    for (int k = 18; k < NumColonneTabella; ++k) {
        if (k != TIdentificativo && k != TDescrizione && k != TTipoSx && k != TSx && k != TTipoDx && k != TDx) {
            EXPECT_EQ(c[k], "") << k;
        }
    }
    EXPECT_EQ(c[TTipoSx], "P1");  // as the table showed it
    for (std::size_t k = 1; k < prima.size(); ++k) EXPECT_EQ(r.Righe[k].Celle, prima[k]) << k;
    EXPECT_EQ(r.DaVerificare, 8);
    // Back to the luminaire with a given spacing: solution 1 only.
    r.Righe[0].Celle[TCorpo] = "STRADA";
    r.Righe[0].Celle[TIntProgetto] = "10";
    RicalcolaRighe(r, 0, o);
    EXPECT_EQ(r.Righe[0].Celle[TNote], "ESATTO");
    EXPECT_EQ(r.Righe[0].Celle[TSol1 + SInt], "10");
    EXPECT_EQ(r.Righe[0].Celle[TSol2 + SInt], "");
}

}  // namespace
}  // namespace nottaro::mp
