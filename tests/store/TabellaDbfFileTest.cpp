// The table files as other programs see them: a writer killed in the middle
// of a run, a disk that fills up, headers that do not match the file, and
// the tables read back by shapelib's own dbfdump.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "support/CartellaTemporanea.h"
#include "RigheProva.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "store/TabellaDbf.h"
#include "support/DiscoPiccolo.h"
#include "support/EseguiCli.h"
#include "support/LeggiFile.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::ConDiscoPiccolo;
using test::RigaSoluzione;

// Row n of the killed-writer run: every figure derived from n.
std::vector<ValoreCampo> RigaN(int n) {
    return RigaSoluzione(LayoutNTRLUX(), n, n * 0.25, -n * 0.5, n * 10.0, "riga " + std::to_string(n));
}

std::string Esegui(const std::string& comando, int& esito) {
    std::string out;
    FILE* p = ::popen(comando.c_str(), "r");
    if (!p) {
        esito = -1;
        return out;
    }
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    esito = ::pclose(p);
    return out;
}

// Records of `dbfdump -m`: one map of field name to raw value per record.
std::vector<std::map<std::string, std::string>> Dbfdump(const std::string& file) {
    int esito = 0;
    std::istringstream in(Esegui("dbfdump -m '" + file + "'", esito));
    EXPECT_EQ(esito, 0) << "dbfdump refused " << file;
    std::vector<std::map<std::string, std::string>> record;
    std::string riga;
    while (std::getline(in, riga)) {
        if (riga.rfind("Record:", 0) == 0) {
            record.emplace_back();
            continue;
        }
        const auto dp = riga.find(':');
        if (dp == std::string::npos || record.empty()) continue;
        std::string valore = riga.substr(dp + 1);
        if (!valore.empty() && valore[0] == ' ') valore.erase(0, 1);
        record.back()[riga.substr(0, dp)] = valore;
    }
    return record;
}

// A writer killed while it appends, after reporting rows as a sweep reports
// its progress: rows written one write each, or gathered and handed over
// before each report.
void ScrittoreUcciso(bool raccolte) {
    CartellaTemporanea dir;
    int canale[2];
    ASSERT_EQ(::pipe(canale), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // The writer: appends until it is killed, reporting every third row.
        // The header's count follows the rows only now and then.
        ::close(canale[0]);
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        if (!t.Svuota() || !t.Apri()) ::_exit(1);
        t.RaccogliRighe(raccolte);
        for (int n = 1;; ++n) {
            if (!t.Aggiungi(RigaN(n))) ::_exit(2);
            if (n % 3 != 0) continue;
            if (raccolte && !t.Consegna()) ::_exit(4);
            if (::write(canale[1], &n, sizeof n) != sizeof n) ::_exit(3);
        }
    }
    ::close(canale[1]);
    int n = 0, ultimo = 0;
    while (::read(canale[0], &n, sizeof n) == sizeof n) {
        ultimo = n;
        if (n >= 500) break;
    }
    ::kill(figlio, SIGKILL);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    while (::read(canale[0], &n, sizeof n) == sizeof n) ultimo = n;
    ::close(canale[0]);
    ASSERT_TRUE(WIFSIGNALED(stato)) << "the writer stopped by itself";
    ASSERT_GE(ultimo, 500);

    // Left as the kill left it, the file is a valid table whose header counts
    // at most the rows it holds.
    const std::string file = dir.File("ntrlux.dbf");
    const std::size_t contateDalWriter = Dbfdump(file).size();

    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri(true));
    // Every reported row is there, and every row appended whole after it,
    // whether the header counted it yet or not.
    ASSERT_GE(t.NumeroRighe(), static_cast<std::size_t>(ultimo));
    ASSERT_GE(t.NumeroRighe(), contateDalWriter);
    int attesa = 1;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo(), ++attesa) {
        ASSERT_EQ(t.Numero("NUM"), attesa);
        ASSERT_EQ(t.Numero("HPALO"), attesa * 0.25);
        ASSERT_EQ(t.Numero("SBRACCIO"), -attesa * 0.5);
        ASSERT_EQ(t.Testo("FILELDT"), "riga " + std::to_string(attesa));
    }
    // Saving the results read that way copies a header that counts them all;
    // opening the table for writing sets its own header right.
    ASSERT_TRUE(t.CopiaFile(dir.File("copia.dbf")));
    EXPECT_EQ(Dbfdump(dir.File("copia.dbf")).size(), t.NumeroRighe());
    const std::size_t righe = t.NumeroRighe();
    ASSERT_TRUE(t.Apri());
    EXPECT_EQ(Dbfdump(file).size(), righe);
}

TEST(TabellaDbfFile, KilledWriterLeavesEveryRowItReported) {
    for (bool raccolte : {false, true}) {
        SCOPED_TRACE(raccolte ? "rows gathered, handed over before each report" : "one write per row");
        ASSERT_NO_FATAL_FAILURE(ScrittoreUcciso(raccolte));
    }
}

TEST(TabellaDbfFile, DbfdumpReadsWhatWasWritten) {
    CartellaTemporanea dir;
    struct Tabella {
        const char* nome;
        const char* file;
        std::vector<std::vector<ValoreCampo>> righe;
    };
    std::vector<ValoreCampo> catalogo(LayoutLightlist().size(), std::string("SI"));
    catalogo[1] = std::string("Arredo Urbano in Stile");
    catalogo[5] = std::string("Lanterna città ° 70W");
    for (std::size_t i = 0; i < LayoutLightlist().size(); ++i)
        if (LayoutLightlist()[i].tipo == TipoCampo::Numero) catalogo[i] = i == 31 ? 70.0 : -32768.0;
    const Tabella tabelle[] = {
        {"NTRLUX", "ntrlux.dbf", {RigaSoluzione(LayoutNTRLUX(), 1, 8, -3.5, -999999999.5, "SAP 70W"),
                                  RigaSoluzione(LayoutNTRLUX(), 2, 20, 3.5, 1234567.12345678, "Città €")}},
        {"NTRLUXA", "ntrluxa.dbf", {RigaSoluzione(LayoutNTRLUXA(), 65000, 2.5, 0, 0.00000001, "LED")}},
        {"lightlist", "lightlist.dbf", {catalogo}},
    };
    for (const auto& tab : tabelle) {
        SCOPED_TRACE(tab.nome);
        TabellaDbf t;
        t.Collega(dir.Str(), tab.nome);
        ASSERT_TRUE(t.Crea());
        ASSERT_TRUE(t.Apri());
        for (const auto& r : tab.righe) ASSERT_TRUE(t.Aggiungi(r));
        t.Chiudi();

        const auto record = Dbfdump(dir.File(tab.file));
        ASSERT_EQ(record.size(), tab.righe.size());
        const Layout& layout = *LayoutPerTabella(tab.nome);
        for (std::size_t r = 0; r < record.size(); ++r) {
            for (std::size_t i = 0; i < layout.size(); ++i) {
                const auto it = record[r].find(layout[i].nome);
                ASSERT_NE(it, record[r].end()) << layout[i].nome;
                if (layout[i].tipo == TipoCampo::Numero) {
                    EXPECT_NEAR(std::strtod(it->second.c_str(), nullptr), std::get<double>(tab.righe[r][i]), 0.5e-8)
                        << layout[i].nome << " = " << it->second;
                } else {
                    // dbfdump prints the stored Windows-1252 bytes with the padding.
                    EXPECT_EQ(Trim(it->second), Utf8InCp1252(std::get<std::string>(tab.righe[r][i])))
                        << layout[i].nome;
                }
            }
        }
    }
}

// Writes the header's record count (bytes 4-7, little-endian) of a closed table.
void ScriviConteggio(const std::string& file, std::uint32_t n) {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(4);
    for (int i = 0; i < 4; ++i) f.put(static_cast<char>((n >> (8 * i)) & 0xFF));
}

// A fresh NTRLUX table of `righe` rows numbered from 1.
void ScriviRighe(const CartellaTemporanea& dir, int righe) {
    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Crea());
    ASSERT_TRUE(t.Apri());
    for (int n = 1; n <= righe; ++n) ASSERT_TRUE(t.Aggiungi(RigaN(n)));
}

// Header length and record length of a closed table.
std::pair<std::uintmax_t, std::uintmax_t> Misure(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    unsigned char b[12] = {};
    f.read(reinterpret_cast<char*>(b), sizeof b);
    return {b[8] + 256u * b[9], b[10] + 256u * b[11]};
}

// Overwrites the records from `primo` (0-based) to the end of a closed table
// with zero bytes: a file the system grew but never filled before a crash.
void AzzeraRecord(const std::string& file, int primo) {
    const auto [intestazione, record] = Misure(file);
    const auto da = intestazione + static_cast<std::uintmax_t>(primo) * record;
    const auto fine = std::filesystem::file_size(file);
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(da));
    for (auto k = da; k < fine; ++k) f.put('\0');
}

TEST(TabellaDbfFile, TheWholeRowsOfTheFileAreShownWhateverTheHeaderCounts) {
    struct Caso {
        const char* nome;
        std::uint32_t conteggio;  // written into the header
        double recordNelFile;     // the file cut after this many records (-1: left whole)
        int azzeraDa;             // records from this one on zero-filled (-1: none)
        std::size_t righe;        // rows shown
        const char* avviso;       // part of the warning ("" for none)
    };
    const Caso casi[] = {
        {"whole", 5, -1, -1, 5, ""},
        {"a header that lies", 0x7FFFFFFF, -1, -1, 5, "2147483642 rows are missing"},
        {"a count with its top bit set", 0x80000000u, -1, -1, 5, "2147483643 rows are missing"},
        {"cut inside the fourth row", 5, 3.5, -1, 3, "the file holds 3 whole rows; 2 rows are missing"},
        {"cut after the header", 5, 0, -1, 0, "5 rows are missing"},
        // A writer that died between two updates of the count.
        {"a count not yet brought up to date", 3, -1, -1, 5, ""},
        {"a count behind and the last row torn", 2, 4.6, -1, 4, ""},
        {"a count of none and rows after it", 0, -1, -1, 5, ""},
        {"a count behind and rows never filled", 2, -1, 4, 4, ""},
    };
    CartellaTemporanea dir;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string file = dir.File("ntrlux.dbf");
        ASSERT_NO_FATAL_FAILURE(ScriviRighe(dir, 5));
        ScriviConteggio(file, c.conteggio);
        if (c.azzeraDa >= 0) AzzeraRecord(file, c.azzeraDa);
        if (c.recordNelFile >= 0) {
            const auto [intestazione, record] = Misure(file);
            std::filesystem::resize_file(
                file, intestazione + static_cast<std::uintmax_t>(c.recordNelFile * static_cast<double>(record)));
        }
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        const auto e = t.Apri(true);
        ASSERT_TRUE(e) << e.errore;
        EXPECT_EQ(t.NumeroRighe(), c.righe);
        EXPECT_EQ(t.NumeroRecord(), c.righe);
        if (*c.avviso) {
            EXPECT_NE(e.avviso.find(c.avviso), std::string::npos) << e.avviso;
            EXPECT_NE(e.avviso.find("ntrlux.dbf"), std::string::npos) << e.avviso;
        } else {
            EXPECT_EQ(e.avviso, "");
        }
        for (std::size_t i = 0; i < t.NumeroRighe(); ++i) EXPECT_EQ(t.NumeroRiga(i, "NUM"), static_cast<double>(i + 1));

        // Written again, the table goes on right after its last whole row
        // and its header is true once more.
        t.Chiudi();
        ASSERT_TRUE(t.Apri());
        ASSERT_TRUE(t.Aggiungi(RigaN(99)));
        t.Chiudi();
        const auto riaperta = t.Apri(true);
        EXPECT_EQ(riaperta.avviso, "");
        ASSERT_EQ(t.NumeroRighe(), c.righe + 1);
        EXPECT_EQ(t.NumeroRiga(c.righe, "NUM"), 99.0);
        EXPECT_EQ(Dbfdump(file).size(), c.righe + 1);
    }
}

// Header and record lengths that disagree with the field descriptors would
// make the reader take every field a few bytes off, or no field at all.
TEST(TabellaDbfFile, HeaderLengthsThatDisagreeWithTheFieldsAreRefusedNamingTheFile) {
    struct Caso {
        const char* nome;
        std::size_t posizione;  // 8: header length, 10: record length
        int delta;              // added to the length written there
        unsigned assoluto;      // or this value instead (0: use delta)
        const char* motivo;
    };
    const Caso casi[] = {
        {"header one byte long", 8, 1, 0, "header length"},
        {"header that holds no field", 8, 0, 32, "header length"},
        {"record longer than its fields", 10, 1, 0, "record length"},
        {"record shorter than its fields", 10, -1, 0, "record length"},
    };
    CartellaTemporanea dir;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string file = dir.File("ntrlux.dbf");
        ASSERT_NO_FATAL_FAILURE(ScriviRighe(dir, 3));
        const auto [intestazione, record] = Misure(file);
        const unsigned attuale = static_cast<unsigned>(c.posizione == 8 ? intestazione : record);
        const unsigned nuovo = c.assoluto ? c.assoluto : static_cast<unsigned>(static_cast<int>(attuale) + c.delta);
        {
            std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
            f.seekp(static_cast<std::streamoff>(c.posizione));
            f.put(static_cast<char>(nuovo & 0xFF));
            f.put(static_cast<char>(nuovo >> 8));
        }
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        const auto e = t.Apri(true);
        EXPECT_FALSE(e);
        EXPECT_NE(e.errore.find("ntrlux.dbf"), std::string::npos) << e.errore;
        EXPECT_NE(e.errore.find(c.motivo), std::string::npos) << e.errore;
        EXPECT_EQ(t.NumeroRighe(), 0u);
    }
}

// The reason a table is refused reaches the user in the language the program
// shows, naming the file; the warning of a table read in part too.
TEST(TabellaDbfFile, RefusalsAndWarningsSpeakTheLanguageShown) {
    CartellaTemporanea dir;
    const std::string corta = dir.File("corta.dbf");
    std::ofstream(corta) << "abc";
    ASSERT_NO_FATAL_FAILURE(ScriviRighe(dir, 3));
    const std::string tagliata = dir.File("ntrlux.dbf");
    std::filesystem::resize_file(tagliata, std::filesystem::file_size(tagliata) - 10);
    std::set<std::string> rifiuti, avvisi;
    for (int lingua = 0; lingua < NumLingue; ++lingua) {
        ImpostaLinguaCatalogo(lingua);
        TabellaDbf t;
        t.CollegaFile(corta, nullptr);
        const auto e = t.Apri(true);
        EXPECT_FALSE(e);
        EXPECT_NE(e.errore.find(corta), std::string::npos) << e.errore;
        rifiuti.insert(e.errore);
        t.Collega(dir.Str(), "NTRLUX");
        const auto a = t.Apri(true);
        EXPECT_TRUE(a) << a.errore;
        EXPECT_NE(a.avviso.find("ntrlux.dbf"), std::string::npos) << a.avviso;
        avvisi.insert(a.avviso);
    }
    ImpostaLinguaCatalogo(1);
    EXPECT_EQ(rifiuti.size(), static_cast<std::size_t>(NumLingue));
    EXPECT_EQ(avvisi.size(), static_cast<std::size_t>(NumLingue));
}

TEST(TabellaDbfFile, TheTableCommandPrintsTheWholeRowsOfALyingTableAfterOneWarning) {
    CartellaTemporanea dir;
    {
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Crea());
        ASSERT_TRUE(t.Apri());
        for (int n = 1; n <= 3; ++n) ASSERT_TRUE(t.Aggiungi(RigaN(n)));
    }
    ScriviConteggio(dir.File("ntrlux.dbf"), 0x7FFFFFFF);
    const auto u = test::EseguiCli("table --count " + test::Tra(dir.File("ntrlux.dbf")));
    EXPECT_EQ(u.esito, 2);
    EXPECT_EQ(u.out, "3\n");
    EXPECT_EQ(std::count(u.err.begin(), u.err.end(), '\n'), 1) << u.err;
    EXPECT_NE(u.err.find("2147483644 rows are missing"), std::string::npos) << u.err;
}

TEST(TabellaDbfFile, AFullDiskStopsTheAppendsAndLeavesAValidTableOfTheRowsWritten) {
    CartellaTemporanea dir;
    const std::string piccolo = dir.File("piccolo");
    std::filesystem::create_directory(piccolo);
    // The writer runs inside the small file system and leaves what the test
    // checks outside it: its report and a copy of the table.
    const int esito = ConDiscoPiccolo(piccolo, [&] {
        TabellaDbf t;
        t.Collega(piccolo, "NTRLUX");
        if (!t.Svuota() || !t.Apri()) return 1;
        std::ofstream rapporto(dir.File("rapporto.txt"));
        for (int n = 1; n <= 1000; ++n) {
            const auto e = t.Aggiungi(RigaN(n));
            if (e) continue;
            const auto ancora = t.Aggiungi(RigaN(n + 1));
            rapporto << n - 1 << "\n" << e.scritturaFallita << ancora.scritturaFallita << t.ScritturaFallita() << "\n"
                     << e.errore << "\n";
            break;
        }
        // Saving the results copies what the disk holds.
        return t.CopiaFile(dir.File("copia.dbf")) ? 0 : 2;
    });
    if (esito == 77) GTEST_SKIP() << "no small file system can be mounted here (needs root and mount namespaces)";
    ASSERT_EQ(esito, 0);

    std::istringstream rapporto(test::LeggiFile(dir.File("rapporto.txt")));
    int scritte = -1;
    std::string segni, errore;
    rapporto >> scritte >> segni;
    rapporto.ignore();
    std::getline(rapporto, errore);
    ASSERT_GT(scritte, 0) << "the disk did not fill up";
    EXPECT_EQ(segni, "111") << "the failed append, the next one and the table all report the refused bytes";
    EXPECT_NE(errore.find("Cannot write row " + std::to_string(scritte + 1)), std::string::npos) << errore;
    EXPECT_NE(errore.find("the disk is full"), std::string::npos) << errore;
    EXPECT_NE(errore.find("keeps the " + std::to_string(scritte) + " rows"), std::string::npos) << errore;

    // The header counts exactly the rows that reached the file, and the
    // file holds them all.
    TabellaDbf t;
    t.CollegaFile(dir.File("copia.dbf"));
    const auto e = t.Apri(true);
    ASSERT_TRUE(e) << e.errore;
    EXPECT_EQ(e.avviso, "");
    ASSERT_EQ(t.NumeroRighe(), static_cast<std::size_t>(scritte));
    for (int n = 1; n <= scritte; ++n) EXPECT_EQ(t.NumeroRiga(static_cast<std::size_t>(n - 1), "NUM"), n);
    EXPECT_EQ(Dbfdump(dir.File("copia.dbf")).size(), static_cast<std::size_t>(scritte));
}

TEST(TabellaDbfFile, ASweepOnAFullDiskEndsWithAMessageAFailureAndAValidTable) {
    CartellaTemporanea dir;
    const std::string piccolo = dir.File("piccolo");
    std::filesystem::create_directory(piccolo);
    const int esito = ConDiscoPiccolo(piccolo, [&] {
        const std::string comando = test::ProgrammaCli() + " optimise --project " +
                                    test::Tra(test::Fixture("projects/strada.nt0")) + " --all-results --out " +
                                    test::Tra(piccolo) + " >/dev/null 2>" + test::Tra(dir.File("err.txt"));
        const int s = std::system(comando.c_str());
        std::ofstream(dir.File("esito.txt")) << (WIFEXITED(s) ? WEXITSTATUS(s) : -1);
        std::error_code ec;
        std::filesystem::copy_file(piccolo + "/ntrlux.dbf", dir.File("copia.dbf"), ec);
        return ec ? 2 : 0;
    });
    if (esito == 77) GTEST_SKIP() << "no small file system can be mounted here (needs root and mount namespaces)";
    ASSERT_EQ(esito, 0);
    EXPECT_EQ(test::LeggiFile(dir.File("esito.txt")), "1");
    const std::string err = test::LeggiFile(dir.File("err.txt"));
    EXPECT_NE(err.find("the disk is full"), std::string::npos) << err;
    EXPECT_NE(err.find("rows written before it"), std::string::npos) << err;

    TabellaDbf t;
    t.CollegaFile(dir.File("copia.dbf"));
    const auto e = t.Apri(true);
    ASSERT_TRUE(e) << e.errore;
    EXPECT_EQ(e.avviso, "");
    EXPECT_GT(t.NumeroRighe(), 0u);
    EXPECT_NE(err.find("keeps the " + std::to_string(t.NumeroRighe()) + " rows"), std::string::npos) << err;
    for (std::size_t i = 0; i < t.NumeroRighe(); ++i) EXPECT_EQ(t.NumeroRiga(i, "NUM"), static_cast<double>(i + 1));
}

}  // namespace
}  // namespace nottaro
