// Trabík: the desktop program. One optional argument: a project file to open at start.
#include "app/TrabikApplication.h"
#include "app/uMainForm.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("2.2"));
    TTrabikApplication trabik; // before the parser: its help speaks Czech too

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Statika přímého trabíku o jednom poli."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("soubor"),
        QStringLiteral("projektový soubor (*.DAT), který se otevře po startu"), QStringLiteral("[soubor]"));
    parser.process(application);

    trabik.Start();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        trabik.MainForm().OpenStartFile(files.constFirst());
    return QApplication::exec();
}
