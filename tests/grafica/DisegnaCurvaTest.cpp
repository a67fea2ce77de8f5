// The drawn diagram against a reference picture checked by eye, and the
// export to PNG and SVG.
//
// To redraw the reference after a deliberate change of the drawing, run
//   NOTTARO_RIGENERA_RIFERIMENTI=1 build/tests/test_grafica --gtest_filter='DisegnaCurva.*'
// then look at tests/fixtures/grafica/*.png before committing it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QFontMetrics>
#include <QRect>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "AppGui.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/MisuraCurva.h"
#include "grafica/DisegnaCurva.h"
#include "grafica/EsportaDiagramma.h"
#include "grafica/PuntiCurva.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

Fotometria Strada() {
    Fotometria f;
    test::InterazioneFinta ui;
    LeggiFotometria(test::Fixture("photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"), f, ui);
    return f;
}

QImage Disegna(const Fotometria& f, int lato) {
    const DatiCurva d = MisuraCurva(f);
    QImage img(lato, lato, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(test::FontDiagramma());
    DisegnaCurva(p, lato, lato, ZoomIniziale(d.RaggioCurva, 250).zoom, f, d);
    return img;
}

// Pixels whose red, green or blue differ by more than 16 levels.
int PixelDiversi(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 16 || std::abs(p.green() - q.green()) > 16 ||
                std::abs(p.blue() - q.blue()) > 16)
                ++n;
        }
    return n;
}

TEST(DisegnaCurva, StreetLuminaireMatchesItsReferencePicture) {
    test::AppGui();
    const QImage img = Disegna(Strada(), 250);
    const QString riferimento = QString::fromStdString(test::Fixture("grafica/curva_strada_250.png"));
    if (std::getenv("NOTTARO_RIGENERA_RIFERIMENTI")) {
        ASSERT_TRUE(img.save(riferimento, "PNG"));
        GTEST_SKIP() << "reference written: look at it before committing";
    }
    const QImage atteso = QImage(riferimento).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(atteso.size(), img.size());
    EXPECT_LE(PixelDiversi(img, atteso), 250 * 250 / 200);  // 0.5 %
}

TEST(DisegnaCurva, ReferenceComparisonNoticesAMissingCurve) {
    test::AppGui();
    Fotometria f = Strada();
    const QImage intero = Disegna(f, 250);
    for (int c = 1; c <= f.NumC(); ++c)
        for (int g = 1; g <= f.NumG(); ++g) f.Intens.ImpostaValore(c, g, f.Intens.Valore(c, g) * 0.8);  // every curve moves inward
    const DatiCurva d = MisuraCurva(Strada());
    QImage img(250, 250, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(test::FontDiagramma());
    DisegnaCurva(p, 250, 250, ZoomIniziale(d.RaggioCurva, 250).zoom, f, d);
    p.end();
    EXPECT_GT(PixelDiversi(img, intero), 250 * 250 / 200);
}

// Each label's box, as DisegnaCurva places it, meets no other label's box;
// the diagram's sizes from the viewer's box (250 pixels, larger when zoomed) to an export.
TEST(DisegnaCurva, LabelsNeverOverlap) {
    test::AppGui();
    const Fotometria f = Strada();
    const DatiCurva d = MisuraCurva(f);
    const QFontMetrics misure(test::FontDiagramma());
    for (const int lato : {250, 320, 400, 600}) {
        const FiguraCurva fig = PuntiCurva(lato, lato, ZoomIniziale(d.RaggioCurva, lato).zoom, f, d);
        std::vector<std::pair<QRect, std::string>> scatole;
        for (const auto& e : fig.etichette) {
            const QString testo = QString::fromStdString(e.testo);
            const int x = std::max(0, std::min(e.pos.x, lato - 1 - misure.horizontalAdvance(testo)));
            scatole.push_back({QRect(x, e.pos.y, misure.horizontalAdvance(testo), misure.height()), e.testo});
        }
        for (std::size_t i = 0; i < scatole.size(); ++i)
            for (std::size_t j = i + 1; j < scatole.size(); ++j)
                EXPECT_FALSE(scatole[i].first.intersects(scatole[j].first))
                    << lato << ": \"" << scatole[i].second << "\" over \"" << scatole[j].second << "\"";
    }
}

TEST(EsportaDiagramma, PngAtTwiceTheSizeAndSvgWithItsTexts) {
    test::AppGui();
    test::CartellaTemporanea dir;
    const Fotometria f = Strada();
    const DatiCurva d = MisuraCurva(f);
    const double zoom = ZoomIniziale(d.RaggioCurva, 250).zoom;

    const std::string png = dir.File("curva.png");
    ASSERT_EQ(FormatoDaNome(png), FormatoDiagramma::Png);
    ASSERT_TRUE(ScriviDiagramma(png, FormatoDiagramma::Png, 250, 240, zoom, test::FontDiagramma(), f, d));
    const QImage img(QString::fromStdString(png));
    EXPECT_EQ(img.width(), 500);
    EXPECT_EQ(img.height(), 480);
    EXPECT_EQ(img.pixelColor(250, 10), QColor(Qt::black));  // the vertical axis, two pixels wide

    const std::string svg = dir.File("curva.SVG");
    ASSERT_EQ(FormatoDaNome(svg), FormatoDiagramma::Svg);
    ASSERT_TRUE(ScriviDiagramma(svg, FormatoDiagramma::Svg, 250, 240, zoom, test::FontDiagramma(), f, d));
    QFile in(QString::fromStdString(svg));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray testo = in.readAll();
    EXPECT_TRUE(testo.startsWith("<?xml"));
    for (const char* etichetta : {"117 cd/klm", "235 cd/klm", "352 cd/klm", "Imax=&gt;C="})
        EXPECT_TRUE(testo.contains(etichetta)) << etichetta;
}

TEST(EsportaDiagramma, UnwritablePlaceFailsAndLeavesNoFile) {
    test::AppGui();
    test::CartellaTemporanea dir;
    const Fotometria f = Strada();
    const DatiCurva d = MisuraCurva(f);
    for (const std::string nome : {"manca/curva.png", "manca/curva.svg"}) {
        const std::string percorso = dir.File(nome);
        EXPECT_FALSE(ScriviDiagramma(percorso, FormatoDaNome(percorso), 250, 250, 0.3, test::FontDiagramma(), f, d));
        EXPECT_FALSE(std::filesystem::exists(percorso));
    }
}

}  // namespace
}  // namespace nottaro
