#pragma once
// trabik-cli subcommands register themselves here, one file per subcommand.
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <vector>

struct TCliCommand
{
    QString Name;
    QString Usage; // e.g. "calc TASK.DAT [--case NAME | --combination NAME]"
    QString Summary; // one line for --help
    QString Help; // longer text for "trabik-cli help NAME"
    std::function<int(const QStringList& args)> Run; // args without the subcommand name
};

std::vector<TCliCommand>& CliCommands();

class TTask;
// Opens a project file as the program does and writes what opened only in part (warnings) on stderr;
// `warnings`, when given, receives them too.
TTask OpenTask(const QString& path, QStringList* warnings = nullptr);

struct TCliRegistrar
{
    explicit TCliRegistrar(TCliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Thrown for a call whose words are off; main prints the usage and exits with 2.
struct TUsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};
