// The order of the values in a project file, written once: SerializeProject walks the task in file
// order over an archive that either writes each value (TFileOut) or reads it back (TFileIn). What
// differs between the two directions sits in the archives: the writer refuses what 16 bits cannot
// count, the reader rebuilds load cases through the operations the load generator uses, so the rows
// show the numbers in fixed notation with three decimals.
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include "model/TEndConditions.h"
#include "model/TError.h"

#include <type_traits>
#include <utility>
#include <vector>

namespace {

// The extension block after the last fixed value: a marker, its version and key/value texts.
// Older readers stop before it, so it only carries inputs they do not know.
const char* const ExtensionMarker = "TRABIK-EXT";
constexpr int ExtensionVersion = 1;

// The known keys of the extension block, each a text of the task; a value equal to its default
// (that of a new task) is not written.
template <auto Group, auto Member> QString& TaskText(TTask& task)
{
    return (task.*Group).*Member;
}
struct TExtensionKey
{
    const char* Key;
    QString& (*Field)(TTask&);
    const QString& Of(const TTask& task) const { return Field(const_cast<TTask&>(task)); }
};
const TExtensionKey ExtensionKeys[] = {
    { "deflectionLimit", &TaskText<&TTask::Deflection, &TDeflectionInputs::DeflectionLimit> },
    { "material", &TaskText<&TTask::Deflection, &TDeflectionInputs::Material> },
    { "section", &TaskText<&TTask::Deflection, &TDeflectionInputs::Section> },
    { "steelGrade", &TaskText<&TTask::Steel, &TSteelInputs::SteelGrade> },
    { "ltbLength", &TaskText<&TTask::Steel, &TSteelInputs::LtbLength> },
    { "ltbLoadLevel", &TaskText<&TTask::Steel, &TSteelInputs::LtbLoadLevel> },
    { "selfWeight", &TaskText<&TTask::Steel, &TSteelInputs::SelfWeight> },
    { "steelMaxRatio", &TaskText<&TTask::Steel, &TSteelInputs::MaxDeflectionRatio> },
    { "steelVariableRatio", &TaskText<&TTask::Steel, &TSteelInputs::VariableDeflectionRatio> },
    { "creepCoefficient", &TaskText<&TTask::Deflection, &TDeflectionInputs::CreepCoefficient> },
    { "checkMaterial", &TaskText<&TTask::Timber, &TTimberInputsText::CheckMaterial> },
    { "timberClass", &TaskText<&TTask::Timber, &TTimberInputsText::ClassName> },
    { "timberWidth", &TaskText<&TTask::Timber, &TTimberInputsText::Width> },
    { "timberDepth", &TaskText<&TTask::Timber, &TTimberInputsText::Depth> },
    { "serviceClass", &TaskText<&TTask::Timber, &TTimberInputsText::ServiceClass> },
    { "supportLength", &TaskText<&TTask::Timber, &TTimberInputsText::SupportLength> },
    { "precamber", &TaskText<&TTask::Timber, &TTimberInputsText::Precamber> },
    { "wInstRatio", &TaskText<&TTask::Timber, &TTimberInputsText::InstRatio> },
    { "wNetFinRatio", &TaskText<&TTask::Timber, &TTimberInputsText::NetFinRatio> },
    { "wFinRatio", &TaskText<&TTask::Timber, &TTimberInputsText::FinRatio> },
};

// The EN 1990 inputs: the combination rule, and the action type and load-duration class of each
// load case, keyed by the number the load case has after opening (its position, 1..N). Written only
// where set.
const char* const CombinationRuleKey = "combinationRule";

struct TLoadCaseKey
{
    const char* Name;
    QString TLoadCase::*Field;
};
const TLoadCaseKey LoadCaseKeys[] = { { "action", &TLoadCase::Action }, { "duration", &TLoadCase::Duration } };

QString LoadCaseKey(size_t index, const char* name)
{
    return QStringLiteral("loadCase.%1.%2").arg(index + 1).arg(QLatin1String(name));
}

void AddEn1990Items(const TTask& task, TExtensionItems& items)
{
    if (task.CombinationRule != TTask::DefaultCombinationRule())
        items.emplace_back(QString::fromLatin1(CombinationRuleKey), task.CombinationRule);
    for (const TLoadCaseKey& key : LoadCaseKeys)
        for (size_t i = 0; i < task.LoadCases.size(); ++i)
            if (!(task.LoadCases[i].*key.Field).isEmpty())
                items.emplace_back(LoadCaseKey(i, key.Name), task.LoadCases[i].*key.Field);
}

// False for a key that is not one of them (or names a load case the file does not have).
bool ReadEn1990Item(TTask& task, const QString& key, const QString& value)
{
    if (key == QLatin1String(CombinationRuleKey)) {
        task.CombinationRule = value;
        return true;
    }
    const QStringList parts = key.split(QLatin1Char('.'));
    if (parts.size() != 3 || parts[0] != QLatin1String("loadCase"))
        return false;
    bool ok = false;
    const int number = parts[1].toInt(&ok);
    if (!ok || number < 1 || size_t(number) > task.LoadCases.size())
        return false;
    for (const TLoadCaseKey& k : LoadCaseKeys)
        if (key == LoadCaseKey(size_t(number - 1), k.Name)) {
            task.LoadCases[size_t(number - 1)].*k.Field = value;
            return true;
        }
    return false;
}

} // namespace

TExtensionItems ExtensionItemsOf(const TTask& task)
{
    TExtensionItems items;
    const TTask defaults;
    for (const TExtensionKey& key : ExtensionKeys)
        if (key.Of(task) != key.Of(defaults))
            items.emplace_back(QString::fromLatin1(key.Key), key.Of(task));
    AddEn1990Items(task, items);
    items.insert(items.end(), task.ExtensionItems.begin(), task.ExtensionItems.end());
    return items;
}

void SetExtensionItems(TTask& task, const TExtensionItems& items)
{
    const TTask defaults;
    for (const TExtensionKey& key : ExtensionKeys)
        key.Field(task) = key.Of(defaults);
    task.CombinationRule = TTask::DefaultCombinationRule();
    for (TLoadCase& loadCase : task.LoadCases)
        for (const TLoadCaseKey& key : LoadCaseKeys)
            (loadCase.*key.Field).clear();
    task.ExtensionItems.clear();
    for (const auto& [key, value] : items) {
        const TExtensionKey* known = nullptr;
        for (const TExtensionKey& k : ExtensionKeys)
            if (key == QLatin1String(k.Key))
                known = &k;
        if (known)
            known->Field(task) = value;
        else if (!ReadEn1990Item(task, key, value))
            task.ExtensionItems.emplace_back(key, value);
    }
}

namespace {

QString TooManyText(const QString& what, qsizetype count)
{
    return QStringLiteral("Úlohu nelze uložit: %1 je %2, soubor jich pojme nejvýše 65535.").arg(what).arg(count);
}

class TFileOut
{
public:
    void Str(const QString& value) { WriteStr(File, value); }
    void Int(int value) { WriteInt(File, value); }
    void Dbl(double value) { WriteDouble(File, value); }
    void Bool(bool value) { WriteBool(File, value); }
    // A count of what follows; `what` names it when it does not fit 16 bits.
    template <typename TWhat> void Count(qsizetype count, TWhat what)
    {
        if (count > MaxFileInt)
            throw TError(TooManyText(what(), count));
        WriteInt(File, int(count));
    }

    void EndCondition(const TTask& task, unsigned char typ) { Bool(task.Typ == typ); }

    TZSInfo LoadCaseInfo(const TTask& task, int index)
    {
        TZSInfo info = TTask::InfoOf(task.LoadCases[size_t(index)]);
        info.Number &= 0xFFFF; // not read back (opening renumbers), so a number past 16 bits simply wraps
        return info;
    }
    void StartLoadCase(const TTask&, const TZSInfo&) { }
    // Load `row` of load case `index` as the load readers give it.
    template <typename TLoad> TLoad LoadAt(const TTask& task, int index, int row)
    {
        const TLoadCase& loadCase = task.LoadCases[size_t(index)];
        if constexpr (std::is_same_v<TLoad, TPxLoad>)
            return TTask::ReadPx(loadCase, row + 1);
        else if constexpr (std::is_same_v<TLoad, TQLoad>)
            return TTask::ReadQ(loadCase, row + 1);
        else if constexpr (std::is_same_v<TLoad, TMxLoad>)
            return TTask::ReadMx(loadCase, row + 1);
        else
            return TTask::ReadQQ(loadCase, row + 1);
    }
    template <typename TLoad> void AddLoad(const TTask&, const TLoad&) { }

    void Resize(const TCombinationGrid&, int, int) { }
    void Cell(const TCombinationGrid& grid, int col, int row) { Str(grid.Cell(col, row)); }

    // Written only when there is something in it, so a task without new inputs saves as before.
    void Extension(const TTask& task)
    {
        const TExtensionItems items = ExtensionItemsOf(task);
        if (items.empty())
            return;
        Str(QString::fromLatin1(ExtensionMarker));
        Int(ExtensionVersion);
        Count(qsizetype(items.size()), [] { return QStringLiteral("počet rozšiřujících údajů úlohy"); });
        for (const auto& [key, value] : items) {
            Str(key);
            Str(value);
        }
    }

    const QByteArray& Data() const { return File.Data(); }

private:
    TProjectWriter File;
};

class TFileIn
{
public:
    TFileIn(const QByteArray& bytes, QStringList* warnings)
        : File(bytes)
        , Warnings(warnings)
    {
    }
    void Str(QString& value) { value = ReadStr(File); }
    void Int(int& value) { value = ReadInt(File); }
    void Dbl(double& value) { value = ReadDouble(File); }
    void Bool(bool& value) { value = ReadBool(File); }
    template <typename TWhat> void Count(int& count, TWhat) { count = ReadInt(File); }

    // Checking a radio button selects its end condition; unchecking one selects nothing.
    void EndCondition(TTask& task, unsigned char typ)
    {
        if (ReadBool(File))
            task.SetTyp(typ);
    }

    TZSInfo LoadCaseInfo(const TTask&, int) { return TZSInfo(); }
    // The i-th load case of the file becomes number i (the saved number is not used), and
    // short-term is always the negation of long-term.
    void StartLoadCase(TTask& task, TZSInfo& info)
    {
        const int index = task.NewLoadCase(TCaller::Generator);
        info.Number = task.LoadCases[size_t(index)].Number;
        info.ShortTerm = !info.LongTerm;
        task.SetZSInfoAt(index, info);
    }
    template <typename TLoad> TLoad LoadAt(const TTask&, int, int) { return TLoad(); }
    void AddLoad(TTask& task, const TPxLoad& l) { task.AddPxRow(l.Included, l.P, l.a); }
    void AddLoad(TTask& task, const TQLoad& l) { task.AddQRow(l.Included, l.q); }
    void AddLoad(TTask& task, const TQQLoad& l) { task.AddQQRow(l.Included, l.qa, l.a, l.qb, l.b); }
    void AddLoad(TTask& task, const TMxLoad& l) { task.AddMxRow(l.Included, l.M, l.a); }

    void Resize(TCombinationGrid& grid, int cols, int rows)
    {
        // Every cell takes at least two bytes: a foreign file must not make us allocate 4 billion cells.
        if (qint64(cols) * rows * 2 > File.Remaining())
            throw TError(QStringLiteral("Read beyond end of file"));
        grid.SetSize(cols, rows);
    }
    void Cell(TCombinationGrid& grid, int col, int row) { grid.SetCell(col, row, ReadStr(File)); }

    // Bytes after the fixed values that are not an extension block are ignored; a block that is cut
    // or bad costs only its own values, which then keep their defaults, and the user is told.
    void Extension(TTask& task)
    {
        SetExtensionItems(task, {});
        TProjectWriter marker;
        WriteStr(marker, QString::fromLatin1(ExtensionMarker));
        const QByteArray rest = File.Take(File.Remaining());
        if (!rest.startsWith(marker.Data()) && !(rest.size() >= 2 && marker.Data().startsWith(rest)))
            return;
        TExtensionItems items;
        try {
            TProjectReader block(rest);
            ReadStr(block);
            const int version = ReadInt(block);
            if (version > ExtensionVersion) {
                Warn(QStringLiteral("Rozšiřující údaje úlohy jsou z novější verze programu, použity výchozí hodnoty."));
                return;
            }
            if (version < ExtensionVersion)
                throw TError(QString());
            const int count = ReadInt(block);
            for (int i = 0; i < count; ++i) {
                QString key = ReadStr(block);
                items.emplace_back(std::move(key), ReadStr(block));
            }
        } catch (const TError&) {
            Warn(QStringLiteral("Rozšiřující údaje úlohy jsou poškozené, použity výchozí hodnoty."));
            return;
        }
        SetExtensionItems(task, items);
    }

private:
    void Warn(const QString& text)
    {
        if (Warnings)
            Warnings->append(text);
    }

    TProjectReader File;
    QStringList* Warnings;
};

// The values of one load are the same for both directions: the included flag, then the numbers.
template <typename TArchive> void SerializeLoad(TArchive& a, TPxLoad& l)
{
    a.Bool(l.Included);
    a.Dbl(l.P);
    a.Dbl(l.a);
}
template <typename TArchive> void SerializeLoad(TArchive& a, TQLoad& l)
{
    a.Bool(l.Included);
    a.Dbl(l.q);
}
template <typename TArchive> void SerializeLoad(TArchive& a, TQQLoad& l)
{
    a.Bool(l.Included);
    a.Dbl(l.qa);
    a.Dbl(l.a);
    a.Dbl(l.qb);
    a.Dbl(l.b);
}
template <typename TArchive> void SerializeLoad(TArchive& a, TMxLoad& l)
{
    a.Bool(l.Included);
    a.Dbl(l.M);
    a.Dbl(l.a);
}

template <typename TLoad, typename TArchive, typename TTaskRef>
void SerializeLoads(TArchive& a, TTaskRef& task, int index, int count)
{
    for (int row = 0; row < count; ++row) {
        TLoad load = a.template LoadAt<TLoad>(task, index, row);
        SerializeLoad(a, load);
        a.AddLoad(task, load);
    }
}

// Name, number, gamma_f, long- and short-term, the four row counts, the print flag, then the rows.
template <typename TArchive, typename TTaskRef> void SerializeLoadCase(TArchive& a, TTaskRef& task, int index)
{
    TZSInfo info = a.LoadCaseInfo(task, index);
    a.Str(info.Name);
    a.Int(info.Number);
    a.Dbl(info.Gamaf);
    a.Bool(info.LongTerm);
    a.Bool(info.ShortTerm);
    for (int& count : info.Counts)
        a.Count(count,
            [&info] { return QStringLiteral("počet zatížení jednoho druhu v zatěžovacím stavu „%1“").arg(info.Name); });
    a.Bool(info.PrintResults);
    a.StartLoadCase(task, info);
    SerializeLoads<TPxLoad>(a, task, index, info.Counts[KindPx]);
    SerializeLoads<TQLoad>(a, task, index, info.Counts[KindQ]);
    SerializeLoads<TQQLoad>(a, task, index, info.Counts[KindQQ]);
    SerializeLoads<TMxLoad>(a, task, index, info.Counts[KindMx]);
}

// Column count, row count, then every cell column by column.
template <typename TArchive, typename TGrid> void SerializeGrid(TArchive& a, TGrid& grid)
{
    int cols = grid.ColCount();
    int rows = grid.RowCount();
    a.Count(cols, [] { return QStringLiteral("počet sloupců tabulky kombinací"); });
    a.Count(rows, [] { return QStringLiteral("počet řádků tabulky kombinací"); });
    a.Resize(grid, cols, rows);
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row)
            a.Cell(grid, col, row);
}

template <typename TArchive, typename TPrint> void SerializeReportOptions(TArchive& a, TPrint& print)
{
    a.Bool(print[1].Checked);
    a.Bool(print[1].Enabled);
    for (int box : { 2, 3, 10, 11, 12, 13, 14, 4, 5, 6, 7 })
        a.Bool(print[box].Checked);
}

template <typename TArchive, typename TGenerator> void SerializeGenerator(TArchive& a, TGenerator& g)
{
    a.Str(g.Edit1);
    a.Bool(g.CheckBox1);
    a.Str(g.Edit2);
    a.Bool(g.CheckBox2);
    a.Str(g.Edit3);
    a.Str(g.Edit4);
    for (auto* radio : { &g.RadioButton3, &g.RadioButton4, &g.RadioButton1, &g.RadioButton2 })
        a.Bool(*radio);
    for (auto* text : { &g.Edit5, &g.Edit6, &g.Edit8, &g.Edit9, &g.Edit10, &g.Edit12, &g.Edit13, &g.Edit14, &g.Edit15,
             &g.Edit16, &g.Edit17, &g.Edit18, &g.Edit19, &g.Edit20, &g.Edit21, &g.Edit22, &g.Edit23 })
        a.Str(*text);
}

// The whole file: identification, geometry, load cases, combinations, options, extension block.
template <typename TArchive, typename TTaskRef> void SerializeProject(TArchive& a, TTaskRef& task)
{
    a.Str(task.Job);
    a.Str(task.Author);
    a.Str(task.TaskTitle);
    a.Str(task.SpanText);
    for (const TEndCondition& end : EndConditions()) // the radio buttons in file order
        a.EndCondition(task, end.Code);
    int count = int(task.LoadCases.size());
    a.Count(count, [] { return QStringLiteral("počet zatěžovacích stavů"); });
    for (int index = 0; index < count; ++index)
        SerializeLoadCase(a, task, index);
    SerializeGrid(a, task.Grid);
    SerializeReportOptions(a, task.Print);
    SerializeGenerator(a, task.Generator);
    a.Str(task.Deflection.Edit30);
    a.Str(task.Deflection.Edit31);
    a.Str(task.Deflection.IyUnit);
    a.Str(task.Deflection.EUnit);
    for (int box : { 8, 9, 15, 16, 17, 18, 19, 20, 21, 22 })
        a.Bool(task.Print[box].Checked);
    a.Extension(task);
}

} // namespace

QByteArray EncodeProject(const TTask& task)
{
    TFileOut out;
    SerializeProject(out, task);
    return out.Data();
}

TTask DecodeProject(const QByteArray& bytes, const TTask& base, QStringList* warnings)
{
    TTask task = base;
    task.DeleteAllLoadCases();
    task.ZSCounter = 0;
    TFileIn in(bytes, warnings);
    SerializeProject(in, task);
    // The rows were made after the end condition was set: partial loads follow it as on screen.
    task.SetTyp(task.Typ);
    task.RefreshCalculationLists();
    return task;
}
