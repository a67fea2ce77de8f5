#include "engine/sweep/EsecuzioneSweep.h"

#include <fstream>

#include "core/files/ListaFile.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/LimitiValori.h"
#include "core/text/Testo.h"
#include "engine/sweep/SequenzeSweep.h"

namespace nottaro {
namespace {

bool FotometriaUsabile(const Fotometria& f) {
    return f.NumLampade >= 1 && f.NumLampade <= MaxLampade && !f.Intens.Vuota();
}

std::vector<int> LampadeDaOttimizzare(const StatoProgetto& s, const Fotometria& f) {
    std::vector<int> v;
    if (s.TutteLampade && f.NumLampade > 1) {
        for (int l = 0; l < f.NumLampade; ++l) v.push_back(l);
    } else {
        v.push_back(f.LampSel >= 0 && f.LampSel < MaxLampade ? f.LampSel : 0);
    }
    return v;
}

}  // namespace

bool LeggiListaFile(const std::string& percorso, std::vector<std::string>& righe, const std::string& dirProg) {
    std::vector<std::string> voci;
    if (!LeggiListaNtr(percorso, voci)) return false;
    righe.clear();
    RisolutoreLista risolutore(CartellaDi(percorso), dirProg);
    for (const std::string& v : voci) {
        if (Trim(v).empty()) continue;
        const std::string trovato = risolutore.Risolvi(v);
        righe.push_back(trovato.empty() ? v : trovato);
    }
    return true;
}

DatiRiga DatiComuni(const ContestoFile& cf, const Candidato& c, const FigureRiga& fr) {
    const Fotometria& f = *cf.foto;
    const auto l = static_cast<std::size_t>(c.lampada);
    DatiRiga d;
    d.HPALO = c.H;
    d.SBRACCIO = c.Sbraccio;
    d.INTER = c.S;
    d.INCLINA = c.Inclina;
    d.POTENZA = f.PotLamp[l];
    d.LUMEN = f.FlussoLamp[l];
    d.LAMPADA = f.TipoLamp[l];
    d.FILELDT = cf.fileLdt;
    d.figure = fr;
    return d;
}

RisultatoSweep EseguiSweep(const RichiestaCalcolo& richiesta, DestinazioneRighe& righe, Riscontro& riscontro,
                           const CreaLavoro& crea) {
    RisultatoSweep r;
    const StatoProgetto& stato = richiesta.Valori();
    const TipoImpianto tipo = richiesta.tipo;
    // Whoever built the request (a window, a batch row), a value outside its
    // range never reaches the loops: a 1 mm step would run for days.
    if (MessaggioCatalogo fuori = VerificaLimiti(stato); !fuori.Vuoto()) {
        r.errore = std::move(fuori);
        return r;
    }
    const ParametriSequenze par = ParametriDaStato(stato, tipo);
    const Livello altezze = Altezze(par);
    const Livello sbracci = Sbracci(par);
    const Livello inclinazioni = Inclinazioni(par);

    std::vector<std::string> lista;
    const bool conLista = !stato.FileLista.empty();
    if (conLista && !LeggiListaFile(stato.FileLista, lista, stato.DirProg)) {
        r.errore = {1102, {stato.FileLista}};
        return r;
    }
    if (!conLista && !(richiesta.foto && FotometriaUsabile(*richiesta.foto))) {
        r.errore = {1103, {}};
        return r;
    }

    const long long perLampada = CandidatiPerLampada(par);
    const int lampadeStima =
        conLista ? 1 : static_cast<int>(LampadeDaOttimizzare(stato, *richiesta.foto).size());
    r.totale = perLampada * lampadeStima * (conLista ? static_cast<long long>(lista.size()) : 1);

    const OpzioniOttimizza& opz = richiesta.opzioni;
    OpzioniSweep os;
    os.thread = opz.thread;
    os.limiteRighe = opz.limiteRighe;
    os.intervalloProgresso = opz.intervalloProgresso;
    MotoreSweep motore(os, riscontro, righe, r.totale);
    {
        Avanzamento a;
        a.totale = r.totale;
        a.testo = Msg(133) + std::to_string(r.totale);
        riscontro.Progresso(a);
        riscontro.ConsegnaSeChiamante();
    }

    const std::size_t nFile = conLista ? lista.size() : 1;
    std::unique_ptr<Fotometria> letta;
    InterazioneMuta muta;
    for (std::size_t f = 0; f < nFile; ++f) {
        if (riscontro.Annullato()) break;
        const Fotometria* foto = richiesta.foto.get();
        if (conLista) {
            letta = std::make_unique<Fotometria>();
            if (LeggiFotometria(lista[f], *letta, muta) != 0 || !FotometriaUsabile(*letta)) {
                r.fileScartati.push_back(lista[f]);
                continue;
            }
            foto = letta.get();
        }
        ContestoFile cf;
        cf.foto = foto;
        cf.fileLdt = foto->FileLdt.empty() ? NomeFile(conLista ? lista[f] : stato.FileFoto) : foto->FileLdt;
        cf.lampade.resize(MaxLampade);
        const std::vector<int> lampade = LampadeDaOttimizzare(stato, *foto);
        std::vector<GruppoCandidati> gruppi;
        for (int l : lampade) {
            LampadaSweep& ls = cf.lampade[static_cast<std::size_t>(l)];
            ls.lampada = FamigliaLampada(foto->TipoLamp[static_cast<std::size_t>(l)],
                                         foto->PotLamp[static_cast<std::size_t>(l)], stato);
            ls.costi = SommeLampada(stato, ls.lampada.SorgCosto);
            for (double H : altezze.valori)
                for (double S : Interdistanze(par, H).valori) gruppi.push_back({l, H, S});
        }
        motore.ImpostaFileCorrente(cf.fileLdt);
        const bool continua = motore.Esegui(gruppi, sbracci.valori, inclinazioni.valori,
                                            [&crea, &cf] { return crea(cf); });
        if (!continua) break;
    }
    motore.ProgressoFinale();
    // A list of which no entry could be read was never compared: saying that
    // no solution meets the requirements would blame the design.
    if (conLista && !riscontro.Annullato() && r.fileScartati.size() == lista.size())
        r.errore = {2101, {stato.FileLista}};

    r.NRisultati = motore.Righe();
    r.candidati = motore.CandidatiValutati();
    r.secondi = motore.Secondi();
    r.thread = motore.Thread();
    r.interrotto = motore.Interrotto() || (riscontro.Annullato() && !motore.LimiteRaggiunto());
    r.limiteRaggiunto = motore.LimiteRaggiunto();
    if (!motore.Errore().empty()) r.errore = {1104, {motore.Errore()}};
    r.riepilogo = motore.Riepilogo();
    if (r.candidati > 0) {
        const Candidato& u = motore.UltimoCandidato();
        r.HPalo = altezze.Dopo(u.H);
        r.Interdist = Interdistanze(par, u.H).Dopo(u.S);
        r.Sbraccio = sbracci.Dopo(u.Sbraccio);
        r.Inclina = inclinazioni.Dopo(u.Inclina);
        r.LampCalc = u.lampada;
    }
    riscontro.ConsegnaSeChiamante();
    return r;
}

void ApplicaRisultato(StatoProgetto& s, TipoImpianto tipo, const RisultatoSweep& r) {
    if (tipo == TipoImpianto::Strada) {
        s.TipoProgetto = 0;
        s.NRisultati = r.NRisultati;
        s.Riepilogo = r.riepilogo;
        if (r.candidati <= 0) return;
        s.HPalo = r.HPalo;
        s.Sbraccio = r.Sbraccio;
        s.Inclina = r.Inclina;
    } else {
        s.TipoProgetto = 1;
        s.DaProgetto = false;  // a path run from a loaded project opens its detail at once, then sweeps freely
        s.NRisultatiA = r.NRisultati;
        s.RiepilogoA = r.riepilogo;
        if (r.candidati <= 0) return;
        s.HPaloA = r.HPalo;
        s.SbraccioA = r.Sbraccio;
        s.InclinaA = r.Inclina;
    }
    s.Interdist = r.Interdist;
    s.LampCalc = r.LampCalc;
}

}  // namespace nottaro
