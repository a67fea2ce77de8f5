#include "engine/road/ValutazioneStrada.h"

#include <algorithm>
#include <cmath>

#include "engine/road/Riflessione.h"

namespace nottaro {

void ValutazioneStrada::ImpostaFotometria(const Fotometria& foto, int lampCalc) {
    ricerca_.Imposta(foto, lampCalc);
    lampCalc_ = lampCalc;
    disposizioneValida_ = geometriaValida_ = false;
}

bool ValutazioneStrada::preparaDisposizione(const ParametriStrada& p) {
    ParametriStrada chiave = p;
    chiave.Sbraccio = chiave.Inclina = 0;
    if (disposizioneValida_ && chiave == chiaveDisp_) return true;
    geometriaValida_ = false;
    disposizioneValida_ = PreparaCampo(p, campo_);
    chiaveDisp_ = chiave;
    if (!disposizioneValida_) return false;
    np_ = campo_.NApparecchi();
    nq_ = static_cast<int>(campo_.Griglia.Punti.size());
    na_ = p.NCorsie * campo_.Griglia.NPtiLong;
    palo0_ = -1;
    for (int k = 0; k < np_; ++k)
        if (campo_.Apparecchi[k].x == 0) {
            palo0_ = k;
            break;
        }
    return true;
}

void ValutazioneStrada::geometria(const ParametriStrada& p, const Apparecchio& a, double xp, double yp, Geometria& g,
                                  Errori& e) {
    const double s = SbraccioSegnato(p, a);
    ContestoCalcolo ctx;
    g.gamma = CalcGamma(ctx, xp, yp, a.x, a.y, s, p.HPalo);
    g.cZero = OrientaC(CalcC(ctx, xp, yp, a.x, a.y, s, 0), GuardaMenoY(a));
    if (ctx.ErrCalcolo) e.base = true;
    ContestoCalcolo ctxInc;
    g.cInc = OrientaC(CalcC(ctxInc, xp, yp, a.x, a.y, s, 1), GuardaMenoY(a));
    if (ctxInc.ErrCalcolo) e.inclinata = true;
}

double ValutazioneStrada::coeffR(const ParametriStrada& p, const Apparecchio& a, double xp, double yp, double xo,
                                 double yo, double gamma, Errori& e) {
    ContestoCalcolo ctx;
    const double beta = CalcBeta(ctx, xp, yp, a.x, a.y, xo, yo, SbraccioSegnato(p, a));
    if (ctx.ErrCalcolo) {
        e.base = true;
        return -1;
    }
    const double r = CoeffRIndice(ctx, TabelleR[p.ClassePav], gamma, beta);
    if (ctx.ErrCalcolo) e.base = true;
    return r;
}

void ValutazioneStrada::preparaGeometria(const ParametriStrada& p) {
    ParametriStrada chiave = p;
    chiave.Inclina = 0;
    if (geometriaValida_ && chiave == chiaveGeo_) return;
    chiaveGeo_ = chiave;
    geometriaValida_ = true;
    const auto& g = campo_.Griglia;
    const auto& oss = campo_.Oss;
    const auto& app = campo_.Apparecchi;
    const int nOss = campo_.NOss;
    errStima_ = errAsse_ = errCampo_ = Errori{};

    geoCampo_.resize(static_cast<std::size_t>(np_) * nq_);
    rCampo_.resize(static_cast<std::size_t>(nOss) * np_ * nq_);
    for (int a = 0; a < np_; ++a)
        for (int q = 0; q < nq_; ++q) {
            const auto& pt = g.Punti[q];
            auto& geo = geoCampo_[static_cast<std::size_t>(a) * nq_ + q];
            geometria(p, app[a], pt.x, pt.y, geo, errCampo_);
            for (int o = 0; o < nOss; ++o) {
                const double xo = p.OssUNI == 1 ? oss.PosOssUNIX : oss.OssX;
                const double yo = p.OssUNI == 1 ? oss.PosOssUNIY : oss.OssY[o];
                rCampo_[(static_cast<std::size_t>(o) * np_ + a) * nq_ + q] =
                    coeffR(p, app[a], pt.x, pt.y, xo, yo, geo.gamma, errCampo_);
            }
        }

    geoAsse_.resize(static_cast<std::size_t>(np_) * na_);
    rAsse_.resize(static_cast<std::size_t>(np_) * na_);
    for (int a = 0; a < np_; ++a)
        for (int k = 0; k < p.NCorsie; ++k)
            for (int i = 0; i < g.NPtiLong; ++i) {
                const std::size_t idx = static_cast<std::size_t>(a) * na_ + static_cast<std::size_t>(k) * g.NPtiLong + i;
                const double xp = g(i, 0).x, yp = oss.OssY[k];
                geometria(p, app[a], xp, yp, geoAsse_[idx], errAsse_);
                rAsse_[idx] = coeffR(p, app[a], xp, yp, oss.OssX, oss.OssY[k], geoAsse_[idx].gamma, errAsse_);
            }

    rStima_.resize(g.NPtiTrasv);
    if (palo0_ >= 0) {
        const double xo = p.OssUNI == 1 ? oss.PosOssUNIX : oss.OssX;
        const double yo = p.OssUNI == 1 ? oss.PosOssUNIY : oss.OssY[1];
        for (int j = 0; j < g.NPtiTrasv; ++j) {
            Geometria geo;
            geometria(p, app[palo0_], g(0, j).x, g(0, j).y, geo, errStima_);
            rStima_[j] = coeffR(p, app[palo0_], g(0, j).x, g(0, j).y, xo, yo, geo.gamma, errStima_);
        }
    }
}

double ValutazioneStrada::intensita(ContestoCalcolo& ctx, const Geometria& g, double inclina) const {
    if (inclina == 0) return ricerca_(ctx, g.gamma, g.cZero);
    RuotaInclinazione(ctx, g.gamma, g.cInc, inclina);
    return ricerca_(ctx, ctx.GammaRuot, ctx.CRuot);
}

RisultatoStrada ValutazioneStrada::Valuta(const ParametriStrada& p, const SoglieStrada* soglie) {
    RisultatoStrada r;
    if (p.LampCalc != lampCalc_ || p.ClassePav < 0 || p.ClassePav > 5 || !preparaDisposizione(p)) return r;
    preparaGeometria(p);
    AzzeraCampi(campo_);
    const auto& g = campo_.Griglia;
    const double t = p.Inclina, H2 = p.HPalo * p.HPalo, dep = p.Deprezz;
    ContestoCalcolo ctx;
    auto errore = [&r](const char* routine) {
        r.Esito = EsitoStrada::Errore;
        r.Routine = routine;
        return r;
    };

    // Quick estimate: the pole at x = 0 on the first row.
    r.StimaRapida = 0;
    if (palo0_ >= 0) {
        if (errStima_.Per(t)) return errore("StimaRapida");
        for (int j = 0; j < g.NPtiTrasv; ++j) {
            const double I = intensita(ctx, geoCampo_[static_cast<std::size_t>(palo0_) * nq_ + j], t);
            if (ctx.ErrCalcolo) return errore("StimaRapida");
            r.StimaRapida = std::max(r.StimaRapida, I * rStima_[j] / H2 * dep);
        }
    }
    if (soglie && 0.9 * soglie->LmMin >= r.StimaRapida) {
        r.Esito = EsitoStrada::SottoStima;
        return r;
    }

    // Longitudinal uniformity on every lane line.
    if (errAsse_.Per(t)) return errore("UlOsservatore");
    iAsse_.resize(static_cast<std::size_t>(np_) * na_);
    for (std::size_t k = 0; k < iAsse_.size(); ++k) {
        iAsse_[k] = intensita(ctx, geoAsse_[k], t);
        if (ctx.ErrCalcolo) return errore("UlOsservatore");
    }
    for (int a = 0; a < np_; ++a) {
        const double* I = iAsse_.data() + static_cast<std::size_t>(a) * na_;
        const double* rr = rAsse_.data() + static_cast<std::size_t>(a) * na_;
        for (int q = 0; q < na_; ++q) campo_.LumAsse[q] += I[q] * rr[q] / H2 * dep;
    }
    for (int k = 0; k < p.NCorsie; ++k) {
        double massimo = 0.01, minimo = 100;
        for (int i = 0; i < g.NPtiLong; ++i) {
            const double L = campo_.LumAsse[static_cast<std::size_t>(k) * g.NPtiLong + i];
            massimo = std::max(massimo, L);
            minimo = std::min(minimo, L);
        }
        campo_.UlOss[k] = minimo / massimo;
        r.Ul = k == 0 ? campo_.UlOss[0] : std::min(r.Ul, campo_.UlOss[k]);
    }
    if (soglie && !soglie->TuttiRisultati && r.Ul < soglie->UlMin / 100) {
        r.Esito = EsitoStrada::SottoUl;
        return r;
    }

    // Average luminance and overall uniformity, intensities shared by the observers.
    if (errCampo_.Per(t)) return errore("LumOsservatore");
    iCampo_.resize(static_cast<std::size_t>(np_) * nq_);
    for (std::size_t k = 0; k < iCampo_.size(); ++k) {
        iCampo_[k] = intensita(ctx, geoCampo_[k], t);
        if (ctx.ErrCalcolo) return errore("LumOsservatore");
    }
    for (int o = 0; o < campo_.NOss; ++o) {
        double* lum = campo_.LumGriglia.data() + static_cast<std::size_t>(o) * nq_;
        for (int a = 0; a < np_; ++a) {
            const double* I = iCampo_.data() + static_cast<std::size_t>(a) * nq_;
            const double* rr = rCampo_.data() + (static_cast<std::size_t>(o) * np_ + a) * nq_;
            for (int q = 0; q < nq_; ++q) lum[q] += I[q] * rr[q] / H2 * dep;
        }
        double somma = 0, minimo = 100;
        for (int q = 0; q < nq_; ++q) {
            somma += lum[q];
            if (lum[q] < minimo) minimo = lum[q];
        }
        const double lm = somma / (g.NPtiLong * g.NPtiTrasv);
        const double uo = minimo / lm;
        if (!std::isfinite(lm) || !std::isfinite(uo)) return errore("LumOsservatore");
        campo_.LmOss[o] = lm;
        campo_.UoOss[o] = uo;
        r.Lm = o == 0 ? lm : std::min(r.Lm, lm);
        r.Uo = o == 0 ? uo : std::min(r.Uo, uo);
    }
    if (soglie && !soglie->TuttiRisultati &&
        !(soglie->LmMin <= r.Lm && r.Lm <= soglie->LmMin * (1 + soglie->ErrLm / 100) && r.Uo >= soglie->UoMin / 100)) {
        r.Esito = EsitoStrada::FuoriClasse;
        return r;
    }

    for (int k = 1; k <= p.NCorsie; ++k) {
        const double yo = p.LargStrada * (2 * k - 1) / (2 * p.NCorsie);
        const double ti = CalcTI(ctx, ricerca_, p, g.NPtiLong, yo, r.Lm, fila_);
        if (ctx.ErrCalcolo) return errore("CalcTI");
        r.TI = std::max(r.TI, ti);
    }
    r.Esito = EsitoStrada::Accettato;
    return r;
}

}  // namespace nottaro
