// The four load readers: load i (1-based) of load case number n, values read even when the load
// is not included; a missing load case or row reads as excluded zeros.
#include "model/TTask.h"

#include "model/uMyCommonLib.h"

namespace {

template <typename TRow> const TRow* RowAt(const std::vector<TRow>& rows, int i)
{
    if (i < 1 || i > int(rows.size()))
        return nullptr;
    return &rows[size_t(i - 1)];
}

} // namespace

TPxLoad TTask::ReadPx(int n, int i) const
{
    TPxLoad load;
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    if (const TPxRow* row = loadCase ? RowAt(loadCase->Px, i) : nullptr) {
        load.Included = row->Checked;
        load.P = StrToFloatX(row->P);
        load.a = StrToFloatX(row->a);
    }
    return load;
}

TQLoad TTask::ReadQ(int n, int i) const
{
    TQLoad load;
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    if (const TQRow* row = loadCase ? RowAt(loadCase->Q, i) : nullptr) {
        load.Included = row->Checked;
        load.q = StrToFloatX(row->q);
    }
    return load;
}

TQQLoad TTask::ReadQQ(int n, int i) const
{
    TQQLoad load;
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    if (const TQQRow* row = loadCase ? RowAt(loadCase->QQ, i) : nullptr) {
        // A disabled partial load (end conditions 12, 21, 22) never takes part.
        load.Included = row->Checked && row->Enabled;
        load.qa = StrToFloatX(row->qa);
        load.a = StrToFloatX(row->a);
        load.qb = StrToFloatX(row->qb);
        load.b = StrToFloatX(row->b);
    }
    return load;
}

TMxLoad TTask::ReadMx(int n, int i) const
{
    TMxLoad load;
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    if (const TMxRow* row = loadCase ? RowAt(loadCase->Mx, i) : nullptr) {
        load.Included = row->Checked;
        load.M = StrToFloatX(row->M);
        load.a = StrToFloatX(row->a);
    }
    return load;
}
