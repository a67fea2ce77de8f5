#include "engine/road/OttimizzaStrada.h"

#include "core/state/DisposizioniStrada.h"
#include "engine/road/ValutazioneStrada.h"
#include "engine/road/reference/LuminanzaRiferimento.h"

namespace nottaro {
namespace {

class LavoroStrada : public LavoroSweep {
public:
    LavoroStrada(const ContestoFile& cf, const StatoProgetto& s, bool piana)
        : cf_(cf), stato_(s), p_(ParametriStradaDaStato(s)), piana_(piana) {
        // The engine tests Ul, then the Lm window and Uo; the quick estimate
        // drops nothing (ScartaSottoStima stays off).
        soglie_.LmMin = s.LmMin;
        soglie_.ErrLm = s.ErrLm;
        soglie_.UlMin = s.UlMin;
        soglie_.UoMin = s.UoMin;
        soglie_.TuttiRisultati = s.TuttiRisultati;
    }

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

    bool Valuta(const Candidato& c, RigaTrovata& riga) override {
        p_.Sbraccio = c.Sbraccio;
        p_.Inclina = c.Inclina;
        const RisultatoStrada r =
            piana_ ? riferimento::ValutaStrada(*cf_.foto, p_, &soglie_, campoPiano_) : valutazione_.Valuta(p_, &soglie_);
        if (r.Esito != EsitoStrada::Accettato) return false;
        Riga(c, r, riga);
        return true;
    }

private:
    void Riga(const Candidato& c, const RisultatoStrada& r, RigaTrovata& riga) const {
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
        return std::make_unique<LavoroStrada>(cf, r.Valori(), r.opzioni.valutazionePiana);
    });
}

}  // namespace nottaro
