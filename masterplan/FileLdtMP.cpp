#include "masterplan/FileLdtMP.h"

#include <algorithm>
#include <filesystem>

#include "core/interaction/Interazione.h"
#include "core/photometry/LettoriFotometria.h"
#include "masterplan/ColonneMP.h"

namespace nottaro::mp {

namespace {

// The reader's messages kept for the rows; nobody is asked for lamp data.
class InterazioneRaccolta : public Interazione {
public:
    std::vector<std::string> avvisi;
    void Avviso(const std::string& t) override { avvisi.push_back(t); }
    bool Conferma(const std::string&) override { return false; }
    void Informazione(const std::string& t) override { avvisi.push_back(t); }
    bool ChiediDatiLampada(DatiLampada&) override { return false; }
    void Progresso(const Avanzamento&) override {}
};

}  // namespace

ArchivioLdt::ArchivioLdt(std::string cartella) : cartella_(std::move(cartella)) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(cartella_, ec))
        if (e.is_regular_file(ec)) nomi_.push_back(e.path().filename().string());
    std::sort(nomi_.begin(), nomi_.end());
}

std::vector<std::string> ArchivioLdt::Corrispondenti(const std::string& modello, const std::string& potenza,
                                                     const std::string& sorgente) const {
    const std::string inizio = Minuscolo(modello + " " + potenza + "W " + sorgente);
    std::vector<std::string> trovati;
    for (const auto& n : nomi_) {
        const std::string m = Minuscolo(n);
        if (m.size() >= inizio.size() + 4 && m.compare(0, inizio.size(), inizio) == 0 &&
            m.compare(m.size() - 4, 4, ".ldt") == 0)
            trovati.push_back(n);
    }
    return trovati;
}

void ArchivioLdt::Carica(const std::vector<std::string>& nomi) {
    for (const auto& n : nomi) {
        if (letti_.count(n)) continue;
        FileLdt f;
        f.Nome = n;
        f.Percorso = (std::filesystem::path(cartella_) / n).string();
        f.Foto = std::make_unique<Fotometria>();
        InterazioneRaccolta ui;
        const int esito = LeggiEulumdat(f.Percorso, *f.Foto, ui);
        f.Avvisi = std::move(ui.avvisi);
        f.Leggibile = esito == 0 && f.Foto->NumC() > 0 && f.Foto->NumG() > 0 && f.Foto->NumLampade > 0;
        letti_.emplace(n, std::move(f));
    }
}

const FileLdt* ArchivioLdt::File(const std::string& nome) const {
    const auto it = letti_.find(nome);
    return it == letti_.end() ? nullptr : &it->second;
}

}  // namespace nottaro::mp
