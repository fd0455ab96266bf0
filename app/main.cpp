// Trabík: the desktop program. It takes no arguments.
#include "app/TrabikApplication.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TTrabikApplication trabik;
    trabik.Start();
    return QApplication::exec();
}
