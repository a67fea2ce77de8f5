#include "masterplan/report/TabFotometriche.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

#include "core/i18n/Messaggi.h"
#include "core/text/Testo.h"
#include "masterplan/report/StampaMasterplan.h"
#include "report/RoutinePagina.h"

namespace nottaro::mp {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s).trimmed(); }
int Blocchi(int n, int per) { return n <= 0 ? 0 : (n + per - 1) / per; }

// Label at 15 mm, value at xv mm.
void Voce(PaginaReport& pg, int y, const QString& etichetta, const QString& valore, int xv = 80) {
    pg.Carattere(9, true);
    pg.Testo(pg.x(15), pg.y(y), etichetta);
    pg.Carattere(9);
    pg.Testo(pg.x(xv), pg.y(y), valore);
}

// An intensity as the table prints it: one decimal below 100 cd/klm.
QString Intensita(double v) { return Cifra(v, std::abs(v) < 100 ? 1 : 0); }

}  // namespace

void StampaDatiFotometrici(PaginaReport& pg, const Fotometria& f, const std::string& fotoApp) {
    pg.Colore(Qt::black);
    pg.Carattere(14, true);
    pg.TestoCentrato(pg.PW / 2, pg.y(35), pg.M(1962));
    pg.Carattere(11, true);
    pg.Testo(pg.x(15), pg.y(47), pg.M(1963));
    Voce(pg, 54, pg.M(1965), Q(f.DittaLdt));
    Voce(pg, 59, pg.M(1966), Q(f.NomeApp));
    Voce(pg, 64, pg.M(1967), Q(f.NumApp));
    Voce(pg, 69, pg.M(1968), Q(f.RapportoMis));
    Voce(pg, 74, pg.M(1969), Q(f.DataLdt));
    // Sizes: a row each for the luminaire and its luminous area.
    pg.Carattere(8, true);
    pg.Testo(pg.x(80), pg.y(81), pg.M(1972));
    pg.Testo(pg.x(120), pg.y(81), pg.M(1973));
    pg.Testo(pg.x(160), pg.y(81), pg.M(1974));
    Voce(pg, 86, pg.M(1970), QString::number(f.LungApp));
    pg.Testo(pg.x(120), pg.y(86), QString::number(f.LargApp));
    pg.Testo(pg.x(160), pg.y(86), QString::number(f.AltApp));
    Voce(pg, 91, pg.M(1971), QString::number(f.LungLum));
    pg.Testo(pg.x(120), pg.y(91), QString::number(f.LargLum));

    pg.Carattere(11, true);
    pg.Testo(pg.x(15), pg.y(101), pg.M(1975));
    QString simmetria;
    if (f.Simmetria == 0) simmetria = pg.M(2537);
    else if (f.Simmetria >= 1 && f.Simmetria <= 4) simmetria = pg.M(1976 + f.Simmetria);
    else simmetria = QString::number(f.Simmetria);
    const double passoC = f.NumC() > 1 ? f.Intens.AngoloC(2) - f.Intens.AngoloC(1) : 0;
    const double passoG = f.NumG() > 1 ? f.Intens.AngoloG(2) - f.Intens.AngoloG(1) : 0;
    Voce(pg, 108, pg.M(1976), simmetria);
    Voce(pg, 113, pg.M(1981), QString::number(f.NumC()));
    Voce(pg, 118, pg.M(1982), Cifra(passoC, 2) + QStringLiteral("°"));
    Voce(pg, 123, pg.M(1983), QString::number(f.NumG()));
    Voce(pg, 128, pg.M(1984), Cifra(passoG, 2) + QStringLiteral("°"));
    Voce(pg, 133, pg.M(1985), Cifra(f.LORL, 1));
    Voce(pg, 138, pg.M(1986), Cifra(f.DFF, 1));
    Voce(pg, 143, pg.M(1987), Cifra(f.InclinaMis, 1));
    Voce(pg, 148, pg.M(1988), Cifra(f.FattConv, 3));

    pg.Carattere(11, true);
    pg.Testo(pg.x(15), pg.y(158), pg.M(1964));
    pg.Penna();
    pg.Rettangolo(pg.x(13), pg.y(164), pg.PW - pg.x(13), pg.y(170));
    pg.Carattere(9, true);
    pg.Testo(pg.x(15), pg.y(165), pg.M(1989));
    pg.Testo(pg.x(90), pg.y(165), pg.M(1990));
    pg.Testo(pg.x(120), pg.y(165), QStringLiteral("CCT"));
    pg.Testo(pg.x(145), pg.y(165), QStringLiteral("Ra"));
    pg.Testo(pg.x(165), pg.y(165), pg.M(1991));
    pg.Carattere(9);
    for (int k = 0; k < f.NumLampade && k < MaxLampade; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int y = pg.y(172 + 5 * k);
        pg.Testo(pg.x(15), y, Q(f.TipoLamp[i]));
        pg.Testo(pg.x(90), y, Cifra(f.FlussoLamp[i], 0) + QStringLiteral(" lm"));
        pg.Testo(pg.x(120), y, Q(f.ColoreLamp[i]));
        pg.Testo(pg.x(145), y, Q(f.ResaLamp[i]));
        pg.Testo(pg.x(165), y, Cifra(f.PotLamp[i], 1) + QStringLiteral(" W"));
    }
    if (!fotoApp.empty()) {
        const QImage img = pg.Immagine(fotoApp);
        if (!img.isNull()) {
            const Misura m = AdattaImmagine(img.width(), img.height(), pg.x(70), pg.y(50));
            pg.p.drawImage(QRect((pg.PW - m.w) / 2, pg.y(230), m.w, m.h), img);
        }
    }
    pg.Carattere(10);
}

void StampaTabellaIntensita(PaginaReport& pg, const Fotometria& f, const std::string& nome, int bc, int br) {
    pg.Colore(Qt::black);
    pg.Carattere(9, true);
    // Left of the plain style's letterhead column, never over its lines.
    pg.TestoEntro(pg.x(10), pg.y(25), pg.M(1992) + QString::fromStdString(nome),
                  pg.stile.conIntestazione && !pg.stile.standard ? pg.PW - pg.x(102) : pg.PW - pg.x(10), true);
    const int c0 = bc * PianiPerBlocco + 1, c1 = std::min(f.NumC(), c0 + PianiPerBlocco - 1);
    const int g0 = br * AngoliPerBlocco + 1, g1 = std::min(f.NumG(), g0 + AngoliPerBlocco - 1);
    // 190 mm across for the gamma column and 32 planes, 3.1 mm per row from
    // 37 mm: 75 rows end above the footer.
    const double colonna = 190.0 / (PianiPerBlocco + 1), riga = 3.1;
    auto X = [&](int k) { return pg.x(10 + colonna * k + colonna - 0.5); };  // right edge of column k
    pg.Carattere(5, true);
    pg.TestoADestra(X(0), pg.y(33), QStringLiteral("G \\ C"));
    for (int c = c0; c <= c1; ++c) pg.TestoADestra(X(c - c0 + 1), pg.y(33), Cifra(f.Intens.AngoloC(c), 1));
    pg.Penna(Qt::black, 0.1);
    pg.Linea(pg.x(10), pg.y(36.5), pg.PW - pg.x(10), pg.y(36.5));
    for (int g = g0; g <= g1; ++g) {
        const int y = pg.y(37 + riga * (g - g0));
        pg.Carattere(5, true);
        pg.TestoADestra(X(0), y, Cifra(f.Intens.AngoloG(g), 1));
        pg.Carattere(5);
        for (int c = c0; c <= c1; ++c) pg.TestoADestra(X(c - c0 + 1), y, Intensita(f.Intens.Valore(c, g)));
    }
    pg.Carattere(10);
}

EsitoStampaMP StampaTabFotometriche(QPagedPaintDevice& dispositivo, const std::vector<RigaTabellaMP>& righe,
                                    const OpzioniStampaMP& s, const AmbienteStampaMP& a, int lingua,
                                    const AvanzamentoRighe& avanzamento) {
    EsitoStampaMP e;
    QPainter p;
    if (!p.begin(&dispositivo)) {
        e.stampa.errore = Msg(1710, lingua);
        return e;
    }
    PaginaReport pg(p, dispositivo, dispositivo.width(), dispositivo.height());
    pg.lingua = lingua;
    pg.stile.standard = s.FormatoStandard;
    pg.stile.conIntestazione = s.ConIntestazione;
    DatiReport d = a.base;
    d.Lingua = lingua;
    bool primo = true;
    int pagina = 1;
    auto nuova = [&] {
        if (!primo) dispositivo.newPage();
        primo = false;
        StampaIntestazione(pg, d);
    };
    auto piede = [&] {
        pg.stile.testoPiede = std::to_string(pagina) + " - ";
        StampaPiePagina(pg, d);
        ++pagina;
        ++e.stampa.pagine;
    };
    for (std::size_t k = 0; k < righe.size(); ++k) {
        if (avanzamento && !avanzamento(static_cast<int>(k) + 1, static_cast<int>(righe.size()))) {
            e.stampa.annullato = true;
            break;
        }
        const RigaTabellaMP& r = righe[k];
        const std::string& nome = r.Celle[TSol2 + SFotometrica].empty() ? r.Celle[TSol1 + SFotometrica]
                                                                          : r.Celle[TSol2 + SFotometrica];
        if (nome.empty()) continue;
        const auto f = LeggiFileStampa(a.DirLdtMaster, nome);
        if (!f->Leggibile) {
            e.nonStampate.push_back(r.Celle[TPosizione] + " - " + r.Celle[TIdentificativo] + ": " + f->Percorso);
            continue;
        }
        nuova();
        StampaDatiFotometrici(pg, *f->Foto, FotoApparecchio(a.DirCorpi, r.Celle[TCorpo]));
        piede();
        const int bc = Blocchi(f->Foto->NumC(), PianiPerBlocco), br = Blocchi(f->Foto->NumG(), AngoliPerBlocco);
        for (int c = 0; c < bc; ++c)
            for (int g = 0; g < br; ++g) {
                // The standard style's letterhead lines stand where the
                // table's 75 rows must go: these pages print without them.
                const bool intestazione = pg.stile.conIntestazione;
                if (pg.stile.standard) pg.stile.conIntestazione = false;
                nuova();
                StampaTabellaIntensita(pg, *f->Foto, nome, c, g);
                piede();
                pg.stile.conIntestazione = intestazione;
            }
        ++e.progetti;
    }
    p.end();
    e.stampa.immaginiIlleggibili = pg.ImmaginiIlleggibili();
    e.stampa.ok = !e.stampa.annullato;
    return e;
}

}  // namespace nottaro::mp
