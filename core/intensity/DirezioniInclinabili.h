#pragma once
// The directions of many luminaire-point pairs, kept while only the tilt
// changes, and their intensities for one tilt at a time.
//
// A tilt sweep evaluates the same pairs at every tilt: gamma, the two C forms
// and the sines and cosines the rotation needs are formed once, then each
// tilt turns all the pairs in one pass (several pairs per instruction, with
// the branch-free arcs of ArchiVeloci.h) and looks the intensities up. The
// rotated angles and the intensities are bit-identical to those of
// RuotaInclinazione and the lookup pair by pair.
#include <cstddef>
#include <vector>

#include "core/intensity/Intensita.h"
#include "core/intensity/RicercaIntensita.h"

namespace nottaro {

struct DirezioniInclinabili {
    std::vector<double> gamma;   // unrotated gamma (degrees)
    std::vector<double> cPiana;  // oriented C of the untilted form (degrees)
    // Sines and cosines of gamma and of the oriented C of the tilted form.
    std::vector<double> sg, cg, sc, cc;

    std::size_t size() const { return gamma.size(); }
    void Ridimensiona(std::size_t n);
    // Direction k from its unrotated gamma and its two oriented C forms.
    void Imposta(std::size_t k, double gammaK, double cPianaK, double cInclinataK);
    // The same as a new last direction.
    void Aggiungi(double gammaK, double cPianaK, double cInclinataK);
    // Directions [da, da + n) the same way, from arrays of n.
    void ImpostaBlocco(std::size_t da, std::size_t n, const double* gammaB, const double* cPianaB,
                       const double* cInclinataB);
};

// Which angles of a block could not be formed (the untilted C always can).
struct ErroriAngoli {
    bool gamma = false, inclinata = false;
};

// The angles from one light centre (xl, yl - s, H) toward the surface points
// (xp[k], yp[k]), k < n, as CalcGamma and CalcC form them one by one: gamma
// and the untilted and tilted C, before the luminaire's orientation.
void AngoliBlocco(const double* xp, const double* yp, std::size_t n, double xl, double yl, double s, double H,
                  double* gamma, double* cPiana, double* cInclinata, ErroriAngoli& errori);

// Work arrays to form the directions of one light centre toward a block of
// points: one per evaluation object.
class FormaDirezioni {
public:
    // Directions from the light centre (xl, yl - s, H) toward the n points
    // (xs, ys) into entries [da, da + n) of d, both C forms passed through
    // orienta (the luminaire's orientation); the block's errors are added to
    // errori.
    template <class Orienta>
    void Forma(const double* xs, const double* ys, std::size_t n, double xl, double yl, double s, double H,
               const Orienta& orienta, DirezioniInclinabili& d, std::size_t da, ErroriAngoli& errori) {
        gamma_.resize(n);
        piana_.resize(n);
        inclinata_.resize(n);
        AngoliBlocco(xs, ys, n, xl, yl, s, H, gamma_.data(), piana_.data(), inclinata_.data(), errori);
        for (std::size_t k = 0; k < n; ++k) {
            piana_[k] = orienta(piana_[k]);
            inclinata_[k] = orienta(inclinata_[k]);
        }
        d.ImpostaBlocco(da, n, gamma_.data(), piana_.data(), inclinata_.data());
    }

private:
    std::vector<double> gamma_, piana_, inclinata_;
};

// Rotated gamma (0..180) and C ([0, 360]) of directions [0, n) for one tilt
// (degrees, nonzero), as RuotaInclinazioneSC forms them per direction.
void RuotaInclinazioni(const DirezioniInclinabili& d, std::size_t n, double inclina, double* gammaR, double* cR);

// Work arrays of the rotated angles: one per evaluation object.
class IntensitaInclinate {
public:
    // I[k] for every direction k of d: the intensity toward it for the tilt
    // (untilted: gamma and the untilted C as they stand). False, with
    // ErrCalcolo raised, as soon as a lookup fails.
    bool Calcola(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const DirezioniInclinabili& d,
                 double inclina, double* I);

private:
    std::vector<double> gammaR_, cR_;
};

}  // namespace nottaro
