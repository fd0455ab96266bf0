#pragma once
// Shared helpers: lay a document out and measure text the way the layout does.
#include "document/PageCanvas.h"
#include "document/PageFonts.h"
#include "document/uDokument.h"

#include <gtest/gtest.h>

// The document font (Arial CE 10 pt) at canvas size S, with optional styles.
inline TPageFont BaseFont(int size = 270, bool bold = false)
{
    TPageFont f;
    f.Face = QStringLiteral("Arial CE");
    f.Size = size;
    f.PixelSize = EmPixels(size);
    f.Bold = bold;
    return f;
}

struct TMeasure
{
    TFontMetricsCache Cache;
    int Width(const QString& text, const TPageFont& font = BaseFont()) { return Cache.TextWidth(font, text); }
    int H(const TPageFont& font = BaseFont()) { return Cache.Get(font).Height; }
    int W(const TPageFont& font = BaseFont()) { return Cache.Get(font).XWidth; }
};

// A fresh document prepared the way the report prepares it.
inline void Prepare(TDokument& doc, const QStringList& frame, const QStringList& body)
{
    doc.Reset();
    doc.AddPage();
    doc.Frame = frame;
    doc.Body = body;
}

// The frame most tests use: 20 mm margins, cursor at the text area's corner (2000, 2000).
inline QStringList SimpleFrame()
{
    return { QStringLiteral("<left 20><right 20><top 20><bottom 20><curx 0><cury 0>") };
}

// Text runs of a page without the rotated credit line.
inline std::vector<TTextItem> Texts(const TPrintPage* page)
{
    std::vector<TTextItem> out;
    for (const TTextItem& t : page->Picture.ItemsOf<TTextItem>())
        if (t.Rotation == 0)
            out.push_back(t);
    return out;
}

// The first text run with exactly this text; a failed expectation when there is none.
inline TTextItem FindText(const TPrintPage* page, const QString& text)
{
    for (const TTextItem& t : Texts(page))
        if (t.Text == text)
            return t;
    ADD_FAILURE() << "no text run " << text.toStdString();
    return {};
}
