// Fractions, roots and tables.
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"
#include "model/TError.h"

// A closing command without its opener (</frac>, <denom>, </sqr>, </table>) is ignored: the
// registers it would read belong to an earlier construct or to none.

void TLayoutEngine::TagFrac(TLineCursor&)
{
    Reg.FracX = X();
    Reg.FracY = Y();
    Reg.FracEnd = X(); // a fraction closed without <denom> ends after its numerator
    Reg.FracOpen = true;
    const int h = Canvas->XHeight();
    Y() = Reg.FracY - RoundEven(0.6 * h);
    Reg.LineTop = Y() - h;
}

void TLayoutEngine::TagDenom(TLineCursor&)
{
    if (!Reg.FracOpen)
        return;
    Reg.FracEnd = X();
    X() = Reg.FracX;
    Y() = Reg.FracY + RoundEven(0.8 * Canvas->XHeight());
}

void TLayoutEngine::TagFracEnd(TLineCursor&)
{
    if (!Reg.FracOpen)
        return;
    Reg.FracOpen = false;
    if (X() > Reg.FracEnd)
        Reg.FracEnd = X();
    const int barY = Reg.FracY + RoundEven(0.5 * Canvas->XHeight());
    Canvas->MoveTo(Reg.FracX, barY);
    Canvas->LineTo(Reg.FracEnd, barY);
    Y() = Reg.FracY;
    X() = Reg.FracEnd;
}

void TLayoutEngine::TagSqr(TLineCursor&)
{
    Reg.RootX = X() + Canvas->XWidth();
    Reg.RootY = Y();
    Reg.RootIndex = Arg(1);
    Reg.RootOpen = true;
    X() = ClampCoord(
        static_cast<long long>(X()) + Canvas->TextWidth(QString::number(Reg.RootIndex) + QLatin1Char('X')));
    Reg.LineTop = Y();
}

void TLayoutEngine::TagSqrEnd(TLineCursor&)
{
    if (!Reg.RootOpen)
        return;
    Reg.RootOpen = false;
    Reg.RootEnd = X();
    const QString index = QString::number(Reg.RootIndex);
    int h = Canvas->XHeight();
    int w = Canvas->XWidth();
    Canvas->MoveTo(Reg.RootX, Reg.RootY + h);
    Canvas->LineTo(Reg.RootX - RoundEven(0.1 * w), Reg.RootY + RoundEven(0.5 * h)); // the hook
    Canvas->LineTo(Reg.RootX - Canvas->TextWidth(index), Canvas->PenPos.y());
    Canvas->SetSize(RoundEven(Canvas->Size() * 0.8));
    Canvas->TextOut(Canvas->PenPos.x(), Canvas->PenPos.y() - Canvas->XHeight(), index);
    Canvas->SetSize(RoundEven(Canvas->Size() * 1.25));
    h = Canvas->XHeight();
    w = Canvas->XWidth();
    Canvas->MoveTo(Reg.RootX, Reg.RootY + h);
    Canvas->LineTo(Reg.RootX + RoundEven(0.5 * w), Reg.LineTop); // the long stroke
    Canvas->LineTo(Reg.RootEnd, Reg.LineTop); // the overbar
    Canvas->LineTo(Reg.RootEnd, Reg.LineTop + RoundEven(0.2 * h));
    Y() = Reg.RootY;
    X() = Reg.RootEnd;
}

namespace {

// A table is drawn cell by cell at </table>; this bounds the work of a hostile one.
constexpr long long MaxTableCells = 100000;

} // namespace

void TLayoutEngine::CheckTableSize(int rows, int columns) const
{
    if (static_cast<long long>(rows) * columns > MaxTableCells)
        throw TError(QStringLiteral("Tabulka je příliš velká (nejvýše %1 buněk).").arg(MaxTableCells));
}

void TLayoutEngine::TagTable(TLineCursor&)
{
    Reg.TableBorder = Arg(1);
    Reg.TableCells.assign(1, std::vector<QString>(1));
    Reg.TableWidths.assign(1, 64);
    Reg.TableCol = 0;
    Reg.TableRow = 0;
}

void TLayoutEngine::TagTr(TLineCursor&)
{
    CheckTableSize(static_cast<int>(Reg.TableCells.size()) + 1, static_cast<int>(Reg.TableWidths.size()));
    Reg.TableCells.emplace_back();
    Reg.TableRow = static_cast<int>(Reg.TableCells.size()) - 1;
    Reg.TableCol = 0;
}

void TLayoutEngine::TagTd(TLineCursor& cursor)
{
    ++Reg.TableCol;
    if (Reg.TableCol >= static_cast<int>(Reg.TableWidths.size())) {
        CheckTableSize(static_cast<int>(Reg.TableCells.size()), Reg.TableCol + 1);
        Reg.TableWidths.resize(Reg.TableCol + 1, 64);
    }
    // The cell takes the raw characters up to the next '<': no tags or entities inside.
    const int start = cursor.Index + 1;
    int lt = cursor.Line.indexOf(QLatin1Char('<'), start);
    if (lt < 0)
        lt = cursor.Line.size();
    std::vector<QString>& row = Reg.TableCells[Reg.TableRow];
    if (static_cast<int>(row.size()) <= Reg.TableCol)
        row.resize(Reg.TableCol + 1);
    row[Reg.TableCol] = cursor.Line.mid(start, lt - start);
    cursor.Index = lt - 1;
}

void TLayoutEngine::TagTableEnd(TLineCursor&)
{
    // Whatever rows were collected are drawn, also when the table was opened without its border
    // argument (that <table> matches nothing, so the cells went into the idle buffer). The
    // table is taken out of the registers first: a row that breaks the page replays the page
    // frame, and a table in the frame refills them while these rows are still being drawn.
    const std::vector<std::vector<QString>> cells = std::move(Reg.TableCells);
    std::vector<int> widths = std::move(Reg.TableWidths);
    const int border = Reg.TableBorder;
    Reg.TableCells.assign(1, std::vector<QString>(1)); // a stray <td> later lands in row 0
    Reg.TableWidths.assign(1, 64);
    Reg.TableRow = 0;
    Reg.TableCol = 0;
    Reg.TableBorder = 0; // the next table draws borders only when its own <table 1> asks
    const int rows = static_cast<int>(cells.size());
    const int columns = static_cast<int>(widths.size());
    for (int r = 1; r < rows; ++r) {
        const std::vector<QString>& row = cells[r];
        for (int c = 1; c < columns; ++c) {
            const QString cell = c < static_cast<int>(row.size()) ? row[c] : QString();
            widths[c] = qMax(widths[c], Canvas->TextWidth(cell + QStringLiteral("--")));
        }
    }
    const int x0 = X();
    const int indent = Canvas->TextWidth(QStringLiteral("-"));
    for (int r = 1; r < rows; ++r) {
        const std::vector<QString>& row = cells[r];
        for (int c = 1; c < columns; ++c) {
            if (c < static_cast<int>(row.size()))
                Canvas->TextOut(X() + indent, Y(), row[c]);
            if (border == 1) {
                const int h = Canvas->XHeight();
                Canvas->Rectangle(X(), Y() - RoundEven(h / 4.0), X() + widths[c], Y() + RoundEven(1.25 * h));
            }
            X() = ClampCoord(static_cast<long long>(X()) + widths[c]);
        }
        BreakLine();
        X() = x0;
    }
}
