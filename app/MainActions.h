#pragma once
// The main window's actions: caption (the menu item), hint (tool tip and status bar) and the index
// into the image list shared by the menu and the tool bar. The handlers belong to whoever owns the
// work: TMainForm connects its own, later parts connect theirs to these public pointers.
#include <QAction>
#include <vector>

struct TMainActions
{
    explicit TMainActions(QObject* owner);

    QAction* Nova_uloha;
    QAction* Otevrit;
    QAction* Ulozit;
    QAction* Nastaveni_stranky;
    QAction* Tisk;
    QAction* Rozmery;
    QAction* Novy_ZS;
    QAction* Smazat_ZS;
    QAction* Vlastnosti_ZS;
    QAction* Pridat_Px;
    QAction* Pridat_q;
    QAction* Pridat_qq;
    QAction* Pridat_Mx;
    QAction* Spocitat_prubehy;
    QAction* Nahled_tisku;
    QAction* Go_Wizard;
    QAction* spocitat_pruhyb;

    // Menu items that are not actions of the table but need a handler all the same.
    QAction* Ulozit_jako; // "Soubor" / "Uložit jako…": saves under a name asked for every time
    QAction* Konec; // "Soubor" / "Konec"
    QAction* Geometrie; // "Úloha" / "Geometrie": runs Rozmery
    QAction* Spocitat_reakce; // "Výpočet" / "Spočítat a zobrazit reakce": the reaction button's calculation
    QAction* Verze; // the menu bar item "Verze"

    std::vector<QAction*> TableActions() const; // the seventeen actions of the table, in table order
    static int ImageIndex(const QAction* action); // -1 for an action without an image
};
