#include "engine/road/EsecuzioneSweep.h"

#include <fstream>

#include "core/files/ListaFile.h"
#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"
#include "engine/road/SequenzeSweep.h"

namespace nottaro {
namespace {

// A list entry that cannot be read is skipped without a word: the reader's
// messages go nowhere, prompts are declined.
class InterazioneMuta : public Interazione {
public:
    explicit InterazioneMuta(Interazione& ui) : ui_(ui) {}
    void Avviso(const std::string&) override {}
    bool Conferma(const std::string&) override { return false; }
    void Informazione(const std::string&) override {}
    bool ChiediDatiLampada(DatiLampada&) override { return false; }
    void Progresso(const Avanzamento& a) override { ui_.Progresso(a); }
    void ElaboraInput() override { ui_.ElaboraInput(); }

private:
    Interazione& ui_;
};

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
    for (const std::string& v : voci) {
        if (Trim(v).empty()) continue;
        const std::string trovato = RisolviVoceLista(v, CartellaDi(percorso), dirProg);
        righe.push_back(trovato.empty() ? v : trovato);
    }
    return true;
}

std::vector<ValoreCampo> ValoriRiga(const ContestoFile& cf, const Candidato& c, const double (&luce)[4],
                                    const std::string& corpo, const FigureRiga& fr) {
    const Fotometria& f = *cf.foto;
    const auto l = static_cast<std::size_t>(c.lampada);
    return {c.H,          c.Sbraccio,      c.S,           c.Inclina,     luce[0],       luce[1],
            luce[2],      luce[3],         fr.INDICER,    fr.INDICEI,    fr.POTENZAM2,  fr.POTENZALM,
            f.PotLamp[l], f.FlussoLamp[l], TroncaTesto(f.TipoLamp[l], 30), TroncaTesto(corpo, 80),
            TroncaTesto(cf.fileLdt, 80), fr.NPALI, fr.COSTONUOVO, fr.POTENZAKM, fr.KWHANNO,
            fr.SPESAEANNO, fr.COSTOTOT, fr.RISPIMPIAN, fr.RISPIMPIAP, fr.RISPMANUTE, fr.RISPMANUTP,
            fr.RISPEANNO, fr.RISPEANNOP, fr.RISPE25ANN, fr.COSTOADEGU, fr.DELTAWKM, fr.DELTALMKM,
            fr.DELTALMP, fr.DELTAKWHAN, fr.RISPEANNOA, fr.RISPEAP, fr.RISPMANUTA, fr.BREAKEVEN};
}

std::string TroncaTesto(const std::string& s, std::size_t n) {
    std::size_t caratteri = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        // Count the first byte of every UTF-8 sequence.
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (caratteri == n) return s.substr(0, i);
            ++caratteri;
        }
    }
    return s;
}

RisultatoSweep EseguiSweep(const StatoProgetto& stato, TipoImpianto tipo, TabellaDbf& tabella, Interazione& ui,
                           const OpzioniOttimizza& opz, const CreaLavoro& crea) {
    RisultatoSweep r;
    if (!tabella.Aperta()) {
        r.errore = "the solution table is not open";
        return r;
    }
    // A table of another layout (an older program's file) would refuse every row.
    const Layout& atteso = tipo == TipoImpianto::Strada ? LayoutNTRLUX() : LayoutNTRLUXA();
    bool stessiCampi = tabella.Campi().size() == atteso.size();
    for (std::size_t i = 0; stessiCampi && i < atteso.size(); ++i)
        stessiCampi = tabella.IndiceCampo(atteso[i].nome) == static_cast<int>(i) &&
                      tabella.Campi()[i].tipo == atteso[i].tipo;
    if (!stessiCampi) {
        r.errore = "the table " + tabella.Percorso() + " does not have the fields of a " +
                   (tipo == TipoImpianto::Strada ? "road" : "path") + " solution table";
        return r;
    }
    const ParametriSequenze par = ParametriDaStato(stato, tipo);
    const Livello altezze = Altezze(par);
    const Livello sbracci = Sbracci(par);
    const Livello inclinazioni = Inclinazioni(par);

    std::vector<std::string> lista;
    const bool conLista = !stato.FileLista.empty();
    if (conLista && !LeggiListaFile(stato.FileLista, lista, stato.DirProg)) {
        r.errore = "cannot read the luminaire list " + stato.FileLista;
        return r;
    }
    if (!conLista && !FotometriaUsabile(stato.Foto)) {
        r.errore = "no photometry loaded";
        return r;
    }

    const long long perLampada = CandidatiPerLampada(par);
    const int lampadeStima =
        conLista ? 1 : static_cast<int>(LampadeDaOttimizzare(stato, stato.Foto).size());
    r.totale = perLampada * lampadeStima * (conLista ? static_cast<long long>(lista.size()) : 1);

    OpzioniSweep os;
    os.thread = opz.thread;
    os.limiteRighe = opz.limiteRighe;
    os.interrompi = opz.interrompi;
    os.intervalloProgresso = opz.intervalloProgresso;
    const Layout campi = tabella.Campi();
    auto scrivi = [&tabella](long long num, const RigaSoluzione& riga) {
        std::vector<ValoreCampo> v;
        v.reserve(riga.valori.size() + 1);
        v.emplace_back(static_cast<double>(num));
        v.insert(v.end(), riga.valori.begin(), riga.valori.end());
        return tabella.Aggiungi(v).errore;
    };
    os.consolida = [&tabella] { tabella.Consolida(); };
    MotoreSweep motore(os, ui, scrivi, campi, r.totale);
    {
        Avanzamento a;
        a.totale = r.totale;
        a.testo = Msg(133) + std::to_string(r.totale);
        ui.Progresso(a);
    }

    const std::size_t nFile = conLista ? lista.size() : 1;
    std::unique_ptr<Fotometria> letta;
    InterazioneMuta muta(ui);
    for (std::size_t f = 0; f < nFile; ++f) {
        if (opz.interrompi && opz.interrompi->load()) break;
        const Fotometria* foto = &stato.Foto;
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
        motore.ImpostaPrefissoErrore("File: " + cf.fileLdt);
        const bool continua = motore.Esegui(gruppi, sbracci.valori, inclinazioni.valori,
                                            [&crea, &cf] { return crea(cf); });
        if (!continua) break;
    }
    motore.ProgressoFinale();

    r.NRisultati = motore.Righe();
    r.candidati = motore.CandidatiValutati();
    r.secondi = motore.Secondi();
    r.thread = motore.Thread();
    r.interrotto = motore.Interrotto() || (opz.interrompi && opz.interrompi->load() && !motore.LimiteRaggiunto());
    r.limiteRaggiunto = motore.LimiteRaggiunto();
    if (r.errore.empty()) r.errore = motore.Errore();
    r.riepilogo = motore.Riepilogo();
    if (r.candidati > 0) {
        const Candidato& u = motore.UltimoCandidato();
        r.HPalo = altezze.Dopo(u.H);
        r.Interdist = Interdistanze(par, u.H).Dopo(u.S);
        r.Sbraccio = sbracci.Dopo(u.Sbraccio);
        r.Inclina = inclinazioni.Dopo(u.Inclina);
        r.LampCalc = u.lampada;
    }
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
