// SplitterAccessible.h - the IAccessible of a splitter bar.
//
//   CSplitterAccessible   role grip; name from the host's label (the bar's
//                         text or the static text before it) or "Splitter";
//                         value: the bar's position in its parent, in
//                         pixels (left edge of an x bar, top of a y bar).
#ifndef TESSARINE_SPLITTERACCESSIBLE_H
#define TESSARINE_SPLITTERACCESSIBLE_H

#include "AccessibleBase.h"

class CSplitterAccessible : public CAccessibleBase
{
public:
    // bVertical: the bar moves up and down (a y bar).
    CSplitterAccessible(HWND hBar, BOOL bVertical);

    // WM_GETOBJECT of the bar pBar: makes *ppAcc at the first request.
    static LRESULT Answer(CWnd* pBar, BOOL bVertical, CSplitterAccessible** ppAcc, WPARAM wParam,
                          LPARAM lParam);
    // The bar goes away: disconnects and lets go of *ppAcc.
    static void Release(CSplitterAccessible** ppAcc);
    // The bar's position changed: tells accessibility clients.
    static void Moved(HWND hBar);

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

    // The bar's position in its parent's client area along its axis.
    static int Position(HWND hBar, BOOL bVertical);

protected:
    long ChildCount() override;

private:
    BOOL m_bVertical;
};

#endif // TESSARINE_SPLITTERACCESSIBLE_H
