// Pages 1 and 2 of the road report, plain and standard style, drawn as the
// reference pictures in tests/fixtures/report show it (regenerated with
// `make report-references`): at most 0.5 % of the pixels may differ by more
// than 16 levels in a channel.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>

#include "SupportoPdf.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

double QuotaDiversa(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    long diversi = 0;
    for (int r = 0; r < x.height(); ++r) {
        const auto* px = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const auto* py = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c) {
            const int d = std::max({std::abs(qRed(px[c]) - qRed(py[c])), std::abs(qGreen(px[c]) - qGreen(py[c])),
                                    std::abs(qBlue(px[c]) - qBlue(py[c]))});
            diversi += d > 16;
        }
    }
    return static_cast<double>(diversi) / (static_cast<double>(x.width()) * x.height());
}

TEST(RiferimentoVisivo, FirstTwoRoadPagesMatchTheReferenceInBothStyles) {
    test::CartellaTemporanea dir;
    int esito = -1;
    const std::string out = test::Comando("bash " + test::Tra(test::Sorgente("tests/report/riferimenti.sh")) + " " +
                                              test::Tra(test::ProgrammaCli()) + " " + test::Tra(dir.Str()) + " 2>&1",
                                          &esito);
    ASSERT_EQ(esito, 0) << out;
    for (const std::string nome : {"strada-p1-semplice.png", "strada-p1-standard.png", "strada-p2-semplice.png",
                                   "strada-p2-standard.png"}) {
        const QImage fatta(QString::fromStdString(dir.File(nome)));
        const QImage attesa(QString::fromStdString(test::Fixture("report/" + nome)));
        ASSERT_FALSE(fatta.isNull()) << nome;
        ASSERT_FALSE(attesa.isNull()) << nome;
        EXPECT_LE(QuotaDiversa(fatta, attesa), 0.005) << nome;
    }
    // The comparison sees a change: the two styles differ well beyond it.
    EXPECT_GT(QuotaDiversa(QImage(QString::fromStdString(dir.File("strada-p1-semplice.png"))),
                           QImage(QString::fromStdString(dir.File("strada-p1-standard.png")))),
              0.005);
}

}  // namespace
}  // namespace nottaro
