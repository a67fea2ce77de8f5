#include "bench/SweepPiani.h"

#include <atomic>
#include <memory>

#include "engine/area/IlluminamentoArea.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/road/ValutazioneStrada.h"
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

    bool Valuta(const Candidato& c, RigaTrovata&) override {
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

// Counts the lookups of the path field: every luminaire toward every point,
// once per candidate; stores nothing.
class AreaConteggio : public LavoroSweep {
public:
    AreaConteggio(const StatoProgetto& s, std::atomic<long long>& totale)
        : p_(ParametriAreaDaStato(s)), totale_(totale) {}
    ~AreaConteggio() override { totale_ += conta_; }

    bool PreparaGruppo(const GruppoCandidati& g) override {
        p_.LampCalc = g.lampada;
        p_.HPaloA = g.H;
        p_.Interdist = g.S;
        return lavoro_.Prepara(p_) == EsitoA::Ok;
    }

    bool Valuta(const Candidato&, RigaTrovata&) override {
        const auto& g = lavoro_.Griglia();
        conta_ += static_cast<long long>(lavoro_.Apparecchi().size()) * g.NPtiLong * g.NPtiTrasv;
        return false;
    }

private:
    ParametriArea p_;
    LavoroArea lavoro_;
    std::atomic<long long>& totale_;
    long long conta_ = 0;
};

}  // namespace

RisultatoSweep OttimizzaStradaPiana(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro) {
    RichiestaCalcolo r = richiesta;
    r.opzioni.valutazionePiana = true;
    return OttimizzaStrada(r, righe, riscontro);
}

RisultatoSweep OttimizzaAreaPiana(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro) {
    RichiestaCalcolo r = richiesta;
    r.opzioni.valutazionePiana = true;
    return OttimizzaArea(r, righe, riscontro);
}

long long LookupStrada(const StatoProgetto& stato) {
    std::atomic<long long> totale{0};
    {
        RigheInMemoria righe;
        Riscontro riscontro;
        EseguiSweep(RichiestaDaStato(stato, TipoImpianto::Strada), righe, riscontro, [&](const ContestoFile& cf) {
            return std::make_unique<StradaConteggio>(cf, stato, totale);
        });
    }
    return totale.load();
}

long long LookupArea(const StatoProgetto& stato) {
    std::atomic<long long> totale{0};
    {
        RigheInMemoria righe;
        Riscontro riscontro;
        EseguiSweep(RichiestaDaStato(stato, TipoImpianto::Percorso), righe, riscontro, [&](const ContestoFile&) {
            return std::make_unique<AreaConteggio>(stato, totale);
        });
    }
    return totale.load();
}

}  // namespace nottaro::bench
