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

    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

protected:
    long ChildCount() override;

private:
    int Cutpoints() const;
    // The cutpoint index of a child id, or -1 for the control or a bin.
    int CutpointOf(long child) const;
    // The bin index of a child id, or -1.
    int BinOf(long child) const;

    CHistogram* m_pHist;
};

#endif // TESSARINE_HISTOGRAMACCESSIBLE_H
