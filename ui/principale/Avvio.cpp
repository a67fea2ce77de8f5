#include "ui/principale/Avvio.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "core/files/Configurazione.h"
#include "core/i18n/Lingua.h"
#include "core/state/StatoProgetto.h"
#include "ui/dialoghi/TLingua.h"
#include "ui/principale/Aiuto.h"
#include "ui/principale/TVelaro.h"

namespace nottaro::ui {

void InstallaTraduzioniQt(int lingua) {
    static const char* const codici[] = {"it", "en", "fr", "de", "es"};
    // One translator per process, replaced at each switch.
    static QTranslator* traduttore = nullptr;
    if (traduttore) {
        QCoreApplication::removeTranslator(traduttore);
        delete traduttore;
        traduttore = nullptr;
    }
    if (lingua < 0 || lingua > 4 || lingua == 1) return;
    auto t = std::make_unique<QTranslator>();
#ifdef NOTTARO_QT_TRADUZIONI
    const QString cartella = QStringLiteral(NOTTARO_QT_TRADUZIONI);
#else
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    if (t->load(QStringLiteral("qtbase_") + QLatin1String(codici[lingua]), cartella)) {
        traduttore = t.release();
        QCoreApplication::installTranslator(traduttore);
    }
}

void PreparaLingua(StatoProgetto& stato, const std::string& cartella) {
    stato.DirProg = cartella;
    if (auto l = LeggiLingua(stato.DirProg)) {
        stato.Lingua = *l;
    } else {
        stato.Lingua = TLingua::Chiedi();
        ScriviLingua(stato.DirProg, stato.Lingua);
    }
    AdottaLingua(stato);
    ImpostaFileAiuto(QString::fromStdString(stato.FileHelp));
    InstallaTraduzioniQt(stato.Lingua);
}

int EseguiProgramma(QApplication& app) {
    auto stato = std::make_unique<StatoProgetto>();
    PreparaLingua(*stato, QDir::currentPath().toStdString());
    TVelaro finestra(*stato);
    finestra.show();
    return app.exec();
}

}  // namespace nottaro::ui
