// The interpreter: every token is executed as soon as it is read; tags and entities are looked up
// by their exact text (plain ones) or by their name up to the first blank (ones with arguments).
#include "document/LayoutEngine.h"
#include "document/MarkupRegisters.h"

using E = TLayoutEngine;

// Table entries: a member handler, or a symbol drawn with DrawSymbol.
#define H(member) [](E& e, E::TLineCursor& c) { e.member(c); }
#define SYM(code) [](E& e, E::TLineCursor&) { e.Symbol(code); }

void TLayoutEngine::Execute(const TMarkupToken& token, TLineCursor& cursor)
{
    if (token.Kind == TTokenKind::Word) {
        SetWord(token.Text);
        return;
    }
    THandler handler = nullptr;
    if (token.Text.contains(QLatin1Char(' ')))
        handler = ArgumentTags().value(ParseTagArgs(token.Text, Reg), nullptr);
    else
        handler = PlainTags().value(token.Text, nullptr);
    if (handler)
        handler(*this, cursor);
}

const QHash<QString, E::THandler>& TLayoutEngine::PlainTags()
{
    static const QHash<QString, THandler> tags {
        { "<br>", H(TagBr) },
        { "<newpage>", H(TagNewPage) },
        { "<tab>", H(TagTab) },
        { "<ul>", H(TagUl) },
        { "</ul>", H(TagUlEnd) },
        { "<li>", H(TagLi) },
        { "<h1>", H(TagH1) },
        { "</h1>", H(TagH1End) },
        { "<h2>", H(TagH2) },
        { "</h2>", H(TagH2End) },
        { "<b>", H(TagBold) },
        { "</b>", H(TagBoldEnd) },
        { "<i>", H(TagItalic) },
        { "</i>", H(TagItalicEnd) },
        { "<u>", H(TagUnderline) },
        { "</u>", H(TagUnderlineEnd) },
        { "<sup>", H(TagSup) },
        { "</sup>", H(TagSupSubEnd) },
        { "<sub>", H(TagSub) },
        { "</sub>", H(TagSupSubEnd) },
        { "&lt;", H(EntityLt) },
        { "&gt;", H(EntityGt) },
        { "&amp;", H(EntityAmp) },
        { "<+->", H(TagPlusMinus) },
        { "&pagenumber;", H(EntityPageNumber) },
        { "&pagecount;", H(EntityPageCount) },
        { "<keep>", H(TagKeep) },
        { "</keep>", H(TagKeepEnd) },
        { "&get;", SYM(0xB3) },
        { "&let;", SYM(0xA3) },
        { "&ae;", SYM(0xBB) },
        { "&ne;", SYM(0xB9) },
        { "&imp;", SYM(0xDE) },
        { "<ortho>", SYM(0x5E) },
        { "<paral>", H(TagParal) },
        { "<rectfi>", H(TagRectFi) },
        { "<alfa>", SYM('a') },
        { "<beta>", SYM('b') },
        { "<gama>", SYM('g') },
        { "<delta>", SYM('d') },
        { "<epsilon>", SYM('e') },
        { "<kapa>", SYM('c') },
        { "<mi>", SYM('m') },
        { "<ny>", SYM('n') },
        { "<omega>", SYM('w') },
        { "<pi>", SYM('p') },
        { "<PI>", SYM('P') },
        { "<sigma>", SYM('s') },
        { "<tau>", SYM('t') },
        { "<ksi>", SYM('x') },
        { "<SUMA>", SYM('S') },
        { "<FI>", SYM(0xC6) },
        { "<fi>", SYM('j') },
        { "<frac>", H(TagFrac) },
        { "<denom>", H(TagDenom) },
        { "</frac>", H(TagFracEnd) },
        { "</sqr>", H(TagSqrEnd) },
        { "<tr>", H(TagTr) },
        { "<td>", H(TagTd) },
        { "</table>", H(TagTableEnd) },
    };
    return tags;
}

const QHash<QString, E::THandler>& TLayoutEngine::ArgumentTags()
{
    static const QHash<QString, THandler> tags {
        { "<fontsize", H(TagFontSize) },
        { "<color", H(TagColor) },
        { "<sqr", H(TagSqr) },
        { "<table", H(TagTable) },
        { "<pen", H(TagPen) },
        { "<line", H(TagLine) },
        { "<box", H(TagBox) },
        { "<circle", H(TagCircle) },
        { "<circlerel", H(TagCircleRel) },
        { "<boxrel", H(TagBoxRel) },
        { "<moverel", H(TagMoveRel) },
        { "<linerel", H(TagLineRel) },
        { "<img", H(TagImg) },
        { "<imgform", H(TagImgForm) },
        { "<curx", H(TagCurX) },
        { "<cury", H(TagCurY) },
        { "<cur", H(TagCur) },
        { "<mark", H(TagMark) },
        { "<goto", H(TagGoto) },
        { "<gotox", H(TagGotoX) },
        { "<gotoy", H(TagGotoY) },
        { "<spacey", H(TagSpaceY) },
        { "<spacex", H(TagSpaceX) },
        { "<left", H(TagLeft) },
        { "<right", H(TagRight) },
        { "<top", H(TagTop) },
        { "<bottom", H(TagBottom) },
    };
    return tags;
}
