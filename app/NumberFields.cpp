#include "app/NumberFields.h"

#include "model/uMyCommonLib.h"

#include <QLineEdit>

namespace {

const char* const UnreadableProperty = "Unreadable";
const QString RedFrame = QStringLiteral("QLineEdit { border: 2px solid rgb(204, 0, 0); padding: 0px; }");

void Mark(QLineEdit* edit)
{
    const bool unreadable = IsUnreadableNumber(edit->text());
    if (edit->property(UnreadableProperty).toBool() == unreadable)
        return;
    edit->setProperty(UnreadableProperty, unreadable);
    edit->setStyleSheet(unreadable ? RedFrame : QString());
}

} // namespace

bool IsUnreadableNumber(const QString& text)
{
    double value = 0;
    return !text.trimmed().isEmpty() && !TryStrToFloatX(text, value);
}

void WatchNumberField(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { Mark(edit); });
    Mark(edit);
}

bool IsMarkedUnreadable(const QLineEdit* edit)
{
    return edit->property(UnreadableProperty).toBool();
}
