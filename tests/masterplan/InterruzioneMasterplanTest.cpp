// Ctrl-C in the middle of `nottaro-cli masterplan`, seen from outside as a
// user sees it: the exit status, what stderr and the JSON say, and which
// files are there afterwards.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "masterplan/workbook/Cartella.h"
#include "support/CartellaTemporanea.h"
#include "support/Percorsi.h"
#include "tests/masterplan/CartelleProva.h"

extern char** environ;

namespace nottaro::mp {
namespace {

std::string Byte(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The program has its Ctrl-C handler in place (the run has begun): read from
// the process's signal mask, as any outside observer can.
bool FermataInAscolto(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string riga; std::getline(in, riga);)
        if (riga.rfind("SigCgt:", 0) == 0) return (std::stoull(riga.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
    return false;
}

TEST(InterruzioneMasterplan, CtrlCExportsTheFinishedRowsUnderAPartialNameAndHarmsNoFile) {
    nottaro::test::CartellaTemporanea dir;
    const std::vector<std::string> intestazioni = {
        "Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
        "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
        "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
        "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"};
    // Enough rows on one thread that the run is still going when Ctrl-C comes.
    constexpr int Righe = 3000;
    std::vector<std::vector<std::string>> foglio = {{"titolo"}, intestazioni};
    for (int i = 0; i < Righe; ++i)
        foglio.push_back({"P" + std::to_string(i), "Via " + std::to_string(i), "stradale", "8", "0", "ME4a", "", "", "7",
                          "", "", "", "sx", "1", "2", "", "", "sap", "70", "", "STRADA"});
    const std::string cartella = dir.File("mp.xlsx");
    test::ScriviFoglio(cartella, foglio);
    // An earlier full export: --overwrite allows replacing it with a full
    // table, never with the rows of a cut run.
    const std::string pieno = dir.File("mp-Elenco_Progetti.xlsx");
    std::ofstream(pieno, std::ios::binary) << "earlier full export";
    const std::string primaCartella = Byte(cartella);

    const std::string programma = nottaro::test::ProgrammaCli();
    const std::string ldt = nottaro::test::Sorgente("data/masterplan/ldt");
    std::vector<std::string> argomenti = {programma, "masterplan", cartella, "--ldt", ldt, "--threads", "1",
                                          "--json", "--overwrite"};
    std::vector<char*> argv;
    for (auto& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 1, dir.File("out.json").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&azioni, 2, dir.File("err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, programma.c_str(), &azioni, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&azioni);

    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!FermataInAscolto(pid) && std::chrono::steady_clock::now() < limite)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // some rows finished
    ASSERT_EQ(::kill(pid, SIGINT), 0);
    int stato = 0;
    ASSERT_EQ(::waitpid(pid, &stato, 0), pid);
    const std::string err = Byte(dir.File("err.txt"));
    ASSERT_TRUE(WIFEXITED(stato)) << "ended by a signal\n" << err;
    EXPECT_EQ(WEXITSTATUS(stato), 130) << err;

    const std::string parziale = dir.File("mp-Elenco_Progetti-parziale.xlsx");
    EXPECT_NE(err.find("interrupted: "), std::string::npos) << err;
    EXPECT_NE(err.find(parziale), std::string::npos) << err;
    const auto j = nlohmann::json::parse(Byte(dir.File("out.json")));
    EXPECT_EQ(j["interrupted"], true);
    EXPECT_EQ(j["export"], parziale);
    const std::size_t finite = j["rows"].size();
    EXPECT_LT(finite, static_cast<std::size_t>(Righe));

    // The partial export holds the finished rows under their headers; the
    // full export and the workbook are as they were.
    Cartella letta;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(parziale, letta, errore)) << errore;
    ASSERT_FALSE(letta.Fogli.empty());
    EXPECT_EQ(letta.Fogli[0].Righe.size(), finite + 1);
    EXPECT_EQ(Byte(pieno), "earlier full export");
    EXPECT_EQ(Byte(cartella), primaCartella);
}

}  // namespace
}  // namespace nottaro::mp
