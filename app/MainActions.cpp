#include "app/MainActions.h"

#include "app/Artwork.h"

namespace {

QAction* MakeAction(QObject* owner, const char* name, const QString& caption, const QString& hint, int image)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setProperty("ImageIndex", image);
    if (image >= 0)
        action->setIcon(ActionImage(image));
    return action;
}

} // namespace

TMainActions::TMainActions(QObject* owner)
    : Nova_uloha(MakeAction(owner, "Nova_uloha", QStringLiteral("Nová úloha"), QStringLiteral("Nová úloha"), 0))
    , Otevrit(MakeAction(owner, "Otevrit", QStringLiteral("Otevřít"), QStringLiteral("Načíst data z disku"), 1))
    , Ulozit(MakeAction(owner, "Ulozit", QStringLiteral("Uložit"), QStringLiteral("Uložit data na disk"), 2))
    , Nastaveni_stranky(MakeAction(owner, "Nastaveni_stranky", QStringLiteral("Nastavení stránky"),
          QStringLiteral("Vzhled tiskové  stránky"), 6))
    , Tisk(MakeAction(owner, "Tisk", QStringLiteral("Tisk"), QStringLiteral("Tisk posudku"), 7))
    , Rozmery(MakeAction(owner, "Rozmery", QStringLiteral("Rozměry"), QStringLiteral("Délka trabíku"), 8))
    , Novy_ZS(MakeAction(
          owner, "Novy_ZS", QStringLiteral("Přidat zatěžovací stav"), QStringLiteral("Nový zatěžovací stav"), 9))
    , Smazat_ZS(MakeAction(owner, "Smazat_ZS", QStringLiteral("Smazat zatěžovací stav"),
          QStringLiteral("Smazat aktuální zatěžovací stav"), 10))
    , Vlastnosti_ZS(MakeAction(owner, "Vlastnosti_ZS", QStringLiteral("Informace o stavu"),
          QStringLiteral("Vlastnosti aktuálního zatěžovacího stavu"), 16))
    , Pridat_Px(MakeAction(
          owner, "Pridat_Px", QStringLiteral("Přidat osamělou sílu"), QStringLiteral("Přidat sílu do akt.stavu"), 11))
    , Pridat_q(MakeAction(owner, "Pridat_q", QStringLiteral("Přidat rovnoměrné zatížení"),
          QStringLiteral("přidat rovnoměrné zatížení do akt.ZS"), 12))
    , Pridat_qq(MakeAction(owner, "Pridat_qq", QStringLiteral("Přidat proměnné zatížení"),
          QStringLiteral("přidat proměnné zatížení do akt.ZS"), 13))
    , Pridat_Mx(MakeAction(
          owner, "Pridat_Mx", QStringLiteral("Přidat osamělý moment"), QStringLiteral("přidat moment do akt.ZS"), 14))
    , Spocitat_prubehy(MakeAction(owner, "Spocitat_prubehy", QStringLiteral("Spočítat a zobrazit průběhy"),
          QStringLiteral("Výpočet průběhu vnitřních sil"), 15))
    , Nahled_tisku(MakeAction(owner, "Nahled_tisku", QStringLiteral("Náhled tisku"), QStringLiteral("Náhled"), 17))
    , Go_Wizard(MakeAction(
          owner, "Go_Wizard", QStringLiteral("Generátor zatížení"), QStringLiteral("rychlé generování zatížení"), 18))
    , spocitat_pruhyb(MakeAction(
          owner, "spocitat_pruhyb", QStringLiteral("Spočítat průhyb"), QStringLiteral("vypočte průhyb trabíku"), 19))
    , Ulozit_jako(MakeAction(
          owner, "Ulozit_jako", QStringLiteral("Uložit jako…"), QStringLiteral("Uložit data do jiného souboru"), -1))
    , Konec(MakeAction(owner, "Konec1", QStringLiteral("Konec"), QString(), -1))
    , Geometrie(MakeAction(owner, "Geometrie1", QStringLiteral("Geometrie"), QStringLiteral("Délka trabíku"), 8))
    , Spocitat_reakce(
          MakeAction(owner, "Spocitat_reakce1", QStringLiteral("Spočítat a zobrazit reakce"), QString(), -1))
    , Verze(MakeAction(owner, "Verze", QStringLiteral("Verze"), QString(), -1))
{
    // "Geometrie" is a second menu item of Rozmery, with a caption of its own.
    QObject::connect(Geometrie, &QAction::triggered, Rozmery, &QAction::trigger);
}

std::vector<QAction*> TMainActions::TableActions() const
{
    return { Nova_uloha, Otevrit, Ulozit, Nastaveni_stranky, Tisk, Rozmery, Novy_ZS, Smazat_ZS, Vlastnosti_ZS,
        Pridat_Px, Pridat_q, Pridat_qq, Pridat_Mx, Spocitat_prubehy, Nahled_tisku, Go_Wizard, spocitat_pruhyb };
}

int TMainActions::ImageIndex(const QAction* action)
{
    const QVariant index = action ? action->property("ImageIndex") : QVariant();
    return index.isValid() ? index.toInt() : -1;
}
