// A batch row carried into the design: never as another arrangement than
// the row's.
#include <gtest/gtest.h>

#include "core/state/StatoProgetto.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/OpzioniMP.h"
#include "masterplan/progetto/StatoMasterplan.h"

namespace nottaro::mp {
namespace {

// The design has no pair of luminaires on the centre line: such a road row
// is refused with a message and the design keeps what it had.
TEST(PortaNelProgetto, ADoubleCentreRoadRowIsRefusedAndTheDesignKept) {
    RigaTabellaMP r;
    r.Dati.emplace();
    r.Dati->Req.Tipo = TipoRiga::Strada;
    r.Dati->DispPali = 5;
    r.Esito.Trattenuti = 1;
    r.Esito.Sol[0].Presente = true;
    r.Esito.Sol[0].File = "strada.ldt";
    StatoProgetto s;
    s.Inizializza();
    s.DispPali = 2;
    OpzioniMP o;
    o.Lingua = 1;
    std::string errore;
    EXPECT_FALSE(PortaRigaNelProgetto(s, r, 0, o, errore));
    EXPECT_NE(errore.find("double centre"), std::string::npos) << errore;
    EXPECT_EQ(s.DispPali, 2);
    EXPECT_FALSE(s.DaProgetto);
}

}  // namespace
}  // namespace nottaro::mp
