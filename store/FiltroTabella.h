#pragma once
// Row filter of a dBase table: the comparison expressions Nottaro builds for
// the solution browser, the reports and the luminaire catalogue, such as
//   HPALO = '8' and SBRACCIO = '1.5' and INTER >= '27'
//   (LINEA = 'Stradale') AND (POTENZAR = '70')
// Grammar: comparisons FIELD op 'value' with op one of = <> >= <= > <, joined
// by and / or (any letter case; and binds tighter), grouped by parentheses.
// A quote inside a value is written twice ('L''Aquila'). Nothing more.
// Parentheses nest at most MaxAnnidamentoFiltro deep; a value for a numeric
// field is a finite number ('nan' and 'inf' are refused).
//
// Numeric fields compare as numbers: the value text is read with "." as the
// decimal separator whatever the locale, and two numbers within a relative
// 1e-9 of each other are equal, so a height stored as 2.30000000 matches
// '2.3' and a threshold computed from a stored maximum admits that maximum.
// Text fields compare as text (UTF-8 bytes, trailing blanks of the stored
// value ignored, letter case significant). A stored numeric field that is
// empty satisfies no comparison.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/LayoutTabelle.h"

namespace nottaro {

// Deepest nesting of parentheses a filter may use: far beyond any filter the
// browser, the reports or the catalogue build, and shallow enough that
// neither reading nor applying a filter can exhaust the stack.
inline constexpr int MaxAnnidamentoFiltro = 200;

class FiltroTabella {
public:
    // Parses `testo` against the fields of a table (names compared without
    // regard to case). An empty or blank text gives the filter that accepts
    // every row. On a syntax error, a value that is not a number for a
    // numeric field or an unknown field: nullopt, with a one-line reason in
    // `errore`.
    static std::optional<FiltroTabella> Analizza(std::string_view testo, const Layout& campi, std::string& errore);

    bool AccettaTutto() const { return radice_ < 0; }

    // Whether a row passes. `valore(i)` gives the stored text of field i of the
    // row, trimmed, texts already in UTF-8.
    bool Accetta(const std::function<std::string(int)>& valore) const;

    // Quotes a value for a filter text: 'value' with inner quotes doubled.
    static std::string Quota(std::string_view valore);

private:
    enum class Op { Uguale, Diverso, MaggioreUguale, MinoreUguale, Maggiore, Minore };
    struct Nodo {
        enum class Tipo { Confronto, E, O } tipo = Tipo::Confronto;
        std::vector<int> operandi;       // E / O: every operand of a chain, in order
        int campo = -1;                  // Confronto
        bool numerico = false;
        Op op = Op::Uguale;
        double numero = 0.0;
        std::string testo;
    };
    friend class AnalizzatoreFiltro;

    bool Valuta(int nodo, const std::function<std::string(int)>& valore) const;

    std::vector<Nodo> nodi_;
    int radice_ = -1;
};

}  // namespace nottaro
