// trabik-cli resave: a project file opened as the program opens it and saved as it saves.
#include "cli/CliCommand.h"
#include "storage/uProjectFile.h"

namespace {

int RunResave(const QCommandLineParser& parser)
{
    const QStringList files = Arguments(parser, 2, "an input and an output file are required");
    const TTask task = OpenTask(files[0]);
    OnFile(files[1], [&] { SaveProject(task, files[1]); });
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("resave"),
    QStringLiteral("resave IN.DAT OUT.DAT"),
    QStringLiteral("open a project file and save it again"),
    QStringLiteral("\nOpens IN.DAT as the program opens it (load cases renumbered 1..N, load values\n"
                   "rounded to three decimals as the edits show them) and saves the task to OUT.DAT as\n"
                   "the program saves it, with the system's decimal separator. OUT.DAT is replaced only\n"
                   "when the whole file was written; IN.DAT and OUT.DAT may be the same file."),
    {},
    RunResave,
});

} // namespace
