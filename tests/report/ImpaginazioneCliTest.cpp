// How the report's pages are laid out, read back from the PDF: the first
// page moves up when there is no letterhead, reports over four pages list
// their sections with the right page numbers on page 1, and the plans carry
// labelled iso-lines with their legend.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "SupportoPdf.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using test::Contiene;
using test::Tra;

std::string Progetto(const std::string& nome) { return test::Fixture("projects/" + nome); }

// Top (mm) of the first word `parola` on the page; -1 when absent.
double Alto(const std::vector<test::ParolaPdf>& parole, const std::string& parola) {
    for (const auto& p : parole)
        if (p.testo == parola) return p.y0;
    return -1;
}

TEST(ImpaginazioneReport, FirstPageMovesUpWithoutLetterheadInBothStyles) {
    // No installation photograph in strada.nt0: the title block follows the
    // class verdict with no room kept for one.
    struct Caso {
        const char* stile;
        bool intestazione;
        const char* primaParola;  // the first block of the page
        double altoMin, altoMax;   // mm
    } casi[] = {
        {"", true, "Progetto", 40, 50},
        {"", false, "Progetto", 15, 25},
        {" --standard", true, "Titolo", 53, 63},
        {" --standard", false, "Titolo", 15, 25},
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea dir;
        const std::string pdf = dir.File("r.pdf");
        const std::string intest = c.intestazione ? " --letterhead " + Tra(test::Fixture("report/studio.LP")) : "";
        const test::UscitaCli u = test::CliIn(dir.Str(), std::string("report --lang it --project ") +
                                                             Tra(Progetto("strada.nt0")) + intest + c.stile +
                                                             " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto parole = test::ParolePdf(pdf, 1);
        const double alto = Alto(parole, c.primaParola);
        EXPECT_GE(alto, c.altoMin) << c.stile << " " << c.intestazione;
        EXPECT_LE(alto, c.altoMax) << c.stile << " " << c.intestazione;
        EXPECT_EQ(Contiene(test::TestoPdf(pdf, 1), "Studio Luce"), c.intestazione);
        // Class verdict, then the title block (plain) or the contents (standard) right under it.
        const double classe = Alto(parole, "Classe");
        const double seguito = Alto(parole, *c.stile ? "Indice" : "Titolo");
        ASSERT_GT(classe, 0);
        EXPECT_GT(seguito, classe) << c.stile;
        EXPECT_LT(seguito - classe, 20) << c.stile << " " << c.intestazione;
    }
}

TEST(ImpaginazioneReport, ReportsOverFourPagesListTheirSectionsWithTheirPages) {
    struct Lingua {
        const char* codice;
        const char* indice;
        std::vector<std::pair<std::string, std::string>> voci;  // contents line, a text of that page
    } lingue[] = {
        {"it", "Indice",
         {{"Presentazione", "Progetto N°"},
          {"Dati Impianto e Risultati Illuminotecnici", "Caratteristiche e Geometria Impianto:"},
          {"Verifica della classe", "VERIFICA DELLA CLASSE"},
          {"Distribuzione Luminanze - Osservatore 1", "Osservatore 1"},
          {"Distribuzione Luminanze - Osservatore 2", "Osservatore 2"},
          {"Distribuzione Illuminamenti", "Emin/Emed"}}},
        {"en", "Contents",
         {{"Presentation", "Project No."},
          {"Installation Data and Lighting Results", "Installation characteristics and geometry:"},
          {"Class verification", "CLASS VERIFICATION"},
          {"Luminance Distribution - Observer 1", "Observer 1"},
          {"Luminance Distribution - Observer 2", "Observer 2"},
          {"Illuminance Distribution", "Emin/Emed"}}},
    };
    for (const Lingua& l : lingue)
        for (const char* stile : {"", " --standard"}) {
            test::CartellaTemporanea dir;
            const std::string pdf = dir.File("r.pdf");
            const test::UscitaCli u = test::CliIn(dir.Str(), std::string("report --lang ") + l.codice + stile +
                                                                 " --project " + Tra(Progetto("strada.nt0")) +
                                                                 " --out " + Tra(pdf));
            ASSERT_EQ(u.esito, 0) << u.err;
            ASSERT_EQ(test::PaginePdf(pdf), 6);
            const std::string prima = test::TestoPdf(pdf, 1);
            EXPECT_TRUE(Contiene(prima, l.indice)) << prima;
            for (std::size_t k = 0; k < l.voci.size(); ++k) {
                const int pagina = static_cast<int>(k) + 1;
                // "title . . . . n" on page 1, and page n is that section.
                const std::regex riga(std::regex_replace(l.voci[k].first, std::regex(R"([.*+?()\[\]])"), R"(\$&)") +
                                      R"(\s+(\. )*\.?\s*)" + std::to_string(pagina) + R"((\s|$))");
                EXPECT_TRUE(std::regex_search(prima, riga)) << l.codice << stile << " " << l.voci[k].first << "\n" << prima;
                EXPECT_TRUE(Contiene(test::TestoPdf(pdf, pagina), l.voci[k].second)) << l.codice << stile << " " << pagina;
            }
        }
    // Four pages or fewer: no contents.
    test::CartellaTemporanea dir;
    const std::string pdf = dir.File("r.pdf");
    ASSERT_EQ(test::CliIn(dir.Str(), "report --lang en --project " + Tra(Progetto("percorso.nt0")) + " --out " + Tra(pdf)).esito, 0);
    ASSERT_EQ(test::PaginePdf(pdf), 4);
    EXPECT_FALSE(Contiene(test::TestoPdf(pdf, 1), "Contents"));
}

// The numbers after "Iso-lines [unit]:" on a page.
std::vector<double> LivelliLegenda(const std::string& testo, const std::string& unita) {
    std::vector<double> v;
    const std::string titolo = "Iso-lines [" + unita + "]:";
    const auto p = testo.find(titolo);
    if (p == std::string::npos) return v;
    std::istringstream riga(testo.substr(p + titolo.size(), testo.find('\n', p) - p - titolo.size()));
    for (std::string s; riga >> s;) v.push_back(std::stod(s));
    return v;
}

// A figure printed after `etichetta` (" Emin=").
double Figura(const std::string& testo, const std::string& etichetta) {
    const auto p = testo.find(etichetta);
    return p == std::string::npos ? -1 : std::stod(testo.substr(p + etichetta.size()));
}

TEST(ImpaginazioneReport, PlansCarryIsoLinesWithTheirLegend) {
    struct Caso {
        const char* progetto;
        const char* opzioni;
        int pagina;
        const char* unita;
        bool scala;
    } casi[] = {
        {"strada.nt0", "--sections luminance", 1, "cd/m²", false},
        {"strada.nt0", "--sections luminance --maps", 2, "cd/m²", true},
        {"strada.nt0", "--sections illuminance --maps", 1, "lx", true},
        {"percorso.nt0", "--sections illuminance", 1, "lx", false},
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea dir;
        const std::string pdf = dir.File("r.pdf");
        const test::UscitaCli u = test::CliIn(dir.Str(), std::string("report --lang en ") + c.opzioni + " --project " +
                                                             Tra(Progetto(c.progetto)) + " --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        const std::string t = test::TestoPdf(pdf, c.pagina);
        const std::vector<double> livelli = LivelliLegenda(t, c.unita);
        ASSERT_GE(livelli.size(), 2u) << c.progetto << " " << c.opzioni << "\n" << t;
        // Round levels, evenly stepped, inside the field's range.
        const double passo = livelli[1] - livelli[0];
        EXPECT_GT(passo, 0);
        for (std::size_t k = 1; k < livelli.size(); ++k) EXPECT_NEAR(livelli[k] - livelli[k - 1], passo, 1e-9);
        if (std::string(c.unita) == "lx") {
            EXPECT_GT(livelli.front(), Figura(t, " Emin=")) << t;
            EXPECT_LT(livelli.back(), Figura(t, " Emax=")) << t;
        }
        // Every level labelled on its line as well as in the legend.
        for (double l : livelli) {
            std::ostringstream s;
            s << l;
            std::size_t volte = 0;
            for (auto p = t.find(s.str()); p != std::string::npos; p = t.find(s.str(), p + 1)) ++volte;
            EXPECT_GE(volte, 2u) << s.str();
        }
        EXPECT_EQ(Contiene(t, std::string("Colour scale [") + c.unita + "]:"), c.scala) << t;
    }
}

}  // namespace
}  // namespace nottaro
