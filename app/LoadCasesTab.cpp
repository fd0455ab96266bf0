#include "app/LoadCasesTab.h"

#include "app/Hints.h"
#include "app/MainActions.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHash>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>

namespace {

// A tab bar lays every tab out again after each insertion, measuring every caption: hundreds of
// load cases made opening a task quadratic in their number. The sizes are kept per caption until
// the font or the style changes.
class TCaptionSizeTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        return Cached(SizeHints, index, [this](int i) { return QTabBar::tabSizeHint(i); });
    }
    QSize minimumTabSizeHint(int index) const override
    {
        return Cached(MinimumSizeHints, index, [this](int i) { return QTabBar::minimumTabSizeHint(i); });
    }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            SizeHints.clear();
            MinimumSizeHints.clear();
        }
        QTabBar::changeEvent(event);
    }

private:
    template <typename TMeasure> QSize Cached(QHash<QString, QSize>& cache, int index, TMeasure measure) const
    {
        const QString text = tabText(index);
        auto it = cache.constFind(text);
        if (it == cache.cend())
            it = cache.insert(text, measure(index));
        return *it;
    }

    mutable QHash<QString, QSize> SizeHints;
    mutable QHash<QString, QSize> MinimumSizeHints;
};

class TLoadCaseTabs : public QTabWidget
{
public:
    explicit TLoadCaseTabs(QWidget* parent)
        : QTabWidget(parent)
    {
        setTabBar(new TCaptionSizeTabBar(this));
    }
};

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
    , Art({ actions.Pridat_Px, actions.Pridat_q, actions.Pridat_qq, actions.Pridat_Mx })
    , PageControl2(new TLoadCaseTabs(this))
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
    QHash<int, TLoadCasePage*> pages;
    for (int i = 0; i < PageControl2->count(); ++i) {
        if (TLoadCasePage* page = Page(i))
            pages.insert(page->Number(), page);
    }
    for (std::size_t i = 0; i < Task.LoadCases.size(); ++i)
        PlacePage(int(i), Task.LoadCases[i], pages.value(Task.LoadCases[i].Number));
    // The tabs placed now went in hidden (see PlacePage): the bar lays them out once, here.
    QTabBar* bar = PageControl2->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            bar->setTabVisible(i, true);
    }
    const int active = Task.ActiveLoadCase;
    if (active >= 0 && active < PageControl2->count())
        PageControl2->setCurrentIndex(active);
}

void TLoadCasesTab::RefreshFromModel()
{
    {
        QScopedValueRollback<bool> guard(Syncing, true);
        while (PageControl2->count() > 0) {
            const int last = PageControl2->count() - 1; // from the end: nothing moves
            QWidget* page = PageControl2->widget(last);
            PageControl2->removeTab(last);
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
// longer show the load case, and updated from the task. A tab bar lays all its visible tabs out
// after every insertion, which made opening hundreds of load cases quadratic: a tab goes in hidden
// and SyncFromModel shows them all at the end.
void TLoadCasesTab::PlacePage(int index, const TLoadCase& lc, TLoadCasePage* page)
{
    if (page && !page->SyncFromModel()) {
        PageControl2->removeTab(PageControl2->indexOf(page));
        delete page;
        page = nullptr;
    }
    if (!page) {
        page = new TLoadCasePage(Task, lc.Number, Art);
        PageControl2->tabBar()->setTabVisible(PageControl2->insertTab(index, page, TabCaption(lc)), false);
    } else if (PageControl2->indexOf(page) != index) {
        PageControl2->removeTab(PageControl2->indexOf(page));
        PageControl2->tabBar()->setTabVisible(PageControl2->insertTab(index, page, TabCaption(lc)), false);
    }
    PageControl2->setTabText(index, TabCaption(lc));
}
