#include "ui/report/AperturaStampa.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "core/i18n/Argomenti.h"
#include "core/i18n/Messaggi.h"
#include "engine/progetto/ValutaProgetto.h"
#include "core/text/Testo.h"
#include "engine/sweep/RichiestaCalcolo.h"
#include "engine/sweep/RigaScelta.h"
#include "store/TabellaDbf.h"
#include "ui/comune/Testi.h"
#include "ui/interaction/LavoroSeguito.h"
#include "ui/motore/MotoreStampa.h"
#include "ui/report/TFormVerifica.h"

namespace nottaro::ui {
namespace {

CampoReport Campo(const CampoVista& c) {
    CampoReport r;
    r.NPtiLong = static_cast<int>(c.x.size());
    r.NPtiTrasv = static_cast<int>(c.y.size());
    r.valori = c.valori;
    if (r.valori.size() != c.x.size() * c.y.size()) r = CampoReport{};
    return r;
}

}  // namespace

void AggiungiVista(DatiReport& d, const VistaSoluzione& v) {
    d.Interdist = v.Interdist, d.HPalo = v.HPalo, d.Sbraccio = v.Sbraccio, d.Inclina = v.Inclina;
    d.SolLm = v.SolLm, d.SolUo = v.SolUo, d.SolUl = v.SolUl, d.TICalc = v.TICalc;
    d.EmCalc = v.EmCalc, d.EminCalc = v.EminCalc, d.EmaxCalc = v.EmaxCalc;
    d.osservatori.clear();
    if (!v.percorso)
        for (const OsservatoreVista& o : v.osservatori) d.osservatori.push_back({o.y, o.Lm, o.Uo, o.Ul, Campo(o.luminanze)});
    d.illuminamenti = Campo(v.illuminamenti);
}

void AggiungiVerificaStato(DatiReport& d, const StatoProgetto& stato) {
    // The verdict, energy indicators and calculation data come from the
    // engine's evaluation of the chosen solution, the one evaluate gives;
    // a design that cannot be evaluated prints "not checked" instead.
    // The lamp set of the chosen solution is the one with its flux, as the
    // detail window recomputes it.
    StatoProgetto s = stato;
    if (const auto lumen = ConvertiReale(s.SolLumen)) s.Foto.LampSel = LampadaPerFlusso(s.Foto, *lumen);
    const ValutazioneProgetto val = ValutaProgetto(RichiestaDaStato(s));
    if (!val.errore.Vuoto()) return;
    std::string errore;
    AggiungiVerifica(d, s, s.Foto, val, errore);
}

void ApriIdentificazione(QWidget* genitore, StatoProgetto& stato, Interazione& ui, const VistaSoluzione& v) {
    TFormVerifica dialogo(stato, ui, [v, &stato](DatiReport& d) {
        AggiungiVista(d, v);
        AggiungiVerificaStato(d, stato);
    }, genitore);
    dialogo.exec();
}

EsitoStampa StampaElencoSu(QPrinter& stampante, const StatoProgetto& stato, bool percorso, const std::string& filtro,
                           TipoElenco tipo, Interazione& ui, QWidget* genitore) {
    EsitoStampa e;
    TabellaDbf t;
    t.Collega(stato.DirProg, percorso ? "NTRLUXA" : "NTRLUX");
    EsitoTabella aperta = t.Apri(true);
    if (aperta) aperta = t.ImpostaFiltro(filtro);
    if (!aperta) {
        ui.Avviso(aperta.errore);
        e.errore = aperta.errore;
        return e;
    }
    t.AttivaFiltro(true);
    std::vector<RigaElenco> righe = RigheElenco(t);
    t.Chiudi();
    if (std::string c = VerificaCaratteri(); !c.empty()) {
        ui.Avviso(c);
        e.errore = c;
        return e;
    }
    OpzioniElenco o;
    o.tipo = tipo;
    o.percorso = percorso;
    o.lingua = stato.Lingua;
    if (stampante.printRange() == QPrinter::PageRange) {
        o.primaPagina = stampante.fromPage();
        o.ultimaPagina = stampante.toPage();
    }
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(tipo == TipoElenco::Completo ? QPageLayout::Landscape : QPageLayout::Portrait);
    stampante.setFullPage(false);
    stampante.setDocName(Qm(159));
    QProgressDialog avanzamento(QString(), Qm(278), 0, 1, genitore);
    avanzamento.setObjectName(QStringLiteral("AvanzamentoElenco"));
    avanzamento.setWindowModality(Qt::WindowModal);
    avanzamento.setMinimumDuration(0);
    // The pages are drawn on a worker; the dialog shows them and its Cancel stops the job.
    LavoroSeguito lavoro(ui, [&avanzamento](const Avanzamento& a) {
        if (a.totale <= 0) return;
        MostraAvanzamento(avanzamento, a,
                          Qs(ConArgomenti(Msg(1712), {std::to_string(a.fatti + 1), std::to_string(a.totale)})));
    });
    lavoro.CollegaStop(&avanzamento);
    RichiestaStampaElenco r;
    r.righe = std::move(righe);
    r.opzioni = o;
    r.stampante = &stampante;
    lavoro.Avvia([r = std::move(r)](Riscontro& riscontro) { return EseguiStampaElenco(r, riscontro); },
                 [&e](EsitoStampa esito) { e = std::move(esito); });
    avanzamento.show();
    lavoro.Attendi();
    avanzamento.hide();
    if (e.annullato && !stampante.outputFileName().isEmpty()) QFile::remove(stampante.outputFileName());
    if (!e.errore.empty()) ui.Avviso(e.errore);
    if (const std::string a = AvvisoTestiTagliati(e.testiTagliati, o.lingua); !a.empty()) ui.Avviso(a);
    return e;
}

void StampaElencoBrowser(QWidget* genitore, const StatoProgetto& stato, bool percorso, const std::string& filtro,
                         TipoElenco tipo, Interazione& ui, const std::function<bool(QPrinter&)>& dialogo) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageOrientation(tipo == TipoElenco::Completo ? QPageLayout::Landscape : QPageLayout::Portrait);
    bool ok;
    if (dialogo) {
        ok = dialogo(stampante);
    } else {
        QPrintDialog d(&stampante, genitore);
        d.setOption(QAbstractPrintDialog::PrintPageRange, true);
        ok = d.exec() == QDialog::Accepted;
    }
    if (ok) StampaElencoSu(stampante, stato, percorso, filtro, tipo, ui, genitore);
}

}  // namespace nottaro::ui
