#include "store/TabellaDbf.h"

#include <shapefil.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/files/SostituisciFile.h"
#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "store/FileControllato.h"
#include "store/IntestazioneDbf.h"
#include "store/MotivoSistema.h"
#include "store/RigheOltreIlConteggio.h"

namespace nottaro {
namespace fs = std::filesystem;

namespace {

DBFHandle H(void* p) { return static_cast<DBFHandle>(p); }

// How long appended rows may wait for the header to count them. A row is on
// disk the moment it is appended; the wait only spares the second write per
// row, and opening the table takes back what the count misses.
constexpr std::chrono::milliseconds IntervalloConteggio{200};

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

// Writes x right-aligned in fixed point over exactly `larghezza` characters
// at `dest`; false (nothing written) when the value is not finite or does
// not fit. Formatted in place: a row of forty numbers allocates nothing.
bool FormattaNumero(double x, int larghezza, int decimali, char* dest) {
    if (!std::isfinite(x)) return false;
    char buf[400];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimali);
    if (ec != std::errc()) return false;
    const char* inizio = buf;
    // A value that rounds to zero is written without a sign.
    if (*inizio == '-' && std::none_of(inizio, static_cast<const char*>(fine), [](char k) { return k >= '1' && k <= '9'; }))
        ++inizio;
    const std::size_t n = static_cast<std::size_t>(fine - inizio);
    if (static_cast<int>(n) > larghezza) return false;
    const std::size_t spazi = static_cast<std::size_t>(larghezza) - n;
    std::memset(dest, ' ', spazi);
    std::memcpy(dest + spazi, inizio, n);
    return true;
}

std::string DescriviNumero(double x) { return std::isfinite(x) ? FormatoGenerale(x) : std::string("a non-finite number"); }

// A field as the file declares it: native type letter, width, decimals.
struct CampoNativo {
    std::string nome;
    char tipo;
    int larghezza, decimali;
};

// Writes an empty table with `campi` to `percorso` (Windows-1252 code-page
// byte set). The header is forced to disk before the file is closed, so a
// full disk is found here and not by the next reader; a failed file is
// removed. Empty on success, else the reason.
std::string ScriviTabellaVuota(const std::string& percorso, const std::vector<CampoNativo>& campi) {
    SAHooks hook = dbf::HookControllati();
    DBFHandle h = DBFCreateLL(percorso.c_str(), "LDID/87", &hook);
    if (!h) return Msg(2722);
    std::string errore;
    for (const auto& c : campi) {
        if (DBFAddNativeFieldType(h, c.nome.c_str(), c.tipo, c.larghezza, c.decimali) < 0) {
            errore = ConArgomenti(Msg(2723), {c.nome});
            break;
        }
    }
    if (errore.empty()) {
        DBFUpdateHeader(h);
        errore = dbf::ErroreFile(h->fp);
    }
    DBFClose(h);
    if (!errore.empty()) {
        std::error_code ec;
        fs::remove(percorso, ec);
    }
    return errore;
}

// Replaces the table at `percorso` with an empty one with `campi`, written
// beside it first. Empty on success, else the reason.
std::string RiscriviVuota(const std::string& percorso, const std::vector<CampoNativo>& campi) {
    // shapelib derives the file name from the given one by replacing its
    // extension with ".dbf": the new file's name ends so too.
    return SostituisciFile(
        percorso, [&](const std::string& tmp) { return ScriviTabellaVuota(tmp, campi); }, ".dbf");
}

// True when the fields are the first ones of the layout, fewer than all.
bool PrefissoDelLayout(const std::vector<CampoNativo>& campi, const Layout& layout) {
    if (campi.empty() || campi.size() >= layout.size()) return false;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const bool numero = campi[i].tipo == 'N' || campi[i].tipo == 'F';
        if (!UgualiSenzaMaiuscole(campi[i].nome, layout[i].nome) ||
            numero != (layout[i].tipo == TipoCampo::Numero))
            return false;
    }
    return true;
}

EsitoTabella RigaRifiutata(const std::string& motivo) {
    EsitoTabella e(motivo);
    e.scritturaFallita = true;
    return e;
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
    if (percorso_.empty()) return {Msg(2706)};
    if (!layout_) return {ConArgomenti(Msg(2707), {percorso_})};
    if (Aperta() && solaLettura_) return {ConArgomenti(Msg(2708), {percorso_})};
    std::vector<CampoNativo> campi;
    for (const auto& c : *layout_)
        campi.push_back({c.nome, c.tipo == TipoCampo::Testo ? 'C' : 'N', c.larghezza, c.decimali});
    const bool eraAperta = Aperta();
    Chiudi();
    if (std::string e = RiscriviVuota(percorso_, campi); !e.empty()) return {ConArgomenti(Msg(2709), {percorso_, e})};
    if (eraAperta) return Apri(false);
    return {};
}

EsitoTabella TabellaDbf::Svuota() {
    if (percorso_.empty()) return {Msg(2706)};
    if (Aperta() && solaLettura_) return {ConArgomenti(Msg(2708), {percorso_})};
    if (!fs::exists(percorso_)) return Crea();
    // The file's own fields, as it declares them.
    IntestazioneDbf intestazione;
    if (std::string e = VerificaIntestazioneDbf(percorso_, intestazione); !e.empty())
        return {ConArgomenti(Msg(2710), {percorso_, e})};
    SAHooks hook = dbf::HookControllati();
    DBFHandle h = DBFOpenLL(percorso_.c_str(), "rb", &hook);
    if (!h) return {ConArgomenti(Msg(2711), {percorso_, Msg(2719)})};
    std::vector<CampoNativo> campi;
    for (int i = 0; i < DBFGetFieldCount(h); ++i) {
        char nome[XBASE_FLDNAME_LEN_READ + 1] = {};
        int larghezza = 0, decimali = 0;
        DBFGetFieldInfo(h, i, nome, &larghezza, &decimali);
        campi.push_back({nome, DBFGetNativeFieldType(h, i), larghezza, decimali});
    }
    DBFClose(h);
    // A table of this kind written before its last fields were added is
    // emptied with them, so the rows about to be written fit it.
    if (layout_ && PrefissoDelLayout(campi, *layout_)) return Crea();
    const bool eraAperta = Aperta();
    Chiudi();
    if (std::string e = RiscriviVuota(percorso_, campi); !e.empty()) return {ConArgomenti(Msg(2710), {percorso_, e})};
    if (eraAperta) return Apri(false);
    return {};
}

EsitoTabella TabellaDbf::Apri(bool solaLettura) {
    Chiudi();
    if (percorso_.empty()) return {Msg(2706)};
    std::error_code ec;
    if (!fs::exists(percorso_, ec)) {
        if (solaLettura || !layout_) return {ConArgomenti(Msg(2712), {percorso_})};
        if (auto e = Crea(); !e) return e;
    }
    if (!fs::is_regular_file(percorso_, ec)) return {ConArgomenti(Msg(2711), {percorso_, Msg(2713)})};
    // The header checked against itself before the library trusts it.
    IntestazioneDbf intestazione;
    if (std::string e = VerificaIntestazioneDbf(percorso_, intestazione); !e.empty())
        return {ConArgomenti(Msg(2711), {percorso_, e})};
    SAHooks hook = dbf::HookControllati();
    DBFHandle h = DBFOpenLL(percorso_.c_str(), solaLettura ? "rb" : "rb+", &hook);
    if (!h) return {ConArgomenti(Msg(2711), {percorso_, Msg(2719)})};
    if (h->nRecordLength <= 0 || h->nHeaderLength <= 0) {
        DBFClose(h);
        return {ConArgomenti(Msg(2711), {percorso_, Msg(2720)})};
    }
    // The header's row count against the file's size: only whole rows are
    // read, so a truncated file or a header that lies shows no phantom rows
    // (and appends go right after the last whole row). The count is taken
    // from the header's own 32 bits: the library's signed copy loses the top
    // bit of a count above 2^31.
    if (intestazione.righeDichiarate > intestazione.righeIntere) {
        avviso_ = ConArgomenti(Msg(2721), {percorso_, std::to_string(intestazione.righeDichiarate),
                                            std::to_string(intestazione.righeIntere),
                                            std::to_string(intestazione.righeDichiarate - intestazione.righeIntere)});
    }
    const int n = DBFGetFieldCount(h);
    std::vector<CampoRiga> forma;
    for (int i = 0; i < n; ++i) {
        char nome[XBASE_FLDNAME_LEN_READ + 1] = {};
        int larghezza = 0, decimali = 0;
        DBFGetFieldInfo(h, i, nome, &larghezza, &decimali);
        const char tipo = DBFGetNativeFieldType(h, i);
        const bool numero = tipo == 'N' || tipo == 'F';
        campi_.push_back({nome, numero ? TipoCampo::Numero : TipoCampo::Testo, larghezza, decimali});
        forma.push_back({numero, larghezza});
    }
    // Whole rows after the count: appended by a writer that died before it
    // brought the count up to date.
    const std::uint64_t oltre = RigheOltreIlConteggio(percorso_, intestazione, forma);
    h->nRecords = static_cast<int>(std::min<std::uint64_t>(
        {intestazione.righeDichiarate + oltre, intestazione.righeIntere, static_cast<std::uint64_t>(INT32_MAX)}));
    dbf_ = h;
    solaLettura_ = solaLettura;
    testaScritta_ = std::chrono::steady_clock::now();
    righeSicure_ = h->nRecords;
    if (oltre > 0 && solaLettura) contoInTesta_ = intestazione.righeDichiarate;
    if (oltre > 0 && !solaLettura) DBFUpdateHeader(h);  // a failure shows at the next append
    filtro_.reset();
    testoFiltro_.clear();
    filtroAttivo_ = false;
    AggiornaRighe();
    EsitoTabella esito;
    esito.avviso = avviso_;
    return esito;
}

void TabellaDbf::Chiudi() {
    Consolida();
    if (dbf_) DBFClose(H(dbf_));
    dbf_ = nullptr;
    campi_.clear();
    righe_.clear();
    vivi_.clear();
    scansionati_ = 0;
    corrente_ = 0;
    filtro_.reset();
    testoFiltro_.clear();
    filtroAttivo_ = false;
    avviso_.clear();
    erroreScrittura_.clear();
    contoInTesta_.reset();
}

int TabellaDbf::IndiceCampo(std::string_view nome) const {
    for (std::size_t i = 0; i < campi_.size(); ++i)
        if (UgualiSenzaMaiuscole(campi_[i].nome, nome)) return static_cast<int>(i);
    return -1;
}

EsitoTabella TabellaDbf::Aggiungi(const std::vector<ValoreCampo>& valori) {
    if (!Aperta()) return {ConArgomenti(Msg(2728), {percorso_})};
    if (solaLettura_) return {ConArgomenti(Msg(2708), {percorso_})};
    if (valori.size() != campi_.size())
        return {ConArgomenti(Msg(2729), {std::to_string(valori.size()), std::to_string(campi_.size()), percorso_})};
    // Every value is formatted and checked before anything is written, so a
    // refused row leaves the table as it was. The row is laid out as its
    // record (the deletion mark, then the fields) followed by the end-of-file
    // mark, in one reused buffer that goes to the file in one write; the next
    // row starts over that mark.
    DBFHandle h = H(dbf_);
    const auto lunghezza = static_cast<std::size_t>(h->nRecordLength);
    rigaScritta_.resize(lunghezza + 1);
    rigaScritta_[0] = ' ';
    rigaScritta_[lunghezza] = '\x1A';
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const DefinizioneCampo& c = campi_[i];
        char* campo = rigaScritta_.data() + h->panFieldOffset[i];
        if (c.tipo == TipoCampo::Numero) {
            const double* x = std::get_if<double>(&valori[i]);
            if (const std::string* t = std::get_if<std::string>(&valori[i]); t && t->empty()) {
                std::memset(campo, ' ', static_cast<std::size_t>(c.larghezza));  // no value stored
                continue;
            }
            if (!x) return {ConArgomenti(Msg(2730), {c.nome})};
            if (!FormattaNumero(*x, c.larghezza, c.decimali, campo))
                return {ConArgomenti(Msg(2732), {DescriviNumero(*x), c.nome, std::to_string(c.larghezza),
                                                 std::to_string(c.decimali)})};
        } else {
            const std::string* t = std::get_if<std::string>(&valori[i]);
            if (!t) return {ConArgomenti(Msg(2731), {c.nome})};
            const std::string s = Utf8InCp1252(*t);
            if (static_cast<int>(s.size()) > c.larghezza)
                return {ConArgomenti(Msg(2733), {*t, c.nome, std::to_string(c.larghezza)})};
            std::memcpy(campo, s.data(), s.size());
            std::memset(campo + s.size(), ' ', static_cast<std::size_t>(c.larghezza) - s.size());
        }
    }
    if (!erroreScrittura_.empty()) return RigaRifiutata(erroreScrittura_);
    const int record = DBFGetRecordCount(h);
    if (record == INT32_MAX) return rifiuta(righeSicure_);
    const std::uint64_t posizione =
        static_cast<std::uint64_t>(h->nHeaderLength) + static_cast<std::uint64_t>(record) * lunghezza;
    if (raccogli_) {
        // Without its end-of-file mark, so the rows of a batch follow one
        // another in the file's buffer; the mark closes the batch.
        h->sHooks.FSeek(h->fp, static_cast<SAOffset>(posizione), SEEK_SET);
        if (h->sHooks.FWrite(rigaScritta_.data(), lunghezza, 1, h->fp) != 1 || !dbf::ErroreFile(h->fp).empty())
            return rifiuta(righeSicure_);
    } else if (!dbf::ScriviOra(h->fp, posizione, rigaScritta_.data(), rigaScritta_.size())) {
        return rifiuta(record);
    } else {
        righeSicure_ = record + 1;
    }
    h->nRecords = record + 1;
    const auto adesso = std::chrono::steady_clock::now();
    if (adesso - testaScritta_ >= IntervalloConteggio) {
        if (!consegna()) return rifiuta(righeSicure_);
        testaScritta_ = adesso;
        DBFUpdateHeader(h);
        if (!dbf::ErroreFile(h->fp).empty()) return rifiuta(record);
    }
    const bool visibile = !filtroAttivo_ || !filtro_ || filtro_->Accetta([&](int c) { return Grezzo(record, c); });
    if (scansionati_ == record) {
        vivi_.push_back(record);
        scansionati_ = record + 1;
    }
    if (visibile) righe_.push_back(record);
    return {};
}

void TabellaDbf::Consolida() {
    // After a refused row the header on disk is already the valid one.
    if (!Aperta() || solaLettura_ || ScritturaFallita()) return;
    if (!consegna()) {
        rifiuta(righeSicure_);
        return;
    }
    DBFUpdateHeader(H(dbf_));
    testaScritta_ = std::chrono::steady_clock::now();
}

void TabellaDbf::RaccogliRighe(bool si) {
    if (!si) Consegna();
    raccogli_ = si;
}

EsitoTabella TabellaDbf::Consegna() {
    if (!Aperta() || solaLettura_) return {};
    if (!erroreScrittura_.empty()) return RigaRifiutata(erroreScrittura_);
    if (!consegna()) return rifiuta(righeSicure_);
    return {};
}

bool TabellaDbf::consegna() {
    DBFHandle h = H(dbf_);
    if (righeSicure_ == h->nRecords) return true;
    const char fine = '\x1A';
    const std::uint64_t posizione = static_cast<std::uint64_t>(h->nHeaderLength) +
                                    static_cast<std::uint64_t>(h->nRecords) * static_cast<std::uint64_t>(h->nRecordLength);
    h->sHooks.FSeek(h->fp, static_cast<SAOffset>(posizione), SEEK_SET);
    h->sHooks.FWrite(const_cast<char*>(&fine), 1, 1, h->fp);
    h->sHooks.FFlush(h->fp);
    if (!dbf::ErroreFile(h->fp).empty()) return false;
    righeSicure_ = h->nRecords;
    return true;
}

EsitoTabella TabellaDbf::rifiuta(int conservate) {
    DBFHandle h = H(dbf_);
    const std::string motivo = dbf::ErroreFile(h->fp);
    // The table is left with the rows known to be whole on disk, whatever
    // part of later ones reached it; it takes no further row, so nothing is
    // written after a gap.
    h->nRecords = conservate;
    righeSicure_ = conservate;
    dbf::TroncaARighe(h->fp, static_cast<std::uint32_t>(conservate),
                      static_cast<std::uint64_t>(h->nHeaderLength) +
                          static_cast<std::uint64_t>(conservate) * static_cast<std::uint64_t>(h->nRecordLength));
    if (scansionati_ > conservate) {
        vivi_.resize(static_cast<std::size_t>(std::count_if(vivi_.begin(), vivi_.end(), [&](int r) { return r < conservate; })));
        scansionati_ = conservate;
    }
    righe_.erase(std::remove_if(righe_.begin(), righe_.end(), [&](int r) { return r >= conservate; }), righe_.end());
    corrente_ = std::min(corrente_, righe_.size());
    erroreScrittura_ = ConArgomenti(Msg(2724), {std::to_string(conservate + 1), percorso_,
                                                motivo.empty() ? Msg(2725) : motivo, std::to_string(conservate)});
    return RigaRifiutata(erroreScrittura_);
}

EsitoTabella TabellaDbf::ImpostaFiltro(std::string_view testo) {
    if (!Aperta()) return {ConArgomenti(Msg(2728), {percorso_})};
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
    if (n < scansionati_) {
        vivi_.clear();
        scansionati_ = 0;
    }
    for (int r = scansionati_; r < n; ++r)
        if (!DBFIsRecordDeleted(h, r)) vivi_.push_back(r);
    scansionati_ = n;
    const bool filtra = filtroAttivo_ && filtro_ && !filtro_->AccettaTutto();
    if (!filtra) {
        righe_ = vivi_;
        return;
    }
    for (int r : vivi_)
        if (filtro_->Accetta([&](int c) { return Grezzo(r, c); })) righe_.push_back(r);
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
    if (percorso_.empty()) return {Msg(2706)};
    // After a refused row the header on disk is already the valid one.
    if (Aperta() && !solaLettura_ && !ScritturaFallita()) {
        Consolida();
        if (std::string motivo = dbf::ErroreFile(H(dbf_)->fp); !motivo.empty())
            return {ConArgomenti(Msg(2726), {percorso_, motivo})};
    }
    std::error_code ec;
    fs::copy_file(percorso_, destinazione, fs::copy_options::overwrite_existing, ec);
    if (ec) return {ConArgomenti(Msg(2727), {percorso_, destinazione, MotivoSistema(ec.value())})};
    // A table read with rows its header did not count yet is copied with
    // the count of the rows it shows.
    if (Aperta() && contoInTesta_) {
        const auto n = static_cast<std::uint32_t>(DBFGetRecordCount(H(dbf_)));
        std::fstream f(destinazione, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(4);
        for (int i = 0; i < 4; ++i) f.put(static_cast<char>((n >> (8 * i)) & 0xFFu));
        if (!f.flush()) return {ConArgomenti(Msg(2727), {percorso_, destinazione, Msg(2741)})};
    }
    return {};
}

}  // namespace nottaro
