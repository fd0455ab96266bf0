#pragma once
// The governing deflection check of the task, printed once after the result blocks, and the table
// row of one member check that the timber section shares.
#include "design/LimitCheck.h"
#include "model/TTask.h"

#include <QStringList>

// "Rozhodující průhyb": the combinations taken, then one table of the checks (see
// TaskServiceability), the warnings of what they leave out, or the reason there is no check.
// Only when the deflections are printed or the task gets a member check; nothing for a task without
// a load case.
QStringList ServiceabilityLines(const TTask& task);

// "<tr><td>check<td>clause<td>design value<td>limit<td>utilisation<td>✓/✗" (an undecided check "?"),
// and under the table the line of where and by which combination it governs (or why undecided).
QString LimitCheckRow(const TLimitCheck& check, bool withClause = true);
QString LimitCheckWhere(const TLimitCheck& check);
// The heading row of such a table, its limit column named `resistance`.
QString LimitCheckTableHead(const QString& resistance, bool withClause = true);
