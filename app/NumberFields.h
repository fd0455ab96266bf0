#pragma once
// Fields that take a number as typed text. The text stays exactly as typed; while it cannot be read
// as a number (TryStrToFloatX) the field wears a red frame, so a typing error is seen before it
// reaches a result. An empty field is not marked.
#include <QString>

class QLineEdit;

bool IsUnreadableNumber(const QString& text); // not empty and not a number
// Marks the field now and after every change of its text, typed or set.
void WatchNumberField(QLineEdit* edit);
bool IsMarkedUnreadable(const QLineEdit* edit);
