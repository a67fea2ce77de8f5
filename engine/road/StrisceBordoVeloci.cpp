#include "engine/road/StrisceBordoVeloci.h"

#include "core/intensity/AccumulaLuce.h"
#include "core/intensity/DirezioneLuce.h"
#include "engine/road/RapportoBordo.h"

namespace nottaro {

void StrisceBordoVeloci::preparaGeometria(const ParametriStrada& p, const std::vector<Apparecchio>& app, double w) {
    ParametriStrada chiave = p;
    chiave.Inclina = 0;
    const auto stessiPali = [&] {
        if (app.size() != app_.size()) return false;
        for (std::size_t a = 0; a < app.size(); ++a)
            if (app[a].x != app_[a].x || app[a].y != app_[a].y) return false;
        return true;
    };
    if (valida_ && chiave == chiave_ && w == wChiave_ && stessiPali()) return;
    valida_ = true;
    chiave_ = chiave;
    wChiave_ = w;
    app_ = app;
    errBase_ = errInclinata_ = false;
    grigliaOk_ = GrigliaStrisce(p, w, griglia_);
    if (!grigliaOk_) return;
    const std::size_t nq = griglia_.Punti.size();
    xs_.resize(nq);
    ys_.resize(nq);
    for (std::size_t q = 0; q < nq; ++q) {
        xs_[q] = griglia_.Punti[q].x;
        ys_[q] = griglia_.Punti[q].y;
    }
    geo_.Ridimensiona(app.size() * nq);
    cos3_.resize(geo_.size());
    for (std::size_t a = 0; a < app.size(); ++a) {
        ErroriAngoli err;
        const bool versoMenoY = GuardaMenoY(p, app[a]);
        forma_.Forma(xs_.data(), ys_.data(), nq, app[a].x, app[a].y, SbraccioSegnato(p, app[a]), p.HPalo,
                     [versoMenoY](double c) { return OrientaC(c, versoMenoY); }, geo_, a * nq, err);
        errBase_ = errBase_ || err.gamma;
        errInclinata_ = errInclinata_ || err.inclinata;
        for (std::size_t q = a * nq; q < (a + 1) * nq; ++q) cos3_[q] = Cos3(geo_.gamma[q]);
    }
}

bool StrisceBordoVeloci::Calcola(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriStrada& p,
                                 const std::vector<Apparecchio>& app, double w, CampoIllum& campo) {
    preparaGeometria(p, app, w);
    if (!grigliaOk_) return false;
    if (errBase_ || (p.Inclina != 0 && errInclinata_)) {
        ctx.ErrCalcolo = true;
        return false;
    }
    I_.resize(geo_.size());
    if (!inclinate_.Calcola(ctx, ricerca, geo_, p.Inclina, I_.data())) return false;
    AzzeraIllum(campo, griglia_.NPtiLong, griglia_.NPtiTrasv);
    // E = I cos^3(gamma) / H^2 x f, pole after pole as the point-by-point sum adds them.
    const std::size_t nq = griglia_.Punti.size();
    const double H2 = p.HPalo * p.HPalo, dep = p.Deprezz * p.FattRiduzione;
    for (std::size_t a = 0; a < app.size(); ++a) AccumulaLuce(campo.Illum.data(), I_.data() + a * nq, cos3_.data() + a * nq, nq, H2, dep);
    return true;
}

}  // namespace nottaro
