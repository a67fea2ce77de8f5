// The letterhead dialog: opening a letterhead whose logo name has an inner
// blank, a logo chosen elsewhere copied into the letterhead folder, and OK
// with changes: No keeps the new logo in use, Yes with a cancelled or failed
// save keeps the dialog and its edits.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "CampioneUi.h"
#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "report/LetteraIntestata.h"
#include "ui/report/TPersonal.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

QString Immagine(const QString& file, QColor colore) {
    QImage i(40, 20, QImage::Format_RGB32);
    i.fill(colore);
    i.save(file);
    return file;
}

QByteArray Byte(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TPersonalTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ui_ = test::InterazioneScritta{};
        stato_ = StatoProgetto{};
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("Intestazioni"));
        stato_.DirProg = dir_.path().toStdString();
        stato_.DirIntest = (dir_.path() + "/Intestazioni/").toStdString();
        stato_.Intest.Societa = "Studio Luce";
        stato_.Intest.Logo = "vecchio.png";
        stato_.LogoIntest = "vecchio.png";
    }

    void DefaultTieneIlNomeDelLogoConSpaziInterni() {
        const QString altra = dir_.path() + "/altra";
        QDir().mkpath(altra);
        Intestazione i;
        i.Societa = "Città Luce";
        i.Telefono = "0543 1";
        QCOMPARE(ScriviLP((altra + "/ditta.LP").toStdString(), i, "logo ditta.png"), std::string());
        Immagine(altra + "/logo ditta.png", Qt::red);
        TPersonal d(stato_, ui_);
        d.sceltaApri = [&] { return altra + "/ditta.LP"; };
        test::Clic(d, "BitBtn2");
        QCOMPARE(stato_.LogoIntest, std::string("logo ditta.png"));
        QCOMPARE(stato_.DirIntest, (altra + "/").toStdString());
        QCOMPARE(Figlio<QLineEdit>(d, "Edit1")->text(), QStringLiteral("Città Luce"));
        QCOMPARE(Figlio<QLineEdit>(d, "Edit6")->text(), QStringLiteral("0543 1"));
        QVERIFY(d.AnteprimaVisibile());
        QCOMPARE(ui_.Conta("avviso"), 0);
        // The same letterhead without its picture: a warning naming it, no preview.
        QFile::remove(altra + "/logo ditta.png");
        test::Clic(d, "BitBtn2");
        QVERIFY(!d.AnteprimaVisibile());
        QCOMPARE(ui_.Conta("avviso"), 1);
        QCOMPARE(ui_.mostrati.back().testo, "logo ditta.png - " + Msg(25));
    }

    void LogoSceltoAltroveVieneCopiatoENoAl119LoTiene() {
        const QString fuori = Immagine(dir_.path() + "/nuovo.png", Qt::blue);
        TPersonal d(stato_, ui_);
        d.sceltaLogo = [&] { return fuori; };
        test::Clic(d, "Button1");
        QCOMPARE(stato_.LogoIntest, std::string("nuovo.png"));
        QVERIFY(QFile::exists(dir_.path() + "/Intestazioni/nuovo.png"));
        QVERIFY(d.AnteprimaVisibile());
        ui_.risposte = {false};  // message 119: No
        d.sceltaSalva = [] { return QString(); };
        d.show();
        test::Clic(d, "BitBtn1");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(ui_.mostrati.back().testo, Msg(119));
        QCOMPARE(stato_.LogoIntest, std::string("nuovo.png"));  // in use, in no file
        QCOMPARE(stato_.Intest.Logo, std::string("vecchio.png"));
        QVERIFY(QDir(dir_.path() + "/Intestazioni").entryList({QStringLiteral("*.LP")}).isEmpty());
    }

    void LogoGiaPresenteSiSostituisceSoloSeConfermato() {
        const QString dentro = Immagine(dir_.path() + "/Intestazioni/marchio.png", Qt::green);
        QFile f(dentro);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray prima = f.readAll();
        f.close();
        const QString fuori = Immagine(dir_.path() + "/marchio.png", Qt::black);
        TPersonal d(stato_, ui_);
        d.sceltaLogo = [&] { return fuori; };
        ui_.risposte = {false};
        test::Clic(d, "Button1");
        QCOMPARE(ui_.Conta("conferma"), 1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), prima);
        f.close();
        QCOMPARE(stato_.LogoIntest, std::string("marchio.png"));
        ui_.risposte = {true};
        test::Clic(d, "Button1");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() != prima);
    }

    // A copy that fails halfway (here: the chosen logo cannot be read)
    // leaves the logo already in the folder as it was.
    void LogoNonCopiatoLasciaIlVecchio() {
        const QString dentro = Immagine(dir_.path() + "/Intestazioni/marchio.png", Qt::green);
        const QByteArray prima = Byte(dentro);
        QVERIFY(!prima.isEmpty());
        QVERIFY(QDir().mkpath(dir_.path() + "/altrove/marchio.png"));
        TPersonal d(stato_, ui_);
        d.sceltaLogo = [&] { return dir_.path() + "/altrove/marchio.png"; };
        ui_.risposte = {true};
        test::Clic(d, "Button1");
        QCOMPARE(ui_.Conta("avviso"), 1);
        QCOMPARE(Byte(dentro), prima);
        QVERIFY(QDir(dir_.path() + "/Intestazioni").entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void SiAl119ConSalvataggioAnnullatoOFallitoResta() {
        TPersonal d(stato_, ui_);
        d.show();
        Figlio<QLineEdit>(d, "Edit1")->setText(QStringLiteral("Studio Nuovo"));
        QString file;
        d.sceltaSalva = [&] { return file; };
        ui_.predefinita = true;  // Yes to 119
        test::Clic(d, "BitBtn1");  // save cancelled
        QVERIFY(d.isVisible());
        QCOMPARE(Figlio<QLineEdit>(d, "Edit1")->text(), QStringLiteral("Studio Nuovo"));
        QCOMPARE(stato_.Intest.Societa, std::string("Studio Luce"));
        // A folder that cannot hold the file: a warning, the dialog stays.
        QFile(dir_.path() + "/file").open(QIODevice::WriteOnly);
        file = dir_.path() + "/file/studio.LP";
        test::Clic(d, "BitBtn1");
        QVERIFY(d.isVisible());
        QCOMPARE(ui_.Conta("avviso"), 1);
        QCOMPARE(stato_.Intest.Societa, std::string("Studio Luce"));
        // Saved over an existing letterhead: the file holds the edits.
        file = dir_.path() + "/Intestazioni/custom.LP";
        QCOMPARE(ScriviLP(file.toStdString(), Intestazione{}, ""), std::string());
        test::Clic(d, "BitBtn1");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(LeggiLP(file.toStdString()).record.intest.Societa, std::string("Studio Nuovo"));
        QCOMPARE(stato_.Intest.Societa, std::string("Studio Nuovo"));
        QCOMPARE(LeggiLP(file.toStdString()).record.logoInUso, std::string("vecchio.png"));
    }

    void CampiConLunghezzeMassime() {
        TPersonal d(stato_, ui_);
        const int attese[] = {80, 80, 80, 80, 80, 20, 20, 80};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(Figlio<QLineEdit>(d, QStringLiteral("Edit%1").arg(k + 1).toLatin1().constData())->maxLength(), attese[k]);
    }

private:
    QTemporaryDir dir_;
    StatoProgetto stato_;
    test::InterazioneScritta ui_;
};

NOTTARO_TEST_UI(TPersonalTest);
#include "TPersonalTest.moc"
