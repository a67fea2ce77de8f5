// The report a municipality signs: the class and standard it is judged
// against with a verdict on page 1, every criterion's required value,
// calculated value and verdict as `evaluate` gives them, the energy
// indicators, the luminaire as its record names it (and the lamp set that was
// calculated), "Page n of N" on every page and the document's metadata.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "SupportoPdf.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

using test::Contiene;
using test::Tra;

std::string Progetto(const std::string& nome) { return test::Fixture("projects/" + nome); }
std::string Cifra(double v, int n) { return FormatoGenerale(Arrotonda(v, n)); }

struct Report {
    nlohmann::json valutazione;
    std::string pdf;
    int pagine = 0;
};

// `evaluate --json` and `report` with the same options, from the project's folder.
// `stile`: options of the report alone.
Report Stampa(const test::CartellaTemporanea& dir, const std::string& progetto, const std::string& opzioni,
              const std::string& lingua, const std::string& stile = "") {
    Report r;
    r.pdf = dir.File("r.pdf");
    const std::string cartella = test::Fixture("projects");
    const test::UscitaCli v = test::CliIn(cartella, "evaluate --json --project " + progetto + " " + opzioni);
    EXPECT_EQ(v.esito, 0) << v.err;
    r.valutazione = nlohmann::json::parse(v.out);
    const test::UscitaCli u =
        test::CliIn(cartella, "report --project " + progetto + " " + opzioni + " " + stile + " --lang " + lingua + " --out " + Tra(r.pdf));
    EXPECT_EQ(u.esito, 0) << u.err;
    r.pagine = test::PaginePdf(r.pdf);
    return r;
}

// The lines of the verification table whose first word is `nome`, in order.
std::vector<std::string> RigheCriterio(const std::string& testo, const std::string& nome) {
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);) {
        std::istringstream parole(r);
        std::string prima;
        parole >> prima;
        if (prima == nome) righe.push_back(r);
    }
    return righe;
}

int Decimali(const std::string& nome) { return nome == "TI" ? 0 : 2; }

TEST(VerificaReport, ClassVerdictOnPageOneAndEveryCriterionAsEvaluateJudgesIt) {
    struct Caso {
        const char* progetto;
        const char* opzioni;
        const char* lingua;
        const char* classe;
        const char* soddisfatto;
        const char* nonSoddisfatto;
        const char* esitoSi;
        const char* esitoNo;
    } casi[] = {
        // Fails Lm and Ul; TI is only recorded under the older tables.
        {"strada.nt0", "", "en", "ME3b — EN 13201-2", "met", "not met", "meets the class", "does NOT meet the class"},
        {"strada.nt0", "", "it", "ME3b — EN 13201-2", "soddisfatto", "non soddisfatto", "La soluzione soddisfa",
         "NON soddisfa la classe"},
        {"percorso.nt0", "", "en", "P2 / S2 — EN 13201-2", "met", "not met", "meets the class", "does NOT meet the class"},
        {"percorso.nt0", "--class \"P5 o S5\"", "de", "P5 / S5 — EN 13201-2", "erfüllt", "nicht erfüllt",
         "Lösung erfüllt die Klasse", "NICHT"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.progetto) + " " + c.opzioni + " " + c.lingua);
        test::CartellaTemporanea dir;
        const Report r = Stampa(dir, c.progetto, c.opzioni, c.lingua);
        const bool conforme = r.valutazione["ConformeClasse"];
        const std::string prima = test::TestoPdf(r.pdf, 1);
        EXPECT_TRUE(Contiene(prima, c.classe)) << prima;
        EXPECT_TRUE(Contiene(prima, conforme ? c.esitoSi : c.esitoNo)) << prima;
        EXPECT_FALSE(Contiene(prima, conforme ? c.esitoNo : c.esitoSi)) << prima;

        const std::string verifica = test::TestoPdf(r.pdf, 3);
        std::map<std::string, std::size_t> visti;
        for (const auto& k : r.valutazione["Criteri"]) {
            const std::string nome = k["nome"];
            const std::vector<std::string> righe = RigheCriterio(verifica, nome);
            const std::size_t i = visti[nome]++;
            ASSERT_LT(i, righe.size()) << nome << "\n" << verifica;
            const std::string& riga = righe[i];
            const std::string segno = k["limite"] == "min" ? "≥ " : "≤ ";
            EXPECT_TRUE(Contiene(riga, segno + Cifra(k["richiesto"], Decimali(nome)))) << riga;
            EXPECT_TRUE(Contiene(riga, Cifra(k["valore"], Decimali(nome)))) << riga;
            if (!k["giudicato"]) continue;
            const std::string esito = k["soddisfatto"] ? c.soddisfatto : c.nonSoddisfatto;
            // The verdict closes the row; "met" alone must not be the tail of "not met".
            const std::string fine = riga.substr(riga.find_last_not_of(' ') + 1 - esito.size(), esito.size());
            EXPECT_EQ(fine, esito) << riga;
            if (k["soddisfatto"]) EXPECT_FALSE(Contiene(riga, c.nonSoddisfatto)) << riga;
        }
    }
}

TEST(VerificaReport, EnergyIndicatorsAreEvaluatesWithTheirHours) {
    for (const char* progetto : {"strada.nt0", "percorso.nt0"}) {
        test::CartellaTemporanea dir;
        const Report r = Stampa(dir, progetto, "", "en");
        const std::string t = test::TestoPdf(r.pdf, 3);
        EXPECT_TRUE(Contiene(t, Cifra(r.valutazione["Dp"], 4) + " W/(lx·m²)")) << t;
        EXPECT_TRUE(Contiene(t, Cifra(r.valutazione["De"], 2) + " kWh/(m²·year)")) << t;
        EXPECT_TRUE(Contiene(t, "h/year")) << t;
    }
}

TEST(VerificaReport, LuminaireNamedFromItsRecordAndTheLampSetCalculated) {
    struct Caso {
        const char* progetto;
        const char* opzioni;
        std::vector<std::string> attesi;
        std::vector<std::string> assenti;
    } casi[] = {
        {"strada.nt0", "", {"LEDiL Oy", "FP15812_STRADA", "V3HD_GEN8", "400 lm"}, {}},
        {"ies.nt0", "", {"ACME Inc.", "BD0150", "photometric-viewer_ies95_absolute_photometry_SYNTHETIC.ies"}, {}},
        // Another record than the project's: its own lamp set 1, never the
        // project's old lamp block.
        {"strada.nt0",
         "--photometry ../photometry/photometric-viewer_multiple_lamp_sets_SYNTHETIC.ldt",
         {"photometric-viewer_multiple_lamp_sets_SYNTHETIC.ldt"},
         {"V3HD_GEN8", "400 lumen", "400 lm"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.progetto) + " " + c.opzioni);
        test::CartellaTemporanea dir;
        const Report r = Stampa(dir, c.progetto, c.opzioni, "en");
        const std::string dati = test::TestoPdf(r.pdf, 2), verifica = test::TestoPdf(r.pdf, 3);
        for (const std::string& a : c.attesi) EXPECT_TRUE(Contiene(verifica, a)) << a << "\n" << verifica;
        for (const std::string& a : c.assenti) {
            EXPECT_FALSE(Contiene(verifica, a)) << a;
            EXPECT_FALSE(Contiene(dati, a)) << a;
        }
        // No luminaire picture in these projects: the box says so.
        EXPECT_TRUE(Contiene(dati, "(no picture)")) << dati;
    }
}

TEST(VerificaReport, EveryPageSaysPageNOfNInBothStyles) {
    for (const char* stile : {"", "--standard"}) {
        test::CartellaTemporanea dir;
        const Report r = Stampa(dir, "strada.nt0", "", "en", stile);
        ASSERT_EQ(r.pagine, 6);
        for (int k = 1; k <= r.pagine; ++k) {
            const std::string t = test::TestoPdf(r.pdf, k);
            EXPECT_TRUE(Contiene(t, "Page " + std::to_string(k) + " of 6")) << stile << " page " << k;
            EXPECT_TRUE(Contiene(t, "Tratto 1")) << stile << " page " << k;  // the project's title
        }
    }
}

TEST(VerificaReport, DocumentMetadataNameTheProjectAndTheProgram) {
    test::CartellaTemporanea dir;
    const Report r = Stampa(dir, "strada.nt0", "", "en");
    const std::string info = test::Comando("pdfinfo " + Tra(r.pdf));
    EXPECT_TRUE(Contiene(info, "Tratto 1")) << info;
    EXPECT_TRUE(Contiene(info, "Nottaro 5.8d")) << info;
    const std::string verifica = test::TestoPdf(r.pdf, 3);
    EXPECT_TRUE(Contiene(verifica, "strada.nt0")) << verifica;
    EXPECT_TRUE(Contiene(verifica, "Nottaro 5.8d")) << verifica;
}

}  // namespace
}  // namespace nottaro
