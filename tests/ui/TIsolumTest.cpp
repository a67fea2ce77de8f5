// The table view shows the recomputed solution as the command line's
// `evaluate` computes it, rounded as the designer reads it; one observer
// button per lane (one with the UNI rule); a row whose photometry is gone
// cannot open; the tables export to CSV exactly.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <charconv>
#include <fstream>

#include "InterazioneScritta.h"
#include "ProgettiProva.h"
#include "SupportoRisultati.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "ui/comune/Testi.h"
#include "ui/isolum/EsportaCsv.h"
#include "ui/isolum/TIsolum.h"

using namespace nottaro;
using namespace nottaro::ui;
using test::Figlio;

namespace {

// Runs the project's sweep and opens row `riga` in detail; the view's
// figures are kept in `vista`, its observer buttons counted.
struct Dettaglio {
    bool aperta = false;
    VistaSoluzione vista;
    int bottoni = 0;
    QString testoOss2, figure[4];
};

Dettaglio ApriRiga(StatoProgetto& s, test::InterazioneScritta& ui, bool percorso, double inter) {
    Dettaglio d;
    FinestraOttimizza f(s, ui, percorso);
    if (!test::EseguiFinestra(f)) return d;
    Figlio<QPushButton>(f, "BitBtn2")->click();
    int riga = 0;
    for (std::size_t i = 0; i < f.Tabella().NumeroRighe(); ++i)
        if (f.Tabella().NumeroRiga(i, "INTER") == inter) riga = static_cast<int>(i);
    f.mostraDettaglio = [&](TIsolum& v) {
        d.aperta = true;
        d.vista = v.Vista();
        for (int k = 1; k <= 6; ++k) d.bottoni += !Figlio<QPushButton>(v, ("Osservatore" + std::to_string(k)).c_str())->isHidden();
        if (d.bottoni > 1) {
            Figlio<QPushButton>(v, "Osservatore2")->click();
            d.testoOss2 = Figlio<QLabel>(v, "TestoOsservatore")->text();
        }
        for (int k = 0; k < 4; ++k) d.figure[k] = Figlio<QLabel>(v, ("Figura" + std::to_string(k + 1)).c_str())->text();
    };
    f.ApriDettaglio(riga);
    ui.predefinita = false;
    f.close();
    return d;
}

QJsonObject Valuta(const std::string& progetto) {
    return QJsonDocument::fromJson(
               test::Cli({"evaluate", "--project", QString::fromStdString(test::FileFixture("projects/" + progetto)), "--json"})
                   .toUtf8())
        .object();
}

}  // namespace

class TIsolumTest : public QObject {
    Q_OBJECT
private slots:
    void Arrotondamenti_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("15.46 lx") << 15.46 << "15.5";
        QTest::newRow("9.876 lx") << 9.876 << "9.88";
        QTest::newRow("25.4 lx") << 25.4 << "25";
        QTest::newRow("20 lx") << 20.0 << "20";
    }
    void Arrotondamenti() {
        QFETCH(double, valore);
        QFETCH(QString, atteso);
        QCOMPARE(CifraIlluminamento(valore), atteso);
    }

    // Road rows at the project's own geometry: the figures of `evaluate`.
    void FigureUgualiAValuta_data() {
        QTest::addColumn<QString>("progetto");
        QTest::addColumn<int>("bottoni");
        QTest::newRow("EN observers, two lanes") << "strada.nt0" << 2;
        QTest::newRow("UNI observer") << "ies.nt0" << 1;
    }
    void FigureUgualiAValuta() {
        QFETCH(QString, progetto);
        QFETCH(int, bottoni);
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, progetto.toStdString(), dir));
        const double inter = s.Interdist;
        test::InterazioneScritta ui;
        const Dettaglio d = ApriRiga(s, ui, false, inter);
        QVERIFY(d.aperta);
        QCOMPARE(d.vista.Interdist, inter);
        const QJsonObject e = Valuta(progetto.toStdString());
        const char* chiavi[] = {"Lm", "Uo", "Ul", "TI"};
        for (int k = 0; k < 4; ++k) QCOMPARE(d.figure[k], Cifra(e[chiavi[k]].toDouble(), k == 3 ? 0 : 2));
        QCOMPARE(d.vista.EmCalc, e["EmCalc"].toDouble());
        QCOMPARE(d.bottoni, bottoni);
        QCOMPARE(static_cast<int>(d.vista.osservatori.size()), bottoni);
        if (bottoni == 2) QCOMPARE(d.testoOss2, QStringLiteral("O1 = (-60,") + Cifra(s.LargStrada * 3 / 4, 2) + ",1.5)");
    }

    // A list row whose photometric file has gone: message 140, no view.
    void FileDellElencoSparito() {
        QTemporaryDir dir;
        StatoProgetto s;
        QVERIFY(test::CaricaProgettoProva(s, "percorso.nt0", dir));
        const QString copia = dir.filePath("curva.ldt");
        QVERIFY(QFile::copy(QString::fromStdString(test::FileFixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt")), copia));
        const QString lista = dir.filePath("elenco.ntr");
        {
            std::ofstream l(lista.toStdString(), std::ios::binary);
            l << copia.toStdString() << "\r\n";
        }
        s.FileLista = lista.toStdString();
        test::InterazioneScritta ui;
        FinestraOttimizza f(s, ui, true);
        QVERIFY(test::EseguiFinestra(f));
        Figlio<QPushButton>(f, "BitBtn2")->click();
        QVERIFY(f.Tabella().NumeroRighe() > 0);
        QVERIFY(QFile::remove(copia));
        bool aperta = false;
        f.mostraDettaglio = [&](TIsolum&) { aperta = true; };
        f.ApriDettaglio(0);
        QVERIFY(!aperta);
        QCOMPARE(ui.mostrati.back().testo, Msg(140));
        ui.predefinita = false;
        f.close();
    }

    // Figures without a value show "-": DFF 0, a divisor of 0; a path hides
    // the luminances.
    void ValoriMancanti() {
        VistaSoluzione v;
        v.percorso = true;
        v.illuminamenti = {{1, 3}, {0.5}, {0, 0}};
        v.DFF = 0;
        v.LORL = 0;
        v.FattUtil = 0.3;
        test::InterazioneScritta ui;
        TIsolum t(v, ui);
        QCOMPARE(Figlio<QLabel>(t, "FlussoAlto")->text(), QStringLiteral("-"));
        QCOMPARE(Figlio<QLabel>(t, "Utilanza")->text(), QStringLiteral("-"));
        for (const char* r : {"Rapporto1", "Rapporto2", "Rapporto3"}) QCOMPARE(Figlio<QLabel>(t, r)->text(), QStringLiteral("-"));
        auto* schede = Figlio<QTabWidget>(t, "PageControl1");
        QCOMPARE(schede->tabText(0), QString::fromStdString(Msg(1613)));
        QVERIFY(!schede->isTabEnabled(0));
        QCOMPARE(Figlio<QTableWidget>(t, "TabellaLuminanze")->rowCount(), 0);
        // The illuminance table: "Y/X", x across the top, the left-hand edge on top.
        auto* ill = Figlio<QTableWidget>(t, "TabellaIlluminamenti");
        QCOMPARE(ill->item(0, 0)->text(), QStringLiteral("Y/X"));
        QCOMPARE(ill->item(0, 2)->text(), QStringLiteral("3"));
    }

    // The CSV of a field names its solution and quantity, gives positions to
    // the centimetre and the values so that they read back to the very numbers,
    // left-hand edge first.
    void CsvRilettoUgualeAlCampo() {
        CampoVista c;
        c.x = {1.0 / 3, 2.5, 10.0 / 3};
        c.y = {0.625, 1.875};
        c.valori = {0.1, 1e-9, 12345.678901234567, 2.0 / 3, 0, 1.0 / 7};
        VistaSoluzione v;
        v.HPalo = 8;
        v.Sbraccio = -0.5;
        v.Interdist = 3.3000000000000003;
        v.Inclina = 5;
        v.osservatori.resize(2);
        v.osservatori[1].y = 5.25;
        QTemporaryDir dir;
        const std::string file = dir.filePath("campo.csv").toStdString();
        QVERIFY(EsportaCsv(c, SoluzioneDelCampo(v, 1), file).empty());
        std::ifstream f(file, std::ios::binary);
        const std::string testo((std::istreambuf_iterator<char>(f)), {});
        auto numero = [](const std::string& s) {
            double d = 0;
            std::from_chars(s.data(), s.data() + s.size(), d);
            return d;
        };
        std::vector<std::vector<std::string>> righe;
        std::size_t inizio = 0;
        while (inizio < testo.size()) {
            const std::size_t fine = testo.find("\r\n", inizio);
            QVERIFY(fine != std::string::npos);
            std::vector<std::string> celle;
            const std::string r = testo.substr(inizio, fine - inizio);
            std::size_t a = 0;
            for (std::size_t b; (b = r.find(',', a)) != std::string::npos; a = b + 1) celle.push_back(r.substr(a, b - a));
            celle.push_back(r.substr(a));
            righe.push_back(celle);
            inizio = fine + 2;
        }
        QCOMPARE(righe.size(), std::size_t{9});
        const std::vector<std::vector<std::string>> soluzione = {
            {"HPALO [m]", "8"}, {"SBRACCIO [m]", "-0.5"}, {"INTER [m]", "3.3"}, {"INCLINA [°]", "5"},
            {"OSSERVATORE Y [m]", "5.25"}, {""}};
        for (std::size_t i = 0; i < soluzione.size(); ++i) QCOMPARE(righe[i], soluzione[i]);
        QCOMPARE(righe[6], (std::vector<std::string>{"L [cd/m²] Y [m] \\ X [m]", "0.33", "2.5", "3.33"}));
        for (std::size_t r = 7; r <= 8; ++r) {
            const std::size_t j = 8 - r;
            QCOMPARE(numero(righe[r][0]), c.y[j] == 0.625 ? 0.63 : 1.88);
            for (std::size_t i = 0; i < 3; ++i) QCOMPARE(numero(righe[r][i + 1]), c.Valore(i, j));
        }
        // The illuminance field has no observer.
        const std::string illuminamenti = TestoCsv(c, SoluzioneDelCampo(v, -1));
        QVERIFY(illuminamenti.find("OSSERVATORE") == std::string::npos);
        QVERIFY(illuminamenti.find("\r\nE [lx] Y [m]") != std::string::npos);
        // An unwritable target: the reason comes back.
        QVERIFY(!EsportaCsv(c, SoluzioneDelCampo(v, -1), dir.filePath("manca/campo.csv").toStdString()).empty());
    }
};

NOTTARO_TEST_UI(TIsolumTest);
#include "TIsolumTest.moc"
