// .xlsx / .xlsm: a zip of XML parts. Only what the displayed text of a cell
// needs is read: the first-level sheets, shared strings (plain and rich),
// inline strings, numbers, booleans, the stored values of formulas, error
// values, the styles that make a number a date, and merged areas.
#include <zip.h>

#include <pugixml.hpp>

#include <cstring>
#include <memory>

#include "core/text/Testo.h"
#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp {

namespace {

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ChiudiZip>;

// The part's bytes; false when the part is absent or cannot be read.
bool LeggiParte(zip_t* z, const std::string& nome, std::string& dati) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(z, nome.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return false;
    zip_file_t* f = zip_fopen(z, nome.c_str(), 0);
    if (!f) return false;
    dati.resize(static_cast<std::size_t>(st.size));
    const zip_int64_t letti = st.size ? zip_fread(f, dati.data(), st.size) : 0;
    zip_fclose(f);
    return letti == static_cast<zip_int64_t>(st.size);
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

// Row and column of "AB12"; false when malformed.
bool Riferimento(const char* ref, int& riga, int& colonna) {
    colonna = 0;
    riga = 0;
    const char* p = ref;
    while (*p >= 'A' && *p <= 'Z') colonna = colonna * 26 + (*p++ - 'A' + 1);
    while (*p >= '0' && *p <= '9') riga = riga * 10 + (*p++ - '0');
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
    pugi::xml_document wb, rel;
    if (!LeggiParte(z.get(), "xl/workbook.xml", dati) || !wb.load_buffer(dati.data(), dati.size())) {
        errore = nome + ": no readable workbook part (xl/workbook.xml)";
        return false;
    }
    std::map<std::string, std::string> bersagli;
    if (LeggiParte(z.get(), "xl/_rels/workbook.xml.rels", dati) && rel.load_buffer(dati.data(), dati.size()))
        for (auto r : rel.child("Relationships").children("Relationship"))
            bersagli[r.attribute("Id").value()] = Cartellina("xl/", r.attribute("Target").value());

    std::vector<std::string> condivise;
    pugi::xml_document sst;
    if (LeggiParte(z.get(), "xl/sharedStrings.xml", dati) && sst.load_buffer(dati.data(), dati.size()))
        for (auto si : sst.child("sst").children("si")) condivise.push_back(TestoStringa(si));

    std::vector<Data> stili;
    pugi::xml_document sty;
    if (LeggiParte(z.get(), "xl/styles.xml", dati) && sty.load_buffer(dati.data(), dati.size())) {
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
        if (it == bersagli.end() || !LeggiParte(z.get(), it->second, dati) ||
            !doc.load_buffer(dati.data(), dati.size())) {
            errore = nome + ": worksheet \"" + foglio.Nome + "\" cannot be read";
            return false;
        }
        const auto ws = doc.child("worksheet");
        for (auto row : ws.child("sheetData").children("row")) {
            for (auto c : row.children("c")) {
                int r = 0, col = 0;
                if (!Riferimento(c.attribute("r").value(), r, col)) {
                    errore = nome + ": malformed cell reference \"" + c.attribute("r").value() + "\"";
                    return false;
                }
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
                    const std::size_t k = static_cast<std::size_t>(v.text().as_llong(-1));
                    if (k >= condivise.size()) {
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
            for (int r = r1; r <= r2; ++r)
                for (int c = c1; c <= c2; ++c)
                    if ((r != r1 || c != c1) && !foglio.Testo(r, c).empty()) foglio.Imposta(r, c, "");
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
