#pragma once
// A solution row as named values, road or path, and where a sweep puts it.
// The two kinds share every field but the four light figures; the order of
// the members is the order of the table's fields. The solution-row schema
// (store/schema) names their fields and store/soluzioni converts them to and
// from dBase records; nothing else reads a solution table by field name.
#include <string>
#include <vector>

#include "engine/sweep/EnergiaCosti.h"

namespace nottaro {

// The fields road and path rows share.
struct DatiRiga {
    long long NUM = 0;      // running number, given when the row is stored
    double HPALO = 0;       // m, pole height
    double SBRACCIO = 0;    // m, overhang
    double INTER = 0;       // m, spacing
    double INCLINA = 0;     // degrees, tilt
    double POTENZA = 0;     // W, lamp power of the lamp set
    double LUMEN = 0;       // lm, lamp flux of the lamp set
    std::string LAMPADA;    // lamp type text (30 characters)
    std::string CORPO;      // energy class (road) or luminaire name (path) (80)
    std::string FILELDT;    // photometric file name (80)
    FigureRiga figure;      // INDICER .. POTENZALM and NPALI .. BREAKEVEN
};

struct RigaStrada : DatiRiga {
    double LUMINA = 0;  // cd/m², Lm
    double UNIFG = 0;   // Uo
    double UNIFL = 0;   // Ul
    double TI = 0;      // %, threshold increment
    double EIR = 0;     // edge illuminance ratio (2015 edition; 0 otherwise)
    double DP = 0;      // W/(lx m²), power density
    double DE = 0;      // kWh/(m² year), annual energy consumption indicator
};

struct RigaPercorso : DatiRiga {
    double EM = 0;    // lx
    double UO = 0;    // Emin / Em
    double EMIN = 0;  // lx
    double EMAX = 0;  // lx
    double DP = 0;    // W/(lx m²), power density
    double DE = 0;    // kWh/(m² year), annual energy consumption indicator
};

// Where a sweep stores its rows, in order, on the caller's thread. Each call
// returns an empty text when the row is stored, else the reason; a row that
// is refused is not counted and the sweep goes on.
class DestinazioneRighe {
public:
    virtual ~DestinazioneRighe() = default;
    virtual std::string Aggiungi(const RigaStrada& r) = 0;
    virtual std::string Aggiungi(const RigaPercorso& r) = 0;
    // True once the destination can take no further row (a full disk): the
    // refused row then ends the run instead of being skipped.
    virtual bool Guasta() const { return false; }
    // Makes every row stored so far safe from a crash of the program before
    // the sweep reports it; empty on success, else the reason (the
    // destination is then Guasta()).
    virtual std::string Consegna() { return {}; }
};

// Rows kept in memory (tests, reports, the batch).
class RigheInMemoria : public DestinazioneRighe {
public:
    std::string Aggiungi(const RigaStrada& r) override {
        strada.push_back(r);
        return {};
    }
    std::string Aggiungi(const RigaPercorso& r) override {
        percorso.push_back(r);
        return {};
    }
    std::vector<RigaStrada> strada;
    std::vector<RigaPercorso> percorso;
};

}  // namespace nottaro
