#pragma once
// The photometric record of the current luminaire: header, lamp sets and the
// intensity table in cd/klm, always expanded to every C plane.
//
// The table is sized to its file: the C angles and the gamma angles are two
// axes, the intensities one flat array of NumC x NumG values, plane after
// plane. Every reader, lookup, viewer and editor goes through the accessors
// of TabellaIntensita below.
#include <array>
#include <atomic>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace nottaro {

// Limits of what a reader accepts. Today's LED files come in 1° and 0.5°
// steps, so a full circle of C planes (0..360 at 0.5°) and a full gamma range
// fit. The record itself holds only what its file gives.
inline constexpr int MaxPianiC = 721;
inline constexpr int MaxAngoliG = 721;
inline constexpr int MaxLampade = 11;
// Direct ratios of an EULUMDAT file: room indices 0.60 ... 5.00.
inline constexpr int NumRappDiretti = 10;

class IndiceIntensita;  // core/intensity/IndiceIntensita.h

namespace dettaglio {
// The indexed form of a table for fast lookups, built on first use and kept
// with the table. Copies of the table share it; any change drops it.
class CacheIndice {
public:
    CacheIndice() = default;
    CacheIndice(const CacheIndice& o) : p_(o.p_.load()) {}
    CacheIndice& operator=(const CacheIndice& o) {
        p_.store(o.p_.load());
        return *this;
    }
    std::shared_ptr<const IndiceIntensita> Prendi() const { return p_.load(); }
    void Metti(std::shared_ptr<const IndiceIntensita> p) const { p_.store(std::move(p)); }
    void Svuota() { p_.store(nullptr); }

private:
    mutable std::atomic<std::shared_ptr<const IndiceIntensita>> p_;
};
}  // namespace dettaglio

// Intensity table: NumC C planes and NumG gamma angles, numbered from 1 as
// in the file (plane 1 is the first C angle of the file, normally C0).
// Angles in degrees, intensities in cd/klm. Indices outside 1..NumC,
// 1..NumG are the caller's fault (not checked).
//
// Const access is safe from any number of threads at once. Any non-const
// access (the setters, ScriviPiano, Dimensiona, Azzera) counts as a
// change: it drops the indexed form, which the next lookup builds again.
class TabellaIntensita {
public:
    int NumC() const { return numC_; }
    int NumG() const { return numG_; }
    bool Vuota() const { return numC_ < 1 || numG_ < 1; }

    double AngoloC(int i) const { return angC_[static_cast<std::size_t>(i - 1)]; }
    double AngoloG(int j) const { return angG_[static_cast<std::size_t>(j - 1)]; }
    // Intensity of plane i at gamma angle j, cd/klm.
    double Valore(int i, int j) const { return val_[Posto(i, j)]; }

    // The NumC C angles, the NumG gamma angles, the NumG intensities of
    // plane i, and all NumC x NumG intensities plane after plane.
    std::span<const double> AngoliC() const { return angC_; }
    std::span<const double> AngoliG() const { return angG_; }
    std::span<const double> Piano(int i) const { return {val_.data() + Posto(i, 1), Larghezza()}; }
    std::span<const double> Valori() const { return val_; }

    // Writing: each call drops the indexed form.
    void ImpostaAngoloC(int i, double gradi) { Cambia(); angC_[static_cast<std::size_t>(i - 1)] = gradi; }
    void ImpostaAngoloG(int j, double gradi) { Cambia(); angG_[static_cast<std::size_t>(j - 1)] = gradi; }
    void ImpostaValore(int i, int j, double cdKlm) { Cambia(); val_[Posto(i, j)] = cdKlm; }
    // The NumG intensities of plane i, for writing.
    std::span<double> ScriviPiano(int i) { Cambia(); return {val_.data() + Posto(i, 1), Larghezza()}; }

    // numC planes x numG angles, every angle and intensity 0. Negative
    // counts count as 0; the readers keep to MaxPianiC x MaxAngoliG.
    void Dimensiona(int numC, int numG);
    // Every angle and intensity 0; the size stays.
    void Azzera();

    // The indexed form of this table (core/intensity/IndiceIntensita.h),
    // built on first use and shared by every lookup until the next change
    // (a lookup taken before a change keeps reading the table as it was).
    std::shared_ptr<const IndiceIntensita> Indice() const;

    friend bool operator==(const TabellaIntensita& a, const TabellaIntensita& b) {
        return a.numC_ == b.numC_ && a.numG_ == b.numG_ && a.angC_ == b.angC_ && a.angG_ == b.angG_ &&
               a.val_ == b.val_;
    }

private:
    std::size_t Larghezza() const { return static_cast<std::size_t>(numG_); }
    std::size_t Posto(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * Larghezza() + static_cast<std::size_t>(j - 1);
    }
    void Cambia() { indice_.Svuota(); }

    int numC_ = 0, numG_ = 0;
    std::vector<double> angC_, angG_, val_;
    dettaglio::CacheIndice indice_;
};

struct Fotometria {
    std::string DittaLdt;      // line 1: company / databank identification
    int TipoLdt = 0;           // Ityp (stored, not used)
    int Simmetria = 0;         // Isym 0..4 (IES: photometric type)
    double PassoC = 0;         // stored, not used
    double PassoG = 0;         // stored, not used
    std::string RapportoMis;   // measurement report number
    std::string NomeApp;       // luminaire name
    std::string NumApp;        // luminaire number
    std::string FileInterno;   // file name written inside an EULUMDAT file
    std::string FileLdt;       // file name of the loaded file, without folder
    std::string DataLdt;       // date / user
    int LungApp = 0, LargApp = 0, AltApp = 0;  // luminaire dimensions, mm
    int LungLum = 0, LargLum = 0;              // luminous area, mm
    std::array<double, 4> AltLum{};            // luminous area height at C0, C90, C180, C270, mm
    double DFF = 0;            // downward flux fraction, %
    double LORL = 0;           // light output ratio, %
    double FattConv = 0;       // conversion factor (stored, not applied)
    double InclinaMis = 0;     // tilt during measurement, degrees
    int NumLampade = 0;        // valid lamp sets
    std::array<int, MaxLampade> LampadePerSet{};    // number of lamps of each set (negative: absolute photometry)
    std::array<std::string, MaxLampade> TipoLamp{};
    std::array<double, MaxLampade> FlussoLamp{};   // lm, total of the set
    std::array<std::string, MaxLampade> ColoreLamp{};
    std::array<std::string, MaxLampade> ResaLamp{};
    std::array<double, MaxLampade> PotLamp{};      // W including ballast
    std::array<double, NumRappDiretti> RappDiretti{};  // direct ratios for room indices 0.60 ... 5.00
    int LampSel = 0;           // lamp set used by the calculation
    // Changed since it was read (set by the table editor); both readers clear it.
    bool Modificata = false;
    TabellaIntensita Intens;

    // Planes and gamma angles of the table.
    int NumC() const { return Intens.NumC(); }
    int NumG() const { return Intens.NumG(); }
};

}  // namespace nottaro
