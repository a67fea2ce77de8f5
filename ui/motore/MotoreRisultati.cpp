#include "ui/motore/MotoreRisultati.h"

#include <filesystem>
#include <system_error>

#include "core/files/SostituisciFile.h"
#include "engine/area/DettaglioA.h"
#include "engine/area/DisposizioneArea.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/Disposizione.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/RicalcolaSoluzione.h"
#include "store/soluzioni/RigaAperta.h"

namespace nottaro::ui {
namespace {

template <class Griglia>
void AssiDa(const Griglia& g, CampoVista& c) {
    c.x.clear();
    c.y.clear();
    for (int i = 0; i < g.NPtiLong; ++i) c.x.push_back(g(i, 0).x);
    for (int j = 0; j < g.NPtiTrasv; ++j) c.y.push_back(g(0, j).y);
}

// The illuminance table and its figures, the same for both kinds.
template <class Griglia>
void Illuminamenti(const Griglia& g, const CampoIllum& c, const StatisticheIllum& st, std::optional<double> fu,
                   VistaSoluzione& v) {
    AssiDa(g, v.illuminamenti);
    v.illuminamenti.valori = c.Illum;
    v.EmCalc = st.EmCalc;
    v.EminCalc = st.EminCalc;
    v.EmaxCalc = st.EmaxCalc;
    v.FattUtil = fu;
}

void VistaStrada(const SoluzioneStrada& sol, const StatoProgetto& s, VistaSoluzione& v) {
    const CampoStrada& c = sol.campo;
    const ParametriStrada p = ParametriStradaDaStato(s);
    v.SolLm = sol.SolLm;
    v.SolUo = sol.SolUo;
    v.SolUl = sol.SolUl;
    v.TICalc = sol.TICalc;
    v.larghezza = s.LargStrada;
    const bool uni = c.NOss == 1 && p.OssUNI == 1;
    for (int k = 0; k < c.NOss; ++k) {
        OsservatoreVista o;
        o.y = uni ? c.Oss.PosOssUNIY : c.Oss.OssY[static_cast<std::size_t>(k)];
        o.Lm = c.LmOss[static_cast<std::size_t>(k)];
        o.Uo = c.UoOss[static_cast<std::size_t>(k)];
        o.Ul = static_cast<std::size_t>(k) < c.UlOss.size() ? c.UlOss[static_cast<std::size_t>(k)] : 0;
        AssiDa(c.Griglia, o.luminanze);
        for (int i = 0; i < c.Griglia.NPtiLong; ++i)
            for (int j = 0; j < c.Griglia.NPtiTrasv; ++j) o.luminanze.valori.push_back(c.Lum(k, i, j));
        v.osservatori.push_back(std::move(o));
    }
    Illuminamenti(c.Griglia, sol.illum, sol.stat, sol.FattUtil, v);
    for (const Apparecchio& a : c.Apparecchi) {
        v.centriX.push_back(a.x);
        v.centriY.push_back(a.y - SbraccioSegnato(p, a));
    }
}

void VistaPercorso(const DettaglioPercorso& d, const StatoProgetto& s, VistaSoluzione& v) {
    const RisultatoPercorso& r = d.risultato;
    const ParametriArea p = ParametriAreaDaStato(s);
    v.larghezza = s.LargStradaA;
    Illuminamenti(r.Griglia, r.Campo, r.Stat, r.FattUtil, v);
    for (const ApparecchioA& a : r.Apparecchi) {
        v.centriX.push_back(a.x);
        v.centriY.push_back(YTestaA(p, a));
    }
}

}  // namespace

EsitoDettaglio CalcolaDettaglio(const TabellaDbf& t, StatoProgetto& s, Interazione& ui, bool percorso) {
    EsitoDettaglio e;
    VistaSoluzione& v = e.vista;
    v.percorso = percorso;
    if (percorso) {
        const DettaglioPercorso d = DettaglioA(t, s, ui);
        if (!d.ok) return e;
        if (!d.risultato.Valido()) {
            e.errore = d.risultato.ErrCalcolo ? d.risultato.Routine : d.risultato.Messaggio;
            return e;
        }
        v.HPalo = s.HPaloA, v.Sbraccio = s.SbraccioA, v.Interdist = s.Interdist, v.Inclina = s.InclinaA;
        VistaPercorso(d, s, v);
    } else {
        const SoluzioneStrada sol = RicalcolaSoluzione(t, s, ui);
        if (!sol.ok) return e;
        if (!sol.errore.empty()) {
            e.errore = sol.errore;
            return e;
        }
        v.HPalo = s.HPalo, v.Sbraccio = s.Sbraccio, v.Interdist = s.Interdist, v.Inclina = s.Inclina;
        VistaStrada(sol, s, v);
    }
    v.LORL = s.Foto.LORL;
    v.DFF = s.Foto.DFF;
    e.ok = true;
    return e;
}

std::vector<std::string> ScelteAltezze(const RiepilogoSweep& r) { return TestiAltezze(r); }
std::vector<std::string> ScelteSbracci(const RiepilogoSweep& r) { return TestiSbracci(r); }

EsitoTabella FiltraScelta(TabellaDbf& t, const SceltaBrowser& s, std::string& filtroCorrente) {
    return FiltraAltezzaSbraccio(t, s, filtroCorrente);
}

EsitoTabella ApplicaCriterio(TabellaDbf& t, int voce, const SceltaBrowser& s, const RiepilogoSweep& r,
                             std::string& filtroCorrente) {
    return SelezionaCriterio(t, voce, s, r, filtroCorrente);
}

void MostraOgniRiga(TabellaDbf& t, SceltaBrowser& s, std::string& filtroCorrente) { MostraTutto(t, s, filtroCorrente); }

std::string SalvaCopiaTabella(TabellaDbf& t, const std::string& destinazione) {
    return SostituisciFile(
        destinazione,
        [&](const std::string& temporaneo) -> std::string {
            EsitoTabella e = t.CopiaFile(temporaneo);
            return e ? std::string() : e.errore;
        },
        ".dbf");
}

}  // namespace nottaro::ui
