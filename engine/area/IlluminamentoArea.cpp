#include "engine/area/IlluminamentoArea.h"

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
    geometriaValida_ = false;
    const EsitoA esito = CreaGrigliaA(p, griglia_);
    if (esito != EsitoA::Ok) return esito;
    if (!DisponiApparecchiA(p, app_)) return EsitoA::DisposizioneSconosciuta;
    preparati_ = p;
    pronto_ = true;
    return EsitoA::Ok;
}

bool LavoroArea::PreparaGeometria(ContestoCalcolo& ctx, const ParametriArea& p) {
    const bool inclinata = p.InclinaA != 0;
    if (geometriaValida_ && hGeo_ == p.HPaloA && sbrGeo_ == p.SbraccioA && inclinataGeo_ == inclinata)
        return !geometriaErrata_;
    const std::size_t nPunti = griglia_.Punti.size();
    const std::size_t n = app_.size() * nPunti;
    gamma_.resize(n);
    c_.resize(n);
    cos3_.resize(n);
    // A private context: an angle that cannot be formed marks the whole
    // geometry, whatever tilt is evaluated with it.
    ContestoCalcolo geo;
    geometriaErrata_ = false;
    std::size_t k = 0;
    for (const auto& a : app_)
        for (std::size_t q = 0; q < nPunti; ++q, ++k) {
            if (!AngoliA(geo, p, a, griglia_.Punti[q].x, griglia_.Punti[q].y, gamma_[k], c_[k])) {
                geometriaErrata_ = true;
                break;
            }
            cos3_[k] = Cos3(gamma_[k]);
        }
    hGeo_ = p.HPaloA;
    sbrGeo_ = p.SbraccioA;
    inclinataGeo_ = inclinata;
    geometriaValida_ = true;
    if (geometriaErrata_) ctx.ErrCalcolo = true;
    return !geometriaErrata_;
}

bool LavoroArea::Valuta(ContestoCalcolo& ctx, const RicercaIntensita& ricerca, const ParametriArea& p) {
    if (!pronto_ || p.Interdist != preparati_.Interdist || p.LargStradaA != preparati_.LargStradaA ||
        p.DispPaliA != preparati_.DispPaliA || p.GrigliaPers != preparati_.GrigliaPers ||
        p.NPtiX != preparati_.NPtiX || p.NPtiY != preparati_.NPtiY)
        return false;
    if (!PreparaGeometria(ctx, p)) {
        ctx.ErrCalcolo = true;
        return false;
    }
    AzzeraIllum(campo_, griglia_.NPtiLong, griglia_.NPtiTrasv);
    const double H = p.HPaloA, D = p.DeprezzA, inclina = p.InclinaA;
    const std::size_t nPunti = griglia_.Punti.size();
    double* E = campo_.Illum.data();
    const double* gamma = gamma_.data();
    const double* c = c_.data();
    const double* cos3 = cos3_.data();
    std::size_t k = 0;
    for (std::size_t a = 0; a < app_.size(); ++a)
        for (std::size_t q = 0; q < nPunti; ++q, ++k) {
            const double I = IntensitaA(ctx, ricerca, inclina, gamma[k], c[k]);
            if (ctx.ErrCalcolo) return false;
            E[q] += I * cos3[k] / (H * H) * D;
        }
    stat_ = CalcolaStatisticheIllum(campo_);
    return true;
}

}  // namespace nottaro
