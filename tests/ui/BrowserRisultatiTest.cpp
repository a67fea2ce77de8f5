// The browser's filters and criteria show the rows the command line's
// `table --filter` shows for the filter the window built.
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "InterazioneScritta.h"
#include "ProgettiProva.h"
#include "SupportoRisultati.h"
#include "SupportoUi.h"
#include "ui/risultati/ModelloSoluzioni.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

// NUM of every row shown.
std::vector<std::string> NumDi(const TabellaDbf& t) {
    std::vector<std::string> n;
    for (std::size_t i = 0; i < t.NumeroRighe(); ++i) n.push_back(t.TestoRiga(i, "NUM").value_or("?"));
    return n;
}

std::vector<std::string> NumDallaRigaDiComando(const std::string& tabella, const std::string& filtro) {
    const QString csv = test::Cli({"table", QString::fromStdString(tabella), "--filter", QString::fromStdString(filtro), "--csv"});
    std::vector<std::string> n;
    const QStringList righe = csv.split(QStringLiteral("\n"), Qt::SkipEmptyParts);
    for (int i = 1; i < righe.size(); ++i) n.push_back(righe[i].section(QLatin1Char(','), 0, 0).trimmed().toStdString());
    return n;
}

}  // namespace

class BrowserRisultatiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        finestra_ = test::BrowserStrada(stato_, ui_, dir_);
        QVERIFY(finestra_);
        QVERIFY(finestra_->Tabella().NumeroRighe() > 20);
    }
    void cleanupTestCase() {
        ui_.predefinita = false;
        finestra_->close();
        finestra_.reset();
    }

    // Each case: height and overhang chosen (index into their lists, 0 none),
    // range clicks, criterion (-1: "Filtro"; -2: "Tutto" after criterion 1),
    // and the start of the filter text expected.
    void FiltriECriteri_data() {
        QTest::addColumn<int>("altezza");
        QTest::addColumn<int>("sbraccio");
        QTest::addColumn<int>("clic");
        QTest::addColumn<int>("criterio");
        QTest::addColumn<QString>("inizio");
        QTest::newRow("height filter") << 3 << 0 << 0 << -1 << "HPALO = '";
        QTest::newRow("height and overhang filter") << 3 << 1 << 0 << -1 << "HPALO = '";
        QTest::newRow("overhang filter") << 0 << 1 << 0 << -1 << "SBRACCIO = '";
        QTest::newRow("height, MAX spacing, range 10") << 4 << 0 << 10 << 1 << "HPALO = '";
        QTest::newRow("MIN power per metre, range 0") << 0 << 0 << 0 << 3 << "INDICEI <= '";
        QTest::newRow("MIN break-even, range -3") << 0 << 0 << -3 << 21 << "BREAKEVEN <= '";
        QTest::newRow("MIN poles, range 25") << 0 << 0 << 25 << 5 << "NPALI <= '";
        QTest::newRow("Tutto after a criterion") << 2 << 0 << 5 << -2 << "";
    }
    void FiltriECriteri() {
        QFETCH(int, altezza);
        QFETCH(int, sbraccio);
        QFETCH(int, clic);
        QFETCH(int, criterio);
        QFETCH(QString, inizio);
        FinestraOttimizza& f = *finestra_;
        Figlio<QPushButton>(f, "BitBtn4")->click();
        Figlio<QComboBox>(f, "ComboBox1")->setCurrentIndex(altezza);
        Figlio<QComboBox>(f, "ComboBox2")->setCurrentIndex(sbraccio);
        for (int k = 0; k < std::abs(clic); ++k)
            Figlio<QToolButton>(f, clic > 0 ? "UpDown1Su" : "UpDown1Giu")->click();
        QCOMPARE(Figlio<QLineEdit>(f, "Edit1")->text(), QString::number(clic));
        auto* criteri = Figlio<QComboBox>(f, "ComboBox3");
        if (criterio == -1) Figlio<QPushButton>(f, "BitBtn3")->click();
        else {
            criteri->setCurrentIndex(criterio < 0 ? 1 : criterio);
            emit criteri->activated(criteri->currentIndex());
        }
        if (criterio == -2) {
            Figlio<QPushButton>(f, "BitBtn4")->click();
            QCOMPARE(Figlio<QLineEdit>(f, "Edit1")->text(), QStringLiteral("0"));
            QCOMPARE(Figlio<QComboBox>(f, "ComboBox1")->currentIndex(), 0);
        }
        const std::string filtro = f.FiltroCorrente();
        QVERIFY2(QString::fromStdString(filtro).startsWith(inizio), filtro.c_str());
        const auto attese = NumDallaRigaDiComando(f.Tabella().Percorso(), filtro);
        QCOMPARE(NumDi(f.Tabella()), attese);
        QCOMPARE(f.Modello()->rowCount(), static_cast<int>(attese.size()));
        QCOMPARE(ui_.Conta("avviso"), 0);
    }

    // Choosing the shown criterion again applies the range set since.
    void CriterioRiscelto() {
        FinestraOttimizza& f = *finestra_;
        Figlio<QPushButton>(f, "BitBtn4")->click();
        auto* criteri = Figlio<QComboBox>(f, "ComboBox3");
        criteri->setCurrentIndex(2);
        emit criteri->activated(2);
        const std::string primo = f.FiltroCorrente();
        const std::size_t righePrima = f.Tabella().NumeroRighe();
        for (int k = 0; k < 50; ++k) Figlio<QToolButton>(f, "UpDown1Su")->click();
        QCOMPARE(f.FiltroCorrente(), primo);  // the range alone filters nothing
        emit criteri->activated(2);
        QVERIFY(f.FiltroCorrente() != primo);
        QVERIFY(f.Tabella().NumeroRighe() > righePrima);
    }

private:
    QTemporaryDir dir_;
    StatoProgetto stato_;
    test::InterazioneScritta ui_;
    std::unique_ptr<FinestraOttimizza> finestra_;
};

NOTTARO_TEST_UI(BrowserRisultatiTest);
#include "BrowserRisultatiTest.moc"
