#pragma once
// What the printing commands need besides their data: a Qt Gui application
// on the offscreen platform (fonts and painters, no display), numbers in
// "C" again afterwards, and the report's language.
#include <memory>
#include <optional>
#include <string>

class QGuiApplication;

namespace nottaro::cli {

class AmbienteStampa {
public:
    AmbienteStampa();
    ~AmbienteStampa();
    AmbienteStampa(const AmbienteStampa&) = delete;
    AmbienteStampa& operator=(const AmbienteStampa&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

// "it", "en", "fr", "de", "es" → 0..4.
std::optional<int> LinguaDaCodice(const std::string& codice);
// --lang when given, else ntr.cfg of the program folder, else Italian.
std::optional<int> LinguaReport(const std::string& codice);

}  // namespace nottaro::cli
