#include "masterplan/progetto/StatoMasterplan.h"

#include <filesystem>
#include <memory>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/interaction/Interazione.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/state/DisposizioniStrada.h"
#include "core/state/GrigliaNorma.h"
#include "engine/comune/ClassiArea.h"

namespace nottaro::mp {

StatoProgetto StatoDopoMasterplan(const StatoProgetto& prima, const StatoProgetto& dopo) {
    StatoProgetto s = prima;
    s.Deprezz = dopo.Deprezz;
    s.DirLdtMaster = dopo.DirLdtMaster;
    s.DirCorpi = dopo.DirCorpi;
    s.DirImmagini = dopo.DirImmagini;
    s.DirProgetto = dopo.DirProgetto;
    s.FileMaster = dopo.FileMaster;
    // What "C&onfigura Report" set: the identification and the letterhead.
    s.PrjRiga1 = dopo.PrjRiga1, s.PrjRiga2 = dopo.PrjRiga2, s.PrjRiga3 = dopo.PrjRiga3;
    s.PrjRiga4 = dopo.PrjRiga4, s.PrjRiga5 = dopo.PrjRiga5, s.PrjDescr = dopo.PrjDescr;
    s.FotoImpianto = dopo.FotoImpianto, s.FotoApp = dopo.FotoApp;
    s.Intest = dopo.Intest, s.DirIntest = dopo.DirIntest, s.LogoIntest = dopo.LogoIntest;
    return s;
}

int DisposizioneStradaNelProgetto(int dispRiga) { return dispRiga == 5 ? DispDoppioCentro : dispRiga; }

bool PuoPortareNelProgetto(const RigaTabellaMP& r, int soluzione) {
    if (!r.Dati || soluzione < 0 || soluzione > 1) return false;
    if (r.Dati->Req.Tipo == TipoRiga::Rotatoria) return false;
    return r.Esito.Trattenuti > 0 && r.Esito.Sol[static_cast<std::size_t>(soluzione)].Presente;
}

namespace {

// The path class list's text of a Masterplan class code ("s2", "p2" -> "P2 o S2").
std::string ClasseListaPercorso(const RequisitiMP& req) {
    for (const ClasseArea& c : ClassiArea())
        if (c.EmMin == req.EmMin && c.EminMin == req.EminMin && c.UeMin == req.UeMin) return std::string(c.Nome);
    return {};
}

}  // namespace

bool PortaRigaNelProgetto(StatoProgetto& s, const RigaTabellaMP& r, int soluzione, const OpzioniMP& o,
                          std::string& errore) {
    if (!PuoPortareNelProgetto(r, soluzione)) {
        errore = "no solution to carry";
        return false;
    }
    const DatiRigaMP& d = *r.Dati;
    const SoluzioneMP& sol = r.Esito.Sol[static_cast<std::size_t>(soluzione)];
    const std::string percorso = (std::filesystem::path(o.DirLdtMaster) / sol.File).string();
    // Read into a copy: a file that cannot be read leaves the design as it was.
    auto foto = std::make_unique<Fotometria>();
    InterazioneMuta muta;
    if (LeggiFotometria(percorso, *foto, muta) != 0 || foto->NumLampade < 1 || foto->Intens.Vuota()) {
        errore = ConArgomenti(Msg(1996, o.Lingua), {percorso});
        return false;
    }
    foto->LampSel = sol.Lampada < foto->NumLampade ? sol.Lampada : 0;
    s.Foto = std::move(*foto);
    s.FileFoto = percorso;
    s.FileLista.clear();
    s.FotoCaricata = true;
    s.Interdist = sol.Spaziatura;
    s.DaProgetto = true;
    s.NCorsie = d.NCorsie;
    if (d.Req.Tipo == TipoRiga::Strada) {
        s.TipoProgetto = 0;
        s.HPalo = d.H;
        s.Sbraccio = d.s;
        s.Inclina = 0;
        s.LargStrada = d.W;
        s.DispPali = DisposizioneStradaNelProgetto(d.DispPali);
        s.LmMin = d.Req.LmMin;
        s.UoMin = d.Req.UoMin;
        s.UlMin = d.Req.UlMin;
        s.TiMax = d.Req.TiMax;
        s.CodClasse = d.ClasseRiga;
        s.ClassePav = 1;
        ImpostaGriglia(s, GrigliaEN13201);
        s.OssUNI = 0;
        s.Deprezz = o.Deprezz;
    } else {
        s.TipoProgetto = 1;
        s.HPaloA = d.H;
        s.SbraccioA = d.s;
        s.InclinaA = 0;
        s.LargStradaA = d.W;
        s.DispPaliA = d.DispPali;
        s.EmMin = d.Req.EmMin;
        s.EminMin = d.Req.EminMin;
        s.UeMin = d.Req.UeMin;
        s.ClasseA = ClasseListaPercorso(d.Req);
        s.GrigliaPers = 0;
        s.NPtiX = s.NPtiY = 0;
        s.DeprezzA = o.Deprezz;
    }
    return true;
}

}  // namespace nottaro::mp
