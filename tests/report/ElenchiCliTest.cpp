// `nottaro-cli list-report`: the reduced and complete lists of a road and a
// path table print every row `table --filter` gives, in its order, with the
// report's rounding, the captions and units of the project kind, and whole
// rows per page.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "SupportoPdf.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using test::Contiene;
using test::Tra;

std::vector<std::string> Parole(const std::string& riga) {
    std::istringstream in(riga);
    std::vector<std::string> p;
    for (std::string s; in >> s;) p.push_back(s);
    return p;
}

bool Intero(const std::string& s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos; }

// The solution rows printed: lines whose first word is a row number.
std::vector<std::vector<std::string>> RighePdf(const std::string& testo) {
    std::vector<std::vector<std::string>> r;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) {
        const auto p = Parole(riga);
        if (!p.empty() && Intero(p[0])) r.push_back(p);
    }
    return r;
}

// `table --csv` rows as fields by name.
std::vector<std::map<std::string, std::string>> RigheTabella(const std::string& tabella, const std::string& filtro) {
    const test::UscitaCli u =
        test::EseguiCli("table " + Tra(tabella) + (filtro.empty() ? "" : " --filter \"" + filtro + "\"") + " --csv");
    std::istringstream in(u.out);
    std::string riga;
    std::getline(in, riga);
    std::vector<std::string> nomi;
    std::istringstream intest(riga);
    for (std::string n; std::getline(intest, n, ',');) nomi.push_back(n);
    std::vector<std::map<std::string, std::string>> righe;
    while (std::getline(in, riga)) {
        std::istringstream campi(riga);
        std::map<std::string, std::string> r;
        std::size_t k = 0;
        for (std::string v; std::getline(campi, v, ',') && k < nomi.size(); ++k) r[nomi[k]] = v;
        righe.push_back(std::move(r));
    }
    return righe;
}

// A stored figure to n decimals as its decimal text rounds: halves away
// from zero, negative figures keeping their last digit.
std::string Arr(const std::string& v, int n) {
    const bool negativo = !v.empty() && v[0] == '-';
    std::string cifre = negativo ? v.substr(1) : v;
    if (cifre.find('.') == std::string::npos) cifre += '.';
    cifre += std::string(static_cast<std::size_t>(n) + 1, '0');
    const std::size_t punto = cifre.find('.');
    const std::string tenute = cifre.substr(0, punto) + cifre.substr(punto + 1, static_cast<std::size_t>(n));
    const long long m = std::stoll(tenute) + (cifre[punto + static_cast<std::size_t>(n) + 1] >= '5' ? 1 : 0);
    const double r = static_cast<double>(m) / std::pow(10.0, n);
    return FormatoGenerale(negativo && m != 0 ? -r : r);
}

// The luminaire column: the row's photometric file without its extension,
// as far as the column shows it.
bool ApparecchioDellaRiga(const std::string& stampato, const std::map<std::string, std::string>& r) {
    std::string file = r.at("FILELDT");
    file = file.substr(0, file.rfind('.'));
    std::string visto = stampato;
    if (visto.size() >= 3 && visto.compare(visto.size() - 3, 3, "…") == 0) visto.resize(visto.size() - 3);
    return !visto.empty() && file.compare(0, visto.size(), visto) == 0;
}

class ElenchiCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::CartellaTemporanea;
        for (const char* p : {"strada.nt0", "percorso.nt0"}) {
            const test::UscitaCli u = test::EseguiCli("optimise --all-results --project " +
                                                      Tra(test::Fixture(std::string("projects/") + p)) + " --out " + Tra(dir_->Str()));
            ASSERT_EQ(u.esito, 0) << u.err;
        }
    }
    static void TearDownTestSuite() { delete dir_; }
    static std::string Tabella(const char* nome) { return dir_->File(nome); }
    static test::UscitaCli Elenco(const std::string& argomenti) { return test::CliIn(dir_->Str(), "list-report " + argomenti); }
    static test::CartellaTemporanea* dir_;
};
test::CartellaTemporanea* ElenchiCli::dir_ = nullptr;

TEST_F(ElenchiCli, ReducedRoadListPrintsEveryFilteredRowRounded) {
    const std::string filtro = "HPALO = '8' and INTER >= '20'";
    const auto attese = RigheTabella(Tabella("ntrlux.dbf"), filtro);
    ASSERT_GT(attese.size(), 5u);
    const std::string pdf = dir_->File("ridotto.pdf");
    const test::UscitaCli u = Elenco(Tra(Tabella("ntrlux.dbf")) + " --kind reduced --lang it --filter \"" + filtro + "\"" +
                                     " --out " + Tra(pdf));
    ASSERT_EQ(u.esito, 0) << u.err;
    const std::string testo = test::TestoPdf(pdf);
    for (const char* c : {"Lucerno - Nottaro", "ver. 5.8d", "Progetto Illuminotecnico", "Tipo di apparecchio:",
                          "Interdist.", "[cd/m^2]", "Lm", "Uo", "Ul", "Ti", "[W/m]", "%"})
        EXPECT_TRUE(Contiene(testo, c)) << c;
    const auto stampate = RighePdf(testo);
    ASSERT_EQ(stampate.size(), attese.size());
    const char* campi[] = {"NUM", "CORPO", "HPALO", "SBRACCIO", "INCLINA", "INTER",
                           "INDICER", "INDICEI", "LUMINA", "UNIFG", "UNIFL", "TI"};
    for (std::size_t i = 0; i < attese.size(); ++i) {
        ASSERT_EQ(stampate[i].size(), 12u) << i;
        EXPECT_TRUE(ApparecchioDellaRiga(stampate[i][1], attese[i])) << "row " << i << " " << stampate[i][1];
        for (int k = 0; k < 12; ++k) {
            if (k == 1) continue;
            const std::string& v = attese[i].at(campi[k]);
            const std::string atteso = Arr(v, k == 0 ? 0 : 2);
            EXPECT_EQ(stampate[i][static_cast<std::size_t>(k)], atteso) << "row " << i << " " << campi[k];
        }
    }
}

TEST_F(ElenchiCli, WholeTablePrintsWholeRowsPerPageInStoredOrder) {
    const auto attese = RigheTabella(Tabella("ntrlux.dbf"), "");
    ASSERT_EQ(attese.size(), 97u);
    const std::string pdf = dir_->File("tutte.pdf");
    ASSERT_EQ(Elenco(Tra(Tabella("ntrlux.dbf")) + " --kind reduced --out " + Tra(pdf)).esito, 0);
    ASSERT_EQ(test::PaginePdf(pdf), 3);
    const std::size_t perPagina[] = {41, 42, 14};
    std::size_t prima = 0;
    for (int p = 1; p <= 3; ++p) {
        const std::string testo = test::TestoPdf(pdf, p);
        const auto righe = RighePdf(testo);
        ASSERT_EQ(righe.size(), perPagina[p - 1]) << "page " << p;
        for (std::size_t i = 0; i < righe.size(); ++i) EXPECT_EQ(righe[i][0], attese[prima + i].at("NUM"));
        prima += righe.size();
        // Page header, column header and footer on every page; the title on the first only.
        EXPECT_TRUE(Contiene(testo, "ver. 5.8d"));
        EXPECT_TRUE(Contiene(testo, "Tipo di apparecchio:"));
        EXPECT_TRUE(Contiene(testo, "Pagina " + std::to_string(p) + " di 3")) << "page " << p;
        std::size_t volte = 0;
        for (auto k = testo.find("Progetto Illuminotecnico"); k != std::string::npos; k = testo.find("Progetto Illuminotecnico", k + 1))
            ++volte;
        EXPECT_EQ(volte, p == 1 ? 2u : 1u) << "page " << p;  // the column caption, and the title
    }
}

TEST_F(ElenchiCli, CompletePathListShowsIlluminanceCaptionsAndEconomics) {
    const auto attese = RigheTabella(Tabella("ntrluxa.dbf"), "");
    ASSERT_FALSE(attese.empty());
    const std::string pdf = dir_->File("completo.pdf");
    ASSERT_EQ(Elenco(Tra(Tabella("ntrluxa.dbf")) + " --kind complete --lang en --out " + Tra(pdf)).esito, 0);
    EXPECT_EQ(test::PaginePdf(pdf), static_cast<int>((attese.size() + 2) / 3));
    const std::string testo = test::TestoPdf(pdf, 1);
    for (const char* c : {"Em", "Emin", "Emax", "lx", "No. of poles [km]", "Economic Calculations",
                          "Installation Cost[€/km]", "Total Cost [€/km x year]", "Break-even: costs - savings [years]"})
        EXPECT_TRUE(Contiene(testo, c)) << c;
    EXPECT_FALSE(Contiene(testo, "[cd/m^2]"));
    const auto& r = attese.front();
    // The path table's EM, UO, EMIN, EMAX print under Em, Uo, Emin, Emax.
    const auto riga = RighePdf(testo).front();
    ASSERT_GE(riga.size(), 13u) << testo;
    const std::vector<std::string> figure(riga.begin() + 8, riga.begin() + 12);
    EXPECT_EQ(figure, (std::vector<std::string>{Arr(r.at("EM"), 2), Arr(r.at("UO"), 2), Arr(r.at("EMIN"), 2), Arr(r.at("EMAX"), 2)}))
        << testo;
    EXPECT_TRUE(Contiene(testo, Arr(r.at("COSTOTOT"), 2))) << testo;
    EXPECT_TRUE(Contiene(testo, Arr(r.at("NPALI"), 0)));
    EXPECT_TRUE(Contiene(testo, Arr(r.at("BREAKEVEN"), 2)));
    EXPECT_TRUE(Contiene(testo, r.at("LAMPADA")));
}

TEST_F(ElenchiCli, UnmatchedFilterPrintsHeadersOnlyAndBadInputWritesNothing) {
    const std::string pdf = dir_->File("vuoto.pdf");
    ASSERT_EQ(Elenco(Tra(Tabella("ntrlux.dbf")) + " --kind complete --filter \"HPALO = '99'\" --out " + Tra(pdf)).esito, 0);
    EXPECT_EQ(test::PaginePdf(pdf), 1);
    const std::string testo = test::TestoPdf(pdf);
    EXPECT_TRUE(Contiene(testo, "Progetto Illuminotecnico"));
    EXPECT_TRUE(Contiene(testo, "Computi Economici"));
    EXPECT_TRUE(RighePdf(testo).empty());
    EXPECT_TRUE(Contiene(testo, "Nessuna soluzione nell'elenco.")) << testo;

    const std::string nessuno = dir_->File("nessuno.pdf");
    const std::string casi[] = {
        Tra(Tabella("ntrlux.dbf")) + " --kind reduced --filter \"HPALO = \" --out " + Tra(nessuno),
        Tra(dir_->File("manca.dbf")) + " --kind reduced --out " + Tra(nessuno),
        Tra(Tabella("ntrlux.dbf")) + " --kind short --out " + Tra(nessuno),
    };
    for (const std::string& c : casi) {
        EXPECT_EQ(Elenco(c).esito, 1) << c;
        EXPECT_FALSE(std::filesystem::exists(nessuno)) << c;
    }
}

TEST_F(ElenchiCli, NegativeFiguresKeepTheirLastDigitAndATableIsPrintedByItsColumns) {
    // Savings are negative where the new installation costs more: each
    // prints as its stored decimal value rounds.
    const auto attese = RigheTabella(Tabella("ntrlux.dbf"), "NUM <= '3'");
    ASSERT_EQ(attese.size(), 3u);
    const std::string pdf = dir_->File("negativi.pdf");
    ASSERT_EQ(Elenco(Tra(Tabella("ntrlux.dbf")) + " --kind complete --filter \"NUM <= '3'\" --lang en --out " + Tra(pdf)).esito, 0);
    const std::string testo = test::TestoPdf(pdf);
    int negativi = 0;
    for (const auto& r : attese)
        for (const char* campo : {"RISPIMPIAN", "RISPMANUTE", "RISPEANNO", "RISPE25ANN", "DELTALMKM"})
            if (r.at(campo)[0] == '-') {
                ++negativi;
                EXPECT_TRUE(Contiene(testo, Arr(r.at(campo), 2))) << campo << " " << r.at(campo);
            }
    EXPECT_GT(negativi, 0);

    // A path table under another name is still a path table.
    std::filesystem::copy_file(Tabella("ntrluxa.dbf"), dir_->File("copia.dbf"),
                               std::filesystem::copy_options::overwrite_existing);
    const std::string percorso = dir_->File("copia.pdf");
    ASSERT_EQ(Elenco(Tra(dir_->File("copia.dbf")) + " --kind reduced --lang en --out " + Tra(percorso)).esito, 0);
    const std::string p = test::TestoPdf(percorso, 1);
    EXPECT_TRUE(Contiene(p, "Emin")) << p;
    EXPECT_FALSE(Contiene(p, "[cd/m^2]")) << p;
}

}  // namespace
}  // namespace nottaro

namespace nottaro {
namespace {

// The height of the words of a column (x in mm from the page's left edge).
std::vector<double> AltezzeColonna(const std::vector<test::ParolaPdf>& parole, double da, double a) {
    std::vector<double> h;
    for (const auto& p : parole)
        if (p.x0 >= da && p.x1 <= a && Intero(p.testo.substr(0, p.testo.find('.')))) h.push_back(p.y1 - p.y0);
    return h;
}

TEST_F(ElenchiCli, LastColumnKeepsTheListsFontSize) {
    struct Caso {
        const char* tabella;
        const char* tipo;
        double ultimaDa, ultimaA;  // mm: the last column of the first line
    } casi[] = {
        {"ntrluxa.dbf", "reduced", 190, 201},
        {"ntrlux.dbf", "reduced", 190, 201},
        {"ntrluxa.dbf", "complete", 195, 207},
    };
    for (const Caso& c : casi) {
        const std::string pdf = dir_->File("colonna.pdf");
        const test::UscitaCli u = Elenco(Tra(Tabella(c.tabella)) + " --kind " + c.tipo + " --lang en --out " + Tra(pdf));
        ASSERT_EQ(u.esito, 0) << u.err;
        const auto parole = test::ParolePdf(pdf, 1);
        const std::vector<double> numeri = AltezzeColonna(parole, 9, 16), ultime = AltezzeColonna(parole, c.ultimaDa, c.ultimaA);
        ASSERT_FALSE(numeri.empty()) << c.tabella;
        ASSERT_FALSE(ultime.empty()) << c.tabella << " " << c.tipo;
        for (double h : ultime) EXPECT_NEAR(h, numeri.front(), 0.02 * numeri.front()) << c.tabella << " " << c.tipo;
    }
}

}  // namespace
}  // namespace nottaro
