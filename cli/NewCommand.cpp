// trabik-cli new: a project file from a task described in JSON, the keys of `dump`.
#include "cli/CliCommand.h"
#include "cli/TaskJson.h"
#include "storage/uProjectFile.h"

#include <QFile>
#include <cstdio>

namespace {

const QCommandLineOption OutputOption({ QStringLiteral("o"), QStringLiteral("output") },
    QStringLiteral("the project file to write"), QStringLiteral("TASK.DAT"));

// "-" is the standard input, so that `dump` can be piped in.
QByteArray ReadInput(const QString& path)
{
    const bool standardInput = path == QLatin1String("-");
    QFile file(standardInput ? QString() : path);
    if (!(standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly)))
        throw TError(QFile::exists(path) ? file.errorString() : QStringLiteral("File not found"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TError(file.errorString());
    return bytes;
}

int RunNew(const QCommandLineParser& parser)
{
    const QString output = FileValue(parser, OutputOption);
    const QString input = Arguments(parser, 1, "one JSON file (or - for stdin) is required").constFirst();
    if (output.isEmpty())
        throw TUsageError("-o TASK.DAT is required");
    const QString inputName = input == QLatin1String("-") ? QStringLiteral("stdin") : input;
    const QByteArray bytes
        = OnFile(inputName, [&] { return EncodeProject(TaskFromJson(ParseJsonObject(ReadInput(input)))); });
    OnFile(output, [&] { WriteProjectBytes(bytes, output); });
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("new"),
    QStringLiteral("new TASK.json -o TASK.DAT"),
    QStringLiteral("a project file from a task described in JSON"),
    QStringLiteral("\nTASK.json (UTF-8; - reads stdin) holds one JSON object with the keys that\n"
                   "'trabik-cli dump' prints. A key that is missing takes its value from a new task\n"
                   "(File > New); a load listed without \"Included\" is included, its numbers default to 0,\n"
                   "a load case to the name \"[nový]\", Gamaf 1.1, long-term and printed. SpanL, EndCondition\n"
                   "and Combinations may stand in for SpanText, Typ and Grid (Combinations: objects with\n"
                   "Name and LoadCases, the names of member load cases); given with them, they must agree.\n"
                   "An unknown key or a value of the wrong kind is an error naming the key path, e.g.\n"
                   "\"LoadCases[2].PointForces[0].a: očekáváno číslo\". Numbers are written as the program\n"
                   "writes them, with the system's decimal separator, so 'dump' piped into 'new' gives the\n"
                   "file that 'resave' gives. TASK.DAT is replaced only when the whole file was written."),
    { OutputOption },
    RunNew,
});

} // namespace
