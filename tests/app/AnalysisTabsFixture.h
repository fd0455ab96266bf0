#pragma once
// The main window with a beam and load cases set up in the task, for the analysis tabs' tests.
#include "MainFormFixture.h"

#include "app/AnalysisController.h"
#include "app/CalculationTab.h"
#include "app/CombinationsTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramsTab.h"
#include "app/GeometryTab.h"
#include "app/TaskTab.h"
#include "tests/support/LoadCaseBuilders.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

class AnalysisTabsTest : public MainFormTest
{
protected:
    // A span typed on the geometry tab and an end condition clicked there.
    void Beam(const QString& span, unsigned char typ = 11)
    {
        Task.SpanText = span;
        Task.SetTyp(typ);
        Form->GeometryTab()->RefreshFromModel();
    }

    // The first load case (ZS1 at start) renamed, with gamma_f; rows are added by the callers.
    TLoadCase& FirstCase(const QString& caption, const QString& gamaf)
    {
        TLoadCase& loadCase = Task.LoadCases.front();
        loadCase.Caption = caption;
        loadCase.GamafText = gamaf;
        return loadCase;
    }

    TLoadCase& NewCase(const QString& caption, const QString& gamaf)
    {
        return AddTypedCase(Task, TCaseBuilder(caption, gamaf));
    }

    void Show(QWidget* tab)
    {
        Form->SyncLoadCases();
        Form->PageControl()->setCurrentWidget(tab);
    }

    QString Text(const char* name) const
    {
        const auto* edit = Find<QLineEdit>(QString::fromLatin1(name));
        return edit ? edit->text() : QStringLiteral("<none>");
    }

    // A mouse move over a widget without a button held, as the pointer passing over it.
    static void MoveMouse(QWidget* widget, int x, int y)
    {
        const QPointF local(x, y);
        QMouseEvent move(
            QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
};
