#pragma once
// Hints in the program's "short|long" form: the short part is the tool tip, the long part goes to
// the status bar. Controls are also found by name ignoring letter case, as the rest of the program
// asks for "_PxCheck" where the pages create "_Pxcheck".
#include <QObject>
#include <QString>

class QAbstractButton;
class QAction;
class QWidget;

QString ShortHint(const QString& hint); // the text before "|", or the whole hint without one
QString LongHint(const QString& hint); // the text after "|", or the whole hint without one
void SetHint(QWidget* widget, const QString& hint);
// A button bound to an action: it carries the action's hints and triggers it.
void BindToAction(QAbstractButton* button, QAction* action);

// A widget that builds its controls on demand carries this property (true) until it has built them,
// and an invokable EnsureBuilt(); FindControl builds it when a name under its own is asked for.
inline constexpr const char* BuiltOnDemandProperty = "BuiltOnDemand";

QObject* FindControl(const QObject* root, const QString& name);

template <typename T> T* FindControlAs(const QObject* root, const QString& name)
{
    return qobject_cast<T*>(FindControl(root, name));
}
