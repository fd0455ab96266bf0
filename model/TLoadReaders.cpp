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
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    return loadCase ? ReadPx(*loadCase, i) : TPxLoad();
}

TQLoad TTask::ReadQ(int n, int i) const
{
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    return loadCase ? ReadQ(*loadCase, i) : TQLoad();
}

TQQLoad TTask::ReadQQ(int n, int i) const
{
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    return loadCase ? ReadQQ(*loadCase, i) : TQQLoad();
}

TMxLoad TTask::ReadMx(int n, int i) const
{
    const TLoadCase* loadCase = LoadCaseByNumber(n);
    return loadCase ? ReadMx(*loadCase, i) : TMxLoad();
}

TPxLoad TTask::ReadPx(const TLoadCase& loadCase, int i)
{
    TPxLoad load;
    if (const TPxRow* row = RowAt(loadCase.Px, i)) {
        load.Included = row->Checked;
        load.P = StrToFloatX(row->P);
        load.a = StrToFloatX(row->a);
    }
    return load;
}

TQLoad TTask::ReadQ(const TLoadCase& loadCase, int i)
{
    TQLoad load;
    if (const TQRow* row = RowAt(loadCase.Q, i)) {
        load.Included = row->Checked;
        load.q = StrToFloatX(row->q);
    }
    return load;
}

TQQLoad TTask::ReadQQ(const TLoadCase& loadCase, int i)
{
    TQQLoad load;
    if (const TQQRow* row = RowAt(loadCase.QQ, i)) {
        // A disabled partial load (end conditions 12, 21, 22) never takes part.
        load.Included = row->Checked;
        load.qa = StrToFloatX(row->qa);
        load.a = StrToFloatX(row->a);
        load.qb = StrToFloatX(row->qb);
        load.b = StrToFloatX(row->b);
    }
    return load;
}

TMxLoad TTask::ReadMx(const TLoadCase& loadCase, int i)
{
    TMxLoad load;
    if (const TMxRow* row = RowAt(loadCase.Mx, i)) {
        load.Included = row->Checked;
        load.M = StrToFloatX(row->M);
        load.a = StrToFloatX(row->a);
    }
    return load;
}
