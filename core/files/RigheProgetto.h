#pragma once
// Line layout of a project file, shared by the writer and the reader so the
// two can never disagree. Line 1 (the writer's version text) is not listed.
#include <span>
#include <string_view>
#include <variant>

#include "core/state/StatoProgetto.h"

namespace nottaro {

// Kinds of a line: real (general format), integer, flag ("1"/"0"), text as
// it is, or text kept on one line with the DescrizioneSuRiga encoding.
struct TestoCodificato {
    std::string StatoProgetto::* membro;
};
// A text that only holds one of a known set of values (a class name or code);
// `valido` tells a value the program could have written from garbage.
struct TestoScelto {
    std::string StatoProgetto::* membro;
    bool (*valido)(std::string_view);
    const char* atteso;  // what the line holds, for messages
};
using CampoRiga = std::variant<double StatoProgetto::*, int StatoProgetto::*, bool StatoProgetto::*,
                               std::string StatoProgetto::*, TestoCodificato, TestoScelto>;

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
// Lines 90 onward: the class code, then the class edition and the operating
// profile, each optional in this order (a file written before a value existed
// ends before its line and keeps the default). New values are appended here.
std::span<const RigaProgetto> RigheFacoltative();

}  // namespace nottaro
