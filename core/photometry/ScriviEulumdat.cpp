#include "core/photometry/ScriviEulumdat.h"

#include <array>
#include <charconv>
#include <sstream>

#include "core/files/SostituisciFile.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {


// Shortest text that reads back to the same double.
std::string Reale(double x) {
    if (x == 0) return "0";
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), x);
    return std::string(buf.data(), r.ptr);
}

// The step of evenly spaced angles, 0 when they are not (or fewer than two).
template <class Angolo>
double Passo(int n, Angolo angolo) {
    if (n < 2) return 0;
    const double passo = angolo(2) - angolo(1);
    for (int k = 2; k < n; ++k)
        if (angolo(k + 1) - angolo(k) != passo) return 0;
    return passo;
}

class Righe {
public:
    void Testo(const std::string& t) { out_ << Utf8InCp1252(t) << FineRiga; }
    void Intero(int v) { out_ << v << FineRiga; }
    void Numero(double v) { out_ << Reale(v) << FineRiga; }
    std::string Tutto() const { return out_.str(); }

private:
    std::ostringstream out_;
};

}  // namespace

bool ScriviEulumdat(const std::string& percorso, const Fotometria& f) {
    Righe r;
    const int nc = f.NumC(), ng = f.NumG();
    r.Testo(f.DittaLdt);
    r.Intero(f.TipoLdt);
    r.Intero(nc == 1 ? 1 : 0);
    r.Intero(nc);
    r.Numero(Passo(nc, [&](int c) { return f.Intens.AngoloC(c); }));
    r.Intero(ng);
    r.Numero(Passo(ng, [&](int g) { return f.Intens.AngoloG(g); }));
    r.Testo(f.RapportoMis);
    r.Testo(f.NomeApp);
    r.Testo(f.NumApp);
    r.Testo(f.FileInterno);
    r.Testo(f.DataLdt);
    for (int v : {f.LungApp, f.LargApp, f.AltApp, f.LungLum, f.LargLum}) r.Intero(v);
    for (double h : f.AltLum) r.Numero(h);
    r.Numero(f.DFF);
    r.Numero(f.LORL);
    r.Numero(f.FattConv);
    r.Numero(f.InclinaMis);
    r.Intero(f.NumLampade);
    for (int s = 0; s < f.NumLampade && s < MaxLampade; ++s) {
        r.Intero(f.LampadePerSet[s]);
        r.Testo(f.TipoLamp[s]);
        r.Numero(f.FlussoLamp[s]);
        r.Testo(f.ColoreLamp[s]);
        r.Testo(f.ResaLamp[s]);
        r.Numero(f.PotLamp[s]);
    }
    for (double d : f.RappDiretti) r.Numero(d);
    for (int c = 1; c <= nc; ++c) r.Numero(f.Intens.AngoloC(c));
    for (int g = 1; g <= ng; ++g) r.Numero(f.Intens.AngoloG(g));
    for (int c = 1; c <= nc; ++c)
        for (int g = 1; g <= ng; ++g) r.Numero(f.Intens.Valore(c, g));

    return SostituisciFile(percorso, r.Tutto()).empty();
}

}  // namespace nottaro
