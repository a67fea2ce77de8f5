#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/intensity/RicercaIntensita.h"
#include "core/photometry/LettoriFotometria.h"
#include "support/InterazioneFinta.h"
#include "support/Percorsi.h"

namespace nottaro {
namespace {

using test::Fixture;
using test::InterazioneFinta;

// The EULUMDAT lines the calculation does not use are kept, so that the file
// can be written back from the record.
TEST(RecordFotometrico, KeepsWhatAnEulumdatWriterNeeds) {
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(Fixture("photometry/eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt"), f, ui), 0);
    EXPECT_EQ(f.RapportoMis, "2336");
    EXPECT_EQ(f.FileInterno, "sample_03.LDT");
    EXPECT_EQ(f.AltLum, (std::array<double, 4>{51, 0, 51, 0}));
    ASSERT_EQ(f.NumLampade, 2);
    EXPECT_EQ(f.LampadePerSet[0], 1);
    EXPECT_EQ(f.LampadePerSet[1], 1);
    EXPECT_EQ(f.RappDiretti,
              (std::array<double, NumRappDiretti>{0.286, 0.36406, 0.42499, 0.4993, 0.5465, 0.60623, 0.65391, 0.69278,
                                                  0.72321, 0.75006}));
}

// Each read sizes the table to its own file, whatever the record held before,
// and clears the mark an edit leaves.
TEST(RecordFotometrico, EveryReadSizesTheTableToItsFileAndClearsTheEditMark) {
    struct Caso { const char* file; int numC, numG; };
    const Caso casi[] = {
        {"eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt", 72, 181},
        {"ies2002_one_plane.ies", 24, 3},
        {"eulumdat-analysis_sample_03_two_lamp_sets_isym4.ldt", 144, 73},
        {"ldt_decimal_comma_isym1.ldt", 4, 3},
    };
    Fotometria f;
    for (const auto& k : casi) {
        SCOPED_TRACE(k.file);
        f.Modificata = true;
        InterazioneFinta ui;
        ASSERT_EQ(LeggiFotometria(Fixture(std::string("photometry/") + k.file), f, ui), 0);
        EXPECT_FALSE(f.Modificata);
        EXPECT_EQ(f.NumC(), k.numC);
        EXPECT_EQ(f.NumG(), k.numG);
        EXPECT_EQ(f.Intens.AngoliC().size(), static_cast<std::size_t>(f.NumC()));
        EXPECT_EQ(f.Intens.AngoliG().size(), static_cast<std::size_t>(f.NumG()));
        EXPECT_EQ(f.Intens.Valori().size(), static_cast<std::size_t>(f.NumC()) * f.NumG());
        // Plane after plane: plane i's intensities are the i-th run of NumG values.
        const int i = f.NumC(), j = f.NumG();
        EXPECT_EQ(f.Intens.Piano(i)[static_cast<std::size_t>(j - 1)], f.Intens.Valori().back());
        EXPECT_EQ(f.Intens.Valore(i, j), f.Intens.Valori().back());
    }
}

// The indexed form is built once per record and shared by every lookup; a
// change to the table drops it, so no lookup reads a stale table.
TEST(RecordFotometrico, IndexedFormIsSharedUntilTheTableChanges) {
    Fotometria f;
    InterazioneFinta ui;
    ASSERT_EQ(LeggiEulumdat(Fixture("photometry/ldt_decimal_comma_isym1.ldt"), f, ui), 0);
    const auto prima = f.Intens.Indice();
    EXPECT_EQ(f.Intens.Indice(), prima);
    const Fotometria copia = f;
    EXPECT_EQ(copia.Intens.Indice(), prima);

    ContestoCalcolo ctx;
    const RicercaIntensita ricerca(f, 0);
    const double nadir = f.Intens.Valore(1, 1) * f.FlussoLamp[0] / 1000;
    EXPECT_DOUBLE_EQ(ricerca(ctx, 0, 0), nadir);

    for (int i = 1; i <= f.NumC(); ++i) f.Intens.ImpostaValore(i, 1, 2 * f.Intens.Valore(i, 1));
    EXPECT_NE(f.Intens.Indice(), prima);
    EXPECT_DOUBLE_EQ(RicercaIntensita(f, 0)(ctx, 0, 0), 2 * nadir);
    EXPECT_DOUBLE_EQ(RicercaIntensita(copia, 0)(ctx, 0, 0), nadir);  // the copy keeps its own table
    EXPECT_FALSE(ctx.ErrCalcolo);
}

}  // namespace
}  // namespace nottaro
