// IES LM-63 reader: keyword lines, the TILT line, two data lines, the
// vertical and horizontal angles and the candela table of a type C
// photometry, stored as cd/klm of the file's lamp flux and expanded to the
// full circle of C planes.
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

struct ErroreRiga {};  // a number failed to convert
struct FineFile {};    // the file ended before the table did
struct Rifiuto {        // the file cannot be read into the record: it is refused
    int riga;            // the line that refuses it (0: the file as a whole)
};

bool IniziaCon(const std::string& s, const char* prefisso) { return s.rfind(prefisso, 0) == 0; }

bool VersioneNota(const std::string& primaRiga) {
    static const char* const versioni[] = {"IESNA:LM-63-1995", "IESNA:LM-63-2002", "IESNA:LM-63-2019", "IESNA91"};
    const std::string t = Trim(primaRiga);
    return std::any_of(std::begin(versioni), std::end(versioni), [&](const char* v) { return t == v; });
}

// Numbers of the data section, read one after another across lines;
// blanks, tabs and commas all separate them.
class Numeri {
public:
    explicit Numeri(CursoreRighe& cur) : cur_(cur) {}

    double Prossimo() {
        while (pos_ >= token_.size()) CaricaRiga();
        const std::string& t = token_[pos_++];
        auto v = ConvertiReale(t);
        if (!v) throw ErroreRiga{};
        if (!std::isfinite(*v)) throw Rifiuto{Riga()};  // "nan", "inf" anywhere refuse the file
        return *v;
    }
    // The next number, which must be above `precedente` unless it is the
    // first of its list: an angle list out of order refuses the file.
    double ProssimoDopo(double precedente, bool primo) {
        const double v = Prossimo();
        if (!primo && !(v > precedente)) throw Rifiuto{Riga()};
        return v;
    }
    int ProssimoIntero() {
        double v = Prossimo();
        if (v != std::floor(v) || std::abs(v) > 1e6) throw ErroreRiga{};
        return static_cast<int>(v);
    }
    // After a bad number the rest of its line is not used.
    void SaltaRiga() { pos_ = token_.size(); }
    int Riga() const { return cur_.Numero(); }

private:
    static constexpr const char* Separatori = " \t,\r";

    void CaricaRiga() {
        std::string riga;
        if (!cur_.Prossima(riga)) throw FineFile{};
        token_.clear();
        pos_ = 0;
        std::size_t i = 0;
        while (i < riga.size()) {
            const std::size_t a = riga.find_first_not_of(Separatori, i);
            if (a == std::string::npos) break;
            std::size_t b = riga.find_first_of(Separatori, a);
            if (b == std::string::npos) b = riga.size();
            token_.push_back(riga.substr(a, b - a));
            i = b;
        }
    }

    CursoreRighe& cur_;
    std::vector<std::string> token_;
    std::size_t pos_ = 0;
};

// How the file's horizontal angles cover the circle.
enum class Copertura { Completa, Rotazionale, Quadrante, Meta, Da90a270 };

class LettoreIes {
public:
    LettoreIes(const std::string& path, const std::vector<std::string>& righe, Fotometria& foto, Interazione& ui)
        : path_(path), righe_(righe), cur_(righe), num_(cur_), foto_(foto), ui_(ui) {}

    void Leggi() {
        try {
            Intestazione();
            Dati();
            TogliPiano360(foto_, path_, ui_);
        } catch (const ErroreRiga&) {
            Rifiuta(num_.Riga());
        } catch (const Rifiuto& r) {
            Rifiuta(r.riga);
        } catch (const FineFile&) {
            // The file ends before its candela table is complete.
            Rifiuta(cur_.Numero() + 1);
        }
    }

private:
    // The file and the line, then the refusal naming the edition the file
    // declares (message 394 speaks of the 1995 one).
    void Avvisa(int riga) {
        std::string dove = NomeFile(path_);
        if (riga > 0) {
            dove += ':';
            dove += std::to_string(riga);
        }
        std::string testo = Msg(394);
        if (!versione_.empty() && versione_ != "IESNA:LM-63-1995") {
            testo = Msg(1053);
            const auto p = testo.find("%1");
            if (p != std::string::npos) testo.replace(p, 2, versione_);
        }
        ui_.Avviso(dove + " - " + testo);
    }
    // A refused file leaves no intensity table, so no calculation runs on it.
    void Rifiuta(int riga) {
        Avvisa(riga);
        foto_.Intens.Dimensiona(0, 0);
    }
    void SaltaInclinazione();

    void Intestazione();
    void Dati();
    void Candele(int n, int offset, double scala);
    void Completa(Copertura cop, int n, int offset, const std::vector<double>& c);
    void CopiaPiano(int da, int a, double angolo, int numC);

    const std::string& path_;
    const std::vector<std::string>& righe_;
    CursoreRighe cur_;
    Numeri num_;
    Fotometria& foto_;
    Interazione& ui_;
    std::string versione_;  // the edition the first line declares, empty for 1986
};

// Keyword lines up to the TILT line, and the tilt data when the file
// carries it inline.
void LettoreIes::Intestazione() {
    std::string riga;
    const bool haTilt = std::any_of(righe_.begin(), righe_.end(),
                                    [](const std::string& r) { return IniziaCon(Trim(r), "TILT"); });
    if (righe_.empty() || (!VersioneNota(righe_[0]) && !haTilt)) throw Rifiuto{1};
    // The 1986 edition has no version line: its first line is already text.
    if (VersioneNota(righe_[0])) {
        versione_ = Trim(righe_[0]);
        cur_.Prossima(riga);
    }

    std::string lumcat, luminaire, lampcat, lamp, manufac;
    bool haLumcat = false, haLuminaire = false, haLampcat = false, haLamp = false;
    auto testo = [](const std::string& t, std::size_t n) { return DecodificaLegacy(Trim(t.substr(n))); };
    while (true) {
        if (!cur_.Prossima(riga)) throw FineFile{};
        const std::string t = Trim(riga);
        if (IniziaCon(t, "TILT")) {
            if (IniziaCon(t, "TILT=INCLUDE")) SaltaInclinazione();
            break;
        }
        if (IniziaCon(t, "[MANUFAC]")) { if (manufac.empty()) manufac = testo(t, 9); }
        else if (IniziaCon(t, "[LUMCAT]")) { lumcat = testo(t, 8); haLumcat = true; }
        else if (IniziaCon(t, "[LUMINAIRE]")) { if (!haLuminaire) luminaire = testo(t, 11); haLuminaire = true; }
        else if (IniziaCon(t, "[LAMPCAT]")) { lampcat = testo(t, 9); haLampcat = true; }
        else if (IniziaCon(t, "[LAMP]")) { if (!haLamp) lamp = testo(t, 6); haLamp = true; }
    }
    if (haLumcat) foto_.NomeApp = lumcat;
    else if (haLuminaire) foto_.NomeApp = luminaire;
    // The maker and the catalogue number, as an EULUMDAT file's company and
    // luminaire number lines carry them.
    foto_.DittaLdt = manufac;
    foto_.NumApp = lumcat;
    // An IES file describes exactly one lamp set.
    foto_.NumLampade = 1;
    foto_.TipoLamp[0] = haLampcat ? lampcat : haLamp ? lamp : std::string();
}

// The tilt data carried in the file: the lamp-to-luminaire geometry, the
// number n of tilt angles, then n angles and n multipliers, wrapped over as
// many lines as the file likes; counted by numbers, not by lines.
void LettoreIes::SaltaInclinazione() {
    num_.Prossimo();
    const int n = num_.ProssimoIntero();
    if (n < 0) throw ErroreRiga{};
    for (long k = 0; k < 2L * n; ++k) num_.Prossimo();
    // Data line A starts on a line of its own.
    num_.SaltaRiga();
}

void LettoreIes::Dati() {
    Fotometria& f = foto_;
    // Data line A.
    const double numLampade = num_.Prossimo();
    const double lumen = num_.Prossimo();
    const double moltiplicatore = num_.Prossimo();
    const int numG = num_.ProssimoIntero();
    const int numC = num_.ProssimoIntero();
    const int tipo = num_.ProssimoIntero();
    for (int i = 0; i < 4; ++i) num_.Prossimo();  // units and dimensions
    // Data line B.
    const double fattReattore = num_.Prossimo();
    num_.Prossimo();
    const double watt = num_.Prossimo();

    if (numG < 1 || numG > MaxAngoliG || numC < 1 || numC > MaxPianiC) throw Rifiuto{num_.Riga()};
    // Lumens per lamp of 1 or more are a flux; -1 marks absolute photometry.
    const double flussoFile = (lumen >= 1 && numLampade >= 1) ? numLampade * lumen : 0;
    f.FlussoLamp[0] = flussoFile;
    f.PotLamp[0] = watt >= 1 ? watt : 0;
    bool risposto = false;
    if (f.FlussoLamp[0] < 1 || f.PotLamp[0] < 1) risposto = ChiediLampadaSet0(f, ui_);
    double divisore = flussoFile;
    if (flussoFile < 1) {
        // Absolute photometry: the flux the designer gives is the reference;
        // without one, 1000 lm keeps the table equal to the file's candela.
        if (!risposto) f.FlussoLamp[0] = 1000;
        divisore = f.FlussoLamp[0] >= 1 ? f.FlussoLamp[0] : 1000;
    }
    const double scala = moltiplicatore * fattReattore * 1000.0 / divisore;

    f.Simmetria = tipo;
    std::vector<double> g(static_cast<std::size_t>(numG));
    for (std::size_t k = 0; k < g.size(); ++k) g[k] = num_.ProssimoDopo(k > 0 ? g[k - 1] : 0, k == 0);
    std::vector<double> c(static_cast<std::size_t>(numC));
    for (std::size_t k = 0; k < c.size(); ++k) c[k] = num_.ProssimoDopo(k > 0 ? c[k - 1] : 0, k == 0);

    Copertura cop = Copertura::Completa;
    int numTot = numC, offset = 0;
    if (numC == 1) { cop = Copertura::Rotazionale; numTot = 24; }
    else if (c.front() == 0 && c.back() == 90) { cop = Copertura::Quadrante; numTot = 4 * (numC - 1); }
    else if (c.front() == 0 && c.back() == 180) { cop = Copertura::Meta; numTot = 2 * (numC - 1); }
    else if (c.front() == 90 && c.back() == 270) {
        cop = Copertura::Da90a270;
        numTot = 2 * (numC - 1);
        offset = (numC - 1) / 2;
    }
    if (numTot > MaxPianiC || offset + numC > MaxPianiC) throw Rifiuto{num_.Riga()};
    if (tipo != 1) throw Rifiuto{num_.Riga()};  // only type C photometry is read
    // Sized for the full circle at once; the expansion fills the planes
    // the file does not list.
    f.Intens.Dimensiona(numTot, numG);
    for (int i = 1; i <= numC; ++i) f.Intens.ImpostaAngoloC(offset + i, c[static_cast<std::size_t>(i - 1)]);
    for (int j = 1; j <= numG; ++j) f.Intens.ImpostaAngoloG(j, g[static_cast<std::size_t>(j - 1)]);
    Candele(numC, offset, scala);
    Completa(cop, numC, offset, c);
}

void LettoreIes::Candele(int n, int offset, double scala) {
    Fotometria& f = foto_;
    for (int i = 1; i <= n; ++i) {
        try {
            for (double& v : f.Intens.ScriviPiano(offset + i)) v = num_.Prossimo() * scala;
        } catch (const ErroreRiga&) {
            Avvisa(num_.Riga());
            num_.SaltaRiga();
        }
    }
}

void LettoreIes::CopiaPiano(int da, int a, double angolo, int numC) {
    Fotometria& f = foto_;
    if (a < 1 || a > numC || a == da) return;
    const auto sorgente = f.Intens.Piano(da);
    std::copy(sorgente.begin(), sorgente.end(), f.Intens.ScriviPiano(a).begin());
    f.Intens.ImpostaAngoloC(a, angolo);
}

void LettoreIes::Completa(Copertura cop, int n, int offset, const std::vector<double>& c) {
    Fotometria& f = foto_;
    switch (cop) {
        case Copertura::Completa: break;
        case Copertura::Rotazionale:
            f.Intens.ImpostaAngoloC(1, 0);
            for (int r = 2; r <= 24; ++r) CopiaPiano(1, r, 15.0 * (r - 1), 24);
            break;
        case Copertura::Quadrante:
            for (int i = 1; i <= n; ++i) {
                const double a = c[static_cast<std::size_t>(i - 1)];
                CopiaPiano(i, 2 * n - i, 180 - a, f.NumC());
                CopiaPiano(i, 2 * n - 2 + i, 180 + a, f.NumC());
                CopiaPiano(i, 4 * n - 2 - i, 360 - a, f.NumC());
            }
            break;
        case Copertura::Meta:
            for (int i = 1; i <= n; ++i) CopiaPiano(i, 2 * n - i, 360 - c[static_cast<std::size_t>(i - 1)], f.NumC());
            break;
        case Copertura::Da90a270: {
            // Mirror about the C90-C270 plane: C -> 180 - C below C90, 540 - C above C270.
            const int r90 = offset + 1, r270 = offset + n;
            for (int r = r90; r <= r270; ++r) {
                const double a = c[static_cast<std::size_t>(r - r90)];
                const int sotto = 2 * r90 - r, sopra = 2 * r270 - r;
                if (sotto >= 1 && sotto < r90) CopiaPiano(r, sotto, 180 - a, f.NumC());
                if (sopra > r270) CopiaPiano(r, sopra, 540 - a, f.NumC());
            }
            break;
        }
    }
}

}  // namespace

int LeggiIes(const std::string& path, Fotometria& foto, Interazione& ui) {
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
    LettoreIes(path, righe, foto, ui).Leggi();
    foto.FileLdt = NomeFile(path);
    return 0;
}

}  // namespace nottaro
