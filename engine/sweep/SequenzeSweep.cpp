#include "engine/sweep/SequenzeSweep.h"

#include <cmath>

namespace nottaro {
namespace {

Livello Fisso(double v) {
    Livello l;
    l.valori.push_back(v);
    return l;
}

// start, start + step, ... while within `limite`; at least one value.
Livello Passi(double inizio, double passo, double limite) {
    if (!(passo > 0) || !std::isfinite(inizio) || !std::isfinite(limite)) return Fisso(inizio);
    Livello l;
    l.variabile = true;
    l.passo = passo;
    const double tolleranza = passo * 1e-9;
    l.valori.push_back(inizio);
    for (long long i = 1;; ++i) {
        const double v = inizio + static_cast<double>(i) * passo;
        if (v > limite + tolleranza) break;
        l.valori.push_back(v);
    }
    return l;
}

}  // namespace

ParametriSequenze ParametriDaStato(const StatoProgetto& s, TipoImpianto tipo) {
    ParametriSequenze p;
    p.tipo = tipo;
    const bool strada = tipo == TipoImpianto::Strada;
    p.HPalo = strada ? s.HPalo : s.HPaloA;
    p.Sbraccio = strada ? s.Sbraccio : s.SbraccioA;
    p.Inclina = strada ? s.Inclina : s.InclinaA;
    p.W = strada ? s.LargStrada : s.LargStradaA;
    p.Interdist = s.Interdist;
    p.DaProgetto = s.DaProgetto;
    p.StepAlt = s.StepAlt;
    p.StepInt = s.StepInt;
    p.StepSbr = s.StepSbr;
    p.StepAng = s.StepAng;
    p.NCorsie = s.NCorsie;
    p.TipoLimite = s.TipoLimite;
    p.ValLimite = s.ValLimite;
    return p;
}

Livello Altezze(const ParametriSequenze& p) {
    if (p.HPalo != HPaloVariabile) return Fisso(p.HPalo);
    return Passi(2.0, p.StepAlt, p.tipo == TipoImpianto::Strada ? 20.0 : 15.0);
}

Livello Interdistanze(const ParametriSequenze& p, double H) {
    if (p.DaProgetto) return Fisso(p.Interdist);
    double massimo = (p.tipo == TipoImpianto::Strada ? 7.0 : 8.0) * H;
    double inizio = H;
    if (p.ValLimite != 0) {
        if (p.TipoLimite >= 2) {
            // A minimum: 8 and more reads as metres, less as a spacing/height ratio.
            inizio = p.ValLimite >= 8 ? p.ValLimite : H * p.ValLimite;
        } else {
            inizio = p.ValLimite;
            massimo = p.ValLimite;
        }
    }
    return Passi(inizio, p.StepInt, massimo);
}

Livello Sbracci(const ParametriSequenze& p) {
    if (p.Sbraccio != SbraccioVariabile) return Fisso(p.Sbraccio);
    const int corsie = p.NCorsie > 0 ? p.NCorsie : 1;
    double inizio = 0;
    if (p.StepSbr > 0) inizio = -std::trunc(p.W / (corsie * p.StepSbr)) * p.StepSbr;  // one lane, whole steps
    return Passi(inizio, p.StepSbr, p.W / 2);
}

Livello Inclinazioni(const ParametriSequenze& p) {
    if (p.Inclina != InclinaVariabile) return Fisso(p.Inclina);
    const double inizio = p.StepAng > 0 ? -std::trunc(20.0 / p.StepAng) * p.StepAng : 0;
    return Passi(inizio, p.StepAng, 20.0);
}

long long CandidatiPerLampada(const ParametriSequenze& p) {
    const long long nOT = static_cast<long long>(Sbracci(p).valori.size() * Inclinazioni(p).valori.size());
    long long n = 0;
    for (double H : Altezze(p).valori) n += static_cast<long long>(Interdistanze(p, H).valori.size()) * nOT;
    return n;
}

}  // namespace nottaro
