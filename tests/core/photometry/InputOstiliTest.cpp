// Broken and hostile photometric files: each ends in one clear refusal that
// names the file and the line, leaves no intensity table to calculate with,
// and never crashes, hangs or reads without end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/CartellaTemporanea.h"
#include "support/EseguiCli.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::CartellaTemporanea;
using test::InterazioneFinta;
using test::Tra;

// A clean EULUMDAT file: Isym 0, planes 0/90/180/270 on lines 43-46, gamma
// 0/45/90 on lines 47-49, intensities on lines 50-61.
std::vector<std::string> LdtBase() {
    std::vector<std::string> r = {"Hand-made", "1", "0", "4", "90", "3", "45", "report", "Lum", "N-1", "x.ldt",
                                  "2026", "100", "50", "20", "80", "40", "0", "0", "0", "0", "90", "75", "1", "0",
                                  "1", "1", "Lamp", "1000", "3000", "80", "10"};
    for (int d = 0; d < 10; ++d) r.push_back("0.1");
    for (const char* a : {"0", "90", "180", "270", "0", "45", "90"}) r.push_back(a);
    for (int v = 1; v <= 12; ++v) r.push_back(std::to_string(100 - v));
    return r;
}

// A clean LM-63-2002 file, C planes 0 and 180: gamma on line 6, C on line 7,
// candela on lines 8-9.
std::vector<std::string> IesBase(const std::string& versione = "IESNA:LM-63-2002") {
    return {versione, "[LUMCAT] X", "TILT=NONE", "1 1000 1 3 2 1 2 0.3 0.3 0.1", "1 1 50", "0 45 90", "0 180",
            "100 80 10", "100 70 5"};
}

std::string Scrivi(const std::string& path, const std::string& testo) {
    std::ofstream(path, std::ios::binary) << testo;
    return path;
}

std::string Unisci(const std::vector<std::string>& righe, const char* fine) {
    std::string t;
    for (const auto& r : righe) t += r + fine;
    return t;
}

TEST(FileOstili, EveryBrokenFileIsRefusedAtItsLine) {
    struct Caso {
        const char* cosa;
        const char* nome;
        std::string testo;
        int riga;
        std::string messaggio;
    };
    // The clean file with one line replaced, or cut after `righe` lines.
    auto cambia = [](std::vector<std::string> r, int riga, const std::string& testo, const char* fine) {
        r[static_cast<std::size_t>(riga - 1)] = testo;
        return Unisci(r, fine);
    };
    auto taglia = [](std::vector<std::string> r, int righe, const char* fine) {
        r.resize(static_cast<std::size_t>(righe));
        return Unisci(r, fine);
    };
    auto ldt = [&](int riga, const std::string& testo) { return cambia(LdtBase(), riga, testo, "\r\n"); };
    auto ldtFinoA = [&](int righe) { return taglia(LdtBase(), righe, "\r\n"); };
    auto ies = [&](int riga, const std::string& testo, const std::string& versione = "IESNA:LM-63-2002") {
        return cambia(IesBase(versione), riga, testo, "\n");
    };
    auto iesFinoA = [&](int righe) { return taglia(IesBase(), righe, "\n"); };
    const std::string ldt24 = Msg(24);
    std::string ies2002 = Msg(1053);
    ies2002.replace(ies2002.find("%1"), 2, "IESNA:LM-63-2002");
    const Caso casi[] = {
        {"empty file", "v.ldt", "", 1, ldt24},
        {"ends inside the header", "v.ldt", ldtFinoA(10), 11, ldt24},
        {"ends inside the intensity table", "v.ldt", ldtFinoA(57), 58, ldt24},
        {"one 10 MB line", "v.ldt", std::string(10 << 20, 'x'), 2, ldt24},
        {"NUL bytes for the plane count", "v.ldt", ldt(4, std::string("\0\0", 2)), 4, ldt24},
        {"nan intensity", "v.ldt", ldt(55, "nan"), 55, ldt24},
        {"infinite C angle", "v.ldt", ldt(44, "inf"), 44, ldt24},
        {"-inf gamma angle", "v.ldt", ldt(47, "-inf"), 47, ldt24},
        {"C angles out of order", "v.ldt", ldt(45, "45"), 45, ldt24},
        {"gamma angle listed twice", "v.ldt", ldt(48, "0"), 48, ldt24},
        {"nan in the direct ratios", "v.ldt", ldt(35, "nan"), 35, ldt24},
        {"-inf gamma angle", "v.ies", ies(6, "-inf 45 90"), 6, ies2002},
        {"nan C angle", "v.ies", ies(7, "nan 180"), 7, ies2002},
        {"gamma angles out of order", "v.ies", ies(6, "0 90 45"), 6, ies2002},
        {"infinite candela", "v.ies", ies(8, "100 inf 10"), 8, ies2002},
        {"nan lumens", "v.ies", ies(4, "1 nan 1 3 2 1 2 0.3 0.3 0.1"), 4, ies2002},
        {"ends inside the candela table", "v.ies", iesFinoA(8), 9, ies2002},
        {"no TILT line", "v.ies", iesFinoA(2), 3, ies2002},
        {"1995 edition names its own message", "v.ies", ies(6, "-inf 45 90", "IESNA:LM-63-1995"), 6, Msg(394)},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(std::string(k.cosa) + " " + k.nome);
        CartellaTemporanea dir;
        const std::string p = Scrivi(dir.File(k.nome), k.testo);
        Fotometria f;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiFotometria(p, f, ui), 0);
        ASSERT_GE(ui.mostrati.size(), 1u);
        EXPECT_EQ(ui.mostrati[0].testo, std::string(k.nome) + ":" + std::to_string(k.riga) + " - " + k.messaggio);
        EXPECT_TRUE(f.Intens.Vuota());

        // The command line says so and stops with its documented statuses.
        const test::UscitaCli info = test::EseguiCli("info " + Tra(p));
        EXPECT_EQ(info.esito, 2) << info.err;
        EXPECT_NE(info.err.find(k.messaggio), std::string::npos) << info.err;
        const test::UscitaCli valuta = test::EseguiCli("evaluate --project " +
                                                       Tra(test::Fixture("projects/strada.nt0")) +
                                                       " --photometry " + Tra(p));
        EXPECT_EQ(valuta.esito, 1) << valuta.err;
        EXPECT_NE(valuta.err.find("no intensity table"), std::string::npos) << valuta.err;
    }
}

// Lines ended by a lone CR (old Macintosh files) read like CR LF and LF.
TEST(FileOstili, LineEndsCrLfLfAndCrReadAlike) {
    CartellaTemporanea dir;
    for (const char* fine : {"\r\n", "\n", "\r"}) {
        for (const char* nome : {"v.ldt", "v.ies"}) {
            SCOPED_TRACE(std::string(nome) + " ending " + std::to_string(std::string(fine).size()) + " " +
                         std::to_string(fine[0]));
            const bool eLdt = std::string(nome) == "v.ldt";
            const std::string p = Scrivi(dir.File(nome), Unisci(eLdt ? LdtBase() : IesBase(), fine));
            Fotometria f;
            InterazioneFinta ui;
            ASSERT_EQ(LeggiFotometria(p, f, ui), 0);
            EXPECT_TRUE(ui.mostrati.empty());
            EXPECT_EQ(f.NumC(), eLdt ? 4 : 2);
            EXPECT_EQ(f.NumG(), 3);
            EXPECT_EQ(f.NomeApp, eLdt ? "Lum" : "X");
            EXPECT_EQ(f.Intens.Valore(eLdt ? 4 : 2, 3), eLdt ? 88 : 5);
        }
    }
}

// An EULUMDAT file whose listed planes end at C = 360 reads like the same
// file without that plane.
TEST(FileOstili, EulumdatPlaneAt360IsDropped) {
    CartellaTemporanea dir;
    auto cerchio = LdtBase();
    cerchio[3] = "5";
    cerchio.insert(cerchio.begin() + 46, "360");
    for (const char* v : {"99", "98", "97"}) cerchio.push_back(v);  // plane 360 = plane 0
    Fotometria base, completo;
    InterazioneFinta ui1, ui2;
    ASSERT_EQ(LeggiEulumdat(dir.Scrivi("a.ldt", LdtBase()), base, ui1), 0);
    ASSERT_EQ(LeggiEulumdat(dir.Scrivi("b.ldt", cerchio), completo, ui2), 0);
    EXPECT_TRUE(ui2.mostrati.empty());
    EXPECT_EQ(completo.NumC(), 4);
    EXPECT_EQ(completo.Intens, base.Intens);
}

// A pipe, a device or a file far larger than any photometry is refused before
// it is read: no hang, no memory growing without end.
TEST(FileOstili, OnlyRegularFilesUpTo64MbAreRead) {
    CartellaTemporanea dir;
    const std::string pipe = dir.File("pipe.ldt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string pipeIes = dir.File("pipe.ies");
    ASSERT_EQ(mkfifo(pipeIes.c_str(), 0600), 0);
    const std::string grande = Scrivi(dir.File("big.ies"), "IESNA:LM-63-2002\n");
    std::filesystem::resize_file(grande, (std::uintmax_t{64} << 20) + 1);  // sparse: no disk used
    struct Caso { std::string path; int messaggio; };
    const Caso casi[] = {{pipe, 1051}, {pipeIes, 1051}, {"/dev/zero", 1051}, {grande, 1052}};
    for (const auto& k : casi) {
        SCOPED_TRACE(k.path);
        Fotometria f;
        f.Intens.Dimensiona(2, 2);
        InterazioneFinta ui;
        ASSERT_EQ(LeggiFotometria(k.path, f, ui), 0);
        ASSERT_EQ(ui.mostrati.size(), 1u);
        EXPECT_EQ(ui.mostrati[0].testo, std::filesystem::path(k.path).filename().string() + " - " + Msg(k.messaggio));
        EXPECT_TRUE(f.Intens.Vuota());
        EXPECT_EQ(EsisteFile(k.path), k.messaggio == 1052);
        const test::UscitaCli info = test::EseguiCli("info " + Tra(k.path));
        EXPECT_EQ(info.esito, k.messaggio == 1051 ? 1 : 2) << info.err;
    }
    // A medium that fails under the read (/proc/self/mem fails at offset 0,
    // as a network drive gone away would): the reader's refusal, never an
    // exception out of the reader.
    {
        Fotometria f;
        InterazioneFinta ui;
        EXPECT_EQ(LeggiFotometria("/proc/self/mem", f, ui), 0);
        ASSERT_EQ(ui.mostrati.size(), 1u);
        EXPECT_EQ(ui.mostrati[0].testo, "mem - " + Msg(2100));
        const test::UscitaCli info = test::EseguiCli("info /proc/self/mem");
        EXPECT_NE(info.esito, 0);
        EXPECT_EQ(info.err.find("underflow"), std::string::npos) << info.err;
    }
    // A project that names a device as its photometry.
    std::ifstream in(test::Fixture("projects/strada.nt0"), std::ios::binary);
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) righe.push_back(r.substr(0, r.find('\r')));
    righe.at(73) = "/dev/zero";
    const std::string progetto = dir.Scrivi("zero.nt0", righe);
    const test::UscitaCli valuta = test::EseguiCli("evaluate --project " + Tra(progetto));
    EXPECT_EQ(valuta.esito, 1) << valuta.err;
}

// Tilt angles and multipliers may wrap over any number of lines: they are
// counted by numbers, and the photometry after them reads as without them.
TEST(FileOstili, InlineTiltDataIsCountedByNumbers) {
    CartellaTemporanea dir;
    auto conTilt = IesBase();
    conTilt[2] = "TILT=INCLUDE";
    conTilt.insert(conTilt.begin() + 3, {"1", "5", "0 22.5 45", "67.5", "90 1 0.95", "0.9 0.85", "0.8"});
    Fotometria senza, con;
    InterazioneFinta ui1, ui2;
    ASSERT_EQ(LeggiIes(Scrivi(dir.File("a.ies"), Unisci(IesBase(), "\n")), senza, ui1), 0);
    ASSERT_EQ(LeggiIes(Scrivi(dir.File("b.ies"), Unisci(conTilt, "\n")), con, ui2), 0);
    EXPECT_TRUE(ui2.mostrati.empty());
    EXPECT_EQ(con.Intens, senza.Intens);
    EXPECT_EQ(con.FlussoLamp[0], 1000);
    EXPECT_EQ(con.PotLamp[0], 50);
}

}  // namespace
}  // namespace nottaro
