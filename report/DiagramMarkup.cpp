#include "report/DiagramMarkup.h"

#include "document/PageCanvas.h"
#include "document/PageFonts.h"
#include "model/uMyCommonLib.h"
#include "report/ReportFormats.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

QString MoveFromBase(double dx, double dy)
{
    return u"<goto 2><moverel " % CoordDigits(dx) % u' ' % CoordDigits(dy) % u'>';
}

// The lines of a hatch are the same few hundred texts all over the report: those within a diagram's
// amplitude and width are made once and shared, the others made when asked for.
class TSharedLines
{
public:
    using TMake = QString (*)(long long);
    TSharedLines(long long from, long long to, TMake make)
        : From(from)
        , Make(make)
    {
        for (long long v = from; v <= to; ++v)
            Lines.push_back(make(v));
    }
    QString operator()(long long v) const
    {
        return v >= From && v - From < static_cast<long long>(Lines.size()) ? Lines[size_t(v - From)] : Make(v);
    }

private:
    long long From;
    TMake Make;
    std::vector<QString> Lines;
};

QString VerticalLine(long long dy)
{
    static const TSharedLines lines(
        -25, 25, [](long long v) -> QString { return u"<linerel 0 " % TInteger(v) % u'>'; });
    return lines(dy);
}

QString AlongBase(long long dx) // MoveFromBase(dx, 0)
{
    static const TSharedLines lines(
        0, 200, [](long long v) -> QString { return u"<goto 2><moverel " % TInteger(v) % u" 0>"; });
    return lines(dx);
}

// The arrow at the right end of the base line, and under the diagram the span as a dimension line.
void AppendAxis(QStringList& out, const TDiagramFigure& s, const TLabelFont& font)
{
    const QString w = Coord(s.Width);
    out << MoveFromBase(s.Width, 0) + QStringLiteral("<linerel -2 -1><moverel 2 1><linerel -2 1>");
    out << MoveFromBase(0, 26) + QStringLiteral("<linerel 0 2><moverel 0 -1><linerel ") + w
            + QStringLiteral(" 0><moverel 0 -1><linerel 0 2>");
    const QString span = QStringLiteral("L = ") + ValueText(s.SpanL) + QStringLiteral(" m");
    out << MoveFromBase(std::max(0.0, std::floor((s.Width - font.Width(span)) / 2)), 28) + span;
}

// Each value at the end of its ordinate, beyond it, centred on it or beside it: the first place
// where it overlaps no value or ordinate written before; a value with no such place is left out.
void AppendLabels(QStringList& out, const TDiagramFigure& s, const TLabelFont& font, double scale)
{
    const double k = s.Sign * DiagramAmplitude(true);
    std::vector<QRectF> placed;
    for (const TDiagramPoint& p : s.Points) {
        const double value = p.Value * s.LabelFactor;
        const long long dy = RoundCoord(k * p.Value / scale);
        const double px = p.x / s.SpanL * s.Width;
        if (RoundHalfEven(value * 100) == 0 || dy == 0 || px < -1e-9 || px > s.Width + 1e-9)
            continue;
        const QString text = FormatFixed(value, 2, 7);
        const double tw = font.Width(text), th = font.Height;
        const double right = std::floor(s.Width - tw - 0.3);
        if (right < 0)
            continue;
        const double ly = dy < 0 ? std::floor(dy - th - 0.3) : double(dy + 1);
        for (const double lx : { px - tw / 2, px + 1, px - 1 - tw }) {
            const double x = std::clamp(double(RoundHalfEven(lx)), 0.0, right);
            const QRectF box(x - 0.5, ly - 0.5, tw + 1, th + 1);
            if (std::any_of(placed.begin(), placed.end(), [&box](const QRectF& r) { return r.intersects(box); }))
                continue;
            placed.push_back(box);
            placed.emplace_back(px - 0.2, std::min(0.0, double(dy)), 0.4, std::abs(double(dy))); // its ordinate
            out << MoveFromBase(px, 0) % u"<linerel 0 " % TInteger(dy) % u'>';
            out << MoveFromBase(x, ly) + text;
            break;
        }
    }
}

} // namespace

TLabelFont ReportLabelFont(const QFont& font)
{
    const auto metrics = std::make_shared<TFontMetricsCache>();
    const TPageFont pageFont = DocumentPageFont(font, Qt::black);
    const double height = metrics->Get(pageFont).Height / 100.0;
    return { [metrics, pageFont](const QString& text) { return metrics->TextWidth(pageFont, text) / 100.0; }, height };
}

double DiagramAmplitude(bool labels)
{
    return labels ? 20 : 25;
}

int DiagramHeight(bool labels)
{
    return labels ? 57 : 50;
}

QStringList DiagramLines(const TDiagramFigure& s, const TLabelFont& font)
{
    double scale = std::max(std::abs(s.ScaleA), std::abs(s.ScaleB));
    if (scale == 0)
        scale = 10;
    const double k = s.Sign * DiagramAmplitude(s.Labels);
    QStringList out;
    out.reserve(2 * SampleCount + 2 * s.Points.size() + 3);
    out << u"<moverel 0 25><mark 2><linerel " % CoordDigits(s.Width) % u" 0><goto 2><moverel 0 0>";
    if (s.Hatched) {
        // Sample i stands at R(i W / 100): a hatch of vertical lines whose ends trace the diagram.
        for (int i = 0; i < SampleCount; ++i) {
            out << VerticalLine(RoundCoord(k * s.Y[i] / scale));
            if (i < SampleCount - 1)
                out << AlongBase(RoundCoord((i + 1) * s.Width / 100));
        }
    } else {
        // The outline: up from the base line, through the sample ends, and back down to it.
        long long x = 0, y = 0;
        for (int i = 0; i < SampleCount; ++i) {
            const long long xi = RoundCoord(i * s.Width / 100), yi = RoundCoord(k * s.Y[i] / scale);
            out << u"<linerel " % TInteger(xi - x) % u' ' % TInteger(yi - y) % u'>';
            x = xi;
            y = yi;
        }
        out << u"<linerel 0 " % TInteger(-y) % u'>';
    }
    if (s.Labels) {
        if (s.SpanLine)
            AppendAxis(out, s, font);
        AppendLabels(out, s, font, scale);
    }
    return out;
}

std::vector<TDiagramPoint> DiagramPoints(
    const TExtreme& extreme, const TSamples& y, double spanL, const std::vector<TCandidate>& more)
{
    std::vector<TDiagramPoint> points { { extreme.xMax, extreme.Max }, { extreme.xMin, extreme.Min }, { 0, y[0] },
        { spanL, y[SampleCount - 1] } };
    for (const TCandidate& c : more)
        if (c.x >= 0 && c.x <= spanL)
            points.push_back({ c.x, c.Value });
    std::vector<TDiagramPoint> once;
    for (const TDiagramPoint& p : points) {
        const auto same
            = [&p](const TDiagramPoint& q) { return std::abs(q.x - p.x) < 1e-9 && std::abs(q.Value - p.Value) < 1e-9; };
        if (std::none_of(once.begin(), once.end(), same))
            once.push_back(p);
    }
    return once;
}

QString SignConventionText(bool withDeflection)
{
    // Moments are kept hogging-positive and drawn with -25 (up); shear with +25 (down), Q = A - the
    // loads left of the section; deflection positive downwards.
    return QStringLiteral("Kladný ohybový moment táhne horní vlákna a je vynesen nad osu, záporný (tah dole) pod osu; "
                          "kladná posouvající síla (výslednice sil vlevo od řezu míří nahoru) ")
        + (withDeflection ? QStringLiteral("a kladný průhyb (dolů) jsou vyneseny pod osu.")
                          : QStringLiteral("je vynesena pod osu."));
}
