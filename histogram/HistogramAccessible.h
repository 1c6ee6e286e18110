// HistogramAccessible.h - the IAccessible of a CHistogram.
//
//   CHistogramAccessible   role chart; children 1..C are the cutpoints in
//                          list order, C+1..C+B the bins. Every answer is
//                          read from the control when asked, through the
//                          control's own layout and hit-test functions.
#ifndef TESSARINE_HISTOGRAMACCESSIBLE_H
#define TESSARINE_HISTOGRAMACCESSIBLE_H

#include "AccessibleBase.h"

class CHistogram;

class CHistogramAccessible : public CAccessibleBase
{
public:
    explicit CHistogramAccessible(CHistogram* pHist);

    // The child id of cutpoint index (list order).
    static LONG CutpointChild(int index) { return index + 1; }

protected:
    long ChildCount() override;
    CString Name(long child) override;
    CString Value(long child) override;
    long Role(long child) override;
    long State(long child) override;
    CRect Location(long child) override;
    long HitTest(CPoint pt) override;
    long Focus() override;
    long Selection() override;
    HRESULT Select(long flags, long child) override;

private:
    int Cutpoints() const;
    // The cutpoint index of a child id, or -1 for the control or a bin.
    int CutpointOf(long child) const;
    // The bin index of a child id, or -1.
    int BinOf(long child) const;

    CHistogram* m_pHist;
};

#endif // TESSARINE_HISTOGRAMACCESSIBLE_H
