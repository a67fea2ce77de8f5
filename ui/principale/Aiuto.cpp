#include "ui/principale/Aiuto.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/comune/Testi.h"

namespace nottaro::ui {

namespace {
constexpr const char* Proprieta = "nottaroFileAiuto";
}

void ImpostaFileAiuto(const QString& file) { QCoreApplication::instance()->setProperty(Proprieta, file); }
QString FileAiuto() { return QCoreApplication::instance()->property(Proprieta).toString(); }

void ApriAiuto(QWidget* genitore, const QString& sezione) {
    auto* finestra = new QDialog(genitore);
    finestra->setObjectName(QStringLiteral("FinestraAiuto"));
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(Qm(1209));
    auto* browser = new QTextBrowser(finestra);
    browser->setObjectName(QStringLiteral("BrowserAiuto"));
    browser->setOpenExternalLinks(false);
    const QString file = FileAiuto();
    if (QFileInfo::exists(file)) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        if (!sezione.isEmpty()) url.setFragment(sezione);
        browser->setSource(url);
    } else {
        browser->setPlainText(Qm(1206).arg(file));
    }
    auto* colonna = new QVBoxLayout(finestra);
    colonna->addWidget(browser);
    finestra->resize(640, 520);
    finestra->show();
}

void ImpostaAiuto(QWidget* finestra, const QString& sezione) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), finestra);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(f1, &QShortcut::activated, finestra, [finestra, sezione] { ApriAiuto(finestra, sezione); });
    finestra->setProperty(ProprietaSezioneAiuto, sezione);
}

void PulsanteAiuto(QAbstractButton* pulsante, QWidget* finestra, const QString& sezione) {
    QObject::connect(pulsante, &QAbstractButton::clicked, finestra, [finestra, sezione] { ApriAiuto(finestra, sezione); });
    pulsante->setProperty(ProprietaSezioneAiuto, sezione);
}

}  // namespace nottaro::ui
