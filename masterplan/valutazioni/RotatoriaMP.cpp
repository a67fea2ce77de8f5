// Roundabout rows: luminaires on a circle around the island light the ring;
// the luminaire count is given by the row or searched from 1.
#include <cmath>

#include "core/intensity/Intensita.h"
#include "engine/area/IlluminamentoArea.h"
#include "masterplan/valutazioni/Cornice.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int MaxApparecchiAnello = 100;

double ArrotondaLivello(double x) {
    if (x < 10) return Arrotonda(x, 2);
    if (x > 20) return Arrotonda(x, 0);
    return Arrotonda(x, 1);
}

}  // namespace

AnelloMP CreaAnello(double R, double W, double s, double H, int nCorsie) {
    AnelloMP a;
    a.R = R;
    a.W = W;
    a.s = s;
    a.H = H;
    const int perCorsie = nCorsie * 3;
    if (perCorsie < 1 || !(W > 0) || !(R >= 0)) return a;
    a.NPtiTrasv = W / perCorsie > 1.5 ? static_cast<int>(std::ceil(W / 1.5)) : perCorsie;
    a.NPtiLong = static_cast<int>(std::ceil(2 * Pi * (R + W - W / (2.0 * perCorsie)) / 3));
    for (int i = 0; i < a.NPtiLong; ++i) {
        const double phi = i * 360.0 / a.NPtiLong * RadPerGrado;
        for (int j = 0; j < a.NPtiTrasv; ++j) {
            const double rho = R + W / (2.0 * a.NPtiTrasv) + j * W / a.NPtiTrasv;
            a.X.push_back(rho * std::cos(phi));
            a.Y.push_back(rho * std::sin(phi));
        }
    }
    return a;
}

bool IllumRotatoria(ContestoCalcolo& ctx, const RicercaIntensita& ric, const AnelloMP& a, int n, double fattore,
                    StatisticheIllum& stat, std::vector<double>* e) {
    if (a.X.empty() || n < 1 || !(a.H > 0)) {
        ctx.ErrCalcolo = true;
        return false;
    }
    // C = 90 points across the ring toward the street side.
    const double rotazione = a.s >= a.R + a.W / 2 ? 90 : 270;
    std::vector<double> lx(n), ly(n), phi(n);
    for (int k = 0; k < n; ++k) {
        const double theta = k * 360.0 / n;
        lx[k] = a.s * std::cos(theta * RadPerGrado);
        ly[k] = a.s * std::sin(theta * RadPerGrado);
        phi[k] = std::fmod(theta + rotazione, 360.0);
    }
    double somma = 0, emin = 1e6, emax = 0;
    if (e) e->assign(a.X.size(), 0);
    for (std::size_t q = 0; q < a.X.size(); ++q) {
        double E = 0;
        for (int k = 0; k < n; ++k) {
            const double dx = a.X[q] - lx[k], dy = a.Y[q] - ly[k];
            const double gamma = Gradi(std::atan2(std::sqrt(dx * dx + dy * dy), a.H));
            double c = Gradi(std::atan2(dy, dx)) - phi[k];
            while (c < 0) c += 360;
            while (c >= 360) c -= 360;
            const double I = ric(ctx, gamma, c);
            if (ctx.ErrCalcolo) return false;
            E += IllumOrizzontale(I, gamma, a.H, fattore);
        }
        if (!std::isfinite(E)) {
            ctx.ErrCalcolo = true;
            return false;
        }
        if (e) (*e)[q] = E;
        somma += E;
        emin = std::min(emin, E);
        emax = std::max(emax, E);
    }
    stat.EmCalc = ArrotondaLivello(somma / static_cast<double>(a.X.size()));
    stat.EminCalc = ArrotondaLivello(emin);
    stat.EmaxCalc = ArrotondaLivello(emax);
    return true;
}

EsitoRigaMP CalcoloRotatoriaMP(const DatiRigaMP& d, const OpzioniMP& o) {
    SceltaSoluzioni scelta;
    EsitoRigaMP& es = scelta.Esito();
    const AnelloMP anello = CreaAnello(d.Interdist, d.W, d.s, d.H, d.NCorsie);
    const RequisitiArea req = RequisitiAreaMP(d, o);
    const double superficie = Pi * ((d.Interdist + d.W) * (d.Interdist + d.W) - d.Interdist * d.Interdist);
    const bool dato = d.NApparecchi > 0;
    long long conta = 0;
    PerOgniFileLampada(d, o, false, es, [&](const FileLdt& f, int lampada) {
        const RicercaIntensita ric(*f.Foto, lampada);
        for (int n = dato ? d.NApparecchi : 1; n <= (dato ? d.NApparecchi : MaxApparecchiAnello); ++n) {
            ContestoCalcolo ctx;
            StatisticheIllum st;
            ++conta;
            if (!IllumRotatoria(ctx, ric, anello, n, o.Deprezz * o.FattRiduzione, st)) {
                es.Avvisi.push_back("File: " + f.Percorso + " ERROR: N. " + std::to_string(conta) + " E=" +
                                    FormatoGenerale(st.EmCalc) + " Emin=" + FormatoGenerale(st.EminCalc) +
                                    " Uo=" + FormatoGenerale(st.Uo()));
                continue;
            }
            if (o.TuttiRisultati || VerificaClasseA(st, req)) {
                const int posti = scelta.Posti(n);
                SoluzioneMP c;
                if (posti != 0) {
                    c.Spaziatura = n;
                    c.Livello = st.EmCalc;
                    c.Uniformita = st.Uo();
                    c.Terzo = st.EminCalc;
                    c.HaTI = false;
                    LampadaEIndice(c, f, lampada,
                                   IndiceIPEI(n * f.Foto->PotLamp[lampada], st.EmCalc, superficie, 1, o.Deprezz,
                                              d.ClasseRiga));
                }
                scelta.Trattieni(c, posti);
                if (posti & 2)
                    es.Osservazione = OsservazioneSpaziatura(2 * Pi * d.s / n / d.H, TipoOsservazione::Rotatoria);
            }
            // The search ends once the ring is brighter than the class allows.
            if (st.EmCalc > req.EmMin * (1 + req.ErrEm / 100)) break;
        }
        return true;
    });
    es.Parola = ParolaRisultato(es.Trattenuti, dato);
    return std::move(es);
}

}  // namespace nottaro::mp
