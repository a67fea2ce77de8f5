#pragma once
// A Masterplan base folder for window tests: the sample photometry of
// data/masterplan/ldt copied into a temporary folder, and project workbooks
// written there from rows in the header order of Intestazioni.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "masterplan/workbook/EsportaLista.h"

namespace nottaro::test {

using RigaProva = std::vector<std::string>;

inline const RigaProva& IntestazioniProva() {
    static const RigaProva h = {
        "Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
        "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
        "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
        "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"};
    return h;
}

// Rows of the sample, by identifier, in the header order above.
inline RigaProva StradaProva(const std::string& id, const std::string& via, const std::string& interdistanza = "",
                             const std::string& corsie = "1", const std::string& sensi = "2") {
    return {id, via, "stradale", "8", "0.5", "ME4a", "2", "marciapiede", "7", "marciapiede", "1.5", "", "sx",
            corsie, sensi, std::string("foto-") + id, "Asse", "sap", "70", interdistanza, "STRADA"};
}
inline RigaProva PercorsoProva(const std::string& id, const std::string& via, const std::string& classe = "P2") {
    return {id, via, "ciclabile", "5", "0", classe, "", "", "3", "", "", "", "sx", "1", "2", "", "", "led", "40", "",
            "PARCO"};
}
inline RigaProva RotatoriaProva(const std::string& id) {
    return {id, "Rotonda", "rotatoria", "10", "5", "CE3", "", "", "7", "", "", "", "", "2", "1", "", "", "led", "100",
            "6", "ANELLO"};
}

struct CartellaMasterplan {
    QTemporaryDir dir;
    std::string ldt;

    CartellaMasterplan() {
        const QString da = QStringLiteral(NOTTARO_SOURCE_DIR "/data/masterplan/ldt");
        QDir().mkpath(dir.filePath(QStringLiteral("ldt")));
        for (const QString& f : QDir(da).entryList({QStringLiteral("*.ldt")}, QDir::Files))
            QFile::copy(da + QLatin1Char('/') + f, dir.filePath(QStringLiteral("ldt/") + f));
        ldt = dir.filePath(QStringLiteral("ldt")).toStdString();
    }
    std::string Percorso(const char* nome) const { return dir.filePath(QLatin1String(nome)).toStdString(); }

    // A workbook: the headers in row 2, the rows from row 3 (row 1 holds the
    // result table's headers, a title as far as the batch is concerned).
    std::string Cartella(const std::vector<RigaProva>& righe, const char* nome = "piano.xlsx",
                         const RigaProva& intestazioni = IntestazioniProva()) const {
        std::vector<mp::CelleRiga> celle(1);
        auto copia = [](const RigaProva& r, mp::CelleRiga& c) {
            for (std::size_t k = 0; k < r.size() && k < c.size(); ++k) c[k] = r[k];
        };
        copia(intestazioni, celle[0]);
        for (const auto& r : righe) copia(r, celle.emplace_back());
        std::string errore;
        const std::string p = Percorso(nome);
        mp::EsportaLista(celle, p, errore);
        return p;
    }
};

}  // namespace nottaro::test
