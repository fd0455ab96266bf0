#pragma once
// trabik-cli calc TASK.DAT --en1990 uls|characteristic|frequent|quasi-permanent: the envelope of the
// EN 1990 combinations as JSON.
#include <QStringList>

// args as calc gets them, --en1990 among them.
int RunEn1990Calc(const QStringList& args);
