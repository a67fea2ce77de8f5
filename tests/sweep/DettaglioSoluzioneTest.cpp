// Detailed recomputation of a stored road or path row, the path sweep's
// thread independence, and the row's photometry found in a luminaire list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/Inizializza.h"
#include "engine/area/DettaglioA.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/comune/ClassiEdizione2015.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/RicalcolaSoluzione.h"
#include "store/soluzioni/RigaAperta.h"
#include "store/soluzioni/RigaDbf.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

const char* const NomeStrada = "eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt";

StatoProgetto StatoStrada() {
    StatoProgetto s;
    Inizializza(s);
    test::InterazioneFinta ui;
    EXPECT_EQ(LeggiFotometria(test::Fixture(std::string("photometry/") + NomeStrada), s.Foto, ui), 0);
    s.DispPali = 2;
    s.GrigliaEN = 1;
    s.NPtiCorsia = 3;
    s.InterMaxGriglia = 30;
    s.NPtiCorsia2 = 3;
    s.LmMin = 0.05;
    s.UoMin = 40;
    s.UlMin = 50;
    s.CodClasse = "m4";
    s.HPalo = 8;
    s.Sbraccio = 0.5;
    s.Inclina = 5;
    s.StepInt = 2;
    s.TuttiRisultati = true;
    return s;
}

void Esegui(StatoProgetto& s, TabellaDbf& t, const std::string& dir, const char* nome, int thread = 2,
            bool piana = false) {
    t.Collega(dir, nome);
    ASSERT_TRUE(t.Svuota());
    ASSERT_TRUE(t.Apri());
    test::InterazioneFinta ui;
    OpzioniOttimizza o;
    o.thread = thread;
    o.valutazionePiana = piana;
    const bool strada = std::string(nome) == "NTRLUX";
    const TipoImpianto tipo = strada ? TipoImpianto::Strada : TipoImpianto::Percorso;
    RigheInTabella righe(t, tipo);
    Riscontro riscontro(&ui);
    const RichiestaCalcolo richiesta = RichiestaDaStato(s, tipo, o);
    const RisultatoSweep r =
        strada ? OttimizzaStrada(richiesta, righe, riscontro) : OttimizzaArea(richiesta, righe, riscontro);
    ASSERT_TRUE(r.errore.Vuoto()) << r.errore.Testo();
    ASSERT_GT(r.NRisultati, 3);
}

TEST(RicalcolaSoluzione, RiottieneLeCifreDellaRigaELeLasciaNelloStato) {
    StatoProgetto s = StatoStrada();
    test::CartellaTemporanea dir;
    TabellaDbf t;
    Esegui(s, t, dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.VaiA(3));
    StatoProgetto dopo = s;
    dopo.HPalo = 0;
    dopo.Interdist = 0;
    test::InterazioneFinta ui;
    const SoluzioneStrada sol = RicalcolaSoluzione(t, dopo, ui);
    ASSERT_TRUE(sol.ok);
    ASSERT_TRUE(sol.errore.empty()) << sol.errore;
    EXPECT_NEAR(sol.SolLm, *t.Numero("LUMINA"), 1e-8);
    EXPECT_NEAR(sol.SolUo, *t.Numero("UNIFG"), 1e-8);
    EXPECT_NEAR(sol.SolUl, *t.Numero("UNIFL"), 1e-8);
    EXPECT_NEAR(sol.TICalc, *t.Numero("TI"), 1e-8);
    EXPECT_EQ(dopo.HPalo, 8);
    EXPECT_EQ(dopo.Interdist, *t.Numero("INTER"));
    EXPECT_EQ(dopo.Sbraccio, 0.5);
    EXPECT_EQ(dopo.Inclina, 5);
    EXPECT_EQ(dopo.SolLumen, *t.Testo("LUMEN"));
    EXPECT_EQ(dopo.CatNomeFile, NomeStrada);
    ASSERT_TRUE(sol.FattUtil);
    EXPECT_GT(*sol.FattUtil, 0);
    EXPECT_LT(*sol.FattUtil, 1);
    EXPECT_GT(sol.stat.EmCalc, 0);
    EXPECT_TRUE(ui.mostrati.empty());
}

TEST(RicalcolaSoluzione, FileDellaListaTrovatoPerNomeSenzaMaiuscole) {
    test::CartellaTemporanea dir;
    namespace fs = std::filesystem;
    fs::create_directories(dir.File("strada.ldt.d"));
    // A decoy whose path contains the row's file name; the real file in capitals.
    fs::copy_file(test::Fixture("photometry/eulumdat-plot_sample_01_isym3.ldt"), dir.File("strada.ldt.d/altro.ldt"));
    fs::copy_file(test::Fixture(std::string("photometry/") + NomeStrada), dir.File("STRADA.LDT"));
    std::ofstream(dir.File("lista.ntr")) << dir.File("strada.ldt.d/altro.ldt") << "\r\n" << dir.File("STRADA.LDT") << "\r\n";

    StatoProgetto s = StatoStrada();
    s.FileLista = dir.File("lista.ntr");
    TabellaDbf t;
    Esegui(s, t, dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.VaiA(0));
    EXPECT_EQ(*t.Testo("FILELDT"), "altro.ldt");  // the list's order
    while (!t.Fine() && *t.Testo("FILELDT") != "STRADA.LDT") t.Prossimo();
    ASSERT_FALSE(t.Fine());

    RigaScelta r;
    ASSERT_TRUE(LeggiRigaScelta(t, r));
    r.CatNomeFile = "strada.ldt";
    StatoProgetto dopo = s;
    dopo.Foto = Fotometria{};
    test::InterazioneFinta ui;
    ASSERT_TRUE(CaricaFotometriaRiga(dopo, r, ui));
    EXPECT_EQ(dopo.FileFoto, dir.File("STRADA.LDT"));
    EXPECT_EQ(dopo.Foto.NumC(), s.Foto.NumC());

    r.CatNomeFile = "manca.ldt";
    EXPECT_FALSE(CaricaFotometriaRiga(dopo, r, ui));
    ASSERT_EQ(ui.Conta("informazione"), 1);
    EXPECT_EQ(ui.mostrati.back().testo, Msg(140));

    // The whole recomputation stops at message 140 too.
    test::InterazioneFinta ui2;
    dopo.FileLista = dir.File("manca.ntr");
    EXPECT_FALSE(RicalcolaSoluzione(t, dopo, ui2).ok);
    EXPECT_EQ(ui2.ContaTesto(Msg(140)), 1);
}

TEST(RicalcolaSoluzione, LampadaDellaRigaPerFlusso) {
    Fotometria f;
    f.NumLampade = 3;
    f.FlussoLamp[0] = 1000;
    f.FlussoLamp[1] = 2000.4;
    f.FlussoLamp[2] = 3000;
    f.LampSel = 1;
    EXPECT_EQ(LampadaPerFlusso(f, 3000), 2);
    EXPECT_EQ(LampadaPerFlusso(f, 2000.4), 1);
    EXPECT_EQ(LampadaPerFlusso(f, 1000), 0);
    EXPECT_EQ(LampadaPerFlusso(f, 2500), 1);  // none: the selected set
    f.FlussoLamp[5] = 2500;                   // beyond NumLampade: not a lamp set
    EXPECT_EQ(LampadaPerFlusso(f, 2500), 1);
}

StatoProgetto StatoPercorso() {
    StatoProgetto s;
    test::InterazioneFinta ui;
    const EsitoCaricaProgetto e = CaricaProgetto(test::Fixture("projects/percorso.nt0"), s, ui);
    EXPECT_TRUE(e.avviaCalcolo);
    s.TipoLimite = 0;
    s.ValLimite = 0;
    s.DaProgetto = false;
    s.Inclina = InclinaVariabile;
    s.InclinaA = InclinaVariabile;
    s.TuttiRisultati = true;
    return s;
}

TEST(OttimizzaArea, TabellaIndipendenteDalNumeroDiThread) {
    StatoProgetto s = StatoPercorso();
    test::CartellaTemporanea dir;
    std::vector<std::vector<std::string>> primo;
    // 1, 2 and 8 threads, then the plain illuminance transcription on 2.
    for (int n : {1, 2, 8, -2}) {
        TabellaDbf t;
        Esegui(s, t, dir.Str(), "NTRLUXA", n < 0 ? -n : n, n < 0);
        std::vector<std::vector<std::string>> righe;
        for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
            std::vector<std::string> r;
            for (const auto& c : t.Campi()) r.push_back(*t.Testo(c.nome));
            righe.push_back(r);
        }
        if (primo.empty()) primo = righe;
        else EXPECT_EQ(righe, primo) << n << " threads" << (n < 0 ? ", plain evaluation" : "");
    }
    EXPECT_GT(primo.size(), 100u);
}

TEST(OttimizzaArea, RigheConformiEDettaglio) {
    StatoProgetto s = StatoPercorso();
    s.TuttiRisultati = false;
    test::CartellaTemporanea dir;
    TabellaDbf t;
    Esegui(s, t, dir.Str(), "NTRLUXA");
    for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
        EXPECT_GE(*t.Numero("EM"), s.EmMin - 1e-8);
        EXPECT_LE(*t.Numero("EM"), s.EmMin * (1 + s.ErrEm / 100) + 1e-8);
        EXPECT_GE(*t.Numero("EMIN"), s.EminMin - 1e-8);
        EXPECT_EQ(*t.Testo("CORPO"), s.Foto.NomeApp.substr(0, 80));
    }
    ASSERT_TRUE(t.VaiA(t.NumeroRighe() - 1));
    StatoProgetto dopo = s;
    test::InterazioneFinta ui;
    const DettaglioPercorso d = DettaglioA(t, dopo, ui);
    ASSERT_TRUE(d.ok);
    ASSERT_TRUE(d.risultato.Valido());
    EXPECT_NEAR(d.risultato.Stat.EmCalc, *t.Numero("EM"), 1e-8);
    EXPECT_NEAR(d.risultato.Stat.EminCalc, *t.Numero("EMIN"), 1e-8);
    EXPECT_TRUE(d.risultato.Conforme);
    EXPECT_EQ(dopo.HPaloA, *t.Numero("HPALO"));
    EXPECT_EQ(dopo.InclinaA, *t.Numero("INCLINA"));
    EXPECT_EQ(dopo.TipoProgetto, 1);
    EXPECT_EQ(s.Foto.FlussoLamp[static_cast<std::size_t>(d.LampCalc)], *t.Numero("LUMEN"));
}

// Under the 2015 edition a path list class is judged by its P row (P1 asks
// Emin 3.0 lx where S1 asked 5): the compliant rows are the every-result rows
// that meet it within the accepted excess of Em.
TEST(OttimizzaArea, Edizione2015GiudicaConLaClasseP) {
    StatoProgetto s = StatoPercorso();
    s.EdizioneEN = Edizione2015;
    auto righe = [](const StatoProgetto& st) {
        test::InterazioneFinta ui;
        Riscontro riscontro(&ui);
        RigheInMemoria m;
        OpzioniOttimizza o;
        o.thread = 2;
        EXPECT_TRUE(OttimizzaArea(RichiestaDaStato(st, TipoImpianto::Percorso, o), m, riscontro).errore.Vuoto());
        return m.percorso;
    };
    const std::vector<RigaPercorso> tutte = righe(s);
    int provate = 0;
    for (const char* classe : {"P1 o S1", "P2 o S2", "P3 o S3", "P4 o S4", "P5 o S5", "P6 o S6"}) {
        const ClasseE2015& c = *ClasseE2015DaLista(classe);
        std::vector<std::vector<ValoreCampo>> attese, ottenute;
        for (const RigaPercorso& r : tutte)
            if (TuttiSoddisfatti(GiudicaPercorso2015(c, r.EM, r.EMIN)) && r.EM <= c.EmMin * (1 + s.ErrEm / 100))
                attese.push_back(ValoriDbf(r));
        if (attese.empty()) continue;
        ++provate;
        StatoProgetto conformi = s;
        conformi.ClasseA = classe;
        conformi.TuttiRisultati = false;
        for (const RigaPercorso& r : righe(conformi)) {
            ottenute.push_back(ValoriDbf(r));
            EXPECT_GT(r.DP, 0);
        }
        // NUM counts the stored rows: compare without it.
        for (auto* v : {&attese, &ottenute})
            for (auto& r : *v) r.erase(r.begin());
        EXPECT_EQ(ottenute, attese) << classe;
    }
    EXPECT_GT(provate, 0);
}

}  // namespace
}  // namespace nottaro
