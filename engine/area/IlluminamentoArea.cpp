#include "engine/area/IlluminamentoArea.h"

#include <cmath>

namespace nottaro {

namespace {

template <class Lookup>
bool CalcolaIllumCon(ContestoCalcolo& ctx, const Lookup& lookup, const ParametriArea& p, const GrigliaArea& g,
                     const std::vector<ApparecchioA>& app, CampoIllum& campo, StatisticheIllum& stat) {
    AzzeraIllum(campo, g.NPtiLong, g.NPtiTrasv);
    const double H = p.HPaloA, D = p.DeprezzA;
    const std::size_t nPunti = static_cast<std::size_t>(g.NPtiLong) * g.NPtiTrasv;
    for (const auto& a : app) {
        for (std::size_t k = 0; k < nPunti; ++k) {
            const auto& q = g.Punti[k];
            double gamma = 0, c = 0;
            if (!AngoliA(ctx, p, a, q.x, q.y, gamma, c)) return false;
            const double I = IntensitaA(ctx, lookup, p.InclinaA, gamma, c);
            if (ctx.ErrCalcolo) return false;
            campo.Illum[k] += I * Cos3(gamma) / (H * H) * D;
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
    if (!(st.EmCalc >= req.EmMin)) return false;
    if (!(st.EmCalc <= req.EmMin + req.ErrEm * req.EmMin / 100)) return false;
    if (!(st.EminCalc / st.EmCalc >= req.UeMin / 100)) return false;
    return st.EminCalc >= req.EminMin;
}

EsitoA LavoroArea::Prepara(const ParametriArea& p) {
    pronto_ = false;
    baseValida_ = false;
    const EsitoA esito = CreaGrigliaA(p, griglia_);
    if (esito != EsitoA::Ok) return esito;
    if (!DisponiApparecchiA(p, app_)) return EsitoA::DisposizioneSconosciuta;
    preparati_ = p;
    pronto_ = true;
    return EsitoA::Ok;
}

bool LavoroArea::PreparaGeometria(ContestoCalcolo& ctx, const ParametriArea& p) {
    const std::size_t nPunti = griglia_.Punti.size();
    const std::size_t n = app_.size() * nPunti;
    // A private context: an angle that cannot be formed marks the whole
    // geometry (or the whole C form), whatever tilt is evaluated with it.
    if (!baseValida_ || hGeo_ != p.HPaloA || sbrGeo_ != p.SbraccioA) {
        gamma_.resize(n);
        cos3_.resize(n);
        ContestoCalcolo geo;
        std::size_t k = 0;
        for (const auto& a : app_) {
            const double s = a.y - YTestaA(p, a);
            for (std::size_t q = 0; q < nPunti; ++q, ++k) {
                gamma_[k] = CalcGamma(geo, griglia_.Punti[q].x, griglia_.Punti[q].y, a.x, a.y, s, p.HPaloA);
                if (geo.ErrCalcolo) break;
                cos3_[k] = Cos3(gamma_[k]);
            }
            if (geo.ErrCalcolo) break;
        }
        baseErrata_ = geo.ErrCalcolo;
        hGeo_ = p.HPaloA;
        sbrGeo_ = p.SbraccioA;
        baseValida_ = true;
        cPiana_.valida = cInclinata_.valida = false;
    }
    const bool inclinata = p.InclinaA != 0;
    FormaC& forma = inclinata ? cInclinata_ : cPiana_;
    if (!baseErrata_ && !forma.valida) {
        forma.c.resize(n);
        if (inclinata) {
            sinG_.resize(n);
            cosG_.resize(n);
            sinC_.resize(n);
            cosC_.resize(n);
        }
        ContestoCalcolo geo;
        std::size_t k = 0;
        for (const auto& a : app_) {
            const double s = a.y - YTestaA(p, a);
            const bool lontana = MetaLontana(p, a);
            for (std::size_t q = 0; q < nPunti; ++q, ++k) {
                const double c0 = CalcC(geo, griglia_.Punti[q].x, griglia_.Punti[q].y, a.x, a.y, s, p.InclinaA);
                if (geo.ErrCalcolo) break;
                forma.c[k] = OrientaCA(c0, lontana);
                if (inclinata) {
                    const double g = gamma_[k] * RadPerGrado, c = forma.c[k] * RadPerGrado;
                    sinG_[k] = std::sin(g);
                    cosG_[k] = std::cos(g);
                    sinC_[k] = std::sin(c);
                    cosC_[k] = std::cos(c);
                }
            }
            if (geo.ErrCalcolo) break;
        }
        forma.errata = geo.ErrCalcolo;
        forma.valida = true;
    }
    if (baseErrata_ || forma.errata) {
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
    const double H = p.HPaloA, D = p.DeprezzA, inclina = p.InclinaA;
    const std::size_t nPunti = griglia_.Punti.size(), nApp = app_.size();
    const double* gamma = gamma_.data();
    const double* cos3 = cos3_.data();
    // The intensities of every pair first, then the illuminance in a pass of
    // plain arithmetic the compiler can vectorise (the same sums in the same
    // order as one pass would form).
    iCoppia_.resize(nApp * nPunti);
    double* I = iCoppia_.data();
    if (inclina == 0) {
        const double* c = cPiana_.c.data();
        for (std::size_t k = 0; k < nApp * nPunti; ++k) {
            I[k] = ricerca(ctx, gamma[k], c[k]);
            if (ctx.ErrCalcolo) return false;
        }
    } else {
        const double t = inclina * RadPerGrado, st = std::sin(t), ct = std::cos(t);
        for (std::size_t k = 0; k < nApp * nPunti; ++k) {
            RuotaInclinazioneSC(ctx, sinG_[k], cosG_[k], sinC_[k], cosC_[k], st, ct);
            I[k] = ricerca(ctx, ctx.GammaRuot, ctx.CRuot);
            if (ctx.ErrCalcolo) return false;
        }
    }
    double* E = campo_.Illum.data();
    for (std::size_t a = 0; a < nApp; ++a) {
        const double* Ia = I + a * nPunti;
        const double* c3 = cos3 + a * nPunti;
        for (std::size_t q = 0; q < nPunti; ++q) E[q] += Ia[q] * c3[q] / (H * H) * D;
    }
    stat_ = CalcolaStatisticheIllum(campo_);
    return true;
}

}  // namespace nottaro
