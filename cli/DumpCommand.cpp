// trabik-cli dump: everything a project file holds, as the program sees it after opening, in JSON.
#include "cli/CliCommand.h"
#include "cli/TaskJson.h"
#include "storage/uProjectFile.h"

#include <QJsonDocument>
#include <cstdio>

namespace {

int RunDump(const QCommandLineParser& parser)
{
    const QString file = Arguments(parser, 1, "one task file is required").constFirst();
    const QByteArray json = QJsonDocument(TaskToJson(OpenTask(file))).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

const TCliRegistrar registrar({
    QStringLiteral("dump"),
    QStringLiteral("dump TASK.DAT"),
    QStringLiteral("the whole task of a project file as JSON"),
    QStringLiteral("Opens TASK.DAT as the program opens it and prints every value it holds: Job, Author,\n"
                   "TaskTitle, SpanText (as typed) and SpanL (as read), Typ and EndCondition, LoadCases\n"
                   "(Number, Name, Gamaf, LongTerm, PrintResults and the PointForces, UniformLoads,\n"
                   "PartialLoads and PointMoments as the load readers give them), Grid (the rows of the\n"
                   "combination grid), Combinations (name and member load cases), PrintOptions\n"
                   "(CheckBox1..CheckBox22), LoadGenerator (its inputs by control name) and Deflection.\n"
                   "'trabik-cli new' makes a project file of it again."),
    {},
    RunDump,
});

} // namespace
