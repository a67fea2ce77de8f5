#include "bench/SweepPiani.h"

#include <atomic>
#include <memory>

#include "core/text/Testo.h"
#include "engine/area/IlluminamentoArea.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"
#include "bench/Scenari.h"

namespace nottaro::bench {
namespace {

// The thresholds the road sweep hands its evaluation: Ul, then the class
// (Lm window and Uo) before the glare; the quick estimate drops nothing.
SoglieStrada SoglieSweep(const StatoProgetto& s) {
    SoglieStrada so;
    so.LmMin = s.LmMin;
    so.ErrLm = s.ErrLm;
    so.ScartaSottoStima = false;
    so.UlMin = s.UlMin;
    so.UoMin = s.UoMin;
    so.TuttiRisultati = s.TuttiRisultati;
    return so;
}

// Road row exactly as the sweep writes it.
void RigaStrada(const ContestoFile& cf, const StatoProgetto& s, const ParametriStrada& p, const Candidato& c,
                const RisultatoStrada& r, RigaSoluzione& riga) {
    const Fotometria& f = *cf.foto;
    const auto l = static_cast<std::size_t>(c.lampada);
    const LampadaSweep& ls = cf.lampade[l];
    CandidatoEnergia ce;
    ce.tipo = TipoImpianto::Strada;
    ce.disp = p.DispPali;
    ce.H = c.H;
    ce.S = c.S;
    ce.W = p.LargStrada;
    ce.L = r.Lm;
    ce.flusso = f.FlussoLamp[l];
    const FigureRiga fr = CalcolaFigure(ce, ls.lampada, ls.costi, s);
    const std::string classe =
        ClasseEnergetica(ls.lampada.PotApp, r.Lm, s.LmMin, c.S, p.LargStrada, p.DispPali, s.CodClasse);
    riga.valori = {c.H,          c.Sbraccio,      c.S,           c.Inclina,     r.Lm,          r.Uo,
                   r.Ul,         r.TI,            fr.INDICER,    fr.INDICEI,    fr.POTENZAM2,  fr.POTENZALM,
                   f.PotLamp[l], f.FlussoLamp[l], TroncaTesto(f.TipoLamp[l], 30), classe,
                   TroncaTesto(cf.fileLdt, 80), fr.NPALI, fr.COSTONUOVO, fr.POTENZAKM, fr.KWHANNO,
                   fr.SPESAEANNO, fr.COSTOTOT, fr.RISPIMPIAN, fr.RISPIMPIAP, fr.RISPMANUTE, fr.RISPMANUTP,
                   fr.RISPEANNO, fr.RISPEANNOP, fr.RISPE25ANN, fr.COSTOADEGU, fr.DELTAWKM, fr.DELTALMKM,
                   fr.DELTALMP, fr.DELTAKWHAN, fr.RISPEANNOA, fr.RISPEAP, fr.RISPMANUTA, fr.BREAKEVEN};
    riga.descrizione =
        " Lum=" + FormatoGenerale(r.Lm) + " UG=" + FormatoGenerale(r.Uo) + " UL=" + FormatoGenerale(r.Ul);
}

class StradaPiana : public LavoroSweep {
public:
    StradaPiana(const ContestoFile& cf, const StatoProgetto& s)
        : cf_(cf), stato_(s), p_(ParametriStradaDaStato(s)), soglie_(SoglieSweep(s)) {}

    bool PreparaGruppo(const GruppoCandidati& g) override {
        p_.LampCalc = g.lampada;
        p_.HPalo = g.H;
        p_.Interdist = g.S;
        return true;
    }

    bool Valuta(const Candidato& c, RigaSoluzione& riga) override {
        p_.Sbraccio = c.Sbraccio;
        p_.Inclina = c.Inclina;
        const RisultatoStrada r = riferimento::ValutaStrada(*cf_.foto, p_, &soglie_, campo_);
        if (r.Esito != EsitoStrada::Accettato) return false;
        RigaStrada(cf_, stato_, p_, c, r, riga);
        return true;
    }

private:
    const ContestoFile& cf_;
    const StatoProgetto& stato_;
    ParametriStrada p_;
    SoglieStrada soglie_;
    CampoStrada campo_;
};

// Counts the lookups of the fast evaluation stage by stage; stores nothing.
class StradaConteggio : public LavoroSweep {
public:
    StradaConteggio(const ContestoFile& cf, const StatoProgetto& s, std::atomic<long long>& totale)
        : cf_(cf), p_(ParametriStradaDaStato(s)), soglie_(SoglieSweep(s)), totale_(totale) {}
    ~StradaConteggio() override { totale_ += conta_; }

    bool PreparaGruppo(const GruppoCandidati& g) override {
        if (g.lampada != lampada_) {
            valutazione_.ImpostaFotometria(*cf_.foto, g.lampada);
            lampada_ = g.lampada;
        }
        p_.LampCalc = g.lampada;
        p_.HPalo = g.H;
        p_.Interdist = g.S;
        return true;
    }

    bool Valuta(const Candidato& c, RigaSoluzione&) override {
        p_.Sbraccio = c.Sbraccio;
        p_.Inclina = c.Inclina;
        const RisultatoStrada r = valutazione_.Valuta(p_, &soglie_);
        if (r.Esito == EsitoStrada::NonValido) return false;
        const CampoStrada& campo = valutazione_.Campo();
        const long long np = campo.NApparecchi();
        const long long nq = static_cast<long long>(campo.Griglia.Punti.size());
        const long long na = static_cast<long long>(p_.NCorsie) * campo.Griglia.NPtiLong;
        const std::string routine = r.Routine;
        conta_ += campo.Griglia.NPtiTrasv;  // quick estimate (the pole at x = 0)
        if (routine == "StimaRapida") return false;
        conta_ += np * na;  // lane lines
        if (r.Esito == EsitoStrada::SottoUl || routine == "UlOsservatore") return false;
        conta_ += np * nq;  // field, intensities shared by the observers
        if (r.Esito != EsitoStrada::Accettato && routine != "CalcTI") return false;
        long long ti = 0;
        const RicercaIntensita& ricerca = valutazione_.Ricerca();
        auto contatore = [&ricerca, &ti](ContestoCalcolo& ctx, double g, double cc) {
            ++ti;
            return ricerca(ctx, g, cc);
        };
        ContestoCalcolo ctx;
        for (int k = 1; k <= p_.NCorsie; ++k) {
            const double yo = p_.LargStrada * (2 * k - 1) / (2 * p_.NCorsie);
            CalcTI(ctx, contatore, p_, campo.Griglia.NPtiLong, yo, r.Lm, fila_);
            if (ctx.ErrCalcolo) break;
        }
        conta_ += ti;
        return false;
    }

private:
    const ContestoFile& cf_;
    ParametriStrada p_;
    SoglieStrada soglie_;
    ValutazioneStrada valutazione_;
    int lampada_ = -1;
    std::vector<CentroLuce> fila_;
    std::atomic<long long>& totale_;
    long long conta_ = 0;
};

// Path row exactly as the sweep writes it.
void RigaArea(const ContestoFile& cf, const StatoProgetto& s, const ParametriArea& p, const Candidato& c,
              const StatisticheIllum& st, RigaSoluzione& riga) {
    const Fotometria& f = *cf.foto;
    const auto l = static_cast<std::size_t>(c.lampada);
    const LampadaSweep& ls = cf.lampade[l];
    CandidatoEnergia ce;
    ce.tipo = TipoImpianto::Percorso;
    ce.disp = p.DispPaliA;
    ce.H = c.H;
    ce.S = c.S;
    ce.W = p.LargStradaA;
    ce.L = st.EmCalc;
    ce.flusso = f.FlussoLamp[l];
    const FigureRiga fr = CalcolaFigure(ce, ls.lampada, ls.costi, s);
    riga.valori = {c.H,          c.Sbraccio,      c.S,           c.Inclina,     st.EmCalc,     st.Uo(),
                   st.EminCalc,  st.EmaxCalc,     fr.INDICER,    fr.INDICEI,    fr.POTENZAM2,  fr.POTENZALM,
                   f.PotLamp[l], f.FlussoLamp[l], TroncaTesto(f.TipoLamp[l], 30), TroncaTesto(f.NomeApp, 80),
                   TroncaTesto(cf.fileLdt, 80), fr.NPALI, fr.COSTONUOVO, fr.POTENZAKM, fr.KWHANNO,
                   fr.SPESAEANNO, fr.COSTOTOT, fr.RISPIMPIAN, fr.RISPIMPIAP, fr.RISPMANUTE, fr.RISPMANUTP,
                   fr.RISPEANNO, fr.RISPEANNOP, fr.RISPE25ANN, fr.COSTOADEGU, fr.DELTAWKM, fr.DELTALMKM,
                   fr.DELTALMP, fr.DELTAKWHAN, fr.RISPEANNOA, fr.RISPEAP, fr.RISPMANUTA, fr.BREAKEVEN};
    riga.descrizione = " E=" + FormatoGenerale(st.EmCalc) + " Emin=" + FormatoGenerale(st.EminCalc) +
                       " Uo=" + FormatoGenerale(st.Uo());
}

// The layout and grid come from the fast work object (built once per
// spacing, as the plain program does too); the field is the plain one.
class AreaPiana : public LavoroSweep {
public:
    AreaPiana(const ContestoFile& cf, const StatoProgetto& s, std::atomic<long long>* totale = nullptr)
        : cf_(cf), stato_(s), p_(ParametriAreaDaStato(s)), req_(RequisitiAreaDaStato(s)), totale_(totale) {}
    ~AreaPiana() override {
        if (totale_) *totale_ += conta_;
    }

    bool PreparaGruppo(const GruppoCandidati& g) override {
        p_.LampCalc = g.lampada;
        p_.HPaloA = g.H;
        p_.Interdist = g.S;
        return lavoro_.Prepara(p_) == EsitoA::Ok;
    }

    bool Valuta(const Candidato& c, RigaSoluzione& riga) override {
        p_.SbraccioA = c.Sbraccio;
        p_.InclinaA = c.Inclina;
        const auto& g = lavoro_.Griglia();
        const auto& app = lavoro_.Apparecchi();
        if (totale_) {  // counting only: every luminaire toward every point
            conta_ += static_cast<long long>(app.size()) * g.NPtiLong * g.NPtiTrasv;
            return false;
        }
        ContestoCalcolo ctx;
        if (!CalcolaIllum(ctx, *cf_.foto, p_, g, app, campo_, stat_) || ctx.ErrCalcolo) return false;
        if (!stato_.TuttiRisultati && !VerificaClasseA(stat_, req_)) return false;
        RigaArea(cf_, stato_, p_, c, stat_, riga);
        return true;
    }

private:
    const ContestoFile& cf_;
    const StatoProgetto& stato_;
    ParametriArea p_;
    RequisitiArea req_;
    LavoroArea lavoro_;
    CampoIllum campo_;
    StatisticheIllum stat_;
    std::atomic<long long>* totale_;
    long long conta_ = 0;
};

}  // namespace

RisultatoSweep OttimizzaStradaPiana(const StatoProgetto& stato, TabellaDbf& tabella, Interazione& ui,
                                    const OpzioniOttimizza& opz) {
    return EseguiSweep(stato, TipoImpianto::Strada, tabella, ui, opz, [&stato](const ContestoFile& cf) {
        return std::make_unique<StradaPiana>(cf, stato);
    });
}

RisultatoSweep OttimizzaAreaPiana(const StatoProgetto& stato, TabellaDbf& tabella, Interazione& ui,
                                  const OpzioniOttimizza& opz) {
    return EseguiSweep(stato, TipoImpianto::Percorso, tabella, ui, opz, [&stato](const ContestoFile& cf) {
        return std::make_unique<AreaPiana>(cf, stato);
    });
}

long long LookupStrada(const StatoProgetto& stato) {
    std::atomic<long long> totale{0};
    {
        TabellaTemporanea t("NTRLUX");
        InterazioneMuta ui;
        EseguiSweep(stato, TipoImpianto::Strada, t.Tabella(), ui, {}, [&](const ContestoFile& cf) {
            return std::make_unique<StradaConteggio>(cf, stato, totale);
        });
    }
    return totale.load();
}

long long LookupArea(const StatoProgetto& stato) {
    std::atomic<long long> totale{0};
    {
        TabellaTemporanea t("NTRLUXA");
        InterazioneMuta ui;
        EseguiSweep(stato, TipoImpianto::Percorso, t.Tabella(), ui, {}, [&](const ContestoFile& cf) {
            return std::make_unique<AreaPiana>(cf, stato, &totale);
        });
    }
    return totale.load();
}

}  // namespace nottaro::bench
