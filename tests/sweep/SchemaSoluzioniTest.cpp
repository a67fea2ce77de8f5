// The solution-row schema against the tables it describes: its layout is the
// header of the tables the program has always written, and a typed row goes
// into a table and comes back through it unchanged, each figure in the field
// that bears its name.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "store/TabellaDbf.h"
#include "store/schema/SchemaSoluzioni.h"
#include "store/soluzioni/RigaDbf.h"
#include "support/CartellaTemporanea.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

std::string LeggiByte(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The field descriptors of a dBase III file, read from its bytes.
Layout Descrittori(const std::string& b) {
    Layout l;
    for (std::size_t p = 32; p + 32 <= b.size() && b[p] != '\r'; p += 32) {
        const std::string nome(b.c_str() + p);  // NUL-padded within 11 bytes
        const TipoCampo tipo = b[p + 11] == 'C' ? TipoCampo::Testo : TipoCampo::Numero;
        l.push_back({nome.substr(0, 11), tipo, static_cast<unsigned char>(b[p + 16]), static_cast<unsigned char>(b[p + 17])});
    }
    return l;
}

std::size_t LunghezzaIntestazione(const std::string& b) {
    return static_cast<unsigned char>(b[8]) | static_cast<std::size_t>(static_cast<unsigned char>(b[9])) << 8;
}

TEST(SchemaSoluzioni, IlLayoutEQuelloDelleTabelleGiaScritte) {
    struct Caso {
        const char* tabella;
        const char* campione;  // an empty table written by an earlier version
        const SchemaRiga& schema;
        std::size_t campi;
    };
    for (const Caso& c : {Caso{"NTRLUX", "tabelle/ntrlux-vuota.dbf", SchemaStrada(), 43},
                          Caso{"NTRLUXA", "tabelle/ntrluxa-vuota.dbf", SchemaPercorso(), 42}}) {
        SCOPED_TRACE(c.tabella);
        const std::string campione = LeggiByte(test::Fixture(c.campione));
        const Layout scritto = Descrittori(campione);
        const Layout schema = LayoutSchema(c.schema);
        ASSERT_EQ(schema.size(), c.campi);
        ASSERT_EQ(scritto.size(), schema.size());
        for (std::size_t i = 0; i < schema.size(); ++i) {
            SCOPED_TRACE(schema[i].nome);
            EXPECT_EQ(scritto[i].nome, schema[i].nome);
            EXPECT_EQ(scritto[i].tipo, schema[i].tipo);
            EXPECT_EQ(scritto[i].larghezza, schema[i].larghezza);
            EXPECT_EQ(scritto[i].decimali, schema[i].decimali);
        }
        // A table made today has the same header, byte for byte, past its date.
        test::CartellaTemporanea dir;
        {
            TabellaDbf t;
            t.Collega(dir.Str(), c.tabella);
            ASSERT_TRUE(t.Crea());
        }
        const std::string nuovo = LeggiByte(dir.File(std::string(c.tabella == std::string("NTRLUX") ? "ntrlux" : "ntrluxa") + ".dbf"));
        const std::size_t n = LunghezzaIntestazione(campione);
        ASSERT_EQ(LunghezzaIntestazione(nuovo), n);
        EXPECT_EQ(nuovo.substr(4, n - 4), campione.substr(4, n - 4));
    }
}

// A row whose figures all differ, and the value each field must then hold.
template <class Riga>
std::map<std::string, double> Riempi(Riga& r) {
    r.NUM = 65000;
    r.HPALO = 8.5;
    r.SBRACCIO = -1.25;
    r.INTER = 31.75;
    r.INCLINA = -15;
    r.POTENZA = 70;
    r.LUMEN = 6600;
    r.LAMPADA = "Lampada più lunga di trenta caratteri";
    r.CORPO = "A+";
    r.FILELDT = "Città €.ldt";
    r.figure = {0.11, 0.12, 0.13, 0.14, 15, 1600, 1700, 1800, 1900, 2000, 21, 22, 23, 24, 25,
                26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36.5};
    return {{"NUM", 65000},         {"HPALO", 8.5},       {"SBRACCIO", -1.25},  {"INTER", 31.75},
            {"INCLINA", -15},       {"INDICER", 0.11},    {"INDICEI", 0.12},    {"POTENZAM2", 0.13},
            {"POTENZALM", 0.14},    {"POTENZA", 70},      {"LUMEN", 6600},      {"NPALI", 15},
            {"COSTONUOVO", 1600},   {"POTENZAKM", 1700},  {"KWHANNO", 1800},    {"SPESAEANNO", 1900},
            {"COSTOTOT", 2000},     {"RISPIMPIAN", 21},   {"RISPIMPIAP", 22},   {"RISPMANUTE", 23},
            {"RISPMANUTP", 24},     {"RISPEANNO", 25},    {"RISPEANNOP", 26},   {"RISPE25ANN", 27},
            {"COSTOADEGU", 28},     {"DELTAWKM", 29},     {"DELTALMKM", 30},    {"DELTALMP", 31},
            {"DELTAKWHAN", 32},     {"RISPEANNOA", 33},   {"RISPEAP", 34},      {"RISPMANUTA", 35},
            {"BREAKEVEN", 36.5}};
}

template <class Riga>
void ControllaTabella(TabellaDbf& t, const Riga& scritta, const std::map<std::string, double>& attesi) {
    ASSERT_TRUE(t.Primo());
    for (const auto& [campo, valore] : attesi) EXPECT_DOUBLE_EQ(t.Numero(campo).value_or(-1e300), valore) << campo;
    // Texts as their fixed-width fields hold them: the lamp text cut at 30 characters.
    EXPECT_EQ(t.Testo("LAMPADA"), scritta.LAMPADA.substr(0, 31));  // "ù" is two bytes
    EXPECT_EQ(t.Testo("CORPO"), scritta.CORPO);
    EXPECT_EQ(t.Testo("FILELDT"), scritta.FILELDT);
}

template <class Riga, class Lettore>
void AndataERitorno(const char* tabella, TipoImpianto tipo, Riga& r, std::map<std::string, double> attesi,
                    Lettore leggi) {
    test::CartellaTemporanea dir;
    TabellaDbf t;
    t.Collega(dir.Str(), tabella);
    ASSERT_TRUE(t.Apri());
    RigheInTabella righe(t, tipo);
    ASSERT_TRUE(righe.CampiGiusti());
    ASSERT_EQ(righe.Aggiungi(r), "");
    ControllaTabella(t, r, attesi);
    const std::optional<Riga> letta = leggi(t);
    ASSERT_TRUE(letta);
    r.LAMPADA = r.LAMPADA.substr(0, 31);
    EXPECT_EQ(ValoriDbf(*letta), ValoriDbf(r));
    EXPECT_EQ(letta->LAMPADA, r.LAMPADA);
    EXPECT_EQ(letta->NUM, 65000);
}

TEST(SchemaSoluzioni, UnaRigaTornaUgualeDallaTabellaCampoPerCampo) {
    {
        SCOPED_TRACE("strada");
        RigaStrada r;
        auto attesi = Riempi(r);
        r.LUMINA = 1.05, r.UNIFG = 0.41, r.UNIFL = 0.72, r.TI = 12.5, r.EIR = 0.35, r.DP = 0.0251, r.DE = 1.75;
        attesi.insert({{"LUMINA", 1.05}, {"UNIFG", 0.41}, {"UNIFL", 0.72}, {"TI", 12.5}, {"EIR", 0.35},
                       {"DP", 0.0251}, {"DE", 1.75}});
        AndataERitorno("NTRLUX", TipoImpianto::Strada, r, attesi, LeggiRigaStrada);
    }
    {
        SCOPED_TRACE("percorso");
        RigaPercorso r;
        auto attesi = Riempi(r);
        r.EM = 7.5, r.UO = 0.42, r.EMIN = 3.15, r.EMAX = 14.25, r.DP = 0.0311, r.DE = 2.25;
        attesi.insert({{"EM", 7.5}, {"UO", 0.42}, {"EMIN", 3.15}, {"EMAX", 14.25}, {"DP", 0.0311}, {"DE", 2.25}});
        AndataERitorno("NTRLUXA", TipoImpianto::Percorso, r, attesi, LeggiRigaPercorso);
    }
}

}  // namespace
}  // namespace nottaro
