#pragma once
// The lines of a design tab's summary that name what silently shapes a run:
// the class and its standard, a tolerance other than the usual one, the lamp
// set, and a spacing kept from a loaded project with the control that frees it.
#include <QWidget>

#include "core/state/StatoProgetto.h"

class QLabel;
class QPushButton;

namespace nottaro::ui {

// The tolerance every new design starts with, % above the required average.
inline constexpr double TolleranzaAbituale = 20;

// Texts of the summary lines in the current language; empty when the line has
// nothing to say.
QString TestoClasseStrada(const StatoProgetto& s);
QString TestoNormaClasse(const StatoProgetto& s);
QString TestoTolleranza(const StatoProgetto& s, bool percorso);
QString TestoLampade(const StatoProgetto& s);
QString TestoInterdistanzaFissata(const StatoProgetto& s);

class RiepilogoProgetto : public QWidget {
    Q_OBJECT
public:
    // Object names end in "A" on the path tab, as the tab's other controls.
    RiepilogoProgetto(StatoProgetto& stato, bool percorso, QWidget* genitore = nullptr);
    // Lines and captions from the design state, in the current language.
    void Aggiorna();

signals:
    // The designer freed the spacing: the next run tries every spacing.
    void InterdistanzaLiberata();

private:
    StatoProgetto& stato_;
    const bool percorso_;
    QLabel* classe_;
    QLabel* tolleranza_;
    QLabel* lampade_;
    QLabel* interdistanza_;
    QPushButton* libera_;
};

}  // namespace nottaro::ui
