#include "cli/AmbienteStampa.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/CartellaProgrammaCli.h"
#include "core/files/Configurazione.h"
#include "core/i18n/Messaggi.h"

namespace nottaro::cli {
namespace {

// Qt's own notices (no runtime folder, platform plugin remarks) are not the
// command's warnings: only its errors reach stderr.
void SoloErrori(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::fprintf(stderr, "%s\n", testo.toLocal8Bit().constData());
}

}  // namespace

AmbienteStampa::AmbienteStampa() {
    // A report never needs a display; the offscreen platform still has the
    // system's fonts.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(SoloErrori);
    static int argc = 1;
    static char nome[] = "nottaro-cli";
    static char* argv[] = {nome, nullptr};
    if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc, argv);
    // The application sets the user's locale: tables and files keep ".".
    std::setlocale(LC_NUMERIC, "C");
}

AmbienteStampa::~AmbienteStampa() = default;

std::optional<int> LinguaDaCodice(const std::string& c) {
    static const char* const codici[] = {"it", "en", "fr", "de", "es"};
    for (int k = 0; k < 5; ++k)
        if (c == codici[k]) return k;
    return std::nullopt;
}

std::optional<int> LinguaReport(const std::string& codice) {
    if (!codice.empty()) return LinguaDaCodice(codice);
    MessaggioCatalogo avviso;
    const int lingua = LeggiLingua(CartellaProgrammaCli(), &avviso).value_or(0);
    if (!avviso.Vuoto()) {
        ImpostaLinguaCatalogo(lingua);
        std::cerr << "nottaro-cli: " << avviso.Testo() << "\n";
    }
    return lingua;
}

}  // namespace nottaro::cli
