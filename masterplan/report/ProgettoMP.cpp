#include "masterplan/report/ProgettoMP.h"

#include <cctype>
#include <filesystem>

#include "core/files/NomeInCartella.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/interaction/Interazione.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/text/Testo.h"
#include "engine/progetto/GiudizioProgetto.h"
#include "masterplan/progetto/CartellaProgetto.h"
#include "masterplan/progetto/StatoMasterplan.h"

namespace nottaro::mp {

namespace fs = std::filesystem;

bool RigaStampabile(const RigaTabellaMP& r) {
    return ApplicazioneStampata(r.Celle[TApplicazione]) && r.Dati && r.Esito.Trattenuti > 0 && r.Esito.Sol[0].Presente;
}

std::shared_ptr<FileLdt> LeggiFileStampa(const std::string& cartella, const std::string& nome) {
    auto f = std::make_shared<FileLdt>();
    f->Nome = nome;
    f->Percorso = (fs::path(cartella) / nome).string();
    f->Foto = std::make_unique<Fotometria>();
    // A name with a folder part (or an absolute one) would leave the
    // photometric folder: such a file is not read.
    if (!NomeSenzaCartella(nome)) return f;
    InterazioneMuta muta;
    const int esito = LeggiEulumdat(f->Percorso, *f->Foto, muta);
    f->Leggibile = esito == 0 && f->Foto->NumC() > 0 && f->Foto->NumG() > 0 && f->Foto->NumLampade > 0;
    return f;
}

std::string FotoApparecchio(const std::string& dirCorpi, const std::string& modello) {
    if (dirCorpi.empty() || !NomeSenzaCartella(modello)) return {};
    std::error_code ec;
    const fs::path p = fs::path(dirCorpi) / (modello + ".jpg");
    return fs::is_regular_file(p, ec) ? p.string() : std::string();
}

namespace {

// The plans' figures: the road's observers (one per lane) and illuminance,
// or the path's illuminance.
void CampiDaDettaglio(DatiReport& d, const DettaglioSoluzioneMP& p) {
    if (p.Tipo == TipoRiga::Strada) {
        const SoluzioneStrada& s = p.Strada;
        const CampoStrada& c = s.campo;
        d.SolLm = s.SolLm, d.SolUo = s.SolUo, d.SolUl = s.SolUl, d.TICalc = s.TICalc;
        d.EmCalc = s.stat.EmCalc, d.EminCalc = s.stat.EminCalc, d.EmaxCalc = s.stat.EmaxCalc;
        d.osservatori = OsservatoriReport(c, false);
        d.illuminamenti = CampoReportDa(s.illum.Illum, 0, s.illum.NPtiLong, s.illum.NPtiTrasv);
    } else {
        const RisultatoPercorso& r = p.Percorso.risultato;
        d.EmCalc = r.Stat.EmCalc, d.EminCalc = r.Stat.EminCalc, d.EmaxCalc = r.Stat.EmaxCalc;
        d.illuminamenti = CampoReportDa(r.Campo.Illum, 0, r.Campo.NPtiLong, r.Campo.NPtiTrasv);
    }
}

// The row's class judged on the figures of the solution its pages show,
// so the presentation page names the class and says whether it is met.
void Verdetto(DatiReport& d, const DettaglioSoluzioneMP& p, const RequisitiMP& req) {
    std::vector<Criterio> criteri;
    if (p.Tipo == TipoRiga::Strada) {
        const SoluzioneStrada& s = p.Strada;
        criteri = GiudicaStrada(EdizioneParti, {req.LmMin, req.UoMin, req.UlMin, req.TiMax, 0},
                                {s.SolLm, s.SolUo, s.SolUl, s.TICalc, 0});
    } else {
        const StatisticheIllum& st = p.Tipo == TipoRiga::Rotatoria ? p.StatAnello : p.Percorso.risultato.Stat;
        criteri = GiudicaPercorsoParti(req.EmMin, req.EminMin, req.UeMin, st);
    }
    d.criteri.clear();
    for (const Criterio& c : criteri)
        d.criteri.push_back({std::string(c.nome), c.richiesto, c.valore, c.minimo, c.giudicato, c.soddisfatto});
    d.conforme = TuttiSoddisfatti(criteri);
}

}  // namespace

std::optional<ProgettoMP> PreparaProgettoMP(const RigaTabellaMP& r, int indice, const OpzioniMP& o,
                                            const OpzioniStampaMP& s, const AmbienteStampaMP& a,
                                            const std::string& numero, std::string& errore) {
    ProgettoMP p;
    p.riga = &r;
    p.indice = indice;
    p.numero = numero;
    const DatiRigaMP& dr = *r.Dati;
    p.sol[0] = &r.Esito.Sol[0];
    if (!dr.DaProgetto && r.Esito.Sol[1].Presente) p.sol[1] = &r.Esito.Sol[1];
    // Each solution from its own file, read again: a file gone since the run
    // stops the row, not the print.
    DatiRigaMP d = dr;
    d.File.clear();
    for (int k = 0; k < 2; ++k) {
        if (!p.sol[k]) continue;
        const std::string& nome = p.sol[k]->File;
        if (k == 1 && p.file[0] && p.file[0]->Nome == nome) {
            p.file[1] = p.file[0];
            continue;
        }
        p.file[k] = LeggiFileStampa(a.DirLdtMaster, nome);
        if (!p.file[k]->Leggibile) {
            errore = ConArgomenti(Msg(1996, o.Lingua), {p.file[k]->Percorso});
            return std::nullopt;
        }
        d.File.push_back(p.file[k].get());
    }
    for (int k = 0; k < 2; ++k) {
        if (!p.sol[k]) continue;
        p.dettagli[k] = ValutaSoluzione(d, o, *p.sol[k]);
        if (!p.dettagli[k].ok) {
            errore = Msg(1997, o.Lingua);
            return std::nullopt;
        }
    }
    // Plans: the row's own spacing, or with the option solution 2's.
    const int kPiani = dr.DaProgetto ? 0 : (s.TabMinMax && p.sol[1] ? 1 : -1);
    if (kPiani >= 0) p.piani = p.dettagli[kPiani];
    const SoluzioneMP& mostrata = *p.sol[kPiani >= 0 ? kPiani : 0];

    DatiReport& dati = p.dati;
    dati = a.base;
    dati.Lingua = o.Lingua;
    const bool strada = dr.Req.Tipo == TipoRiga::Strada;
    dati.TipoProgetto = strada ? 0 : 1;
    dati.GrigliaEN = 1;
    dati.OssUNI = 0;
    // The presentation's title (the kind of application and the class), site
    // (the street), section (the class) and description come from the row.
    std::string classe = r.Celle[TCategoria];
    for (char& c : classe) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    dati.PrjRiga1 = numero;
    dati.PrjRiga2 = s.Luogo;
    dati.PrjRiga3 = Msg(1954, o.Lingua) + r.Celle[TApplicazione] + Msg(1955, o.Lingua) + classe;
    dati.PrjRiga4 = r.Celle[TVia];
    dati.PrjRiga5 = r.Celle[TCategoria];
    dati.PrjDescr = r.Celle[TDescrizione];
    if (strada) {
        dati.LargStrada = dr.W, dati.NCorsie = dr.NCorsie, dati.ClassePav = 1;
        dati.DispPali = DisposizioneStradaNelProgetto(dr.DispPali);
        dati.Deprezz = o.Deprezz;
        dati.LmMin = dr.Req.LmMin, dati.UoMin = dr.Req.UoMin, dati.UlMin = dr.Req.UlMin, dati.TiMax = dr.Req.TiMax;
    } else {
        dati.LargStradaA = dr.W, dati.NCorsie = dr.NCorsie, dati.DispPaliA = dr.DispPali, dati.DeprezzA = o.Deprezz;
        dati.EmMin = dr.Req.EmMin, dati.EminMin = dr.Req.EminMin, dati.UeMin = dr.Req.UeMin;
    }
    dati.Interdist = mostrata.Spaziatura;
    dati.HPalo = dr.H;
    dati.Sbraccio = dr.s;
    dati.Inclina = 0;
    dati.SolLampada = r.Celle[TSorgente];
    dati.SolLumen = FormatoGenerale(mostrata.Flusso);
    dati.SolPotenza = FormatoGenerale(mostrata.Potenza);
    dati.CatNomeFile = mostrata.File;
    dati.osservatori.clear();
    dati.illuminamenti = {};
    if (p.piani) CampiDaDettaglio(dati, *p.piani);
    dati.Classe = classe;
    dati.Norma = "EN 13201-2";
    Verdetto(dati, p.dettagli[kPiani >= 0 ? kPiani : 0], dr.Req);
    // The diagram of solution 2's luminaire when the table shows solution 2.
    const int kCurva = !r.Celle[TSol2 + SLivello].empty() && p.file[1] ? 1 : 0;
    dati.Foto = std::shared_ptr<const Fotometria>(p.file[kCurva], p.file[kCurva]->Foto.get());
    dati.FotoImpianto = FotoRiga(r, a.DirImmagini, s.FotoInLR17);
    dati.FotoApp = FotoApparecchio(a.DirCorpi, r.Celle[TCorpo]);
    return p;
}

}  // namespace nottaro::mp
