// The window's side of a long job: the job runs on a worker and talks only
// to its Riscontro; the helper hands progress and messages over on the
// window thread while the window thread stays free, its Stop button stops
// the job, and a helper going away stops and joins its worker.
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "InterazioneScritta.h"
#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"
#include "ui/interaction/LavoroSeguito.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// A job that runs until it is stopped (or, failing that, for a long time).
bool FinoAlloStop(Riscontro& r, std::atomic<bool>* finito = nullptr) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    long long giri = 0;
    while (!r.Annullato() && std::chrono::steady_clock::now() < limite) {
        Avanzamento a;
        a.fatti = ++giri;
        r.Progresso(a);
        std::this_thread::yield();
    }
    if (finito) *finito = true;
    return r.Annullato();
}

}  // namespace

class LavoroSeguitoTest : public QObject {
    Q_OBJECT
private slots:
    // Messages in order, the latest progress and the result all reach the
    // window thread; the job never ran there, and a timer of the window
    // thread went on firing while it ran.
    void TuttoArrivaSulThreadDellaFinestra() {
        test::InterazioneScritta finestra;
        std::vector<Avanzamento> visti;
        std::vector<QThread*> threadVisti;
        LavoroSeguito lavoro(finestra, [&](const Avanzamento& a) {
            visti.push_back(a);
            threadVisti.push_back(QThread::currentThread());
        });
        lavoro.ImpostaIntervallo(5);
        int battiti = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++battiti; });
        timer.start(5);
        std::atomic<bool> via{false};
        QThread* threadLavoro = nullptr;
        QThread* threadScrittura = nullptr;
        int risultato = 0;
        QSignalSpy fine(&lavoro, &LavoroSeguito::Finito);
        QVERIFY(lavoro.Avvia(
            [&](Riscontro& r) {
                threadLavoro = QThread::currentThread();
                r.Messaggio({1945, {}});
                for (int i = 1; i <= 50; ++i) {
                    Avanzamento a;
                    a.fatti = i;
                    a.totale = 50;
                    r.Progresso(a);
                }
                r.Messaggio({1407, {}}, Riscontro::Tipo::Informazione);
                // Held until the window thread has served its timer a few times.
                while (!via.load()) std::this_thread::yield();
                return 42;
            },
            [&](int r) {
                risultato = r;
                threadScrittura = QThread::currentThread();
            }));
        QVERIFY(lavoro.InCorso());
        QVERIFY(!lavoro.Avvia([](Riscontro&) { return 0; }, [](int) {}));  // one job at a time
        QVERIFY(QTest::qWaitFor([&] { return battiti >= 5; }, 10000));
        via = true;
        QVERIFY(fine.wait(10000));
        QCOMPARE(risultato, 42);
        QVERIFY(threadLavoro != QThread::currentThread());
        QCOMPARE(threadScrittura, QThread::currentThread());
        QCOMPARE(finestra.mostrati.size(), std::size_t{2});
        QCOMPARE(finestra.mostrati[0].tipo, std::string("avviso"));
        QCOMPARE(finestra.mostrati[0].testo, Msg(1945));
        QCOMPARE(finestra.mostrati[1].tipo, std::string("informazione"));
        for (const auto& v : finestra.mostrati) QCOMPARE(v.thread, QThread::currentThread());
        QVERIFY(!visti.empty());
        QCOMPARE(visti.back().fatti, 50LL);
        for (QThread* t : threadVisti) QCOMPARE(t, QThread::currentThread());
        QVERIFY(!lavoro.InCorso());
        QVERIFY(!lavoro.Annullato());
    }

    // The Stop button, found by its name, stops the job in hand; the next
    // job starts with a fresh stop request.
    void IlBottoneStopFermaIlLavoro() {
        test::InterazioneScritta finestra;
        QWidget w;
        auto* stop = new QPushButton(QStringLiteral("Stop"), &w);
        stop->setObjectName(QStringLiteral("Interrompi"));
        LavoroSeguito lavoro(finestra, {});
        lavoro.CollegaStop(stop);
        long long visti = 0;
        LavoroSeguito conProgresso(finestra, [&](const Avanzamento& a) { visti = a.fatti; });
        conProgresso.CollegaStop(stop);
        for (int giro = 0; giro < 2; ++giro) {
            int fermato = -1;
            QVERIFY(conProgresso.Avvia([](Riscontro& r) { return FinoAlloStop(r); }, [&](bool f) { fermato = f; }));
            QVERIFY(QTest::qWaitFor([&] { return visti > 0; }, 10000));
            w.findChild<QPushButton*>(QStringLiteral("Interrompi"))->click();
            conProgresso.Attendi();
            QCOMPARE(fermato, 1);
            QVERIFY(conProgresso.Annullato());
            visti = 0;
        }
        // A click with no job in hand stops nothing later.
        stop->click();
        bool partito = false;
        QVERIFY(lavoro.Avvia([](Riscontro& r) { return r.Annullato(); }, [&](bool annullato) { partito = !annullato; }));
        lavoro.Attendi();
        QVERIFY(partito);
    }

    // A helper going away stops its job and waits for the worker; the
    // result, no longer wanted, is not written.
    void LaFineDelAiutoFermaEAttende() {
        test::InterazioneScritta finestra;
        std::atomic<bool> finito{false};
        bool scritto = false;
        auto lavoro = std::make_unique<LavoroSeguito>(finestra, [](const Avanzamento&) {});
        lavoro->Avvia([&](Riscontro& r) { return FinoAlloStop(r, &finito); }, [&](bool) { scritto = true; });
        QVERIFY(lavoro->InCorso());
        lavoro.reset();
        QVERIFY(finito.load());
        QCoreApplication::processEvents();
        QVERIFY(!scritto);
    }
};

NOTTARO_TEST_UI(LavoroSeguitoTest);
#include "LavoroSeguitoTest.moc"
