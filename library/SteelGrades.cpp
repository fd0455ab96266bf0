#include "library/SteelGrades.h"

namespace {

// EN 1993-1-1 Table 3.1: fy / fu for t <= 40 mm and for 40 mm < t <= 80 mm.
const std::vector<TSteelGrade> Grades = {
    { "S235", 235, 360, 215, 360 }, { "S275", 275, 430, 255, 410 }, { "S355", 355, 510, 335, 470 },
    { "S420", 420, 520, 390, 500 }, // S420 M/ML
    { "S460", 460, 540, 430, 530 }, // S460 M/ML
};

} // namespace

const std::vector<TSteelGrade>& SteelGrades()
{
    return Grades;
}

const TSteelGrade* FindSteelGrade(const QString& name)
{
    for (const TSteelGrade& g : Grades)
        if (name.trimmed().compare(QLatin1String(g.Name), Qt::CaseInsensitive) == 0)
            return &g;
    return nullptr;
}

TSteelStrength SteelStrength(const TSteelGrade& grade, double t)
{
    if (t <= 40)
        return { true, grade.Fy40, grade.Fu40 };
    if (t <= 80)
        return { true, grade.Fy80, grade.Fu80 };
    return {};
}
