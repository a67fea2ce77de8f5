#include "store/FiltroTabella.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/text/Testo.h"

namespace nottaro {
namespace {

// Character tests in ASCII only, whatever the C library's locale.
char MaiuscolaAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (MaiuscolaAscii(a[i]) != MaiuscolaAscii(b[i])) return false;
    return true;
}

bool Identificatore(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool Spazio(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct ErroreFiltro : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

// Recursive descent over the filter text; errors are thrown inside and turned
// into a message by Analizza.
class AnalizzatoreFiltro {
public:
    AnalizzatoreFiltro(std::string_view testo, const Layout& campi, FiltroTabella& f)
        : t_(testo), campi_(campi), f_(f) {}

    // A chain "a or b or c" is one node with three operands, so applying a
    // long chain goes no deeper than its parentheses.
    int Espressione() { return Catena(FiltroTabella::Nodo::Tipo::O, "or", &AnalizzatoreFiltro::Termine); }

    void Fine() {
        Spazi();
        if (p_ < t_.size()) Errore("unexpected text");
    }

private:
    int Termine() { return Catena(FiltroTabella::Nodo::Tipo::E, "and", &AnalizzatoreFiltro::Fattore); }

    // Operands joined by one keyword; a single operand stands alone.
    int Catena(FiltroTabella::Nodo::Tipo tipo, std::string_view parola, int (AnalizzatoreFiltro::*operando)()) {
        const int primo = (this->*operando)();
        if (!ParolaSegue(parola)) return primo;
        FiltroTabella::Nodo n;
        n.tipo = tipo;
        n.operandi.push_back(primo);
        while (Parola(parola)) n.operandi.push_back((this->*operando)());
        return Aggiungi(std::move(n));
    }

    int Fattore() {
        Spazi();
        if (p_ < t_.size() && t_[p_] == '(') {
            if (++profondita_ > MaxAnnidamentoFiltro)
                Errore("parentheses nested deeper than " + std::to_string(MaxAnnidamentoFiltro));
            ++p_;
            int n = Espressione();
            Spazi();
            if (p_ >= t_.size() || t_[p_] != ')') Errore("missing ')'");
            ++p_;
            --profondita_;
            return n;
        }
        return Confronto();
    }

    int Confronto() {
        Spazi();
        const std::size_t inizio = p_;
        while (p_ < t_.size() && Identificatore(t_[p_])) ++p_;
        if (p_ == inizio) Errore("field name expected");
        const std::string_view nome = t_.substr(inizio, p_ - inizio);
        int campo = -1;
        for (std::size_t i = 0; i < campi_.size(); ++i)
            if (UgualiSenzaMaiuscole(campi_[i].nome, nome)) campo = static_cast<int>(i);
        if (campo < 0) throw ErroreFiltro("unknown field " + std::string(nome));

        FiltroTabella::Nodo n;
        n.campo = campo;
        n.op = Operatore();
        n.testo = Valore();
        n.numerico = campi_[static_cast<std::size_t>(campo)].tipo == TipoCampo::Numero;
        if (n.numerico) {
            // 'nan' and 'inf' would compare against nothing the table holds.
            auto x = ConvertiReale(n.testo);
            if (!x || !std::isfinite(*x))
                throw ErroreFiltro("'" + n.testo + "' is not a number for field " + std::string(nome));
            n.numero = *x;
        }
        return Aggiungi(std::move(n));
    }

    FiltroTabella::Op Operatore() {
        using Op = FiltroTabella::Op;
        Spazi();
        auto segue = [&](std::string_view s) {
            if (t_.substr(p_, s.size()) != s) return false;
            p_ += s.size();
            return true;
        };
        if (segue("<>")) return Op::Diverso;
        if (segue(">=")) return Op::MaggioreUguale;
        if (segue("<=")) return Op::MinoreUguale;
        if (segue("=")) return Op::Uguale;
        if (segue(">")) return Op::Maggiore;
        if (segue("<")) return Op::Minore;
        Errore("comparison operator expected");
    }

    std::string Valore() {
        Spazi();
        if (p_ >= t_.size() || t_[p_] != '\'') Errore("value in single quotes expected");
        ++p_;
        std::string v;
        for (;;) {
            if (p_ >= t_.size()) throw ErroreFiltro("value not closed by a quote");
            const char c = t_[p_++];
            if (c != '\'') {
                v += c;
            } else if (p_ < t_.size() && t_[p_] == '\'') {
                v += '\'';
                ++p_;
            } else {
                return v;
            }
        }
    }

    // Whether a keyword standing as a whole word comes next.
    bool ParolaSegue(std::string_view parola) {
        Spazi();
        if (t_.size() - p_ < parola.size() || !UgualiSenzaMaiuscole(t_.substr(p_, parola.size()), parola)) return false;
        const std::size_t dopo = p_ + parola.size();
        return dopo >= t_.size() || !Identificatore(t_[dopo]);
    }

    // Consumes a keyword standing as a whole word.
    bool Parola(std::string_view parola) {
        if (!ParolaSegue(parola)) return false;
        p_ += parola.size();
        return true;
    }

    int Aggiungi(FiltroTabella::Nodo n) {
        f_.nodi_.push_back(std::move(n));
        return static_cast<int>(f_.nodi_.size()) - 1;
    }

    void Spazi() {
        while (p_ < t_.size() && Spazio(t_[p_])) ++p_;
    }

    [[noreturn]] void Errore(const std::string& cosa) {
        throw ErroreFiltro(cosa + " at position " + std::to_string(p_ + 1));
    }

    std::string_view t_;
    std::size_t p_ = 0;
    int profondita_ = 0;  // parentheses open at p_
    const Layout& campi_;
    FiltroTabella& f_;
};

std::optional<FiltroTabella> FiltroTabella::Analizza(std::string_view testo, const Layout& campi, std::string& errore) {
    FiltroTabella f;
    if (Trim(testo).empty()) return f;
    try {
        AnalizzatoreFiltro a(testo, campi, f);
        f.radice_ = a.Espressione();
        a.Fine();
    } catch (const ErroreFiltro& e) {
        // A hostile text can be megabytes long: the message quotes its start.
        constexpr std::size_t Citazione = 120;
        const std::string citato =
            testo.size() <= Citazione ? std::string(testo) : std::string(testo.substr(0, Citazione)) + "...";
        errore = "Invalid filter \"" + citato + "\": " + e.what();
        return std::nullopt;
    }
    return f;
}

bool FiltroTabella::Accetta(const std::function<std::string(int)>& valore) const {
    return radice_ < 0 || Valuta(radice_, valore);
}

bool FiltroTabella::Valuta(int indice, const std::function<std::string(int)>& valore) const {
    const Nodo& n = nodi_[static_cast<std::size_t>(indice)];
    switch (n.tipo) {
        case Nodo::Tipo::E:
            for (int o : n.operandi)
                if (!Valuta(o, valore)) return false;
            return true;
        case Nodo::Tipo::O:
            for (int o : n.operandi)
                if (Valuta(o, valore)) return true;
            return false;
        case Nodo::Tipo::Confronto: break;
    }
    const std::string v = valore(n.campo);
    int ordine = 0;  // <0, 0, >0 like a three-way comparison of stored vs literal
    if (n.numerico) {
        auto x = ConvertiReale(v);
        if (!x) return false;
        const double tolleranza = 1e-9 * std::max({1.0, std::fabs(*x), std::fabs(n.numero)});
        ordine = std::fabs(*x - n.numero) <= tolleranza ? 0 : (*x < n.numero ? -1 : 1);
    } else {
        std::string_view s = v;
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        const int c = s.compare(n.testo);
        ordine = c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    switch (n.op) {
        case Op::Uguale: return ordine == 0;
        case Op::Diverso: return ordine != 0;
        case Op::MaggioreUguale: return ordine >= 0;
        case Op::MinoreUguale: return ordine <= 0;
        case Op::Maggiore: return ordine > 0;
        case Op::Minore: return ordine < 0;
    }
    return false;
}

std::string FiltroTabella::Quota(std::string_view valore) {
    std::string r = "'";
    for (char c : valore) {
        r += c;
        if (c == '\'') r += '\'';
    }
    return r + "'";
}

}  // namespace nottaro
