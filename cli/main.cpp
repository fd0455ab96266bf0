// trabik-cli: batch work on project files with the core library alone, never a window.
#include "cli/CliCommand.h"
#include "storage/uProjectFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <unistd.h>

namespace {

const char* const Version = "2.2";

} // namespace

std::vector<TCliCommand>& CliCommands()
{
    static std::vector<TCliCommand> commands;
    return commands;
}

QStringList Arguments(const QCommandLineParser& parser, int count, const char* what)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != count)
        throw TUsageError(what);
    return arguments;
}

QString FileValue(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    const QString value = parser.value(option);
    if (value.startsWith(QLatin1Char('-')) && value.size() > 1) {
        const QString name = option.names().constFirst();
        throw TUsageError(QStringLiteral("%1%2 needs a file name")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name)
                              .toStdString());
    }
    return value;
}

void WarnAbout(const QString& file, const QString& text)
{
    QTextStream(stderr) << "trabik-cli: " << file << ": " << text << Qt::endl;
}

TTask OpenTask(const QString& path, QStringList* warnings)
{
    QStringList opened;
    TTask task = OnFile(path, [&] { return LoadProject(path, &opened); });
    for (const QString& warning : opened)
        WarnAbout(path, warning);
    if (warnings)
        *warnings << opened;
    return task;
}

namespace {

// Qt warns on stderr when there is no runtime folder (a batch run over ssh, CI); give it a private one.
void ensureRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString dir = QDir::tempPath() + QStringLiteral("/trabik-runtime-") + QString::number(getuid());
    if (QDir().mkpath(dir) && QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

void printHelp(QTextStream& out)
{
    out << "Usage: trabik-cli COMMAND [ARGUMENTS]\n\n"
        << "Batch tool of the beam statics program Trabík. Errors go to stderr with exit status 1;\n"
        << "usage errors exit with 2.\n\nCommands:\n";
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
    for (const auto& c : commands)
        out << "  " << c.Usage << "\n      " << c.Summary << "\n";
    out << "\nOptions:\n  -h, --help     this text\n  -v, --version  the version\n"
        << "\n'trabik-cli help COMMAND' or 'trabik-cli COMMAND --help' describes one command.\n";
}

const TCliCommand* findCommand(const QString& name)
{
    for (const auto& c : CliCommands())
        if (c.Name == name)
            return &c;
    return nullptr;
}

const QCommandLineOption HelpOption({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("this text"));

void declare(QCommandLineParser& parser, const TCliCommand& command)
{
    parser.addOption(HelpOption);
    parser.addOptions(command.Options);
}

// Our own usage line (Qt's would lack the command), then Qt's list of the options, then the details.
QString commandHelp(const TCliCommand& command)
{
    QCommandLineParser parser;
    declare(parser, command);
    QString options = parser.helpText();
    options.remove(0, options.indexOf(QLatin1String("Options:")));
    return QStringLiteral("Usage: trabik-cli %1\n\n%2\n\n%3\n\n%4\n")
        .arg(command.Usage, command.Summary, options.trimmed(), command.Help.trimmed());
}

int unknownCommand(const QString& name)
{
    QTextStream err(stderr);
    err << "trabik-cli: unknown command '" << name << "'\n";
    printHelp(err);
    return 2;
}

int runCommand(const TCliCommand& command, const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        QCommandLineParser parser;
        declare(parser, command);
        if (!parser.parse(QStringList { QStringLiteral("trabik-cli") } + args))
            throw TUsageError(parser.errorText().toStdString());
        if (parser.isSet(HelpOption)) {
            out << commandHelp(command);
            return 0;
        }
        return command.Run(parser);
    } catch (const TUsageError& e) {
        err << "trabik-cli " << command.Name << ": " << QString::fromUtf8(e.what()) << "\nUsage: trabik-cli "
            << command.Usage << "\n";
        return 2;
    } catch (const TFileError& e) {
        err << "trabik-cli: " << e.File << ": " << e.Message << "\n";
        return 1;
    } catch (const TError& e) {
        err << "trabik-cli: " << e.Message << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "trabik-cli: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeDir();
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream err(stderr);
        printHelp(err);
        return 2;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printHelp(out);
        return 0;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        out << "trabik-cli " << Version << "\n";
        return 0;
    }
    if (first == QLatin1String("help")) {
        if (args.isEmpty()) {
            printHelp(out);
            return 0;
        }
        const TCliCommand* command = findCommand(args.first());
        if (!command)
            return unknownCommand(args.first());
        out << commandHelp(*command);
        return 0;
    }
    const TCliCommand* command = findCommand(first);
    return command ? runCommand(*command, args) : unknownCommand(first);
}
