// The PDF writer: a cancelled run leaves no document (and an earlier one
// as it was), a whole run replaces it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SupportoPdf.h"
#include "report/StampaProgetto.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

TEST(StampaPdf, CancelledRunLeavesNoDocumentAndKeepsTheEarlierOne) {
    test::CartellaTemporanea dir;
    DatiReport d;
    d.osservatori.resize(2);
    const std::string file = dir.File("r.pdf");
    int chiamate = 0;
    EsitoStampa e = StampaProgettoPdf(file, d, {}, [&](int pagina, int pagine) {
        ++chiamate;
        EXPECT_EQ(pagine, 6);
        return pagina < 3;
    });
    EXPECT_TRUE(e.annullato);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.pagine, 2);
    EXPECT_EQ(chiamate, 3);
    EXPECT_FALSE(std::filesystem::exists(file));

    std::ofstream(file) << "earlier document";
    e = StampaProgettoPdf(file, d, {}, [](int pagina, int) { return pagina < 2; });
    EXPECT_TRUE(e.annullato);
    EXPECT_EQ(test::LeggiFile(file), "earlier document");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Str()), {}), 1);  // no temporary left

    e = StampaProgettoPdf(file, d, {});
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(test::PaginePdf(file), 6);
}

}  // namespace
}  // namespace nottaro
