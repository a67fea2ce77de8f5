#include "masterplan/CalcolaMasterplan.h"

#include <algorithm>
#include <chrono>

#include "core/i18n/Messaggi.h"
#include "core/intensity/Intensita.h"
#include "core/text/Testo.h"
#include "engine/sweep/InOrdineInParallelo.h"
#include "masterplan/VerificaDati.h"
#include "masterplan/valutazioni/Valutazioni.h"

namespace nottaro::mp {

namespace {

const char* const DatiMancanti = "Dati mancanti";
const char* const LdtMancante = "LDT mancante";

std::optional<double> Reale(const std::string& s) { return ConvertiReale(ConPunto(s)); }

void CelleStrisce(const EsitoRigaMP& e, int lato, CelleRiga& c) {
    const int base = lato == 0 ? TStrisceSx : TStrisceDx;
    for (int k = 0; k < 2; ++k) {
        const Striscia& st = e.Sol[k].Strisce[lato];
        if (!st.Presente) continue;
        c[base + 3 * k] = NumeroCella(st.Em, 2);
        c[base + 3 * k + 1] = NumeroCella(st.Emin, 2);
        c[base + 3 * k + 2] = NumeroCella(st.Emax, 2);
    }
}

}  // namespace

std::optional<DatiRigaMP> PreparaRiga(const RigaMP& r, const ArchivioLdt& archivio, std::string& nota) {
    DatiRigaMP d;
    nota = DatiMancanti;
    const std::string app = Minuscolo(r[CApplicazione]);
    const auto H = Reale(r[CAltezza]), s = Reale(r[CAvanzamento]), W = Reale(r[CLarghezza]);
    const auto corsie = ConvertiIntero(r[CCorsie]), sensi = ConvertiIntero(r[CSenso]);
    if (!H || !(*H > 0) || !s || !W || !(*W > 0) || !corsie || *corsie < 1 || !sensi || *sensi < 1) return std::nullopt;
    d.H = *H;
    d.s = *s;
    d.W = *W;
    d.NCorsie = *corsie * *sensi;
    d.ClasseRiga = Minuscolo(r[CClasse]);
    const auto req = ImpostaClasseMP(d.ClasseRiga, app);
    if (!req) return std::nullopt;
    d.Req = *req;
    std::string disp = Minuscolo(r[CDisposizione]);
    if (disp == "-") disp.clear();
    const auto numero = ConvertiIntero(disp);
    if (d.Req.Tipo == TipoRiga::Rotatoria) {
        if (numero && *numero > 0) d.NApparecchi = *numero;
    } else if (disp.empty()) d.DispPali = Minuscolo(r[CPosPalo]) == "sx" ? 1 : 2;
    else if (disp == "quinconce") d.DispPali = 4;
    else if (disp == "bilaterale frontale") d.DispPali = 6;
    else if (disp == "centro strada") d.DispPali = 3;
    else if (disp == "doppio centro strada") d.DispPali = 5;
    else return std::nullopt;
    for (auto [c, w] : {std::pair{CLargSx, &d.LargSx}, std::pair{CLargDx, &d.LargDx}}) {
        if (r[c].empty()) continue;
        const auto v = Reale(r[c]);
        if (!v || *v < 0) return std::nullopt;
        *w = *v;
    }
    const std::string& sp = r[CInterdistanza];
    if (!sp.empty() && sp != "-") {
        const auto v = Reale(sp);
        if (!v || !(*v > 0)) return std::nullopt;
        d.Interdist = *v;
        d.DaProgetto = true;
    }
    // A roundabout's "Interdistanza" is the island radius: it cannot be guessed.
    if (d.Req.Tipo == TipoRiga::Rotatoria) {
        if (!d.DaProgetto) return std::nullopt;
        d.DaProgetto = d.NApparecchi > 0;
    }
    if (r[CModello].empty() || r[CPotenza].empty() || r[CSorgente].empty()) return std::nullopt;
    for (const auto& n : archivio.Corrispondenti(r[CModello], r[CPotenza], r[CSorgente]))
        if (const FileLdt* f = archivio.File(n)) d.File.push_back(f);
    if (d.File.empty()) {
        nota = LdtMancante;
        return std::nullopt;
    }
    nota.clear();
    return d;
}

RigaTabellaMP EseguiRiga(const RigaMP& r, const ArchivioLdt& archivio, const OpzioniMP& o) {
    RigaTabellaMP t;
    t.Origine = r;
    CelleDaRiga(r, t.Celle);
    std::string nota;
    t.Dati = PreparaRiga(r, archivio, nota);
    if (!t.Dati) {
        t.Celle[TNote] = nota;
        t.DaVerificare = true;
        return t;
    }
    const DatiRigaMP& d = *t.Dati;
    switch (d.Req.Tipo) {
    case TipoRiga::Strada: t.Esito = CalcoloStradaMP(d, o); break;
    case TipoRiga::Area: t.Esito = CalcoloAreaMP(d, o); break;
    case TipoRiga::Rotatoria: t.Esito = CalcoloRotatoriaMP(d, o); break;
    }
    const EsitoRigaMP& e = t.Esito;
    auto& c = t.Celle;
    c[TNote] = e.Parola;
    if (!e.Osservazione.empty()) c[TLR17] = e.Osservazione;
    if (e.Trattenuti == 0) {
        t.DaVerificare = true;
        return t;
    }
    CelleSoluzione(e.Sol[0], c, TSol1, TIPEI1);
    if (!d.DaProgetto) CelleSoluzione(e.Sol[1], c, TSol2, TIPEI2);
    if (o.OpzioneStrisce >= 1) {
        if (d.LargSx > 0) CelleStrisce(e, 0, c);
        if (d.LargDx > 0) CelleStrisce(e, 1, c);
        if (o.OpzioneStrisce == 1) {
            const auto& st = e.Sol[0].Strisce;
            if (d.LargSx > 0 && st[0].Presente) c[TTipoSx] = CategoriaRifP(st[0].Em, st[0].Emin);
            if (d.LargDx > 0 && st[1].Presente) c[TTipoDx] = CategoriaRifP(st[1].Em, st[1].Emin);
        }
    }
    const SoluzioneMP& s1 = e.Sol[0];
    if (s1.Potenza > 0) {
        const double eta = s1.Flusso / s1.Potenza;
        const RiferimentiIPEA ref = RiferimentiPerPotenza(s1.Potenza);
        c[TIPEA] = ClasseIPEA(eta / ref.S);
        c[TIPEA + 1] = ClasseIPEA(eta / ref.A);
        c[TIPEA + 2] = ClasseIPEA(eta / ref.P);
        c[TIPEA + 3] = ClasseIPEA(eta / ref.C);
    }
    return t;
}

namespace {

double Adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Runs the rows `righe` with the long jobs' parallel loop, each into
// `destinazione(k)`; progress (rows done, rows to check, time left) goes to
// the Riscontro a few times a second. Returns how many rows, from the first,
// were run (fewer only after a stop).
template <class Destinazione>
std::size_t EseguiRighe(const std::vector<RigaMP>& righe, const ArchivioLdt& archivio, const OpzioniMP& o, int thread,
                        Riscontro& riscontro, Destinazione destinazione) {
    const std::size_t n = righe.size();
    const double inizio = Adesso();
    double ultimo = -1;
    std::size_t fatte = 0, riportate = 0;
    long long daVerificare = 0;
    // Every finished row is reported (a row costs far more than its report),
    // so a stop asked on seeing a row done takes effect before the next ones;
    // while no row finishes, a heartbeat every 0.1 s keeps the time current.
    auto progresso = [&](bool forza) {
        const double t = Adesso();
        if (!forza && fatte == riportate && ultimo >= 0 && t - ultimo < 0.1) return;
        ultimo = t;
        riportate = fatte;
        Avanzamento a;
        a.fatti = static_cast<long long>(fatte);
        a.totale = static_cast<long long>(n);
        a.trovati = daVerificare;
        a.secondi = t - inizio;
        a.secondiRimasti = fatte > 0 ? a.secondi / static_cast<double>(fatte) * static_cast<double>(n - fatte) : -1;
        riscontro.Progresso(a);
        riscontro.ConsegnaSeChiamante();
    };
    progresso(true);
    OpzioniInOrdine par;
    par.thread = thread;
    const std::size_t ricevute = InOrdineInParallelo(
        n, par, [] { return 0; },
        [&](std::size_t k, int&, const FermataLavori&) { return EseguiRiga(righe[k], archivio, o); },
        [&](std::size_t k, RigaTabellaMP& r) {
            if (r.DaVerificare) ++daVerificare;
            destinazione(k) = std::move(r);
            ++fatte;
            return true;
        },
        [&] { return riscontro.Annullato(); }, [&] { progresso(false); });
    progresso(true);
    return ricevute;
}

}  // namespace

RisultatoMP CalcolaMasterplan(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr,
                              const OpzioniMP& o, int thread, Riscontro& riscontro) {
    RisultatoMP ris;
    ris.Archivio = std::make_shared<ArchivioLdt>(o.DirLdtMaster);
    // Rows with a known application, and every file they match, read once here.
    std::vector<RigaMP> righe;
    std::vector<std::string> nomi;
    for (int riga = PrimaRigaMP; riga <= foglio.NumRighe(); ++riga) {
        RigaMP r = LeggiRigaMP(foglio, m, corr, riga);
        if (!ApplicazioneNota(Minuscolo(r[CApplicazione]))) continue;
        if (!r[CModello].empty() && !r[CPotenza].empty() && !r[CSorgente].empty())
            for (auto& n : ris.Archivio->Corrispondenti(r[CModello], r[CPotenza], r[CSorgente])) nomi.push_back(n);
        righe.push_back(std::move(r));
    }
    ris.Archivio->Carica(nomi);
    ris.Righe.resize(righe.size());
    const std::size_t fatte =
        EseguiRighe(righe, *ris.Archivio, o, thread, riscontro, [&](std::size_t k) -> RigaTabellaMP& { return ris.Righe[k]; });
    ris.Interrotto = fatte < righe.size();
    ris.Righe.resize(fatte);
    ChiudiRisultato(ris, o.Lingua);
    return ris;
}

RisultatoMP CalcolaMasterplan(const Foglio& foglio, const MappaColonne& m, const Correzioni& corr,
                              const OpzioniMP& o, int thread) {
    Riscontro nessuno;
    return CalcolaMasterplan(foglio, m, corr, o, thread, nessuno);
}

bool RicalcolaRighe(RisultatoMP& ris, int riga, const OpzioniMP& o, int thread, Riscontro& riscontro) {
    if (!ris.Archivio) ris.Archivio = std::make_shared<ArchivioLdt>(o.DirLdtMaster);
    std::vector<std::size_t> scelte;
    for (std::size_t k = 0; k < ris.Righe.size(); ++k)
        if (riga == 0 || static_cast<int>(k) + 1 == riga) scelte.push_back(k);
    std::vector<RigaMP> righe;
    std::vector<std::string> nomi;
    for (std::size_t k : scelte) {
        const auto& t = ris.Righe[k];
        RigaMP r = RigaDaCelle(t.Celle, t.Origine[CLR17]);
        r.RigaFoglio = t.Origine.RigaFoglio;
        if (!r[CModello].empty() && !r[CPotenza].empty() && !r[CSorgente].empty())
            for (auto& n : ris.Archivio->Corrispondenti(r[CModello], r[CPotenza], r[CSorgente])) nomi.push_back(n);
        righe.push_back(std::move(r));
    }
    ris.Archivio->Carica(nomi);
    const std::size_t fatte = EseguiRighe(righe, *ris.Archivio, o, thread, riscontro,
                                          [&](std::size_t i) -> RigaTabellaMP& { return ris.Righe[scelte[i]]; });
    ChiudiRisultato(ris, o.Lingua);
    return fatte == righe.size();
}

void RicalcolaRighe(RisultatoMP& ris, int riga, const OpzioniMP& o, int thread) {
    Riscontro nessuno;
    RicalcolaRighe(ris, riga, o, thread, nessuno);
}

void ChiudiRisultato(RisultatoMP& ris, int lingua) {
    ris.DaVerificare = 0;
    for (std::size_t k = 0; k < ris.Righe.size(); ++k) {
        ris.Righe[k].Celle[TPosizione] = std::to_string(k + 1);
        if (ris.Righe[k].DaVerificare) ++ris.DaVerificare;
    }
    ris.Pronto = ris.DaVerificare == 0;
    if (ris.Pronto)
        ris.TestoFine = Msg(1407, lingua);
    else
        ris.TestoFine = Msg(1409, lingua) + std::to_string(ris.DaVerificare) + "/" + std::to_string(ris.Righe.size()) +
                        Msg(1410, lingua);
}

}  // namespace nottaro::mp
