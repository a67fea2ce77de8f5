#pragma once
// The range of every design value: what a dialog, a project file, the command
// line (--set) or a batch row may put there. The loader and --set refuse a
// value outside it, naming the value and the range; the engines check again
// before a run, whoever built their request.
//
// Ranges are the physical ones of a street lighting design (height 1-50 m,
// spacing 1-500 m, width 1-100 m, 1-6 lanes, steps of at least 0.01, grid
// counts capped), plus the sentinels the design state gives a meaning to
// (height 0 "variable", overhang or tilt 99 "variable", spacing 0 "not set").
// Maintenance factors lie in (0, 1]. A value that is not a finite number is
// always outside.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/interaction/Riscontro.h"
#include "core/state/StatoProgetto.h"

namespace nottaro {

struct LimiteValore {
    const char* nome;  // the value's own name (StatoProgetto member)
    std::variant<double StatoProgetto::*, int StatoProgetto::*> membro;
    double minimo;
    double massimo;
    bool minimoEscluso = false;          // (minimo, massimo] instead of [minimo, massimo]
    std::optional<double> sentinella;    // a value outside the range with a meaning of its own
    const char* significato = "";        // what the sentinel means ("variable")

    bool Intero() const { return std::holds_alternative<int StatoProgetto::*>(membro); }
    double Leggi(const StatoProgetto& s) const;
    void Scrivi(StatoProgetto& s, double v) const;  // an integer value is taken as it is (v integral)
    bool Ammesso(double v) const;
    // "[1, 50] or 0 (variable)", "(0, 1]", "0..6".
    std::string TestoIntervallo() const;
};

// Every ranged value, in project-file order.
std::span<const LimiteValore> LimitiValori();
// The range of a value by its name (exact case), or nullptr.
const LimiteValore* TrovaLimite(std::string_view nome);

// The first value of `s` outside its range: message 1110 naming value, number
// and range; empty when every value is within.
MessaggioCatalogo VerificaLimiti(const StatoProgetto& s);
// The same for one value about to be set (--set); also refuses an integer
// value given with decimals.
MessaggioCatalogo VerificaLimite(const LimiteValore& l, double v);

}  // namespace nottaro
