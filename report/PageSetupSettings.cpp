#include "report/PageSetupSettings.h"

#include <QBuffer>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Group = QStringLiteral("PageSetup");

// Memos as one text: a list of one line would read back split at its commas.
QString JoinMemo(const QStringList& memo)
{
    return memo.join(QLatin1Char('\n'));
}

QStringList SplitMemo(const QString& text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

QString PageSetupSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Trabík/Trabík.conf");
}

TPageSetup LoadPageSetup(const QString& file)
{
    TPageSetup s;
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(Group);
    const auto text = [&ini](const char* key, QString& value) { value = ini.value(key, value).toString(); };
    const auto flag = [&ini](const char* key, bool& value) { value = ini.value(key, value).toBool(); };
    text("LMEdit", s.LMEdit);
    text("RMEdit", s.RMEdit);
    text("TMEdit", s.TMEdit);
    text("BMEdit", s.BMEdit);
    text("LCEdit", s.LCEdit);
    const int separator = ini.value("Separator", int(s.Separator)).toInt();
    if (separator >= TPageSetup::NoneRadio && separator <= TPageSetup::FrameRadio)
        s.Separator = TPageSetup::TSeparator(separator);
    flag("LogoCheck", s.LogoCheck);
    flag("Address1Check", s.Address1Check);
    flag("DateCheck", s.DateCheck);
    flag("Address2Check", s.Address2Check);
    flag("PageNumberCheck", s.PageNumberCheck);
    flag("TimeCheck", s.TimeCheck);
    text("LogoWEdit", s.LogoWEdit);
    text("LogoHEdit", s.LogoHEdit);
    text("LogoFileEdit", s.LogoFileEdit);
    if (const QImage logo = QImage::fromData(ini.value("Logo").toByteArray(), "PNG"); !logo.isNull())
        s.Logo = logo;
    if (ini.contains("Address1Memo"))
        s.Address1Memo = SplitMemo(ini.value("Address1Memo").toString());
    if (ini.contains("Address2Memo"))
        s.Address2Memo = SplitMemo(ini.value("Address2Memo").toString());
    QFont font;
    if (ini.contains("Font") && font.fromString(ini.value("Font").toString()))
        s.Font = font;
    flag("NoDiacritics", s.NoDiacritics);
    return s;
}

void SavePageSetup(const TPageSetup& s, const QString& file)
{
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(Group);
    ini.setValue("LMEdit", s.LMEdit);
    ini.setValue("RMEdit", s.RMEdit);
    ini.setValue("TMEdit", s.TMEdit);
    ini.setValue("BMEdit", s.BMEdit);
    ini.setValue("LCEdit", s.LCEdit);
    ini.setValue("Separator", int(s.Separator));
    ini.setValue("LogoCheck", s.LogoCheck);
    ini.setValue("Address1Check", s.Address1Check);
    ini.setValue("DateCheck", s.DateCheck);
    ini.setValue("Address2Check", s.Address2Check);
    ini.setValue("PageNumberCheck", s.PageNumberCheck);
    ini.setValue("TimeCheck", s.TimeCheck);
    ini.setValue("LogoWEdit", s.LogoWEdit);
    ini.setValue("LogoHEdit", s.LogoHEdit);
    ini.setValue("LogoFileEdit", s.LogoFileEdit);
    if (s.Logo.isNull() || s.Logo == DefaultLogo()) {
        ini.remove("Logo");
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        s.Logo.save(&buffer, "PNG");
        ini.setValue("Logo", png);
    }
    ini.setValue("Address1Memo", JoinMemo(s.Address1Memo));
    ini.setValue("Address2Memo", JoinMemo(s.Address2Memo));
    ini.setValue("Font", s.Font.toString());
    ini.setValue("NoDiacritics", s.NoDiacritics);
    ini.sync();
}
