// The menu bar and the tool bar of the main window.
#include "app/uMainForm.h"

#include <QActionEvent>
#include <QMenuBar>
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

} // namespace

void TMainForm::BuildMenus()
{
    const TMainActions& a = *MainActions;
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("Soubor"));
    file->setObjectName(QStringLiteral("Soubor1"));
    file->addActions({ a.Nova_uloha, a.Otevrit, a.Ulozit });
    file->addSeparator();
    file->addActions({ a.Nahled_tisku, a.Tisk });
    file->addSeparator();
    file->addAction(a.Konec);

    QMenu* task = bar->addMenu(QStringLiteral("Úloha"));
    task->setObjectName(QStringLiteral("Uloha1"));
    task->addAction(a.Geometrie);

    QMenu* loads = bar->addMenu(QStringLiteral("Zatížení"));
    loads->setObjectName(QStringLiteral("Zatizeni1"));
    loads->addActions({ a.Novy_ZS, a.Smazat_ZS, a.Vlastnosti_ZS });
    loads->addSeparator();
    loads->addActions({ a.Pridat_Px, a.Pridat_q, a.Pridat_qq, a.Pridat_Mx });
    loads->addSeparator();
    loads->addAction(a.Go_Wizard);

    QMenu* calc = bar->addMenu(QStringLiteral("Výpočet"));
    calc->setObjectName(QStringLiteral("Vypocet1"));
    calc->addActions({ a.Spocitat_prubehy, a.Spocitat_reakce });

    bar->addAction(a.Verze); // a menu bar item without a submenu
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
