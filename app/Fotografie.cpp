// nottaro-screenshots OUTDIR PROGRAMDIR: draws every window of the desktop
// program offscreen in the five languages and saves OUTDIR/<window>-<lang>.png,
// so clipped or overlapping texts can be spotted without a display.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <memory>

#include "core/files/ListaFile.h"
#include "core/i18n/Lingua.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "masterplan/OpzioniMP.h"
#include "ui/calcolo/FinestraOttimizza.h"
#include "ui/catalogue/TElencoldt.h"
#include "ui/catalogue/Tcatalogue.h"
#include "ui/comune/Testi.h"
#include "ui/dialoghi/TAboutBox.h"
#include "ui/dialoghi/TDefCalc.h"
#include "ui/dialoghi/TDefProg.h"
#include "ui/dialoghi/TDefProgettoA.h"
#include "ui/dialoghi/TFormDisposizione.h"
#include "ui/dialoghi/TLampProg.h"
#include "ui/dialoghi/TLingua.h"
#include "ui/dialoghi/TSourceProg.h"
#include "ui/isolum/TIsolum.h"
#include "ui/masterplan/TMasterPlan.h"
#include "ui/principale/Aiuto.h"
#include "ui/principale/Avvio.h"
#include "ui/principale/TVelaro.h"
#include "ui/report/TFormVerifica.h"
#include "ui/report/TPersonal.h"
#include "ui/report/TprintP.h"

namespace {

using namespace nottaro;
using namespace nottaro::ui;

const char* const Codici[] = {"it", "en", "fr", "de", "es"};

// Messages would block a grab; they are printed instead.
class InterazioneFoto : public Interazione {
public:
    void Avviso(const std::string& t) override { std::fprintf(stderr, "warning: %s\n", t.c_str()); }
    bool Conferma(const std::string&) override { return true; }
    void Informazione(const std::string&) override {}
    bool ChiediDatiLampada(DatiLampada&) override { return false; }
    void Progresso(const Avanzamento&) override {}
};

bool Salva(QWidget* w, const QString& cartella, const QString& nome, int lingua, bool adatta = true) {
    w->show();
    if (adatta) w->adjustSize();
    QApplication::processEvents();
    const QString file = cartella + QLatin1Char('/') + nome + QLatin1Char('-') + QLatin1String(Codici[lingua]) +
                         QStringLiteral(".png");
    const bool ok = w->grab().save(file);
    if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    w->hide();
    return ok;
}

void Scegli(QWidget* d, const char* combo, int i) {
    if (auto* c = d->findChild<QComboBox*>(QLatin1String(combo))) {
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 3) {
        std::fprintf(stderr, "usage: nottaro-screenshots OUTDIR PROGRAMDIR\n");
        return 1;
    }
    const QString uscita = QString::fromLocal8Bit(argv[1]);
    const std::string dirProg = QDir(QString::fromLocal8Bit(argv[2])).absolutePath().toStdString();
    QDir().mkpath(uscita);
    const QString campione = QString::fromStdString(dirProg) + QStringLiteral("/ldt/sample_street_isym0.ldt");
    bool ok = true;
    InterazioneFoto ui;
    for (int l = 0; l < 5; ++l) {
        auto stato = std::make_unique<StatoProgetto>();
        stato->DirProg = dirProg;
        stato->Lingua = l;
        AdottaLingua(*stato);
        ImpostaFileAiuto(QString::fromStdString(stato->FileHelp));
        InstallaTraduzioniQt(l);

        // The Masterplan sample on the Masterplan tab.
        stato->FileMaster = dirProg + "/masterplan/esempio.xlsx";
        stato->DirLdtMaster = dirProg + "/masterplan/ldt";
        // The main window with a luminaire, an arrangement and a class, per tab.
        TVelaro finestra(*stato, &ui);
        finestra.ImpostaSceltaFile([&](QWidget*, const RichiestaFile&) { return campione; });
        finestra.resize(1000, 640);
        finestra.CaricaLdt();
        stato->DispPali = 4;
        stato->DispPaliA = 1;
        {
            TDefProg p(*stato, ui);
            Scegli(&p, "ComboBox2", 1);
            Scegli(&p, "ComboBox5", 3);
        }
        stato->EmMin = 10;
        stato->EminMin = 3;
        stato->ClasseA = "P2 o S2";
        // What the summary names besides the class: a spacing kept from a
        // loaded project and a tolerance other than the usual one.
        stato->DaProgetto = true;
        stato->Interdist = 22;
        stato->ErrEm = 25;
        finestra.MostraStato();
        finestra.show();
        QApplication::processEvents();
        auto* schede = finestra.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const char* nomiSchede[] = {"TVelaro-strada", "TVelaro-percorso", "TVelaro-masterplan"};
        for (int t = 0; t < 3; ++t) {
            schede->setCurrentIndex(t);
            QApplication::processEvents();
            const QString file = uscita + QLatin1Char('/') + QLatin1String(nomiSchede[t]) + QLatin1Char('-') +
                                 QLatin1String(Codici[l]) + QStringLiteral(".png");
            ok &= finestra.grab().save(file);
        }
        finestra.hide();
        stato->DaProgetto = false;
        stato->ErrEm = 20;
        // "All results", so the browser shows its pass/fail legend.
        if (auto* tutti = finestra.findChild<QRadioButton*>(QStringLiteral("RadioGroup1Voce1"))) tutti->setChecked(true);

        {
            // A path run of the design above: the window at its end, its browser and
            // the table view of the first row. The table goes to a temporary folder,
            // never into the program folder the pictures are taken from.
            QTemporaryDir tabelle;
            stato->DirProg = tabelle.path().toStdString();
            finestra.ImpostaMostraCalcolo([&](FinestraOttimizza& f) {
                f.show();
                while (f.FaseCorrente() == FinestraOttimizza::Fase::Pronta ||
                       f.FaseCorrente() == FinestraOttimizza::Fase::InCorso)
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
                ok &= Salva(&f, uscita, QStringLiteral("TCalcolaa"), l);
                f.show();
                f.MostraBrowser();
                ok &= Salva(&f, uscita, QStringLiteral("TCalcolaa-browser"), l, false);
                f.mostraDettaglio = [&](TIsolum& v) { ok &= Salva(&v, uscita, QStringLiteral("TIsolum"), l, false); };
                f.ApriDettaglio(0);
            });
            finestra.Ottimizza(true);
            finestra.ImpostaMostraCalcolo({});
            stato->DirProg = dirProg;
        }

        {
            // A road run stopped as soon as it started: the bar where it
            // stopped and the interrupted-run texts.
            QTemporaryDir tabelle;
            stato->DirProg = tabelle.path().toStdString();
            finestra.ImpostaMostraCalcolo([&](FinestraOttimizza& f) {
                f.show();
                while (f.FaseCorrente() == FinestraOttimizza::Fase::Pronta)
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                if (auto* stop = f.findChild<QPushButton*>(QStringLiteral("BitBtn1"))) stop->click();
                while (f.FaseCorrente() == FinestraOttimizza::Fase::InCorso)
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
                ok &= Salva(&f, uscita, QStringLiteral("TCalcola-interrotto"), l);
            });
            finestra.Ottimizza(false);
            finestra.ImpostaMostraCalcolo({});
            stato->DirProg = dirProg;
        }

        {
            TDefProg d(*stato, ui);
            Scegli(&d, "ComboBox2", l == LinguaTedesco ? 1 : 3);
            Scegli(&d, l == LinguaTedesco ? "ComboBox5" : "ComboBox4", l == LinguaTedesco ? 2 : 5);
            ok &= Salva(&d, uscita, QStringLiteral("TDefProg"), l);
        }
        {
            TDefProgettoA d(*stato, ui);
            ok &= Salva(&d, uscita, QStringLiteral("TDefProgettoA"), l);
        }
        {
            TDefCalc d(*stato, ui);
            ok &= Salva(&d, uscita, QStringLiteral("TDefCalc-calcolo"), l);
            d.Pagine()->setCurrentIndex(1);
            ok &= Salva(&d, uscita, QStringLiteral("TDefCalc-economico"), l);
        }
        {
            TFormDisposizione d1(false, 0);
            ok &= Salva(&d1, uscita, QStringLiteral("TForm1"), l);
            TFormDisposizione d2(true, 0);
            ok &= Salva(&d2, uscita, QStringLiteral("TForm2"), l);
        }
        {
            TSourceProg d(*stato, ui, true);
            ok &= Salva(&d, uscita, QStringLiteral("TSourceProg"), l);
        }
        {
            DatiLampada dati{"SAP 0", 0, 0, 0};
            TLampProg d(dati, ui);
            ok &= Salva(&d, uscita, QStringLiteral("TLampProg"), l);
        }
        {
            stato->Intest.Societa = "Studio Luce";
            stato->Intest.Telefono = "0543 123456";
            TPersonal personal(*stato, ui);
            ok &= Salva(&personal, uscita, QStringLiteral("TPersonal"), l);
            stato->PrjRiga1 = "17/2026";
            stato->PrjRiga3 = "Via Roma";
            TFormVerifica verifica(*stato, ui, {});
            ok &= Salva(&verifica, uscita, QStringLiteral("TFormVerifica"), l);
            TprintP stampa(DatiReportDaStato(*stato), ui);
            ok &= Salva(&stampa, uscita, QStringLiteral("TprintP"), l);
        }
        {
            TLingua d;
            ok &= Salva(&d, uscita, QStringLiteral("TLingua"), l);
        }
        {
            TAboutBox d;
            ok &= Salva(&d, uscita, QStringLiteral("TAboutBox"), l);
        }
        {
            // Checked and run: the sample's rows with their solutions.
            mp::ImpostaErrMasterplan(*stato);  // as the tab's "Masterplan" sets them
            TMasterPlan d(*stato, ui);
            d.resize(1180, 720);
            d.show();
            QEventLoop ciclo;
            QObject::connect(&d, &TMasterPlan::CorsaFinita, &ciclo, &QEventLoop::quit);
            d.Verifica();
            d.Ripristina();
            if (d.InCorso()) ciclo.exec();
            ok &= Salva(&d, uscita, QStringLiteral("TMasterPlan"), l, false);
        }
        {
            Tcatalogue d(dirProg, true, ui);
            Scegli(&d, "ComboLinea", 1);
            ok &= Salva(&d, uscita, QStringLiteral("Tcatalogue"), l, false);
        }
        {
            // A list with a file of the sample, one written on another machine and a missing one.
            stato->FileLista = Ss(uscita) + "/esempio.ntr";
            std::string errore;
            ScriviListaNtr(stato->FileLista,
                           {dirProg + "/ldt/erco_isym1_absolute.ldt", "C:\\Nottaro\\ldt\\two_lamp_sets_isym4.ldt",
                            "/manca/sample.ldt"},
                           errore);
            TElencoldt d(*stato, ui);
            ok &= Salva(&d, uscita, QStringLiteral("TElencoldt"), l);
        }
        {
            ApriAiuto(nullptr, QStringLiteral("TVelaro"));
            QApplication::processEvents();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("FinestraAiuto") && w->isVisible()) {
                    ok &= Salva(w, uscita, QStringLiteral("Aiuto"), l, false);
                    w->close();
                }
            QApplication::processEvents();
        }
    }
    return ok ? 0 : 1;
}
