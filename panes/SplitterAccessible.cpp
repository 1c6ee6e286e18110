// SplitterAccessible.cpp - what a screen reader learns of a splitter bar.
#include "SplitterAccessible.h"

#include "SplitterTrack.h"

CSplitterAccessible::CSplitterAccessible(HWND hBar, BOOL bVertical)
    : CAccessibleBase(hBar), m_bVertical(bVertical)
{
}

LRESULT CSplitterAccessible::Answer(CWnd* pBar, BOOL bVertical, CSplitterAccessible** ppAcc, WPARAM wParam,
                                    LPARAM lParam)
{
    if (*ppAcc == NULL)
        *ppAcc = new CSplitterAccessible(pBar->GetSafeHwnd(), bVertical);
    return (*ppAcc)->CAccessibleBase::Answer(wParam, lParam);
}

void CSplitterAccessible::Moved(HWND hBar)
{
    ::NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hBar, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hBar, OBJID_CLIENT, CHILDID_SELF);
}

long CSplitterAccessible::ChildCount()
{
    return 0;
}

CString CSplitterAccessible::Name(long)
{
    const CString name = WindowName(m_hwnd);
    return name.IsEmpty() ? CString("Splitter") : name;
}

CString CSplitterAccessible::Value(long)
{
    const CRect rc = SplitterRectInParent(m_hwnd, ::GetParent(m_hwnd));
    CString text;
    text.Format("%ld", (long)(m_bVertical ? rc.top : rc.left));
    return text;
}

long CSplitterAccessible::Role(long)
{
    return ROLE_SYSTEM_GRIP;
}

long CSplitterAccessible::State(long)
{
    long state = 0;
    if (!::IsWindowVisible(m_hwnd))
        state |= STATE_SYSTEM_INVISIBLE;
    if ((::GetWindowLong(m_hwnd, GWL_STYLE) & WS_TABSTOP) != 0)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (::GetFocus() == m_hwnd)
        state |= STATE_SYSTEM_FOCUSED;
    return state;
}

CRect CSplitterAccessible::Location(long)
{
    CRect rc;
    ::GetClientRect(m_hwnd, &rc);
    return rc;
}

long CSplitterAccessible::HitTest(CPoint)
{
    return CHILDID_SELF;
}
