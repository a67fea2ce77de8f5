// Long jobs run on a worker while the window thread stays responsive: the
// worker's questions are answered on the window thread, its progress arrives
// there in order without holding the worker, and the result is written back
// there.
#include <QTest>
#include <QTimer>

#include <atomic>

#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "ui/interazione/InterazioneSuFinestra.h"
#include "ui/interazione/LavoroInSottofondo.h"

using namespace nottaro;
using namespace nottaro::ui;

class LavoroSuWorkerTest : public QObject {
    Q_OBJECT
private slots:
    void DomandeDelWorkerRispostePrimaDiProseguire() {
        test::InterazioneScritta finestra;
        finestra.risposte = {true, false};
        InterazioneSuFinestra ponte(finestra);
        QThread* threadWorker = nullptr;
        std::vector<bool> risposte;
        QThread* threadScrittura = nullptr;
        auto futuro = AvviaLavoro(
            this,
            [&] {
                threadWorker = QThread::currentThread();
                std::vector<bool> r{ponte.Conferma("uno"), ponte.Conferma("due")};
                ponte.Avviso("tre");
                DatiLampada d;
                r.push_back(ponte.ChiediDatiLampada(d));
                return r;
            },
            [&](std::vector<bool> r) {
                risposte = std::move(r);
                threadScrittura = QThread::currentThread();
            });
        AttendiServendoEventi(futuro);
        QCOMPARE(risposte, (std::vector<bool>{true, false, false}));
        QVERIFY(threadWorker != QThread::currentThread());
        QCOMPARE(threadScrittura, QThread::currentThread());
        QCOMPARE(finestra.mostrati.size(), std::size_t{4});
        for (const auto& v : finestra.mostrati) QCOMPARE(v.thread, QThread::currentThread());
        QCOMPARE(finestra.mostrati[2].testo, std::string("tre"));
    }

    void ProgressoInOrdineSenzaFermareIlWorkerEUnTimerContinuaADeclinare() {
        test::InterazioneScritta finestra;
        InterazioneSuFinestra ponte(finestra);
        int scatti = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++scatti; });
        timer.start(5);
        std::atomic<bool> via{false};
        auto futuro = AvviaLavoro(
            this,
            [&] {
                for (int i = 1; i <= 50; ++i) {
                    Avanzamento a;
                    a.fatti = i;
                    ponte.Progresso(a);
                }
                while (!via.load()) QThread::msleep(2);
                return 0;
            },
            [](int) {});
        QTimer::singleShot(100, this, [&] { via = true; });
        AttendiServendoEventi(futuro);
        QCoreApplication::processEvents();
        QCOMPARE(finestra.progressi.size(), std::size_t{50});
        for (std::size_t i = 0; i < 50; ++i) {
            QCOMPARE(finestra.progressi[i].fatti, static_cast<long long>(i + 1));
            QCOMPARE(finestra.threadProgressi[i], QThread::currentThread());
        }
        QVERIFY2(scatti >= 5, "the window thread's timer stopped while the worker ran");
    }

    void SulThreadDellaFinestraRispondeDirettamente() {
        test::InterazioneScritta finestra;
        finestra.risposte = {true};
        InterazioneSuFinestra ponte(finestra);
        QVERIFY(ponte.Conferma("x"));
        ponte.Progresso(Avanzamento{});
        QCOMPARE(finestra.progressi.size(), std::size_t{1});
    }
};

NOTTARO_TEST_UI(LavoroSuWorkerTest);
#include "LavoroSuWorkerTest.moc"
