#include "library/TLibrary.h"

#include "library/SectionTable.h"
#include "model/TError.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>
#include <optional>

namespace {

const QString MaterialsHeader = QStringLiteral("[materiály]");
const QString SectionsHeader = QStringLiteral("[průřezy]");

struct TMaterialGroup
{
    const char* Kind;
    std::vector<std::pair<const char*, double>> Grades; // grade, E in GPa
};

// Mean moduli: steel and aluminium as the design codes take them, timber E0,mean of EN 338 and
// EN 14080, concrete Ecm of EN 1992-1-1 table 3.1.
const std::vector<TMaterialGroup> MaterialTable = {
    { "ocel", { { "S235", 210 }, { "S275", 210 }, { "S355", 210 }, { "S460", 210 } } },
    { "nerezová ocel", { { "1.4301", 200 } } },
    { "hliník", { { "EN AW-6060", 70 } } },
    { "dřevo",
        { { "C14", 7 }, { "C16", 8 }, { "C18", 9 }, { "C20", 9.5 }, { "C22", 10 }, { "C24", 11 }, { "C27", 11.5 },
            { "C30", 12 }, { "C35", 13 }, { "C40", 14 } } },
    { "lepené dřevo",
        { { "GL24h", 11.5 }, { "GL26h", 12.1 }, { "GL28h", 12.6 }, { "GL30h", 13.6 }, { "GL32h", 14.2 } } },
    { "beton",
        { { "C12/15", 27 }, { "C16/20", 29 }, { "C20/25", 30 }, { "C25/30", 31 }, { "C30/37", 33 }, { "C35/45", 34 },
            { "C40/50", 35 }, { "C45/55", 36 }, { "C50/60", 37 } } },
};

// Handbooks print Iy to four significant digits; more would claim an accuracy that nominal
// dimensions do not have.
double FourDigits(double value)
{
    const double scale = std::pow(10.0, std::floor(std::log10(value)) - 3);
    return std::round(value / scale) * scale;
}

QString NumberText(double value)
{
    return QString::number(value, 'g', 15);
}

// A value of the user's file: a positive number with "." or ",".
bool ParseValue(QString text, double& value)
{
    bool ok = false;
    value = QLocale::c().toDouble(text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(value) && value > 0;
}

} // namespace

QString LibraryUnit(TLibraryKind kind)
{
    return kind == TLibraryKind::Materials ? QStringLiteral("GPa") : QStringLiteral("mm4");
}

std::vector<TLibraryEntry> BuiltInMaterials()
{
    std::vector<TLibraryEntry> entries;
    for (const TMaterialGroup& group : MaterialTable)
        for (const auto& [grade, e] : group.Grades)
            entries.push_back({ QString::fromUtf8(group.Kind) + QLatin1Char(' ') + QString::fromUtf8(grade), e, true });
    return entries;
}

std::vector<TLibraryEntry> BuiltInSections()
{
    std::vector<TLibraryEntry> entries;
    for (const TSectionDims& dims : SectionDimensions())
        entries.push_back({ QString::fromLatin1(dims.Series) + QLatin1Char(' ') + QString::number(dims.Size),
            FourDigits(SectionIyMm4(dims)), true });
    return entries;
}

QString UserLibraryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/knihovna.txt");
}

TLibrary::TLibrary()
    : Materials(BuiltInMaterials())
    , Sections(BuiltInSections())
{
}

const std::vector<TLibraryEntry>& TLibrary::Entries(TLibraryKind kind) const
{
    return kind == TLibraryKind::Materials ? Materials : Sections;
}

std::vector<TLibraryEntry>& TLibrary::List(TLibraryKind kind)
{
    return kind == TLibraryKind::Materials ? Materials : Sections;
}

QStringList TLibrary::StoreLines(TLibraryKind kind) const
{
    const QString point = QLocale().decimalPoint();
    QStringList lines;
    for (const TLibraryEntry& entry : Entries(kind))
        lines << entry.Name + QLatin1Char('=') + NumberText(entry.Value).replace(QLatin1Char('.'), point);
    return lines;
}

const TLibraryEntry* TLibrary::Find(TLibraryKind kind, const QString& name) const
{
    for (const TLibraryEntry& entry : Entries(kind))
        if (entry.Name == name)
            return &entry;
    return nullptr;
}

QString TLibrary::EntryProblem(TLibraryKind kind, const QString& name, double value, int replacing) const
{
    if (name.trimmed().isEmpty() || name.contains(QLatin1Char('=')) || name.startsWith(QLatin1Char('[')))
        return QStringLiteral("Název „%1“ nelze použít: nesmí být prázdný, obsahovat „=“ ani začínat „[“.").arg(name);
    if (!std::isfinite(value) || value <= 0)
        return QStringLiteral("Hodnota položky „%1“ musí být kladné číslo.").arg(name);
    const std::vector<TLibraryEntry>& entries = Entries(kind);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Name != name.trimmed() || int(i) == replacing)
            continue;
        return entries[i].BuiltIn
            ? QStringLiteral("Název „%1“ má vestavěná položka knihovny; zvolte jiný název.").arg(name.trimmed())
            : QStringLiteral("Název „%1“ už v knihovně je; zvolte jiný název.").arg(name.trimmed());
    }
    return {};
}

void TLibrary::AddUserEntry(TLibraryKind kind, const QString& name, double value)
{
    List(kind).push_back({ name.trimmed(), value, false });
}

void TLibrary::ChangeUserEntry(TLibraryKind kind, int index, const QString& name, double value)
{
    TLibraryEntry& entry = List(kind).at(size_t(index));
    if (!entry.BuiltIn)
        entry = { name.trimmed(), value, false };
}

void TLibrary::RemoveUserEntry(TLibraryKind kind, int index)
{
    std::vector<TLibraryEntry>& list = List(kind);
    if (index >= 0 && size_t(index) < list.size() && !list[size_t(index)].BuiltIn)
        list.erase(list.begin() + index);
}

QStringList TLibrary::ReadUserText(const QString& text)
{
    Materials = BuiltInMaterials();
    Sections = BuiltInSections();
    QStringList messages;
    std::optional<TLibraryKind> kind; // none before the first header
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line == MaterialsHeader || line == SectionsHeader) {
            kind = line == MaterialsHeader ? TLibraryKind::Materials : TLibraryKind::Sections;
            continue;
        }
        const QString name = line.section(QLatin1Char('='), 0, 0).trimmed();
        double value = 0;
        if (!kind || !line.contains(QLatin1Char('=')) || !ParseValue(line.section(QLatin1Char('='), 1), value)
            || name.isEmpty() || name.startsWith(QLatin1Char('['))) {
            messages
                << QStringLiteral("Řádek %1 souboru knihovny je poškozený a byl vynechán: „%2“").arg(i + 1).arg(line);
            continue;
        }
        const QString problem = EntryProblem(*kind, name, value);
        if (!problem.isEmpty()) {
            messages << QStringLiteral("Řádek %1 souboru knihovny byl vynechán. ").arg(i + 1) + problem;
            continue;
        }
        AddUserEntry(*kind, name, value);
    }
    return messages;
}

QString TLibrary::UserText() const
{
    QString text;
    for (TLibraryKind kind : { TLibraryKind::Materials, TLibraryKind::Sections }) {
        text += (kind == TLibraryKind::Materials ? MaterialsHeader : SectionsHeader) + QLatin1Char('\n');
        for (const TLibraryEntry& entry : Entries(kind))
            if (!entry.BuiltIn)
                text += entry.Name + QLatin1Char('=') + NumberText(entry.Value) + QLatin1Char('\n');
    }
    return text;
}

QStringList TLibrary::LoadUserFile(const QString& path)
{
    Path = path;
    QFile file(path);
    if (!file.exists())
        return ReadUserText(QString());
    if (!file.open(QIODevice::ReadOnly)) {
        ReadUserText(QString());
        return { QStringLiteral("Soubor knihovny %1 nelze přečíst: %2").arg(path, file.errorString()) };
    }
    return ReadUserText(QString::fromUtf8(file.readAll()));
}

void TLibrary::SaveUserFile() const
{
    if (Path.isEmpty())
        throw TError(QStringLiteral("Knihovna nemá soubor, do kterého by se uložila."));
    const QString folder = Path.section(QLatin1Char('/'), 0, -2);
    QSaveFile file(Path);
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        throw TError(QStringLiteral("Složku %1 pro soubor knihovny nelze vytvořit.").arg(folder));
    if (!file.open(QIODevice::WriteOnly) || file.write(UserText().toUtf8()) < 0 || !file.commit())
        throw TError(QStringLiteral("Soubor knihovny %1 nelze uložit: %2").arg(Path, file.errorString()));
}
