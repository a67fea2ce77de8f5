#include "store/TabellaDbf.h"

#include <shapefil.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/text/Testo.h"

namespace nottaro {
namespace fs = std::filesystem;

namespace {

// Language-driver byte of Windows-1252 in the dBase header.
constexpr unsigned char CodicePaginaWindows1252 = 0x57;
constexpr long PosizioneCodicePagina = 29;

DBFHandle H(void* p) { return static_cast<DBFHandle>(p); }

// Letter case in ASCII only, whatever the C library's locale.
char MinuscolaAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Minuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), MinuscolaAscii);
    return s;
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return MinuscolaAscii(x) == MinuscolaAscii(y); });
}

// Right-aligned fixed-point text of exactly `larghezza` characters, or nullopt
// when the value is not finite or does not fit.
std::optional<std::string> FormattaNumero(double x, int larghezza, int decimali) {
    if (!std::isfinite(x)) return std::nullopt;
    char buf[400];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimali);
    if (ec != std::errc()) return std::nullopt;
    std::string s(buf, fine);
    // A value that rounds to zero is written without a sign.
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
    if (static_cast<int>(s.size()) > larghezza) return std::nullopt;
    return std::string(static_cast<std::size_t>(larghezza) - s.size(), ' ') + s;
}

std::string DescriviNumero(double x) { return std::isfinite(x) ? FormatoGenerale(x) : std::string("a non-finite number"); }

// Writes the Windows-1252 language-driver byte into a closed table file.
bool MarcaWindows1252(const std::string& percorso) {
    std::fstream f(percorso, std::ios::in | std::ios::out | std::ios::binary);
    if (!f) return false;
    f.seekg(PosizioneCodicePagina);
    char b = 0;
    if (!f.get(b)) return false;
    if (static_cast<unsigned char>(b) == CodicePaginaWindows1252) return true;
    f.seekp(PosizioneCodicePagina);
    f.put(static_cast<char>(CodicePaginaWindows1252));
    return static_cast<bool>(f.flush());
}

// shapelib derives the file name from the given one by replacing its
// extension with ".dbf"; a temporary sibling keeps the table's own name free.
std::string Temporaneo(const std::string& percorso) {
    fs::path p(percorso);
    return (p.parent_path() / (p.stem().string() + ".nuova.dbf")).string();
}

}  // namespace

TabellaDbf::~TabellaDbf() { Chiudi(); }

void TabellaDbf::Collega(const std::string& cartella, const std::string& nomeTabella) {
    Chiudi();
    percorso_ = (fs::path(cartella) / (Minuscolo(nomeTabella) + ".dbf")).string();
    layout_ = LayoutPerTabella(nomeTabella);
}

void TabellaDbf::CollegaFile(const std::string& percorso, const Layout* layout) {
    Chiudi();
    percorso_ = percorso;
    layout_ = layout;
}

void TabellaDbf::Scollega() {
    Chiudi();
    percorso_.clear();
    layout_ = nullptr;
}

EsitoTabella TabellaDbf::Crea() {
    if (percorso_.empty()) return {"No table is bound"};
    if (!layout_) return {"No field layout known for " + percorso_};
    if (Aperta() && solaLettura_) return {"Table opened read-only: " + percorso_};
    const bool eraAperta = Aperta();
    Chiudi();
    const std::string tmp = Temporaneo(percorso_);
    DBFHandle h = DBFCreateEx(tmp.c_str(), "LDID/87");
    if (!h) return {"Cannot create table " + percorso_};
    for (const auto& c : *layout_) {
        const DBFFieldType t = c.tipo == TipoCampo::Testo ? FTString : FTDouble;
        if (DBFAddField(h, c.nome.c_str(), t, c.larghezza, c.decimali) < 0) {
            DBFClose(h);
            fs::remove(tmp);
            return {"Cannot add field " + c.nome + " to " + percorso_};
        }
    }
    DBFClose(h);
    std::error_code ec;
    fs::rename(tmp, percorso_, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return {"Cannot write table " + percorso_};
    }
    if (eraAperta) return Apri(false);
    return {};
}

EsitoTabella TabellaDbf::Svuota() {
    if (percorso_.empty()) return {"No table is bound"};
    if (Aperta() && solaLettura_) return {"Table opened read-only: " + percorso_};
    if (!fs::exists(percorso_)) return Crea();
    const bool eraAperta = Aperta();
    Chiudi();
    DBFHandle h = DBFOpen(percorso_.c_str(), "rb");
    if (!h) return {"Cannot open table " + percorso_};
    const std::string tmp = Temporaneo(percorso_);
    DBFHandle vuota = DBFCloneEmpty(h, tmp.c_str());
    DBFClose(h);
    if (!vuota) return {"Cannot empty table " + percorso_};
    DBFClose(vuota);
    std::error_code ec;
    if (!MarcaWindows1252(tmp)) {
        fs::remove(tmp, ec);
        return {"Cannot empty table " + percorso_};
    }
    fs::rename(tmp, percorso_, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return {"Cannot replace table " + percorso_};
    }
    if (eraAperta) return Apri(false);
    return {};
}

EsitoTabella TabellaDbf::Apri(bool solaLettura) {
    Chiudi();
    if (percorso_.empty()) return {"No table is bound"};
    if (!fs::exists(percorso_)) {
        if (solaLettura || !layout_) return {"Table not found: " + percorso_};
        if (auto e = Crea(); !e) return e;
    }
    DBFHandle h = DBFOpen(percorso_.c_str(), solaLettura ? "rb" : "rb+");
    if (!h) return {"Cannot open table " + percorso_ + " (not a dBase table or not accessible)"};
    dbf_ = h;
    solaLettura_ = solaLettura;
    const int n = DBFGetFieldCount(h);
    for (int i = 0; i < n; ++i) {
        char nome[XBASE_FLDNAME_LEN_READ + 1] = {};
        int larghezza = 0, decimali = 0;
        DBFGetFieldInfo(h, i, nome, &larghezza, &decimali);
        const char tipo = DBFGetNativeFieldType(h, i);
        const bool numero = tipo == 'N' || tipo == 'F';
        campi_.push_back({nome, numero ? TipoCampo::Numero : TipoCampo::Testo, larghezza, decimali});
    }
    filtro_.reset();
    testoFiltro_.clear();
    filtroAttivo_ = false;
    AggiornaRighe();
    return {};
}

void TabellaDbf::Chiudi() {
    Consolida();
    if (dbf_) DBFClose(H(dbf_));
    dbf_ = nullptr;
    campi_.clear();
    righe_.clear();
    corrente_ = 0;
    filtro_.reset();
    testoFiltro_.clear();
    filtroAttivo_ = false;
}

int TabellaDbf::IndiceCampo(std::string_view nome) const {
    for (std::size_t i = 0; i < campi_.size(); ++i)
        if (UgualiSenzaMaiuscole(campi_[i].nome, nome)) return static_cast<int>(i);
    return -1;
}

EsitoTabella TabellaDbf::Aggiungi(const std::vector<ValoreCampo>& valori) {
    if (!Aperta()) return {"Table not open: " + percorso_};
    if (solaLettura_) return {"Table opened read-only: " + percorso_};
    if (valori.size() != campi_.size())
        return {"Row of " + std::to_string(valori.size()) + " values for " + std::to_string(campi_.size()) +
                " fields in " + percorso_};
    // Every value is formatted and checked before anything is written, so a
    // refused row leaves the table as it was.
    std::vector<std::string> testi;
    testi.reserve(valori.size());
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const DefinizioneCampo& c = campi_[i];
        if (c.tipo == TipoCampo::Numero) {
            const double* x = std::get_if<double>(&valori[i]);
            if (const std::string* t = std::get_if<std::string>(&valori[i]); t && t->empty()) {
                testi.emplace_back(static_cast<std::size_t>(c.larghezza), ' ');  // no value stored
                continue;
            }
            if (!x) return {"Field " + c.nome + " needs a number"};
            auto s = FormattaNumero(*x, c.larghezza, c.decimali);
            if (!s)
                return {"Value " + DescriviNumero(*x) + " does not fit field " + c.nome + " (" +
                        std::to_string(c.larghezza) + " characters, " + std::to_string(c.decimali) + " decimals)"};
            testi.push_back(std::move(*s));
        } else {
            const std::string* t = std::get_if<std::string>(&valori[i]);
            if (!t) return {"Field " + c.nome + " needs a text"};
            std::string s = Utf8InCp1252(*t);
            if (static_cast<int>(s.size()) > c.larghezza)
                return {"Text \"" + *t + "\" is longer than field " + c.nome + " (" + std::to_string(c.larghezza) +
                        " characters)"};
            s.resize(static_cast<std::size_t>(c.larghezza), ' ');
            testi.push_back(std::move(s));
        }
    }
    DBFHandle h = H(dbf_);
    const int record = DBFGetRecordCount(h);
    for (std::size_t i = 0; i < testi.size(); ++i)
        if (!DBFWriteAttributeDirectly(h, record, static_cast<int>(i), testi[i].data()))
            return {"Cannot write row " + std::to_string(record + 1) + " of " + percorso_};
    if (DBFGetRecordCount(h) != record + 1) return {"Cannot write row " + std::to_string(record + 1) + " of " + percorso_};
    const bool visibile = !filtroAttivo_ || !filtro_ || filtro_->Accetta([&](int c) { return Grezzo(record, c); });
    if (visibile) righe_.push_back(record);
    daConsolidare_ = true;
    return {};
}

void TabellaDbf::Consolida() {
    if (!Aperta() || solaLettura_ || !daConsolidare_) return;
    // Flushes the last row and writes the record count into the header.
    DBFUpdateHeader(H(dbf_));
    daConsolidare_ = false;
}

EsitoTabella TabellaDbf::ImpostaFiltro(std::string_view testo) {
    if (!Aperta()) return {"Table not open: " + percorso_};
    Consolida();
    std::string errore;
    filtro_ = FiltroTabella::Analizza(testo, campi_, errore);
    testoFiltro_ = filtro_ ? std::string(testo) : std::string();
    AggiornaRighe();
    if (!filtro_) return {errore};
    return {};
}

void TabellaDbf::AttivaFiltro(bool attivo) {
    filtroAttivo_ = attivo;
    AggiornaRighe();
}

void TabellaDbf::AggiornaRighe() {
    righe_.clear();
    corrente_ = 0;
    if (!Aperta()) return;
    DBFHandle h = H(dbf_);
    const int n = DBFGetRecordCount(h);
    const bool filtra = filtroAttivo_ && filtro_ && !filtro_->AccettaTutto();
    for (int r = 0; r < n; ++r) {
        if (DBFIsRecordDeleted(h, r)) continue;
        if (filtra && !filtro_->Accetta([&](int c) { return Grezzo(r, c); })) continue;
        righe_.push_back(r);
    }
}

std::size_t TabellaDbf::NumeroRecord() const {
    return Aperta() ? static_cast<std::size_t>(DBFGetRecordCount(H(dbf_))) : 0;
}

bool TabellaDbf::Prossimo() {
    if (corrente_ < righe_.size()) ++corrente_;
    return corrente_ < righe_.size();
}

bool TabellaDbf::VaiA(std::size_t riga) {
    if (riga >= righe_.size()) {
        corrente_ = righe_.size();
        return false;
    }
    corrente_ = riga;
    return true;
}

int TabellaDbf::Record(std::size_t riga) const { return riga < righe_.size() ? righe_[riga] : -1; }

std::string TabellaDbf::Grezzo(int record, int campo) const {
    // shapelib's buffer is overwritten by the next read: copy it at once.
    const char* s = DBFReadStringAttribute(H(dbf_), record, campo);
    if (!s) return {};
    std::string t = Trim(s);
    if (campi_[static_cast<std::size_t>(campo)].tipo == TipoCampo::Testo) return DecodificaLegacy(t);
    return t;
}

std::optional<double> TabellaDbf::NumeroRiga(std::size_t riga, std::string_view campo) const {
    const int r = Record(riga), c = IndiceCampo(campo);
    if (r < 0 || c < 0) return std::nullopt;
    return ConvertiReale(Grezzo(r, c));
}

std::optional<std::string> TabellaDbf::TestoRiga(std::size_t riga, std::string_view campo) const {
    const int r = Record(riga), c = IndiceCampo(campo);
    if (r < 0 || c < 0) return std::nullopt;
    std::string s = Grezzo(r, c);
    if (campi_[static_cast<std::size_t>(c)].tipo == TipoCampo::Numero) {
        auto x = ConvertiReale(s);
        return x ? FormatoGenerale(*x) : s;  // an empty field stays empty
    }
    return s;
}

std::optional<double> TabellaDbf::Numero(std::string_view campo) const { return NumeroRiga(corrente_, campo); }

std::optional<std::string> TabellaDbf::Testo(std::string_view campo) const { return TestoRiga(corrente_, campo); }

EsitoTabella TabellaDbf::CopiaFile(const std::string& destinazione) {
    if (percorso_.empty()) return {"No table is bound"};
    Consolida();
    std::error_code ec;
    fs::copy_file(percorso_, destinazione, fs::copy_options::overwrite_existing, ec);
    if (ec) return {"Cannot copy " + percorso_ + " to " + destinazione + ": " + ec.message()};
    return {};
}

}  // namespace nottaro
