#pragma once
// Long jobs in three steps: the caller takes a snapshot of what the job reads
// on the window thread, `calcola` runs on a worker with nothing shared but
// that snapshot, and `scrivi` gets the result back on the thread of
// `contesto` (the window), where it may touch the design state and widgets.
#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace nottaro::ui {

template <class Calcola, class Scrivi>
QFuture<void> AvviaLavoro(QObject* contesto, Calcola calcola, Scrivi scrivi) {
    using Risultato = std::invoke_result_t<Calcola>;
    return QtConcurrent::run(std::move(calcola)).then(contesto, [scrivi = std::move(scrivi)](Risultato r) mutable {
        scrivi(std::move(r));
    });
}

// Waits for `futuro` while the window thread keeps serving events (questions
// from the worker, repaints, the Cancel button). Never block on the future
// itself: a worker waiting for an answer would wait forever.
inline void AttendiServendoEventi(const QFuture<void>& futuro) {
    if (futuro.isFinished()) return;
    QFutureWatcher<void> osservatore;
    QEventLoop ciclo;
    QObject::connect(&osservatore, &QFutureWatcher<void>::finished, &ciclo, &QEventLoop::quit);
    osservatore.setFuture(futuro);
    if (!futuro.isFinished()) ciclo.exec();
}

}  // namespace nottaro::ui
