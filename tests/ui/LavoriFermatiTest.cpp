// Every long job stops through its one feedback object: the job runs on a
// thread of its own, and the stop request comes from another thread (this
// one) once the job has reported progress. Each kind must end early, say so
// in its result, and keep no more than it finished.
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "CartellaMasterplan.h"
#include "ProgettiProva.h"
#include "SupportoUi.h"
#include "masterplan/CalcolaMasterplan.h"
#include "masterplan/workbook/Cartella.h"
#include "ui/motore/MotoreFinestre.h"
#include "ui/motore/MotoreMasterplan.h"
#include "ui/motore/MotoreStampa.h"

using namespace nottaro;
using namespace nottaro::ui;

namespace {

// What one kind of job needs: `prepara` builds its request (untimed), and
// the job it returns runs it and tells whether the result says it stopped.
using Lavoro = std::function<bool(Riscontro&)>;

struct Banco {
    QTemporaryDir dir;
    test::CartellaMasterplan base;
    std::shared_ptr<mp::Cartella> cartella = std::make_shared<mp::Cartella>();
    mp::MappaColonne mappa;
    mp::EsitoVerifica verifica;
    mp::OpzioniMP opzioni;

    // A workbook of `n` road rows, read and checked.
    bool Masterplan(int n) {
        std::vector<test::RigaProva> righe;
        for (int k = 0; k < n; ++k) righe.push_back(test::StradaProva(std::to_string(k), "Via"));
        std::string errore;
        if (!mp::LeggiCartella(base.Cartella(righe), *cartella, errore)) return false;
        mappa = mp::MappaColonneMP(cartella->Fogli.front());
        verifica = mp::VerificaDati(cartella->Fogli.front(), mappa, false, 1);
        opzioni.DirLdtMaster = base.ldt;
        return true;
    }
    std::shared_ptr<const mp::Foglio> Foglio() const {
        return std::shared_ptr<const mp::Foglio>(cartella, &cartella->Fogli.front());
    }
    mp::RisultatoMP Tabella() const {
        return mp::CalcolaMasterplan(cartella->Fogli.front(), mappa, verifica.Corretti, opzioni, 2);
    }
    std::unique_ptr<QPrinter> Stampante(const char* nome) const {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(dir.filePath(QLatin1String(nome)));
        return p;
    }
};

// Waits, without sleeping, for the job to report work done.
bool AttendiLavoro(const Riscontro& r) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (r.UltimoProgresso().fatti < 1) {
        if (std::chrono::steady_clock::now() > limite) return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace

class LavoriFermatiTest : public QObject {
    Q_OBJECT
private slots:
    void FermatoDaUnAltroThread_data() {
        QTest::addColumn<QString>("tipo");
        for (const char* t : {"sweep", "verifica masterplan", "corsa masterplan",
                              "revisione masterplan", "stampa report", "stampa elenco", "stampa masterplan",
                              "tabelle fotometriche"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void FermatoDaUnAltroThread() {
        QFETCH(QString, tipo);
        Banco b;
        Lavoro lavoro;
        std::unique_ptr<QPrinter> stampante;
        std::size_t righeMP = 0;  // rows of the Masterplan jobs
        if (tipo == QLatin1String("sweep")) {
            StatoProgetto s;
            QVERIFY(test::CaricaProgettoProva(s, "strada.nt0", b.dir));
            // Every height, overhang and tilt: a long run.
            s.HPalo = 0;
            s.Sbraccio = 99;
            s.Inclina = 99;
            RichiestaOttimizza r;
            r.stato = std::make_shared<const StatoProgetto>(s);
            r.cartella = s.DirProg;
            r.thread = 2;
            lavoro = [r](Riscontro& x) {
                const EsitoOttimizza e = EseguiOttimizzazione(r, x);
                return e.risultato.interrotto && e.risultato.candidati < e.risultato.totale;
            };
        } else if (tipo == QLatin1String("verifica masterplan")) {
            QVERIFY(b.Masterplan(4000));
            RichiestaVerificaMasterplan r{b.Foglio(), b.mappa, false, 1};
            lavoro = [r](Riscontro& x) {
                const mp::EsitoVerifica v = EseguiVerificaMasterplan(r, x);
                return v.Interrotta && v.Esaminate < 4000;
            };
        } else if (tipo == QLatin1String("corsa masterplan") || tipo == QLatin1String("revisione masterplan")) {
            righeMP = 150;
            QVERIFY(b.Masterplan(static_cast<int>(righeMP)));
            RichiestaMasterplan r;
            r.foglio = b.Foglio();
            r.mappa = b.mappa;
            r.correzioni = b.verifica.Corretti;
            r.opzioni = b.opzioni;
            r.thread = 2;
            if (tipo.startsWith(QLatin1String("revisione"))) {
                r.tipo = RichiestaMasterplan::Tipo::Revisione;
                r.tabella = b.Tabella();
                // Every row changed in the table: the rows the revision reaches
                // take the new height, the others keep the old.
                for (auto& riga : r.tabella.Righe) riga.Celle[mp::TAltezza].assign(1, '9');
            }
            lavoro = [r, righeMP](Riscontro& x) {
                const mp::RisultatoMP ris = EseguiMasterplan(r, x);
                if (r.tipo == RichiestaMasterplan::Tipo::Completa) return ris.Interrotto && ris.Righe.size() < righeMP;
                // Revised rows run at the new height, which their cells report.
                std::size_t riviste = 0;
                for (const auto& riga : ris.Righe) riviste += riga.Dati && riga.Dati->H == 9;
                return riviste >= 1 && riviste < righeMP;
            };
        } else if (tipo == QLatin1String("stampa report")) {
            RichiestaStampaReport r;
            r.dati.osservatori.resize(3);
            r.filePdf = b.dir.path().toStdString();
            r.filePdf.append("/report.pdf");
            lavoro = [r](Riscontro& x) {
                const EsitoStampa e = EseguiStampaReport(r, x);
                // A stopped PDF is not left behind.
                return e.annullato && !QFile::exists(QString::fromStdString(r.filePdf));
            };
        } else if (tipo == QLatin1String("stampa elenco")) {
            stampante = b.Stampante("elenco.pdf");
            RichiestaStampaElenco r;
            r.righe.resize(3000);
            r.stampante = stampante.get();
            lavoro = [r](Riscontro& x) {
                const EsitoStampa e = EseguiStampaElenco(r, x);
                return e.annullato && e.pagine < static_cast<int>(RighePerPagina(r.opzioni.tipo, r.righe.size()).size());
            };
        } else {
            righeMP = 12;
            QVERIFY(b.Masterplan(static_cast<int>(righeMP)));
            stampante = b.Stampante("masterplan.pdf");
            RichiestaStampaMasterplan r;
            r.documento = tipo == QLatin1String("stampa masterplan") ? RichiestaStampaMasterplan::Documento::Progetti
                                                                      : RichiestaStampaMasterplan::Documento::TabFotometriche;
            r.righe = b.Tabella().Righe;
            r.opzioni = b.opzioni;
            r.ambiente.DirLdtMaster = b.base.ldt;
            r.stampante = stampante.get();
            lavoro = [r, righeMP](Riscontro& x) {
                const mp::EsitoStampaMP e = EseguiStampaMasterplan(r, x);
                return e.stampa.annullato && static_cast<std::size_t>(e.progetti) < righeMP;
            };
        }

        Riscontro riscontro;
        bool fermato = false;
        std::thread t([&] { fermato = lavoro(riscontro); });
        const bool partito = AttendiLavoro(riscontro);
        riscontro.Annulla();
        t.join();
        QVERIFY2(partito, "the job reported no progress");
        QVERIFY2(fermato, "the job did not stop early, or did not say so");
    }
};

NOTTARO_TEST_UI(LavoriFermatiTest);
#include "LavoriFermatiTest.moc"
