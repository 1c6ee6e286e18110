// CDC: the device-context wrapper.  Output goes to m_hDC; attribute changes
// go to both handles when they differ; queries read m_hAttribDC.

#include "handlemap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

struct CDCHandleTraits
{
    typedef CDC Object;
    typedef HDC Handle;

    static CDC* NewTemp(HDC h)
    {
        CDC* p = new (std::nothrow) CDC;
        if (p == NULL)
            AfxThrowMemoryException();
        p->m_hDC = h;
        p->m_hAttribDC = h;
        return p;
    }

    static void DeleteTemp(CDC* p)
    {
        p->m_hDC = NULL;  // a temporary does not own the DC
        p->m_hAttribDC = NULL;
        delete p;
    }
};

inline CHandleMap<CDCHandleTraits>* DCMap()
{
    return AfxGetHandleMap<CDCHandleTraits>();
}

} // namespace

// Applies an attribute change to the output DC (when it is a separate one)
// and to the attribute DC; the result is the attribute DC's.
#define CDC_SET_BOTH(result, failed, call_with_h) \
    do { \
        result = failed; \
        if (m_hDC != NULL && m_hDC != m_hAttribDC) { HDC h = m_hDC; result = call_with_h; } \
        if (m_hAttribDC != NULL) { HDC h = m_hAttribDC; result = call_with_h; } \
    } while (0)

namespace {

// The *Ex calls that change a pair of coordinates on both DCs (as
// CDC_SET_BOTH does) and hand back the attribute DC's previous pair.
template <class PAIR>
PAIR SetPairOnBoth(HDC hDC, HDC hAttribDC, BOOL (WINAPI* pfnSet)(HDC, int, int, PAIR*),
    int a, int b)
{
    PAIR previous = PAIR();
    if (hDC != NULL && hDC != hAttribDC)
        pfnSet(hDC, a, b, &previous);
    if (hAttribDC != NULL)
        pfnSet(hAttribDC, a, b, &previous);
    return previous;
}

// The *Ex calls that read a pair of coordinates from the attribute DC.
template <class PAIR>
PAIR GetPair(HDC hAttribDC, BOOL (WINAPI* pfnGet)(HDC, PAIR*))
{
    PAIR pair = PAIR();
    VERIFY(pfnGet(hAttribDC, &pair));
    return pair;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction and handles

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE)
{
}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap()->FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap()->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    ASSERT(m_hDC == NULL);       // only attach once, detach on destroy
    ASSERT(m_hAttribDC == NULL);  // only attach to an empty DC
    if (hDC == NULL)
        return FALSE;
    if (m_hDC != NULL)
    {
        // the earlier DC is no longer ours (not deleted)
        TRACE1("Warning: CDC::Attach over the attached DC %p; that DC is let go\n", (void*)m_hDC);
        Detach();
    }
    m_hDC = hDC;
    DCMap()->SetPermanent(m_hDC, this);
    SetAttribDC(m_hDC);  // Default to same as output
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    // out of the map of the thread that attached it, wherever this runs
    if (hDC != NULL)
        CHandleMapBase::RemovePermanentObject(this);
    ReleaseAttribDC();
    m_hDC = NULL;
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = NULL;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = NULL;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName,
                   LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput,
                              (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName,
                   LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput,
                              (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hAttribDC, OBJ_PAL));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hAttribDC, OBJ_BITMAP));
}

/////////////////////////////////////////////////////////////////////////////
// Device-context state

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1;  // -1 is the only valid restore value for complex DCs
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != NULL && m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = (bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC));
    return bRetVal;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

UINT CDC::SetBoundsRect(LPCRECT lpRectBounds, UINT flags)
{
    return ::SetBoundsRect(m_hDC, lpRectBounds, flags);
}

UINT CDC::GetBoundsRect(LPRECT lpRectBounds, UINT flags)
{
    return ::GetBoundsRect(m_hAttribDC, lpRectBounds, flags);
}

CPoint CDC::GetBrushOrg() const
{
    POINT point = { 0, 0 };
    VERIFY(::GetBrushOrgEx(m_hDC, &point));
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = { 0, 0 };
    VERIFY(::SetBrushOrgEx(m_hDC, x, y, &point));
    return point;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

int CDC::EnumObjects(int nObjectType, int (CALLBACK* lpfn)(LPVOID, LPARAM), LPARAM lpData)
{
    return ::EnumObjects(m_hAttribDC, nObjectType, (GOBJENUMPROC)(void*)lpfn, lpData);
}

/////////////////////////////////////////////////////////////////////////////
// Selection

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOldObj = NULL;
    CDC_SET_BOTH(hOldObj, (HGDIOBJ)NULL, ::SelectObject(h, hObject));
    return hOldObj;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject == NULL)
        return NULL;
    return CGdiObject::FromHandle(SelectObject(pObject->m_hObject));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectObject(pPen->GetSafeHandle()));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectObject(pBrush->GetSafeHandle()));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectObject(pFont->GetSafeHandle()));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return (CBitmap*)CGdiObject::FromHandle(SelectObject(pBitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // For a region SelectObject answers the region's complexity.
    return (int)(INT_PTR)SelectObject(pRgn->GetSafeHandle());
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    ASSERT(hObject != NULL);
    return CGdiObject::FromHandle(SelectObject(hObject));
}

/////////////////////////////////////////////////////////////////////////////
// Colours and palettes

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(),
                                                bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

void CDC::UpdateColors()
{
    ::UpdateColors(m_hDC);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing attributes

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }
int CDC::GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF crRetVal;
    CDC_SET_BOTH(crRetVal, CLR_INVALID, ::SetBkColor(h, crColor));
    return crRetVal;
}

int CDC::SetBkMode(int nBkMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetBkMode(h, nBkMode));
    return nRetVal;
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetPolyFillMode(h, nPolyFillMode));
    return nRetVal;
}

int CDC::SetROP2(int nDrawMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetROP2(h, nDrawMode));
    return nRetVal;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetStretchBltMode(h, nStretchMode));
    return nRetVal;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF crRetVal;
    CDC_SET_BOTH(crRetVal, CLR_INVALID, ::SetTextColor(h, crColor));
    return crRetVal;
}

/////////////////////////////////////////////////////////////////////////////
// Mapping

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetMapMode(h, nMapMode));
    return nRetVal;
}

CPoint CDC::GetViewportOrg() const
{
    return GetPair(m_hAttribDC, ::GetViewportOrgEx);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::SetViewportOrgEx, x, y);
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::OffsetViewportOrgEx, nWidth, nHeight);
}

CSize CDC::GetViewportExt() const
{
    return GetPair(m_hAttribDC, ::GetViewportExtEx);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::SetViewportExtEx, cx, cy);
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
    return GetPair(m_hAttribDC, ::GetWindowOrgEx);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::SetWindowOrgEx, x, y);
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::OffsetWindowOrgEx, nWidth, nHeight);
}

CSize CDC::GetWindowExt() const
{
    return GetPair(m_hAttribDC, ::GetWindowExtEx);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::SetWindowExtEx, cx, cy);
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    VERIFY(::DPtoLP(m_hAttribDC, lpPoints, nCount));
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    VERIFY(::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2));
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    // A size scales by window extent / viewport extent, with no origin.
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    if (sizeVpExt.cx == 0 || sizeVpExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs((int)sizeWinExt.cx), abs((int)sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs((int)sizeWinExt.cy), abs((int)sizeVpExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    VERIFY(::LPtoDP(m_hAttribDC, lpPoints, nCount));
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    VERIFY(::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    if (sizeWinExt.cx == 0 || sizeWinExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs((int)sizeVpExt.cx), abs((int)sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs((int)sizeVpExt.cy), abs((int)sizeWinExt.cy));
}

/////////////////////////////////////////////////////////////////////////////
// Regions and clipping

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(),
                      nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, ERROR, ::SelectClipRgn(h, (HRGN)pRgn->GetSafeHandle()));
    return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, ERROR, ::ExtSelectClipRgn(h, (HRGN)pRgn->GetSafeHandle(), nMode));
    return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, ERROR, ::ExcludeClipRect(h, x1, y1, x2, y2));
    return nRetVal;
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, ERROR, ::IntersectClipRect(h, x1, y1, x2, y2));
    return nRetVal;
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, ERROR, ::OffsetClipRgn(h, x, y));
    return nRetVal;
}

int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Lines

CPoint CDC::GetCurrentPosition() const
{
    return GetPair(m_hAttribDC, ::GetCurrentPositionEx);
}

CPoint CDC::MoveTo(int x, int y)
{
    return SetPairOnBoth(m_hDC, m_hAttribDC, ::MoveToEx, x, y);
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    // keep the attribute DC's current position in step
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Arc(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                 ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Polyline(LPPOINT lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, (DWORD)nCount);
}

BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    return ::PolyBezier(m_hDC, lpPoints, (DWORD)nCount);
}

/////////////////////////////////////////////////////////////////////////////
// Simple drawing

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return ::DrawIcon(m_hDC, point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0,
                        pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0,
                        pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags,
                    BOOL bPrefixText, int nTextLen, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen,
                        pt.x, pt.y, size.cx, size.cy,
                        nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Chord(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                   ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Pie(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                 ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Polygon(LPPOINT lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(LPPOINT lpPoints, LPINT lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return ::RoundRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                       point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                 int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                     int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(),
                        xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return ::GetPixel(m_hDC, point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, point.x, point.y, crColor);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

BOOL CDC::MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                  int xSrc, int ySrc, CBitmap& maskBitmap, int xMask, int yMask, DWORD dwRop)
{
    return ::MaskBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(),
                     xSrc, ySrc, (HBITMAP)maskBitmap.m_hObject, xMask, yMask, dwRop);
}

/////////////////////////////////////////////////////////////////////////////
// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect,
                     LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect,
                     const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, (UINT)str.GetLength(), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount,
                         int nTabPositions, LPINT lpnTabStopPositions, int nTabOrigin)
{
    LONG lExtent = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount,
                                    nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize(LOWORD(lExtent), HIWORD(lExtent));
}

CSize CDC::TabbedTextOut(int x, int y, const CString& str,
                         int nTabPositions, LPINT lpnTabStopPositions, int nTabOrigin)
{
    return TabbedTextOut(x, y, (LPCTSTR)str, str.GetLength(),
                         nTabPositions, lpnTabStopPositions, nTabOrigin);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount,
                               int nTabPositions, LPINT lpnTabStopPositions) const
{
    DWORD dwExtent = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount,
                                            nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(dwExtent), HIWORD(dwExtent));
}

CSize CDC::GetTabbedTextExtent(const CString& str,
                               int nTabPositions, LPINT lpnTabStopPositions) const
{
    return GetTabbedTextExtent((LPCTSTR)str, str.GetLength(), nTabPositions, lpnTabStopPositions);
}

BOOL CDC::GrayString(CBrush* pBrush, BOOL (CALLBACK* lpfnOutput)(HDC, LPARAM, int),
                     LPARAM lpData, int nCount, int x, int y, int nWidth, int nHeight)
{
    return ::GrayStringA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), (GRAYSTRINGPROC)lpfnOutput,
                         lpData, nCount, x, y, nWidth, nHeight);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT nRetVal;
    CDC_SET_BOTH(nRetVal, GDI_ERROR, ::SetTextAlign(h, nFlags));
    return nRetVal;
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, 0, ::SetTextJustification(h, nBreakExtra, nBreakCount));
    return nRetVal;
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    int nRetVal;
    CDC_SET_BOTH(nRetVal, (int)0x80000000, ::SetTextCharacterExtra(h, nCharExtra));
    return nRetVal;
}

/////////////////////////////////////////////////////////////////////////////
// Edges, frame controls, scrolling, fonts, paths

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip,
                   CRgn* pRgnUpdate, LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip,
                      (HRGN)pRgnUpdate->GetSafeHandle(), lpRectUpdate);
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

DWORD CDC::SetMapperFlags(DWORD dwFlag)
{
    DWORD dwRetVal;
    CDC_SET_BOTH(dwRetVal, GDI_ERROR, ::SetMapperFlags(h, dwFlag));
    return dwRetVal;
}

CSize CDC::GetAspectRatioFilter() const
{
    return GetPair(m_hAttribDC, ::GetAspectRatioFilterEx);
}

BOOL CDC::BeginPath() { return ::BeginPath(m_hDC); }
BOOL CDC::EndPath() { return ::EndPath(m_hDC); }
BOOL CDC::AbortPath() { return ::AbortPath(m_hDC); }
BOOL CDC::FillPath() { return ::FillPath(m_hDC); }
BOOL CDC::StrokePath() { return ::StrokePath(m_hDC); }
BOOL CDC::StrokeAndFillPath() { return ::StrokeAndFillPath(m_hDC); }
BOOL CDC::SelectClipPath(int nMode) { return ::SelectClipPath(m_hDC, nMode); }

/////////////////////////////////////////////////////////////////////////////
// Helpers: solid fills, 3-D frames, drag frames

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    CRect rect(x, y, x + cx, y + cy);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy,
                     COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // Top row and left column (short of the far corners), then the right
    // column and bottom row, each drawn leftwards/upwards from the far edge.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    // One process-wide brush, made on first use and kept until the process
    // ends.  It is held outside the handle maps, so it belongs to no thread.
    static CBrush* const s_pHalftoneBrush = []() -> CBrush* {
        // 8x8 monochrome pattern of alternating pixels (rows 0x55, 0xAA...)
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hGrayBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (hGrayBitmap == NULL)
            return NULL;
        HBRUSH hBrush = ::CreatePatternBrush(hGrayBitmap);
        ::DeleteObject(hGrayBitmap);  // the brush keeps its own copy
        if (hBrush == NULL)
            return NULL;
        CBrush* pBrush = new (std::nothrow) CBrush;
        if (pBrush == NULL)
        {
            ::DeleteObject(hBrush);
            return NULL;
        }
        pBrush->m_hObject = hBrush;
        return pBrush;
    }();
    return s_pHalftoneBrush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size,
                       LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast)
{
    ASSERT(lpRect != NULL);
    if (lpRect == NULL)
        return;

    // The new frame: the rectangle minus its interior.
    CRgn rgnNew, rgnOutside, rgnInside;
    rgnOutside.CreateRectRgnIndirect(lpRect);
    CRect rect = lpRect;
    rect.InflateRect(-size.cx, -size.cy);
    rect.IntersectRect(rect, lpRect);
    rgnInside.CreateRectRgnIndirect(rect);
    rgnNew.CreateRectRgn(0, 0, 0, 0);
    rgnNew.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);

    if (pBrush == NULL)
        pBrush = CDC::GetHalftoneBrush();
    if (pBrush == NULL)
        return;  // no pattern could be made: nothing to draw with
    if (pBrushLast == NULL)
        pBrushLast = pBrush;

    // The clip region in force now, to be put back at the end (NULL = none).
    HRGN hOldClip = ::CreateRectRgn(0, 0, 0, 0);
    if (hOldClip != NULL && ::GetClipRgn(m_hDC, hOldClip) != 1)
    {
        ::DeleteObject(hOldClip);
        hOldClip = NULL;
    }
    // Drawing is limited to a frame region and to the caller's clip region.
    auto SelectFrameClip = [this, hOldClip](CRgn& rgnFrame) {
        if (hOldClip == NULL)
        {
            SelectClipRgn(&rgnFrame);
            return;
        }
        CRgn rgnClip;
        rgnClip.CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn((HRGN)rgnClip.m_hObject, (HRGN)rgnFrame.m_hObject, hOldClip, RGN_AND);
        SelectClipRgn(&rgnClip);
    };

    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != NULL)
    {
        // The old frame, and (same brush) the pixels that differ between old
        // and new: inverting just those erases the old frame and draws the
        // new one in one pass.
        rgnLast.CreateRectRgn(0, 0, 0, 0);
        rgnOutside.SetRectRgn(lpRectLast);
        rect = lpRectLast;
        rect.InflateRect(-sizeLast.cx, -sizeLast.cy);
        rect.IntersectRect(rect, lpRectLast);
        rgnInside.SetRectRgn(rect);
        rgnLast.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);

        if (pBrush->m_hObject == pBrushLast->m_hObject)
        {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }

    CBrush* pBrushOld = NULL;
    if (pBrush->m_hObject != pBrushLast->m_hObject && lpRectLast != NULL)
    {
        // different brushes: erase the old frame with its own brush first
        SelectFrameClip(rgnLast);
        GetClipBox(&rect);
        pBrushOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
        SelectObject(pBrushOld);
        pBrushOld = NULL;
    }

    // draw into the update region (or the whole new frame)
    SelectFrameClip(rgnUpdate.m_hObject != NULL ? rgnUpdate : rgnNew);
    GetClipBox(&rect);
    pBrushOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);

    // put back the brush and the clip region
    if (pBrushOld != NULL)
        SelectObject(pBrushOld);
    ::SelectClipRgn(m_hDC, hOldClip);
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::SelectClipRgn(m_hAttribDC, hOldClip);
    if (hOldClip != NULL)
        ::DeleteObject(hOldClip);
}
