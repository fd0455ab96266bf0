#pragma once
// Which load cases a combination row of the grid takes, read from the task's grid.
#include "model/TTask.h"

#include <QString>
#include <vector>

// The member load cases of combination row `row` (>= 1), as indexes into task.LoadCases: every page
// with a grid column (a page added since the grid was last refreshed has none) whose flag says yes.
// Empty for a row outside the grid.
std::vector<int> CombinationMembers(const TTask& task, int row);
// The pages (indexes into task.LoadCases) combination row `row` adds, in order. A member whose
// column header is the caption of its own page adds that page, so two load cases with one caption
// are both added once; a header out of step with its page adds the page of that caption (the last
// such), or nothing when no page has it.
std::vector<int> CombinationPages(const TTask& task, int row);
// Whether combination row `row` has a member (CombinationMembers is not empty).
bool CombinationRowHasMember(const TTask& task, int row);
// The first row (>= 1) of the combination named `name`, letter case ignored; -1 when none.
int CombinationRow(const TCombinationGrid& grid, const QString& name);
// Whether the print cell of row `row` says yes.
bool CombinationPrinted(const TCombinationGrid& grid, int row);

// The message for a chosen name that matches nothing (the sums stay 0, the user is told why), e.g.
// "Kombinace „K9“ neexistuje."; empty when the choice names something or is the envelope.
QString MissingChoiceMessage(const TTask& task, const TCalculationChoice& choice);
