// The main window's Masterplan tab: the batch's folders and workbook, the
// maintenance factor, and the start of the batch window.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

#include "core/files/Configurazione.h"
#include "masterplan/ColonneMP.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/workbook/Cartella.h"
#include "ui/comune/CampoDecimale.h"
#include "ui/comune/Testi.h"
#include "ui/masterplan/AperturaMasterplan.h"
#include "ui/principale/TVelaro.h"

namespace nottaro::ui {

namespace {

const char* const EtichetteCartelle[] = {"Label26", "Label27", "Label28", "Label32"};

}  // namespace

QString TVelaro::ScegliCartella(const QString& titolo, const QString& iniziale) {
    RichiestaFile r{titolo, iniziale, {}, false, {}, true};
    if (scegliFile_) return scegliFile_(this, r);
    QFileDialog d(this, titolo, QDir::currentPath());
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    if (QDir(iniziale).exists() && !iniziale.isEmpty()) d.setDirectory(iniziale);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

void TVelaro::MostraSchedaMasterplan() {
    const std::string* cartelle[] = {&stato_.DirLdtMaster, &stato_.DirCorpi, &stato_.DirImmagini,
                                     &stato_.DirProgetto};
    for (int i = 0; i < 4; ++i)
        if (auto* l = findChild<QLabel*>(QLatin1String(EtichetteCartelle[i])))
            l->setText(cartelle[i]->empty() ? Qm(2311) : Qs(*cartelle[i]));
    if (auto* l = findChild<QLabel*>(QStringLiteral("Label29")))
        l->setText(stato_.FileMaster.empty() ? Qm(2310) : Qs(stato_.FileMaster));
    if (auto* b = findChild<QPushButton*>(QStringLiteral("BitBtn19")))
        b->setVisible(!stato_.DirLdtMaster.empty() && !stato_.FileMaster.empty());
    DeprezzMaster_->setText(Generale(stato_.Deprezz));
}

void TVelaro::CartellaMasterplan(int quale) {
    std::string* cartelle[] = {&stato_.DirLdtMaster, &stato_.DirCorpi, &stato_.DirImmagini, &stato_.DirProgetto};
    if (quale < 0 || quale > 3) return;
    const QString scelta = ScegliCartella(Qm(1933), Qs(*cartelle[quale]));
    if (scelta.isEmpty()) {
        // The label says "not defined": the folder is no longer set either.
        ui_->Avviso(Msg(1932));
        cartelle[quale]->clear();
    } else {
        *cartelle[quale] = Ss(QDir::toNativeSeparators(scelta));
    }
    MostraSchedaMasterplan();
}

void TVelaro::FileMasterplan() {
    const QStringList filtri = {QStringLiteral("Excel files (*.xls *.XLS *.Xls)"),
                                QStringLiteral("Excel files with macros (*.xlsm *.XLSM *.Xlsm)"),
                                QStringLiteral("Excel workbooks (*.xlsx *.XLSX *.Xlsx)"),
                                QStringLiteral("Excel (*.xls *.xlsm *.xlsx *.XLS *.XLSM *.XLSX)")};
    const QString scelto = Scegli({QStringLiteral("Masterplan"), Qs(stato_.DirProg), filtri, false, {}});
    if (scelto.isEmpty()) return;
    stato_.FileMaster = Ss(scelto);
    // The header scan: a workbook without its required columns is not taken.
    mp::Cartella cartella;
    std::string errore;
    if (!mp::LeggiCartella(stato_.FileMaster, cartella, errore) || cartella.Fogli.empty()) {
        ui_->Avviso(Ss(Qm(1941).arg(Qs(errore.empty() ? stato_.FileMaster : errore))));
        stato_.FileMaster.clear();
    } else {
        const mp::MappaColonne m = mp::MappaColonneMP(cartella.Fogli.front());
        if (!m.Mancanti.empty()) {
            ui_->Avviso(mp::TestoColonneMancanti(m, stato_.Lingua));
            stato_.FileMaster.clear();
        }
    }
    // A workbook kept with its photometry (as the shipped sample is) needs no
    // folder chosen: ldt/ beside it, unless a folder is set already.
    if (!stato_.FileMaster.empty() && stato_.DirLdtMaster.empty()) {
        const std::string accanto = DirLdtAccanto(stato_.FileMaster);
        if (QFileInfo(Qs(accanto)).isDir()) stato_.DirLdtMaster = Ss(QDir::toNativeSeparators(Qs(accanto)));
    }
    MostraSchedaMasterplan();
    if (!stato_.FileMaster.empty()) {
        RadioGroup1_->setVisible(true);
        RadioGroup2_->setVisible(true);
        MaskEdit1_->setVisible(true);
    }
}

void TVelaro::PassoDeprezzMasterplan(int verso) {
    // Within 0.01 .. 1.00: a factor of 0 would divide the efficiency index by zero.
    const double n = std::clamp(std::round(stato_.Deprezz * 100) + verso, 1.0, 100.0);
    stato_.Deprezz = n / 100;
    DeprezzMaster_->setText(Generale(stato_.Deprezz));
}

void TVelaro::AvviaMasterplan() {
    if (stato_.FileMaster.empty() || stato_.DirLdtMaster.empty() || inCorso_) return;
    // The design as the user left it, put back when the batch window closes.
    const StatoProgetto prima = stato_;
    ImpostaLimite();
    if (!stato_.DaProgetto) stato_.Interdist = 0;
    stato_.TuttiRisultati = !risultati_[0]->isChecked();
    if (stato_.TipoLimite == 0) stato_.ValLimite = 0;
    mp::ImpostaErrMasterplan(stato_);
    const bool portata = ApriFinestraMasterplan({this, stato_, *ui_}, prima, thread_);
    if (portata) {
        MostraProgetto(stato_);
        FotometriaCaricata();
        PageControl1_->setCurrentIndex(stato_.TipoProgetto == 1 ? 1 : 0);  // the tab the row went into
    }
    MostraSchedaMasterplan();
    MostraStato();
}

}  // namespace nottaro::ui
