// The Masterplan window driven as a designer drives it: check, run and
// revision with the buttons each step shows, the edit rule, the step-3
// question, an interrupted run, solution choice, carrying a row into the
// design, photographs and photometric files gathered for the project.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <sstream>

#include "CartellaMasterplan.h"
#include "Finestre.h"
#include "Schermata.h"
#include "SupportoUi.h"
#include "core/files/FileProgetto.h"
#include "core/i18n/Messaggi.h"
#include "ui/comune/FrecceSuGiu.h"
#include "ui/comune/Testi.h"
#include "ui/masterplan/ModelloTabellaMP.h"
#include "ui/masterplan/TMasterPlan.h"

using namespace nottaro;
using namespace nottaro::test;
using nottaro::ui::Qm;
using nottaro::ui::Ss;

namespace {

// The window over its own state, on a workbook of the given rows.
struct BancoMP {
    CartellaMasterplan base;
    StatoProgetto stato;
    InterazioneScritta ui;
    std::unique_ptr<ui::TMasterPlan> finestra;

    explicit BancoMP(const std::vector<RigaProva>& righe, int lingua = 0) {
        ImpostaLinguaCatalogo(lingua);
        stato.Inizializza();
        stato.Lingua = lingua;
        stato.DirProg = base.dir.path().toStdString();
        stato.DirLdtMaster = base.ldt;
        stato.FileMaster = base.Cartella(righe);
        stato.ErrLm = 150;
        stato.ErrEm = 200;
        finestra = std::make_unique<ui::TMasterPlan>(stato, ui);
        finestra->thread = 2;
        finestra->show();
    }
    template <class T>
    T* Trova(const char* nome) const {
        return finestra->findChild<T*>(QLatin1String(nome));
    }
    bool Visibile(const char* nome) const { return !Trova<QWidget>(nome)->isHidden(); }
    // Waits for the run a step started.
    void Attendi() {
        if (!finestra->InCorso()) return;
        QSignalSpy fine(finestra.get(), &ui::TMasterPlan::CorsaFinita);
        QVERIFY(fine.wait(60000));
    }
    std::string Ultimo() const { return ui.mostrati.empty() ? std::string() : ui.mostrati.back().testo; }
    const mp::CelleRiga& Riga(int r) const { return finestra->Risultato().Righe[static_cast<std::size_t>(r)].Celle; }
    void Modifica(int riga, int colonna, const char* testo) {
        auto* m = finestra->Modello();
        QVERIFY(m->setData(m->index(riga, colonna), QString::fromLatin1(testo), Qt::EditRole));
    }
};

std::vector<RigaProva> CinqueStrade() {
    std::vector<RigaProva> r;
    for (int k = 1; k <= 5; ++k) r.push_back(StradaProva(std::string("R") + std::to_string(k), std::string("Via ") + std::to_string(k)));
    return r;
}

}  // namespace

class TMasterPlanTest : public QObject {
    Q_OBJECT
private slots:
    void VerificaCorsaRevisioneMostranoIPassi() {
        auto sconosciuta = StradaProva("X", "Mercato");
        sconosciuta[2] = "mercato";
        auto alta = StradaProva("R2", "Via Alta");
        alta[5] = "ME1";  // no spacing meets it
        BancoMP b({StradaProva("R1", "Via Uno"), alta, PercorsoProva("P1", "Pista"), sconosciuta});
        for (const char* n : {"BitBtn2", "BitBtn4", "BitBtn1", "BitBtn5", "CheckBox1", "Edit1", "Edit2"})
            QVERIFY2(!b.Visibile(n), n);
        QVERIFY(b.Visibile("BitBtn7"));

        b.finestra->Verifica();
        QCOMPARE(b.Ultimo(), Msg(1403));
        QCOMPARE(b.finestra->Modello()->rowCount(), 1);  // the unknown application, listed
        QVERIFY(b.Visibile("BitBtn2"));
        QVERIFY(!b.Visibile("BitBtn4"));

        b.finestra->Ripristina();
        b.Attendi();
        QCOMPARE(b.finestra->Modello()->rowCount(), 3);
        QCOMPARE(b.Riga(1)[mp::TNote], std::string("0 Risultati"));
        QCOMPARE(b.Trova<QLabel>("Label4")->text().toStdString(), Msg(1409) + "1/3" + Msg(1410));
        for (const char* n : {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn1", "BitBtn9", "CheckBox1", "CheckBox8", "Edit1", "Edit2",
                              "StringGrid1"})
            QVERIFY2(b.Visibile(n), n);
        QVERIFY(!b.finestra->ProgettiModificati());
        SalvaSchermata(b.finestra.get(), QStringLiteral("TMasterPlan-it"));

        b.finestra->Revisione();
        b.Attendi();
        QVERIFY(b.finestra->ProgettiModificati());
        QCOMPARE(b.finestra->Modello()->rowCount(), 3);
    }

    // Rows with data errors: listed, and the run is offered all the same.
    void VerificaConErroriElencaEOffreLaCorsa() {
        auto alta = StradaProva("R2", "Via Alta");
        alta[3] = "99";  // no pole is 99 m high
        BancoMP b({StradaProva("R1", "Via Uno"), alta});
        b.finestra->Verifica();
        QVERIFY(!b.finestra->InCorso());
        QCOMPARE(b.Ultimo().rfind(Msg(1404), 0), std::size_t{0});
        QCOMPARE(b.finestra->Modello()->rowCount(), 1);
        QCOMPARE(b.finestra->Modello()->Righe()[0][mp::TAltezza], std::string("?99"));
        QVERIFY(b.Visibile("BitBtn2"));
    }

    void VerificaPulitaAvviaSubitoLaCorsa() {
        BancoMP b({StradaProva("R1", "Via Uno"), PercorsoProva("P1", "Pista")}, 1);
        b.finestra->Verifica();
        QVERIFY(b.finestra->InCorso());
        b.Attendi();
        QCOMPARE(b.Trova<QLabel>("Label4")->text().toStdString(), Msg(1408));
        QCOMPARE(b.Ultimo(), Msg(1407));
        QVERIFY(b.Visibile("BitBtn1"));
        QVERIFY(b.Visibile("BitBtn8"));
        SalvaSchermata(b.finestra.get(), QStringLiteral("TMasterPlan-en"));
    }

    // Editing row 3 and then row 5 runs row 3 again at once; row 5 waits for
    // another row's edit or the revision.
    void ModificaDiUnAltraRigaRicalcolaLaPrecedente() {
        BancoMP b(CinqueStrade());
        b.finestra->Verifica();
        b.Attendi();
        const auto& righe = b.finestra->Risultato().Righe;
        b.Modifica(2, mp::TAltezza, "10");
        QVERIFY(!b.finestra->InCorso());
        QCOMPARE(righe[2].Dati->H, 8.0);
        b.Modifica(4, mp::TAltezza, "9");
        b.Attendi();
        QCOMPARE(righe[2].Dati->H, 10.0);
        QCOMPARE(b.Riga(2)[mp::TAltezza], std::string("10"));
        QVERIFY(b.finestra->Modello()->Righe()[2] == b.Riga(2));  // the grid shows the new results
        QCOMPARE(righe[4].Dati->H, 8.0);
        QCOMPARE(b.Riga(4)[mp::TAltezza], std::string("9"));  // the edit itself is kept
        b.finestra->Revisione();
        b.Attendi();
        QCOMPARE(b.finestra->Risultato().Righe[4].Dati->H, 9.0);
    }

    void RicaricaDopoLeModificheChiedeConferma() {
        BancoMP b(CinqueStrade());
        b.finestra->Verifica();
        b.Attendi();
        b.Modifica(0, mp::TAltezza, "10");
        b.finestra->Revisione();
        b.Attendi();
        b.ui.risposte = {false};
        b.finestra->Ripristina();
        QCOMPARE(b.Ultimo(), Msg(1927));
        QVERIFY(!b.finestra->InCorso());
        QCOMPARE(b.Riga(0)[mp::TAltezza], std::string("10"));
        b.ui.risposte = {true};
        b.finestra->Ripristina();
        b.Attendi();
        QCOMPARE(b.Riga(0)[mp::TAltezza], std::string("8"));
        QVERIFY(!b.finestra->ProgettiModificati());
    }

    void InterruzioneConservaLeRigheFinite() {
        std::vector<RigaProva> righe;
        for (int k = 0; k < 300; ++k) righe.push_back(StradaProva(std::to_string(k), "Via"));
        BancoMP b(righe);
        b.finestra->thread = 1;
        b.finestra->Verifica();
        QVERIFY(b.finestra->InCorso());
        QVERIFY(b.Visibile("Interrompi"));
        // Stopped once the first rows are done, well before the last.
        QTRY_VERIFY_WITH_TIMEOUT(b.Trova<QProgressBar>("ProgressBar1")->value() > 0, 60000);
        b.Trova<QPushButton>("Interrompi")->click();
        b.Attendi();
        const auto& ris = b.finestra->Risultato();
        QVERIFY(ris.Interrotto);
        QVERIFY(ris.Righe.size() < 300);
        for (const auto& r : ris.Righe) QCOMPARE(r.Celle[mp::TNote], std::string("MIN+MAX"));
        QCOMPARE(b.finestra->Modello()->rowCount(), static_cast<int>(ris.Righe.size()));
        QCOMPARE(b.Ultimo(), Msg(1945));
    }

    void ChiusuraDuranteLaCorsaChiedeEFerma() {
        std::vector<RigaProva> righe(200, StradaProva("R", "Via"));
        BancoMP b(righe);
        b.finestra->thread = 1;
        b.finestra->Verifica();
        b.ui.risposte = {false, true};
        QVERIFY(!b.finestra->close());
        QVERIFY(b.finestra->InCorso());
        QVERIFY(b.finestra->close());
        QVERIFY(!b.finestra->InCorso());
        QCOMPARE(b.ui.Conta("conferma"), 2);
        QCOMPARE(b.ui.mostrati.front().testo, Msg(1940));
    }

    void UsaSoluzioneDueRendeLaRigaEsatta() {
        BancoMP b({StradaProva("R1", "Via Uno"), RotatoriaProva("T1")});
        b.finestra->Verifica();
        b.Attendi();
        QCOMPARE(b.Riga(0)[mp::TNote], std::string("MIN+MAX"));
        const std::string int2 = b.Riga(0)[mp::TSol2 + mp::SInt];
        const std::string file2 = b.Riga(0)[mp::TSol2 + mp::SFotometrica];
        b.finestra->UsaSoluzione(0, 1);
        b.Attendi();
        QCOMPARE(b.Riga(0)[mp::TNote], std::string("ESATTO"));
        QCOMPARE(b.Riga(0)[mp::TIntProgetto], int2);
        QCOMPARE(b.Riga(0)[mp::TSol1 + mp::SInt], int2);
        QCOMPARE(b.Riga(0)[mp::TSol1 + mp::SFotometrica], file2);
        QVERIFY(b.Riga(0)[mp::TSol2 + mp::SInt].empty());
        QVERIFY(b.finestra->ProgettiModificati());
        // A roundabout takes the count into "Disposizione" and keeps its island radius.
        QCOMPARE(b.Riga(1)[mp::TNote], std::string("MIN+MAX"));
        const std::string n2 = b.Riga(1)[mp::TSol2 + mp::SInt];
        b.finestra->UsaSoluzione(1, 1);
        b.Attendi();
        QCOMPARE(b.Riga(1)[mp::TNote], std::string("ESATTO"));
        QCOMPARE(b.Riga(1)[mp::TDisposizione], n2);
        QCOMPARE(b.Riga(1)[mp::TIntProgetto], std::string("6"));
        QCOMPARE(b.Riga(1)[mp::TSol1 + mp::SInt], n2);
    }

    // The row's file gone since the run: the design stays as it was, the window open.
    void ApriNelProgettoSenzaFileLasciaIlProgetto() {
        BancoMP b({StradaProva("R1", "Via Uno")});
        b.finestra->Verifica();
        b.Attendi();
        QVERIFY(QFile::remove(QString::fromStdString(b.base.ldt + "/" + b.Riga(0)[mp::TSol1 + mp::SFotometrica])));
        const double hPalo = b.stato.HPalo;
        QVERIFY(!b.finestra->ApriNelProgetto(0));
        QCOMPARE(b.ui.Conta("avviso"), 1);
        QCOMPARE(b.Ultimo().rfind(Ss(Qm(1944).arg(1).arg(QString())), 0), std::size_t{0});
        QVERIFY(b.finestra->isVisible());
        QVERIFY(!b.stato.FotoCaricata);
        QCOMPARE(b.stato.HPalo, hPalo);
        QVERIFY(!b.finestra->RigaPortata());
    }

    void FotoMancantiEdElencoNelProgramma() {
        BancoMP b({StradaProva("R1", "Via Uno"), StradaProva("R2", "Via Due"), RotatoriaProva("T1")});
        const QString immagini = b.base.dir.filePath(QStringLiteral("images"));
        QDir().mkpath(immagini);
        QFile(immagini + QStringLiteral("/R1.JPG")).open(QIODevice::WriteOnly);
        QFile(immagini + QStringLiteral("/foto-R2-ovest.jpg")).open(QIODevice::WriteOnly);
        b.stato.DirImmagini = immagini.toStdString();
        b.finestra->Verifica();
        b.Attendi();
        const QString elenco = b.base.dir.filePath(QStringLiteral("_IMMAGINI MANCANTI.txt"));
        b.finestra->VerificaImmagini();
        QCOMPARE(b.Ultimo(), Msg(1928) + elenco.toStdString());
        QFile f(elenco);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("R2\r\n"));  // the roundabout is not printed: no photograph
        f.close();
        // By the LR17/00 text the workbook gave, whatever the table shows now.
        b.Trova<QCheckBox>("CheckBox8")->setChecked(true);
        QVERIFY(b.Riga(1)[mp::TLR17] != "foto-R2");
        QFile(immagini + QStringLiteral("/foto-R1.jpg")).open(QIODevice::WriteOnly);
        b.finestra->VerificaImmagini();
        QCOMPARE(b.Ultimo(), Msg(1929));
    }

    void CopiaOgniFileColSuoNome() {
        // Its smallest spacing comes from one file, its largest from the other.
        const RigaProva dueFile = {"R7", "Via Dante", "stradale", "7", "0", "M5", "1.5", "marciapiede", "6", "aiuola",
                                   "4.5", "", "dx", "1", "2", "", "", "sap", "70", "", "STRADA"};
        BancoMP b({dueFile, PercorsoProva("P1", "Pista")});
        b.finestra->Verifica();
        b.Attendi();
        const std::string f1 = b.Riga(0)[mp::TSol1 + mp::SFotometrica], f2 = b.Riga(0)[mp::TSol2 + mp::SFotometrica];
        QVERIFY(f1 != f2);
        // Cancelled folder prompt: nothing copied.
        b.finestra->sceltaCartella = [](const QString&, const QString&) { return QString(); };
        b.finestra->CopiaLdt();
        QCOMPARE(b.ui.mostrati[b.ui.mostrati.size() - 2].testo, Msg(1930));
        QCOMPARE(b.Ultimo(), Msg(1932));
        const QString progetto = b.base.dir.filePath(QStringLiteral("progetto"));
        QDir().mkpath(progetto);
        QFile vecchio(progetto + QLatin1Char('/') + QString::fromStdString(f1));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("old");
        vecchio.close();
        b.finestra->sceltaCartella = [progetto](const QString&, const QString&) { return progetto; };
        b.finestra->CopiaLdt();
        QCOMPARE(b.Ultimo(), Msg(1931));
        QCOMPARE(b.stato.DirProgetto, progetto.toStdString());
        for (const auto& nome : {f1, f2, b.Riga(1)[mp::TSol1 + mp::SFotometrica]}) {
            QFile copia(progetto + QLatin1Char('/') + QString::fromStdString(nome));
            QFile originale(QString::fromStdString(b.base.ldt + "/" + nome));
            QVERIFY(copia.open(QIODevice::ReadOnly) && originale.open(QIODevice::ReadOnly));
            QCOMPARE(copia.readAll(), originale.readAll());
        }
    }

    void EsportaNominaIlFile() {
        BancoMP b({StradaProva("R1", "Via Uno")});
        b.finestra->Verifica();
        b.Attendi();
        b.finestra->Esporta();
        const std::string atteso = b.base.Percorso("piano-Elenco_Progetti.xlsx");
        QCOMPARE(b.Ultimo(), atteso + Msg(1411));
        mp::Cartella c;
        std::string errore;
        QVERIFY(mp::LeggiCartella(atteso, c, errore));
        QCOMPARE(c.Fogli.front().Testo(2, 2), std::string("Via Uno"));

        // A file of that name is replaced only when the user says so.
        QFile proprio(QString::fromStdString(atteso));
        QVERIFY(proprio.open(QIODevice::WriteOnly | QIODevice::Truncate));
        proprio.write("mio");
        proprio.close();
        b.ui.risposte = {false, true};
        b.finestra->Esporta();
        QCOMPARE(b.ui.mostrati.back().tipo, std::string("conferma"));
        QVERIFY(proprio.open(QIODevice::ReadOnly));
        QCOMPARE(proprio.readAll(), QByteArray("mio"));
        proprio.close();
        b.finestra->Esporta();
        QCOMPARE(b.Ultimo(), atteso + Msg(1411));
        QVERIFY(mp::LeggiCartella(atteso, c, errore));
    }

    // A file gone after the run: its row is named, the others are printed.
    void StampaSaltaLaRigaDelFileSparito() {
        BancoMP b({StradaProva("R1", "Via Uno", "12"), PercorsoProva("P1", "Pista")});
        b.finestra->Verifica();
        b.Attendi();
        QCOMPARE(b.Riga(0)[mp::TNote], std::string("ESATTO"));
        QVERIFY(QFile::remove(QString::fromStdString(b.base.ldt + "/" + b.Riga(1)[mp::TSol1 + mp::SFotometrica])));
        const QString pdf = b.base.dir.filePath(QStringLiteral("piano.pdf"));
        b.finestra->sceltaStampante = [pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        b.Trova<QCheckBox>("CheckBox5")->setChecked(true);  // footers on every page
        b.Trova<QPushButton>("BitBtn1")->click();
        QCOMPARE(b.ui.Conta("avviso"), 1);
        const std::string avviso = b.Ultimo();
        QVERIFY(avviso.rfind(Msg(1993), 0) == 0);
        QVERIFY(avviso.find("P1") != std::string::npos && avviso.find("R1") == std::string::npos);
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        const QString pagine = QString::fromUtf8(testo.readAllStandardOutput());
        // R1 gives its spacing: presentation, data, illuminance, two luminance pages.
        QCOMPARE(pagine.count(QLatin1Char('\f')), 5);
        QVERIFY(pagine.contains(QStringLiteral("Via Uno")));
        QVERIFY(!pagine.contains(QStringLiteral("Pista")));
    }

    void ConfiguraReportApreLIdentificazioneSenzaStampa() {
        BancoMP b({StradaProva("R1", "Via Uno")});
        bool stampaNascosta = false;
        QString aperto;
        AlProssimoDialogo([&](QDialog* d) {
            aperto = d->objectName();
            stampaNascosta = d->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isHidden();
            d->reject();
        });
        b.finestra->ConfiguraReport();
        QCOMPARE(aperto, QStringLiteral("TFormVerifica"));
        QVERIFY(stampaNascosta);
    }

    void SetupStampanteApreIlDialogoDellaPagina() {
        BancoMP b({StradaProva("R1", "Via Uno")});
        QString aperto;
        AlProssimoDialogo([&aperto](QDialog* d) {
            aperto = d->objectName();
            d->reject();
        });
        b.finestra->SetupStampante();
        QCOMPARE(aperto, QStringLiteral("SetupStampante"));
    }

    void FattoriRestanoNeiLimiti() {
        BancoMP b({StradaProva("R1", "Via Uno")});
        b.stato.Deprezz = 0.02;
        auto* giu = b.Trova<ui::FrecceSuGiu>("UpDown3");
        for (int k = 0; k < 5; ++k) giu->Giu()->click();
        QCOMPARE(b.stato.Deprezz, 0.01);
        auto* su = b.Trova<ui::FrecceSuGiu>("UpDown1");
        su->Su()->click();
        QCOMPARE(b.Trova<QLineEdit>("RiduzioneF")->text(), QStringLiteral("1"));
        QCOMPARE(b.finestra->OpzioniCorrenti().FattRiduzione, 1.0);
        b.Trova<ui::FrecceSuGiu>("UpDown1")->Giu()->click();
        QCOMPARE(b.finestra->OpzioniCorrenti().FattRiduzione, 0.99);
    }
};

NOTTARO_TEST_UI(TMasterPlanTest);
#include "TMasterPlanTest.moc"
