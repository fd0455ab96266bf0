// The task as JSON: TaskToJson for `dump`, TaskFromJson for `new`. The key names of the fields that are
// plain texts and flags are in the tables below, used both ways.
#include "cli/TaskJson.h"

#include "analysis/Combinations.h"
#include "analysis/Extremes.h"
#include "model/TEndConditions.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"
#include "storage/ProjectPrimitives.h"
#include "storage/uProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>
#include <functional>

namespace {

template <typename TOwner, typename TValue> struct TField
{
    const char* Key;
    TValue TOwner::*Field;
};
template <typename TOwner> using TTextField = TField<TOwner, QString>;
template <typename TOwner> using TFlagField = TField<TOwner, bool>;

const TTextField<TGeneratorInputs> GeneratorTexts[] = {
    { "Edit1", &TGeneratorInputs::Edit1 },
    { "Edit2", &TGeneratorInputs::Edit2 },
    { "Edit3", &TGeneratorInputs::Edit3 },
    { "Edit4", &TGeneratorInputs::Edit4 },
    { "Edit5", &TGeneratorInputs::Edit5 },
    { "Edit6", &TGeneratorInputs::Edit6 },
    { "Edit8", &TGeneratorInputs::Edit8 },
    { "Edit9", &TGeneratorInputs::Edit9 },
    { "Edit10", &TGeneratorInputs::Edit10 },
    { "Edit12", &TGeneratorInputs::Edit12 },
    { "Edit13", &TGeneratorInputs::Edit13 },
    { "Edit14", &TGeneratorInputs::Edit14 },
    { "Edit15", &TGeneratorInputs::Edit15 },
    { "Edit16", &TGeneratorInputs::Edit16 },
    { "Edit17", &TGeneratorInputs::Edit17 },
    { "Edit18", &TGeneratorInputs::Edit18 },
    { "Edit19", &TGeneratorInputs::Edit19 },
    { "Edit20", &TGeneratorInputs::Edit20 },
    { "Edit21", &TGeneratorInputs::Edit21 },
    { "Edit22", &TGeneratorInputs::Edit22 },
    { "Edit23", &TGeneratorInputs::Edit23 },
};
const TFlagField<TGeneratorInputs> GeneratorFlags[] = {
    { "CheckBox1", &TGeneratorInputs::CheckBox1 },
    { "CheckBox2", &TGeneratorInputs::CheckBox2 },
    { "RadioButton1", &TGeneratorInputs::RadioButton1 },
    { "RadioButton2", &TGeneratorInputs::RadioButton2 },
    { "RadioButton3", &TGeneratorInputs::RadioButton3 },
    { "RadioButton4", &TGeneratorInputs::RadioButton4 },
};
const TTextField<TDeflectionInputs> DeflectionTexts[] = {
    { "Edit30", &TDeflectionInputs::Edit30 },
    { "IyUnit", &TDeflectionInputs::IyUnit },
    { "Edit31", &TDeflectionInputs::Edit31 },
    { "EUnit", &TDeflectionInputs::EUnit },
    { "DeflectionLimit", &TDeflectionInputs::DeflectionLimit },
    { "Material", &TDeflectionInputs::Material },
    { "Section", &TDeflectionInputs::Section },
};

constexpr int PrintOptionCount = 22;

QString CheckBoxKey(int box)
{
    return QStringLiteral("CheckBox%1").arg(box);
}

// ---- The task as JSON ----

template <typename TOwner, typename TTable> void PutFields(QJsonObject& o, const TOwner& owner, const TTable& table)
{
    for (const auto& f : table)
        o[QLatin1String(f.Key)] = owner.*f.Field;
}

// The loads as the load readers give them: included flag and numbers.
QJsonObject LoadsJson(const TTask& task, const TZSInfo& info)
{
    const int n = info.Number;
    QJsonArray px, q, qq, mx;
    for (int k = 1; k <= info.Counts[KindPx]; ++k) {
        const TPxLoad l = task.ReadPx(n, k);
        px.append(QJsonObject { { "Included", l.Included }, { "P", l.P }, { "a", l.a } });
    }
    for (int k = 1; k <= info.Counts[KindQ]; ++k) {
        const TQLoad l = task.ReadQ(n, k);
        q.append(QJsonObject { { "Included", l.Included }, { "q", l.q } });
    }
    for (int k = 1; k <= info.Counts[KindQQ]; ++k) {
        const TQQLoad l = task.ReadQQ(n, k);
        qq.append(
            QJsonObject { { "Included", l.Included }, { "qa", l.qa }, { "a", l.a }, { "qb", l.qb }, { "b", l.b } });
    }
    for (int k = 1; k <= info.Counts[KindMx]; ++k) {
        const TMxLoad l = task.ReadMx(n, k);
        mx.append(QJsonObject { { "Included", l.Included }, { "M", l.M }, { "a", l.a } });
    }
    return { { "PointForces", px }, { "UniformLoads", q }, { "PartialLoads", qq }, { "PointMoments", mx } };
}

QJsonArray LoadCasesJson(const TTask& task)
{
    QJsonArray cases;
    for (const TLoadCase& loadCase : task.LoadCases) {
        const TZSInfo info = task.GetZSInfo(loadCase.Number);
        QJsonObject o = LoadsJson(task, info);
        o[QStringLiteral("Number")] = info.Number;
        o[QStringLiteral("Name")] = info.Name;
        o[QStringLiteral("Gamaf")] = info.Gamaf;
        o[QStringLiteral("LongTerm")] = info.LongTerm;
        o[QStringLiteral("PrintResults")] = info.PrintResults;
        cases.append(o);
    }
    return cases;
}

QJsonArray GridJson(const TCombinationGrid& grid)
{
    QJsonArray rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        QJsonArray cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cell(col, row));
        rows.append(cells);
    }
    return rows;
}

// The members of each named combination as the calculation takes them (CombinationMembers), named by
// their column headers.
QJsonArray CombinationsJson(const TTask& task)
{
    const TCombinationGrid& grid = task.Grid;
    QJsonArray combinations;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(1, row).isEmpty())
            continue;
        QJsonArray members;
        for (int index : CombinationMembers(task, row))
            members.append(grid.Cell(TTask::FirstLoadCaseColumn + index, 0));
        combinations.append(QJsonObject { { "Name", grid.Cell(1, row) }, { "LoadCases", members } });
    }
    return combinations;
}

QJsonObject PrintOptionsJson(const TPrintOptions& print)
{
    QJsonObject o;
    for (int box = 1; box <= PrintOptionCount; ++box)
        o[CheckBoxKey(box)] = QJsonObject { { "Checked", print[box].Checked }, { "Enabled", print[box].Enabled } };
    return o;
}

// ---- JSON as a task ----

[[noreturn]] void Fail(const QString& path, const QString& problem, const QJsonValue& value)
{
    throw TError(QStringLiteral("%1: %2, zadáno %3").arg(path, problem, QString::fromUtf8(JsonText(value))));
}

// One JSON object of the input at its place in the document ("LoadCases[2].PointForces[0]"), read key
// by key; a key that no one asked for is unknown.
class TJsonIn
{
public:
    TJsonIn(const QJsonValue& value, QString path)
        : Path(std::move(path))
    {
        if (!value.isObject())
            Fail(Path, QStringLiteral("očekáván objekt"), value);
        Object = value.toObject();
    }
    // Every key must have been read: the first one that was not is named.
    void Finish() const
    {
        for (auto it = Object.begin(); it != Object.end(); ++it)
            if (!Known.contains(it.key()))
                Fail(At(it.key()), QStringLiteral("neznámý klíč"), it.value());
    }

    QString At(const QString& key) const { return Path.isEmpty() ? key : Path + QLatin1Char('.') + key; }
    bool Has(const char* key) const { return Object.contains(QLatin1String(key)); }
    // The value of `key`, undefined when it is absent.
    QJsonValue Take(const char* key)
    {
        Known << QLatin1String(key);
        return Object.value(QLatin1String(key));
    }

    void Value(const char* key, QString& value) { Text(key, value); }
    void Value(const char* key, bool& value) { Flag(key, value); }
    void Text(const char* key, QString& value)
    {
        const QJsonValue v
            = Given(key, QStringLiteral("očekáván text"), [](const QJsonValue& v) { return v.isString(); });
        if (!v.isUndefined())
            value = v.toString();
    }
    void Flag(const char* key, bool& value)
    {
        const QJsonValue v
            = Given(key, QStringLiteral("očekáváno true nebo false"), [](const QJsonValue& v) { return v.isBool(); });
        if (!v.isUndefined())
            value = v.toBool();
    }
    void Number(const char* key, double& value)
    {
        const QJsonValue v = Given(key, QStringLiteral("očekáváno číslo"),
            [](const QJsonValue& v) { return v.isDouble() && std::isfinite(v.toDouble()); });
        if (!v.isUndefined())
            value = v.toDouble();
    }
    void Integer(const char* key, int& value, int lowest, int highest)
    {
        const QJsonValue v = Given(
            key, QStringLiteral("očekáváno celé číslo %1 až %2").arg(lowest).arg(highest), [&](const QJsonValue& v) {
                const double d = v.toDouble();
                return v.isDouble() && d >= lowest && d <= highest && d == std::floor(d);
            });
        if (!v.isUndefined())
            value = int(v.toDouble());
    }
    // The object under `key`, when there is one.
    void Nested(const char* key, const std::function<void(TJsonIn&)>& read)
    {
        const QJsonValue v = Take(key);
        if (v.isUndefined())
            return;
        TJsonIn in(v, At(QLatin1String(key)));
        read(in);
        in.Finish();
    }
    // Each item of the array under `key`, with its path ("PointForces[0]").
    void Items(const char* key, const std::function<void(const QJsonValue&, const QString&)>& read)
    {
        const QJsonValue v = Take(key);
        if (v.isUndefined())
            return;
        if (!v.isArray())
            Fail(At(QLatin1String(key)), QStringLiteral("očekáváno pole"), v);
        const QJsonArray array = v.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            read(array[i], At(QLatin1String(key)) + QStringLiteral("[%1]").arg(i));
    }
    // Each item of the array under `key` that is an object.
    void Objects(const char* key, const std::function<void(TJsonIn&)>& read)
    {
        Items(key, [&](const QJsonValue& item, const QString& path) {
            TJsonIn in(item, path);
            read(in);
            in.Finish();
        });
    }

private:
    // The value of `key` when it is there and `fits`, undefined when it is absent; else an error.
    QJsonValue Given(const char* key, const QString& expected, const std::function<bool(const QJsonValue&)>& fits)
    {
        const QJsonValue v = Take(key);
        if (!v.isUndefined() && !fits(v))
            Fail(At(QLatin1String(key)), expected, v);
        return v;
    }

    QJsonObject Object;
    QString Path;
    QStringList Known;
};

template <typename TOwner, typename TTable> void ReadFields(TJsonIn& in, TOwner& owner, const TTable& table)
{
    for (const auto& f : table)
        in.Value(f.Key, owner.*f.Field);
}

// A load listed is a load entered: included unless it says otherwise (the window ticks a row as a
// value is typed into it); numbers not given are 0, as an empty edit reads.
void ReadLoads(TJsonIn& in, TTask& task)
{
    in.Objects("PointForces", [&](TJsonIn& l) {
        TPxLoad load { true };
        l.Flag("Included", load.Included);
        l.Number("P", load.P);
        l.Number("a", load.a);
        task.AddPxRow(load.Included, load.P, load.a);
    });
    in.Objects("UniformLoads", [&](TJsonIn& l) {
        TQLoad load { true };
        l.Flag("Included", load.Included);
        l.Number("q", load.q);
        task.AddQRow(load.Included, load.q);
    });
    in.Objects("PartialLoads", [&](TJsonIn& l) {
        TQQLoad load { true };
        l.Flag("Included", load.Included);
        l.Number("qa", load.qa);
        l.Number("a", load.a);
        l.Number("qb", load.qb);
        l.Number("b", load.b);
        task.AddQQRow(load.Included, load.qa, load.a, load.qb, load.b);
    });
    in.Objects("PointMoments", [&](TJsonIn& l) {
        TMxLoad load { true };
        l.Flag("Included", load.Included);
        l.Number("M", load.M);
        l.Number("a", load.a);
        task.AddMxRow(load.Included, load.M, load.a);
    });
}

// Load cases are made as opening a file makes them: numbered in order, the record set as the load
// generator sets it, the rows filled with the numbers.
void ReadLoadCases(TJsonIn& in, TTask& task)
{
    if (!in.Has("LoadCases"))
        return;
    task.DeleteAllLoadCases();
    task.ZSCounter = 0;
    in.Objects("LoadCases", [&](TJsonIn& c) {
        const TLoadCase fresh;
        TZSInfo info;
        info.Name = fresh.Caption;
        info.Gamaf = StrToFloatX(fresh.GamafText);
        info.LongTerm = fresh.LongShort == QLatin1String("0");
        info.PrintResults = fresh.PrintResults;
        const int index = task.NewLoadCase(TCaller::Generator);
        int number = task.LoadCases[size_t(index)].Number;
        c.Integer("Number", number, 0, 65535);
        c.Text("Name", info.Name);
        c.Number("Gamaf", info.Gamaf);
        c.Flag("LongTerm", info.LongTerm);
        c.Flag("PrintResults", info.PrintResults);
        info.ShortTerm = !info.LongTerm;
        task.SetZSInfoAt(index, info);
        task.LoadCases[size_t(index)].Number = number;
        ReadLoads(c, task);
    });
}

void ReadGrid(TJsonIn& in, TCombinationGrid& grid)
{
    if (!in.Has("Grid"))
        return;
    std::vector<QStringList> rows;
    in.Items("Grid", [&](const QJsonValue& row, const QString& path) {
        if (!row.isArray())
            Fail(path, QStringLiteral("očekáváno pole"), row);
        QStringList cells;
        for (const QJsonValue cell : row.toArray()) {
            if (!cell.isString())
                Fail(path + QStringLiteral("[%1]").arg(cells.size()), QStringLiteral("očekáván text"), cell);
            cells << cell.toString();
        }
        if (!rows.empty() && cells.size() != rows.front().size())
            Fail(path, QStringLiteral("očekáván stejný počet buněk jako v řádku 0 (%1)").arg(rows.front().size()), row);
        rows.push_back(cells);
    });
    grid.SetSize(rows.empty() ? 0 : int(rows.front().size()), int(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row)
        for (int col = 0; col < rows[row].size(); ++col)
            grid.SetCell(col, int(row), rows[row][col]);
}

// Without a grid, the combinations make one: printed rows, a load case a member when it is named.
void GridFromCombinations(const QJsonArray& combinations, const QString& path, TTask& task)
{
    const int loadCases = int(task.LoadCases.size());
    task.Grid.SetSize(TTask::FirstLoadCaseColumn + loadCases, 1 + int(combinations.size()));
    task.Grid.Clear();
    for (int row = 1; row <= int(combinations.size()); ++row) {
        TJsonIn c(combinations[row - 1], path + QStringLiteral("[%1]").arg(row - 1));
        QString name;
        c.Text("Name", name);
        task.Grid.SetCell(1, row, name);
        for (int index = 0; index < loadCases; ++index)
            task.Grid.SetCell(TTask::LoadCaseColumn(index), row, QStringLiteral("0"));
        c.Items("LoadCases", [&](const QJsonValue& member, const QString& memberPath) {
            const int index = task.LoadCaseNames().indexOf(member.toString());
            if (!member.isString() || index < 0)
                Fail(memberPath, QStringLiteral("očekáván název zatěžovacího stavu úlohy"), member);
            task.Grid.SetCell(TTask::LoadCaseColumn(index), row, QString());
        });
        c.Finish();
    }
    task.RefreshCombinationGrid();
}

// Combinations and SpanL follow from other keys: given with them, they must agree; alone, they stand in.
void ReadDerived(TJsonIn& in, TTask& task)
{
    const QJsonValue span = in.Take("SpanL");
    if (!span.isUndefined() && !span.isDouble())
        Fail(in.At(QStringLiteral("SpanL")), QStringLiteral("očekáváno číslo"), span);
    if (!span.isUndefined() && !in.Has("SpanText"))
        task.SpanText = FormatFileDouble(span.toDouble());
    else if (!span.isUndefined() && span.toDouble() != task.SpanL())
        Fail(in.At(QStringLiteral("SpanL")), QStringLiteral("neodpovídá klíči SpanText"), span);

    const QJsonValue combinations = in.Take("Combinations");
    if (combinations.isUndefined())
        return;
    if (!combinations.isArray())
        Fail(in.At(QStringLiteral("Combinations")), QStringLiteral("očekáváno pole"), combinations);
    if (!in.Has("Grid"))
        GridFromCombinations(combinations.toArray(), in.At(QStringLiteral("Combinations")), task);
    else if (combinations.toArray() != CombinationsJson(task))
        Fail(in.At(QStringLiteral("Combinations")), QStringLiteral("neodpovídá klíči Grid"), combinations);
}

void ReadEndCondition(TJsonIn& in, TTask& task)
{
    const bool hasTyp = in.Has("Typ");
    int typ = task.Typ;
    in.Integer("Typ", typ, 0, 255);
    if (!EndConditionOf((unsigned char)typ).Known())
        Fail(in.At(QStringLiteral("Typ")), QStringLiteral("očekáván kód okrajových podmínek 11, 12, 21, 22, 2 nebo 20"),
            typ);
    QString caption = EndConditionOf((unsigned char)typ).Caption;
    in.Text("EndCondition", caption);
    const TEndCondition* named = nullptr;
    for (const TEndCondition& end : EndConditions())
        if (end.Caption == caption)
            named = &end;
    if (!named || (hasTyp && named->Code != typ))
        Fail(in.At(QStringLiteral("EndCondition")),
            named ? QStringLiteral("neodpovídá klíči Typ") : QStringLiteral("neznámé okrajové podmínky"), caption);
    task.Typ = named->Code;
}

void ReadPrintOptions(TJsonIn& in, TPrintOptions& print)
{
    in.Nested("PrintOptions", [&](TJsonIn& options) {
        for (int box = 1; box <= PrintOptionCount; ++box) {
            const QByteArray key = CheckBoxKey(box).toLatin1();
            options.Nested(key.constData(), [&](TJsonIn& o) {
                o.Flag("Checked", print[box].Checked);
                o.Flag("Enabled", print[box].Enabled);
            });
        }
    });
}

// The extension block's values as [key, text] pairs in file order (the action types, the member
// checks' inputs).
QJsonArray ExtensionJson(const TTask& task)
{
    QJsonArray items;
    for (const auto& [key, value] : ExtensionItemsOf(task))
        items.append(QJsonArray { key, value });
    return items;
}

void ReadExtension(TJsonIn& in, TTask& task)
{
    const QJsonValue items = in.Take("Extension");
    if (items.isUndefined())
        return;
    const QString path = in.At(QStringLiteral("Extension"));
    if (!items.isArray())
        Fail(path, QStringLiteral("očekáváno pole"), items);
    TExtensionItems read;
    for (qsizetype i = 0; i < items.toArray().size(); ++i) {
        const QJsonValue item = items.toArray().at(i);
        const QJsonArray pair = item.toArray();
        if (!item.isArray() || pair.size() != 2 || !pair[0].isString() || !pair[1].isString())
            Fail(QStringLiteral("%1[%2]").arg(path).arg(i), QStringLiteral("očekávána dvojice textů [klíč, hodnota]"),
                item);
        read.emplace_back(pair[0].toString(), pair[1].toString());
    }
    SetExtensionItems(task, read);
}

} // namespace

QByteArray JsonText(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QJsonObject TaskToJson(const TTask& task)
{
    QJsonObject o;
    o[QStringLiteral("Grid")] = GridJson(task.Grid);
    o[QStringLiteral("Combinations")] = CombinationsJson(task);
    o[QStringLiteral("Job")] = task.Job;
    o[QStringLiteral("Author")] = task.Author;
    o[QStringLiteral("TaskTitle")] = task.TaskTitle;
    o[QStringLiteral("SpanText")] = task.SpanText;
    o[QStringLiteral("SpanL")] = task.SpanL();
    o[QStringLiteral("Typ")] = int(task.Typ);
    o[QStringLiteral("EndCondition")] = EndConditionOf(task.Typ).Caption;
    o[QStringLiteral("LoadCases")] = LoadCasesJson(task);
    o[QStringLiteral("PrintOptions")] = PrintOptionsJson(task.Print);
    QJsonObject generator, deflection;
    PutFields(generator, task.Generator, GeneratorTexts);
    PutFields(generator, task.Generator, GeneratorFlags);
    PutFields(deflection, task.Deflection, DeflectionTexts);
    o[QStringLiteral("LoadGenerator")] = generator;
    o[QStringLiteral("Deflection")] = deflection;
    o[QStringLiteral("Extension")] = ExtensionJson(task);
    return o;
}

TTask TaskFromJson(const QJsonObject& json)
{
    TTask task = TTask::StartState();
    task.NewTask();
    TJsonIn in(json, QString());
    in.Text("Job", task.Job);
    in.Text("Author", task.Author);
    in.Text("TaskTitle", task.TaskTitle);
    in.Text("SpanText", task.SpanText);
    ReadEndCondition(in, task);
    ReadLoadCases(in, task);
    ReadGrid(in, task.Grid);
    ReadDerived(in, task);
    ReadPrintOptions(in, task.Print);
    in.Nested("LoadGenerator", [&](TJsonIn& g) {
        ReadFields(g, task.Generator, GeneratorTexts);
        ReadFields(g, task.Generator, GeneratorFlags);
    });
    in.Nested("Deflection", [&](TJsonIn& d) { ReadFields(d, task.Deflection, DeflectionTexts); });
    ReadExtension(in, task);
    in.Finish();
    // As after opening: the partial loads follow the end condition, the lists their entries.
    task.SetTyp(task.Typ);
    task.RefreshCalculationLists();
    return task;
}

QJsonObject ParseJsonObject(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = bytes.left(error.offset);
        const int line = int(before.count('\n')) + 1;
        const int column = int(before.size() - before.lastIndexOf('\n'));
        throw TError(QStringLiteral("JSON nelze přečíst, řádek %1, sloupec %2: %3")
                         .arg(line)
                         .arg(column)
                         .arg(error.errorString()));
    }
    if (!document.isObject())
        Fail(QStringLiteral("JSON"), QStringLiteral("očekáván objekt"),
            document.isArray() ? QJsonValue(document.array()) : QJsonValue());
    return document.object();
}
