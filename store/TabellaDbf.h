#pragma once
// A dBase table of Nottaro (solution tables, luminaire catalogue) bound to a
// folder and a table name, with a row filter and a cursor over the rows that
// pass it. The desktop grid and the reports wrap this class; it has no
// user-interface dependency.
//
// Files are dBase III tables with the code-page byte of Windows-1252 (0x57):
// texts are converted from UTF-8 when written and back when read. Numbers are
// written and read by this class itself with "." as the decimal separator, so
// nothing here depends on the C library's locale.
//
// Every append hands its whole row to the kernel in one write, so a row
// appended is on disk even when the writer dies right after; the header's
// row count is rewritten at most every 0.2 s of appends, and on Consolida,
// Chiudi and CopiaFile. The file is a valid dBase table at every moment (its
// count never exceeds the rows it holds), and opening a table whose count is
// behind takes back the whole rows that follow the counted ones (a row cut by
// a crash is left out). Every byte written is checked: when the disk refuses
// one (full, quota, I/O error) the append fails, the header is set to count
// the rows written before, and the table takes no further row.
//
// Failures are returned as Esito (empty message = success); nothing throws.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/FiltroTabella.h"
#include "store/LayoutTabelle.h"

namespace nottaro {

struct EsitoTabella {
    EsitoTabella() = default;
    EsitoTabella(std::string e) : errore(std::move(e)) {}  // NOLINT: a message converts to a failure
    std::string errore;  // empty on success
    std::string avviso;  // a success with a warning (a table read only in part)
    // The file refused the bytes of a row (full disk, I/O error): the table
    // takes no further row and the run that writes it must stop.
    bool scritturaFallita = false;
    bool ok() const { return errore.empty(); }
    explicit operator bool() const { return ok(); }
};

class TabellaDbf {
public:
    TabellaDbf() = default;
    ~TabellaDbf();
    TabellaDbf(const TabellaDbf&) = delete;
    TabellaDbf& operator=(const TabellaDbf&) = delete;

    // Binds to the file `cartella`/<table name in lower case>.dbf ("NTRLUX" ->
    // ntrlux.dbf). A known table name ("NTRLUX", "NTRLUXA", "lightlist") also
    // gives the layout used to create the file when it is missing. Closes any
    // open file first.
    void Collega(const std::string& cartella, const std::string& nomeTabella);
    // Binds to an explicit file; with no layout a missing file cannot be created.
    void CollegaFile(const std::string& percorso, const Layout* layout = nullptr);
    // Closes and forgets the binding.
    void Scollega();

    const std::string& Percorso() const { return percorso_; }
    bool Aperta() const { return dbf_ != nullptr; }

    // Writes an empty table with the bound layout, replacing the file.
    // Fails without a layout, on a table opened read-only or when the file
    // cannot be written. An open table is reopened empty with the filter off.
    EsitoTabella Crea();
    // Removes every row, keeping the file's own fields and marking it
    // Windows-1252; a missing file is created with the layout. An open table
    // is reopened empty with the filter off; one opened read-only is refused.
    EsitoTabella Svuota();
    // Opens the bound file, filter off, cursor on the first row. A missing
    // file with a known layout is created first (not when read-only). Only
    // regular files open. When the header counts more rows than the file
    // holds (a truncated file, a header that lies), only the whole rows are
    // shown and the result carries one warning saying how many are missing
    // (also kept in Avviso()); an append then follows the last whole row.
    // When the count is behind the whole rows that follow it (a writer that
    // died between two header updates), those rows are shown too, without a
    // warning, and a table opened for writing has its count set right at once.
    EsitoTabella Apri(bool solaLettura = false);
    void Chiudi();

    // Fields of the open file, in file order (empty when closed).
    const Layout& Campi() const { return campi_; }
    // Index of a field by name, ignoring case; -1 when the table has no such field.
    int IndiceCampo(std::string_view nome) const;

    // Appends one row: one value per field in field order, a number for every
    // numeric field (or "" for no value), UTF-8 text for every text field. Nothing is written when
    // the count or a kind is wrong, a number is not finite or needs more
    // characters than its field, or a text is longer than its field in
    // Windows-1252; the message names the field. On success the row is on
    // disk (one write) and the header counts it within 0.2 s of appends or
    // at the next Consolida. When the file refuses the bytes the
    // result has scritturaFallita set, its message names the row, the reason
    // and the rows the table keeps, and every later append is refused alike.
    EsitoTabella Aggiungi(const std::vector<ValoreCampo>& valori);
    // While on, appended rows wait in the file's buffer (up to 64 KiB) and
    // reach the file together at the next Consegna, Consolida, header update
    // (at most 0.2 s later), read, copy or close, or when the buffer fills:
    // one write for many rows. A writer that reports rows to the user calls
    // Consegna first, so no row it reported is lost if it dies. Switching it
    // off hands the waiting rows over. A setting of this object, kept when
    // the table is emptied or opened again; off at first.
    void RaccogliRighe(bool si);
    // Hands every appended row to the file now. On a refusal the table is
    // cut back to the rows known whole on disk and takes no further row
    // (scritturaFallita set, the message names the rows it keeps).
    EsitoTabella Consegna();
    // Whether an append found the file refusing its bytes since Apri.
    bool ScritturaFallita() const { return !erroreScrittura_.empty(); }
    // The warning of the last Apri (empty when the table was read whole).
    const std::string& Avviso() const { return avviso_; }
    // Writes the record count into the file header now (the appends do it at
    // most every 0.2 s, closing and copying do it too).
    void Consolida();

    // Filter text (see FiltroTabella.h). A text that does not parse or names a
    // missing field is refused with the reason, and the table is left
    // unfiltered (empty filter text). Needs an open table.
    EsitoTabella ImpostaFiltro(std::string_view testo);
    // Filter on/off; an empty filter with the filter on shows every row.
    void AttivaFiltro(bool attivo);
    const std::string& TestoFiltro() const { return testoFiltro_; }
    bool FiltroAttivo() const { return filtroAttivo_; }

    // --- cursor over the visible rows (rows that pass the filter when it is
    // on; deleted records never show) ---
    std::size_t NumeroRighe() const { return righe_.size(); }
    // Records in the file, filter ignored.
    std::size_t NumeroRecord() const;
    bool Primo() { return VaiA(0); }       // false when no row is visible
    bool Prossimo();                       // false (and Fine()) past the last row
    bool VaiA(std::size_t riga);           // false when riga >= NumeroRighe()
    bool Fine() const { return corrente_ >= righe_.size(); }
    std::size_t Posizione() const { return corrente_; }

    // Fields of the current row by name. Numero: nullopt for an unknown field,
    // no current row, an empty numeric field or a text that is not a number
    // (a text field holding a number, such as the catalogue's LUMEN, gives it).
    // Testo: nullopt for an unknown field or no current row; a numeric field
    // gives its value in the general number format ("" when empty).
    std::optional<double> Numero(std::string_view campo) const;
    std::optional<std::string> Testo(std::string_view campo) const;
    // The same for any visible row, without moving the cursor (grid cells).
    std::optional<double> NumeroRiga(std::size_t riga, std::string_view campo) const;
    std::optional<std::string> TestoRiga(std::size_t riga, std::string_view campo) const;

    // Copies the table file to `destinazione`, replacing it (saving results).
    // An open table's header is brought up to date first.
    EsitoTabella CopiaFile(const std::string& destinazione);

private:
    std::string Grezzo(int record, int campo) const;  // trimmed stored text, UTF-8
    void AggiornaRighe();
    int Record(std::size_t riga) const;
    bool consegna();                      // the waiting rows and the end-of-file mark to the file
    EsitoTabella rifiuta(int conservate);  // a refused write: the table cut back to its whole rows

    std::string percorso_;
    const Layout* layout_ = nullptr;
    void* dbf_ = nullptr;  // shapelib's DBFHandle, kept out of this header
    bool solaLettura_ = false;
    Layout campi_;
    std::optional<FiltroTabella> filtro_;
    std::string testoFiltro_;
    bool filtroAttivo_ = false;
    std::vector<int> righe_;  // record numbers of the visible rows
    // Records not marked deleted among the first `scansionati_`: nothing here
    // deletes a row, so each record's mark is read once per opening, and a
    // filter switched off shows them without reading the file again.
    std::vector<int> vivi_;
    int scansionati_ = 0;
    std::size_t corrente_ = 0;
    std::string avviso_;           // warning of the last Apri
    std::string erroreScrittura_;  // set when the file refused a row
    std::string rigaScritta_;      // the row being appended, as its record bytes and the end-of-file mark
    std::chrono::steady_clock::time_point testaScritta_;  // when the header's count was last written
    // The count in the header of a table opened read-only, when rows beyond it
    // were taken back (a copy of the file is given the full count).
    std::optional<std::uint32_t> contoInTesta_;
    bool raccogli_ = false;  // rows wait in the file's buffer (RaccogliRighe)
    int righeSicure_ = 0;    // rows handed to the file and known written
};

}  // namespace nottaro
