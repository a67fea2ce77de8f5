#pragma once
// False-colour map of a calculation field (luminance or illuminance) on any
// painter: the window beside its table and the printed report draw the same.
// Oriented as the tables: x along the road to the right, the left-hand edge
// of the road (y = width) at the top. Each point is a cell reaching halfway
// to its neighbours; the colours run over a fixed perceptually uniform ramp
// from `minimo` to `massimo`, so the maps of one solution's observers share
// one scale. A colour bar with five ticks and the unit sits at the right.
#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace nottaro {

struct DatiMappa {
    std::vector<double> x;       // m, one per field row along the road (ascending)
    std::vector<double> y;       // m, one per point across (ascending)
    std::vector<double> valori;  // (i, j) at i * y.size() + j
    double minimo = 0, massimo = 0;  // ends of the colour scale
    QString unita;               // "cd/m²", "lx"
    double larghezza = 0;        // m, road or path width: edges at y = 0 and y = larghezza
    std::vector<double> centriX, centriY;  // light centres, m
    bool conOsservatore = false;
    double osservatoreY = 0;     // the observer's y (x = -60, eye at 1.5 m)
    QString testoOsservatore;    // its label, as the window writes it
};

// The ramp's colour at t in [0, 1] (clamped).
QColor ColoreRampa(double t);

// Draws the map into `area`: the field's cells and the road edges at one
// scale along and at most three times that across (a long, narrow road stays
// readable); light centres outside the field are left out. An empty field
// draws nothing but the frame.
void DisegnaMappa(QPainter& p, const QRect& area, const DatiMappa& d);

}  // namespace nottaro
