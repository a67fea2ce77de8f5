#pragma once
// The projects last opened or saved, newest first, kept in the program folder
// (ntr-recenti.cfg, one full path a line, UTF-8) so the File menu offers them
// again at the next start.
#include <QString>
#include <QStringList>

namespace nottaro::ui {

inline constexpr int MaxProgettiRecenti = 5;

class ProgettiRecenti {
public:
    explicit ProgettiRecenti(const QString& cartellaProgramma);
    // The remembered projects that still exist, newest first.
    QStringList Elenco() const;
    // `file` becomes the newest; the oldest beyond the last five is forgotten.
    // A folder that cannot be written only loses the list.
    void Aggiungi(const QString& file);

private:
    QStringList Letti() const;
    QString percorso_;
};

}  // namespace nottaro::ui
