// GDI wrappers: ownership and handle maps, selection that puts objects back,
// the fill / frame / drag-frame helpers drawn on memory DCs, and the
// window-bound DCs in a real window.

#include <afxwin.h>

#include <gtest/gtest.h>

#include <thread>

#include "MessageRecorder.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"

using namespace testsupport;

namespace {

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF RED = RGB(255, 0, 0);
const COLORREF BLUE = RGB(0, 0, 255);

// A memory DC with a 32-bpp bitmap of the given size, filled white, with
// black text and white background colours (the DC defaults).
class MemoryDC
{
public:
    MemoryDC(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        m_dc.CreateCompatibleDC(NULL);
        m_bitmap.Attach(CreateTopDownDib(NULL, cx, cy));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        ::PatBlt(m_dc.m_hDC, 0, 0, cx, cy, WHITENESS);
    }
    ~MemoryDC()
    {
        m_dc.SelectObject(m_pOldBitmap);
    }

    CDC& DC() { return m_dc; }
    ClientPixels Pixels() { RECT r = { 0, 0, m_cx, m_cy }; return ClientPixels(m_dc.m_hDC, r); }

private:
    int m_cx;
    int m_cy;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};

/////////////////////////////////////////////////////////////////////////////
// Ownership and handle maps

// A process-wide wrapper, as controls keep for shared bitmaps: attached
// before main() and destroyed after it, when the main thread's maps may
// already be gone.  The program must still end cleanly.
CPen g_processPen(PS_DOT, 1, RGB(1, 2, 3));
CDC g_processDC;

TEST(GdiObjects, WrapperOwnsWhatItCreated)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    HGDIOBJ hPen;
    {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RED));
        hPen = pen.m_hObject;
        EXPECT_EQ(hPen, (HGDIOBJ)(HPEN)pen);
        EXPECT_EQ((UINT)OBJ_PEN, pen.GetObjectType());
        LOGPEN logPen;
        EXPECT_EQ((int)sizeof(LOGPEN), pen.GetLogPen(&logPen));
        EXPECT_EQ(RED, logPen.lopnColor);
    }
    EXPECT_EQ(0u, (UINT)::GetObjectType(hPen));  // deleted with the wrapper

    HGDIOBJ hBrush;
    {
        CBrush brush(BLUE);
        hBrush = brush.Detach();
        EXPECT_EQ(NULL, brush.m_hObject);
        EXPECT_FALSE(brush.DeleteObject());
    }
    EXPECT_EQ((UINT)OBJ_BRUSH, (UINT)::GetObjectType(hBrush));  // detached: still alive
    ::DeleteObject(hBrush);

    CGdiObject* pNull = NULL;
    EXPECT_EQ(NULL, pNull->GetSafeHandle());
    CPen* pNullPen = NULL;
    EXPECT_EQ(NULL, (HPEN)*pNullPen);

    CFont font;
    EXPECT_TRUE(font.CreatePointFont(100, "Arial"));
    LOGFONT lf;
    font.GetLogFont(&lf);
    EXPECT_LT(lf.lfHeight, 0);  // a character height, not a cell height

    CBitmap bitmap;
    EXPECT_TRUE(bitmap.CreateBitmap(8, 4, 1, 1, NULL));
    BITMAP bm;
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);

    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 10, 10));
    EXPECT_TRUE(rgn.PtInRegion(5, 5));
    EXPECT_FALSE(rgn.PtInRegion(10, 10));
}

TEST(GdiObjects, ProcessWideWrappers)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    EXPECT_EQ(&g_processPen, CGdiObject::FromHandle(g_processPen.m_hObject));
    if (g_processDC.m_hDC == NULL)
    {
        ASSERT_TRUE(g_processDC.CreateCompatibleDC(NULL));
    }
    EXPECT_EQ(&g_processDC, CDC::FromHandle(g_processDC.m_hDC));
}

TEST(GdiObjects, FromHandlePermanentAndTemporary)
{
    CPen pen(PS_SOLID, 1, RED);
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));
    EXPECT_EQ(&pen, CPen::FromHandle((HPEN)pen.m_hObject));
    EXPECT_EQ(NULL, CGdiObject::FromHandle(NULL));

    HBRUSH hRaw = ::CreateSolidBrush(BLUE);
    AfxLockTempMaps();
    CBrush* pTemp = CBrush::FromHandle(hRaw);
    ASSERT_NE((CBrush*)NULL, pTemp);
    EXPECT_EQ((HGDIOBJ)hRaw, pTemp->m_hObject);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));  // the temporary has the brush's class
    EXPECT_EQ(pTemp, CBrush::FromHandle(hRaw));           // the same temporary each time
    EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->IsKindOf(RUNTIME_CLASS(CFont)));

    AfxLockTempMaps();
    EXPECT_TRUE(AfxUnlockTempMaps());     // still locked by the outer lock
    EXPECT_EQ(pTemp, CBrush::FromHandle(hRaw));
    EXPECT_FALSE(AfxUnlockTempMaps());    // count 0: temporaries deleted
    EXPECT_FALSE(AfxUnlockTempMaps());    // unbalanced unlock: harmless

    // A temporary never owns the handle.
    EXPECT_EQ((UINT)OBJ_BRUSH, (UINT)::GetObjectType(hRaw));
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));  // permanent ones stay
    ::DeleteObject(hRaw);
}

TEST(GdiObjects, MapsBelongToTheirThread)
{
    CPen pen(PS_SOLID, 1, RED);
    CGdiObject* pSeenByWorker = NULL;
    HGDIOBJ hSeenByWorker = NULL;
    std::thread worker([&]() {
        CGdiObject* p = CGdiObject::FromHandle(pen.m_hObject);
        pSeenByWorker = p;
        hSeenByWorker = p->m_hObject;
        CDC* pDC = CDC::FromHandle(::GetDC(NULL));
        ::ReleaseDC(NULL, pDC->m_hDC);
        // the thread ends with temporaries left: they go with it
    });
    worker.join();
    EXPECT_NE((CGdiObject*)&pen, pSeenByWorker);  // a temporary of the worker's own
    EXPECT_EQ(pen.m_hObject, hSeenByWorker);
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));
}

/////////////////////////////////////////////////////////////////////////////
// Selection puts things back

TEST(CDCSelection, SelectReturnsThePreviousObjects)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    MemoryDC mem(20, 20);
    CDC& dc = mem.DC();
    DcStateSnapshot before(dc.m_hDC);

    CPen pen(PS_SOLID, 3, RED);
    CBrush brush(BLUE);
    CFont font;
    font.CreatePointFont(90, "Arial");

    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CFont* pOldFont = dc.SelectObject(&font);
    ASSERT_NE((CPen*)NULL, pOldPen);
    EXPECT_EQ(before.pen, pOldPen->m_hObject);
    EXPECT_EQ(before.brush, pOldBrush->m_hObject);
    EXPECT_EQ(before.font, pOldFont->m_hObject);
    EXPECT_TRUE(pOldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(&pen, dc.GetCurrentPen());
    EXPECT_EQ(&brush, dc.GetCurrentBrush());

    CGdiObject* pOldStock = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ((HGDIOBJ)brush.m_hObject, pOldStock->m_hObject);
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), dc.SelectObject((HGDIOBJ)brush.m_hObject));
    EXPECT_EQ(NULL, dc.SelectObject((CGdiObject*)NULL));

    int nOldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF crOldText = dc.SetTextColor(RED);
    COLORREF crOldBk = dc.SetBkColor(BLUE);
    int nOldRop = dc.SetROP2(R2_XORPEN);
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
    EXPECT_EQ(RED, dc.GetTextColor());
    EXPECT_EQ(BLUE, dc.GetBkColor());
    EXPECT_EQ(R2_XORPEN, dc.GetROP2());

    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(crOldText);
    dc.SetBkColor(crOldBk);
    dc.SetROP2(nOldRop);
    EXPECT_DC_STATE(before, dc.m_hDC);

    int nSaved = dc.SaveDC();
    dc.SelectObject(&pen);
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_DC_STATE(before, dc.m_hDC);
}

TEST(CDCSelection, AttachDetachAndTemporaryDCs)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    HDC hdc = ::CreateCompatibleDC(NULL);
    {
        CDC dc;
        EXPECT_FALSE(dc.Attach(NULL));
        ASSERT_TRUE(dc.Attach(hdc));
        EXPECT_EQ(hdc, dc.m_hAttribDC);
        EXPECT_EQ(&dc, CDC::FromHandle(hdc));
        EXPECT_EQ(hdc, dc.Detach());
        EXPECT_EQ(NULL, dc.m_hDC);
        EXPECT_EQ(NULL, dc.m_hAttribDC);
    }
    EXPECT_EQ((UINT)OBJ_MEMDC, (UINT)::GetObjectType(hdc));  // detached: not deleted

    AfxLockTempMaps();
    CDC* pTemp = CDC::FromHandle(hdc);
    EXPECT_EQ(hdc, pTemp->m_hDC);
    EXPECT_EQ(hdc, pTemp->GetSafeHdc());
    AfxUnlockTempMaps();
    EXPECT_EQ((UINT)OBJ_MEMDC, (UINT)::GetObjectType(hdc));  // the temporary left it alone

    {
        CDC owner;
        owner.Attach(hdc);
    }
    EXPECT_EQ(0u, (UINT)::GetObjectType(hdc));  // an attached DC is deleted with its wrapper

    CDC* pNullDC = NULL;
    EXPECT_EQ(NULL, pNullDC->GetSafeHdc());
    CDC empty;
    EXPECT_FALSE(empty.DeleteDC());
}

/////////////////////////////////////////////////////////////////////////////
// FillSolidRect, Draw3dRect

TEST(CDCHelpers, FillSolidRectFillsExactlyAndLeavesTheBkColour)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    MemoryDC mem(30, 20);
    CDC& dc = mem.DC();
    DcStateSnapshot before(dc.m_hDC);

    dc.FillSolidRect(CRect(2, 3, 12, 8), RED);
    dc.FillSolidRect(20, 10, 5, 4, BLUE);
    ClientPixels px = mem.Pixels();
    EXPECT_RECT_COLOUR(px, CRect(2, 3, 12, 8), RED);
    EXPECT_ROW(px, 2, 0, 30, WHITE);
    EXPECT_ROW(px, 8, 0, 20, WHITE);
    EXPECT_COLUMN(px, 1, 0, 20, WHITE);
    EXPECT_COLUMN(px, 12, 0, 10, WHITE);
    EXPECT_RECT_COLOUR(px, CRect(20, 10, 25, 14), BLUE);
    EXPECT_EQ(50 + 20, px.Count(CRect(0, 0, 30, 20), RED) + px.Count(CRect(0, 0, 30, 20), BLUE));

    // As the framework does: the background colour stays at the last fill.
    DcStateSnapshot after(dc.m_hDC);
    EXPECT_EQ(BLUE, after.bkColor);
    after.bkColor = before.bkColor;
    EXPECT_EQ("", before.Difference(after));
}

TEST(CDCHelpers, Draw3dRectEdges)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    MemoryDC mem(20, 16);
    CDC& dc = mem.DC();
    DcStateSnapshot before(dc.m_hDC);

    // x 2..11, y 2..9: top/left in red, bottom/right in blue
    dc.Draw3dRect(CRect(2, 2, 12, 10), RED, BLUE);
    ClientPixels px = mem.Pixels();
    EXPECT_ROW(px, 2, 2, 11, RED);      // top row, short of the top-right corner
    EXPECT_COLUMN(px, 2, 2, 9, RED);    // left column, short of the bottom-left corner
    EXPECT_COLUMN(px, 11, 2, 10, BLUE); // right column, whole height
    EXPECT_ROW(px, 9, 2, 12, BLUE);     // bottom row, whole width
    EXPECT_RECT_COLOUR(px, CRect(3, 3, 11, 9), WHITE);
    EXPECT_ROW(px, 1, 0, 20, WHITE);
    EXPECT_ROW(px, 10, 0, 20, WHITE);
    EXPECT_COLUMN(px, 12, 0, 16, WHITE);

    dc.Draw3dRect(14, 2, 1, 1, RED, BLUE);  // a single pixel: the bottom/right colour wins
    px = mem.Pixels();
    EXPECT_PIXEL(px, 14, 2, BLUE);

    DcStateSnapshot after(dc.m_hDC);
    after.bkColor = before.bkColor;
    EXPECT_EQ("", before.Difference(after));
}

/////////////////////////////////////////////////////////////////////////////
// DrawDragRect

// True when (x, y) lies in the frame of thickness t inside r.
bool InFrame(const CRect& r, int t, int x, int y)
{
    CRect inner = r;
    inner.DeflateRect(t, t);
    return r.PtInRect(CPoint(x, y)) && !inner.PtInRect(CPoint(x, y));
}

// Checks the DC shows exactly the halftone frames of the given rectangles
// (a pixel of a frame is black on one colour of the checkerboard).
void ExpectFrames(MemoryDC& mem, int cx, int cy, const CRect* pRects, int nRects, int t, int line)
{
    ClientPixels px = mem.Pixels();
    int nFramePixels = 0;
    int nBlack = 0;
    int nWrong = 0;
    int parity = -1;
    for (int y = 0; y < cy; y++)
    {
        for (int x = 0; x < cx; x++)
        {
            int nIn = 0;
            for (int i = 0; i < nRects; i++)
                nIn += InFrame(pRects[i], t, x, y) ? 1 : 0;
            COLORREF c = px.At(x, y);
            if (nIn % 2 == 0)
            {
                if (c != WHITE)
                    nWrong++;
                continue;
            }
            nFramePixels++;
            if (c == BLACK)
            {
                nBlack++;
                if (parity == -1)
                    parity = (x + y) & 1;
                else if (((x + y) & 1) != parity)
                    nWrong++;
            }
            else if (c != WHITE)
                nWrong++;
        }
    }
    EXPECT_EQ(0, nWrong) << "line " << line;
    EXPECT_EQ(nFramePixels / 2, nBlack) << "line " << line << ": half the frame is inverted";
}

TEST(CDCHelpers, DrawDragRectInvertsOnlyTheFrame)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const int cx = 48, cy = 40;
    MemoryDC mem(cx, cy);
    CDC& dc = mem.DC();
    DcStateSnapshot before(dc.m_hDC);

    CRect first(5, 5, 25, 21);
    dc.DrawDragRect(first, CSize(2, 2), NULL, CSize(0, 0));
    ExpectFrames(mem, cx, cy, &first, 1, 2, __LINE__);
    EXPECT_DC_STATE(before, dc.m_hDC);
    HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(dc.m_hDC, hClip));  // no clip region left behind
    ::DeleteObject(hClip);

    // Moving: the old frame goes, the new one appears; overlap handled.
    CRect second(8, 7, 30, 25);
    dc.DrawDragRect(second, CSize(2, 2), first, CSize(2, 2));
    ExpectFrames(mem, cx, cy, &second, 1, 2, __LINE__);

    // Erasing: a zero-size frame over the last one.
    dc.DrawDragRect(second, CSize(0, 0), second, CSize(2, 2));
    ExpectFrames(mem, cx, cy, NULL, 0, 2, __LINE__);
    EXPECT_DC_STATE(before, dc.m_hDC);
}

TEST(CDCHelpers, DrawDragRectKeepsTheClipRegionAndBrushes)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const int cx = 40, cy = 40;
    MemoryDC mem(cx, cy);
    CDC& dc = mem.DC();
    dc.IntersectClipRect(0, 0, 30, 30);
    CRect clipBefore;
    dc.GetClipBox(clipBefore);

    CBrush solid(WHITE);  // white XOR white: every frame pixel turns black
    CRect r(20, 20, 36, 36);
    dc.DrawDragRect(r, CSize(3, 3), NULL, CSize(0, 0), &solid, NULL);
    CRect clipAfter;
    dc.GetClipBox(clipAfter);
    EXPECT_TRUE(clipBefore == clipAfter);

    ClientPixels px = mem.Pixels();
    EXPECT_PIXEL(px, 20, 20, BLACK);
    EXPECT_PIXEL(px, 21, 22, BLACK);
    EXPECT_PIXEL(px, 29, 20, BLACK);
    EXPECT_PIXEL(px, 30, 20, WHITE);   // outside the caller's clip region
    EXPECT_PIXEL(px, 25, 25, WHITE);   // interior

    // A different brush for the old frame: erased with its own brush.
    dc.SelectClipRgn(NULL);
    dc.DrawDragRect(CRect(2, 2, 10, 10), CSize(1, 1), r, CSize(3, 3), NULL, &solid);
    px = mem.Pixels();
    EXPECT_PIXEL(px, 20, 20, WHITE);   // the old frame, erased with the solid brush
    EXPECT_PIXEL(px, 21, 22, WHITE);
    EXPECT_EQ(14, px.Count(CRect(2, 2, 10, 10), BLACK));  // half of the new 28-pixel frame
    EXPECT_EQ(CDC::GetHalftoneBrush(), CDC::GetHalftoneBrush());
    EXPECT_EQ((UINT)OBJ_BRUSH, CDC::GetHalftoneBrush()->GetObjectType());
}

/////////////////////////////////////////////////////////////////////////////
// Window-bound DCs

struct PaintRecord
{
    int nPaints;
    RECT rcPaint;
    HDC hdc;
    bool bPermanent;
};
PaintRecord g_paint;

LRESULT CALLBACK PaintWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        AfxLockTempMaps();
        {
            CPaintDC dc(CWnd::FromHandle(hwnd));
            g_paint.nPaints++;
            g_paint.rcPaint = dc.m_ps.rcPaint;
            g_paint.hdc = dc.m_hDC;
            g_paint.bPermanent = CDC::FromHandle(dc.m_hDC) == &dc;
            CRect rect;
            ::GetClientRect(hwnd, rect);
            dc.FillSolidRect(rect, RED);
        }
        AfxUnlockTempMaps();
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class WindowDCs : public HostWindowTest
{
protected:
    HWND CreatePaintWindow()
    {
        static bool s_registered = false;
        if (!s_registered)
        {
            WNDCLASSA wc;
            memset(&wc, 0, sizeof(wc));
            wc.lpfnWndProc = PaintWndProc;
            wc.hInstance = ::GetModuleHandleA(NULL);
            wc.lpszClassName = "CoreGdiPaintTest";
            ::RegisterClassA(&wc);
            s_registered = true;
        }
        return ::CreateWindowExA(0, "CoreGdiPaintTest", "", WS_CHILD | WS_VISIBLE,
                                 10, 10, 60, 40, Host(), NULL, ::GetModuleHandleA(NULL), NULL);
    }
};

TEST_F(WindowDCs, PaintDCBeginsAndEndsPainting)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    memset(&g_paint, 0, sizeof(g_paint));
    HWND hwnd = CreatePaintWindow();
    ASSERT_NE((HWND)NULL, hwnd);
    ::UpdateWindow(hwnd);
    Pump();
    EXPECT_GE(g_paint.nPaints, 1);
    EXPECT_TRUE(g_paint.bPermanent);  // attached for its lifetime
    EXPECT_EQ(0, g_paint.rcPaint.left);
    EXPECT_EQ(60, g_paint.rcPaint.right);
    EXPECT_FALSE(::GetUpdateRect(hwnd, NULL, FALSE));  // EndPaint validated the window
    EXPECT_EQ(RED, ClientPixel(hwnd, 0, 0));
    EXPECT_EQ(RED, ClientPixel(hwnd, 59, 39));

    // A partial invalidation paints with that rectangle.
    RECT part = { 5, 5, 15, 15 };
    ::InvalidateRect(hwnd, &part, FALSE);
    int nBefore = g_paint.nPaints;
    ::UpdateWindow(hwnd);
    EXPECT_EQ(nBefore + 1, g_paint.nPaints);
    EXPECT_EQ(5, g_paint.rcPaint.left);
    EXPECT_EQ(15, g_paint.rcPaint.bottom);
    ::DestroyWindow(hwnd);
}

TEST_F(WindowDCs, ClientAndWindowDCsDrawAndRelease)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    HWND hwnd = CreatePaintWindow();
    ::UpdateWindow(hwnd);
    Pump();
    CWnd* pWnd = CWnd::FromHandle(hwnd);
    {
        CClientDC dc(pWnd);
        EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
        DcStateSnapshot before(dc.m_hDC);
        dc.FillSolidRect(0, 0, 4, 4, BLUE);
        dc.SetBkColor(before.bkColor);
        EXPECT_DC_STATE(before, dc.m_hDC);
    }
    EXPECT_EQ(BLUE, ClientPixel(hwnd, 3, 3));
    EXPECT_EQ(RED, ClientPixel(hwnd, 4, 4));
    {
        CWindowDC dc(pWnd);
        EXPECT_NE((HDC)NULL, dc.m_hDC);
        CRect box;
        EXPECT_NE(ERROR, dc.GetClipBox(box));
    }
    {
        CClientDC screen(NULL);  // the screen
        EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
    }
    ::DestroyWindow(hwnd);
    CDC::DeleteTempMap();
    CWnd::DeleteTempMap();
}

} // namespace
