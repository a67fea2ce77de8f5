// The luminaire list being edited: order, changes, load, save, close and Ok,
// and what FileLista (the list the runs read) becomes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CatalogoProva.h"
#include "catalogue/ElencoLdt.h"
#include "core/i18n/Messaggi.h"
#include "core/state/StatoProgetto.h"
#include "support/CartellaTemporanea.h"
#include "support/InterazioneFinta.h"

namespace nottaro {
namespace {

using Voci = std::vector<std::string>;

std::string LeggiByte(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SceltaPercorso Dialogo(std::optional<std::string> risposta) {
    return [risposta] { return risposta; };
}
const SceltaPercorso Annulla = Dialogo(std::nullopt);

class Elenco : public ::testing::Test {
protected:
    void SetUp() override { ImpostaLinguaCatalogo(1); }
    std::unique_ptr<StatoProgetto> stato = std::make_unique<StatoProgetto>();
    test::InterazioneFinta ui;
    test::CartellaTemporanea dir;
    ElencoLdt elenco{*stato, ui};
};

TEST_F(Elenco, AListIsShownAndSavedSortedWithItsDuplicates) {
    stato->FileLista = dir.Scrivi("l.ntr", {"/l/b.ldt", "C:\\Luci\\citt\xE0.ldt", "/l/A.ldt", "/l/a.ldt", "/l/b.ldt"});
    elenco.Apri();
    EXPECT_EQ(elenco.Voci(), (Voci{"/l/A.ldt", "/l/a.ldt", "/l/b.ldt", "/l/b.ldt", "C:\\Luci\\citt\xC3\xA0.ldt"}));
    EXPECT_FALSE(elenco.Modificata());
    EXPECT_EQ(elenco.NomeLista(), "l.ntr");
    ASSERT_EQ(elenco.Salva(Dialogo(dir.File("copia"))), EsitoSalvaLista::Salvata);
    EXPECT_EQ(stato->FileLista, dir.File("copia.ntr")) << "a name without extension gets .ntr";
    EXPECT_EQ(LeggiByte(dir.File("copia.ntr")),
              "/l/A.ldt\r\n/l/a.ldt\r\n/l/b.ldt\r\n/l/b.ldt\r\nC:\\Luci\\citt\xC3\xA0.ldt\r\n");
}

TEST_F(Elenco, AddingAndRemovingMarkTheListChanged) {
    elenco.Apri();
    elenco.Aggiungi({});
    EXPECT_FALSE(elenco.Modificata());
    elenco.Aggiungi({"/d.ldt", "/c.ldt", "/b.ldt", "/a.ldt"});
    EXPECT_TRUE(elenco.Modificata());
    elenco.Elimina({3, 1, 2});  // only the first selected goes
    EXPECT_EQ(elenco.Voci(), (Voci{"/a.ldt", "/c.ldt", "/d.ldt"}));
    elenco.Elimina({});
    elenco.Elimina({7});
    EXPECT_EQ(elenco.Voci().size(), 3u);
}

TEST_F(Elenco, QuestionsBeforeALoadOrLeaving) {
    const std::string vecchia = dir.Scrivi("vecchia.ntr", {"/v.ldt"});
    const std::string nuova = dir.Scrivi("nuova.ntr", {"/n1.ldt", "/n2.ldt"});
    struct Caso {
        const char* cosa;
        bool risposta;
        SceltaPercorso salva;
        bool caricata;
        std::string fileLista;
        bool salvata;
    };
    const Caso casi[] = {
        {"No: load without saving", false, Annulla, true, nuova, false},
        {"Yes: save, then load", true, Dialogo(dir.File("salvata.ntr")), true, nuova, true},
        {"Yes, save cancelled: no load", true, Annulla, false, vecchia, false},
        {"Yes, save fails: no load", true, Dialogo(dir.File("manca/x.ntr")), false, vecchia, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        std::filesystem::remove(dir.File("salvata.ntr"));
        stato->FileLista = vecchia;
        test::InterazioneFinta domande;
        domande.risposte = {c.risposta};
        ElencoLdt e(*stato, domande);
        e.Apri();
        e.Aggiungi({"/z.ldt"});
        EXPECT_EQ(e.Carica(Dialogo(nuova), c.salva), c.caricata);
        EXPECT_EQ(domande.ContaTesto(Msg(106)), 1);
        EXPECT_EQ(stato->FileLista, c.salvata ? nuova : c.fileLista);
        EXPECT_EQ(std::filesystem::exists(dir.File("salvata.ntr")), c.salvata);
        EXPECT_EQ(e.Voci(), c.caricata ? (Voci{"/n1.ldt", "/n2.ldt"}) : (Voci{"/v.ldt", "/z.ldt"}));
        EXPECT_EQ(e.Modificata(), !c.caricata);
    }
    // Leaving: the same question with message 107; a failed save keeps the window.
    stato->FileLista = vecchia;
    test::InterazioneFinta domande;
    domande.risposte = {true, true, false};
    ElencoLdt e(*stato, domande);
    e.Apri();
    e.Aggiungi({"/z.ldt"});
    EXPECT_FALSE(e.Ok(Annulla));
    EXPECT_FALSE(e.Ok(Dialogo(dir.File("manca/x.ntr"))));
    EXPECT_TRUE(e.Ok(Annulla)) << "No leaves without saving";
    EXPECT_EQ(domande.ContaTesto(Msg(107)), 3);
    EXPECT_EQ(stato->FileLista, vecchia);
    EXPECT_EQ(LeggiByte(vecchia), "/v.ldt\r\n") << "the runs keep the file as it was";
}

TEST_F(Elenco, ACancelledOrFailedLoadChangesNothing) {
    const std::string vecchia = dir.Scrivi("vecchia.ntr", {"/v.ldt"});
    stato->FileLista = vecchia;
    elenco.Apri();
    EXPECT_FALSE(elenco.Carica(Annulla, Annulla));
    EXPECT_FALSE(elenco.Carica(Dialogo(dir.File("manca.ntr")), Annulla));
    EXPECT_EQ(elenco.Voci(), Voci{"/v.ldt"});
    EXPECT_EQ(stato->FileLista, vecchia);
    ASSERT_FALSE(ui.mostrati.empty());
    EXPECT_EQ(ui.mostrati.back().testo, Msg(1800) + "\n" + dir.File("manca.ntr")) << "the warning names the file";
    EXPECT_EQ(ui.Conta("conferma"), 0) << "an unchanged list asks nothing";
}

TEST_F(Elenco, SavingNothingOrFailingKeepsTheCurrentList) {
    const std::string vecchia = dir.Scrivi("vecchia.ntr", {"/v.ldt"});
    stato->FileLista = vecchia;
    elenco.Apri();
    elenco.Chiudi();
    EXPECT_EQ(stato->FileLista, "");
    EXPECT_TRUE(elenco.Voci().empty());
    EXPECT_EQ(elenco.Salva(Dialogo(dir.File("x.ntr"))), EsitoSalvaLista::ListaVuota);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.ntr")));
    EXPECT_TRUE(elenco.Ok(Annulla));
    EXPECT_EQ(ui.Conta("conferma"), 0);

    stato->FileLista = vecchia;
    elenco.Apri();
    elenco.Aggiungi({"/n.ldt"});
    std::filesystem::create_directories(dir.File("cartella.ntr/dentro"));
    EXPECT_EQ(elenco.Salva(Dialogo(dir.File("cartella.ntr"))), EsitoSalvaLista::Fallita);
    EXPECT_EQ(stato->FileLista, vecchia);
    EXPECT_TRUE(elenco.Modificata());
    EXPECT_EQ(ui.mostrati.back().testo, Msg(1801) + "\n" + dir.File("cartella.ntr"));
    EXPECT_EQ(elenco.Salva(Annulla), EsitoSalvaLista::Annullata);
}

TEST_F(Elenco, MissingEntriesAreCountedAndOtherMachinesPathsFound) {
    stato->DirProg = dir.File("prog");
    test::ScriviFile(dir.File("prog/ldt/strada.ldt"));
    test::ScriviFile(dir.File("liste/vicino.ldt"));
    stato->FileLista = dir.File("liste/l.ntr");
    test::ScriviFile(stato->FileLista, "C:\\Nottaro\\ldt\\Strada.ldt\r\nvicino.ldt\r\n\r\n/manca/x.ldt\r\n");
    elenco.Apri();
    ASSERT_EQ(elenco.Voci().size(), 4u);
    EXPECT_EQ(elenco.Voci()[0], "");
    EXPECT_EQ(elenco.FileVoce(0), "") << "an empty line names no file";
    EXPECT_EQ(elenco.FileVoce(1), "");
    EXPECT_EQ(elenco.FileVoce(2), dir.File("prog/ldt/strada.ldt"));
    EXPECT_EQ(elenco.FileVoce(3), dir.File("liste/vicino.ldt"));
    EXPECT_EQ(elenco.Mancanti(), 2);
}

}  // namespace
}  // namespace nottaro
