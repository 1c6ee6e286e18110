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
    // The bar's position changed: tells accessibility clients.
    static void Moved(HWND hBar);

protected:
    long ChildCount() override;
    CString Name(long child) override;
    CString Value(long child) override;
    long Role(long child) override;
    long State(long child) override;
    CRect Location(long child) override;
    long HitTest(CPoint pt) override;

private:
    BOOL m_bVertical;
};

#endif // TESSARINE_SPLITTERACCESSIBLE_H
