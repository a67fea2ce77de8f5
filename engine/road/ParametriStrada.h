#pragma once
// Everything one road candidate depends on, copied from the design state by
// the caller: the engine never reads the state itself.
namespace nottaro {

struct ParametriStrada {
    int DispPali = 1;            // arrangement 1..6 (0: none chosen)
    double LargStrada = 7;       // carriageway width W, m
    int NCorsie = 2;             // lanes n
    int ClassePav = 1;           // r-table 0..5: C1, C2, R1, R2, R3, R4
    double Deprezz = 0.8;        // maintenance factor
    int GrigliaEN = 1;           // 1: first field row half a step after the pole; 0: on it
    int NPtiCorsia = 3;          // points across each lane
    double InterMaxGriglia = 30; // largest spacing with 10 field rows, m
    // Longest distance between field rows beyond InterMaxGriglia, and the step
    // of the glare observer, m (the design state's NPtiCorsia2, which despite
    // its name holds metres, not points).
    double PassoRigheMax = 3;
    int OssUNI = 0;              // 1: one observer at (-60, W/4) for Lm and Uo
    double HPalo = 8;            // mounting height H, m
    double Sbraccio = 0;         // arm overhang, m (positive: over the carriageway)
    double Inclina = 0;          // luminaire tilt, degrees
    double Interdist = 24;       // spacing S, m
    int LampCalc = 0;            // lamp set of the photometric record

    bool operator==(const ParametriStrada&) const = default;
};

// Observers of the luminance field stand this far before the field (m).
inline constexpr double OssXStrada = -60;

}  // namespace nottaro
