#include "library/TimberClasses.h"

#include <QStringList>

namespace {

// EN 338:2009, table 1 (softwood). G0,05 is not tabulated for solid timber; its lateral buckling
// uses (6.32) of EN 1995-1-1, which has E0,05/G0,05 = 16 built in, so the column repeats that ratio.
// EN 14080:2013, table 5 (homogeneous glulam): fm,g,k, fv,g,k, fc,90,g,k, E0,g,mean, E0,g,05,
// Gg,mean, Gg,05, ρg,k.
const std::vector<TTimberClass> Classes = {
    { "C14", false, 14, 3.0, 2.0, 7000, 4700, 440, 4700.0 / 16, 290 },
    { "C16", false, 16, 3.2, 2.2, 8000, 5400, 500, 5400.0 / 16, 310 },
    { "C18", false, 18, 3.4, 2.2, 9000, 6000, 560, 6000.0 / 16, 320 },
    { "C20", false, 20, 3.6, 2.3, 9500, 6400, 590, 6400.0 / 16, 330 },
    { "C22", false, 22, 3.8, 2.4, 10000, 6700, 630, 6700.0 / 16, 340 },
    { "C24", false, 24, 4.0, 2.5, 11000, 7400, 690, 7400.0 / 16, 350 },
    { "C27", false, 27, 4.0, 2.6, 11500, 7700, 720, 7700.0 / 16, 370 },
    { "C30", false, 30, 4.0, 2.7, 12000, 8000, 750, 8000.0 / 16, 380 },
    { "C35", false, 35, 4.0, 2.8, 13000, 8700, 810, 8700.0 / 16, 400 },
    { "C40", false, 40, 4.0, 2.9, 14000, 9400, 880, 9400.0 / 16, 420 },
    { "GL24h", true, 24, 3.5, 2.5, 11500, 9600, 650, 540, 385 },
    { "GL26h", true, 26, 3.5, 2.5, 12100, 10100, 650, 540, 405 },
    { "GL28h", true, 28, 3.5, 2.5, 12600, 10500, 650, 540, 425 },
    { "GL30h", true, 30, 3.5, 2.5, 13600, 11300, 650, 540, 430 },
    { "GL32h", true, 32, 3.5, 2.5, 14200, 11800, 650, 540, 440 },
};

} // namespace

const std::vector<TTimberClass>& TimberClasses()
{
    return Classes;
}

const TTimberClass* FindTimberClass(const QString& name)
{
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return nullptr;
    for (const TTimberClass& c : Classes)
        if (words.last().compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}
