#include "ui/principale/Avvio.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <memory>

#include "core/files/CartellaProgramma.h"
#include "core/files/Configurazione.h"
#include "core/files/FileProgetto.h"
#include "core/i18n/Lingua.h"
#include "core/state/StatoProgetto.h"
#include "ui/comune/Testi.h"
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
    MessaggioCatalogo avviso;
    if (auto l = LeggiLingua(stato.DirProg, &avviso)) {
        stato.Lingua = *l;
    } else {
        stato.Lingua = TLingua::Chiedi();
        ScriviLingua(stato.DirProg, stato.Lingua);
    }
    AdottaLingua(stato);
    ImpostaFileAiuto(QString::fromStdString(stato.FileHelp));
    InstallaTraduzioniQt(stato.Lingua);
    if (!avviso.Vuoto())
        QMessageBox::warning(nullptr, QCoreApplication::applicationName(), QString::fromStdString(avviso.Testo()));
}

int EseguiProgramma(QApplication& app) {
    QCoreApplication::setApplicationVersion(QLatin1String(VersioneProgramma));
    QCommandLineParser riga;
    riga.setApplicationDescription(QStringLiteral("Street lighting design for roads and areas"));
    riga.addHelpOption();
    riga.addVersionOption();
    const QCommandLineOption dirProg(
        QStringLiteral("program-dir"),
        QStringLiteral("Program folder (language, solution tables, projects, letterheads); default: the working "
                       "folder when it is one, else $XDG_DATA_HOME/nottaro, filled at first start from the shipped one"),
        QStringLiteral("DIR"));
    riga.addOption(dirProg);
    riga.process(app);

    const CartellaProgramma cartella = ScegliCartellaProgramma(FontiDelProcesso(Ss(riga.value(dirProg))));
    if (cartella.cartella.empty()) {
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), Qm(2600).arg(Qs(cartella.errore)));
        return 1;
    }
    // The program folder is the working folder, as every dialog expects.
    QDir::setCurrent(Qs(cartella.cartella));
    auto stato = std::make_unique<StatoProgetto>();
    PreparaLingua(*stato, cartella.cartella);
    TVelaro finestra(*stato);
    finestra.show();
    return app.exec();
}

}  // namespace nottaro::ui
