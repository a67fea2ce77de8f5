#include "store/soluzioni/MembriRiga.h"

#include <cstddef>
#include <utility>

namespace nottaro {
namespace {

using M = MembroRiga;

// The members road and path rows share.
double* FiguraComune(DatiRiga& r, MembroRiga m) {
    FigureRiga& f = r.figure;
    switch (m) {
        case M::HPALO: return &r.HPALO;
        case M::SBRACCIO: return &r.SBRACCIO;
        case M::INTER: return &r.INTER;
        case M::INCLINA: return &r.INCLINA;
        case M::INDICER: return &f.INDICER;
        case M::INDICEI: return &f.INDICEI;
        case M::POTENZAM2: return &f.POTENZAM2;
        case M::POTENZALM: return &f.POTENZALM;
        case M::POTENZA: return &r.POTENZA;
        case M::LUMEN: return &r.LUMEN;
        case M::NPALI: return &f.NPALI;
        case M::COSTONUOVO: return &f.COSTONUOVO;
        case M::POTENZAKM: return &f.POTENZAKM;
        case M::KWHANNO: return &f.KWHANNO;
        case M::SPESAEANNO: return &f.SPESAEANNO;
        case M::COSTOTOT: return &f.COSTOTOT;
        case M::RISPIMPIAN: return &f.RISPIMPIAN;
        case M::RISPIMPIAP: return &f.RISPIMPIAP;
        case M::RISPMANUTE: return &f.RISPMANUTE;
        case M::RISPMANUTP: return &f.RISPMANUTP;
        case M::RISPEANNO: return &f.RISPEANNO;
        case M::RISPEANNOP: return &f.RISPEANNOP;
        case M::RISPE25ANN: return &f.RISPE25ANN;
        case M::COSTOADEGU: return &f.COSTOADEGU;
        case M::DELTAWKM: return &f.DELTAWKM;
        case M::DELTALMKM: return &f.DELTALMKM;
        case M::DELTALMP: return &f.DELTALMP;
        case M::DELTAKWHAN: return &f.DELTAKWHAN;
        case M::RISPEANNOA: return &f.RISPEANNOA;
        case M::RISPEAP: return &f.RISPEAP;
        case M::RISPMANUTA: return &f.RISPMANUTA;
        case M::BREAKEVEN: return &f.BREAKEVEN;
        default: return nullptr;
    }
}

// The kind's own light figures `luce`, else the energy indicators both kinds
// carry, else the shared members.
template <class Riga, std::size_t N>
double* FiguraDi(Riga& r, MembroRiga m, const std::pair<MembroRiga, double*> (&luce)[N]) {
    for (const auto& [membro, dove] : luce)
        if (membro == m) return dove;
    if (m == M::DP) return &r.DP;
    if (m == M::DE) return &r.DE;
    return FiguraComune(r, m);
}

}  // namespace

double* Figura(RigaStrada& r, MembroRiga m) {
    const std::pair<MembroRiga, double*> luce[] = {
        {M::LUMINA, &r.LUMINA}, {M::UNIFG, &r.UNIFG}, {M::UNIFL, &r.UNIFL}, {M::TI, &r.TI}, {M::EIR, &r.EIR}};
    return FiguraDi(r, m, luce);
}

double* Figura(RigaPercorso& r, MembroRiga m) {
    const std::pair<MembroRiga, double*> luce[] = {{M::EM, &r.EM}, {M::UO, &r.UO}, {M::EMIN, &r.EMIN}, {M::EMAX, &r.EMAX}};
    return FiguraDi(r, m, luce);
}

const double* Figura(const RigaStrada& r, MembroRiga m) { return Figura(const_cast<RigaStrada&>(r), m); }
const double* Figura(const RigaPercorso& r, MembroRiga m) { return Figura(const_cast<RigaPercorso&>(r), m); }

std::string* TestoMembro(DatiRiga& r, MembroRiga m) {
    switch (m) {
        case M::LAMPADA: return &r.LAMPADA;
        case M::CORPO: return &r.CORPO;
        case M::FILELDT: return &r.FILELDT;
        default: return nullptr;
    }
}

const std::string* TestoMembro(const DatiRiga& r, MembroRiga m) { return TestoMembro(const_cast<DatiRiga&>(r), m); }

}  // namespace nottaro
