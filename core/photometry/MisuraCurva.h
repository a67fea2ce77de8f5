#pragma once
// Extent of the polar intensity diagram and the zoom it starts at, shared by
// the photometric viewer and the printed report.
#include "core/photometry/Fotometria.h"

namespace nottaro {

struct DatiCurva {
    double IMax = 0;         // largest intensity of the table, cd/klm
    int PianoIMax = 0;       // 1-based plane of IMax, 0 when no intensity exceeds 0
    int GammaIMax = 0;       // 1-based gamma column of IMax, 0 likewise
    double MaxIsen = 0;      // largest horizontal component I·sin(gamma), cd/klm
    double MaxIcos = 0;      // largest downward component I·cos(gamma), cd/klm
    double RaggioCurva = 0;  // half-size of the diagram: max(MaxIsen, MaxIcos)
};

// Scans gamma (outer) and planes (inner); a later equal value never replaces
// an earlier one, so the first maximum in that order wins. The one place the
// largest intensity and its direction are found: the diagram, the report and
// `info` name the same plane when several share the maximum.
DatiCurva MisuraCurva(const Fotometria& f);

// Zoom a diagram of half-size `raggio` (cd/klm) starts at in a box of about
// `lato` pixels (250 on screen, the report's figure size on paper).
struct ZoomCurva {
    double zoom = 0.1;      // pixels per cd/klm
    double mostrato = 0.1;  // the number the zoom field shows
    int latoScatola = 0;    // width and height of the painted box, pixels
};

// Two decimals, truncated; the field shows one decimal. A diagram with no
// extent (raggio 0) gets 0.1 in a `lato` box; one so large that two decimals
// truncate to 0 keeps lato / (2·raggio) unrounded, and the field then shows
// that zoom instead of a truncated 0.
ZoomCurva ZoomIniziale(double raggio, int lato);

// The zoom arrows: up adds 0.1 to the shown number, down subtracts 0.1 only
// while it is above 0.1. The result is what the field shows after the step
// (general format, so 0.1 + 0.2 reads back as 0.3).
double PassoZoom(double mostrato, bool su);

// Painted box for a zoom: Trunc(2·raggio·zoom), or `lato` for a diagram with
// no extent.
int LatoScatola(double raggio, double zoom, int lato);

}  // namespace nottaro
