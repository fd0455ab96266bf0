#include "document/PagePicture.h"
#include "document/PageFonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// A text shaped once: its glyph runs, positions relative to the left end of its baseline.
using TShapedText = QList<QGlyphRun>;

struct TFontForPaint
{
    TPageFont Key; // what makes the font: face, pixel size and style (not the colour)
    QFont Font;
    double Ascent = 0;
    std::unordered_map<QString, TShapedText> Shaped;
};

TShapedText Shape(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return {};
    TShapedText runs = line.glyphRuns();
    const QPointF baseline(0, line.ascent());
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p -= baseline;
        run.setPositions(positions);
    }
    return runs;
}

// The glyphs of a line waiting to be drawn: consecutive words in one font and colour on one
// baseline, gathered per font file (a symbol may come from a fallback font).
struct TGlyphBatch
{
    const TFontForPaint* Font = nullptr;
    QRgb Color = 0;
    int Baseline = 0;
    struct TRun
    {
        QRawFont RawFont;
        QList<quint32> Glyphs;
        QList<QPointF> Positions;
    };
    std::vector<TRun> Runs;

    bool IsEmpty() const { return Runs.empty(); }
    void Add(const TShapedText& text, int x)
    {
        for (const QGlyphRun& run : text) {
            const QRawFont raw = run.rawFont();
            auto it = std::find_if(Runs.begin(), Runs.end(), [&raw](const TRun& r) { return r.RawFont == raw; });
            if (it == Runs.end())
                it = Runs.insert(Runs.end(), TRun { raw, {}, {} });
            it->Glyphs += run.glyphIndexes();
            // Whole page units: a glyph moves by at most 0.005 mm, and a PDF states its place in
            // a short integer instead of a long fraction.
            for (const QPointF& p : run.positions())
                it->Positions.append(QPointF(x + std::nearbyint(p.x()), Baseline + std::nearbyint(p.y())));
        }
    }
};

} // namespace

// Replays pictures; fonts and shaped texts are kept from page to page. What a PDF makes of the calls
// matters for its size and speed: a run of lines with one pen is one path, the words of a line in
// one font are one glyph run (one text object), the font is set only when it changes, and text is
// drawn with a hairline pen as the lines are (switching between a cosmetic and a scaled pen makes
// the PDF engine restate the transform).
class TPictureReplay
{
public:
    void Begin(QPainter& p, double pixelsPerUnit)
    {
        Painter = &p;
        const QTransform t = p.combinedTransform();
        DeviceScale = pixelsPerUnit > 0 ? pixelsPerUnit : std::sqrt(std::abs(t.determinant()));
        CurrentFont = nullptr; // the painter's font is its own again
    }

    void operator()(const TTextItem& item)
    {
        FlushLines();
        TFontForPaint& f = FontFor(item.Font);
        if (item.Rotation == 0 && !item.Font.Underline) {
            const int baseline = RoundEven(item.Pos.y() + f.Ascent);
            if (&f != Glyphs.Font || item.Font.Color != Glyphs.Color || baseline != Glyphs.Baseline)
                FlushText();
            Glyphs.Font = &f;
            Glyphs.Color = item.Font.Color;
            Glyphs.Baseline = baseline;
            auto shaped = f.Shaped.find(item.Text);
            if (shaped == f.Shaped.end())
                shaped = f.Shaped.emplace(item.Text, Shape(f.Font, item.Text)).first;
            Glyphs.Add(shaped->second, item.Pos.x());
            return;
        }
        // Underlined and rotated text as Qt lays it out itself, with its decoration.
        FlushText();
        UseFont(f);
        Painter->setPen(QPen(QColor::fromRgb(item.Font.Color), 0));
        if (item.Rotation == 0) {
            Painter->drawText(QPointF(item.Pos.x(), item.Pos.y() + f.Ascent), item.Text);
            return;
        }
        Painter->save();
        Painter->translate(item.Pos);
        Painter->rotate(-item.Rotation);
        Painter->drawText(QPointF(0, f.Ascent), item.Text);
        Painter->restore();
    }
    void operator()(const TLineItem& item)
    {
        FlushText();
        if (!Lines.empty() && !(item.Pen == LinesPen))
            FlushLines();
        LinesPen = item.Pen;
        Lines.emplace_back(item.From, item.To);
    }
    void operator()(const TRectItem& item)
    {
        Flush();
        Painter->setPen(PenFor(item.Pen));
        Painter->drawRect(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TEllipseItem& item)
    {
        Flush();
        Painter->setPen(PenFor(item.Pen));
        Painter->drawEllipse(QRectF(item.Corner1, item.Corner2).normalized());
    }
    void operator()(const TBitmapItem& item)
    {
        Flush();
        Painter->drawImage(QRectF(item.Target), item.Image);
    }
    void Flush()
    {
        FlushText();
        FlushLines();
    }

private:
    void FlushLines()
    {
        if (Lines.empty())
            return;
        Painter->setPen(PenFor(LinesPen));
        Painter->drawLines(Lines.data(), int(Lines.size()));
        Lines.clear();
    }
    void FlushText()
    {
        if (Glyphs.IsEmpty())
            return;
        UseFont(*Glyphs.Font);
        Painter->setPen(QPen(QColor::fromRgb(Glyphs.Color), 0));
        for (TGlyphBatch::TRun& r : Glyphs.Runs) {
            QGlyphRun run;
            run.setRawFont(r.RawFont);
            run.setGlyphIndexes(r.Glyphs);
            run.setPositions(r.Positions);
            Painter->drawGlyphRun(QPointF(0, 0), run);
        }
        Glyphs.Runs.clear();
    }
    void UseFont(const TFontForPaint& f)
    {
        if (&f != CurrentFont) {
            Painter->setFont(f.Font);
            CurrentFont = &f;
        }
    }
    QPen PenFor(const TPagePen& pen) const
    {
        QPen p(QColor::fromRgb(pen.Color), pen.Width, pen.Style);
        // A hairline, or a pen thinner than one device pixel, is drawn one device pixel wide.
        if (pen.Width <= 1 || pen.Width * DeviceScale < 1.0)
            p.setWidth(0);
        return p;
    }

    TFontForPaint& FontFor(const TPageFont& font)
    {
        // A page uses a handful of fonts: the last one used first, then a look along the list.
        const auto same = [&font](const TFontForPaint& f) {
            return f.Key.PixelSize == font.PixelSize && f.Key.Bold == font.Bold && f.Key.Italic == font.Italic
                && f.Key.Underline == font.Underline && f.Key.Face == font.Face;
        };
        if (LastFont && same(*LastFont))
            return *LastFont;
        auto it = std::find_if(Fonts.begin(), Fonts.end(), [&same](const auto& f) { return same(*f); });
        if (it == Fonts.end()) {
            auto f = std::make_unique<TFontForPaint>();
            f->Key = font;
            f->Font = MakePageFont(font);
            f->Ascent = QFontMetricsF(f->Font).ascent();
            it = Fonts.insert(Fonts.end(), std::move(f));
        }
        LastFont = it->get();
        return *LastFont;
    }

    QPainter* Painter = nullptr;
    double DeviceScale = 1;
    std::vector<std::unique_ptr<TFontForPaint>> Fonts;
    TFontForPaint* LastFont = nullptr; // the one FontFor gave last
    const TFontForPaint* CurrentFont = nullptr; // the painter's
    TGlyphBatch Glyphs;
    std::vector<QLineF> Lines; // lines waiting to be drawn with LinesPen
    TPagePen LinesPen;
};

TPicturePainter::TPicturePainter()
    : Replay(std::make_unique<TPictureReplay>())
{
}

TPicturePainter::~TPicturePainter() = default;

void TPicturePainter::Paint(QPainter& painter, const TPagePicture& picture, const QRectF& target, double pixelsPerUnit)
{
    if (picture.Width <= 0 || picture.Height <= 0 || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture.Width, target.height() / picture.Height);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Replay->Begin(painter, pixelsPerUnit);
    for (const TPageItem& item : picture.Items)
        std::visit(*Replay, item);
    Replay->Flush();
    painter.restore();
}

void PaintPicture(QPainter& painter, const TPagePicture& picture, const QRectF& target, double pixelsPerUnit)
{
    TPicturePainter().Paint(painter, picture, target, pixelsPerUnit);
}
