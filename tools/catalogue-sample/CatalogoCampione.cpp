// catalogue-sample FIXTURES OUT [CSV]
// Writes a sample luminaire catalogue into the program folder OUT: the
// photometric files named in the CSV copied from FIXTURES into OUT/ldt, a row
// of OUT/lightlist.dbf per lamp set with the values the EULUMDAT reader finds
// in the file, the maker and model lists NTRProd0/1/2.dat, and OUT/img with
// each luminaire's polar diagram and the placeholder ND.jpg. The product line,
// mountings, lamp kind and model come from the CSV (Nottaro's own
// classification); what no file carries (IP, materials, certifications) stays
// empty. Exit 1, naming the file, when a file cannot be read without a
// warning or a lamp data prompt, or a name does not fit its field.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CampiCatalogo.h"
#include "core/files/ListaFile.h"
#include "core/interaction/Interazione.h"
#include "core/photometry/LettoriFotometria.h"
#include "core/photometry/MisuraCurva.h"
#include "core/text/Testo.h"
#include "grafica/DisegnaCurva.h"
#include "store/TabellaDbf.h"

namespace {

namespace fs = std::filesystem;
using namespace nottaro;
using campione::NumeroInCampo;
using campione::SeEntra;
using campione::TestoInCampo;

// Anything the reader says, or a prompt it needs, makes the file unfit.
class InterazioneSevera : public Interazione {
public:
    void Avviso(const std::string& t) override { detti.push_back(t); }
    bool Conferma(const std::string& t) override {
        detti.push_back(t);
        return false;
    }
    void Informazione(const std::string& t) override { detti.push_back(t); }
    bool ChiediDatiLampada(DatiLampada&) override {
        detti.push_back("lamp data prompt");
        return false;
    }
    void Progresso(const Avanzamento&) override {}
    std::vector<std::string> detti;
};

struct VoceCsv {
    std::string fixture, nomeFile, linea, testapalo, sbraccio, sospensione, lampada, modello, fileFoto;
};

std::vector<std::string> Dividi(const std::string& riga) {
    std::vector<std::string> c;
    std::stringstream ss(riga);
    for (std::string x; std::getline(ss, x, ';');) c.push_back(Trim(x));
    if (!riga.empty() && riga.back() == ';') c.emplace_back();
    return c;
}

bool LeggiCsv(const std::string& percorso, std::vector<VoceCsv>& voci) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) return false;
    std::string riga;
    for (bool prima = true; LeggiRiga(in, riga); prima = false) {
        if (prima || Trim(riga).empty()) continue;
        const auto c = Dividi(riga);
        if (c.size() != 9) {
            std::cerr << percorso << ": 9 fields expected in \"" << riga << "\"\n";
            return false;
        }
        voci.push_back({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]});
    }
    return true;
}

// The polar diagram on a white ground, wider than tall so that the catalogue
// window fits it by width.
bool ScriviDiagramma(const Fotometria& f, const std::string& percorso) {
    constexpr int W = 320, H = 240;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const DatiCurva d = MisuraCurva(f);
    p.translate((W - H) / 2, 0);
    DisegnaCurva(p, H, H, ZoomIniziale(d.RaggioCurva, H * 3 / 4).zoom, f, d);
    p.end();
    return img.save(QString::fromStdString(percorso), "JPG", 90);
}

// The placeholder of a luminaire without picture: a plain grey tile.
bool ScriviSegnaposto(const std::string& percorso) {
    QImage img(120, 120, QImage::Format_RGB32);
    img.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter p(&img);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(0, 0, 119, 119);
    p.drawLine(0, 0, 119, 119);
    p.drawLine(0, 119, 119, 0);
    p.end();
    return img.save(QString::fromStdString(percorso), "JPG", 90);
}

int Errore(const std::string& t) {
    std::cerr << "catalogue-sample: " << t << "\n";
    return 1;
}

int Esegui(const std::string& fixture, const std::string& uscita, const std::string& csv) {
    std::vector<VoceCsv> voci;
    if (!LeggiCsv(csv, voci)) return Errore("cannot read " + csv);
    fs::create_directories(fs::path(uscita) / "ldt");
    fs::create_directories(fs::path(uscita) / "img");

    const Layout& layout = LayoutLightlist();
    std::vector<std::map<std::string, ValoreCampo>> righe;
    std::set<std::string> produttori, modelli;
    std::map<std::string, std::string> nomiProduttori;
    for (const VoceCsv& v : voci) {
        const std::string origine = (fs::path(fixture) / v.fixture).string();
        auto f = std::make_unique<Fotometria>();
        InterazioneSevera ui;
        if (LeggiFotometria(origine, *f, ui) != 0 || !ui.detti.empty())
            return Errore(origine + " is not read cleanly" + (ui.detti.empty() ? "" : ": " + ui.detti.front()));
        if (v.nomeFile.size() > 60 || v.fileFoto.size() > 20) return Errore(v.nomeFile + ": a name longer than its field");
        std::error_code ec;
        fs::copy_file(origine, fs::path(uscita) / "ldt" / v.nomeFile, fs::copy_options::overwrite_existing, ec);
        if (ec) return Errore("cannot copy " + origine + ": " + ec.message());
        if (!v.fileFoto.empty() && !ScriviDiagramma(*f, (fs::path(uscita) / "img" / v.fileFoto).string()))
            return Errore("cannot write the picture " + v.fileFoto);

        const std::string produttore = campione::Produttore(f->DittaLdt, 25);
        produttori.insert(produttore);
        modelli.insert(v.modello);
        // The display line is the file's whole identification, which holds the maker's name.
        nomiProduttori[produttore] = Trim(f->DittaLdt);
        std::set<double> flussi;
        for (int l = 0; l < f->NumLampade; ++l) {
            const auto k = static_cast<std::size_t>(l);
            // A pick finds its lamp set by flux: a set with the flux of an
            // earlier one could never be loaded from its row.
            if (!flussi.insert(f->FlussoLamp[k]).second) {
                std::cerr << v.fixture << ": lamp set " << l + 1 << " has the flux of an earlier set, left out\n";
                continue;
            }
            std::map<std::string, ValoreCampo> r;
            r["PRODUTTORE"] = produttore;
            r["LINEA"] = v.linea;
            r["MODELLO"] = v.modello;
            r["NOMEAPP"] = TestoInCampo(f->NomeApp, 75);
            r["NUMAPP"] = TestoInCampo(f->NumApp, 40);
            r["NOMEFILE"] = v.nomeFile;
            r["DFF"] = NumeroInCampo(f->DFF, 5);
            r["LORL"] = NumeroInCampo(f->LORL, 5);
            r["LAMPADA"] = v.lampada;
            r["TIPOLAMP"] = TestoInCampo(f->TipoLamp[k], 25);
            r["LUMEN"] = NumeroInCampo(f->FlussoLamp[k], 6);
            r["RESAC"] = SeEntra(f->ResaLamp[k], 4);
            r["COLORELAMP"] = SeEntra(f->ColoreLamp[k], 2);
            r["POTENZAR"] = std::round(f->PotLamp[k]);
            r["POTENZA"] = NumeroInCampo(f->PotLamp[k], 5);
            r["FILEFOTO"] = v.fileFoto;
            r["TESTAPALO"] = v.testapalo;
            r["SBRACCIO"] = v.sbraccio;
            r["SOSPENSION"] = v.sospensione;
            righe.push_back(std::move(r));
        }
    }

    TabellaDbf t;
    t.Collega(uscita, "lightlist");
    if (EsitoTabella e = t.Crea(); !e) return Errore(e.errore);
    if (EsitoTabella e = t.Apri(); !e) return Errore(e.errore);
    for (const auto& r : righe) {
        std::vector<ValoreCampo> valori;
        for (const DefinizioneCampo& c : layout) {
            const auto it = r.find(c.nome);
            valori.push_back(it == r.end() ? ValoreCampo(std::string()) : it->second);
        }
        if (EsitoTabella e = t.Aggiungi(valori); !e) return Errore(e.errore);
    }
    t.Chiudi();

    // The maker and model lists start with the empty entry that stands for
    // "no filter"; the display lines carry the file's full identification.
    std::vector<std::string> p0{""}, p1{""}, p2;
    p0.insert(p0.end(), produttori.begin(), produttori.end());
    p1.insert(p1.end(), modelli.begin(), modelli.end());
    for (const auto& [p, linea] : nomiProduttori) p2.push_back(linea);
    std::string errore;
    for (const auto& [nome, righeFile] :
         {std::pair{"NTRProd0.dat", p0}, std::pair{"NTRProd1.dat", p1}, std::pair{"NTRProd2.dat", p2}})
        if (!ScriviListaNtr((fs::path(uscita) / nome).string(), righeFile, errore)) return Errore(errore);
    if (!ScriviSegnaposto((fs::path(uscita) / "img" / "ND.jpg").string())) return Errore("cannot write ND.jpg");
    std::cout << righe.size() << " rows from " << voci.size() << " files written to " << uscita << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: catalogue-sample FIXTURES OUT [CSV]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return Esegui(argv[1], argv[2], argc == 4 ? argv[3] : NOTTARO_CAMPIONE_CSV);
}
