#pragma once
// The drawing context of one printed document: a painter on a paged device
// (printer or PDF), the printable size in device units and the one
// millimetre conversion every position, size and pen width goes through.
// Fonts are set in points on the device (the painter is never scaled, which
// would scale fonts and pens too); a text sits by its top-left corner.
#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPainter;
class QPaintDevice;
class QImage;

namespace nottaro {

enum class FamigliaCarattere { Sans, Serif };

// Reference page in millimetres: A4 portrait, or landscape for the complete list.
struct FoglioRif {
    double larghezza = 210, altezza = 297;
};

// Options the page routines follow. The single project uses the first two;
// the Masterplan sets the rest per project.
struct StilePagina {
    bool standard = false;          // the "standard" style of header, footer, presentation and data pages
    bool mappe = false;             // false-colour maps behind the plan values, with a colour scale
    bool conIntestazione = true;    // logo and company lines in the header, company in the footer
    bool conDescrizione = true;     // the description on the presentation page
    std::string testoPiede;         // footer page text; empty: "Pagina" + " " + the page number
};

class PaginaReport {
public:
    // `larghezza` x `altezza`: the printable page in device units.
    PaginaReport(QPainter& p, const QPaintDevice& dispositivo, int larghezza, int altezza, FoglioRif rif = {});

    QPainter& p;
    const QPaintDevice& dispositivo;
    const int PW, PH;  // printable page in device units
    const FoglioRif rif;
    int lingua = 0;
    int NumPagina = 1;
    int NumPagine = 0;  // pages of the document; 0: not known, the footer gives the page alone
    StilePagina stile;

    // a millimetres in device units along the page's height (verticale) or
    // width: a × PH / AltRif or a × PW / LargRif, truncated.
    int MmToDev(double a, bool verticale) const;
    int x(double a) const { return MmToDev(a, false); }
    int y(double a) const { return MmToDev(a, true); }

    // Text of message n in the document's language.
    QString M(int n) const;

    // Font in points on the device; the default face is the sans serif.
    void Carattere(double punti, bool grassetto = false, bool corsivo = false,
                   FamigliaCarattere f = FamigliaCarattere::Sans);
    double PuntiCorrenti() const;
    void Colore(const QColor& c);
    // Text with its top-left corner at (x, y), in the current font and colour.
    void Testo(int x, int y, const QString& t);
    // Text right-aligned to end at x, or centred on x.
    void TestoADestra(int x, int y, const QString& t);
    void TestoCentrato(int x, int y, const QString& t);
    // Text that must end before `limite`: printed smaller (down to 8 pt) when
    // it would run into the next column; what still does not fit is cut with
    // "…" and noted under `campo` (the field's name; empty: the text itself).
    // `avvisa` false: a text printed whole elsewhere (the title in the
    // footer) is shortened without a warning.
    void TestoEntro(int x, int y, const QString& t, int limite, bool grassetto, const QString& campo = {},
                    bool avvisa = true);
    // Notes a text printed cut so the document's one warning names it.
    void NotaTaglio(const QString& campo, const QString& testo);
    const std::vector<std::string>& TestiTagliati() const { return tagliati_; }
    int AltezzaRiga() const;  // height of a line of the current font
    int Larghezza(const QString& t) const;

    // Thin pen of `mm` width in the given colour (lines and rectangles
    // without fill).
    void Penna(const QColor& c = Qt::black, double mm = 0.2);
    void Linea(int x1, int y1, int x2, int y2);
    void Rettangolo(int x1, int y1, int x2, int y2);  // two opposite corners
    void Cerchio(int cx, int cy, int diametro, const QColor& riempimento);

    // Loads a picture; a file that cannot be read is noted (one warning for
    // the document names them all) and gives a null image.
    QImage Immagine(const std::string& file);
    const std::vector<std::string>& ImmaginiIlleggibili() const { return illeggibili_; }

private:
    QColor colore_ = Qt::black;
    std::vector<std::string> illeggibili_;
    std::vector<std::string> tagliati_;
};

// Smallest print size of a text that must fit a box: smaller than this is
// no longer readable on paper, so a longer text is cut instead.
constexpr double PuntiMinimi = 8;

// The faces the reports print with: empty when they are installed, else the
// message naming the Debian package that provides them (a PDF printed
// without them would silently have no text).
std::string VerificaCaratteri();

}  // namespace nottaro
