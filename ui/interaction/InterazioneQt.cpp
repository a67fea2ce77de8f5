#include "ui/interaction/InterazioneQt.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/dialoghi/TLampProg.h"

namespace nottaro::ui {

QString TitoloApplicazione() { return QStringLiteral("Lucerno - Nottaro"); }

void InterazioneQt::Avviso(const std::string& testo) {
    QApplication::beep();
    QMessageBox::warning(genitore_, TitoloApplicazione(), QString::fromStdString(testo));
}

bool InterazioneQt::Conferma(const std::string& testo) {
    QApplication::beep();
    return QMessageBox::question(genitore_, TitoloApplicazione(), QString::fromStdString(testo),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void InterazioneQt::Informazione(const std::string& testo) {
    QApplication::beep();
    QMessageBox::information(genitore_, TitoloApplicazione(), QString::fromStdString(testo));
}

bool InterazioneQt::ChiediDatiLampada(DatiLampada& dati) {
    TLampProg prompt(dati, *this, genitore_);
    return prompt.exec() == QDialog::Accepted && (dati = prompt.Risposta(), true);
}

}  // namespace nottaro::ui
