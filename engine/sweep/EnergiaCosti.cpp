#include "engine/sweep/EnergiaCosti.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "core/text/Testo.h"

namespace nottaro {
namespace {

struct Fascia {
    double nominale, fino;  // [nominale, fino) snaps to nominale
};

struct Gruppo {
    FamigliaSorgente famiglia;
    std::initializer_list<const char*> codici;
    std::initializer_list<Fascia> fasce;
};

constexpr std::initializer_list<Fascia> FasceSodio{{50, 60}, {70, 85}, {100, 120}, {150, 175}, {250, 300}, {400, 500}};

const Gruppo Gruppi[] = {
    {FamigliaSorgente::SodioAltaPressione, {"LU", "NAV", "SAP", "SON", "SHP", "SHX", "ST"}, FasceSodio},
    {FamigliaSorgente::AlogenuriMetallici,
     {"MBI", "CDM", "KRC", "ARC", "HPI", "HSE", "HQI", "MND", "MVR", "MQI", "MHN", "HCI", "CMH"},
     FasceSodio},
    {FamigliaSorgente::Mercurio,
     {"HQL", "HPL", "HSL"},
     {{50, 65}, {80, 100}, {125, 150}, {250, 300}, {400, 480}, {500, 600}, {160, 200}}},
    {FamigliaSorgente::Miscelata, {"HWL", "HSB", "ML", "HML"}, {{160, 200}, {250, 300}, {500, 600}}},
    {FamigliaSorgente::SodioBassaPressione, {"SOX", "SLP", "SBP"}, {{18, 24}, {35, 43}, {55, 65}, {90, 105}, {135, 155}}},
};

// a / b, or 0 when b is 0 or the quotient is not finite.
double Quoziente(double a, double b) {
    if (b == 0) return 0;
    const double q = a / b;
    return std::isfinite(q) ? q : 0;
}

// Yearly replacements of one lamp of life T: burn-outs plus early failures.
double Sostituzioni(double T, const StatoProgetto& s) {
    return Quoziente(s.OreAcc, T) + s.CoeffMorte * s.OreAcc / 10000.0;
}

}  // namespace

LampadaProgetto FamigliaLampada(std::string_view tipoLamp, double potLamp, const StatoProgetto& stato) {
    const std::string tipo = Maiuscole(tipoLamp);
    LampadaProgetto r;
    r.Potenza = potLamp;
    const Gruppo* trovato = nullptr;
    for (const Gruppo& g : Gruppi) {
        for (const char* codice : g.codici)
            if (tipo.find(codice) != std::string::npos) {
                trovato = &g;
                break;
            }
        if (trovato) break;
    }
    if (trovato) {
        r.famiglia = trovato->famiglia;
        for (const Fascia& f : trovato->fasce)
            if (potLamp >= f.nominale && potLamp < f.fino) {
                r.Potenza = f.nominale;
                break;
            }
    }
    switch (r.famiglia) {
        case FamigliaSorgente::SodioAltaPressione: r.SorgDurata = stato.DurataSAP; r.SorgCosto = stato.CostoSAP; break;
        case FamigliaSorgente::AlogenuriMetallici: r.SorgDurata = stato.DurataHID; r.SorgCosto = stato.CostoHID; break;
        case FamigliaSorgente::Mercurio: r.SorgDurata = stato.DurataHG; r.SorgCosto = stato.CostoHG; break;
        case FamigliaSorgente::Miscelata: r.SorgDurata = 5000; r.SorgCosto = 12; break;
        case FamigliaSorgente::SodioBassaPressione: r.SorgDurata = stato.DurataSBP; r.SorgCosto = stato.CostoSBP; break;
        case FamigliaSorgente::Altra: r.SorgDurata = 12000; r.SorgCosto = 19; break;
    }
    if (stato.ChiediLampada) {
        r.SorgDurata = stato.SorgDurata;
        r.SorgCosto = stato.SorgCosto;
    }
    r.PotApp = r.Potenza * (1 + stato.PerditaPot / 100.0);
    return r;
}

CostiPunto SommeLampada(const StatoProgetto& s, double sorgCosto) {
    CostiPunto c;
    c.CostoPunto = s.PrezzoAll + s.CostoApp + s.CostoPalo + s.CostoPlinto + s.CostoAccessori + s.CostoScavo +
                   s.CostoCavo + sorgCosto;
    c.CostoAdegua = s.PrezzoApp + s.CostoApp + sorgCosto;
    c.CostoLamp = s.CostoM + sorgCosto;
    return c;
}

int ApparecchiPerInterdistanza(TipoImpianto tipo, int disp) {
    if (tipo == TipoImpianto::Strada) return (disp >= 4 && disp <= 6) ? 2 : 1;
    return (disp == 5 || disp == 6) ? 2 : 1;
}

double PaliPerKm(TipoImpianto tipo, int disp, double S) {
    if (!(S > 0)) return 0;
    return ApparecchiPerInterdistanza(tipo, disp) * std::ceil(1000.0 / S);
}

FigureRiga CalcolaFigure(const CandidatoEnergia& c, const LampadaProgetto& lamp, const CostiPunto& costi,
                         const StatoProgetto& s) {
    FigureRiga f;
    const double P = lamp.PotApp;
    const double k = ApparecchiPerInterdistanza(c.tipo, c.disp);
    // The spacing/height index halves where the rows of luminaires alternate.
    const bool mezzoIndiceR =
        c.tipo == TipoImpianto::Strada ? (c.disp == 4 || c.disp == 5) : (c.disp == 5 || c.disp == 6);
    f.INDICER = Quoziente(c.S, c.H) / (mezzoIndiceR ? 2.0 : 1.0);
    f.INDICEI = Quoziente(k * P, c.S);
    f.POTENZAM2 = Quoziente(f.INDICEI, c.W);
    f.POTENZALM = Quoziente(f.POTENZAM2, c.L);

    const double N = PaliPerKm(c.tipo, c.disp, c.S);
    f.NPALI = N;
    f.POTENZAKM = P * N;
    f.KWHANNO = f.POTENZAKM * s.OreAcc / 1000.0;
    f.SPESAEANNO = f.KWHANNO * s.CostoE;
    f.COSTONUOVO = N * costi.CostoPunto;

    // Reference installation of the same lamp at the usual spacing.
    const double interRif = s.IntAltRapp ? c.H * s.IntAlt : s.IntAlt;
    const double Nr = interRif > 0 ? std::ceil(1000.0 / interRif) : 0;
    const double costoRif = Nr * costi.CostoPunto;
    f.RISPIMPIAN = costoRif - f.COSTONUOVO;
    f.RISPIMPIAP = costoRif != 0 ? (1 - Quoziente(f.COSTONUOVO, costoRif)) * 100 : 0;

    const double Mn = N * costi.CostoLamp * Sostituzioni(lamp.SorgDurata, s);
    const double Tr = s.NLampT != 0 ? s.NLampT : lamp.SorgDurata;
    const double Cr = s.NLampCosto == 0 ? costi.CostoLamp : s.CostoM + s.NLampCosto;
    const double Mr = Nr * Cr * Sostituzioni(Tr, s);
    f.RISPMANUTE = Mr - Mn;
    f.RISPMANUTP = Mr != 0 ? (1 - Quoziente(Mn, Mr)) * 100 : 0;

    const double Pr = s.NLampW == 0 ? P : (1 + s.PerditaPot / 100.0) * s.NLampW;
    const double Er = Pr * Nr * s.OreAcc / 1000.0 * s.CostoE;
    // As many poles as the reference: the same installation, no saving.
    const bool comeRiferimento = f.RISPIMPIAN > -0.5 && f.RISPIMPIAN < 0.5;
    f.RISPEANNO = comeRiferimento ? 0 : Er - f.SPESAEANNO;
    f.RISPEANNOP = (comeRiferimento || Er == 0) ? 0 : (1 - Quoziente(f.SPESAEANNO, Er)) * 100;
    f.RISPE25ANN = f.RISPEANNO * s.VitaImp;
    f.COSTOTOT = Quoziente(f.COSTONUOVO, s.VitaImp) + f.SPESAEANNO + Mn;

    // Existing installation, adapted by replacing its luminaires.
    const double Pv = (1 + s.PerditaPot / 100.0) * s.LampW;
    f.DELTAWKM = (Pv - P) * N;
    f.DELTALMKM = (c.flusso - s.LampLM) * N;
    f.DELTALMP = c.flusso != 0 ? (1 - Quoziente(s.LampLM, c.flusso)) * 100 : 0;
    f.DELTAKWHAN = f.DELTAWKM * s.OreAcc / 1000.0;
    f.RISPEANNOA = f.DELTAKWHAN * s.CostoE;
    f.RISPEAP = Pv != 0 ? (1 - Quoziente(P, Pv)) * 100 : 0;
    const double Mv = N * (s.CostoM + s.LampCosto) * Sostituzioni(s.LampT, s);
    f.RISPMANUTA = Mv - Mn;
    f.COSTOADEGU = N * costi.CostoAdegua;
    f.BREAKEVEN = Quoziente(f.COSTOADEGU - 2 * Mv, f.RISPEANNOA + Mv - Mn);
    if (f.BREAKEVEN < 0) f.BREAKEVEN = 0;
    return f;
}

double IndiceEnergetico(double P, double L, double Lreq, double S, double W, int disp, std::string_view codClasse) {
    static const std::pair<const char*, double> Coeff[] = {
        {"me1", 0.49},  {"m1", 0.49},  {"me2", 0.51},  {"m2", 0.51},  {"me3a", 0.56}, {"me3b", 0.55},
        {"m3", 0.55},   {"me3c", 0.54}, {"me4a", 0.58}, {"m4", 0.58},  {"me4b", 0.57}, {"me5", 0.60},
        {"m5", 0.60},   {"me6", 0.65},  {"m6", 0.65},   {"ce0", 0.033}, {"c0", 0.033}, {"ce1", 0.035},
        {"c1", 0.035},  {"ce2", 0.037}, {"c2", 0.037},  {"ce3", 0.039}, {"c3", 0.039}, {"ce4", 0.042},
        {"c4", 0.042},  {"ce5", 0.044}, {"c5", 0.044},  {"s1", 0.07},   {"p1", 0.07},  {"s2", 0.08},
        {"p2", 0.08},   {"s3", 0.09},   {"p3", 0.09},   {"s4", 0.11},   {"p4", 0.11},  {"s5", 0.14},
        {"p5", 0.14},   {"s6", 0.17},   {"p6", 0.17},   {"s7", 0.21},   {"p7", 0.21}};
    const std::string cod = Minuscole(codClasse);
    double k = 0;
    for (const auto& [nome, valore] : Coeff)
        if (cod == nome) k = valore;
    if (k == 0 || !(L > 0) || !(Lreq > 0) || !(S > 0) || !(W > 0)) return -1;
    const double Seff = (disp >= 4 && disp <= 6) ? S / 2 : S;
    const double indice = P / (L * Seff * W * k) * (L / (2.1 * Lreq) + 0.524);
    return std::isfinite(indice) ? indice : -1;
}

std::string ClassePerIndice(double i) {
    if (i < 0.75) return "A++";
    if (i < 0.82) return "A+";
    if (i < 0.91) return "A";
    if (i < 1.09) return "B";
    if (i < 1.35) return "C";
    if (i < 1.79) return "D";
    if (i < 2.63) return "E";
    if (i < 3.1) return "F";
    return "G";
}

std::string ClasseEnergetica(double P, double L, double Lreq, double S, double W, int disp,
                             std::string_view codClasse) {
    const double i = IndiceEnergetico(P, L, Lreq, S, W, disp, codClasse);
    return i < 0 ? std::string() : ClassePerIndice(i);
}

}  // namespace nottaro
