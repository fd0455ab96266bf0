// The menu bar and the tool bar of the main window.
#include "app/uMainForm.h"

#include <QActionEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace {

// A tool bar button with a hint of its own: the action's hint must not replace it when the action
// changes (enabled state and the like).
class TOwnHintToolButton : public QToolButton
{
public:
    TOwnHintToolButton(QAction* action, const QString& hint, QWidget* parent)
        : QToolButton(parent)
        , Hint(hint)
    {
        setDefaultAction(action);
        setAutoRaise(true);
        ApplyHint();
    }

protected:
    void actionEvent(QActionEvent* event) override
    {
        QToolButton::actionEvent(event);
        ApplyHint();
    }

private:
    void ApplyHint()
    {
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
    const auto ownHint = [bar](QAction* action, const QString& hint) {
        auto* button = new TOwnHintToolButton(action, hint, bar);
        button->setObjectName(action->objectName() + QStringLiteral("_button"));
        bar->addWidget(button);
    };
    bar->addAction(a.Nova_uloha);
    ownHint(a.Otevrit, QStringLiteral("Načíst data"));
    ownHint(a.Ulozit, QStringLiteral("Uložit data"));
    bar->addSeparator();
    ownHint(a.Nastaveni_stranky, QStringLiteral("Nastavení stránky"));
    bar->addActions({ a.Nahled_tisku, a.Tisk });
    bar->addSeparator();
    ownHint(a.Rozmery, QStringLiteral("Délka prvku"));
    bar->addAction(a.Go_Wizard);
    bar->addSeparator();
    bar->addActions({ a.Novy_ZS, a.Smazat_ZS, a.Vlastnosti_ZS });
    bar->addSeparator();
    bar->addActions({ a.Pridat_Px, a.Pridat_q, a.Pridat_qq, a.Pridat_Mx });
    bar->addSeparator();
    bar->addActions({ a.Spocitat_prubehy, a.spocitat_pruhyb });
}
