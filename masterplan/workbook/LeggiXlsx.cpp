// .xlsx / .xlsm: a zip of XML parts. Only what the displayed text of a cell
// needs is read: the first-level sheets, shared strings (plain and rich),
// inline strings, numbers, booleans, the stored values of formulas, error
// values, the styles that make a number a date, and merged areas.
#include <zip.h>

#include <pugixml.hpp>

#include <cstring>
#include <iterator>
#include <memory>

#include "core/text/Testo.h"
#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

namespace {

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ChiudiZip>;

enum class Parte { Letta, Assente, TroppoGrande };

// The part's bytes, read in blocks and never beyond MaxByteParte whatever
// size the archive declares: a few hundred kilobytes can inflate to
// gigabytes.
Parte LeggiParte(zip_t* z, const std::string& nome, std::string& dati) {
    dati.clear();
    zip_file_t* f = zip_fopen(z, nome.c_str(), 0);
    if (!f) return Parte::Assente;
    char blocco[1 << 16];
    for (;;) {
        const zip_int64_t n = zip_fread(f, blocco, sizeof blocco);
        if (n < 0) {
            zip_fclose(f);
            dati.clear();
            return Parte::Assente;
        }
        if (n == 0) break;
        if (dati.size() + static_cast<std::size_t>(n) > MaxByteParte) {
            zip_fclose(f);
            dati.clear();
            return Parte::TroppoGrande;
        }
        dati.append(blocco, static_cast<std::size_t>(n));
    }
    zip_fclose(f);
    return Parte::Letta;
}

// Text of a string item: <t> alone or the <t> of every rich run.
std::string TestoStringa(const pugi::xml_node& si) {
    std::string s;
    for (auto n : si.children()) {
        if (std::strcmp(n.name(), "t") == 0) s += n.text().get();
        else if (std::strcmp(n.name(), "r") == 0) s += n.child("t").text().get();
    }
    return s;
}

// Row and column of "AB12"; false when malformed or beyond the sheet
// (column XFD, row 1,048,576), so the numbers never overflow.
bool Riferimento(const char* ref, int& riga, int& colonna) {
    colonna = 0;
    riga = 0;
    const char* p = ref;
    while (*p >= 'A' && *p <= 'Z') {
        colonna = colonna * 26 + (*p++ - 'A' + 1);
        if (colonna > MaxColonne) return false;
    }
    while (*p >= '0' && *p <= '9') {
        riga = riga * 10 + (*p++ - '0');
        if (riga > MaxRighe) return false;
    }
    return *p == 0 && riga > 0 && colonna > 0;
}

enum class Data { No, Giorno, GiornoOra, Ora };

// Kind of date a number format shows, by its code: y, m, d, h, s outside
// quotes, brackets (colours, conditions) and escaped characters.
Data TipoFormato(const std::string& codice) {
    bool giorno = false, ora = false, tra = false;
    for (std::size_t i = 0; i < codice.size(); ++i) {
        const char c = codice[i];
        if (c == '"') tra = !tra;
        else if (tra) continue;
        else if (c == '\\' || c == '_' || c == '*') ++i;
        else if (c == '[') {
            const std::size_t fine = codice.find(']', i);
            const std::string dentro = codice.substr(i + 1, fine == std::string::npos ? 0 : fine - i - 1);
            if (!dentro.empty() && (dentro[0] == 'h' || dentro[0] == 'm' || dentro[0] == 's')) ora = true;
            if (fine == std::string::npos) break;
            i = fine;
        } else if (c == 'y' || c == 'Y' || c == 'd' || c == 'D') giorno = true;
        else if (c == 'h' || c == 'H' || c == 's' || c == 'S') ora = true;
        else if (c == 'm' || c == 'M') giorno = true;  // month unless beside hours, which also set ora
    }
    if (giorno && ora) {
        // "h:mm:ss" has m beside hours only.
        bool annoOGiorno = false;
        tra = false;
        for (char c : codice) {
            if (c == '"') tra = !tra;
            else if (!tra && (c == 'y' || c == 'Y' || c == 'd' || c == 'D')) annoOGiorno = true;
        }
        return annoOGiorno ? Data::GiornoOra : Data::Ora;
    }
    if (giorno) return Data::Giorno;
    if (ora) return Data::Ora;
    return Data::No;
}

Data TipoFormatoIncorporato(int id) {
    if (id >= 14 && id <= 17) return Data::Giorno;
    if (id == 22) return Data::GiornoOra;
    if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47)) return Data::Ora;
    return Data::No;
}

std::string Cartellina(const std::string& base, const std::string& obiettivo) {
    if (!obiettivo.empty() && obiettivo[0] == '/') return obiettivo.substr(1);
    return base + obiettivo;
}

}  // namespace

bool LeggiXlsx(const std::string& percorso, Cartella& cartella, std::string& errore) {
    const std::string nome = NomeFile(percorso);
    errore.clear();
    int codice = 0;
    Zip z(zip_open(percorso.c_str(), ZIP_RDONLY, &codice));
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, codice);
        errore = nome + ": " + zip_error_strerror(&e);
        zip_error_fini(&e);
        return false;
    }
    std::string dati;
    // A part above the cap ends the read naming it; an absent optional part
    // is simply not there.
    auto leggi = [&](const std::string& parte) {
        const Parte p = LeggiParte(z.get(), parte, dati);
        if (p == Parte::TroppoGrande)
            errore = nome + ": the part " + parte + " is larger than " + std::to_string(MaxByteParte >> 20) +
                     " MB once unpacked; the workbook is not read";
        return p == Parte::Letta;
    };
    pugi::xml_document wb, rel;
    if (!leggi("xl/workbook.xml") || !wb.load_buffer(dati.data(), dati.size())) {
        if (errore.empty()) errore = nome + ": no readable workbook part (xl/workbook.xml)";
        return false;
    }
    std::map<std::string, std::string> bersagli;
    if (leggi("xl/_rels/workbook.xml.rels") && rel.load_buffer(dati.data(), dati.size()))
        for (auto r : rel.child("Relationships").children("Relationship"))
            bersagli[r.attribute("Id").value()] = Cartellina("xl/", r.attribute("Target").value());

    std::vector<std::string> condivise;
    pugi::xml_document sst;
    std::size_t byteCondivise = 0;
    if (leggi("xl/sharedStrings.xml") && sst.load_buffer(dati.data(), dati.size()))
        for (auto si : sst.child("sst").children("si")) {
            condivise.push_back(TestoStringa(si));
            // Rich runs can repeat one text many times over: the strings
            // together are held to the part cap too.
            byteCondivise += condivise.back().size() + sizeof(std::string);
            if (byteCondivise > MaxByteParte) {
                errore = nome + ": the shared strings take more than " + std::to_string(MaxByteParte >> 20) +
                         " MB; the workbook is not read";
                return false;
            }
        }
    if (!errore.empty()) return false;

    std::vector<Data> stili;
    pugi::xml_document sty;
    if (leggi("xl/styles.xml") && sty.load_buffer(dati.data(), dati.size())) {
        std::map<int, Data> formati;
        for (auto f : sty.child("styleSheet").child("numFmts").children("numFmt"))
            formati[f.attribute("numFmtId").as_int()] = TipoFormato(f.attribute("formatCode").value());
        for (auto xf : sty.child("styleSheet").child("cellXfs").children("xf")) {
            const int id = xf.attribute("numFmtId").as_int();
            const auto it = formati.find(id);
            stili.push_back(it != formati.end() ? it->second : TipoFormatoIncorporato(id));
        }
    }

    for (auto s : wb.child("workbook").child("sheets").children("sheet")) {
        Foglio foglio;
        foglio.Nome = s.attribute("name").value();
        const auto it = bersagli.find(s.attribute("r:id").value());
        pugi::xml_document doc;
        if (it == bersagli.end() || !leggi(it->second) || !doc.load_buffer(dati.data(), dati.size())) {
            if (errore.empty()) errore = nome + ": worksheet \"" + foglio.Nome + "\" cannot be read";
            return false;
        }
        const auto ws = doc.child("worksheet");
        int rigaPrecedente = 0;
        for (auto row : ws.child("sheetData").children("row")) {
            // Rows and cells may leave out their reference: they then follow
            // the one before.
            int rigaRow = rigaPrecedente + 1;
            if (const auto attr = row.attribute("r")) {
                const auto n = ConvertiIntero(attr.value());
                if (!n || *n < 1 || *n > MaxRighe) {
                    errore = nome + ": row number \"" + attr.value() + "\" is outside the sheet (1 to 1048576)";
                    return false;
                }
                rigaRow = *n;
            }
            if (rigaRow > MaxRighe) {
                errore = nome + ": more rows than a sheet holds";
                return false;
            }
            rigaPrecedente = rigaRow;
            int colPrecedente = 0;
            for (auto c : row.children("c")) {
                int r = rigaRow, col = colPrecedente + 1;
                if (const auto attr = c.attribute("r")) {
                    if (!Riferimento(attr.value(), r, col)) {
                        errore = nome + ": cell reference \"" + attr.value() +
                                 "\" is malformed or outside the sheet (A1 to XFD1048576)";
                        return false;
                    }
                } else if (col > MaxColonne) {
                    errore = nome + ": row " + std::to_string(r) + " has more cells than a sheet holds";
                    return false;
                }
                colPrecedente = col;
                const std::string t = c.attribute("t").value();
                const auto v = c.child("v");
                std::string testo;
                if (t == "inlineStr") {
                    testo = TestoStringa(c.child("is"));
                } else if (!v) {
                    if (c.child("f"))
                        cartella.Avvisi.push_back(foglio.Nome + "!" + NomeCella(r, col) +
                                                  ": formula without a stored value, read as empty");
                } else if (t == "s") {
                    const auto indice = ConvertiIntero(v.text().get());
                    if (!indice) {
                        errore = nome + ": cell " + NomeCella(r, col) + " has a shared-string index that is not a number";
                        return false;
                    }
                    const std::size_t k = static_cast<std::size_t>(*indice);
                    if (*indice < 0 || k >= condivise.size()) {
                        errore = nome + ": cell " + NomeCella(r, col) + " names a missing shared string";
                        return false;
                    }
                    testo = condivise[k];
                } else if (t == "str" || t == "e") {
                    testo = v.text().get();
                } else if (t == "d") {
                    // An ISO 8601 date cell: the day alone when it carries no time.
                    testo = v.text().get();
                    if (testo.size() > 10 && testo.compare(10, std::string::npos, "T00:00:00") == 0) testo.resize(10);
                } else if (t == "b") {
                    // As the .xls reader gives them: 1 and 0.
                    testo = std::strcmp(v.text().get(), "1") == 0 ? "1" : "0";
                } else {
                    const auto x = ConvertiReale(v.text().get());
                    if (!x) {
                        errore = nome + ": cell " + NomeCella(r, col) + " holds no number";
                        return false;
                    }
                    const std::size_t st = static_cast<std::size_t>(c.attribute("s").as_int(0));
                    const Data d = st < stili.size() ? stili[st] : Data::No;
                    testo = d == Data::No ? FormatoGenerale(*x) : TestoData(*x, d == Data::GiornoOra, d == Data::Ora);
                }
                if (!testo.empty()) foglio.Imposta(r, col, std::move(testo));
            }
        }
        // A merged area shows its text in the top-left cell only.
        for (auto m : ws.child("mergeCells").children("mergeCell")) {
            const std::string ref = m.attribute("ref").value();
            const auto due = ref.find(':');
            int r1, c1, r2, c2;
            if (due == std::string::npos || !Riferimento(ref.substr(0, due).c_str(), r1, c1) ||
                !Riferimento(ref.substr(due + 1).c_str(), r2, c2))
                continue;
            // Only the cells present inside the area are visited: a merge of
            // the whole sheet costs the cells it holds, not 17 billion.
            for (auto riga = foglio.Righe.lower_bound(r1); riga != foglio.Righe.end() && riga->first <= r2;) {
                auto& celle = riga->second;
                for (auto cella = celle.lower_bound(c1); cella != celle.end() && cella->first <= c2;) {
                    if (riga->first != r1 || cella->first != c1) cella = celle.erase(cella);
                    else ++cella;
                }
                riga = celle.empty() ? foglio.Righe.erase(riga) : std::next(riga);
            }
        }
        cartella.Fogli.push_back(std::move(foglio));
    }
    if (cartella.Fogli.empty()) {
        errore = nome + ": the workbook has no worksheet";
        return false;
    }
    return true;
}

}  // namespace nottaro::mp
