#include "engine/area/IlluminamentoArea.h"

#include <cmath>

#include "core/intensity/AccumulaLuce.h"

namespace nottaro {

namespace {

template <class Lookup>
bool CalcolaIllumCon(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriArea& p, const GrigliaArea& g,
                     const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat) {
    AzzeraIllum(campo, g.NPtiLong, g.NPtiTrasv);
    const double H = p.HPaloA, D = p.DeprezzA * p.FattRiduzione;
    const std::size_t nPunti = static_cast<std::size_t>(g.NPtiLong) * g.NPtiTrasv;
    for (const auto& a : app) {
        for (std::size_t k = 0; k < nPunti; ++k) {
            const auto& q = g.Punti[k];
            double gamma = 0, c = 0;
            if (!AngoliA(ctx, p, a, q.x, q.y, gamma, c)) return false;
            const double I = IntensitaA(ctx, lookup, p.InclinaA, gamma, c);
            if (ctx.ErrCalcolo) return false;
            campo.Illum[k] += IllumOrizzontale(I, gamma, H, D);
            if (ctx.ErrCalcolo) return false;
        }
    }
    stat = CalcolaStatisticheIllum(campo);
    return true;
}

}  // namespace

bool CalcolaIllum(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriArea& p, const GrigliaArea& g,
                  const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat) {
    return CalcolaIllumCon(ctx, IntensitaDiretta{foto, p.LampCalc}, p, g, app, campo, stat);
}

bool CalcolaIllum(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriArea& p, const GrigliaArea& g,
                  const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat) {
    return CalcolaIllumCon(ctx, ricerca, p, g, app, campo, stat);
}

bool VerificaClasseA(const StatisticheIllum& st, const RequisitiArea& req) {
    if (!(st.EmCalc >= req.EmMin * (1 + req.TaglioAli / 100))) return false;
    if (!(st.EmCalc <= req.EmMin + req.ErrEm * req.EmMin / 100)) return false;
    if (!(st.EminCalc / st.EmCalc >= req.UeMin / 100)) return false;
    return st.EminCalc >= req.EminMin;
}

EsitoA LavoroArea::Prepara(const ParametriArea& p) {
    pronto_ = false;
    geoValida_ = false;
    const EsitoA esito = CreaGrigliaA(p, griglia_);
    if (esito != EsitoA::Ok) return esito;
    if (!DisponiApparecchiA(p, app_)) return EsitoA::DisposizioneSconosciuta;
    xs_.resize(griglia_.Punti.size());
    ys_.resize(griglia_.Punti.size());
    for (std::size_t q = 0; q < griglia_.Punti.size(); ++q) {
        xs_[q] = griglia_.Punti[q].x;
        ys_[q] = griglia_.Punti[q].y;
    }
    preparati_ = p;
    pronto_ = true;
    return EsitoA::Ok;
}

bool LavoroArea::PreparaGeometria(ContestoCalcolo& ctx, const ParametriArea& p) {
    if (!geoValida_ || hGeo_ != p.HPaloA || sbrGeo_ != p.SbraccioA) {
        const std::size_t nPunti = griglia_.Punti.size();
        const std::size_t n = app_.size() * nPunti;
        dir_.Ridimensiona(n);
        cos3_.resize(n);
        // Gamma and the tilted C fail independently (the untilted C always forms).
        ErroriAngoli err;
        for (std::size_t i = 0; i < app_.size(); ++i) {
            const ApparecchioA& a = app_[i];
            const bool lontana = MetaLontana(p, a);
            forma_.Forma(xs_.data(), ys_.data(), nPunti, a.x, a.y, a.y - YTestaA(p, a), p.HPaloA,
                         [lontana](double c) { return OrientaCA(c, lontana); }, dir_, i * nPunti, err);
        }
        // Cos3 from the cosine of gamma the block has just formed (the same value).
        for (std::size_t k = 0; k < n; ++k) cos3_[k] = dir_.cg[k] * dir_.cg[k] * dir_.cg[k];
        errGamma_ = err.gamma;
        errInclinata_ = err.inclinata;
        hGeo_ = p.HPaloA;
        sbrGeo_ = p.SbraccioA;
        geoValida_ = true;
    }
    if (errGamma_ || (p.InclinaA != 0 && errInclinata_)) {
        ctx.ErrCalcolo = true;
        return false;
    }
    return true;
}

bool LavoroArea::Valuta(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriArea& p) {
    if (!pronto_ || p.Interdist != preparati_.Interdist || p.LargStradaA != preparati_.LargStradaA ||
        p.DispPaliA != preparati_.DispPaliA || p.GrigliaPers != preparati_.GrigliaPers ||
        p.NPtiX != preparati_.NPtiX || p.NPtiY != preparati_.NPtiY)
        return false;
    if (!PreparaGeometria(ctx, p)) return false;
    AzzeraIllum(campo_, griglia_.NPtiLong, griglia_.NPtiTrasv);
    const double H = p.HPaloA, D = p.DeprezzA * p.FattRiduzione;
    const std::size_t nPunti = griglia_.Punti.size(), nApp = app_.size();
    // The intensities of every pair first, then the illuminance in a pass of
    // plain arithmetic the compiler can vectorise (the same sums in the same
    // order as one pass would form).
    iCoppia_.resize(dir_.size());
    if (!inclinate_.Calcola(ctx, ricerca, dir_, p.InclinaA, iCoppia_.data())) return false;
    const double* I = iCoppia_.data();
    const double* cos3 = cos3_.data();
    double* E = campo_.Illum.data();
    for (std::size_t a = 0; a < nApp; ++a) {
        const double* Ia = I + a * nPunti;
        const double* c3 = cos3 + a * nPunti;
        AccumulaLuce(E, Ia, c3, nPunti, H * H, D);
    }
    stat_ = CalcolaStatisticheIllum(campo_);
    return true;
}

}  // namespace nottaro
