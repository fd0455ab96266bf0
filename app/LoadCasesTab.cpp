#include "app/LoadCasesTab.h"

#include "app/Hints.h"
#include "app/MainActions.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

QPushButton* StripButton(QWidget* parent, const char* name, const QString& caption, QAction* action)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    BindToAction(button, action);
    return button;
}

// A caption as the tab shows it: "&" would otherwise become a keyboard mnemonic.
QString TabCaption(const TLoadCase& lc)
{
    QString caption = lc.Caption;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TLoadCasesTab::TLoadCasesTab(TTask& task, const TMainActions& actions, QWidget* parent)
    : TWorkflowTab(QStringLiteral("TabSheet_zatizeni"), parent)
    , Task(task)
    , AddActions { actions.Pridat_Px, actions.Pridat_q, actions.Pridat_qq, actions.Pridat_Mx }
    , PageControl2(new QTabWidget(this))
{
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    ContentLayout()->addWidget(PageControl2, 1);
    BottomStrip()->insertWidget(0, StripButton(this, "Button_novy", QStringLiteral("nový"), actions.Novy_ZS));
    BottomStrip()->insertWidget(1, StripButton(this, "Button_smazat", QStringLiteral("smazat"), actions.Smazat_ZS));
    BottomStrip()->insertWidget(2, StripButton(this, "Button_info", QStringLiteral("info"), actions.Vlastnosti_ZS));
    connect(PageControl2, &QTabWidget::currentChanged, this, [this](int index) {
        if (!Syncing)
            Task.ActiveLoadCase = index;
    });
}

TLoadCasePage* TLoadCasesTab::Page(int index) const
{
    return qobject_cast<TLoadCasePage*>(PageControl2->widget(index));
}

TLoadCasePage* TLoadCasesTab::PageByNumber(int number) const
{
    for (int i = 0; i < PageControl2->count(); ++i) {
        if (Page(i) && Page(i)->Number() == number)
            return Page(i);
    }
    return nullptr;
}

void TLoadCasesTab::SyncFromModel()
{
    QScopedValueRollback<bool> guard(Syncing, true);
    RemovePagesNotInModel();
    for (std::size_t i = 0; i < Task.LoadCases.size(); ++i)
        PlacePage(int(i), Task.LoadCases[i]);
    const int active = Task.ActiveLoadCase;
    if (active >= 0 && active < PageControl2->count())
        PageControl2->setCurrentIndex(active);
}

void TLoadCasesTab::RefreshFromModel()
{
    {
        QScopedValueRollback<bool> guard(Syncing, true);
        while (PageControl2->count() > 0) {
            QWidget* page = PageControl2->widget(0);
            PageControl2->removeTab(0);
            delete page;
        }
    }
    SyncFromModel();
}

void TLoadCasesTab::RemovePagesNotInModel()
{
    for (int i = PageControl2->count() - 1; i >= 0; --i) {
        TLoadCasePage* page = Page(i);
        if (page && Task.IndexOfNumber(page->Number()) >= 0)
            continue;
        PageControl2->removeTab(i);
        delete page; // at once, so its names are free for a new page
    }
}

// Puts the page of `lc` at `index`: moved there if it exists, built anew if it is missing or can no
// longer show the load case, and updated from the task.
void TLoadCasesTab::PlacePage(int index, const TLoadCase& lc)
{
    TLoadCasePage* page = PageByNumber(lc.Number);
    if (page && !page->SyncFromModel()) {
        PageControl2->removeTab(PageControl2->indexOf(page));
        delete page;
        page = nullptr;
    }
    if (!page) {
        page = new TLoadCasePage(Task, lc.Number, AddActions);
        PageControl2->insertTab(index, page, TabCaption(lc));
    } else if (PageControl2->indexOf(page) != index) {
        PageControl2->removeTab(PageControl2->indexOf(page));
        PageControl2->insertTab(index, page, TabCaption(lc));
    }
    PageControl2->setTabText(index, TabCaption(lc));
}
