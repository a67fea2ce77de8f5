// Opening a solution from the browser as the designer sees it, offscreen:
// the row recomputed (CalcolaDettaglio) and the detail window built and
// painted once (TIsolum), road and path, the best of a few runs each and
// the first (fonts and styles still cold).
//   nottaro_bench_finestre [runs]
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/Scenari.h"
#include "core/interaction/Riscontro.h"
#include "engine/area/OttimizzaArea.h"
#include "engine/road/OttimizzaStrada.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "ui/isolum/TIsolum.h"
#include "ui/motore/MotoreRisultati.h"

using namespace nottaro;
using namespace nottaro::bench;

namespace {

int Misura(bool strada, int prove) {
    StatoProgetto stato = strada ? StatoStradaME3b(Ampiezza::Minima) : StatoPercorsoP2(Ampiezza::Minima);
    stato.TuttiRisultati = true;
    TabellaTemporanea tab(strada ? "NTRLUX" : "NTRLUXA");
    OpzioniOttimizza o;
    o.thread = 1;
    const RichiestaCalcolo richiesta = RichiestaDaStato(stato, strada ? TipoImpianto::Strada : TipoImpianto::Percorso, o);
    Riscontro riscontro;
    const RisultatoSweep r = strada ? OttimizzaStrada(richiesta, tab.Destinazione(), riscontro)
                                    : OttimizzaArea(richiesta, tab.Destinazione(), riscontro);
    TabellaDbf& t = tab.Tabella();
    if (!r.errore.Vuoto() || r.NRisultati < 1 || !t.VaiA(0)) {
        std::fprintf(stderr, "no solution row to open\n");
        return 1;
    }
    InterazioneMuta muta;
    double calcolo = 1e9, finestra = 1e9, totale = 1e9, prima = 0;
    for (int k = 0; k < prove; ++k) {
        StatoProgetto s = stato;
        QElapsedTimer orologio;
        orologio.start();
        ui::EsitoDettaglio d = ui::CalcolaDettaglio(t, s, muta, !strada);
        const double a = static_cast<double>(orologio.nsecsElapsed()) / 1e9;
        if (!d.ok) {
            std::fprintf(stderr, "the solution did not open: %s\n", d.errore.c_str());
            return 1;
        }
        ui::TIsolum vista(std::move(d.vista), muta);
        vista.show();
        const QPixmap pittura = vista.grab();  // one full paint
        QApplication::processEvents();
        const double b = static_cast<double>(orologio.nsecsElapsed()) / 1e9;
        calcolo = std::min(calcolo, a);
        finestra = std::min(finestra, b - a);
        totale = std::min(totale, b);
        if (k == 0) prima = b;
        if (pittura.isNull()) return 1;
    }
    std::printf("%s: row recomputed %.1f ms, detail window built and painted %.1f ms, together %.1f ms "
                "(the first time %.1f ms; target < 100 ms)\n",
                strada ? "road" : "path", calcolo * 1e3, finestra * 1e3, totale * 1e3, prima * 1e3);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int prove = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::printf("Opening a solution from the browser (best of %d)\n", prove);
    return Misura(true, prove) | Misura(false, prove);
}
