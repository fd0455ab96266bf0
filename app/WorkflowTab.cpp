#include "app/WorkflowTab.h"

#include "app/Artwork.h"
#include "app/Hints.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

TWorkflowTab::TWorkflowTab(const QString& name, QWidget* parent)
    : QWidget(parent)
    , Content(new QVBoxLayout)
    , Strip(new QHBoxLayout)
{
    setObjectName(name);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addLayout(Content, 1);
    outer->addLayout(Strip);
    Strip->addStretch(1);
}

QPushButton* TWorkflowTab::AddBackButton(const QString& hint)
{
    Back = new QPushButton(NavigationGlyph(false), QStringLiteral("zpět"), this);
    Back->setObjectName(objectName() + QStringLiteral("_zpet"));
    Back->setAutoDefault(true); // outside a dialog, Enter on a focused button presses that button
    SetHint(Back, hint);
    // The back button stands left of "dále", which is always added after it.
    Strip->addWidget(Back);
    connect(Back, &QPushButton::clicked, this, &TWorkflowTab::BackRequested);
    return Back;
}

QPushButton* TWorkflowTab::AddNextButton(const QString& hint)
{
    Next = new QPushButton(NavigationGlyph(true), QStringLiteral("dále"), this);
    Next->setObjectName(objectName() + QStringLiteral("_dale"));
    Next->setAutoDefault(true);
    Next->setLayoutDirection(Qt::RightToLeft); // the glyph on the right side of the caption
    SetHint(Next, hint);
    Strip->addWidget(Next);
    connect(Next, &QPushButton::clicked, this, &TWorkflowTab::NextRequested);
    return Next;
}

void TWorkflowTab::SetDefaultButton(QPushButton* button)
{
    if (Default)
        Default->setDefault(false);
    Default = button;
    if (Default)
        Default->setDefault(true);
}

bool TWorkflowTab::PressDefault()
{
    if (!Default || !Default->isEnabled() || !Default->isVisible())
        return false;
    Default->click();
    return true;
}

void TWorkflowTab::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !PressDefault())
        QWidget::keyPressEvent(event);
}
