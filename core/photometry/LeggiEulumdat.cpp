// EULUMDAT reader: a fixed header of 27 logical lines, a block per lamp set,
// ten direct ratios, the C angles, the gamma angles and the intensities of
// the planes the symmetry indicator says are measured; the mirrored planes
// are filled here so that every plane 1..NumC can be addressed directly.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/i18n/Messaggi.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/PianoCompleto.h"
#include "core/photometry/ProntoLampada.h"
#include "core/photometry/RigheFile.h"
#include "core/text/Testo.h"

namespace nottaro {
namespace {

struct ErroreRiga {};  // a line failed to convert: the rest of the step is dropped
struct FineFile {};    // the file ended inside a step
struct Rifiuto {};     // the file cannot be read into the record: it is refused

class Lettore {
public:
    Lettore(const std::string& path, const std::vector<std::string>& righe, Fotometria& foto, Interazione& ui)
        : path_(path), cur_(righe), foto_(foto), ui_(ui) {}

    void Leggi();

private:
    std::string Riga() {
        std::string r;
        if (!cur_.Prossima(r)) throw FineFile{};
        return r;
    }
    static int Intero(const std::string& r) {
        auto v = ConvertiIntero(r);
        if (!v) throw ErroreRiga{};
        return *v;
    }
    // Real as the file writes it; a decimal comma is an error here. A
    // number that is not finite ("nan", "inf") refuses the whole file.
    static double Reale(const std::string& r) {
        auto v = ConvertiReale(r);
        if (!v) throw ErroreRiga{};
        if (!std::isfinite(*v)) throw Rifiuto{};
        return *v;
    }
    // Real that may be written with a decimal comma.
    static double RealeVirgola(const std::string& r) {
        std::string t = Trim(r);
        std::replace(t.begin(), t.end(), ',', '.');
        return Reale(t);
    }
    // Lines the calculation does not use but a writer needs back: a line
    // that does not convert reads as 0 without a message, as before they
    // were kept.
    static double RealeLibero(const std::string& r) {
        std::string t = Trim(r);
        std::replace(t.begin(), t.end(), ',', '.');
        const auto v = ConvertiReale(t);
        if (v && !std::isfinite(*v)) throw Rifiuto{};
        return v ? *v : 0.0;
    }
    static int InteroLibero(const std::string& r) {
        if (const auto v = ConvertiIntero(r)) return *v;
        const double x = RealeLibero(r);
        return std::abs(x) < 1e6 ? static_cast<int>(std::lround(x)) : 0;
    }
    static int Entro(int v, int min, int max) {
        if (v < min || v > max) throw Rifiuto{};
        return v;
    }
    // Names the file and the line, then message 24.
    void Avvisa() { Avvisa(cur_.Numero()); }
    void Avvisa(int riga) {
        std::string t = NomeFile(path_);
        t += ':';
        t += std::to_string(riga);
        t += " - ";
        t += Msg(24);
        ui_.Avviso(t);
    }

    void Passo(int k, const std::string& riga);
    void Rifiuta(int riga);
    // Angles of one axis: strictly ascending, or the file is refused.
    double AngoloDopo(double precedente, bool primo);
    void BloccoLampade(const std::string& riga0);
    void BloccoIntensita();
    void Copia(int da, int a);

    const std::string& path_;
    CursoreRighe cur_;
    Fotometria& foto_;
    Interazione& ui_;
    bool fermo_ = false;  // rotational symmetry: nothing after the one plane is read
};

void Lettore::Leggi() {
    int k = 0;
    while (!fermo_ && k < 30) {
        ++k;
        try {
            std::string riga;
            if (k < 28) riga = Riga();
            Passo(k, riga);
        } catch (const ErroreRiga&) {
            Avvisa();
        } catch (const Rifiuto&) {
            Rifiuta(cur_.Numero());
            return;
        } catch (const FineFile&) {
            // The file ends before its intensity table is complete.
            Rifiuta(cur_.Numero() + 1);
            return;
        }
    }
    TogliPiano360(foto_, path_, ui_);
}

// A refused file leaves no intensity table, so no calculation runs on it.
void Lettore::Rifiuta(int riga) {
    Avvisa(riga);
    foto_.Intens.Dimensiona(0, 0);
}

double Lettore::AngoloDopo(double precedente, bool primo) {
    const double a = RealeVirgola(Riga());
    if (!primo && !(a > precedente)) throw Rifiuto{};
    return a;
}

void Lettore::Passo(int k, const std::string& riga) {
    Fotometria& f = foto_;
    switch (k) {
        case 1: f.DittaLdt = DecodificaLegacy(riga); break;
        case 2: f.TipoLdt = Intero(riga); break;
        case 3: f.Simmetria = Entro(Intero(riga), 0, 4); break;
        case 4: f.Intens.Dimensiona(Entro(Intero(riga), 1, MaxPianiC), f.NumG()); break;
        case 5: f.PassoC = RealeVirgola(riga); break;
        case 6: f.Intens.Dimensiona(f.NumC(), Entro(Intero(riga), 1, MaxAngoliG)); break;
        case 7: f.PassoG = RealeVirgola(riga); break;
        case 8: f.RapportoMis = DecodificaLegacy(riga); break;
        case 9: f.NomeApp = DecodificaLegacy(riga); break;
        case 10: f.NumApp = DecodificaLegacy(riga); break;
        case 11:
            f.FileInterno = DecodificaLegacy(riga);
            f.FileLdt = NomeFile(path_);
            break;
        case 12: f.DataLdt = DecodificaLegacy(riga); break;
        case 13: f.LungApp = Intero(riga); break;
        case 14: f.LargApp = Intero(riga); break;
        case 15: f.AltApp = Intero(riga); break;
        case 16: f.LungLum = Intero(riga); break;
        case 17: f.LargLum = Intero(riga); break;
        case 18: case 19: case 20: case 21: f.AltLum[static_cast<std::size_t>(k - 18)] = RealeLibero(riga); break;
        case 22: f.DFF = Reale(riga); break;
        case 23: f.LORL = Reale(riga); break;
        case 24: f.FattConv = RealeVirgola(riga); break;
        case 25: f.InclinaMis = RealeVirgola(riga); break;
        case 26: f.NumLampade = Entro(Intero(riga), 1, MaxLampade); break;
        case 27: BloccoLampade(riga); break;
        case 28:
            Entro(f.NumC(), 1, MaxPianiC);
            for (int i = 1; i <= f.NumC(); ++i)
                f.Intens.ImpostaAngoloC(i, AngoloDopo(i > 1 ? f.Intens.AngoloC(i - 1) : 0, i == 1));
            break;
        case 29:
            Entro(f.NumG(), 1, MaxAngoliG);
            for (int j = 1; j <= f.NumG(); ++j)
                f.Intens.ImpostaAngoloG(j, AngoloDopo(j > 1 ? f.Intens.AngoloG(j - 1) : 0, j == 1));
            break;
        case 30: BloccoIntensita(); break;
        default: break;
    }
}

void Lettore::BloccoLampade(const std::string& riga0) {
    Fotometria& f = foto_;
    f.LampSel = 0;
    const int n = std::clamp(f.NumLampade, 0, MaxLampade);
    for (int s = 0; s < n; ++s) {
        // Number of lamps of the set; set 0's is the line already read.
        f.LampadePerSet[s] = InteroLibero(s > 0 ? Riga() : riga0);
        f.TipoLamp[s] = DecodificaLegacy(Riga());
        f.FlussoLamp[s] = RealeVirgola(Riga());
        f.ColoreLamp[s] = DecodificaLegacy(Riga());
        f.ResaLamp[s] = DecodificaLegacy(Riga());
        f.PotLamp[s] = RealeVirgola(Riga());
    }
    for (double& d : f.RappDiretti) d = RealeLibero(Riga());
    if (f.FlussoLamp[0] < 1 || f.PotLamp[0] < 1) ChiediLampadaSet0(f, ui_);
}

// Plane `da` copied onto plane `a`; planes outside 1..NumC (possible only
// with a plane count the symmetry does not divide evenly) are left alone.
void Lettore::Copia(int da, int a) {
    Fotometria& f = foto_;
    if (a < 1 || a > f.NumC() || a == da) return;
    const auto sorgente = f.Intens.Piano(da);
    std::copy(sorgente.begin(), sorgente.end(), f.Intens.ScriviPiano(a).begin());
}

void Lettore::BloccoIntensita() {
    Fotometria& f = foto_;
    Entro(f.NumC(), 1, MaxPianiC);
    Entro(f.NumG(), 1, MaxAngoliG);
    const int mc = f.NumC(), h = mc / 2, q = mc / 4;
    int primo = 1, ultimo = mc;
    switch (f.Simmetria) {
        case 0: break;
        case 1: ultimo = 1; break;
        case 2: ultimo = h + 1; break;
        case 3: primo = 3 * q + 1; ultimo = primo + h; break;
        case 4: ultimo = q + 1; break;
        default: throw Rifiuto{};
    }
    for (int i = primo; i <= ultimo; ++i) {
        const int r = i > mc ? i - mc : i;
        for (double& v : f.Intens.ScriviPiano(r)) v = RealeVirgola(Riga());
        switch (f.Simmetria) {
            case 1:
                for (int p = 2; p <= mc; ++p) Copia(1, p);
                fermo_ = true;
                break;
            case 2:  // C -> 360 - C
                if (i > 1 && i <= h) Copia(i, mc + 2 - i);
                break;
            case 3:  // mirror about the C90-C270 plane
                if (i > primo && i <= mc) Copia(i, 2 * primo - i);
                else if (i > mc && i < ultimo) Copia(i - mc, 2 * primo - i);
                break;
            case 4:  // mirror about both planes
                if (i == 1) Copia(1, h + 1);
                if (i > 1 && i < ultimo) {
                    Copia(i, h + 2 - i);   // 180 - C
                    Copia(i, h + i);       // 180 + C
                    Copia(i, mc + 2 - i);  // 360 - C
                }
                if (i == ultimo) Copia(i, 3 * q + 1);  // C90 -> C270
                break;
            default: break;
        }
    }
}

}  // namespace

int LeggiEulumdat(const std::string& path, Fotometria& foto, Interazione& ui) {
    foto.Intens.Azzera();
    foto.Modificata = false;
    std::vector<std::string> righe;
    const EsitoRighe esito = LeggiRigheFile(path, righe);
    if (esito == EsitoRighe::Mancante) {
        ui.Avviso(NomeFile(path) + " - " + Msg(25));
        return -1;
    }
    if (esito != EsitoRighe::Lette) {
        ui.Avviso(NomeFile(path) + " - " + Msg(MessaggioRifiuto(esito)));
        foto.Intens.Dimensiona(0, 0);
        return 0;
    }
    Lettore(path, righe, foto, ui).Leggi();
    return 0;
}

}  // namespace nottaro
