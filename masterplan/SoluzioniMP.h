#pragma once
// What one Masterplan row is evaluated with, and the two solutions it keeps:
// the retained candidate with the smallest spacing (solution 1) and the one
// with the largest (solution 2).
#include <array>
#include <string>
#include <vector>

#include "masterplan/FileLdtMP.h"
#include "masterplan/IndiciMP.h"
#include "masterplan/OpzioniMP.h"

namespace nottaro::mp {

// The numbers of one row, ready for its evaluation.
struct DatiRigaMP {
    RequisitiMP Req;
    std::string ClasseRiga;      // lower-case class code
    double H = 0, s = 0, W = 0;  // height, overhang (roundabout: radius of the luminaires), width
    int NCorsie = 1;             // lanes per direction x directions
    int DispPali = 1;            // 1..6 (roads and paths)
    int NApparecchi = 0;         // roundabout: the count given, 0 = searched
    double Interdist = 0;        // the given spacing (roundabout: island radius)
    bool DaProgetto = false;     // a spacing (roundabout: a count) is given
    double LargSx = 0, LargDx = 0;
    std::vector<const FileLdt*> File;  // in name order
};

struct Striscia {
    bool Presente = false;
    double Em = 0, Emin = 0, Emax = 0;  // lx
};

struct SoluzioneMP {
    bool Presente = false;
    double Spaziatura = 0;   // m; roundabout: the luminaire count
    double Livello = 0;      // Lm (cd/m2) or Em (lx)
    double Uniformita = 0;   // Uo or Emin/Em
    double Terzo = 0;        // Ul or Emin (lx)
    double TI = 0;           // %; paths: the estimate
    bool HaTI = true;        // a roundabout has none
    double REI = 0;          // edge illuminance ratio (roads)
    double IPEI = 0;
    bool HaIPEI = false;
    std::string ClasseIPEI;
    double Flusso = 0;       // lm of the lamp set
    double Potenza = 0;      // W of the lamp set
    std::string File;        // file name
    int Lampada = 0;         // lamp set
    std::array<Striscia, 2> Strisce;  // left, right
    double Dp = 0;           // W/(lx m²), power density of the lit sub-areas
    double De = 0;           // kWh/(m² year), over the run's operating profile
    bool HaIndicatori = false;  // a roundabout has none
};

struct EsitoRigaMP {
    std::string Parola;         // "ESATTO", "MIN+MAX", "Solo MIN", "0 Risultati"
    std::string Osservazione;   // spacing remark, empty when none
    std::array<SoluzioneMP, 2> Sol;
    int Trattenuti = 0;
    std::vector<std::string> Avvisi;  // file and candidate messages of this row
};

// The choice of the common frame: the first retained candidate fills both
// records; a later one replaces solution 2 when its spacing is strictly
// larger, solution 1 when strictly smaller (ties keep the earlier one).
class SceltaSoluzioni {
public:
    // Which records a retained candidate of spacing S would take: bit 0
    // solution 1, bit 1 solution 2.
    int Posti(double S) const;
    // Counts the candidate and stores it in the records Posti gave.
    void Trattieni(const SoluzioneMP& c, int posti);
    const EsitoRigaMP& Esito() const { return esito_; }
    EsitoRigaMP& Esito() { return esito_; }

private:
    EsitoRigaMP esito_;
};

// The result word for the retained count.
std::string ParolaRisultato(int trattenuti, bool daProgetto);

// Remark on spacing over height r (one decimal): roads below 3.3, paths
// below 3.5 "BASSO", above 5.3 "ALTO", else "medio"; a roundabout
// "BASSO" / "ALTA" / "media" around 3.3 and 5.3.
enum class TipoOsservazione { Strada, Area, Rotatoria };
std::string OsservazioneSpaziatura(double r, TipoOsservazione tipo);

}  // namespace nottaro::mp
