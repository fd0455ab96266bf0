// The interpreter: every token is executed as soon as it is read; tags and entities are looked up
// by their exact text (plain ones) or by their name up to the first blank (ones with arguments),
// both as views into the line: the tables are keyed by views of string literals.
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

using E = TLayoutEngine;

// Table entries: a member handler, or a symbol drawn with DrawSymbol.
#define H(member) [](E& e, E::TLineCursor& c) { e.member(c); }
#define SYM(code) [](E& e, E::TLineCursor&) { e.Symbol(code); }

// Names to handlers, open addressing over a power-of-two number of slots: a lookup hashes the
// name's characters once and compares the one or two names in its slots.
class TLayoutEngine::TTagTable
{
public:
    TTagTable(std::initializer_list<std::pair<QStringView, THandler>> entries)
    {
        size_t size = 8;
        while (size < 4 * entries.size())
            size *= 2;
        Slots.resize(size);
        for (const auto& [name, handler] : entries) {
            size_t i = Hash(name) & (size - 1);
            while (Slots[i].Handler)
                i = (i + 1) & (size - 1);
            Slots[i] = { name, handler };
        }
    }

    THandler Find(QStringView name) const
    {
        const size_t mask = Slots.size() - 1;
        for (size_t i = Hash(name) & mask; Slots[i].Handler; i = (i + 1) & mask) {
            const QStringView key = Slots[i].Name;
            if (key.size() == name.size() && std::equal(key.begin(), key.end(), name.begin()))
                return Slots[i].Handler;
        }
        return nullptr;
    }

private:
    // The length and the characters at three places tell the names of the tables apart well enough.
    static size_t Hash(QStringView name)
    {
        const qsizetype n = name.size();
        if (n == 0)
            return 0;
        const uint32_t h = static_cast<uint32_t>(n) * 0x9E3779B1u
            ^ (name[n / 2].unicode() * 0x85EBCA77u + name[n - 1].unicode() * 0xC2B2AE3Du
                + name[std::min<qsizetype>(n - 1, 2)].unicode() * 0x27D4EB2Fu);
        return h ^ (h >> 13);
    }

    struct TSlot
    {
        QStringView Name;
        THandler Handler = nullptr;
    };
    std::vector<TSlot> Slots;
};

void TLayoutEngine::Execute(const TMarkupToken& token, TLineCursor& cursor)
{
    if (token.Kind == TTokenKind::Word) {
        SetWord(token.Text.toString());
        return;
    }
    // A tag cut off by the end of the line is read with its closer appended.
    QString completed;
    QStringView text = token.Text;
    if (!token.Closed) {
        completed = token.FullText();
        text = completed;
    }
    // A tag with a blank has arguments: they are read (and checked) whether its name is known or not.
    const THandler handler
        = token.Blank < 0 ? PlainTags().Find(text) : ArgumentTags().Find(ParseTagArgs(text, token.Blank, Reg));
    if (handler)
        handler(*this, cursor);
}

const E::TTagTable& TLayoutEngine::PlainTags()
{
    static const TTagTable tags {
        { u"<br>", H(TagBr) },
        { u"<newpage>", H(TagNewPage) },
        { u"<tab>", H(TagTab) },
        { u"<ul>", H(TagUl) },
        { u"</ul>", H(TagUlEnd) },
        { u"<li>", H(TagLi) },
        { u"<h1>", H(TagH1) },
        { u"</h1>", H(TagH1End) },
        { u"<h2>", H(TagH2) },
        { u"</h2>", H(TagH2End) },
        { u"<b>", H(TagBold) },
        { u"</b>", H(TagBoldEnd) },
        { u"<i>", H(TagItalic) },
        { u"</i>", H(TagItalicEnd) },
        { u"<u>", H(TagUnderline) },
        { u"</u>", H(TagUnderlineEnd) },
        { u"<sup>", H(TagSup) },
        { u"</sup>", H(TagSupSubEnd) },
        { u"<sub>", H(TagSub) },
        { u"</sub>", H(TagSupSubEnd) },
        { u"&lt;", H(EntityLt) },
        { u"&gt;", H(EntityGt) },
        { u"&amp;", H(EntityAmp) },
        { u"<+->", H(TagPlusMinus) },
        { u"&pagenumber;", H(EntityPageNumber) },
        { u"&pagecount;", H(EntityPageCount) },
        { u"<keep>", H(TagKeep) },
        { u"</keep>", H(TagKeepEnd) },
        { u"&get;", SYM(0xB3) },
        { u"&let;", SYM(0xA3) },
        { u"&ae;", SYM(0xBB) },
        { u"&ne;", SYM(0xB9) },
        { u"&imp;", SYM(0xDE) },
        { u"<ortho>", SYM(0x5E) },
        { u"<paral>", H(TagParal) },
        { u"<rectfi>", H(TagRectFi) },
        { u"<alfa>", SYM('a') },
        { u"<beta>", SYM('b') },
        { u"<gama>", SYM('g') },
        { u"<delta>", SYM('d') },
        { u"<epsilon>", SYM('e') },
        { u"<kapa>", SYM('c') },
        { u"<mi>", SYM('m') },
        { u"<ny>", SYM('n') },
        { u"<omega>", SYM('w') },
        { u"<pi>", SYM('p') },
        { u"<PI>", SYM('P') },
        { u"<sigma>", SYM('s') },
        { u"<tau>", SYM('t') },
        { u"<ksi>", SYM('x') },
        { u"<SUMA>", SYM('S') },
        { u"<FI>", SYM(0xC6) },
        { u"<fi>", SYM('j') },
        { u"<frac>", H(TagFrac) },
        { u"<denom>", H(TagDenom) },
        { u"</frac>", H(TagFracEnd) },
        { u"</sqr>", H(TagSqrEnd) },
        { u"<tr>", H(TagTr) },
        { u"<td>", H(TagTd) },
        { u"</table>", H(TagTableEnd) },
    };
    return tags;
}

const E::TTagTable& TLayoutEngine::ArgumentTags()
{
    static const TTagTable tags {
        { u"<fontsize", H(TagFontSize) },
        { u"<color", H(TagColor) },
        { u"<sqr", H(TagSqr) },
        { u"<table", H(TagTable) },
        { u"<pen", H(TagPen) },
        { u"<line", H(TagLine) },
        { u"<box", H(TagBox) },
        { u"<circle", H(TagCircle) },
        { u"<circlerel", H(TagCircleRel) },
        { u"<boxrel", H(TagBoxRel) },
        { u"<moverel", H(TagMoveRel) },
        { u"<linerel", H(TagLineRel) },
        { u"<img", H(TagImg) },
        { u"<imgform", H(TagImgForm) },
        { u"<curx", H(TagCurX) },
        { u"<cury", H(TagCurY) },
        { u"<cur", H(TagCur) },
        { u"<mark", H(TagMark) },
        { u"<goto", H(TagGoto) },
        { u"<gotox", H(TagGotoX) },
        { u"<gotoy", H(TagGotoY) },
        { u"<spacey", H(TagSpaceY) },
        { u"<spacex", H(TagSpaceX) },
        { u"<left", H(TagLeft) },
        { u"<right", H(TagRight) },
        { u"<top", H(TagTop) },
        { u"<bottom", H(TagBottom) },
    };
    return tags;
}
