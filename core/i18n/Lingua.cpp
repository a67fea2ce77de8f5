// Help files, two-state choices, fixed prompt captions and the language switch.
#include "core/i18n/Lingua.h"

#include <filesystem>

#include "core/files/Configurazione.h"
#include "core/i18n/Messaggi.h"

namespace nottaro {
namespace {

constexpr int MsgVariabile = 45;
constexpr int MsgDefinita = 48;

}  // namespace

std::string_view NomeFileHelp(int lingua) {
    switch (lingua) {
        case LinguaItaliano: return "help/it/index.html";
        case LinguaFrancese: return "help/fr/index.html";
        case LinguaTedesco: return "help/de/index.html";
        case LinguaSpagnolo: return "help/es/index.html";
        default: return "help/en/index.html";
    }
}

std::string PercorsoFileHelp(const std::string& dirProg, int lingua) {
    return (std::filesystem::path(dirProg) / std::filesystem::path(NomeFileHelp(lingua))).string();
}

void AggiornaFileHelp(StatoProgetto& stato) { stato.FileHelp = PercorsoFileHelp(stato.DirProg, stato.Lingua); }

const std::string& SceltaDopoCambioLingua(const std::string& testoAttuale, int nuovaLingua) {
    for (int l = 0; l < NumLingue; ++l)
        if (testoAttuale == Msg(MsgDefinita, l)) return Msg(MsgDefinita, nuovaLingua);
    return Msg(MsgVariabile, nuovaLingua);
}

const TestiLampProg& TestiPromptLampada(int lingua) {
    // The prompt's own texts, one set per language; not catalogue entries.
    static const std::array<TestiLampProg, 5> testi = {{
        {"Caratteristiche Sorgente", "Lampada", "Potenza", "Flusso Luminoso", "Sorgenti disponibili",
         {"Sodio Alta Pressione", "Sodio Bassa Pressione", "Alogenuri Metallici", "Vapori di Mercurio", "LED"}},
        {"Lamp Data", "Lamp", "Power", "Flux", "Available Source",
         {"Sodium High Pressure", "Sodium Low Pressure", "Metal Halide", "Mercury HP", "LED"}},
        {"Caract\xC3\xA9ristiques de la source", "Lampe", "Puissance", "Flux lumineux", "Sources disponibles",
         {"Sodium haute pression", "Sodium basse pression", "Iodures M\xC3\xA9talliques", "Vapeur de Mercure", "LED"}},
        {"Lampendaten", "Lampe", "Leistung", "Lichtstrom", "Verf\xC3\xBCgbare Lampen",
         {"Natrium-Hochdruck", "Natrium-Niederdruck", "Halogen-Metalldampf", "Quecksilber-Hochdruck", "LED"}},
        {"Caracter\xC3\xADsticas de la fuente", "L\xC3\xA1mpara", "Potencia", "Flujo luminoso", "Fuentes disponibles",
         {"Sodio de alta presi\xC3\xB3n", "Sodio de baja presi\xC3\xB3n", "Halogenuros met\xC3\xA1licos",
          "Mercurio de alta presi\xC3\xB3n", "LED"}},
    }};
    return (lingua >= 0 && lingua < 5) ? testi[lingua] : testi[LinguaItaliano];
}

void AdottaLingua(StatoProgetto& stato) {
    if (stato.Lingua < 0 || stato.Lingua >= NumLingue) stato.Lingua = LinguaInglese;
    ImpostaLinguaCatalogo(stato.Lingua);
    AggiornaFileHelp(stato);
}

EsitoCambioLingua ImpostaLingua(StatoProgetto& stato, int lingua, const std::function<void()>& rietichetta) {
    if (lingua < 0 || lingua >= NumLingue) return EsitoCambioLingua::LinguaIgnota;
    if (lingua == stato.Lingua) return EsitoCambioLingua::Invariata;
    stato.Lingua = lingua;
    ImpostaLinguaCatalogo(lingua);
    const bool salvata = ScriviLingua(stato.DirProg, lingua);
    AggiornaFileHelp(stato);
    if (rietichetta) rietichetta();
    return salvata ? EsitoCambioLingua::Cambiata : EsitoCambioLingua::NonSalvata;
}

}  // namespace nottaro
