#include "app/Hints.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

QString ShortHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(ShortHint(hint));
    widget->setStatusTip(LongHint(hint));
}

void BindToAction(QAbstractButton* button, QAction* action)
{
    button->setToolTip(action->toolTip());
    button->setStatusTip(action->statusTip());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}

namespace {

QObject* FindBuilt(const QObject* root, const QString& name)
{
    if (root->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return const_cast<QObject*>(root);
    const auto children = root->findChildren<QObject*>();
    for (QObject* child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

// "ZS12_P1" lies under the page "ZS12", not under "ZS1".
bool NamedUnder(const QString& name, const QString& owner)
{
    return !owner.isEmpty() && name.size() > owner.size() && name.startsWith(owner, Qt::CaseInsensitive)
        && name[owner.size()] == QLatin1Char('_');
}

} // namespace

QObject* FindControl(const QObject* root, const QString& name)
{
    if (!root || name.isEmpty())
        return nullptr;
    if (QObject* found = FindBuilt(root, name))
        return found;
    const auto children = root->findChildren<QObject*>();
    for (QObject* child : children) {
        if (child->property(BuiltOnDemandProperty).toBool() && NamedUnder(name, child->objectName())) {
            QMetaObject::invokeMethod(child, "EnsureBuilt");
            return FindBuilt(child, name);
        }
    }
    return nullptr;
}
