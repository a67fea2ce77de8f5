// A refused write or copy of a solution table reaches the user in the
// language the program shows, with the system's reason named in it too.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "RigheProva.h"
#include "core/i18n/Messaggi.h"
#include "store/MotivoSistema.h"
#include "store/TabellaDbf.h"
#include "support/CartellaTemporanea.h"

namespace nottaro {
namespace {

class LinguaProva {
public:
    explicit LinguaProva(int lingua) : prima_(LinguaCatalogo()) { ImpostaLinguaCatalogo(lingua); }
    ~LinguaProva() { ImpostaLinguaCatalogo(prima_); }

private:
    int prima_;
};

TEST(MessaggiTabella, WriteAndCopyRefusalsAreInTheUsersLanguage) {
    struct Caso {
        int lingua;
        const char* copia;      // the copy refusal and its reason
        const char* mancante;
        const char* larghezza;  // a value wider than its field
        const char* discoPieno;
    };
    const Caso casi[] = {
        {0, "Impossibile copiare ", "file o cartella inesistente", "non entra nel campo HPALO", "disco pieno"},
        {1, "Cannot copy ", "no such file or folder", "does not fit field HPALO", "the disk is full"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.lingua);
        const LinguaProva lingua(c.lingua);
        const test::CartellaTemporanea dir;
        TabellaDbf t;
        t.Collega(dir.Str(), "NTRLUX");
        ASSERT_TRUE(t.Svuota());
        ASSERT_TRUE(t.Apri());
        const auto largo = t.Aggiungi(test::RigaSoluzione(t.Campi(), 1, 1e12, 1));
        EXPECT_NE(largo.errore.find(c.larghezza), std::string::npos) << largo.errore;
        const auto copia = t.CopiaFile(dir.File("manca/copia.dbf"));
        EXPECT_EQ(copia.errore.rfind(c.copia, 0), 0u) << copia.errore;
        EXPECT_NE(copia.errore.find(c.mancante), std::string::npos) << copia.errore;
        EXPECT_EQ(MotivoSistema(ENOSPC), c.discoPieno);
    }
}

}  // namespace
}  // namespace nottaro
