// The drawn load schema of one load case: load rows stacked above the beam line and its supports.
#include "model/uMyCommonLib.h"
#include "report/ReportFormats.h"
#include "report/uPosudek.h"

#include <algorithm>
#include <cmath>

namespace {

QString Goto1MoveRel(long long dx, long long dy)
{
    return u"<goto 1><moverel " % TInteger(dx) % u' ' % TInteger(dy) % u'>';
}

// As the load list writes it.
const QString LineLoadUnit = QStringLiteral(" kN.m<sup>-1</sup>");

} // namespace

void TReportWriter::WriteLoadSchema(const std::vector<TZSInfo>& infos)
{
    int cQ = 0, cQQ = 0;
    for (const TZSInfo& info : infos) {
        cQ += info.Counts[KindQ];
        cQQ += info.Counts[KindQQ];
    }
    Add(u"<moverel 0 3><spacey " % TInteger(20 * cQ + 20 + 20 * cQQ + 20) % u"><mark 1>");
    WriteSchemaPointForces(infos);
    WriteSchemaUniformLoads(infos);
    for (const TZSInfo& info : infos)
        for (int k = 1; k <= info.Counts[KindQQ]; ++k)
            if (const TQQLoad load = Task.ReadQQ(info.Number, k); load.Included)
                WriteSchemaPartialLoad(load);
    WriteSchemaPointMoments(infos);
    Add(QStringLiteral("<goto 1><moverel 0 2><mark 1>"));
    const TEndCondition& ends = EndConditionOf(Task.Typ);
    WriteSupport(ends.Left());
    Add(u"<goto 1><linerel " % CoordDigits(W) % u" 0>");
    WriteSupport(ends.Right());
    Add(QStringLiteral("<br>"));
}

// "schema zatížení pro kombinace": the loads of every member in one schema, as entered.
void TReportWriter::WriteCombinationSchema(int row)
{
    std::vector<TZSInfo> infos;
    for (const int page : CombinationPages(Task, row))
        infos.push_back(Task.GetZSInfo(Task.LoadCases[size_t(page)].Number));
    Add(QStringLiteral("<br>"));
    WriteLoadSchema(infos);
}

void TReportWriter::WriteSchemaPointForces(const std::vector<TZSInfo>& infos)
{
    const double L = Task.SpanL();
    bool drawn = false;
    long long unitX = RoundCoord(W + 2);
    for (const TZSInfo& info : infos)
        for (int k = 1; k <= info.Counts[KindPx]; ++k) {
            const TPxLoad load = Task.ReadPx(info.Number, k);
            if (!load.Included)
                continue;
            const QString value = ValueText(load.P);
            Add(Goto1MoveRel(RoundCoord(W * load.a / L), 0)
                % u"<linerel 0 -5><moverel -2 3><linerel 2 2><linerel 2 -2><moverel -4 -5>" % value);
            unitX = std::max(unitX, UnitAfter(RoundCoord(W * load.a / L) - 4, value));
            drawn = true;
        }
    // The unit once at the end of the row: forces standing close leave no room for it at each.
    if (drawn)
        Add(Goto1MoveRel(unitX, -5) % u"[kN]<goto 1><moverel 0 3><mark 1>");
}

void TReportWriter::WriteSchemaUniformLoads(const std::vector<TZSInfo>& infos)
{
    const long long w = RoundCoord(W);
    if (UniformHatch.isEmpty()) // the same under every uniform load
        for (long long j = 1; j <= RoundCoord(W / 2); ++j)
            UniformHatch.append(u"<goto 1><moverel " % TInteger(2 * j) % u" 0><linerel 0 3>");
    for (const TZSInfo& info : infos)
        for (int k = 1; k <= info.Counts[KindQ]; ++k) {
            const TQLoad load = Task.ReadQ(info.Number, k);
            if (!load.Included)
                continue;
            Add(u"<goto 1><boxrel " % TInteger(w) % u" 3>");
            Lines.append(UniformHatch);
            Add(Goto1MoveRel(w + 2, 0) % ValueText(load.q) % LineLoadUnit);
            Add(QStringLiteral("<goto 1><moverel 0 5><mark 1>"));
        }
}

void TReportWriter::WriteSchemaPartialLoad(const TQQLoad& q)
{
    const double L = Task.SpanL();
    Add(QStringLiteral("<goto 1><moverel 0 5><mark 1>"));
    int ha = 3, hb = 3;
    if (q.qa > q.qb) {
        ha = 5;
        hb = 2;
    } else if (q.qa < q.qb) {
        ha = 2;
        hb = 5;
    }
    if (q.qa == 0)
        ha = 0;
    if (q.qb == 0)
        hb = 0;
    const long long xa = RoundCoord(q.a / L * W);
    const long long len = RoundCoord((L - q.a - q.b) / L * W);
    Add(u"<moverel " % TInteger(xa) % u" 0><linerel 0 " % NegatedCoord(ha) % u'>');
    Add(u"<linerel " % TInteger(len) % u' ' % TInteger(ha - hb) % u'>');
    Add(u"<linerel 0 " % TInteger(hb) % u"><linerel " % NegatedCoord(len) % u" 0>");
    const double s = (L - q.a - q.b) * (W / 2) / L;
    // A load inside the span never needs more hatches than the whole beam; the cap only stops a
    // position typed far outside it from writing billions of lines.
    const long long hatches = std::min(RoundCoord((L - q.a - q.b) * (W / 2) / L), RoundCoord(W / 2)) - 1;
    for (long long j = 1; j <= hatches; ++j)
        Add(u"<goto 1><moverel " % CoordDigits(q.a / L * W + 2 * j) % u" 0><linerel 0 "
            % TInteger(-RoundHalfEven((hb - ha) * j / s + ha)) % u'>');
    // The value left of the load's start, clear of its outline.
    const QString qa = ValueText(q.qa);
    const long long qaWidth = std::max<long long>(8, std::ceil(LabelFont.Width(qa % u" kN.m-1  ")));
    // Never across the left column's line 5 mm left of the beam.
    Add(Goto1MoveRel(std::max(xa - qaWidth, -4LL), -3) % qa % LineLoadUnit);
    Add(Goto1MoveRel(RoundCoord(W - q.b / L * W) + 2, -3) % ValueText(q.qb) % LineLoadUnit);
    Add(QStringLiteral("<goto 1><moverel 0 2><mark 1>"));
}

void TReportWriter::WriteSchemaPointMoments(const std::vector<TZSInfo>& infos)
{
    const double L = Task.SpanL();
    bool drawn = false;
    long long unitX = RoundCoord(W + 2);
    for (const TZSInfo& info : infos)
        for (int k = 1; k <= info.Counts[KindMx]; ++k) {
            const TMxLoad load = Task.ReadMx(info.Number, k);
            if (!load.Included)
                continue;
            const long long x = RoundCoord(W * load.a / L);
            Add(Goto1MoveRel(x, 5) % u"<linerel 0 2><moverel -2 -1>");
            Add(QStringLiteral("<linerel 0 -2><linerel 1 -1><linerel 2 0><linerel 1 1><linerel 0 2>"));
            Add(load.M < 0 ? QStringLiteral("<moverel -1 -2>") : QStringLiteral("<moverel -5 -2>"));
            Add(QStringLiteral("<linerel 1 2><linerel 1 -2>"));
            const QString value = ValueText(load.M);
            Add(Goto1MoveRel(x, -1) % value);
            unitX = std::max(unitX, UnitAfter(x, value));
            drawn = true;
        }
    if (drawn)
        Add(Goto1MoveRel(unitX, -1) % u"[kNm]<goto 1><moverel 0 6><mark 1>");
}

long long TReportWriter::UnitAfter(long long x, const QString& value) const
{
    return x + static_cast<long long>(std::ceil(LabelFont.Width(value))) + 2;
}

void TReportWriter::WriteSupport(TEndSupport end)
{
    if (end == TEndSupport::Pinned)
        Add(QStringLiteral("<circlerel 1>"));
    else if (end == TEndSupport::Fixed)
        Add(QStringLiteral("<moverel 0 -2><linerel 0 4><moverel 0 -2>"));
}
