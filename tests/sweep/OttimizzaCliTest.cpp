// nottaro-cli optimise on the sample road and path projects.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "store/TabellaDbf.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using Uscita = test::UscitaCli;

Uscita Esegui(const std::string& argomenti, const char* comando = "optimise") {
    return test::EseguiCli(std::string(comando) + " " + argomenti);
}

std::vector<std::vector<std::string>> Righe(const std::string& file) {
    TabellaDbf t;
    t.CollegaFile(file);
    std::vector<std::vector<std::string>> righe;
    if (!t.Apri(true)) return righe;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo()) {
        std::vector<std::string> r;
        for (const auto& c : t.Campi()) r.push_back(*t.Testo(c.nome));
        righe.push_back(r);
    }
    return righe;
}

TEST(OttimizzaCli, TabelleUgualiConUnoEDueThread) {
    struct Caso {
        const char* progetto;
        const char* tabella;
        const char* tipo;
    };
    for (const Caso& c : {Caso{"projects/strada.nt0", "ntrlux.dbf", "road"},
                          Caso{"projects/percorso.nt0", "ntrluxa.dbf", "path"}}) {
        SCOPED_TRACE(c.progetto);
        test::CartellaTemporanea dir;
        std::filesystem::create_directories(dir.File("uno"));
        std::filesystem::create_directories(dir.File("due"));
        const std::string base = "--project '" + test::Fixture(c.progetto) + "' --all-results --json --out '";
        const Uscita uno = Esegui(base + dir.File("uno") + "' --threads 1");
        const Uscita due = Esegui(base + dir.File("due") + "' --threads 2");
        ASSERT_EQ(uno.esito, 0) << uno.err;
        ASSERT_EQ(due.esito, 0) << due.err;
        const auto j = nlohmann::json::parse(uno.out);
        EXPECT_EQ(j["kind"], c.tipo);
        EXPECT_EQ(j["threads"], 1);
        EXPECT_EQ(nlohmann::json::parse(due.out)["threads"], 2);
        const auto righe = Righe(dir.File(std::string("uno/") + c.tabella));
        ASSERT_GT(righe.size(), 10u);
        EXPECT_EQ(j["rows"], righe.size());
        EXPECT_EQ(j["candidates"], j["candidates_expected"]);
        EXPECT_EQ(Righe(dir.File(std::string("due/") + c.tabella)), righe);
    }
}

TEST(OttimizzaCli, LimitiEInterdistanzaDelProgetto) {
    test::CartellaTemporanea dir;
    const std::string base = "--project '" + test::Fixture("projects/strada.nt0") + "' --all-results --json --out '" +
                             dir.Str() + "' ";
    struct Caso {
        const char* opzioni;
        const char* inter;  // every row's spacing
        std::size_t righe;
    };
    for (const Caso& c : {Caso{"--keep-spacing", "31.5", 1}, Caso{"--limit fixed --limit-value 30", "30", 1}}) {
        SCOPED_TRACE(c.opzioni);
        const Uscita u = Esegui(base + c.opzioni);
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto righe = Righe(dir.File("ntrlux.dbf"));
        ASSERT_EQ(righe.size(), c.righe);
        for (const auto& r : righe) EXPECT_EQ(r[3], c.inter);
    }
    // A minimum of 3 H from 8 m poles starts at 24 m and sweeps to 56 m.
    const Uscita u = Esegui(base + "--limit ratio --limit-value 3");
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto righe = Righe(dir.File("ntrlux.dbf"));
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe.front()[3], "24");
    EXPECT_EQ(nlohmann::json::parse(u.out)["candidates"], 65);
}

// An unreadable entry is skipped and named while the others run; a list of
// which nothing can be read is an error about the list, not "no solution".
TEST(OttimizzaCli, ListeConVociIlleggibili) {
    test::CartellaTemporanea dir;
    const std::string buona = test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    std::ofstream(dir.File("rumore.ldt"), std::ios::binary) << "rumore\n";
    auto lista = [&](const char* nome, const std::string& byte) {
        std::ofstream(dir.File(nome), std::ios::binary) << byte;
        return dir.File(nome);
    };
    const std::string base = "--project '" + test::Fixture("projects/strada.nt0") + "' --json --out '" + dir.Str() + "' --list ";
    const std::string mista = lista("mista.ntr", "/proc/self/mem\r" + buona + "  \r" + dir.File("rumore.ldt") + "\r");
    const Uscita u = Esegui(base + "'" + mista + "'");
    ASSERT_EQ(u.esito, 0) << u.err;
    const auto j = nlohmann::json::parse(u.out);
    EXPECT_EQ(j["skipped_files"], nlohmann::json::array({"/proc/self/mem", dir.File("rumore.ldt")}));
    EXPECT_GT(j["candidates"].get<long long>(), 0) << "the readable entry was swept";

    const std::string utf16("\xFF\xFE/\0x\0\r\0\n\0", 10);
    for (const std::string& l : {lista("vuota.ntr", ""), lista("nessuna.ntr", "/proc/self/mem\r\n" + dir.File("rumore.ldt")),
                                 lista("utf16.ntr", utf16)}) {
        SCOPED_TRACE(l);
        const Uscita v = Esegui(base + "'" + l + "'");
        EXPECT_EQ(v.esito, 1) << v.out;
        EXPECT_NE(v.err.find(l), std::string::npos) << v.err;
    }
}

TEST(OttimizzaCli, InputErratoUnaRigaEUscitaNonZero) {
    test::CartellaTemporanea dir;
    const std::string progetto = "--project '" + test::Fixture("projects/strada.nt0") + "' --out '" + dir.Str() + "' ";
    for (const std::string& a : {progetto + "--limit sometimes", progetto + "--limit min",
                                 progetto + "--class ME9", progetto + "--limit min --limit-value -2",
                                 std::string("--project '") + dir.File("manca.nt0") + "'",
                                 progetto + "--photometry '" + dir.File("manca.ldt") + "'",
                                 progetto + "--photometry x.ldt --list y.ntr"}) {
        SCOPED_TRACE(a);
        const Uscita u = Esegui(a);
        EXPECT_EQ(u.esito, 1);
        EXPECT_EQ(u.err.rfind("nottaro-cli optimise: ", 0), 0u) << u.err;
        EXPECT_EQ(u.err.find('\n'), u.err.size() - 1) << u.err;
        EXPECT_TRUE(u.out.empty());
    }
}

TEST(OttimizzaCli, ClasseScelta) {
    test::CartellaTemporanea dir;
    // The sample optic gives about 0.05 cd/m2 at 20 m: no ME class is met.
    const Uscita u = Esegui("--project '" + test::Fixture("projects/strada.nt0") + "' --class ME3a --json --out '" +
                                dir.Str() + "'");
    ASSERT_EQ(u.esito, 0) << u.err;
    EXPECT_EQ(nlohmann::json::parse(u.out)["rows"], 0);
    EXPECT_NE(u.err.find("note: "), std::string::npos);  // the four reasons of an empty run
}

TEST(OttimizzaCli, CtrlCInterrompeELasciaUnaTabellaValida) {
    test::CartellaTemporanea dir;
    // The sample road with height, overhang and tilt swept: far more than a second of work.
    {
        std::ifstream in(test::Fixture("projects/strada.nt0"), std::ios::binary);
        std::ofstream out(dir.File("lungo.nt0"), std::ios::binary);
        std::string riga;
        for (int n = 1; std::getline(in, riga); ++n) out << (n == 9 ? "0\r" : n == 10 || n == 11 ? "99\r" : riga) << "\n";
    }
    // A shell script, so $! and $pid stay the script's own.
    std::ofstream(dir.File("ctrlc.sh"))
        << test::ProgrammaCli() << " optimise --project '" << dir.File("lungo.nt0") << "' --photometry '"
        << test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt")
        << "' --class 1 --json --out '" << dir.Str() << "' > '" << dir.File("out.json") << "' 2>/dev/null &\n"
        // Ctrl+C once the run has emptied its table (the stop is heard from
        // then on), however long the program took to start.
        << "pid=$!\nfor i in $(seq 600); do [ -e '" << dir.File("ntrlux.dbf") << "' ] && break; sleep 0.1; done\n"
        << "sleep 0.5\nkill -INT $pid\nwait $pid\necho $? > '" << dir.File("stato.txt") << "'\n";
    ASSERT_EQ(std::system(("bash '" + dir.File("ctrlc.sh") + "'").c_str()), 0);
    int stato = -1;
    std::ifstream(dir.File("stato.txt")) >> stato;
    EXPECT_EQ(stato, 130);
    std::ifstream j(dir.File("out.json"));
    const auto riepilogo = nlohmann::json::parse(j);
    EXPECT_TRUE(riepilogo["interrupted"].get<bool>());
    EXPECT_LT(riepilogo["candidates"].get<long long>(), riepilogo["candidates_expected"].get<long long>());
    const auto righe = Righe(dir.File("ntrlux.dbf"));
    EXPECT_EQ(riepilogo["rows"], righe.size());
    for (std::size_t i = 0; i < righe.size(); ++i) ASSERT_EQ(righe[i][0], std::to_string(i + 1));
}

TEST(OttimizzaCli, ValutaPrendeLaClasse) {
    test::CartellaTemporanea dir;
    const std::string progetto = "--project '" + test::Fixture("projects/percorso.nt0") + "' --json ";
    const Uscita ok = Esegui(progetto + "--class CE5", "evaluate");
    ASSERT_EQ(ok.esito, 0) << ok.err;
    EXPECT_EQ(nlohmann::json::parse(ok.out)["Conforme"], false);  // Emin/Em 0.17 < 0.40
    const Uscita no = Esegui(progetto + "--class ME3a", "evaluate");
    EXPECT_EQ(no.esito, 1);
    EXPECT_NE(no.err.find("unknown path class"), std::string::npos) << no.err;
}

}  // namespace
}  // namespace nottaro
