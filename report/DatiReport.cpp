#include "report/DatiReport.h"

#include "core/text/Testo.h"
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
