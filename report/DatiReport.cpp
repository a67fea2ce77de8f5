#include "report/DatiReport.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/files/FileProgetto.h"
#include "core/text/Testo.h"
#include "engine/progetto/GiudizioProgetto.h"
#include "engine/progetto/ValutaProgetto.h"

namespace nottaro {

DatiReport DatiReportDaStato(const StatoProgetto& s) {
    DatiReport d;
    d.Lingua = s.Lingua;
    d.TipoProgetto = s.TipoProgetto;
    d.GrigliaEN = s.GrigliaEN;
    d.OssUNI = s.OssUNI;
    d.PrjRiga1 = s.PrjRiga1, d.PrjRiga2 = s.PrjRiga2, d.PrjRiga3 = s.PrjRiga3;
    d.PrjRiga4 = s.PrjRiga4, d.PrjRiga5 = s.PrjRiga5, d.PrjDescr = s.PrjDescr;
    d.FotoImpianto = s.FotoImpianto, d.FotoApp = s.FotoApp;
    d.Intest = s.Intest;
    if (!s.LogoIntest.empty()) d.FileLogo = s.DirIntest + s.LogoIntest;
    d.LargStrada = s.LargStrada, d.Deprezz = s.Deprezz, d.LmMin = s.LmMin, d.UoMin = s.UoMin;
    d.UlMin = s.UlMin, d.TiMax = s.TiMax, d.NCorsie = s.NCorsie, d.ClassePav = s.ClassePav, d.DispPali = s.DispPali;
    d.LargStradaA = s.LargStradaA, d.DeprezzA = s.DeprezzA, d.EmMin = s.EmMin, d.EminMin = s.EminMin;
    d.UeMin = s.UeMin, d.DispPaliA = s.DispPaliA;
    const bool percorso = s.TipoProgetto == 1;
    d.Interdist = s.Interdist;
    d.HPalo = percorso ? s.HPaloA : s.HPalo;
    d.Sbraccio = percorso ? s.SbraccioA : s.Sbraccio;
    d.Inclina = percorso ? s.InclinaA : s.Inclina;
    d.SolLampada = s.SolLampada, d.SolLumen = s.SolLumen, d.SolPotenza = s.SolPotenza, d.CatNomeFile = s.CatNomeFile;
    ClasseENorma(d, s);
    if (s.Foto.NumC() > 0 && s.Foto.NumG() > 0) d.Foto = std::make_shared<const Fotometria>(s.Foto);
    return d;
}

CampoReport CampoReportDa(const std::vector<double>& v, std::size_t inizio, int nl, int nt) {
    CampoReport c;
    const std::size_t n = static_cast<std::size_t>(nl) * static_cast<std::size_t>(nt);
    if (nl <= 0 || nt <= 0 || v.size() < inizio + n) return c;
    c.NPtiLong = nl;
    c.NPtiTrasv = nt;
    c.valori.assign(v.begin() + static_cast<std::ptrdiff_t>(inizio), v.begin() + static_cast<std::ptrdiff_t>(inizio + n));
    return c;
}

std::vector<OsservatoreReport> OsservatoriReport(const CampoStrada& c, bool uni) {
    const int nl = c.Griglia.NPtiLong, nt = c.Griglia.NPtiTrasv;
    std::vector<OsservatoreReport> oss;
    for (int k = 0; k < c.NOss; ++k) {
        const auto i = static_cast<std::size_t>(k);
        OsservatoreReport o;
        o.y = uni ? c.Oss.PosOssUNIY : (i < c.Oss.OssY.size() ? c.Oss.OssY[i] : 0);
        o.Lm = i < c.LmOss.size() ? c.LmOss[i] : 0;
        o.Uo = i < c.UoOss.size() ? c.UoOss[i] : 0;
        o.Ul = i < c.UlOss.size() ? c.UlOss[i] : 0;
        o.luminanze = CampoReportDa(c.LumGriglia, i * static_cast<std::size_t>(nl) * static_cast<std::size_t>(nt), nl, nt);
        oss.push_back(std::move(o));
    }
    return oss;
}

bool AggiungiValutazione(DatiReport& d, const ValutazioneProgetto& v) {
    if (!v.errore.Vuoto()) return false;
    if (v.strada && v.strada->Valido()) {
        const RisultatoValutaStrada& r = *v.strada;
        const CampoStrada& c = r.campo;
        d.SolLm = r.Lm, d.SolUo = r.Uo, d.SolUl = r.Ul, d.TICalc = r.TI;
        d.EmCalc = r.stat.EmCalc, d.EminCalc = r.stat.EminCalc, d.EmaxCalc = r.stat.EmaxCalc;
        const bool uni = c.NOss == 1 && v.parametriStrada.OssUNI == 1;
        d.osservatori = OsservatoriReport(c, uni);
        d.illuminamenti = CampoReportDa(r.illum.Illum, 0, r.illum.NPtiLong, r.illum.NPtiTrasv);
        return true;
    }
    if (v.percorso && v.percorso->Valido()) {
        const RisultatoPercorso& r = *v.percorso;
        d.EmCalc = r.Stat.EmCalc, d.EminCalc = r.Stat.EminCalc, d.EmaxCalc = r.Stat.EmaxCalc;
        d.osservatori.clear();
        d.illuminamenti = CampoReportDa(r.Campo.Illum, 0, r.Campo.NPtiLong, r.Campo.NPtiTrasv);
        return true;
    }
    return false;
}

namespace {

// "me3b" as the class is written: the letters before the first digit in
// capitals, the variant letter after it as it is ("ME3b", "M3").
std::string NomeClasseStrada(const std::string& codice) {
    std::string t = Trim(codice);
    bool cifra = false;
    for (char& c : t) {
        if (std::isdigit(static_cast<unsigned char>(c))) cifra = true;
        if (!cifra) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return t;
}

// Today's date as the calculation date (year-month-day, local time).
std::string DataOdierna() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
    return buf;
}

}  // namespace

void ClasseENorma(DatiReport& d, const StatoProgetto& s) {
    d.Norma = s.EdizioneEN == Edizione2015 ? "EN 13201-2:2015" : "EN 13201-2";
    if (s.TipoProgetto == 1) {
        std::string c = Trim(s.ClasseA);
        for (std::size_t k = c.find(" o "); k != std::string::npos; k = c.find(" o ", k + 3)) c.replace(k, 3, " / ");
        d.Classe = c;
    } else {
        d.Classe = NomeClasseStrada(s.CodClasse);
    }
}

bool AggiungiVerifica(DatiReport& d, const StatoProgetto& s, const Fotometria& foto, const ValutazioneProgetto& v,
                      std::string& errore) {
    GiudizioProgetto g;
    if (!GiudicaProgetto(s, foto, v, g)) {
        errore = "the edge strips of the road could not be computed";
        return false;
    }
    ClasseENorma(d, s);
    d.criteri.clear();
    for (const Criterio& c : g.criteri)
        d.criteri.push_back({std::string(c.nome), c.richiesto, c.valore, c.minimo, c.giudicato, c.soddisfatto});
    d.conforme = g.conforme;
    d.EIR = g.EIR;
    d.conEnergia = true;
    d.Dp = g.indicatori.Dp;
    d.De = g.indicatori.De;
    d.OreEsercizio = ProfiloDaStato(s).OreEquivalenti();

    d.Ditta = Trim(foto.DittaLdt);
    d.NomeApp = Trim(foto.NomeApp);
    d.NumApp = Trim(foto.NumApp);
    d.LORL = foto.LORL;
    d.FileFotometria = !foto.FileLdt.empty() ? foto.FileLdt : NomeFile(s.FileFoto);
    // The lamp block of the lamp set that was calculated: a design carried
    // over from another record keeps that record's texts, which a signed
    // report would certify.
    const int lamp = v.strada ? v.parametriStrada.LampCalc : v.parametriArea.LampCalc;
    if (lamp >= 0 && lamp < MaxLampade && lamp < foto.NumLampade) {
        const auto l = static_cast<std::size_t>(lamp);
        d.SolLampada = Trim(foto.TipoLamp[l]);
        d.SolLumen = FormatoGenerale(foto.FlussoLamp[l]);
        d.SolPotenza = FormatoGenerale(foto.PotLamp[l]);
        d.CatNomeFile = d.FileFotometria;
    }

    d.posizioniOsservatori.clear();
    if (v.strada) {
        const CampoStrada& c = v.strada->campo;
        const GrigliaStrada& gr = c.Griglia;
        d.ClassePavCalcolo = s.ClassePav;
        d.PuntiLong = gr.NPtiLong, d.PuntiTrasv = gr.NPtiTrasv;
        d.PassoLong = gr.NPtiLong > 1 ? gr(1, 0).x - gr(0, 0).x : v.parametriStrada.Interdist;
        d.PassoTrasv = gr.NPtiTrasv > 1 ? gr(0, 1).y - gr(0, 0).y : v.parametriStrada.LargStrada;
        d.LunghezzaCampo = v.parametriStrada.Interdist;
        if (c.NOss == 1 && v.parametriStrada.OssUNI == 1)
            d.posizioniOsservatori.push_back({c.Oss.PosOssUNIX, c.Oss.PosOssUNIY});
        else
            for (int k = 0; k < c.NOss && k < static_cast<int>(c.Oss.OssY.size()); ++k)
                d.posizioniOsservatori.push_back({c.Oss.OssX, c.Oss.OssY[static_cast<std::size_t>(k)]});
    } else if (v.percorso) {
        const GrigliaArea& gr = v.percorso->Griglia;
        d.ClassePavCalcolo = -1;
        d.PuntiLong = gr.NPtiLong, d.PuntiTrasv = gr.NPtiTrasv;
        d.PassoLong = gr.PassoX, d.PassoTrasv = gr.PassoY;
        d.LunghezzaCampo = v.parametriArea.Interdist;
    }
    d.DataCalcolo = DataOdierna();
    d.Versione = VersioneProgramma;
    return true;
}

void TestiLampadaDaFotometria(DatiReport& d, const Fotometria& f, const std::string& fileFoto) {
    const int l = f.LampSel;
    if (l < 0 || l >= MaxLampade || l >= f.NumLampade) return;
    const auto i = static_cast<std::size_t>(l);
    if (d.SolLampada.empty()) d.SolLampada = f.TipoLamp[i];
    if (d.SolLumen.empty()) d.SolLumen = FormatoGenerale(f.FlussoLamp[i]);
    if (d.SolPotenza.empty()) d.SolPotenza = FormatoGenerale(f.PotLamp[i]);
    if (d.CatNomeFile.empty()) d.CatNomeFile = NomeFile(fileFoto);
}

}  // namespace nottaro
