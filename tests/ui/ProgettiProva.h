#pragma once
// Design states for the optimisation window tests: a sample project loaded
// as the main window loads it, with the solution tables in a folder of the
// test's own.
#include <QTemporaryDir>

#include <string>

#include "InterazioneScritta.h"
#include "core/files/FileProgetto.h"
#include "core/state/Inizializza.h"
#include "core/state/StatoProgetto.h"

namespace nottaro::test {

inline std::string FileFixture(const std::string& nome) { return std::string(NOTTARO_FIXTURES) + "/" + nome; }

// A sample project, every result kept (a small, fast sweep) and the spacing
// swept from the height on, as `nottaro-cli optimise --all-results` runs it.
inline bool CaricaProgettoProva(StatoProgetto& s, const std::string& progetto, const QTemporaryDir& cartella) {
    InterazioneScritta muta;
    Inizializza(s);
    if (!CaricaProgetto(FileFixture("projects/" + progetto), s, muta).letto) return false;
    s.DirProg = cartella.path().toStdString();
    s.DaProgetto = false;
    s.TuttiRisultati = true;
    s.TipoLimite = 0;
    s.ValLimite = 0;
    return true;
}

}  // namespace nottaro::test
