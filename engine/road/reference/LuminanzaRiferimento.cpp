#include "engine/road/reference/LuminanzaRiferimento.h"

#include <algorithm>
#include <cmath>

#include "core/intensity/DirezioneLuce.h"
#include "core/intensity/RicercaIntensita.h"
#include "engine/road/Abbagliamento.h"
#include "engine/road/Riflessione.h"

namespace nottaro::riferimento {

double LuminanzaPalo(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p, const Apparecchio& a,
                     double xp, double yp, double xo, double yo) {
    const double s = SbraccioSegnato(p, a);
    const double H = p.HPalo;
    const double gamma = CalcGamma(ctx, xp, yp, a.x, a.y, s, H);
    const double beta = CalcBeta(ctx, xp, yp, a.x, a.y, xo, yo, s);
    const double c = CalcC(ctx, xp, yp, a.x, a.y, s, p.Inclina);
    if (ctx.ErrCalcolo) return -1;
    const double co = OrientaC(c, GuardaMenoY(a));
    double I;
    if (p.Inclina == 0) {
        I = IntensitaLum(ctx, foto, p.LampCalc, gamma, co);
    } else {
        RuotaInclinazione(ctx, gamma, co, p.Inclina);
        I = IntensitaLum(ctx, foto, p.LampCalc, ctx.GammaRuot, ctx.CRuot);
    }
    const double r = CoeffR(ctx, TabelleR[p.ClassePav], gamma, beta);
    if (ctx.ErrCalcolo) return -1;
    return I * r / (H * H) * p.Deprezz;
}

bool LumOsservatore(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p, CampoStrada& campo,
                    int k, double xo, double yo) {
    const auto& g = campo.Griglia;
    const std::size_t base = static_cast<std::size_t>(k) * g.Punti.size();
    for (const auto& a : campo.Apparecchi)
        for (int i = 0; i < g.NPtiLong; ++i)
            for (int j = 0; j < g.NPtiTrasv; ++j) {
                const double L = LuminanzaPalo(ctx, foto, p, a, g(i, j).x, g(i, j).y, xo, yo);
                if (ctx.ErrCalcolo) return false;
                campo.LumGriglia[base + static_cast<std::size_t>(i) * g.NPtiTrasv + j] += L;
            }
    double somma = 0, minimo = 100;
    for (std::size_t q = 0; q < g.Punti.size(); ++q) {
        const double L = campo.LumGriglia[base + q];
        somma += L;
        if (L < minimo) minimo = L;
    }
    const double lm = somma / (g.NPtiLong * g.NPtiTrasv);
    const double uo = minimo / lm;
    if (!std::isfinite(lm) || !std::isfinite(uo)) {
        ctx.ErrCalcolo = true;
        return false;
    }
    campo.LmOss[k] = lm;
    campo.UoOss[k] = uo;
    return true;
}

bool UlOsservatore(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p, CampoStrada& campo, int k,
                   double xo, double yo) {
    const auto& g = campo.Griglia;
    double* asse = campo.LumAsse.data() + static_cast<std::size_t>(k) * g.NPtiLong;
    const double y = campo.Oss.OssY[k];
    for (const auto& a : campo.Apparecchi)
        for (int i = 0; i < g.NPtiLong; ++i) {
            const double L = LuminanzaPalo(ctx, foto, p, a, g(i, 0).x, y, xo, yo);
            if (ctx.ErrCalcolo) return false;
            asse[i] += L;
        }
    double massimo = 0.01, minimo = 100;
    for (int i = 0; i < g.NPtiLong; ++i) {
        massimo = std::max(massimo, asse[i]);
        minimo = std::min(minimo, asse[i]);
    }
    campo.UlOss[k] = minimo / massimo;
    return true;
}

double StimaRapida(ContestoCalcolo& ctx, const Fotometria& foto, const ParametriStrada& p, const CampoStrada& campo,
                   double xo, double yo) {
    const auto& app = campo.Apparecchi;
    const auto primo = std::find_if(app.begin(), app.end(), [](const Apparecchio& a) { return a.x == 0; });
    if (primo == app.end()) return 0;
    const auto& g = campo.Griglia;
    double massimo = 0;
    for (int j = 0; j < g.NPtiTrasv; ++j) {
        const double L = LuminanzaPalo(ctx, foto, p, *primo, g(0, j).x, g(0, j).y, xo, yo);
        if (ctx.ErrCalcolo) return -1;
        massimo = std::max(massimo, L);
    }
    return massimo;
}

RisultatoStrada ValutaStrada(const Fotometria& foto, const ParametriStrada& p, const SoglieStrada* soglie,
                             CampoStrada& campo) {
    RisultatoStrada r;
    if (!PreparaCampo(p, campo)) return r;
    AzzeraCampi(campo);
    ContestoCalcolo ctx;
    const auto& oss = campo.Oss;
    auto errore = [&r](const char* routine) {
        r.Esito = EsitoStrada::Errore;
        r.Routine = routine;
        return r;
    };

    const bool uni = p.OssUNI == 1;
    r.StimaRapida = StimaRapida(ctx, foto, p, campo, uni ? oss.PosOssUNIX : oss.OssX, uni ? oss.PosOssUNIY : oss.OssY[1]);
    if (ctx.ErrCalcolo) return errore("StimaRapida");
    if (soglie && soglie->ScartaSottoStima && 0.9 * soglie->LmMin >= r.StimaRapida) {
        r.Esito = EsitoStrada::SottoStima;
        return r;
    }

    r.Ul = 0;
    for (int k = 0; k < p.NCorsie; ++k) {
        if (!UlOsservatore(ctx, foto, p, campo, k, oss.OssX, oss.OssY[k])) return errore("UlOsservatore");
        r.Ul = k == 0 ? campo.UlOss[0] : std::min(r.Ul, campo.UlOss[k]);
    }
    if (SottoUlMin(soglie, r.Ul)) {
        r.Esito = EsitoStrada::SottoUl;
        return r;
    }

    if (uni) {
        if (!LumOsservatore(ctx, foto, p, campo, 0, oss.PosOssUNIX, oss.PosOssUNIY)) return errore("LumOsservatore");
        r.Lm = campo.LmOss[0];
        r.Uo = campo.UoOss[0];
    } else {
        for (int k = 0; k < p.NCorsie; ++k) {
            if (!LumOsservatore(ctx, foto, p, campo, k, oss.OssX, oss.OssY[k])) return errore("LumOsservatore");
            r.Lm = k == 0 ? campo.LmOss[0] : std::min(r.Lm, campo.LmOss[k]);
            r.Uo = k == 0 ? campo.UoOss[0] : std::min(r.Uo, campo.UoOss[k]);
        }
    }
    if (FuoriClasseLmUo(soglie, r.Lm, r.Uo)) {
        r.Esito = EsitoStrada::FuoriClasse;
        return r;
    }

    const IntensitaDiretta diretta{foto, p.LampCalc};
    std::vector<CentroLuce> fila;
    r.TI = 0;
    for (int k = 1; k <= p.NCorsie; ++k) {
        const double yo = p.LargStrada * (2 * k - 1) / (2 * p.NCorsie);
        const double ti = CalcTI(ctx, diretta, p, campo.Griglia.NPtiLong, yo, r.Lm, fila);
        if (ctx.ErrCalcolo) return errore("CalcTI");
        r.TI = std::max(r.TI, ti);
    }
    r.Esito = EsitoStrada::Accettato;
    return r;
}

}  // namespace nottaro::riferimento
