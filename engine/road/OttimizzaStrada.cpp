#include "engine/road/OttimizzaStrada.h"

#include "core/state/DisposizioniStrada.h"
#include "engine/comune/ClassiEdizione2015.h"
#include "engine/comune/IndicatoriEnergia.h"
#include "engine/road/IllumSoluzione.h"
#include "engine/road/RapportoBordo.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"

namespace nottaro {
namespace {

class LavoroStrada : public LavoroSweep {
public:
    LavoroStrada(const ContestoFile& cf, const StatoProgetto& s, bool piana, bool senzaIndicatori)
        : cf_(cf), stato_(s), p_(ParametriStradaDaStato(s)), piana_(piana), senzaIndicatori_(senzaIndicatori) {
        // The engine tests Ul, then the Lm window and Uo; the quick estimate
        // drops nothing (ScartaSottoStima stays off).
        soglie_.LmMin = s.LmMin;
        soglie_.ErrLm = s.ErrLm;
        soglie_.UlMin = s.UlMin;
        soglie_.UoMin = s.UoMin;
        soglie_.TuttiRisultati = s.TuttiRisultati;
        edizione2015_ = s.EdizioneEN == Edizione2015;
        eirMin_ = EirMinDaCodice(s.CodClasse);
        profilo_ = ProfiloDaStato(s);
        largLaterale_ = s.LargLaterale > 0 ? s.LargLaterale : 0;
    }

    bool PreparaGruppo(const GruppoCandidati& g) override {
        if (g.lampada != lampada_) {
            valutazione_.ImpostaFotometria(*cf_.foto, g.lampada);
            lampada_ = g.lampada;
        }
        p_.LampCalc = g.lampada;
        p_.HPalo = g.H;
        p_.Interdist = g.S;
        griglia_ = CreaGriglia(p_, grigliaE_) && DisponiApparecchi(p_, app_);
        return true;
    }

    bool Valuta(const Candidato& c, RigaTrovata& riga) override {
        p_.Sbraccio = c.Sbraccio;
        p_.Inclina = c.Inclina;
        const RisultatoStrada r =
            piana_ ? riferimento::ValutaStrada(*cf_.foto, p_, &soglie_, campoPiano_) : valutazione_.Valuta(p_, &soglie_);
        if (r.Esito != EsitoStrada::Accettato) return false;
        // The illuminance figures cost a field each: only for candidates the
        // luminance criteria kept, and under the 2015 edition only for those
        // whose glare it accepts.
        const bool giudica2015 = edizione2015_ && !senzaIndicatori_ && !soglie_.TuttiRisultati;
        if (giudica2015 && r.TI > stato_.TiMax) return false;
        Illuminamento il;
        if (!senzaIndicatori_ && !Illumina(il)) return false;
        if (giudica2015 && il.eir < eirMin_) return false;
        Riga(c, r, il, riga);
        return true;
    }

private:
    struct Illuminamento {
        double Em = 0;   // lx over the carriageway
        double eir = 0;  // 2015 edition only
        double emDx = 0, emSx = 0;  // lx over the lit side strips, when the design has them
    };

    bool Illumina(Illuminamento& il) {
        if (!griglia_) return false;
        ContestoCalcolo ctx;
        StatisticheIllum stat;
        // The fast evaluation still holds the intensities of the luminance
        // field, which is the illuminance grid seen from the same poles.
        const bool ok = piana_ ? IllumSoluzione(ctx, *cf_.foto, p_, app_, grigliaE_, campoE_, stat)
                               : valutazione_.Illuminamento(p_, campoE_, stat);
        if (!ok || ctx.ErrCalcolo) return false;
        il.Em = stat.EmCalc;
        if (largLaterale_ > 0) {
            const bool okS =
                piana_ ? IllumStrisceLaterali(ctx, *cf_.foto, p_, app_, largLaterale_, laterali_, il.emDx, il.emSx)
                       : IllumStrisceLaterali(ctx, valutazione_.Ricerca(), p_, app_, largLaterale_, laterali_,
                                              il.emDx, il.emSx);
            if (!okS || ctx.ErrCalcolo) return false;
        }
        if (!edizione2015_) return true;
        const bool okE = piana_ ? CalcolaEIR(ctx, *cf_.foto, p_, app_, largLaterale_, bordo_, il.eir)
                                : CalcolaEIR(ctx, valutazione_.Ricerca(), p_, app_, largLaterale_, bordo_, il.eir);
        return okE && !ctx.ErrCalcolo;
    }

    void Riga(const Candidato& c, const RisultatoStrada& r, const Illuminamento& il, RigaTrovata& riga) const {
        const Fotometria& f = *cf_.foto;
        const auto l = static_cast<std::size_t>(c.lampada);
        const LampadaSweep& ls = cf_.lampade[l];
        CandidatoEnergia ce;
        ce.tipo = TipoImpianto::Strada;
        ce.disp = p_.DispPali;
        ce.H = c.H;
        ce.S = c.S;
        ce.W = p_.LargStrada;
        ce.L = r.Lm;
        ce.flusso = f.FlussoLamp[l];
        const FigureRiga fr = CalcolaFigure(ce, ls.lampada, ls.costi, stato_);
        const std::string classe =
            ClasseEnergetica(ls.lampada.PotApp, r.Lm, stato_.LmMin, c.S, p_.LargStrada, p_.DispPali, stato_.CodClasse);
        RigaStrada rs;
        static_cast<DatiRiga&>(rs) = DatiComuni(cf_, c, fr);
        rs.CORPO = classe;
        rs.LUMINA = r.Lm;
        rs.UNIFG = r.Uo;
        rs.UNIFL = r.Ul;
        rs.TI = r.TI;
        rs.EIR = il.eir;
        // The carriageway, and the strips beside it where the design lights them.
        const SottoArea aree[] = {{il.Em, c.S * p_.LargStrada},
                                  {il.emDx, c.S * largLaterale_},
                                  {il.emSx, c.S * largLaterale_}};
        const std::size_t nAree = largLaterale_ > 0 ? 3 : 1;
        const IndicatoriEnergia ie =
            senzaIndicatori_ ? IndicatoriEnergia{}
                             : CalcolaIndicatori(ls.lampada.PotApp * ApparecchiPerInterdistStrada(p_.DispPali),
                                                 {aree, nAree}, profilo_);
        rs.DP = ie.Dp;
        rs.DE = ie.De;
        riga.dati = std::move(rs);
    }

    const ContestoFile& cf_;
    const StatoProgetto& stato_;
    ParametriStrada p_;
    SoglieStrada soglie_;
    ValutazioneStrada valutazione_;
    bool piana_;
    CampoStrada campoPiano_;
    int lampada_ = -1;
    bool senzaIndicatori_;
    bool edizione2015_ = false;
    double eirMin_ = 0;
    double largLaterale_ = 0;
    ProfiloEsercizio profilo_;
    bool griglia_ = false;
    GrigliaStrada grigliaE_;
    std::vector<Apparecchio> app_;
    CampoIllum campoE_;
    LavoroBordo bordo_;     // the edge ratio's strips
    LavoroBordo laterali_;  // the lit side strips of the power density
};

}  // namespace

ParametriStrada ParametriStradaDaStato(const StatoProgetto& s) { return ParametriStradaDaStato(s, s.Foto.LampSel); }

ParametriStrada ParametriStradaDaStato(const StatoProgetto& s, int lampCalc) {
    ParametriStrada p;
    // The double centre row is the engine's arrangement 5 laid out as pairs
    // on the centre line, as the batch evaluates it.
    p.DoppioCentro = s.DispPali == DispDoppioCentro;
    p.DispPali = p.DoppioCentro ? 5 : s.DispPali;
    p.LargStrada = s.LargStrada;
    p.NCorsie = s.NCorsie;
    p.ClassePav = s.ClassePav;
    p.Deprezz = s.Deprezz;
    p.GrigliaEN = s.GrigliaEN;
    p.NPtiCorsia = s.NPtiCorsia;
    p.InterMaxGriglia = s.InterMaxGriglia;
    p.PassoRigheMax = s.NPtiCorsia2;
    p.OssUNI = s.OssUNI;
    p.HPalo = s.HPalo;
    p.Sbraccio = s.Sbraccio;
    p.Inclina = s.Inclina;
    p.Interdist = s.Interdist;
    p.LampCalc = lampCalc;
    return p;
}

RisultatoSweep OttimizzaStrada(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro) {
    RichiestaCalcolo r = richiesta;
    r.tipo = TipoImpianto::Strada;
    return EseguiSweep(r, righe, riscontro, [&r](const ContestoFile& cf) {
        return std::make_unique<LavoroStrada>(cf, r.Valori(), r.opzioni.valutazionePiana, r.opzioni.senzaIndicatori);
    });
}

}  // namespace nottaro
