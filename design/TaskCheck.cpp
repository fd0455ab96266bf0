#include "design/TaskCheck.h"

#include "model/TError.h"
#include "model/uMyCommonLib.h"

#include <cmath>

TSteelCheckInput SteelCheckInputOf(const TTask& task)
{
    const TSteelInputs& steel = task.Steel;
    TSteelCheckInput input;
    // With "obdélník" the deflection takes the rectangle: the section named is not the beam's.
    input.Section = task.Deflection.CheckBox23 ? QString() : task.Deflection.Section;
    input.Grade = steel.SteelGrade;
    if (!steel.LtbLength.trimmed().isEmpty()) {
        input.LtbLength = StrToFloatX(steel.LtbLength);
        if (!(input.LtbLength > 0) || !std::isfinite(input.LtbLength))
            throw TError(QStringLiteral("Délka mezi příčnými podporami „%1“ není kladné číslo.").arg(steel.LtbLength));
    }
    const QString level = steel.LtbLoadLevel.trimmed();
    if (level == QLatin1String("top"))
        input.LoadLevel = TLoadLevel::TopFlange;
    else if (level == QLatin1String("centre"))
        input.LoadLevel = TLoadLevel::ShearCentre;
    else if (level == QLatin1String("bottom"))
        input.LoadLevel = TLoadLevel::BottomFlange;
    else
        throw TError(QStringLiteral("Neznámá poloha zatížení „%1“ (top, centre, bottom).").arg(level));
    return input;
}

TSteelCheck CheckTaskSteel(const TTask& task)
{
    const TSteelCheckInput input = SteelCheckInputOf(task);
    const TSectionDims* dims = FindSection(input.Section);
    if (!dims)
        return CheckSteelBeam(input, {}); // refused with the reason, before any calculation
    const bool selfWeight = task.Steel.SelfWeight.trimmed() == QLatin1String("1");
    const double own = selfWeight ? SelfWeightLoad(SectionProperties(*dims).Mass) : 0;
    return CheckSteelBeam(input, DesignActionsOf(task, own));
}

TCheckMaterial CheckMaterialOf(const TTask& task)
{
    const QString chosen = task.Timber.CheckMaterial.trimmed();
    if (chosen == QLatin1String("steel"))
        return TCheckMaterial::Steel;
    if (chosen == QLatin1String("timber"))
        return TCheckMaterial::Timber;
    if (!task.Deflection.CheckBox23 && FindSection(task.Deflection.Section))
        return TCheckMaterial::Steel;
    const TTimberInputsText& t = task.Timber;
    if (!t.ClassName.trimmed().isEmpty() && !t.Width.trimmed().isEmpty() && !t.Depth.trimmed().isEmpty())
        return TCheckMaterial::Timber;
    return TCheckMaterial::None;
}

QString CheckMaterialProblem(const TTask& task)
{
    if (CheckMaterialOf(task) != TCheckMaterial::None)
        return {};
    return QStringLiteral("Úloha nemá co posoudit: chybí ocelový průřez z knihovny (karta Průhyb) "
                          "nebo třída dřeva se šířkou b a výškou h průřezu (karta Posouzení).");
}

QString LoadLevelText(TLoadLevel level)
{
    switch (level) {
    case TLoadLevel::TopFlange:
        return QStringLiteral("horní pás");
    case TLoadLevel::ShearCentre:
        return QStringLiteral("střed smyku");
    case TLoadLevel::BottomFlange:
        break;
    }
    return QStringLiteral("dolní pás");
}
