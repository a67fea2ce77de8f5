#pragma once
// The main window's menu items, with the object names the program uses and
// the catalogue message of each caption.
namespace nottaro::ui {

enum Voce {
    VoceInizializza, VoceCaricaEulumdat, VoceCaricaProgetto, VoceSalvaProgetto, VoceSalvaProgettoCome, VoceCaricaElenco, VoceChiudiElenco,
    VoceConfiguraReport, VoceEsci, VoceDatiFotometrici, VoceParametriProgetto, VoceDisposizionePali,
    VoceParametriCalcolo, VoceProgettoStradale, VoceProgettoCiclo, VoceItaliano, VoceInglese, VoceFrancese,
    VoceTedesco, VoceSpagnolo, VoceAiuto, VoceVersione, NumVoci
};

struct DatiVoce {
    const char* nome;
    int messaggio;
};

inline constexpr DatiVoce DatiVoci[NumVoci] = {
    {"Inizializza1", 54},      {"CaricaEulumdat1", 55},   {"CaricaProgetto1", 389}, {"SalvaProgetto1", 387},
    {"SalvaProgettoCome1", 2216},
    {"CaricaElencoLDT1", 56},  {"ChiudiElencoLDT1", 57},  {"ConfiguraReport1", 58}, {"Esci1", 59},
    {"Datifotometrici1", 61},  {"ParametridiProgetto1", 62}, {"DisposizionePali1", 63},
    {"ParametridiCalcolo1", 64}, {"ProgettoStradale1", 457}, {"ProgettoCiclo1", 458}, {"Italiano1", 66},
    {"Inglese1", 67},          {"Francese1", 68},         {"Tedesco1", 69},         {"Spagnolo1", 249},
    {"NottaroAiuto1", 71},     {"Versione1", 72},
};

}  // namespace nottaro::ui
