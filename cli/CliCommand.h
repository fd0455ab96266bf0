#pragma once
// trabik-cli subcommands register themselves here, one file per subcommand: a TCliCommand with its
// options, and a TCliRegistrar that adds it to the list main goes by.
#include "model/TError.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

struct TCliCommand
{
    QString Name;
    QString Usage; // e.g. "calc TASK.DAT [--case NAME | --combination NAME]"
    QString Summary; // one line for the list of commands
    QString Help; // the text after the options in "trabik-cli help NAME" and "trabik-cli NAME --help"
    QList<QCommandLineOption> Options; // besides -h/--help, which main adds
    // Called with the parsed arguments; positional ones are checked by the command (Arguments).
    std::function<int(const QCommandLineParser& parser)> Run;
};

std::vector<TCliCommand>& CliCommands();

struct TCliRegistrar
{
    explicit TCliRegistrar(TCliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Thrown for a call whose words are off; main prints the usage and exits with 2.
struct TUsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// The positional arguments, exactly `count` of them, or a usage error saying `what` is needed.
QStringList Arguments(const QCommandLineParser& parser, int count, const char* what);
// The value of an option that names a file: an option word in its place is a usage error
// ("-o needs a file name"), not a file called "-x".
QString FileValue(const QCommandLineParser& parser, const QCommandLineOption& option);

// An error that belongs to one file: main prints "trabik-cli: FILE: message".
struct TFileError : TError
{
    TFileError(QString file, const QString& message)
        : TError(message)
        , File(std::move(file))
    {
    }
    QString File;
};

// Runs `step`; an error it throws names `file`, unless a step inside named its own file already.
template <typename TStep> auto OnFile(const QString& file, TStep&& step) -> decltype(step())
{
    try {
        return step();
    } catch (const TFileError&) {
        throw;
    } catch (const TUsageError&) {
        throw;
    } catch (const TError& e) {
        throw TFileError(file, e.Message);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw TFileError(file, QString::fromUtf8(e.what()));
    }
}

// A warning about one file on stderr, in the form of the errors.
void WarnAbout(const QString& file, const QString& text);

class TTask;
// Opens a project file as the program does and writes what opened only in part (warnings) on stderr;
// `warnings`, when given, receives them too. Errors name the file.
TTask OpenTask(const QString& path, QStringList* warnings = nullptr);
