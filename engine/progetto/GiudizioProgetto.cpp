#include "engine/progetto/GiudizioProgetto.h"

#include "engine/comune/FattUtil.h"
#include "engine/road/RapportoBordo.h"
#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {
namespace {

// One luminaire's power with its gear, as the solution rows count it.
double PotenzaApparecchio(const StatoProgetto& s, const Fotometria& foto, int lamp) {
    const auto l = static_cast<std::size_t>(lamp);
    return FamigliaLampada(foto.TipoLamp[l], foto.PotLamp[l], s).PotApp;
}

}  // namespace

std::vector<Criterio> GiudicaPercorsoParti(double EmMin, double EminMin, double UeMin, const StatisticheIllum& st) {
    std::vector<Criterio> v{{"Em", EmMin, st.EmCalc, true, true, st.EmCalc >= EmMin}};
    if (EminMin > 0) v.push_back({"Emin", EminMin, st.EminCalc, true, true, st.EminCalc >= EminMin});
    if (UeMin > 0) v.push_back({"Uo", UeMin / 100, st.Uo(), true, true, st.Uo() >= UeMin / 100});
    return v;
}

RequisitiClasse RequisitiDiClasse(const StatoProgetto& s, bool percorso) {
    RequisitiClasse r;
    r.percorso = percorso;
    r.edizione = s.EdizioneEN;
    if (percorso) {
        r.classe2015 = s.EdizioneEN == Edizione2015 ? ClasseE2015DaLista(s.ClasseA) : nullptr;
        r.EmMin = s.EmMin;
        r.EminMin = s.EminMin;
        r.UeMin = s.UeMin;
    } else {
        r.strada = {s.LmMin, s.UoMin, s.UlMin, s.TiMax, EirMinDaCodice(s.CodClasse)};
    }
    return r;
}

std::vector<Criterio> GiudicaClasse(const RequisitiClasse& r, const FigureGiudizio& f) {
    if (!r.percorso) return GiudicaStrada(r.edizione, r.strada, f.strada);
    if (r.classe2015) return GiudicaPercorso2015(*r.classe2015, f.Em, f.Emin);
    StatisticheIllum st;
    st.EmCalc = f.Em;
    st.EminCalc = f.Emin;
    return GiudicaPercorsoParti(r.EmMin, r.EminMin, r.UeMin, st);
}

bool GiudicaProgetto(const StatoProgetto& s, const Fotometria& foto, const ValutazioneProgetto& v, GiudizioProgetto& g) {
    const ProfiloEsercizio profilo = ProfiloDaStato(s);
    g = {};
    if (v.strada) {
        const ParametriStrada& p = v.parametriStrada;
        FigureLuminanza f{v.strada->Lm, v.strada->Uo, v.strada->Ul, v.strada->TI, 0};
        const double largLaterale = s.LargLaterale > 0 ? s.LargLaterale : 0;
        std::vector<Apparecchio> app;
        LavoroBordo lavoro;
        ContestoCalcolo ctx;
        if ((s.EdizioneEN == Edizione2015 || largLaterale > 0) && !DisponiApparecchi(p, app)) return false;
        if (s.EdizioneEN == Edizione2015) {
            double eir = 0;
            if (!CalcolaEIR(ctx, foto, p, app, largLaterale, lavoro, eir) || ctx.ErrCalcolo) return false;
            g.EIR = f.EIR = eir;
        }
        // The carriageway, and the strips beside it where the design lights them.
        SottoArea aree[3] = {{v.strada->stat.EmCalc, p.Interdist * p.LargStrada}, {}, {}};
        std::size_t nAree = 1;
        if (largLaterale > 0) {
            double emDx = 0, emSx = 0;
            if (!IllumStrisceLaterali(ctx, foto, p, app, largLaterale, lavoro, emDx, emSx) || ctx.ErrCalcolo)
                return false;
            aree[1] = {emDx, p.Interdist * largLaterale};
            aree[2] = {emSx, p.Interdist * largLaterale};
            nAree = 3;
        }
        g.criteri = GiudicaClasse(RequisitiDiClasse(s, false), {f});
        g.indicatori = CalcolaIndicatori(PotenzaApparecchio(s, foto, p.LampCalc) * ApparecchiPerInterdistStrada(p.DispPali),
                                         {aree, nAree}, profilo);
    } else if (v.percorso) {
        const ParametriArea& p = v.parametriArea;
        const StatisticheIllum& st = v.percorso->Stat;
        g.criteri = GiudicaClasse(RequisitiDiClasse(s, true), {{}, st.EmCalc, st.EminCalc});
        const SottoArea percorso{st.EmCalc, p.Interdist * p.LargStradaA};
        g.indicatori = CalcolaIndicatori(PotenzaApparecchio(s, foto, p.LampCalc) * ApparecchiPerInterdistArea(p.DispPaliA),
                                         {&percorso, 1}, profilo);
    } else {
        return false;
    }
    g.conforme = TuttiSoddisfatti(g.criteri);
    return true;
}

}  // namespace nottaro
