#pragma once
// The one place where solution rows meet dBase records: a typed row to the
// values of an append, the current row of a table back to a typed row, and
// the sink that appends a sweep's rows to an open solution table.
#include <optional>
#include <string>
#include <vector>

#include "engine/sweep/RigheSoluzione.h"
#include "store/TabellaDbf.h"

namespace nottaro {

// The values of a row in the field order of NTRLUX (43) / NTRLUXA (42), NUM first.
std::vector<ValoreCampo> ValoriDbf(const RigaStrada& r);
std::vector<ValoreCampo> ValoriDbf(const RigaPercorso& r);

// The current row of an open table; nullopt when there is none or a field
// of the kind's layout is missing.
std::optional<RigaStrada> LeggiRigaStrada(const TabellaDbf& t);
std::optional<RigaPercorso> LeggiRigaPercorso(const TabellaDbf& t);

// Every visible row of an open table, in order (rows that cannot be read are skipped).
std::vector<RigaStrada> LeggiRigheStrada(TabellaDbf& t);
std::vector<RigaPercorso> LeggiRighePercorso(TabellaDbf& t);

// Appends to an open table (emptied by the caller) whose fields are those of
// the kind's solution table; CampiGiusti() says whether they are.
class RigheInTabella : public DestinazioneRighe {
public:
    // The table gathers the rows into few writes (TabellaDbf::RaccogliRighe)
    // while this object lives; the sweep hands them over before it reports them.
    RigheInTabella(TabellaDbf& tabella, TipoImpianto tipo);
    ~RigheInTabella() override;
    RigheInTabella(const RigheInTabella&) = delete;
    RigheInTabella& operator=(const RigheInTabella&) = delete;
    // The table is open and has the fields of the kind's layout, in order.
    bool CampiGiusti() const;
    // The open table's fields are the first ones of the kind's layout, in
    // order: a solution table of this program, perhaps written before the
    // last columns were added, and never a foreign table.
    bool TabellaDiSoluzioni() const;
    std::string Aggiungi(const RigaStrada& r) override;
    std::string Aggiungi(const RigaPercorso& r) override;
    bool Guasta() const override { return tabella_.ScritturaFallita(); }
    std::string Consegna() override { return tabella_.Consegna().errore; }

private:
    TabellaDbf& tabella_;
    TipoImpianto tipo_;
};

}  // namespace nottaro
