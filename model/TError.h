#pragma once
// The one exception type of the core: it carries the message text the user sees. Windows catch it
// at the event boundary and show it in a message box; trabik-cli prints it on stderr.
#include <QString>
#include <stdexcept>

class TError : public std::runtime_error
{
public:
    explicit TError(const QString& message)
        : std::runtime_error(message.toStdString())
        , Message(message)
    {
    }
    QString Message;
};
