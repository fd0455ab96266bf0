#pragma once
// The fields of one load row in the task, addressed by kind, row index and field index, so the
// page's controls can bind to them: Px (P, a), q (q), qq (qa, a, qb, b), Mx (M, a).
#include "model/TTask.h"

#include <type_traits>

namespace loadrows {

template <typename TCase> using TText = std::conditional_t<std::is_const_v<TCase>, const QString, QString>;
template <typename TCase> using TFlag = std::conditional_t<std::is_const_v<TCase>, const bool, bool>;

inline int FieldCount(TLoadKind kind)
{
    return kind == KindQ ? 1 : kind == KindQQ ? 4 : 2;
}

template <typename TCase> int RowCount(TCase& lc, TLoadKind kind)
{
    switch (kind) {
    case KindPx:
        return int(lc.Px.size());
    case KindQ:
        return int(lc.Q.size());
    case KindQQ:
        return int(lc.QQ.size());
    case KindMx:
        return int(lc.Mx.size());
    }
    return 0;
}

// nullptr for a row or field the load case does not have.
template <typename TCase> TText<TCase>* Field(TCase& lc, TLoadKind kind, int row, int field)
{
    if (row < 0 || row >= RowCount(lc, kind) || field < 0 || field >= FieldCount(kind))
        return nullptr;
    const auto i = std::size_t(row);
    switch (kind) {
    case KindPx:
        return field == 0 ? &lc.Px[i].P : &lc.Px[i].a;
    case KindQ:
        return &lc.Q[i].q;
    case KindQQ:
        return field == 0 ? &lc.QQ[i].qa : field == 1 ? &lc.QQ[i].a : field == 2 ? &lc.QQ[i].qb : &lc.QQ[i].b;
    case KindMx:
        return field == 0 ? &lc.Mx[i].M : &lc.Mx[i].a;
    }
    return nullptr;
}

template <typename TCase> TFlag<TCase>* Checked(TCase& lc, TLoadKind kind, int row)
{
    if (row < 0 || row >= RowCount(lc, kind))
        return nullptr;
    const auto i = std::size_t(row);
    switch (kind) {
    case KindPx:
        return &lc.Px[i].Checked;
    case KindQ:
        return &lc.Q[i].Checked;
    case KindQQ:
        return &lc.QQ[i].Checked;
    case KindMx:
        return &lc.Mx[i].Checked;
    }
    return nullptr;
}

} // namespace loadrows
