// trabik-cli: batch work on project files with the core library alone, never a window.
#include "cli/CliCommand.h"
#include "model/TError.h"
#include "storage/uProjectFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

TTask OpenTask(const QString& path, QStringList* warnings)
{
    QStringList opened;
    TTask task = LoadProject(path, &opened);
    QTextStream err(stderr);
    for (const QString& warning : opened)
        err << warning << Qt::endl;
    if (warnings)
        *warnings << opened;
    return task;
}

std::vector<TCliCommand>& CliCommands()
{
    static std::vector<TCliCommand> commands;
    return commands;
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
    out << "\n'trabik-cli help COMMAND' describes one command.\n";
}

const TCliCommand* findCommand(const QString& name)
{
    for (const auto& c : CliCommands())
        if (c.Name == name)
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeDir();
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        printHelp(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    QString name = args.takeFirst();
    if (name == "help") {
        if (args.isEmpty()) {
            printHelp(out);
            return 0;
        }
        const TCliCommand* c = findCommand(args.first());
        if (!c) {
            err << "trabik-cli: unknown command '" << args.first() << "'\n";
            printHelp(err);
            return 2;
        }
        out << "Usage: trabik-cli " << c->Usage << "\n\n" << c->Summary << "\n" << c->Help << "\n";
        return 0;
    }
    const TCliCommand* command = findCommand(name);
    if (!command) {
        err << "trabik-cli: unknown command '" << name << "'\n";
        printHelp(err);
        return 2;
    }
    try {
        return command->Run(args);
    } catch (const TUsageError& e) {
        err << "trabik-cli " << name << ": " << QString::fromUtf8(e.what()) << "\nUsage: trabik-cli " << command->Usage
            << "\n";
        return 2;
    } catch (const TError& e) {
        err << e.Message << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
}
