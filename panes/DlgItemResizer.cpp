// DlgItemResizer.cpp - CDlgItemResizer: registration and layout.
#include "DlgItemResizer.h"

namespace {

// hWnd's window rectangle in hParent's client coordinates.
CRect RectInParent(HWND hWnd, HWND hParent)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::ScreenToClient(hParent, reinterpret_cast<LPPOINT>(&rc.left));
    ::ScreenToClient(hParent, reinterpret_cast<LPPOINT>(&rc.right));
    return rc;
}

CSize ClientSize(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    return CSize(rc.Width(), rc.Height());
}

} // namespace

CDlgItemResizer::CDlgItemResizer()
    : m_szInitial(0, 0)
{
}

CDlgItemResizer::~CDlgItemResizer()
{
    for (int i = 0; i < m_items.GetSize(); i++)
        delete static_cast<ResizeItem*>(m_items[i]);
    m_items.RemoveAll();
}

void CDlgItemResizer::Add(CWnd* pWnd, UINT nFlags)
{
    AddWindow(pWnd != NULL ? pWnd->m_hWnd : NULL, nFlags);
}

void CDlgItemResizer::Add(CWnd* pParent, int nID, UINT nFlags)
{
    // The handle is enough: no temporary window object is made for it.
    AddWindow(pParent != NULL ? ::GetDlgItem(pParent->m_hWnd, nID) : NULL, nFlags);
}

void CDlgItemResizer::AddWindow(HWND hWnd, UINT nFlags)
{
    HWND hParent = hWnd != NULL ? ::GetParent(hWnd) : NULL;
    if (nFlags == 0 || hParent == NULL)
        return;
    ResizeItem* pItem = new ResizeItem;
    pItem->flags = nFlags;
    pItem->hWnd = hWnd;
    pItem->rcRecorded = RectInParent(hWnd, hParent);
    if (m_szInitial.cx == 0 || m_szInitial.cy == 0)
        m_szInitial = ClientSize(hParent);
    m_items.Add(pItem);
}

void CDlgItemResizer::RecalcPositions()
{
    // The parent is that of the first control that still exists; records
    // of destroyed controls are left as they are.
    HWND hParent = NULL;
    for (int i = 0; i < m_items.GetSize(); i++)
    {
        ResizeItem* pItem = static_cast<ResizeItem*>(m_items[i]);
        if (!::IsWindow(pItem->hWnd))
            continue;
        if (hParent == NULL)
            hParent = ::GetParent(pItem->hWnd);
        if (hParent == NULL)
            continue;
        pItem->rcRecorded = RectInParent(pItem->hWnd, hParent);
    }
    if (hParent != NULL)
        m_szInitial = ClientSize(hParent);
}

void CDlgItemResizer::Resize(CWnd* pParent)
{
    if (m_szInitial.cx == 0 || m_szInitial.cy == 0 || pParent == NULL ||
        (::GetWindowLong(pParent->m_hWnd, GWL_STYLE) & WS_MINIMIZE))
        return;
    const HWND hParent = pParent->m_hWnd;
    CRect client;
    ::GetClientRect(hParent, &client);

    for (int i = 0; i < m_items.GetSize(); i++)
    {
        const ResizeItem* pItem = static_cast<const ResizeItem*>(m_items[i]);
        const HWND hWnd = pItem->hWnd;
        if (!::IsWindow(hWnd))
            continue;   // destroyed since it was registered
        const RECT& rec = pItem->rcRecorded;
        CRect rc = RectInParent(hWnd, hParent);
        ::InvalidateRect(hParent, &rc, TRUE);     // the old place is repainted
        const int w = rc.Width();
        const int h = rc.Height();

        switch (pItem->flags & (RZ_LEFT | RZ_RIGHT))
        {
        case RZ_LEFT | RZ_RIGHT:
            rc.left = rec.left;
            rc.right = client.right - (m_szInitial.cx - rec.right);
            break;
        case RZ_RIGHT:
            rc.right = client.right - (m_szInitial.cx - rec.right);
            rc.left = rc.right - w;
            break;
        case RZ_LEFT:
            rc.left = rec.left;
            rc.right = rc.left + w;
            break;
        }
        switch (pItem->flags & (RZ_TOP | RZ_BOTTOM))
        {
        case RZ_TOP | RZ_BOTTOM:
            rc.top = rec.top;
            rc.bottom = client.bottom - (m_szInitial.cy - rec.bottom);
            break;
        case RZ_TOP:
            rc.top = rec.top;
            rc.bottom = rc.top + h;
            break;
        case RZ_BOTTOM:
            rc.bottom = client.bottom - (m_szInitial.cy - rec.bottom);
            rc.top = rc.bottom - h;
            break;
        }

        if (pItem->flags & RZ_HIDEOUTSIDE)
        {
            // An empty rectangle adds nothing to the union: it counts as
            // inside.
            CRect rcUnion;
            rcUnion.UnionRect(&rc, &client);
            if (rcUnion != client)
            {
                ::ShowWindow(hWnd, SW_HIDE);
                continue;
            }
            if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_VISIBLE))
                ::ShowWindow(hWnd, SW_SHOWNORMAL);
        }
        ::MoveWindow(hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    }
}
