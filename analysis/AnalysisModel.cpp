// Reading the task into the analysis model: each text once, through the one reading rule.
#include "analysis/AnalysisModel.h"

#include "analysis/Combinations.h"
#include "model/uMyCommonLib.h"

#include <utility>

QString UnreadableNumberText(const QString& where, const QString& label, const QString& text)
{
    return where + label + QStringLiteral(" = „") + text.trimmed() + QStringLiteral("“ není číslo.");
}

namespace {

QString Label(const char* kind, int row, const char* value)
{
    const QString load = QString::fromUtf8(kind) + (row > 0 ? QString::number(row) : QString());
    return value ? QLatin1String(value) + QStringLiteral(" (") + load + QLatin1Char(')') : load;
}

// Reads the texts of one load case, naming each that is not a number.
class TCaseReader
{
public:
    TCaseReader(const TLoadCase& page, TCaseModel& out)
        : Out(out)
        , Where(QStringLiteral("Zatěžovací stav „%1“: ").arg(page.Caption))
    {
    }

    // An empty text is 0, as it always was; any other text must be a number. The label, "P1" or
    // "a (P1)", is made only for a text that is not one.
    double Read(const QString& text, const char* kind, int row = 0, const char* value = nullptr)
    {
        double number = 0;
        if (!TryStrToFloatX(text, number) && !text.trimmed().isEmpty())
            Out.Unreadable << UnreadableNumberText(Where, Label(kind, row, value), text);
        return number;
    }

private:
    TCaseModel& Out;
    QString Where;
};

TCaseModel ReadCase(const TLoadCase& page)
{
    TCaseModel c;
    const TZSInfo info = TTask::InfoOf(page);
    c.Number = page.Number;
    c.Name = page.Caption;
    c.PrintResults = info.PrintResults;
    TCaseReader read(page, c);
    c.Gamaf = read.Read(page.GamafText, "γf");
    for (int i = 1; i <= int(page.Px.size()); ++i)
        if (const TPxRow& r = page.Px[size_t(i - 1)]; r.Checked)
            c.Forces.push_back({ read.Read(r.P, "P", i), read.Read(r.a, "P", i, "a"), i });
    for (int i = 1; i <= int(page.Q.size()); ++i)
        if (const TQRow& r = page.Q[size_t(i - 1)]; r.Checked)
            c.Uniform.push_back({ read.Read(r.q, "q", i), i });
    for (int i = 1; i <= int(page.QQ.size()); ++i)
        if (const TQQRow& r = page.QQ[size_t(i - 1)]; r.Checked)
            c.Partial.push_back({ read.Read(r.qa, "qq", i, "qa"), read.Read(r.a, "qq", i, "a"),
                read.Read(r.qb, "qq", i, "qb"), read.Read(r.b, "qq", i, "b"), i });
    for (int i = 1; i <= int(page.Mx.size()); ++i)
        if (const TMxRow& r = page.Mx[size_t(i - 1)]; r.Checked)
            c.Moments.push_back({ read.Read(r.M, "M", i), read.Read(r.a, "M", i, "a"), i });
    return c;
}

// A section value with its unit; the factor of a unit text that matches no entry is 1.
double ReadSection(const QString& text, const QString& unit,
    std::initializer_list<std::pair<const char*, double>> units, const QString& label, QStringList& unreadable)
{
    double value = 0;
    if (!TryStrToFloatX(text, value) && !text.trimmed().isEmpty())
        unreadable << label + QStringLiteral(" = „") + text.trimmed() + QStringLiteral("“ není číslo");
    for (const auto& [name, factor] : units)
        if (unit.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value * factor;
    return value;
}

} // namespace

double SectionIy(const TDeflectionInputs& in)
{
    QStringList ignored;
    return ReadSection(in.Edit30, in.IyUnit, { { "m4", 1 }, { "cm4", 1e-8 }, { "mm4", 1e-12 } },
        QStringLiteral("moment setrvačnosti Iy"), ignored);
}

double SectionEmod(const TDeflectionInputs& in)
{
    QStringList ignored;
    return ReadSection(in.Edit31, in.EUnit, { { "Pa", 1 }, { "kPa", 1e3 }, { "MPa", 1e6 }, { "GPa", 1e9 } },
        QStringLiteral("modul pružnosti E"), ignored);
}

QStringList SectionUnreadable(const TDeflectionInputs& in)
{
    QStringList unreadable;
    ReadSection(in.Edit31, in.EUnit, {}, QStringLiteral("modul pružnosti E"), unreadable);
    ReadSection(in.Edit30, in.IyUnit, {}, QStringLiteral("moment setrvačnosti Iy"), unreadable);
    return unreadable;
}

QStringList TAnalysisModel::Unreadable() const
{
    QStringList all;
    if (!SpanUnreadable.isEmpty())
        all << SpanUnreadable;
    for (const TCaseModel& c : Cases)
        all << c.Unreadable;
    return all;
}

TAnalysisModel BuildModel(const TTask& task)
{
    TAnalysisModel m;
    m.Typ = task.Typ;
    if (!TryStrToFloatX(task.SpanText, m.L) && !task.SpanText.trimmed().isEmpty())
        m.SpanUnreadable = UnreadableNumberText(QString(), QStringLiteral("Délka trabíku L"), task.SpanText);
    m.Emod = SectionEmod(task.Deflection);
    m.Iy = SectionIy(task.Deflection);
    if (const QStringList section = SectionUnreadable(task.Deflection); !section.isEmpty())
        m.SectionUnreadable
            = QStringLiteral("Průhyb nelze spočítat: ") + section.join(QStringLiteral(", ")) + QLatin1Char('.');
    m.Cases.reserve(task.LoadCases.size());
    for (const TLoadCase& page : task.LoadCases)
        m.Cases.push_back(ReadCase(page));
    for (int row = 1; row < task.Grid.RowCount(); ++row)
        m.Combinations.push_back({ row, task.Grid.Cell(1, row), CombinationPrinted(task.Grid, row),
            !CombinationMembers(task, row).empty(), CombinationPages(task, row) });
    return m;
}
