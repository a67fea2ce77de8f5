// The diagram's geometry to the pixel: rings, labels, which planes the
// curves show and how their points are truncated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FotometrieProva.h"
#include "grafica/PuntiCurva.h"

namespace nottaro {
namespace {

using test::Angoli;

Fotometria Uniforme(const std::vector<double>& piani, double valore) {
    return test::FotometriaDa(piani, Angoli(0, 10, 19), [&](double, double) { return valore; }, 1000);
}

const Etichetta* Testo(const FiguraCurva& fig, const std::string& t) {
    for (const auto& e : fig.etichette)
        if (e.testo == t) return &e;
    return nullptr;
}

TEST(PuntiCurva, OppositePlaneOfTheMaximumWrapsRoundTheCircle) {
    const Fotometria f = Uniforme(Angoli(0, 10, 36), 100);
    struct Caso {
        int piano, opposto;
    };
    for (const Caso c : {Caso{18, 36}, Caso{19, 1}, Caso{1, 19}, Caso{36, 18}, Caso{5, 23}}) {
        DatiCurva d;
        d.IMax = 100;
        d.PianoIMax = c.piano;
        const FiguraCurva fig = PuntiCurva(250, 250, 0.3, f, d);
        ASSERT_EQ(fig.curve.size(), 6u);
        EXPECT_EQ(fig.pianiCurve[4], c.piano);
        EXPECT_EQ(fig.pianiCurve[5], c.opposto) << c.piano;
    }
}

TEST(PuntiCurva, PlanesShownAreTheNearestToC0C180C90C270) {
    struct Caso {
        std::vector<double> piani;
        std::vector<int> attesi;  // red right, red left, blue right, blue left
    };
    const Caso casi[] = {
        {Angoli(0, 15, 24), {1, 13, 7, 19}},  // even: 1, Nc div 2 + 1, Nc div 4 + 1, 3·Nc div 4 + 1
        {Angoli(0, 60, 6), {1, 4, 2, 5}},     // ties go to the first plane, as the plain indices do
        {{0, 40, 100, 180, 260, 300}, {1, 4, 3, 5}},  // uneven: C100 is nearer C90 than C40
        {{0}, {1, 1, 1, 1}},
    };
    for (const auto& c : casi) {
        const FiguraCurva fig = PuntiCurva(250, 250, 0.3, Uniforme(c.piani, 10), DatiCurva{});
        EXPECT_EQ(std::vector<int>(fig.pianiCurve, fig.pianiCurve + 4), c.attesi) << c.piani.size();
    }
}

TEST(PuntiCurva, NoGreenCurvesWhenTheTableIsDark) {
    const Fotometria f = Uniforme(Angoli(0, 90, 4), 0);
    const FiguraCurva fig = PuntiCurva(250, 250, 0.1, f, DatiCurva{});
    ASSERT_EQ(fig.curve.size(), 4u);
    EXPECT_EQ(fig.anelli.size(), 3u);
    EXPECT_EQ(fig.pianiCurve[4], 0);
}

TEST(PuntiCurva, BothHalvesTruncateTowardTheCentre) {
    // 10.7 cd/klm at zoom 1: 10 pixels whichever side or direction.
    const Fotometria f = test::FotometriaDa({0, 90, 180, 270}, {0, 90, 180}, [](double, double) { return 10.7; }, 1000);
    const FiguraCurva fig = PuntiCurva(250, 250, 1.0, f, DatiCurva{});
    const std::vector<Punto> destra = {{125, 135}, {135, 125}, {125, 115}};
    const std::vector<Punto> sinistra = {{125, 135}, {115, 125}, {125, 115}};
    EXPECT_EQ(fig.curve[0].punti, destra);
    EXPECT_EQ(fig.curve[1].punti, sinistra);
    EXPECT_EQ(fig.curve[0].colore, Rosso);
    EXPECT_EQ(fig.curve[2].colore, Blu);
}

TEST(PuntiCurva, RingsEverySixthOfTheWidthAndNoneBelowSixPixels) {
    const Fotometria f = Uniforme(Angoli(0, 90, 4), 50);
    struct Caso {
        int lato;
        std::vector<int> raggi;
    };
    for (const auto& c : {Caso{250, {41, 82, 123}}, Caso{12, {2, 4, 6}}, Caso{5, {}}, Caso{0, {}}}) {
        const FiguraCurva fig = PuntiCurva(c.lato, c.lato, 0.1, f, DatiCurva{});
        ASSERT_EQ(fig.anelli.size(), c.raggi.size()) << c.lato;
        for (std::size_t k = 0; k < c.raggi.size(); ++k) {
            ASSERT_EQ(fig.anelli[k].punti.size(), 37u);
            EXPECT_EQ(fig.anelli[k].punti[0], (Punto{c.lato / 2, c.lato / 2 + c.raggi[k]}));   // gamma 0, down
            EXPECT_EQ(fig.anelli[k].punti[9], (Punto{c.lato / 2 + c.raggi[k], c.lato / 2}));   // 90°, right
            EXPECT_EQ(fig.anelli[k].punti[18], (Punto{c.lato / 2, c.lato / 2 - c.raggi[k]}));  // 180°, up
        }
    }
}

TEST(PuntiCurva, LabelsSitWhereTheRingsAreAndNameTheirIntensity) {
    Fotometria f = Uniforme(Angoli(0, 10, 36), 50);
    DatiCurva d;
    d.IMax = 50;
    d.PianoIMax = 21;  // C200
    const FiguraCurva fig = PuntiCurva(250, 250, 0.34, f, d);
    struct Caso {
        const char* testo;
        Punto pos;
    };
    for (const Caso c : {Caso{"120 cd/klm", {127, 152}}, Caso{"244 cd/klm", {127, 194}}, Caso{"367 cd/klm", {127, 236}},
                         Caso{"180°", {115, 10}}, Caso{"0°", {105, 237}}, Caso{"70°", {235, 125 - 18 + 42}},
                         Caso{"Imax=>C=20°-200°", {160, 72}}}) {
        const Etichetta* e = Testo(fig, c.testo);
        ASSERT_NE(e, nullptr) << c.testo;
        EXPECT_EQ(e->pos, c.pos) << c.testo;
    }
}

}  // namespace
}  // namespace nottaro
