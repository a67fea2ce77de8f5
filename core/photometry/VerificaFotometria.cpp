#include "core/photometry/VerificaFotometria.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/i18n/MessaggiFotometria.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {


constexpr double Rad = std::numbers::pi / 180.0;

std::string Num(double x) { return FormatoGenerale(x); }
// Percentages and differences shown to two decimals.
std::string Num2(double x) { return FormatoGenerale(std::round(x * 100) / 100); }

// Column whose gamma equals `gradi` exactly (the last one when several do), 0 if none.
int ColonnaGamma(const Fotometria& f, double gradi) {
    int trovata = 0;
    for (int g = 1; g <= f.NumG(); ++g)
        if (f.Intens.AngoloG(g) == gradi) trovata = g;
    return trovata;
}

EsitoVerifica LuceVersoAlto(const Fotometria& f) {
    EsitoVerifica e;
    e.nome = "upward_light";
    const double ultimo = f.NumG() > 0 ? f.Intens.AngoloG(f.NumG()) : 0;
    if (f.NumG() == 0 || f.NumC() == 0 || ultimo < 90) {
        e.testo = ConArgomenti(Msg(MsgLuceAltoNonVerificabile), {Num(ultimo)});
        e.valori = {{"last_gamma", ultimo}};
        return e;
    }
    double imax = -1, cmax = 0, gmax = 0;
    int oltre = 0;
    for (int g = 1; g <= f.NumG(); ++g) {
        if (f.Intens.AngoloG(g) < 90) continue;
        for (int c = 1; c <= f.NumC(); ++c) {
            const double v = f.Intens.Valore(c, g);
            if (v > LimiteLuceAlto) ++oltre;
            if (v > imax) {
                imax = v;
                cmax = f.Intens.AngoloC(c);
                gmax = f.Intens.AngoloG(g);
            }
        }
    }
    e.ok = oltre == 0;
    e.testo = ConArgomenti(Msg(MsgLuceAlto), {Num(imax), Num(cmax), Num(gmax), std::to_string(oltre)});
    e.valori = {{"imax", imax}, {"c", cmax}, {"gamma", gmax}, {"cells_above_limit", oltre}};
    return e;
}

// Every plane meets at the nadir and at the zenith: their values there must agree.
EsitoVerifica PianiConcordi(const Fotometria& f, int colonna, const char* nome, int messaggio) {
    EsitoVerifica e;
    e.nome = nome;
    double lo = f.Intens.Valore(1, colonna), hi = lo;
    for (int c = 2; c <= f.NumC(); ++c) {
        lo = std::min(lo, f.Intens.Valore(c, colonna));
        hi = std::max(hi, f.Intens.Valore(c, colonna));
    }
    const double diff = hi - lo;
    const double perc = hi > 0 ? diff / hi * 100 : 0;
    e.ok = !(diff > ToleranzaNadirRelativa * hi && diff > ToleranzaNadirAssoluta);
    e.testo = ConArgomenti(Msg(messaggio), {Num(lo), Num(hi), Num2(perc)});
    e.valori = {{"min", lo}, {"max", hi}, {"difference_percent", perc}};
    return e;
}

EsitoVerifica Copertura(const Fotometria& f) {
    EsitoVerifica e;
    e.nome = "coverage";
    const double primo = f.NumG() > 0 ? f.Intens.AngoloG(1) : 0, ultimo = f.NumG() > 0 ? f.Intens.AngoloG(f.NumG()) : 0;
    double passoG = 0;
    for (int g = 1; g < f.NumG(); ++g)
        if (f.Intens.AngoloG(g) < 90) passoG = std::max(passoG, std::min(f.Intens.AngoloG(g + 1), 90.0) - f.Intens.AngoloG(g));
    double distC = 0;
    if (f.NumC() > 1) {
        for (int c = 1; c < f.NumC(); ++c) distC = std::max(distC, f.Intens.AngoloC(c + 1) - f.Intens.AngoloC(c));
        distC = std::max(distC, f.Intens.AngoloC(1) + 360 - f.Intens.AngoloC(f.NumC()));
    }
    e.ok = f.NumG() > 0 && primo == 0 && ultimo >= 90 && passoG <= PassoGammaMassimo && distC <= DistanzaPianiMassima;
    e.testo = ConArgomenti(Msg(MsgCopertura), {Num(primo), Num(ultimo), Num(passoG), Num(distC)});
    e.valori = {{"first_gamma", primo}, {"last_gamma", ultimo}, {"largest_gamma_step", passoG}, {"largest_c_gap", distC}};
    return e;
}

std::string Dichiarato(double v) { return v == 0 ? Msg(MsgNonDichiarato) : ConArgomenti(Msg(MsgDichiarato), {Num2(v)}); }

EsitoVerifica Flusso(const Fotometria& f) {
    EsitoVerifica e;
    e.nome = "flux";
    const FlussoTabella fl = FlussoZonale(f);
    const double lor = fl.totale / 10;
    const double dff = fl.totale > 0 ? fl.basso / fl.totale * 100 : 0;
    const bool lorOk = f.LORL == 0 || std::fabs(lor - f.LORL) <= ScartoFlussoMassimo;
    const bool dffOk = f.DFF == 0 || std::fabs(dff - f.DFF) <= ScartoFlussoMassimo;
    e.ok = lorOk && dffOk;
    e.testo = ConArgomenti(Msg(MsgFlusso), {Num2(fl.totale), Num2(lor), Dichiarato(f.LORL), Num2(dff), Dichiarato(f.DFF)});
    e.valori = {{"flux_lm_per_klm", fl.totale}, {"lor", lor}, {"lorl_declared", f.LORL},
                {"dff", dff},                   {"dff_declared", f.DFF}};
    return e;
}

}  // namespace

FlussoTabella FlussoZonale(const Fotometria& f) {
    FlussoTabella r;
    if (f.NumC() < 1 || f.NumG() < 1) return r;
    const int nc = f.NumC(), ng = f.NumG();
    for (int c = 1; c <= nc; ++c) {
        double dphi = 2 * std::numbers::pi;
        if (nc > 1) {
            const double prima = c > 1 ? f.Intens.AngoloC(c - 1) : f.Intens.AngoloC(nc) - 360;
            const double dopo = c < nc ? f.Intens.AngoloC(c + 1) : f.Intens.AngoloC(1) + 360;
            dphi = (dopo - prima) / 2 * Rad;
        }
        for (int g = 1; g <= ng; ++g) {
            const double a = g > 1 ? (f.Intens.AngoloG(g - 1) + f.Intens.AngoloG(g)) / 2 : f.Intens.AngoloG(1);
            const double b = g < ng ? (f.Intens.AngoloG(g) + f.Intens.AngoloG(g + 1)) / 2 : f.Intens.AngoloG(ng);
            const double i = f.Intens.Valore(c, g) * dphi;
            r.totale += i * (std::cos(a * Rad) - std::cos(b * Rad));
            if (a < 90) r.basso += i * (std::cos(a * Rad) - std::cos(std::min(b, 90.0) * Rad));
        }
    }
    return r;
}

std::vector<EsitoVerifica> VerificaFotometria(const Fotometria& f) {
    std::vector<EsitoVerifica> out;
    out.push_back(LuceVersoAlto(f));
    const int nadir = f.NumC() > 0 ? ColonnaGamma(f, 0) : 0;
    if (nadir > 0) {
        out.push_back(PianiConcordi(f, nadir, "nadir", MsgNadir));
    } else {
        EsitoVerifica e;
        e.nome = "nadir";
        e.testo = Msg(MsgNadirNonMisurato);
        out.push_back(e);
    }
    const int zenit = f.NumC() > 0 ? ColonnaGamma(f, 180) : 0;
    if (zenit > 0) out.push_back(PianiConcordi(f, zenit, "zenith", MsgZenit));
    out.push_back(Copertura(f));
    out.push_back(Flusso(f));
    return out;
}

}  // namespace nottaro
