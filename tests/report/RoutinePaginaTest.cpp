// The page arithmetic the report relies on: millimetres to device units,
// picture fitting, word wrapping, the report's number rules, the page plan
// of a run and the rows per list page.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "report/ElencoSoluzioni.h"
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
