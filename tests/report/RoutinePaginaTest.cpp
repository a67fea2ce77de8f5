// The page arithmetic the report relies on: millimetres to device units,
// picture fitting, word wrapping, the report's number rules, the page plan
// of a run, the rows per list page and the plans' iso-lines.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <vector>

#include "report/ElencoSoluzioni.h"
#include "report/IsoLinee.h"
#include "report/RoutinePagina.h"
#include "report/StampaProgetto.h"

namespace nottaro {
namespace {

TEST(RoutinePagina, MmToDevTruncatesOnTheReferencePage) {
    QImage img(4960, 7016, QImage::Format_RGB32);  // A4 at 600 dpi
    QPainter p(&img);
    PaginaReport pg(p, img, 4960, 7016);
    EXPECT_EQ(pg.x(10), 236);   // 10 × 4960 / 210 = 236.19
    EXPECT_EQ(pg.y(10), 236);   // 10 × 7016 / 297 = 236.22
    EXPECT_EQ(pg.x(210), 4960);
    EXPECT_EQ(pg.y(297), 7016);
    EXPECT_EQ(pg.x(0.1), 2);    // 2.36 truncated
    PaginaReport orizzontale(p, img, 7016, 4960, FoglioRif{297, 210});
    EXPECT_EQ(orizzontale.x(297), 7016);
    EXPECT_EQ(orizzontale.y(105), 2480);
}

TEST(RoutinePagina, AdattaImmagineKeepsTheAspectRatio) {
    struct Caso {
        double w, h, W, H;
        int attW, attH;
    } casi[] = {
        {100, 50, 400, 400, 400, 200},   // smaller both ways, wide: enlarged to the width
        {50, 100, 400, 400, 200, 400},   // smaller, tall: enlarged to the height
        {800, 100, 400, 400, 400, 50},   // too wide
        {100, 800, 400, 400, 50, 400},   // too tall
        {1000, 900, 400, 300, 333, 300}, // wide first, then still too tall
        {0, 100, 400, 400, 0, 0},        // no picture
    };
    for (const Caso& c : casi) {
        const Misura m = AdattaImmagine(c.w, c.h, c.W, c.H);
        EXPECT_EQ(m.w, c.attW) << c.w << "x" << c.h;
        EXPECT_EQ(m.h, c.attH) << c.w << "x" << c.h;
    }
}

TEST(RoutinePagina, SpezzaTestoBreaksAfterBlanksAndHyphensAndKeepsLineBreaks) {
    const std::vector<QString> r = SpezzaTesto(QStringLiteral("uno due-tre quattro\ncinque"), 10);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0], QStringLiteral("uno due-"));
    EXPECT_EQ(r[1], QStringLiteral("tre"));
    EXPECT_EQ(r[2], QStringLiteral("quattro"));
    EXPECT_EQ(r[3], QStringLiteral("cinque"));
    // A word longer than the line is cut; every line fits.
    for (const QString& l : SpezzaTesto(QString(30, QLatin1Char('x')), 12)) EXPECT_LE(l.size(), 12);
    EXPECT_TRUE(SpezzaTesto(QString(), 125).empty());
}

TEST(RoutinePagina, IlluminanceRoundingAndRatios) {
    const std::pair<double, const char*> casi[] = {
        {9.996, "10"}, {15.25, "15.2"}, {20, "20"}, {20.5, "20"}, {21.5, "21"}, {3.14159, "3.14"}, {0, "0"}};
    for (const auto& [v, atteso] : casi) EXPECT_EQ(CifraE(v).toStdString(), atteso) << v;
    EXPECT_EQ(Rapporto(1, 4, 2).toStdString(), "0.25");
    EXPECT_EQ(Rapporto(1, 0, 2).toStdString(), "-");
    EXPECT_EQ(Rapporto(1, -2, 2).toStdString(), "-");
}

TEST(RoutinePagina, PagesOfARunFollowSectionsAndObservers) {
    DatiReport strada;
    strada.osservatori.resize(2);
    DatiReport uni;
    uni.osservatori.resize(1);
    DatiReport percorso;
    percorso.TipoProgetto = 1;
    const SezioniReport tutte;
    const SezioniReport soloIllum{false, false, false, true};
    EXPECT_EQ(PagineProgetto(strada, tutte), (std::vector<char>{'P', 'D', 'V', 'L', 'L', 'I'}));
    EXPECT_EQ(PagineProgetto(uni, tutte), (std::vector<char>{'P', 'D', 'V', 'L', 'I'}));
    EXPECT_EQ(PagineProgetto(percorso, tutte), (std::vector<char>{'P', 'D', 'V', 'I'}));
    EXPECT_EQ(PagineProgetto(strada, soloIllum), (std::vector<char>{'I'}));
}

TEST(RoutinePagina, ListPagesHoldWholeRowsWithTheTitleOnTheFirst) {
    // Reduced: 41 rows under the title, 42 on later pages; complete: 3.
    EXPECT_EQ(RighePerPagina(TipoElenco::Ridotto, 0), (std::vector<int>{0}));
    EXPECT_EQ(RighePerPagina(TipoElenco::Ridotto, 41), (std::vector<int>{41}));
    EXPECT_EQ(RighePerPagina(TipoElenco::Ridotto, 97), (std::vector<int>{41, 42, 14}));
    EXPECT_EQ(RighePerPagina(TipoElenco::Completo, 7), (std::vector<int>{3, 3, 1}));
}

}  // namespace
}  // namespace nottaro

namespace nottaro {
namespace {

TEST(IsoLinee, LevelsAreRoundStepsStrictlyInsideTheRange) {
    struct Caso {
        double minimo, massimo;
        int massimi;
        std::vector<double> livelli;
    } casi[] = {
        {0.12, 1.37, 5, {0.25, 0.5, 0.75, 1.0, 1.25}},
        {3, 47, 5, {10, 20, 30, 40}},
        {0, 1, 6, {0.2, 0.4, 0.6, 0.8}},
        {0.011, 0.043, 5, {0.02, 0.03, 0.04}},
        {0.011, 0.043, 8, {0.015, 0.02, 0.025, 0.03, 0.035, 0.04}},
        {2, 2, 5, {}},
        {5, 1, 5, {}},
        {0, std::nan(""), 5, {}},
    };
    for (const Caso& c : casi) {
        const std::vector<double> l = LivelliIso(c.minimo, c.massimo, c.massimi);
        ASSERT_EQ(l.size(), c.livelli.size()) << c.minimo << " " << c.massimo;
        for (std::size_t k = 0; k < l.size(); ++k) EXPECT_NEAR(l[k], c.livelli[k], 1e-12) << c.minimo << " " << k;
    }
}

TEST(IsoLinee, SegmentsFollowTheInterpolatedFieldAndSplitASaddleByItsCentre) {
    // v = x on a 4 × 3 grid: the 1.5 line is the straight line x = 1.5 across.
    const std::vector<double> xs{0, 1, 2, 3}, ys{0, 1, 2};
    std::vector<double> v;
    for (double x : xs)
        for (std::size_t j = 0; j < ys.size(); ++j) v.push_back(x);
    const auto piano = SegmentiIso(v, xs, ys, 1.5);
    ASSERT_EQ(piano.size(), 2u);
    double lunghezza = 0;
    for (const auto& s : piano) {
        EXPECT_DOUBLE_EQ(s.a[0], 1.5);
        EXPECT_DOUBLE_EQ(s.b[0], 1.5);
        lunghezza += std::abs(s.b[1] - s.a[1]);
    }
    EXPECT_DOUBLE_EQ(lunghezza, 2);
    EXPECT_TRUE(SegmentiIso(v, xs, ys, 5).empty());

    // A saddle: high corners (0,0) and (1,1). Centre above the level: the low
    // corners are cut off; centre below: the high ones.
    struct Caso {
        double livello;
        std::array<double, 2> angolo1, angolo2;  // the corners cut off
    } casi[] = {{0.4, {1, 0}, {0, 1}}, {0.6, {0, 0}, {1, 1}}};
    const std::vector<double> sella{1, 0, 0, 1};  // (0,0) (0,1) (1,0) (1,1)
    for (const Caso& c : casi) {
        const auto s = SegmentiIso(sella, {0, 1}, {0, 1}, c.livello);
        ASSERT_EQ(s.size(), 2u);
        for (const auto& seg : s) {
            // Both ends of each segment lie next to the same cut-off corner.
            const bool vicino1 = std::abs(seg.a[0] - c.angolo1[0]) + std::abs(seg.a[1] - c.angolo1[1]) < 1 &&
                                 std::abs(seg.b[0] - c.angolo1[0]) + std::abs(seg.b[1] - c.angolo1[1]) < 1;
            const bool vicino2 = std::abs(seg.a[0] - c.angolo2[0]) + std::abs(seg.a[1] - c.angolo2[1]) < 1 &&
                                 std::abs(seg.b[0] - c.angolo2[0]) + std::abs(seg.b[1] - c.angolo2[1]) < 1;
            EXPECT_TRUE(vicino1 || vicino2) << c.livello << " (" << seg.a[0] << "," << seg.a[1] << ")-(" << seg.b[0]
                                            << "," << seg.b[1] << ")";
        }
    }
}

}  // namespace
}  // namespace nottaro

namespace nottaro {
namespace {

TEST(RoutinePagina, ContentsListEachSectionWithItsPageBeyondFourPages) {
    struct Caso {
        std::string pagine;
        std::vector<std::pair<std::string, int>> voci;  // start of the line, page
    } casi[] = {
        {"PDVLLI",
         {{"Presentation", 1}, {"Installation Data", 2}, {"Class verification", 3},
          {"Luminance Distribution - Observer 1", 4}, {"Luminance Distribution - Observer 2", 5},
          {"Illuminance Distribution", 6}}},
        {"PDVI", {}},    // four pages: no contents
        {"DVLLI", {}},   // no presentation page to hold them
        // Many observers: one line for their pages, at the first.
        {"PDVLLLLLLI", {{"Presentation", 1}, {"Installation Data", 2}, {"Class verification", 3},
                        {"Luminance Distribution", 4}, {"Illuminance Distribution", 10}}},
    };
    for (const Caso& c : casi) {
        const auto v = IndiceProgetto(std::vector<char>(c.pagine.begin(), c.pagine.end()), 1);
        ASSERT_EQ(v.size(), c.voci.size()) << c.pagine;
        for (std::size_t k = 0; k < v.size(); ++k) {
            EXPECT_TRUE(v[k].titolo.startsWith(QString::fromStdString(c.voci[k].first))) << c.pagine << " " << k;
            EXPECT_EQ(v[k].pagina, c.voci[k].second) << c.pagine << " " << k;
        }
        if (c.pagine == "PDVLLLLLLI") {
            EXPECT_FALSE(v[3].titolo.contains(QStringLiteral("Observer")));
        }
    }
}

}  // namespace
}  // namespace nottaro
