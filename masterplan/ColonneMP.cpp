#include "masterplan/ColonneMP.h"

#include <algorithm>

#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro::mp {

namespace {

struct Intestazione {
    const char* nomi[2];
    bool richiesta;
    const char* etichetta;
};

// In the order of the ColonnaMP values.
constexpr Intestazione kIntestazioni[NumColonneMP] = {
    {{"Identificativo", "PRJ FINALE"}, true, "IDENTIFICATIVO;"},
    {{"Via", nullptr}, true, "VIA;"},
    {{"Applicazione", nullptr}, true, "APPLICAZIONE;"},
    {{"Altezza punto luce", nullptr}, true, "ALTEZZA;"},
    {{"Avanzamento", nullptr}, true, "AVANZAMENTO;"},
    {{"Classe", nullptr}, true, "CLASSE;"},
    {{"1° Elemento SX dimensione", nullptr}, true, "MARC SX"},
    {{"1° Elemento SX", nullptr}, true, "TIPO MARC SX"},
    {{"Dimensione strada", nullptr}, true, "DIMENSIONE STRADA;"},
    {{"1° Elemento DX", nullptr}, true, "TIPO MARC DX"},
    {{"1° Elemento DX dimensione", nullptr}, true, "MARC DX"},
    {{"Disposizione", nullptr}, true, "DISPOSIZIONE;"},
    {{"Posizione palo", nullptr}, true, "POS. PALO;"},
    {{"Corsie", nullptr}, true, "CORSIE;"},
    {{"Senso Marcia", nullptr}, true, "SENSO DI MARCIA;"},
    {{"LR17/00", nullptr}, true, "LR17/00;"},
    {{"Descrizione Progetto", nullptr}, false, ""},
    {{"New Source", nullptr}, true, "SORGENTE;"},
    {{"New W", nullptr}, true, "POTENZA;"},
    {{"Interdistanza", nullptr}, true, "INTERDISTANZA;"},
    {{"Modello Apparecchio New", nullptr}, true, "MODELLO APPARECCHIO"},
};

// The strip headers close the message, in this order.
constexpr ColonnaMP kStrisceUltime[] = {CLargSx, CTipoSx, CTipoDx, CLargDx};

}  // namespace

std::string Minuscolo(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string ConPunto(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

MappaColonne MappaColonneMP(const Foglio& foglio) {
    MappaColonne m;
    for (int c = 1; c <= 180; ++c) {
        const std::string& testo = foglio.Testo(RigaIntestazioneMP, c);
        if (testo.empty()) continue;
        for (int k = 0; k < NumColonneMP; ++k)
            for (const char* nome : kIntestazioni[k].nomi)
                if (nome && testo == nome && m.Col[k] == 0) m.Col[k] = c;
    }
    auto striscia = [](int k) { return std::find(std::begin(kStrisceUltime), std::end(kStrisceUltime), k) != std::end(kStrisceUltime); };
    for (int k = 0; k < NumColonneMP; ++k)
        if (kIntestazioni[k].richiesta && m.Col[k] == 0 && !striscia(k)) m.Mancanti.push_back(static_cast<ColonnaMP>(k));
    for (ColonnaMP k : kStrisceUltime)
        if (m.Col[k] == 0) m.Mancanti.push_back(k);
    return m;
}

std::string TestoColonneMancanti(const MappaColonne& m, int lingua) {
    std::string s = Msg(1400, lingua);
    for (ColonnaMP k : m.Mancanti) s += kIntestazioni[k].etichetta;
    return s;
}

RigaMP LeggiRigaMP(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr, int riga) {
    RigaMP r;
    r.RigaFoglio = riga;
    for (int k = 0; k < NumColonneMP; ++k) {
        if (m.Col[k] == 0) continue;
        const auto it = corr.find({riga, m.Col[k]});
        r.T[k] = Trim(it != corr.end() ? it->second : foglio.Testo(riga, m.Col[k]));
    }
    return r;
}

}  // namespace nottaro::mp
