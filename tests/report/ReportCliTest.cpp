// `nottaro-cli report`: the pages of a road and a path report in Italian and
// English, their figures against `evaluate`'s, page counts, the letterhead
// lines, unreadable pictures and refused command lines.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "SupportoPdf.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "report/LetteraIntestata.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using test::Contiene;
using test::Tra;

std::string Progetto(const std::string& nome) { return test::Fixture("projects/" + nome); }

std::string Cifra(double v, int n) { return FormatoGenerale(Arrotonda(v, n)); }
std::string E(double v) { return Cifra(v, v < 10 ? 2 : v <= 20 ? 1 : 0); }

nlohmann::json Valuta(const std::string& progetto) {
    const test::UscitaCli u = test::EseguiCli("evaluate --json --project " + Tra(progetto));
    return nlohmann::json::parse(u.out);
}

// A copy of strada.nt0 in `dir` with its photometry by absolute path and
// the two pictures given (lines 68 and 69).
std::string StradaCon(const test::CartellaTemporanea& dir, const std::string& foto, const std::string& fotoApp,
                      const std::string& descrizione = "") {
    std::ifstream in(Progetto("strada.nt0"), std::ios::binary);
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) {
        if (!r.empty() && r.back() == '\r') r.pop_back();
        righe.push_back(r);
    }
    if (!descrizione.empty()) righe[66] = descrizione;
    righe[67] = foto;
    righe[68] = fotoApp;
    righe[73] = test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt");
    return dir.Scrivi("strada.nt0", righe);
}

// strada.nt0 whose photometric file is no longer there.
std::string StradaSenzaFotometria(const test::CartellaTemporanea& dir) {
    const std::string p = StradaCon(dir, "", "");
    std::ifstream in(p, std::ios::binary);
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) righe.push_back(r.substr(0, r.find('\r')));
    righe[73] = dir.File("tolta.ldt");
    return dir.Scrivi("senza-fotometria.nt0", righe);
}

TEST(ReportCli, RoadReportInItalianAndEnglishPrintsEvaluateFigures) {
    const nlohmann::json v = Valuta(Progetto("strada.nt0"));
    const double Lm = v["Lm"], Uo = v["Uo"], Ul = v["Ul"], TI = v["TI"];
    struct Lingua {
        const char* codice;
        const char* progettoN;
        const char* caratteristiche;
        const char* risultati;
        const char* luminanze;
        const char* illuminamenti;
        const char* pagina;
        const char* metri;
    } lingue[] = {
        {"it", "Progetto N°", "Caratteristiche e Geometria Impianto:", "Risultati illuminotecnici:",
         "Distribuzione Luminanze", "Distribuzione Illuminamenti", "Pagina", "metri"},
        {"en", "Project No.", "Installation characteristics and geometry:", "Lighting results:",
         "Luminance Distribution", "Illuminance Distribution", "Page", "metres"},
    };
    for (const Lingua& l : lingue) {
        test::CartellaTemporanea dir;
        const std::string pdf = dir.File("strada.pdf");
        const test::UscitaCli u =
            test::CliIn(dir.Str(), "report --project " + Tra(Progetto("strada.nt0")) + " --lang " + l.codice + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        ASSERT_EQ(test::PaginePdf(pdf), 6) << l.codice;  // presentation, data, verification, two lane observers, illuminance
        EXPECT_TRUE(Contiene(test::TestoPdf(pdf, 1), l.progettoN));
        const std::string dati = test::TestoPdf(pdf, 2);
        EXPECT_TRUE(Contiene(dati, l.caratteristiche)) << l.codice;
        EXPECT_TRUE(Contiene(dati, l.risultati)) << l.codice;
        EXPECT_TRUE(Contiene(dati, std::string("7.5 ") + l.metri)) << dati;
        EXPECT_TRUE(Contiene(dati, Cifra(Lm, 2) + " cd/m2")) << dati;
        // Uniformities as ratios, as the class states them.
        EXPECT_TRUE(Contiene(dati, Cifra(Uo, 2))) << dati;
        EXPECT_TRUE(Contiene(dati, Cifra(Ul, 2))) << dati;
        EXPECT_FALSE(Contiene(dati, Cifra(Uo * 100, 1) + "%")) << dati;
        EXPECT_TRUE(Contiene(dati, Cifra(TI, 0) + "%")) << dati;
        EXPECT_TRUE(Contiene(test::TestoPdf(pdf, 4), l.luminanze));
        EXPECT_TRUE(Contiene(test::TestoPdf(pdf, 5), std::string(l.pagina) + " 5"));
        const std::string illum = test::TestoPdf(pdf, 6);
        EXPECT_TRUE(Contiene(illum, l.illuminamenti));
        EXPECT_TRUE(Contiene(illum, "Emed= " + E(v["EmCalc"]) + " lux")) << illum;
    }
}

TEST(ReportCli, PathReportPrintsItsIlluminanceOnThe3mBand) {
    const nlohmann::json v = Valuta(Progetto("percorso.nt0"));
    struct Lingua {
        const char *codice, *progettoN, *risultati, *illuminamenti, *pagina;
    } lingue[] = {
        {"it", "Progetto N°", "Risultati illuminotecnici:", "Distribuzione Illuminamenti", "Pagina 4 di 4"},
        {"en", "Project No.", "Lighting results:", "Illuminance Distribution", "Page 4 of 4"},
    };
    for (const Lingua& l : lingue) {
        test::CartellaTemporanea dir;
        const std::string pdf = dir.File("percorso.pdf");
        const test::UscitaCli u = test::CliIn(
            dir.Str(), "report --project " + Tra(Progetto("percorso.nt0")) + " --lang " + l.codice + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        ASSERT_EQ(test::PaginePdf(pdf), 4);  // no luminance page on a path
        EXPECT_TRUE(Contiene(test::TestoPdf(pdf, 1), l.progettoN));
        const std::string dati = test::TestoPdf(pdf, 2);
        EXPECT_TRUE(Contiene(dati, l.risultati));
        EXPECT_TRUE(Contiene(dati, "P2 / S2 — EN 13201-2")) << dati;
        EXPECT_TRUE(Contiene(dati, E(v["EmCalc"]) + " lx"));
        EXPECT_TRUE(Contiene(dati, E(v["EminCalc"]) + " lx"));
        EXPECT_TRUE(Contiene(dati, E(v["EmaxCalc"]) + " lx"));
        const std::string piano = test::TestoPdf(pdf, 4);
        EXPECT_TRUE(Contiene(piano, l.illuminamenti));
        EXPECT_TRUE(Contiene(piano, l.pagina));
        EXPECT_TRUE(Contiene(piano, "Emin/Emed= " + Cifra(double(v["EminCalc"]) / double(v["EmCalc"]), 2)));
        // The ruler across is the path's 3 m, not the road width of the
        // project, labelled at the points: 0.5, 1.5, 2.5 m.
        EXPECT_TRUE(Contiene(piano, "2.5"));
        EXPECT_FALSE(Contiene(piano, "7.5"));
        // Every point value of the grid is printed.
        for (const auto& riga : v["Illum"])
            for (double e : riga) EXPECT_TRUE(Contiene(piano, E(e))) << e;
    }
}

TEST(ReportCli, PageCountsFollowObserversAndSections) {
    struct Caso {
        const char* progetto;
        const char* opzioni;
        int pagine;
    } casi[] = {
        {"ies.nt0", "", 5},                                   // one UNI observer
        {"strada.nt0", "--sections illuminance", 1},          // detail mode, one section
        {"strada.nt0", "--sections data,luminance", 4},       // data with its verification
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea dir;
        const std::string pdf = dir.File("r.pdf");
        const test::UscitaCli u = test::CliIn(
            dir.Str(), std::string("report --lang it --project ") + Tra(Progetto(c.progetto)) + " " + c.opzioni + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << c.progetto << " " << c.opzioni << u.err;
        EXPECT_EQ(test::PaginePdf(pdf), c.pagine) << c.progetto << " " << c.opzioni;
        if (c.pagine == 1) {
            EXPECT_TRUE(Contiene(test::TestoPdf(pdf, 1), "Pagina 1 di 1"));
        }
    }
}

TEST(ReportCli, LetterheadLinesAndDefaultsFromTheWorkingFolder) {
    struct Caso {
        const char *loc, *ind2, *tel, *fax, *riga6, *riga7;
    } casi[] = {
        {"Forlì", "Piano 2", "0543 1", "0543 2", "Forlì - Piano 2", "Tel.0543 1 - Fax.0543 2"},
        {"Forlì", "", "", "0543 2", "Forlì", "Fax.0543 2"},
        {"", "Piano 2", "0543 1", "", "Piano 2", "Tel.0543 1"},
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea dir;
        std::filesystem::create_directories(dir.File("Intestazioni"));
        Intestazione i;
        i.Societa = "Studio Luce";
        i.Localita = c.loc, i.Indirizzo2 = c.ind2, i.Telefono = c.tel, i.Fax = c.fax;
        ASSERT_EQ(ScriviLP(dir.File("Intestazioni/custom.LP"), i, ""), "");
        dir.Scrivi("ntr.cfg", {"1"});  // English unless --lang says otherwise
        const std::string pdf = dir.File("r.pdf");
        const test::UscitaCli u = test::CliIn(
            dir.Str(), "report --sections illuminance --project " + Tra(Progetto("strada.nt0")) + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        const std::string t = test::TestoPdf(pdf, 1);
        EXPECT_TRUE(Contiene(t, c.riga6)) << t;
        EXPECT_TRUE(Contiene(t, c.riga7)) << t;
        EXPECT_EQ(Contiene(t, "Tel."), *c.tel != 0);
        EXPECT_TRUE(Contiene(t, "Page 1"));
        EXPECT_TRUE(Contiene(t, "Studio Luce"));
    }
}

TEST(ReportCli, UnreadablePicturesLeaveEmptyBoxesAndOneWarning) {
    test::CartellaTemporanea dir;
    const std::string progetto = StradaCon(dir, dir.File("manca-impianto.jpg"), dir.File("rotta.png"));
    std::ofstream(dir.File("rotta.png")) << "not a picture";
    Intestazione i;
    i.Societa = "Studio";
    ASSERT_EQ(ScriviLP(dir.File("studio.LP"), i, "manca-logo.png"), "");
    const std::string pdf = dir.File("r.pdf");
    const test::UscitaCli u = test::CliIn(dir.Str(), "report --lang it --project " + Tra(progetto) + " --letterhead " +
                                                         Tra(dir.File("studio.LP")) + " --out " + Tra(pdf));
    ASSERT_EQ(u.esito, 0) << u.err;
    EXPECT_EQ(test::PaginePdf(pdf), 6);
    for (const char* f : {"manca-impianto.jpg", "rotta.png", "manca-logo.png"}) EXPECT_TRUE(Contiene(u.err, f)) << u.err;
    // One warning naming the three files, not one per page.
    std::size_t volte = 0;
    for (auto p = u.err.find("rotta.png"); p != std::string::npos; p = u.err.find("rotta.png", p + 1)) ++volte;
    EXPECT_EQ(volte, 1u) << u.err;
}

TEST(ReportCli, DescriptionTooLongForItsBoxIsCutAndNamed) {
    test::CartellaTemporanea dir;
    // 470 characters over six lines (line breaks kept as "\n" in the file):
    // the standard data page holds five at the smallest readable size.
    std::string descr;
    for (int k = 1; k <= 6; ++k) descr += (k > 1 ? "\\n" : "") + std::string("riga ") + std::to_string(k) + " " + std::string(68, 'x');
    const std::string pdf = dir.File("r.pdf");
    const test::UscitaCli u = test::CliIn(dir.Str(), "report --lang it --standard --sections data --project " +
                                                         Tra(StradaCon(dir, "", "", descr)) + " --out " + Tra(pdf));
    ASSERT_EQ(u.esito, 0) << u.err;
    const std::string t = test::TestoPdf(pdf, 1);
    const auto riepilogo = t.find("RIEPILOGO");
    ASSERT_NE(riepilogo, std::string::npos);
    for (int k = 1; k <= 5; ++k) {
        const auto p = t.find("riga " + std::to_string(k));
        ASSERT_NE(p, std::string::npos) << k << t;
        EXPECT_LT(p, riepilogo) << k;
    }
    EXPECT_FALSE(Contiene(t, "riga 6")) << t;
    EXPECT_TRUE(Contiene(t, "x …")) << t;
    // One warning naming the field, on stderr.
    EXPECT_TRUE(Contiene(u.err, "tagliati")) << u.err;
    EXPECT_TRUE(Contiene(u.err, "Descrizione Progetto Illuminotecnico")) << u.err;
    // Nothing smaller than 8 pt: a line of the description is as tall as 8 pt text.
    for (const auto& w : test::ParolePdf(pdf, 1))
        if (w.testo == "riga") {
            EXPECT_GE(w.y1 - w.y0, 8 * 25.4 / 72 * 0.95) << w.y1 - w.y0;
        }
}

// Numbered words to `n` characters, so every part of a text can be found.
std::string Parole(const std::string& radice, std::size_t n) {
    std::string t;
    for (int k = 1; t.size() < n; ++k) t += (t.empty() ? "" : " ") + radice + std::to_string(k);
    return t.substr(0, n);
}

TEST(ReportCli, LongTitleSiteCompanyAndDescriptionArePrintedWholeInBothStyles) {
    test::CartellaTemporanea dir;
    const std::string titolo = Parole("titolo", 120), luogo = Parole("luogo", 108), societa = Parole("ditta", 80);
    const std::string descrizione[] = {Parole("prima", 100), Parole("seconda", 100), Parole("terza", 100)};
    std::vector<std::string> righe;
    {
        std::ifstream in(StradaCon(dir, "", "", descrizione[0] + "\\n" + descrizione[1] + "\\n" + descrizione[2]),
                         std::ios::binary);
        for (std::string r; std::getline(in, r);) righe.push_back(r.substr(0, r.find('\r')));
    }
    righe[63] = titolo;
    righe[64] = luogo;
    const std::string progetto = dir.Scrivi("lunghi.nt0", righe);
    Intestazione i;
    i.Societa = societa;
    ASSERT_EQ(ScriviLP(dir.File("lunga.LP"), i, ""), "");
    for (const char* stile : {"", " --standard"}) {
        const std::string pdf = dir.File("r.pdf");
        const test::UscitaCli u = test::CliIn(dir.Str(), "report --lang it --sections presentation,data --project " +
                                                             Tra(progetto) + " --letterhead " + Tra(dir.File("lunga.LP")) +
                                                             stile + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        // None of these is cut (the standard style's narrow luminaire column
        // may still cut the long photometric file name, which the
        // verification page prints whole).
        for (const char* campo : {"Titolo Progetto", "Ubicazione impianto", "Descrizione", "Intestazione"})
            EXPECT_FALSE(Contiene(u.err, campo)) << u.err;
        const std::string t = test::TestoPdf(pdf, 1), dati = test::TestoPdf(pdf, 2);
        // Every word on its page: wrapped, not run off its edge or cut. The
        // standard style prints the description on the data page.
        for (const std::string* testo : {&titolo, &luogo, &societa, &descrizione[0], &descrizione[1], &descrizione[2]}) {
            const bool suiDati = *stile && testo >= &descrizione[0] && testo <= &descrizione[2];
            std::istringstream parole(*testo);
            for (std::string w; parole >> w;)
                EXPECT_TRUE(Contiene(suiDati ? dati : t, w)) << stile << " " << w << "\n" << (suiDati ? dati : t);
        }
    }
}

TEST(ReportCli, BadCommandLinesWriteNothing) {
    test::CartellaTemporanea dir;
    const std::string pdf = dir.File("r.pdf");
    const std::string p = " --project " + Tra(Progetto("strada.nt0")) + " --out " + Tra(pdf);
    const std::string casi[] = {
        "report --lang xx" + p,
        "report --sections all" + p,
        "report --project " + Tra(dir.File("manca.nt0")) + " --out " + Tra(pdf),
        "report --letterhead " + Tra(dir.File("manca.LP")) + p,
        "report --set HPalo=500" + p,
        // A path has no luminance pages: asked for by name, they are refused, not dropped.
        "report --sections luminance --project " + Tra(Progetto("percorso.nt0")) + " --out " + Tra(pdf),
        "report --sections data,luminance --project " + Tra(Progetto("percorso.nt0")) + " --out " + Tra(pdf),
        // The project's photometric file is gone.
        "report --project " + Tra(StradaSenzaFotometria(dir)) + " --out " + Tra(pdf),
    };
    for (const std::string& c : casi) {
        const test::UscitaCli u = test::CliIn(dir.Str(), c);
        EXPECT_EQ(u.esito, 1) << c << u.err;
        EXPECT_FALSE(std::filesystem::exists(pdf)) << c;
    }
    // A folder that does not exist: the message names the file.
    const std::string altrove = dir.File("manca/r.pdf");
    const test::UscitaCli u = test::CliIn(dir.Str(), "report --project " + Tra(Progetto("strada.nt0")) + " --out " + Tra(altrove));
    EXPECT_EQ(u.esito, 1);
    EXPECT_TRUE(Contiene(u.err, altrove)) << u.err;
}

}  // namespace
}  // namespace nottaro
