// The false-colour map of a small field matches its reference picture, which
// was checked by eye: cells reaching halfway to their neighbours, the
// left-hand edge on top, the colour bar from minimum to maximum, the road
// edges, two light centres and the observer's arrow.
//
// After a deliberate change of the drawing, regenerate the reference with
//   NOTTARO_RIGENERA_MAPPA=1 build/tests/ui/test_ui DisegnaMappaTest
// and look at tests/fixtures/grafica/mappa-3x4.png before committing it.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstdlib>

#include "SupportoUi.h"
#include "grafica/DisegnaMappa.h"

using namespace nottaro;

namespace {

QImage Disegna() {
    DatiMappa d;
    d.x = {5, 15, 25};
    d.y = {0.875, 2.625, 4.375, 6.125};
    d.valori = {0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 0.1, 0.3, 0.5, 0.7};
    d.minimo = 0.1;
    d.massimo = 1.6;
    d.unita = QStringLiteral("cd/m²");
    d.larghezza = 7;
    d.centriX = {0, 30};
    d.centriY = {-0.5, -0.5};
    d.conOsservatore = true;
    d.osservatoreY = 1.75;
    d.testoOsservatore = QStringLiteral("(-60, 1.75, 1.5)");
    QImage img(420, 240, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setRenderHint(QPainter::Antialiasing);
    DisegnaMappa(p, img.rect(), d);
    return img;
}

}  // namespace

class DisegnaMappaTest : public QObject {
    Q_OBJECT
private slots:
    void UgualeAlRiferimento() {
        const QString riferimento = QStringLiteral(NOTTARO_FIXTURES "/grafica/mappa-3x4.png");
        const QImage img = Disegna();
        if (qEnvironmentVariableIsSet("NOTTARO_RIGENERA_MAPPA")) QVERIFY(img.save(riferimento));
        const QImage atteso = QImage(riferimento).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(atteso.size(), img.size());
        long long diversi = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb a = img.pixel(x, y), b = atteso.pixel(x, y);
                diversi += std::abs(qRed(a) - qRed(b)) > 16 || std::abs(qGreen(a) - qGreen(b)) > 16 ||
                           std::abs(qBlue(a) - qBlue(b)) > 16;
            }
        const long long tollerati = static_cast<long long>(img.width()) * img.height() / 200;  // 0.5 %
        QVERIFY2(diversi <= tollerati, qPrintable(QStringLiteral("%1 pixels differ").arg(diversi)));
    }

    // The ramp runs from its dark end to its light end (relative luminance)
    // and clamps outside.
    void RampaMonotonaELimitata() {
        double ultima = -1;
        for (int k = 0; k <= 20; ++k) {
            const QColor c = ColoreRampa(k / 20.0);
            const double l = 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
            QVERIFY(l > ultima);
            ultima = l;
        }
        QCOMPARE(ColoreRampa(-3), ColoreRampa(0));
        QCOMPARE(ColoreRampa(7), ColoreRampa(1));
    }
};

NOTTARO_TEST_UI(DisegnaMappaTest);
#include "DisegnaMappaTest.moc"
