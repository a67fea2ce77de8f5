#pragma once
// Small .xlsx workbooks made by the tests: parts zipped as given, or one
// sheet of inline texts from a table of rows.
#include <gtest/gtest.h>
#include <zip.h>

#include <string>
#include <utility>
#include <vector>

#include "masterplan/workbook/Cartella.h"

namespace nottaro::mp::test {

inline void Zippa(const std::string& percorso, const std::vector<std::pair<std::string, std::string>>& parti) {
    int err = 0;
    zip_t* z = zip_open(percorso.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const auto& [nome, testo] : parti) {
        zip_source_t* s = zip_source_buffer(z, testo.data(), testo.size(), 0);
        ASSERT_GE(zip_file_add(z, nome.c_str(), s, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

inline std::string Xml(const std::string& s) {
    std::string o;
    for (char c : s) {
        if (c == '&') o += "&amp;";
        else if (c == '<') o += "&lt;";
        else if (c == '>') o += "&gt;";
        else o += c;
    }
    return o;
}

// One sheet "Foglio": righe[r][c] as inline texts at row r + 1, column c + 1.
inline void ScriviFoglio(const std::string& percorso, const std::vector<std::vector<std::string>>& righe) {
    std::string foglio = "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    for (std::size_t r = 0; r < righe.size(); ++r) {
        foglio += "<row r=\"" + std::to_string(r + 1) + "\">";
        for (std::size_t c = 0; c < righe[r].size(); ++c)
            if (!righe[r][c].empty())
                foglio += "<c r=\"" + NomeCella(static_cast<int>(r) + 1, static_cast<int>(c) + 1) +
                          "\" t=\"inlineStr\"><is><t>" + Xml(righe[r][c]) + "</t></is></c>";
        foglio += "</row>";
    }
    foglio += "</sheetData></worksheet>";
    Zippa(percorso,
          {{"xl/workbook.xml",
            "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets><sheet "
            "name=\"Foglio\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
           {"xl/_rels/workbook.xml.rels",
            "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\" Type=\"x\"/></Relationships>"},
           {"xl/worksheets/sheet1.xml", foglio}});
}

}  // namespace nottaro::mp::test
