#include "ui/interazione/InterazioneSuFinestra.h"

#include <QMetaObject>
#include <QThread>

namespace nottaro::ui {

InterazioneSuFinestra::InterazioneSuFinestra(Interazione& finestra, QObject* genitore)
    : QObject(genitore), finestra_(finestra) {}

template <class F>
void InterazioneSuFinestra::SullaFinestra(F&& f) {
    if (QThread::currentThread() == thread()) f();
    else QMetaObject::invokeMethod(this, std::forward<F>(f), Qt::BlockingQueuedConnection);
}

void InterazioneSuFinestra::Avviso(const std::string& testo) {
    SullaFinestra([&] { finestra_.Avviso(testo); });
}

bool InterazioneSuFinestra::Conferma(const std::string& testo) {
    bool si = false;
    SullaFinestra([&] { si = finestra_.Conferma(testo); });
    return si;
}

void InterazioneSuFinestra::Informazione(const std::string& testo) {
    SullaFinestra([&] { finestra_.Informazione(testo); });
}

bool InterazioneSuFinestra::ChiediDatiLampada(DatiLampada& dati) {
    bool risposto = false;
    SullaFinestra([&] { risposto = finestra_.ChiediDatiLampada(dati); });
    return risposto;
}

void InterazioneSuFinestra::Progresso(const Avanzamento& stato) {
    if (QThread::currentThread() == thread()) {
        finestra_.Progresso(stato);
        return;
    }
    QMetaObject::invokeMethod(this, [this, copia = stato] { finestra_.Progresso(copia); }, Qt::QueuedConnection);
}

}  // namespace nottaro::ui
