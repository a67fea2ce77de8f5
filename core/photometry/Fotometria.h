#pragma once
// The photometric record of the current luminaire: header, lamp sets and the
// intensity table in cd/klm, always expanded to every C plane.
#include <array>
#include <string>
#include <vector>

namespace nottaro {

// Capacity of the record. Today's LED files come in 1° and 0.5° steps, so a
// full circle of C planes (0..360 at 0.5°) and a full gamma range fit.
inline constexpr int MaxPianiC = 721;
inline constexpr int MaxAngoliG = 721;
inline constexpr int MaxLampade = 11;

// Intensity table indexed like the file: row 0 holds the gamma angles
// (columns 1..NumG), column 0 the C angles (rows 1..NumC), the rest cd/klm.
// Intens[i][j] addresses plane i at gamma j.
class TabellaIntensita {
public:
    static constexpr int Righe = MaxPianiC + 1;
    static constexpr int Colonne = MaxAngoliG + 1;

    TabellaIntensita() : dati_(static_cast<std::size_t>(Righe) * Colonne, 0.0) {}

    double* operator[](int i) { return dati_.data() + static_cast<std::size_t>(i) * Colonne; }
    const double* operator[](int i) const { return dati_.data() + static_cast<std::size_t>(i) * Colonne; }

    // Zeroes rows [0, righe) and columns [0, colonne).
    void Azzera(int righe = Righe, int colonne = Colonne);

private:
    std::vector<double> dati_;
};

struct Fotometria {
    std::string DittaLdt;      // line 1: company / databank identification
    int TipoLdt = 0;           // Ityp (stored, not used)
    int Simmetria = 0;         // Isym 0..4 (IES: photometric type)
    int NumC = 0;              // C planes over 0..360
    double PassoC = 0;         // stored, not used
    int NumG = 0;              // gamma angles per plane
    double PassoG = 0;         // stored, not used
    std::string NomeApp;       // luminaire name
    std::string NumApp;        // luminaire number
    std::string FileLdt;       // file name of the loaded file, without folder
    std::string DataLdt;       // date / user
    int LungApp = 0, LargApp = 0, AltApp = 0;  // luminaire dimensions, mm
    int LungLum = 0, LargLum = 0;              // luminous area, mm
    double DFF = 0;            // downward flux fraction, %
    double LORL = 0;           // light output ratio, %
    double FattConv = 0;       // conversion factor (stored, not applied)
    double InclinaMis = 0;     // tilt during measurement, degrees
    int NumLampade = 0;        // valid lamp sets
    std::array<std::string, MaxLampade> TipoLamp{};
    std::array<double, MaxLampade> FlussoLamp{};   // lm, total of the set
    std::array<std::string, MaxLampade> ColoreLamp{};
    std::array<std::string, MaxLampade> ResaLamp{};
    std::array<double, MaxLampade> PotLamp{};      // W including ballast
    int LampSel = 0;           // lamp set used by the calculation
    TabellaIntensita Intens;
};

}  // namespace nottaro
