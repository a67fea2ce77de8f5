#pragma once
// Line layout of a project file, shared by the writer and the reader so the
// two can never disagree. Line 1 (the writer's version text) is not listed.
#include <span>
#include <variant>

#include "core/state/StatoProgetto.h"

namespace nottaro {

// Kinds of a line: real (general format), integer, flag ("1"/"0"), text as
// it is, or text kept on one line with the DescrizioneSuRiga encoding.
struct TestoCodificato {
    std::string StatoProgetto::* membro;
};
using CampoRiga = std::variant<double StatoProgetto::*, int StatoProgetto::*, bool StatoProgetto::*,
                               std::string StatoProgetto::*, TestoCodificato>;

struct RigaProgetto {
    const char* nome;  // the value's name, for messages
    CampoRiga campo;
};

// Lines 2..60: road design, steps, economic inputs, road grid.
std::span<const RigaProgetto> RigheBase();
// Line 61: OssUNI (absent from version-0 files).
const RigaProgetto& RigaOssUNI();
// Lines 62..74: identification, chosen solution texts, photometric file.
std::span<const RigaProgetto> RigheTesti();
// Lines 75..89: cycle/pedestrian project (files of version 4 and later).
std::span<const RigaProgetto> RigheCicloPedonale();
// Line 90: CodClasse (optional; files without it keep the current code).
const RigaProgetto& RigaCodClasse();
// Lines 91 on: class edition and operating profile. A file may end before
// any of them (written before they existed): the rest keep their defaults.
std::span<const RigaProgetto> RigheOpzionali();

}  // namespace nottaro
