// trabik-cli library: the material and section stores, built-in and the user's, as JSON in store order.
#include "cli/CliCommand.h"
#include "cli/TaskJson.h"
#include "library/SectionTable.h"
#include "library/TLibrary.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// Written by hand: a JSON object of Qt would sort the names and lose the store's order.
QByteArray StoreJson(const TLibrary& library, TLibraryKind kind)
{
    QByteArray json = "{";
    const char* separator = "";
    for (const TLibraryEntry& entry : library.Entries(kind)) {
        json += separator + JsonText(entry.Name) + ": " + QByteArray::number(entry.Value, 'g', 15);
        separator = ", ";
    }
    return json + "}";
}

// Every property of the built-in sections from their dimensions (mm, mm2, mm4, mm6, kg/m).
QByteArray SectionPropertiesJson()
{
    QByteArray json = "{";
    const char* separator = "";
    for (const TSectionDims& d : SectionDimensions()) {
        const TSectionProperties p = SectionProperties(d);
        const std::pair<const char*, double> values[] = { { "h", p.H }, { "b", p.B }, { "tw", p.Tw }, { "tf", p.Tf },
            { "r", p.R }, { "A", p.A }, { "Iy", p.Iy }, { "Iz", p.Iz }, { "Wely", p.WelY }, { "Wply", p.WplY },
            { "Avz", p.AvZ }, { "iz", p.RadiusZ }, { "It", p.It }, { "Iw", p.Iw }, { "mass", p.Mass } };
        json
            += separator + JsonText(QString::fromLatin1(d.Series) + QLatin1Char(' ') + QString::number(d.Size)) + ": {";
        const char* inner = "";
        for (const auto& [key, value] : values) {
            json += inner + QByteArray("\"") + key + "\": " + QByteArray::number(value, 'g', 15);
            inner = ", ";
        }
        json += "}";
        separator = ", ";
    }
    return json + "}";
}

const QCommandLineOption MaterialsOption(QStringLiteral("materials"), QStringLiteral("the materials only"));
const QCommandLineOption SectionsOption(QStringLiteral("sections"), QStringLiteral("the sections only"));

int RunLibrary(const QCommandLineParser& parser)
{
    Arguments(parser, 0, "no file is taken");
    if (parser.isSet(MaterialsOption) && parser.isSet(SectionsOption))
        throw TUsageError("one option at most");
    const bool materials = !parser.isSet(SectionsOption);
    const bool sections = !parser.isSet(MaterialsOption);
    QCoreApplication::setApplicationName(QStringLiteral("Trabík")); // the program's data folder
    TLibrary library;
    for (const QString& message : library.LoadUserFile(UserLibraryPath()))
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    QByteArray json = "{";
    if (materials)
        json += "\"materials\": " + StoreJson(library, TLibraryKind::Materials);
    if (sections)
        json += QByteArray(materials ? ", " : "") + "\"sections\": " + StoreJson(library, TLibraryKind::Sections)
            + ", \"sectionProperties\": " + SectionPropertiesJson();
    json += "}\n";
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("library"),
    QStringLiteral("library [--materials | --sections]"),
    QStringLiteral("the material (E in GPa) and section (Iy in mm4) stores and the section properties as JSON"),
    QStringLiteral("\nPrints the built-in entries and the user's own ones from the library file in the\n"
                   "user's data folder, in the order of the deflection tab's lists. Damaged lines of that\n"
                   "file are named on stderr and skipped. \"sectionProperties\" gives every built-in section's\n"
                   "h, b, tw, tf, r (mm), A, Avz (mm2), Iy, Iz, It (mm4), Wely, Wply (mm3), iz (mm), Iw (mm6)\n"
                   "and mass (kg/m), computed from its nominal dimensions."),
    { MaterialsOption, SectionsOption },
    RunLibrary,
});

} // namespace
