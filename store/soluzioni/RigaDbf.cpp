#include "store/soluzioni/RigaDbf.h"

#include <utility>

#include "store/soluzioni/MembriRiga.h"

namespace nottaro {
namespace {

// Text cut to at most n characters (code points), as its fixed-width field holds it.
std::string Tronca(const std::string& s, std::size_t n) {
    std::size_t caratteri = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        // Count the first byte of every UTF-8 sequence.
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (caratteri == n) return s.substr(0, i);
            ++caratteri;
        }
    }
    return s;
}

template <class Riga>
std::vector<ValoreCampo> Valori(const Riga& r, const SchemaRiga& schema) {
    std::vector<ValoreCampo> v;
    v.reserve(schema.size());
    for (const CampoSoluzione& c : schema) {
        if (c.membro == MembroRiga::NUM)
            v.emplace_back(static_cast<double>(r.NUM));
        else if (const std::string* t = TestoMembro(r, c.membro))
            v.emplace_back(Tronca(*t, static_cast<std::size_t>(c.larghezza)));
        else
            v.emplace_back(*Figura(r, c.membro));
    }
    return v;
}

// The current row through the schema. Every field of the first 40 must be
// there; the fields added after them read as 0 (not computed) from a table
// written before them.
template <class Riga>
std::optional<Riga> Leggi(const TabellaDbf& t, const SchemaRiga& schema) {
    Riga r;
    for (std::size_t i = 0; i < schema.size(); ++i) {
        const CampoSoluzione& c = schema[i];
        const bool richiesto = i < CampiPrimaVersione;
        if (std::string* testo = TestoMembro(r, c.membro)) {
            auto v = t.Testo(c.nome);
            if (!v && richiesto) return std::nullopt;
            *testo = std::move(v).value_or("");
            continue;
        }
        const auto v = t.Numero(c.nome);
        if (!v && richiesto) return std::nullopt;
        if (c.membro == MembroRiga::NUM)
            r.NUM = static_cast<long long>(v.value_or(0));
        else
            *Figura(r, c.membro) = v.value_or(0);
    }
    return r;
}

template <class Riga, class Lettore>
std::vector<Riga> TutteLeRighe(TabellaDbf& t, Lettore leggi) {
    std::vector<Riga> righe;
    for (bool ok = t.Primo(); ok; ok = t.Prossimo())
        if (auto r = leggi(t)) righe.push_back(std::move(*r));
    return righe;
}

}  // namespace

std::vector<ValoreCampo> ValoriDbf(const RigaStrada& r) { return Valori(r, SchemaStrada()); }
std::vector<ValoreCampo> ValoriDbf(const RigaPercorso& r) { return Valori(r, SchemaPercorso()); }

std::optional<RigaStrada> LeggiRigaStrada(const TabellaDbf& t) { return Leggi<RigaStrada>(t, SchemaStrada()); }
std::optional<RigaPercorso> LeggiRigaPercorso(const TabellaDbf& t) { return Leggi<RigaPercorso>(t, SchemaPercorso()); }

std::vector<RigaStrada> LeggiRigheStrada(TabellaDbf& t) { return TutteLeRighe<RigaStrada>(t, LeggiRigaStrada); }
std::vector<RigaPercorso> LeggiRighePercorso(TabellaDbf& t) {
    return TutteLeRighe<RigaPercorso>(t, LeggiRigaPercorso);
}

RigheInTabella::RigheInTabella(TabellaDbf& tabella, TipoImpianto tipo) : tabella_(tabella), tipo_(tipo) {
    tabella_.RaccogliRighe(true);
}

RigheInTabella::~RigheInTabella() { tabella_.RaccogliRighe(false); }

bool RigheInTabella::CampiGiusti() const {
    if (!tabella_.Aperta()) return false;
    // A table of another layout (the other kind's, or one written by another program) would refuse every row.
    const Layout& atteso = tipo_ == TipoImpianto::Strada ? LayoutNTRLUX() : LayoutNTRLUXA();
    if (tabella_.Campi().size() != atteso.size()) return false;
    for (std::size_t i = 0; i < atteso.size(); ++i)
        if (tabella_.IndiceCampo(atteso[i].nome) != static_cast<int>(i) || tabella_.Campi()[i].tipo != atteso[i].tipo)
            return false;
    return true;
}

bool RigheInTabella::TabellaDiSoluzioni() const {
    if (!tabella_.Aperta()) return false;
    const Layout& atteso = tipo_ == TipoImpianto::Strada ? LayoutNTRLUX() : LayoutNTRLUXA();
    const auto& campi = tabella_.Campi();
    if (campi.empty() || campi.size() > atteso.size()) return false;
    for (std::size_t i = 0; i < campi.size(); ++i)
        if (tabella_.IndiceCampo(atteso[i].nome) != static_cast<int>(i) || campi[i].tipo != atteso[i].tipo)
            return false;
    return true;
}

std::string RigheInTabella::Aggiungi(const RigaStrada& r) { return tabella_.Aggiungi(ValoriDbf(r)).errore; }
std::string RigheInTabella::Aggiungi(const RigaPercorso& r) { return tabella_.Aggiungi(ValoriDbf(r)).errore; }

}  // namespace nottaro
