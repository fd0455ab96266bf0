// The menu bar and the tool bar of the main window.
#include "app/uMainForm.h"

#include <QActionEvent>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace {

// A tool bar button. Tab reaches it, and a focus frame shows where the keyboard is (Space presses
// it). A hint of its own stays when the action changes (enabled state and the like).
class TToolBarButton : public QToolButton
{
public:
    TToolBarButton(QAction* action, const QString& hint, QWidget* parent)
        : QToolButton(parent)
        , Hint(hint)
    {
        setDefaultAction(action);
        setAutoRaise(true);
        setFocusPolicy(Qt::TabFocus);
        ApplyHint();
    }

protected:
    void actionEvent(QActionEvent* event) override
    {
        QToolButton::actionEvent(event);
        ApplyHint();
    }
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }

private:
    void ApplyHint()
    {
        if (Hint.isEmpty())
            return;
        setToolTip(Hint);
        setStatusTip(Hint);
    }
    QString Hint;
};

// The letter Alt opens an item with: each menu item's caption is underlined before the first
// occurrence of the text given here. The letters differ within each menu.
const std::initializer_list<std::pair<const char*, const char*>> Accelerators = {
    { "Nova_uloha", "N" },
    { "Otevrit", "O" },
    { "Ulozit", "U" },
    { "Ulozit_jako", "jako" },
    { "Nahled_tisku", "hled" },
    { "Tisk", "T" },
    { "Ulozit_PDF", "PDF" },
    { "Konec1", "K" },
    { "Geometrie1", "G" },
    { "Novy_ZS", "zatěžovací" },
    { "Smazat_ZS", "S" },
    { "Vlastnosti_ZS", "I" },
    { "Pridat_Px", "lu" },
    { "Pridat_q", "rovnoměrné" },
    { "Pridat_qq", "proměnné" },
    { "Pridat_Mx", "moment" },
    { "Go_Wizard", "G" },
    { "Spocitat_prubehy", "průběhy" },
    { "Spocitat_reakce1", "reakce" },
    { "Verze", "e" },
};

void Underline(QAction* action, const QString& before)
{
    const QString caption = action->text();
    const qsizetype at = caption.indexOf(before);
    if (at >= 0 && !caption.contains(QLatin1Char('&')))
        action->setText(caption.left(at) + QLatin1Char('&') + caption.mid(at));
}

} // namespace

void TMainForm::BuildMenus()
{
    const TMainActions& a = *MainActions;
    a.Nova_uloha->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    a.Otevrit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    a.Ulozit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    a.Ulozit_jako->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    a.Tisk->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    a.Spocitat_prubehy->setShortcut(QKeySequence(Qt::Key_F9));
    a.Verze->setShortcut(QKeySequence(Qt::Key_F1));

    QMenuBar* bar = menuBar();
    // F10 opens the first menu, as Alt and its letter do.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, bar,
        [bar] { bar->setActiveAction(bar->actions().constFirst()); });
    QMenu* file = bar->addMenu(QStringLiteral("&Soubor"));
    file->setObjectName(QStringLiteral("Soubor1"));
    file->addActions({ a.Nova_uloha, a.Otevrit, a.Ulozit, a.Ulozit_jako });
    file->addSeparator();
    file->addActions({ a.Nahled_tisku, a.Tisk });
    file->addSeparator();
    file->addAction(a.Konec);

    QMenu* task = bar->addMenu(QStringLiteral("Ú&loha"));
    task->setObjectName(QStringLiteral("Uloha1"));
    task->addAction(a.Geometrie);

    QMenu* loads = bar->addMenu(QStringLiteral("&Zatížení"));
    loads->setObjectName(QStringLiteral("Zatizeni1"));
    loads->addActions({ a.Novy_ZS, a.Smazat_ZS, a.Vlastnosti_ZS });
    loads->addSeparator();
    loads->addActions({ a.Pridat_Px, a.Pridat_q, a.Pridat_qq, a.Pridat_Mx });
    loads->addSeparator();
    loads->addAction(a.Go_Wizard);

    QMenu* calc = bar->addMenu(QStringLiteral("&Výpočet"));
    calc->setObjectName(QStringLiteral("Vypocet1"));
    calc->addActions({ a.Spocitat_prubehy, a.Spocitat_reakce });

    bar->addAction(a.Verze); // a menu bar item without a submenu
}

// After every part has put its items into the menus.
void TMainForm::AssignAccelerators()
{
    for (const auto& [name, before] : Accelerators) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            Underline(action, QString::fromUtf8(before));
    }
}

void TMainForm::BuildToolBar()
{
    const TMainActions& a = *MainActions;
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->toggleViewAction()->setVisible(false);
    const auto button = [bar](QAction* action, const QString& ownHint = QString()) {
        auto* b = new TToolBarButton(action, ownHint, bar);
        b->setObjectName(action->objectName() + QStringLiteral("_button"));
        bar->addWidget(b);
    };
    const auto buttons = [&button](std::initializer_list<QAction*> actions) {
        for (QAction* action : actions)
            button(action);
    };
    button(a.Nova_uloha);
    button(a.Otevrit, QStringLiteral("Načíst data"));
    button(a.Ulozit, QStringLiteral("Uložit data"));
    bar->addSeparator();
    button(a.Nastaveni_stranky, QStringLiteral("Nastavení stránky"));
    buttons({ a.Nahled_tisku, a.Tisk });
    bar->addSeparator();
    button(a.Rozmery, QStringLiteral("Délka prvku"));
    button(a.Go_Wizard);
    bar->addSeparator();
    buttons({ a.Novy_ZS, a.Smazat_ZS, a.Vlastnosti_ZS });
    bar->addSeparator();
    buttons({ a.Pridat_Px, a.Pridat_q, a.Pridat_qq, a.Pridat_Mx });
    bar->addSeparator();
    buttons({ a.Spocitat_prubehy, a.spocitat_pruhyb });
}
