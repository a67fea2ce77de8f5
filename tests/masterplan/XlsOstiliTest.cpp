// Damaged .xls workbooks against the reader that runs the .xls library in a
// child process. The files are made here from the small real workbook
// celle.xls: one record of its Workbook stream changed (each change below
// crashed the library inside its own process: a segmentation fault or a
// double free), or its compound-file structure broken (a cut file, a loop in
// the sector chain, sizes no file has). The program must answer each with one
// message naming the file, or read it, and always live on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "masterplan/workbook/Cartella.h"
#include "support/CartellaTemporanea.h"
#include "support/Percorsi.h"

namespace nottaro::mp {
namespace {

std::uint32_t U32(const std::string& b, std::size_t p) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + p, 4);
    return v;
}
std::uint16_t U16(const std::string& b, std::size_t p) {
    std::uint16_t v = 0;
    std::memcpy(&v, b.data() + p, 2);
    return v;
}
void Metti32(std::string& b, std::size_t p, std::uint32_t v) { std::memcpy(b.data() + p, &v, 4); }

// A compound file (512-byte sectors) seen through its header: the sector
// table, the directory, and the Workbook stream's place in the file.
struct FileComposto {
    std::string byte;
    std::vector<std::uint32_t> tabella;  // the FAT: next sector of each sector
    std::size_t directory = 0;           // file offset of the directory's first sector
    std::size_t voceWorkbook = 0;        // file offset of the Workbook entry
    std::vector<std::size_t> settoriWorkbook;

    static std::size_t Inizio(std::uint32_t settore) { return 512 + std::size_t{settore} * 512; }

    explicit FileComposto(std::string b) : byte(std::move(b)) {
        const std::uint32_t settoriFat = U32(byte, 0x2C);
        for (std::uint32_t k = 0; k < settoriFat && k < 109; ++k)
            for (std::size_t i = 0; i < 128; ++i) tabella.push_back(U32(byte, Inizio(U32(byte, 0x4C + 4 * k)) + 4 * i));
        directory = Inizio(U32(byte, 0x30));
        for (std::size_t v = directory; v < directory + 512; v += 128)
            if (byte.compare(v, 16, std::string("W\0o\0r\0k\0b\0o\0o\0k\0", 16)) == 0) voceWorkbook = v;
        for (std::uint32_t s = U32(byte, voceWorkbook + 116); s < tabella.size() && settoriWorkbook.size() < 64;
             s = tabella[s])
            settoriWorkbook.push_back(s);
    }

    // File offset of byte `p` of the Workbook stream.
    std::size_t NelFile(std::size_t p) const { return Inizio(static_cast<std::uint32_t>(settoriWorkbook[p / 512])) + p % 512; }

    // Stream offset of the n-th record (0 first) of type `tipo`.
    std::size_t Record(std::uint16_t tipo, int n) const {
        const std::size_t fine = settoriWorkbook.size() * 512;
        for (std::size_t p = 0; p + 4 <= fine;) {
            const std::uint16_t t = U16(byte, NelFile(p)), l = U16(byte, NelFile(p + 2));
            if (t == tipo && n-- == 0) return p;
            if (t == 0 && l == 0) break;
            p += 4 + l;
        }
        ADD_FAILURE() << "no record 0x" << std::hex << tipo;
        return 0;
    }
    void Byte(std::size_t flusso, unsigned char v) { byte[NelFile(flusso)] = static_cast<char>(v); }
};

std::string Leggi(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

enum : std::uint16_t { Footer = 0x0015, Dimensioni = 0x0200, Numero = 0x0203, Rk = 0x027E, EtichettaSst = 0x00FD };

TEST(XlsOstili, OneChangedRecordCostsOneMessageNotTheProgram) {
    const FileComposto buono(Leggi(nottaro::test::Fixture("masterplan/celle.xls")));
    ASSERT_EQ(buono.settoriWorkbook.size(), 8u);
    struct Caso {
        const char* nome;
        std::uint16_t tipo;
        int quale;
        std::size_t byte;  // within the record, its 4-byte header included
        unsigned char valore;
    };
    const Caso casi[] = {
        {"footer-128", Footer, 0, 2, 0x80},       // a 5-byte footer claims 128 bytes
        {"footer-128-secondo", Footer, 1, 2, 0x80},  // the same in the second sheet: a double free
        {"rk-dimensioni", Rk, 0, 0, 0x00},        // an RK cell retyped as the sheet's dimensions
        {"numero-dimensioni", Numero, 0, 0, 0x00},
        {"sst-255", EtichettaSst, 3, 2, 0xFF},    // a 10-byte cell claims 255 bytes
    };
    nottaro::test::CartellaTemporanea dir;
    for (const auto& c : casi) {
        FileComposto f = buono;
        f.Byte(f.Record(c.tipo, c.quale) + c.byte, c.valore);
        const std::string nome = std::string(c.nome) + ".xls";
        std::ofstream(dir.File(nome), std::ios::binary) << f.byte;
        Cartella letta;
        std::string errore;
        EXPECT_FALSE(LeggiCartella(dir.File(nome), letta, errore)) << nome;
        EXPECT_EQ(errore, nome + ": the workbook cannot be read; save it as .xlsx");
    }
    // The unchanged file reads, so each refusal above is the change's.
    std::ofstream(dir.File("buono.xls"), std::ios::binary) << buono.byte;
    Cartella letta;
    std::string errore;
    ASSERT_TRUE(LeggiCartella(dir.File("buono.xls"), letta, errore)) << errore;
    EXPECT_EQ(letta.Fogli.size(), 2u);
}

TEST(XlsOstili, BrokenSectorChainsAndHugeSizesAreReadOrRefusedNeverFatal) {
    const FileComposto buono(Leggi(nottaro::test::Fixture("masterplan/celle.xls")));
    const std::size_t primo = buono.settoriWorkbook.front(), terzo = buono.settoriWorkbook[2];
    const std::size_t fat = FileComposto::Inizio(U32(buono.byte, 0x4C));
    struct Caso {
        const char* nome;
        std::size_t posizione;  // 32-bit field changed; ignored when taglio is set
        std::uint32_t valore;
        std::size_t taglio = 0;  // the file cut at this length
    };
    const Caso casi[] = {
        {"catena-tagliata", 0, 0, FileComposto::Inizio(static_cast<std::uint32_t>(terzo))},
        {"catena-in-cerchio", fat + 4 * terzo, static_cast<std::uint32_t>(terzo)},
        {"catena-su-se-stessa", fat + 4 * primo, static_cast<std::uint32_t>(primo)},
        {"catena-fuori-dal-file", fat + 4 * terzo, 0x00FFFFFF},
        {"flusso-enorme", buono.voceWorkbook + 120, 0xFFFFFFF0},
        {"flusso-oltre-il-file", buono.voceWorkbook + 120, 3 * 4096},
        {"tabella-enorme", 0x2C, 0x7FFFFFFF},
        {"directory-fuori", 0x30, 0x0FFFFFFF},
        {"directory-in-cerchio", buono.directory + 76, 0},  // the root's child is the root
    };
    nottaro::test::CartellaTemporanea dir;
    for (const auto& c : casi) {
        std::string b = buono.byte;
        if (c.taglio) b.resize(c.taglio);
        else Metti32(b, c.posizione, c.valore);
        const std::string nome = std::string(c.nome) + ".xls";
        std::ofstream(dir.File(nome), std::ios::binary) << b;
        Cartella letta;
        std::string errore;
        if (LeggiCartella(dir.File(nome), letta, errore)) continue;  // read as far as it goes
        EXPECT_EQ(errore.rfind(nome + ": ", 0), 0u) << errore;
    }
}

}  // namespace
}  // namespace nottaro::mp
