#include "catalogue/DettagliApparecchio.h"

#include "catalogue/FileProdotti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

bool Contiene(const std::string& s, const char* t) { return s.find(t) != std::string::npos; }

bool ZeroOVuoto(const std::string& s) {
    const std::string t = Trim(s);
    if (t.empty()) return true;
    const auto x = ConvertiReale(t);
    return x && *x == 0.0;
}

}  // namespace

std::string TestoCorpo(const std::string& m) {
    if (Contiene(m, "Alluminio + Acciaio")) return Msg(430) + " + " + Msg(433);
    if (Contiene(m, "Alluminio + Poliestere")) return Msg(430) + " + " + Msg(437);
    if (Contiene(m, "Alluminio")) return Msg(430);
    if (Contiene(m, "Policarbonato")) return Msg(431);
    if (Contiene(m, "Plastica + Fibra di vetro")) return Msg(434);
    if (Contiene(m, "Polipropilene + Poliestere")) return Msg(436) + " + " + Msg(437);
    if (Contiene(m, "Poliestere")) return Msg(437);
    return m;
}

std::string TestoRiflettore(const std::string& m) {
    if (Contiene(m, "Alluminio")) return Msg(430);
    if (Contiene(m, "Policarbonato")) return Msg(431);
    return m;
}

std::string TestoDiffusore(const std::string& m) {
    if (Contiene(m, "Vetro piano")) return Msg(432);
    if (Contiene(m, "Policarbonato")) return Msg(431);
    return m;
}

std::string TestoIP(const std::string& ipvl, const std::string& ipva) {
    if (!ipvl.empty() && !ipva.empty()) return ipvl + "/" + ipva;
    return ipvl.empty() ? ipva : ipvl;
}

std::string TestoFlussoAlto(const std::string& dff) {
    if (ZeroOVuoto(dff)) return "-";
    const auto x = ConvertiReale(Trim(dff));
    return x ? FormatoGenerale(100.0 - *x) : "-";
}

std::string TestoLorl(const std::string& lorl) { return ZeroOVuoto(lorl) ? "-" : lorl; }

std::vector<VoceDettaglio> MostraDettagli(const CampoRiga& campo, const std::vector<std::string>& nomiProduttori) {
    auto v = [&campo](const char* c) { return campo(c).value_or(""); };
    const std::string potenzar = v("POTENZAR");
    return {
        {"NOMEAPP", Msg(359), v("NOMEAPP"), true},
        {"NUMAPP", Msg(396), v("NUMAPP"), false},
        {"MATCORPO", Msg(428), TestoCorpo(v("MATCORPO")), false},
        {"MATRIFLE", Msg(397), TestoRiflettore(v("MATRIFLE")), false},
        {"MATDIFFUS", Msg(398), TestoDiffusore(v("MATDIFFUS")), false},
        {"CLASSEI", Msg(399), v("CLASSEI"), false},
        {"IP", "IP:", TestoIP(v("IPVL"), v("IPVA")), false},
        {"TESTATILT", Msg(411), v("TESTATILT"), false},
        {"SBRTILT", Msg(409), v("SBRTILT"), false},
        {"TIPOLAMP", Msg(1), v("TIPOLAMP"), false},
        {"RESAC", "Ra[%]:", v("RESAC"), false},
        {"COLORELAMP", Msg(400), v("COLORELAMP"), false},
        {"POTENZAR", Msg(290), potenzar.empty() ? "" : potenzar + "(" + v("POTENZA") + ")", false},
        {"LUMEN", Msg(368), v("LUMEN"), false},
        {"POSLAMP", Msg(401), v("POSLAMP"), false},
        {"ATTACCO", Msg(402), v("ATTACCO"), false},
        {"VENTO", Msg(438), v("VENTO"), false},
        {"NOMEFILE", Msg(403), v("NOMEFILE"), false},
        {"MARCHI", Msg(439), v("MARCHI"), true},
        {"LORL", Msg(454), TestoLorl(v("LORL")) + " %", false},
        {"DFF", Msg(455), TestoFlussoAlto(v("DFF")) + " %", false},
        {"NOTA", "", "(" + Msg(456) + ")", false},
        {"PRODUTTORE", Msg(357), LineaProduttore(nomiProduttori, v("PRODUTTORE")), true},
    };
}

}  // namespace nottaro
