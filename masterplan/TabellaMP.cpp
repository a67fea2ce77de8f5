#include "masterplan/TabellaMP.h"

#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "store/schema/SchemaSoluzioni.h"

namespace nottaro::mp {

const CelleRiga& IntestazioniTabella() {
    static const CelleRiga t = {
        "Posizione", "Via", "Applicazione", "Categoria", "Altezza", "Avanzamento", "Tilt", "Larghezza",
        "Int.Progetto", "Disposizione Pali", "Pos.Pali", "Corsie", "Dir.Marcia", "LR17/00", "Sorgente", "W",
        "Corpo", "Note:", "lumen1", "Int.1", "Em/Lm1", "Ue/U01", "Emin/Ul1", "Ti1", "Rei1", "Classe1",
        "Fotometrica1", "lumen2", "Int.2", "Em/Lm2", "Ue/U02", "Emin/Ul2", "Ti2", "Rei2", "Classe2", "Fotometrica2",
        "Identificativo", "IPEI1*", "PDI1", "Ev1", "Esc1", "Ehs1", "IPEI2*", "PDI2", "Ev2", "Esc2", "Ehs2",
        "Desc.Prj.", "-", "-", "TipoSx", "Sx[m]", "Em-sx1[lx]", "Emin-sx1[lx]", "Emax-sx1[lx]", "Em-sx2[lx]",
        "Emin-sx2[lx]", "Emax-sx2[lx]", "TipoDx", "Dx[m]", "Em-dx1[lx]", "Emin-dx1[lx]", "Emax-dx1[lx]",
        "Em-dx2[lx]", "Emin-dx2[lx]", "Emax-dx2[lx]", "S IPEA*", "A IPEA*", "P IPEA*", "C IPEA*", "Dp1[W/(lx m2)]", "De1[kWh/(m2 anno)]", "Dp2[W/(lx m2)]",
        "De2[kWh/(m2 anno)]"};
    return t;
}

namespace {

struct Coppia {
    int tabella;
    ColonnaMP riga;
};
constexpr Coppia kCoppie[] = {
    {TVia, CVia}, {TApplicazione, CApplicazione}, {TCategoria, CClasse}, {TAltezza, CAltezza},
    {TAvanzamento, CAvanzamento}, {TLarghezza, CLarghezza}, {TIntProgetto, CInterdistanza},
    {TDisposizione, CDisposizione}, {TPosPali, CPosPalo}, {TCorsie, CCorsie}, {TDirMarcia, CSenso},
    {TLR17, CLR17}, {TSorgente, CSorgente}, {TW, CPotenza}, {TCorpo, CModello},
    {TIdentificativo, CIdentificativo}, {TDescrizione, CDescrizione}, {TTipoSx, CTipoSx}, {TSx, CLargSx},
    {TTipoDx, CTipoDx}, {TDx, CLargDx}};

}  // namespace

std::string NumeroCella(double x, int decimali) { return FormatoGenerale(Arrotonda(x, decimali)); }

std::string NumeroLivello(double x) { return NumeroCella(x, x < 10 ? 2 : x > 20 ? 0 : 1); }

void CelleSoluzione(const SoluzioneMP& s, CelleRiga& c, int base, int colonnaIPEI) {
    c[base + SLumen] = NumeroCella(s.Flusso, 0);
    c[base + SInt] = NumeroCella(s.Spaziatura, 2);
    c[base + SLivello] = NumeroLivello(s.Livello);
    c[base + SUniformita] = NumeroLivello(s.Uniformita);
    c[base + STerzo] = NumeroCella(s.Terzo, 2);
    c[base + STi] = s.HaTI ? NumeroCella(s.TI, 2) : "";
    // The figures the solution tables also hold, to the decimals the browser shows them with.
    auto comeTabella = [](double x, MembroRiga m) { return NumeroCella(x, CampoDelMembro(m).decimaliMostrati); };
    c[base + SRei] = comeTabella(s.REI, MembroRiga::EIR);
    c[base + SClasse] = s.ClasseIPEI;
    c[base + SFotometrica] = s.File;
    c[colonnaIPEI] = s.HaIPEI ? NumeroCella(s.IPEI, 2) : "";
    const int indicatori = base == TSol2 ? TDp2 : TDp1;
    c[indicatori] = s.HaIndicatori ? comeTabella(s.Dp, MembroRiga::DP) : "";
    c[indicatori + 1] = s.HaIndicatori ? comeTabella(s.De, MembroRiga::DE) : "";
}

void CelleDaRiga(const RigaMP& r, CelleRiga& celle) {
    for (const auto& c : kCoppie) celle[c.tabella] = r[c.riga];
    celle[TTilt].assign(1, '0');  // (a literal here trips a false GCC 12 -Wrestrict)
}

RigaMP RigaDaCelle(const CelleRiga& celle, const std::string& lr17) {
    RigaMP r;
    for (const auto& c : kCoppie) r[c.riga] = celle[c.tabella];
    r[CLR17] = lr17;
    return r;
}

}  // namespace nottaro::mp
