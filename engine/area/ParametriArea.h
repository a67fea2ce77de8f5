#pragma once
// Everything one path (area) candidate depends on, taken from the design state
// by the caller: the engine never reads the state itself.
namespace nottaro {

struct ParametriArea {
    int DispPaliA = 1;        // path arrangement 1..6
    double LargStradaA = 3;   // path width W, m
    double HPaloA = 5;        // mounting height H, m
    double SbraccioA = 0;     // arm overhang, m; positive reaches into the path
    double InclinaA = 0;      // luminaire tilt, degrees
    double Interdist = 20;    // spacing S between luminaires (pairs for 5, 6), m
    double DeprezzA = 0.8;    // maintenance factor, 0..1
    int GrigliaPers = 0;      // 0 standard grid, 1 custom grid of NPtiX x NPtiY
    int NPtiX = 0, NPtiY = 0; // custom grid counts along and across
    int LampCalc = 0;         // lamp set of the photometric record, 0..MaxLampade-1
    double FattRiduzione = 1; // flux reduction (dimming), applied after the maintenance factor
};

// Requirements of the path class: EmMin and EminMin in lx, UeMin and ErrEm in
// percent (UeMin 40 means Emin/Em >= 0.40; ErrEm the accepted excess of Em).
struct RequisitiArea {
    double EmMin = 0;
    double EminMin = 0;
    double UeMin = 0;
    double ErrEm = 20;
    double TaglioAli = 0;  // raises the lower bound of Em to EmMin (1 + TaglioAli/100), percent
};

}  // namespace nottaro
