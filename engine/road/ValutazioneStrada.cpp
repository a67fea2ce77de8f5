#include "engine/road/ValutazioneStrada.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/AccumulaLuce.h"
#include "engine/road/Riflessione.h"
#include "engine/road/RiflessioneBlocco.h"

namespace nottaro {

void ValutazioneStrada::ImpostaFotometria(const Fotometria& foto, int lampCalc) {
    ricerca_.Imposta(foto, lampCalc);
    lampCalc_ = lampCalc >= 0 && lampCalc < MaxLampade ? lampCalc : -1;
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

void ValutazioneStrada::direzioni(const ParametriStrada& p, const Apparecchio& a, const double* xs, const double* ys,
                                  std::size_t n, DirezioniInclinabili& d, std::size_t da, Errori& e) {
    ErroriAngoli err;
    const bool versoMenoY = GuardaMenoY(p, a);
    forma_.Forma(xs, ys, n, a.x, a.y, SbraccioSegnato(p, a), p.HPalo,
                 [versoMenoY](double c) { return OrientaC(c, versoMenoY); }, d, da, err);
    if (err.gamma) e.base = true;
    if (err.inclinata) e.inclinata = true;
    tanGamma_.resize(n);
    TanGammaBlocco(d.gamma.data() + da, n, tanGamma_.data());
}

void ValutazioneStrada::coeffR(const ParametriStrada& p, const Apparecchio& a, const double* xs, const double* ys,
                               std::size_t n, const DirezioniInclinabili& d, std::size_t da, const double* tanG,
                               double xo, double yo, double* r, Errori& e) {
    beta_.resize(n);
    if (BetaBlocco(xs, ys, n, a.x, a.y, SbraccioSegnato(p, a), xo, yo, beta_.data())) e.base = true;
    const IndiceR& T = IndiciR()[p.ClassePav];
    ContestoCalcolo ctx;
    CoeffRIndiceBlocco(ctx, T, d.gamma.data() + da, tanG, beta_.data(), n, r);
    if (ctx.ErrCalcolo) e.base = true;
}

void ValutazioneStrada::preparaGeometria(const ParametriStrada& p) {
    ParametriStrada chiave = p;
    chiave.Inclina = 0;
    if (geometriaValida_ && chiave == chiaveGeo_) return;
    chiaveGeo_ = chiave;
    geometriaValida_ = true;
    veloValido_ = false;
    const auto& g = campo_.Griglia;
    const auto& oss = campo_.Oss;
    const auto& app = campo_.Apparecchi;
    errStima_ = errAsse_ = Errori{};
    campoValido_ = false;

    // Lane lines: lane k's points at the height of its observer, lane-major.
    const std::size_t nl = static_cast<std::size_t>(g.NPtiLong);
    xs_.resize(static_cast<std::size_t>(na_));
    ys_.resize(static_cast<std::size_t>(na_));
    for (int k = 0; k < p.NCorsie; ++k)
        for (int i = 0; i < g.NPtiLong; ++i) {
            xs_[k * nl + i] = g(i, 0).x;
            ys_[k * nl + i] = oss.OssY[k];
        }
    geoAsse_.Ridimensiona(static_cast<std::size_t>(np_) * na_);
    rAsse_.resize(static_cast<std::size_t>(np_) * na_);
    for (int a = 0; a < np_; ++a) {
        const std::size_t da = static_cast<std::size_t>(a) * na_;
        direzioni(p, app[a], xs_.data(), ys_.data(), na_, geoAsse_, da, errAsse_);
        for (int k = 0; k < p.NCorsie; ++k)
            coeffR(p, app[a], xs_.data() + k * nl, ys_.data() + k * nl, nl, geoAsse_, da + k * nl,
                   tanGamma_.data() + k * nl, oss.OssX, oss.OssY[k], rAsse_.data() + da + k * nl, errAsse_);
    }

    rStima_.resize(g.NPtiTrasv);
    geoStima_.Ridimensiona(palo0_ >= 0 ? g.NPtiTrasv : 0);
    if (palo0_ >= 0) {
        const double xo = p.OssUNI == 1 ? oss.PosOssUNIX : oss.OssX;
        const double yo = p.OssUNI == 1 ? oss.PosOssUNIY : oss.OssY[1];
        xs_.resize(g.NPtiTrasv);
        ys_.resize(g.NPtiTrasv);
        for (int j = 0; j < g.NPtiTrasv; ++j) {
            xs_[j] = g(0, j).x;
            ys_[j] = g(0, j).y;
        }
        direzioni(p, app[palo0_], xs_.data(), ys_.data(), g.NPtiTrasv, geoStima_, 0, errStima_);
        coeffR(p, app[palo0_], xs_.data(), ys_.data(), g.NPtiTrasv, geoStima_, 0, tanGamma_.data(), xo, yo,
               rStima_.data(), errStima_);
    }
}

void ValutazioneStrada::preparaCampo(const ParametriStrada& p) {
    if (campoValido_) return;
    campoValido_ = true;
    errCampo_ = Errori{};
    const auto& g = campo_.Griglia;
    const auto& oss = campo_.Oss;
    const auto& app = campo_.Apparecchi;
    const int nOss = campo_.NOss;
    xs_.resize(static_cast<std::size_t>(nq_));
    ys_.resize(static_cast<std::size_t>(nq_));
    for (int q = 0; q < nq_; ++q) {
        xs_[q] = g.Punti[q].x;
        ys_[q] = g.Punti[q].y;
    }
    geoCampo_.Ridimensiona(static_cast<std::size_t>(np_) * nq_);
    rCampo_.resize(static_cast<std::size_t>(nOss) * np_ * nq_);
    for (int a = 0; a < np_; ++a) {
        const std::size_t da = static_cast<std::size_t>(a) * nq_;
        direzioni(p, app[a], xs_.data(), ys_.data(), nq_, geoCampo_, da, errCampo_);
        for (int o = 0; o < nOss; ++o) {
            const double xo = p.OssUNI == 1 ? oss.PosOssUNIX : oss.OssX;
            const double yo = p.OssUNI == 1 ? oss.PosOssUNIY : oss.OssY[o];
            coeffR(p, app[a], xs_.data(), ys_.data(), nq_, geoCampo_, da, tanGamma_.data(), xo, yo,
                   rCampo_.data() + (static_cast<std::size_t>(o) * np_ + a) * nq_, errCampo_);
        }
    }
}

RisultatoStrada ValutazioneStrada::Valuta(const ParametriStrada& p, const SoglieStrada* soglie) {
    RisultatoStrada r;
    intensitaCampo_ = false;
    if (lampCalc_ < 0 || p.LampCalc != lampCalc_ || p.ClassePav < 0 || p.ClassePav > 5 || !preparaDisposizione(p)) return r;
    preparaGeometria(p);
    AzzeraCampi(campo_);
    const auto& g = campo_.Griglia;
    const double t = p.Inclina, H2 = p.HPalo * p.HPalo, dep = p.Deprezz * p.FattRiduzione;
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
        iStima_.resize(geoStima_.size());
        if (!inclinate_.Calcola(ctx, ricerca_, geoStima_, t, iStima_.data())) return errore("StimaRapida");
        for (int j = 0; j < g.NPtiTrasv; ++j)
            r.StimaRapida = std::max(r.StimaRapida, iStima_[j] * rStima_[j] / H2 * dep);
    }
    if (soglie && soglie->ScartaSottoStima && 0.9 * soglie->LmMin >= r.StimaRapida) {
        r.Esito = EsitoStrada::SottoStima;
        return r;
    }

    // Longitudinal uniformity on every lane line.
    if (errAsse_.Per(t)) return errore("UlOsservatore");
    iAsse_.resize(geoAsse_.size());
    if (!inclinate_.Calcola(ctx, ricerca_, geoAsse_, t, iAsse_.data())) return errore("UlOsservatore");
    for (int a = 0; a < np_; ++a) {
        const double* I = iAsse_.data() + static_cast<std::size_t>(a) * na_;
        const double* rr = rAsse_.data() + static_cast<std::size_t>(a) * na_;
        AccumulaLuce(campo_.LumAsse.data(), I, rr, na_, H2, dep);
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
    if (SottoUlMin(soglie, r.Ul)) {
        r.Esito = EsitoStrada::SottoUl;
        return r;
    }

    // Average luminance and overall uniformity, intensities shared by the observers.
    preparaCampo(p);
    if (errCampo_.Per(t)) return errore("LumOsservatore");
    iCampo_.resize(geoCampo_.size());
    if (!inclinate_.Calcola(ctx, ricerca_, geoCampo_, t, iCampo_.data())) return errore("LumOsservatore");
    intensitaCampo_ = true;
    for (int o = 0; o < campo_.NOss; ++o) {
        double* lum = campo_.LumGriglia.data() + static_cast<std::size_t>(o) * nq_;
        for (int a = 0; a < np_; ++a) {
            const double* I = iCampo_.data() + static_cast<std::size_t>(a) * nq_;
            const double* rr = rCampo_.data() + (static_cast<std::size_t>(o) * np_ + a) * nq_;
            AccumulaLuce(lum, I, rr, nq_, H2, dep);
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
    if (FuoriClasseLmUo(soglie, r.Lm, r.Uo)) {
        r.Esito = EsitoStrada::FuoriClasse;
        return r;
    }

    preparaAbbagliamento(p);
    r.TI = abbagliamento(ctx, p, r.Lm);
    if (ctx.ErrCalcolo) return errore("CalcTI");
    r.Esito = EsitoStrada::Accettato;
    return r;
}

bool ValutazioneStrada::Illuminamento(const ParametriStrada& p, CampoIllum& campo, StatisticheIllum& stat) const {
    if (!intensitaCampo_) return false;
    const auto& g = campo_.Griglia;
    AzzeraIllum(campo, g.NPtiLong, g.NPtiTrasv);
    const std::size_t nPunti = static_cast<std::size_t>(g.NPtiLong) * g.NPtiTrasv;
    if (static_cast<std::size_t>(nq_) < nPunti) return false;
    // Poles outer, points inner and the same expression: the sums of the
    // plain illuminance in the same order.
    const double H = p.HPalo, D = p.Deprezz * p.FattRiduzione;
    for (int a = 0; a < np_; ++a) {
        const double* I = iCampo_.data() + static_cast<std::size_t>(a) * nq_;
        const double* gamma = geoCampo_.gamma.data() + static_cast<std::size_t>(a) * nq_;
        for (std::size_t k = 0; k < nPunti; ++k) campo.Illum[k] += I[k] * Cos3(gamma[k]) / (H * H) * D;
    }
    stat = CalcolaStatisticheIllum(campo);
    return true;
}

// The glare geometry of CalcTI, kept while only the tilt changes.
void ValutazioneStrada::preparaAbbagliamento(const ParametriStrada& p) {
    if (veloValido_) return;
    veloValido_ = true;
    errVelo_ = Errori{};
    veli_.clear();
    gammaVeli_.clear();
    cZeroVeli_.clear();
    cIncVeli_.clear();
    inizioVeli_.clear();
    const CostantiVelo& c = CostantiVelo::Valori();
    const double H = p.HPalo, s = p.Sbraccio, dz = H - 1.5;
    const double x0 = PrimaPosizioneOcchio(H);
    FilaAbbagliamento(p, x0, fila_);
    const int nLong = campo_.Griglia.NPtiLong;
    for (int k = 1; k <= p.NCorsie; ++k) {
        const double yo = p.LargStrada * (2 * k - 1) / (2 * p.NCorsie);
        for (int m = 0; m <= nLong; ++m) {
            inizioVeli_.push_back(static_cast<int>(veli_.size()));
            const double xo = x0 + p.PassoRigheMax * m;
            for (std::size_t n = 0; n < fila_.size(); ++n) {
                const CentroLuce& l = fila_[n];
                if (n > 0 && std::abs(l.x - xo) > 500) break;
                const double dx = l.x - xo, dy = l.y - yo;
                if (!Abbaglia(dx, dz)) continue;
                const GeometriaVelo v = GeometriaDelVelo(dx, dy, dz, c);
                // As CalcolaDirezione toward the eye: gamma over H - 1.5, zero reach.
                ContestoCalcolo ctx;
                const double gamma = CalcGamma(ctx, xo, yo, l.x, l.y, 0, dz);
                const double cZero = OrientaC(CalcC(ctx, xo, yo, l.x, l.y, 0, 0), VersoMenoY(l, s));
                if (ctx.ErrCalcolo) errVelo_.base = true;
                ContestoCalcolo ctxInc;
                const double cInc = OrientaC(CalcC(ctxInc, xo, yo, l.x, l.y, 0, 1), VersoMenoY(l, s));
                if (ctxInc.ErrCalcolo) errVelo_.inclinata = true;
                gammaVeli_.push_back(gamma);
                cZeroVeli_.push_back(cZero);
                cIncVeli_.push_back(cInc);
                veli_.push_back(v);
            }
        }
    }
    inizioVeli_.push_back(static_cast<int>(veli_.size()));
    // The sines and cosines of every veil direction in one pass.
    geoVeli_.Ridimensiona(veli_.size());
    geoVeli_.ImpostaBlocco(0, veli_.size(), gammaVeli_.data(), cZeroVeli_.data(), cIncVeli_.data());
}

// CalcTI over the lanes (the largest), the intensities for this tilt only.
double ValutazioneStrada::abbagliamento(ContestoCalcolo& ctx, const ParametriStrada& p, double Lm) {
    if (errVelo_.Per(p.Inclina)) {
        ctx.ErrCalcolo = true;
        return 0;
    }
    const CostantiVelo& c = CostantiVelo::Valori();
    const double Liniziale = LuminanzaIniziale(Lm, p.Deprezz);
    iVeli_.resize(geoVeli_.size());
    if (!inclinate_.Calcola(ctx, ricerca_, geoVeli_, p.Inclina, iVeli_.data())) return 0;
    double tiMax = 0;
    for (std::size_t pos = 0; pos + 1 < inizioVeli_.size(); ++pos) {
        double lvSomma = 0;
        for (int n = inizioVeli_[pos]; n < inizioVeli_[pos + 1]; ++n)
            lvSomma += VeloDi(iVeli_[n], veli_[n], c, p.FattRiduzione);
        const double ti = IncrementoSoglia(lvSomma, Liniziale);
        if (!std::isfinite(ti)) {
            ctx.ErrCalcolo = true;
            return 0;
        }
        tiMax = std::max(tiMax, ti);
    }
    return tiMax;
}

}  // namespace nottaro
