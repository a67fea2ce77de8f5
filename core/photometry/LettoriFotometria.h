#pragma once
// Readers that fill the photometric record from a luminaire's file, and the
// small helpers every file-reading part of Nottaro shares.
//
// Both readers write only the record they are given. Fields whose line is
// missing or fails to convert keep the value they held before (the previous
// luminaire's), except the intensity table, which is cleared at the start of
// every read. Problems are shown through `ui` as warnings; the return value
// only tells whether the file was there.
//
// A file is refused, with one warning naming it and the line, and leaves no
// intensity table (so no calculation runs on it) when: it is not a regular
// file (message 1051) or is larger than 64 MB (1052); it ends before its
// intensity table is complete; it holds a number that is not finite ("nan",
// "inf") anywhere; its C or gamma angles are not strictly ascending. A file
// whose planes run from C = 0 to a last plane at C = 360 loses that last
// plane (the first one seen again), with message 1050 when the two differ
// by more than 1 % of the maximum intensity. Lines may end in CR LF, LF or
// a lone CR.
#include <string>

#include "core/interaction/Interazione.h"
#include "core/photometry/Fotometria.h"

namespace nottaro {

// True when `path` is not empty and names a regular file that can be opened
// for reading (it is opened and closed again; any I/O error gives false).
// A pipe or a device is never opened: it gives false.
bool EsisteFile(const std::string& path);

// Degrees to radians with the program's own constant: x * 0.01745329252.
double GradiInRad(double x);

// Reads an EULUMDAT file (".ldt", ".elx"). Intensities stay in cd/klm and the
// table is expanded to every C plane whatever the symmetry indicator.
// Returns 0 when the file was found (even if lines failed: each failing step
// shows message 24 and reading goes on), -1 when it is missing (the file
// name, " - " and message 25 are shown). A file declaring more C planes or
// gamma angles than the record holds (MaxPianiC, MaxAngoliG) or a lamp-set
// count outside 1..MaxLampade is refused with message 24 at that line, and
// so is every refusal listed above.
// When the first lamp set has no flux or wattage (below 1) the lamp data
// prompt is shown; if it cannot be asked the file's values are kept.
int LeggiEulumdat(const std::string& path, Fotometria& foto, Interazione& ui);

// Reads an IES LM-63 file (1986, 1991, 1995, 2002, 2019 editions) of
// photometric type C into one lamp set. Candela values are stored as cd/klm
// of the file's lamp flux (number of lamps x lumens per lamp), with the
// candela multiplier and ballast factor applied, and `FlussoLamp`[0] holds
// that flux, so a lookup scaled by the flux gives back the file's candela.
// Absolute photometry (lumens -1) takes the flux from the lamp data prompt,
// or 1000 lm when none is given. Partial C ranges (one plane, one quadrant,
// 0-180, 90-270) are expanded to the full circle. Returns 0 when the file
// was found, -1 when missing (message 25). Tilt data carried in the file
// (TILT=INCLUDE) is skipped by its count of numbers, over any number of
// lines. A wrong first line without a TILT line, a photometric type other
// than C, a conversion error in the data lines or a table larger than the
// record refuse the file like the cases above, with message 394 for a
// 1995 or undated file and message 1053 naming the edition otherwise; a bad
// candela line loses only its plane.
int LeggiIes(const std::string& path, Fotometria& foto, Interazione& ui);

// ".ies" in any case goes to LeggiIes, everything else to LeggiEulumdat.
int LeggiFotometria(const std::string& path, Fotometria& foto, Interazione& ui);

}  // namespace nottaro
