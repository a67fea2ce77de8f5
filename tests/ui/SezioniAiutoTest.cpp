// The help a window opens (F1, its Help buttons) must be there in every
// language: the sections are taken from the windows as built, then looked up
// in each language's book, whose contents list names every section.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "Finestre.h"
#include "SupportoUi.h"
#include "TutteLeFinestre.h"
#include "core/state/Inizializza.h"
#include "ui/principale/Aiuto.h"

using namespace nottaro;

namespace {

void SezioniDi(const QObject* finestra, QSet<QString>& sezioni) {
    QList<const QObject*> oggetti{finestra};
    for (const QObject* o : finestra->findChildren<QObject*>()) oggetti << o;
    for (const QObject* o : oggetti) {
        const QVariant s = o->property(ui::ProprietaSezioneAiuto);
        if (s.isValid()) sezioni.insert(s.toString());
    }
}

QString Libro(const char* codice) {
    QFile f(QStringLiteral(NOTTARO_SOURCE_DIR "/data/help/%1/index.html").arg(QLatin1String(codice)));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class SezioniAiutoTest : public QObject {
    Q_OBJECT
private slots:
    void OgniFinestraHaLaSuaSezioneInOgniLingua() {
        QSet<QString> sezioni;
        {
            test::Banco b;
            SezioniDi(b.finestra.get(), sezioni);
        }
        test::InterazioneScritta ui;
        QStringList senza;
        for (const test::Finestra& f : test::TutteLeFinestre()) {
            StatoProgetto s;
            Inizializza(s);
            test::PreparaStato(s, ui);
            const auto finestra = f.costruisci(s, ui);
            const qsizetype prima = sezioni.size();
            SezioniDi(finestra.get(), sezioni);
            if (sezioni.size() == prima && !finestra->property(ui::ProprietaSezioneAiuto).isValid()) senza << QLatin1String(f.nome);
        }
        QVERIFY2(senza.isEmpty(), qPrintable(QStringLiteral("no help section: ") + senza.join(QStringLiteral(", "))));
        QVERIFY(sezioni.contains(QStringLiteral("Risultati")));

        QStringList mancanti;
        for (const char* codice : {"it", "en", "fr", "de", "es"}) {
            const QString libro = Libro(codice);
            QVERIFY2(!libro.isEmpty(), codice);
            for (const QString& s : sezioni)
                if (!libro.contains(QStringLiteral("id=\"%1\"").arg(s)))
                    mancanti << QLatin1String(codice) + QLatin1Char(':') + s;
            // Every section of the book can be reached from its contents.
            static const QRegularExpression ancora(QStringLiteral("id=\"([^\"]+)\""));
            for (const QRegularExpressionMatch& m : ancora.globalMatch(libro))
                if (!libro.contains(QStringLiteral("href=\"#%1\"").arg(m.captured(1))))
                    mancanti << QLatin1String(codice) + QStringLiteral(": contents lack ") + m.captured(1);
        }
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(QStringLiteral(", "))));
    }
};

NOTTARO_TEST_UI(SezioniAiutoTest);
#include "SezioniAiutoTest.moc"
