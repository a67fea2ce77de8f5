// The table files as other programs see them: a writer killed in the middle
// of a run, and the tables read back by shapelib's own dbfdump.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "support/CartellaTemporanea.h"
#include "RigheProva.h"
#include "core/text/Testo.h"
#include "store/TabellaDbf.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
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

TEST(TabellaDbfFile, KilledWriterLeavesEveryRowCommittedBefore) {
    CartellaTemporanea dir;
    int canale[2];
    ASSERT_EQ(::pipe(canale), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // The writer: appends until it is killed, committing every third
        // row and reporting the rows committed, as a sweep reports them.
        ::close(canale[0]);
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        if (!t.Svuota() || !t.Apri()) ::_exit(1);
        for (int n = 1;; ++n) {
            if (!t.Aggiungi(RigaN(n))) ::_exit(2);
            if (n % 3 != 0) continue;
            t.Consolida();
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

    TabellaDbf t;
    t.Collega(dir.Str(), "NTRLUX");
    ASSERT_TRUE(t.Apri(true));
    // A commit under way when the kill came may or may not be there; rows
    // appended after the last commit are not counted.
    ASSERT_GE(t.NumeroRighe(), static_cast<std::size_t>(ultimo));
    ASSERT_LE(t.NumeroRighe(), static_cast<std::size_t>(ultimo) + 3);
    ASSERT_EQ(t.NumeroRighe() % 3, 0u);
    int attesa = 1;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo(), ++attesa) {
        ASSERT_EQ(t.Numero("NUM"), attesa);
        ASSERT_EQ(t.Numero("HPALO"), attesa * 0.25);
        ASSERT_EQ(t.Numero("SBRACCIO"), -attesa * 0.5);
        ASSERT_EQ(t.Testo("FILELDT"), "riga " + std::to_string(attesa));
    }
    EXPECT_EQ(Dbfdump(dir.File("ntrlux.dbf")).size(), t.NumeroRighe());
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

}  // namespace
}  // namespace nottaro
