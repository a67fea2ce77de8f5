#include "engine/area/OttimizzaArea.h"

#include "core/intensity/RicercaIntensita.h"
#include "engine/area/IlluminamentoArea.h"
#include "engine/comune/ClassiEdizione2015.h"
#include "engine/comune/FattUtil.h"
#include "engine/comune/IndicatoriEnergia.h"

namespace nottaro {
namespace {

class LavoroPercorso : public LavoroSweep {
public:
    LavoroPercorso(const ContestoFile& cf, const StatoProgetto& s, bool piana)
        : cf_(cf), stato_(s), p_(ParametriAreaDaStato(s)), req_(RequisitiAreaDaStato(s)), piana_(piana),
          classe2015_(s.EdizioneEN == Edizione2015 ? ClasseE2015DaLista(s.ClasseA) : nullptr),
          profilo_(ProfiloDaStato(s)) {}

    bool PreparaGruppo(const GruppoCandidati& g) override {
        if (g.lampada != lampada_) {
            ricerca_.Imposta(*cf_.foto, g.lampada);
            lampada_ = g.lampada;
        }
        p_.LampCalc = g.lampada;
        p_.HPaloA = g.H;
        p_.Interdist = g.S;
        return lavoro_.Prepara(p_) == EsitoA::Ok;
    }

    bool Valuta(const Candidato& c, RigaTrovata& riga) override {
        p_.SbraccioA = c.Sbraccio;
        p_.InclinaA = c.Inclina;
        ContestoCalcolo ctx;
        // The plain field takes the layout and grid the work object built for this spacing.
        const bool ok = piana_ ? CalcolaIllum(ctx, *cf_.foto, p_, lavoro_.Griglia(), lavoro_.Apparecchi(), campoPiano_,
                                              statPiane_)
                               : lavoro_.Valuta(ctx, ricerca_, p_);
        if (!ok || ctx.ErrCalcolo) return false;
        const StatisticheIllum& st = piana_ ? statPiane_ : lavoro_.Statistiche();
        if (!stato_.TuttiRisultati && !Conforme(st)) return false;
        Riga(c, st, riga);
        return true;
    }

private:
    // Under the 2015 edition a class of its tables judges the path (P1 asks
    // Emin 3.0 lx where the older tables' S1 asked 5); otherwise the requirements as set.
    bool Conforme(const StatisticheIllum& st) const {
        // The accepted excess over the class's Em still bounds the sweep, as under the older tables.
        if (classe2015_)
            return TuttiSoddisfatti(GiudicaPercorso2015(*classe2015_, st.EmCalc, st.EminCalc)) &&
                   st.EmCalc <= classe2015_->EmMin * (1 + req_.ErrEm / 100);
        return VerificaClasseA(st, req_);
    }

    void Riga(const Candidato& c, const StatisticheIllum& st, RigaTrovata& riga) const {
        const Fotometria& f = *cf_.foto;
        const auto l = static_cast<std::size_t>(c.lampada);
        const LampadaSweep& ls = cf_.lampade[l];
        CandidatoEnergia ce;
        ce.tipo = TipoImpianto::Percorso;
        ce.disp = p_.DispPaliA;
        ce.H = c.H;
        ce.S = c.S;
        ce.W = p_.LargStradaA;
        ce.L = st.EmCalc;
        ce.flusso = f.FlussoLamp[l];
        const FigureRiga fr = CalcolaFigure(ce, ls.lampada, ls.costi, stato_);
        RigaPercorso rp;
        static_cast<DatiRiga&>(rp) = DatiComuni(cf_, c, fr);
        rp.CORPO = f.NomeApp;
        rp.EM = st.EmCalc;
        rp.UO = st.Uo();
        rp.EMIN = st.EminCalc;
        rp.EMAX = st.EmaxCalc;
        const SottoArea percorso{st.EmCalc, c.S * p_.LargStradaA};
        const IndicatoriEnergia ie = CalcolaIndicatori(
            ls.lampada.PotApp * ApparecchiPerInterdistArea(p_.DispPaliA), {&percorso, 1}, profilo_);
        rp.DP = ie.Dp;
        rp.DE = ie.De;
        riga.dati = std::move(rp);
    }

    const ContestoFile& cf_;
    const StatoProgetto& stato_;
    ParametriArea p_;
    RequisitiArea req_;
    RicercaIntensita ricerca_;
    LavoroArea lavoro_;
    bool piana_;
    CampoIllum campoPiano_;
    StatisticheIllum statPiane_;
    int lampada_ = -1;
    const ClasseE2015* classe2015_;
    ProfiloEsercizio profilo_;
};

}  // namespace

ParametriArea ParametriAreaDaStato(const StatoProgetto& s) { return ParametriAreaDaStato(s, s.Foto.LampSel); }

ParametriArea ParametriAreaDaStato(const StatoProgetto& s, int lampCalc) {
    ParametriArea p;
    p.DispPaliA = s.DispPaliA;
    p.LargStradaA = s.LargStradaA;
    p.HPaloA = s.HPaloA;
    p.SbraccioA = s.SbraccioA;
    p.InclinaA = s.InclinaA;
    p.Interdist = s.Interdist;
    p.DeprezzA = s.DeprezzA;
    p.GrigliaPers = s.GrigliaPers;
    p.NPtiX = s.NPtiX;
    p.NPtiY = s.NPtiY;
    p.LampCalc = lampCalc;
    return p;
}

RequisitiArea RequisitiAreaDaStato(const StatoProgetto& s) {
    RequisitiArea r;
    r.EmMin = s.EmMin;
    r.EminMin = s.EminMin;
    r.UeMin = s.UeMin;
    r.ErrEm = s.ErrEm;
    return r;
}

RisultatoSweep OttimizzaArea(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro) {
    RichiestaCalcolo r = richiesta;
    r.tipo = TipoImpianto::Percorso;
    return EseguiSweep(r, righe, riscontro, [&r](const ContestoFile& cf) {
        return std::make_unique<LavoroPercorso>(cf, r.Valori(), r.opzioni.valutazionePiana);
    });
}

}  // namespace nottaro
