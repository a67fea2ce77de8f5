#include "masterplan/IndiciMP.h"

#include <map>

#include "engine/sweep/ScegliClasse.h"
#include "masterplan/VerificaDati.h"

namespace nottaro::mp {

std::optional<RequisitiMP> ImpostaClasseMP(const std::string& c, const std::string& applicazione) {
    // The codes the data check accepts, with the requirements of the design's
    // own class lists.
    if (!ClasseAccettata(c)) return std::nullopt;
    RequisitiMP r;
    if (const ClasseStrada* strada = TrovaClasseEn13201(c)) {
        r.Tipo = TipoRiga::Strada;
        r.LmMin = strada->LmMin;
        r.UoMin = strada->UoMin;
        r.UlMin = strada->UlMin;
        r.TiMax = strada->TiMax;
        return r;
    }
    if (const ClasseArea* area = TrovaClasseAreaPerNome(c)) {
        // A conflict area (C/CE) on a roundabout is judged as a roundabout.
        r.Tipo = !area->ClasseS && applicazione == "rotatoria" ? TipoRiga::Rotatoria : TipoRiga::Area;
        r.EmMin = area->EmMin;
        r.EminMin = area->EminMin;
        r.UeMin = area->UeMin;
        return r;
    }
    return std::nullopt;
}

std::optional<double> DrefClasse(const std::string& c) {
    static const std::map<std::string, double> dref = {
        {"me1", 0.035}, {"m1", 0.035},  {"me2", 0.037}, {"m2", 0.037},  {"me3a", 0.040}, {"me3b", 0.040},
        {"me3c", 0.040}, {"m3", 0.040}, {"me4a", 0.042}, {"me4b", 0.042}, {"m4", 0.042}, {"me5", 0.043},
        {"m5", 0.043},  {"me6", 0.044}, {"m6", 0.044},  {"ce0", 0.039}, {"c0", 0.039},  {"ce1", 0.042},
        {"c1", 0.042},  {"ce2", 0.044}, {"c2", 0.044},  {"ce3", 0.048}, {"c3", 0.048},  {"ce4", 0.051},
        {"c4", 0.051},  {"ce5", 0.053}, {"c5", 0.053},  {"s1", 0.048},  {"p1", 0.048},  {"s2", 0.051},
        {"p2", 0.051},  {"s3", 0.053},  {"p3", 0.053},  {"s4", 0.056},  {"p4", 0.056},  {"s5", 0.059},
        {"p5", 0.059},  {"s6", 0.061},  {"p6", 0.061},  {"s7", 0.064},  {"p7", 0.064}};
    const auto it = dref.find(c);
    if (it == dref.end()) return std::nullopt;
    return it->second;
}

double SpaziaturaPerApparecchio(TipoRiga tipo, int disp, double S) {
    const bool coppie = tipo == TipoRiga::Strada ? disp == 4 || disp == 5 || disp == 6 : disp == 5 || disp == 6;
    return coppie ? S / 2 : S;
}

std::string ClasseIPEI(double i) {
    static const std::pair<double, const char*> bande[] = {
        {0.15, "A7+"}, {0.25, "A6+"}, {0.35, "A5+"}, {0.45, "A4+"}, {0.55, "A3+"}, {0.65, "A++"}, {0.75, "A+"},
        {0.85, "A"},   {1.0, "B"},    {1.35, "C"},   {1.75, "D"},   {2.3, "E"},    {3.0, "F"}};
    for (const auto& [limite, classe] : bande)
        if (i < limite) return classe;
    return "G";
}

std::optional<double> IndiceIPEI(double P, double E, double Sp, double W, double deprezz, const std::string& classe) {
    const auto dref = DrefClasse(classe);
    if (!dref) return std::nullopt;
    const double D = P / (E * Sp * W * 0.8 / deprezz);
    return D / *dref;
}

std::string CategoriaRifP(double Em, double Emin) {
    if (Em >= 15 && Emin >= 3) return "P1";
    if (Em >= 10 && Emin >= 2) return "P2";
    if (Em >= 7.5 && Emin >= 1.5) return "P3";
    if (Em >= 5 && Emin >= 1) return "P4";
    if (Em >= 3 && Emin >= 0.6) return "P5";
    return "P6";
}

std::string ClasseIPEA(double r) {
    static const std::pair<double, const char*> bande[] = {
        {0.4, "G"},    {0.55, "F"},   {0.7, "E"},    {0.85, "D"},   {1.0, "C"},    {1.1, "B"},
        {1.2, "A"},    {1.3, "A+"},   {1.4, "A++"},  {1.5, "A3+"},  {1.6, "A4+"},  {1.7, "A5+"},
        {1.8, "A6+"},  {1.9, "A7+"},  {2.0, "A8+"},  {2.1, "A9+"},  {2.2, "A10+"}, {2.3, "A11+"}};
    for (const auto& [limite, classe] : bande)
        if (r < limite) return classe;
    return "A12+";
}

RiferimentiIPEA RiferimentiPerPotenza(double P) {
    if (P <= 65) return {73, 70, 75, 60};
    if (P <= 85) return {75, 70, 80, 60};
    if (P <= 115) return {83, 70, 85, 65};
    if (P <= 175) return {90, 72, 88, 65};
    if (P <= 285) return {98, 75, 90, 70};
    if (P <= 450) return {100, 80, 92, 70};
    return {100, 83, 92, 75};
}

}  // namespace nottaro::mp
