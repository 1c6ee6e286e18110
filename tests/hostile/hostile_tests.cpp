// Hostile calls: every exported function and every public member of the
// exported classes called with NULL pointers, negative, zero and huge
// counts and indices, INT_MIN/INT_MAX, NaN and infinities, destroyed
// windows, handles of the wrong kind, empty and 64 KiB strings, before a
// window is bound and after it is gone. Each row checks the defined result
// and that a refused call changed nothing; a row that crashes names itself
// in the [ RUN ] line before it.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "BigListCtrl.h"
#include "BitField.h"
#include "DialogUtilities.h"
#include "DlgItemResizer.h"
#include "DragImage.h"
#include "FileChecks.h"
#include "FileDialogEx.h"
#include "FlatCombo.h"
#include "GroupBox.h"
#include "Histogram.h"
#include "HostileControls.h"
#include "HotButton.h"
#include "LiveArrow.h"
#include "MessageRecorder.h"
#include "NumericEdit.h"
#include "SubclassWnd.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"
#include "myqsort.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

using namespace testsupport;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const UINT kItem = 2801;

// A 64 KiB text of letters.
CString LongText()
{
    return CString('x', 65536);
}

// A window that existed once: its handle, and a CWnd wrapper of it.
HWND DestroyedWindow()
{
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, TestHostWindow::Get(),
                                  NULL, NULL, NULL);
    ::DestroyWindow(hwnd);
    return hwnd;
}

HWND MakeChild(const char* cls, UINT id, DWORD style = 0)
{
    return ::CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 120,
                             TestHostWindow::Get(), (HMENU)(UINT_PTR)id, NULL, NULL);
}

struct Row
{
    const char* name;
    std::function<void()> run;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

class HostileCall : public HostWindowTest, public ::testing::WithParamInterface<Row>
{
protected:
    void SetUp() override
    {
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        HostWindowTest::SetUp();
    }
};

TEST_P(HostileCall, HasItsDefinedResult)
{
    GetParam().run();
    Pump();
}

/////////////////////////////////////////////////////////////////////////////
// CHistogram

// A histogram window with 4 bins from 0 to 4 and a cutpoint at 2.
struct BoundHistogram
{
    CHistogram h;
    BoundHistogram()
    {
        h.Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210),
                 CWnd::FromHandle(TestHostWindow::Get()), kItem);
        CArray<HistoBin, HistoBin&> bins;
        bins.SetSize(4);
        for (int i = 0; i < 4; i++)
        {
            bins[i].upper = i + 1;
            bins[i].count = i + 1;
        }
        h.SetHistogram(0.0, bins);
        h.AddCutpoint(2.0);
    }
    void ExpectUnchanged()
    {
        double lo = -1, hi = -1;
        h.X_AxisRange(&lo, &hi);
        EXPECT_EQ(0.0, lo);
        EXPECT_EQ(4.0, hi);
        EXPECT_TRUE(h.HasCutpoint(2.0));
        h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }
};

CArray<HistoBin, HistoBin&>& Bins(std::initializer_list<std::pair<double, double>> rows)
{
    static CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(0);
    for (auto& r : rows)
    {
        HistoBin b;
        b.upper = r.first;
        b.count = r.second;
        bins.Add(b);
    }
    return bins;
}

const Row kHistogramRows[] = {
    { "UnboundMembersWork", [] {
        CHistogram h;
        EXPECT_TRUE(h.SetHistogram(0.0, Bins({ { 1, 1 }, { 2, 3 } })));
        EXPECT_TRUE(h.AddCutpoint(1.0));
        EXPECT_TRUE(h.SelectCutpoint(1.0));
        EXPECT_TRUE(h.RemoveCutpoint(1.0));
        EXPECT_EQ(2, h.SetCutpointLineWidth(5));
        h.ClearHistogram(TRUE);
        h.X_AxisRange(NULL, NULL);
    } },
    { "InitializeNullParent", [] {
        CHistogram h;
        EXPECT_FALSE(h.Initialize(NULL, kItem));
        EXPECT_EQ(CHistogram::HE_None, h.CurrentError());
    } },
    { "InitializeDestroyedParent", [] {
        CHistogram h;
        EXPECT_FALSE(h.Initialize(CWnd::FromHandle(DestroyedWindow()), kItem));
    } },
    { "InitializeMissingItem", [] {
        CHistogram h;
        EXPECT_FALSE(h.Initialize(CWnd::FromHandle(TestHostWindow::Get()), 0xFFFF));
        EXPECT_EQ(CHistogram::HE_SubclassFailed, h.CurrentError());
    } },
    { "SetHistogramNaNEdgeRefused", [] {
        BoundHistogram b;
        EXPECT_FALSE(b.h.SetHistogram(0.0, Bins({ { 1, 1 }, { kNaN, 1 }, { 3, 1 } })));
        b.ExpectUnchanged();
    } },
    { "SetHistogramNaNLowerRefused", [] {
        BoundHistogram b;
        EXPECT_FALSE(b.h.SetHistogram(kNaN, Bins({ { 1, 1 }, { 2, 1 } })));
        b.ExpectUnchanged();
    } },
    { "SetHistogramInfiniteEdgesAndCountsSaturate", [] {
        BoundHistogram b;
        EXPECT_TRUE(b.h.SetHistogram(-kInf, Bins({ { 1, 1 }, { 2, kInf } })));
        EXPECT_TRUE(b.h.SetHistogram(0.0, Bins({ { 1, 1 }, { kInf, 1 } })));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } },
    { "SetHistogramNaNCountRefused", [] {
        BoundHistogram b;
        EXPECT_FALSE(b.h.SetHistogram(0.0, Bins({ { 1, kNaN }, { 2, 1 } })));
        EXPECT_EQ(CHistogram::HE_NegativeCount, b.h.CurrentError());
        b.ExpectUnchanged();
    } },
    { "SetHistogramHugeValuesPaint", [] {
        BoundHistogram b;
        EXPECT_TRUE(b.h.SetHistogram(-1e308, Bins({ { 1e308, 1e308 } })));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(b.h.SetHistogram(0.0, Bins({ { 1e-300, 1 }, { 2e-300, 0 } })));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } },
    { "SetHistogramEmptyAndManyBins", [] {
        BoundHistogram b;
        EXPECT_TRUE(b.h.SetHistogram(0.0, Bins({})));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        CArray<HistoBin, HistoBin&> many;
        many.SetSize(100000);
        for (int i = 0; i < 100000; i++)
        {
            many[i].upper = i + 1;
            many[i].count = i % 7;
        }
        EXPECT_TRUE(b.h.SetHistogram(0.0, many));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } },
    { "CutpointNaNRefusedInfinityDrawnAtTheEdge", [] {
        BoundHistogram b;
        EXPECT_FALSE(b.h.AddCutpoint(kNaN));
        EXPECT_TRUE(b.h.AddCutpoint(kInf));
        EXPECT_TRUE(b.h.AddCutpoint(-kInf));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(b.h.RemoveCutpoint(kInf));
        EXPECT_TRUE(b.h.RemoveCutpoint(-kInf));
        EXPECT_FALSE(b.h.HasCutpoint(kNaN));
        EXPECT_FALSE(b.h.SelectCutpoint(kNaN));
        EXPECT_FALSE(b.h.RemoveCutpoint(kNaN));
        b.ExpectUnchanged();
    } },
    { "CutpointFarOutsideRangePaints", [] {
        BoundHistogram b;
        EXPECT_TRUE(b.h.AddCutpoint(1e300));
        EXPECT_TRUE(b.h.AddCutpoint(-1e300));
        EXPECT_TRUE(b.h.SelectCutpoint(1e300));
        b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } },
    { "LineWidthsExtremePaint", [] {
        BoundHistogram b;
        for (int w : { INT_MIN, -1, 0, INT_MAX })
        {
            b.h.SetCutpointLineWidth(w);
            b.h.SetCutpointHighlightLineWidth(w);
            b.h.SelectCutpoint(2.0);
            b.h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    } },
    { "FeatureFlagsAllBits", [] {
        BoundHistogram b;
        b.h.SetFeatureFlags(0xFFFFFFFF);
        EXPECT_EQ(0xFFFFFFFFu, b.h.FeatureFlags());
    } },
    { "MembersAfterWindowDestroyed", [] {
        BoundHistogram b;
        b.h.DestroyWindow();
        EXPECT_TRUE(b.h.AddCutpoint(3.0));
        EXPECT_TRUE(b.h.SelectCutpoint(3.0));
        EXPECT_TRUE(b.h.SetHistogram(0.0, Bins({ { 1, 1 } })));
        b.h.SetBarFillColor(RGB(1, 2, 3));
        b.h.ClearHistogram(FALSE);
    } },
};
INSTANTIATE_TEST_SUITE_P(Histogram, HostileCall, ::testing::ValuesIn(kHistogramRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// Splitters and resizer

const Row kPaneRows[] = {
    { "XBindNullParent", [] {
        CxSplitterWnd bar;
        EXPECT_FALSE(bar.BindWithControl(NULL, kItem));
        EXPECT_EQ(NULL, bar.GetSafeHwnd());
    } },
    { "YBindDestroyedParent", [] {
        CySplitterWnd bar;
        EXPECT_FALSE(bar.BindWithControl(CWnd::FromHandle(DestroyedWindow()), kItem));
    } },
    { "XUnboundMembers", [] {
        CxSplitterWnd bar;
        bar.SetMinWidth(INT_MIN, INT_MAX);
        EXPECT_TRUE(bar.AttachAsLeftPane(kItem, 5, TRUE));
        EXPECT_TRUE(bar.AttachAsRightPane(0xFFFF, INT_MAX, FALSE));
        bar.RecalcLayout();
        bar.Unbind();
    } },
    { "YUnboundMembers", [] {
        CySplitterWnd bar;
        bar.SetMinHeight(INT_MIN, INT_MAX);
        bar.SetAreaMargins(INT_MIN, INT_MAX);
        EXPECT_TRUE(bar.AttachAsAbovePane(kItem, 5, TRUE));
        EXPECT_TRUE(bar.AttachAsBelowPane(0xFFFF, INT_MIN, FALSE));
        bar.RecalcLayout();
        bar.Unbind();
    } },
    { "XPaneGoneBeforeLayout", [] {
        MakeChild("STATIC", kItem, SS_GRAYRECT);
        HWND pane = MakeChild("EDIT", kItem + 1);
        CxSplitterWnd bar;
        ASSERT_TRUE(bar.BindWithControl(CWnd::FromHandle(TestHostWindow::Get()), kItem));
        bar.AttachAsLeftPane(kItem + 1, INT_MAX, TRUE);
        bar.AttachAsRightPane(kItem + 1, INT_MIN, FALSE);
        ::DestroyWindow(pane);
        bar.RecalcLayout();
        bar.Unbind();
    } },
    { "YBoundTwiceRefused", [] {
        MakeChild("STATIC", kItem, SS_GRAYRECT);
        CySplitterWnd bar;
        ASSERT_TRUE(bar.BindWithControl(CWnd::FromHandle(TestHostWindow::Get()), kItem));
        HWND first = bar.m_hWnd;
        EXPECT_FALSE(bar.BindWithControl(CWnd::FromHandle(TestHostWindow::Get()), kItem));
        EXPECT_EQ(first, bar.m_hWnd);
        bar.Unbind();
    } },
    { "ResizerNullAndStrangers", [] {
        CDlgItemResizer r;
        r.Add(NULL, RZ_LEFT);
        r.Add(NULL, kItem, RZ_LEFT);
        r.Add(CWnd::FromHandle(TestHostWindow::Get()), 0xFFFF, RZ_LEFT);
        r.Add(CWnd::FromHandle(DestroyedWindow()), RZ_LEFT);
        r.Resize(NULL);
        r.RecalcPositions();
        r.Resize(CWnd::FromHandle(DestroyedWindow()));
    } },
    { "ResizerItemGoneBeforeResize", [] {
        HWND child = MakeChild("EDIT", kItem);
        CDlgItemResizer r;
        r.Add(CWnd::FromHandle(child), 0xFFFFFFFF);
        ::DestroyWindow(child);
        r.Resize(CWnd::FromHandle(TestHostWindow::Get()));
        r.RecalcPositions();
    } },
};
INSTANTIATE_TEST_SUITE_P(Panes, HostileCall, ::testing::ValuesIn(kPaneRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// LiveArrow

const Row kArrowRows[] = {
    { "UninitializedMembers", [] {
        LiveArrow a;
        EXPECT_FALSE(a.Collapsed());
        a.SetExpandState(LiveArrow::ES_CollapsedFirst);
        a.Show(TRUE);
        EXPECT_FALSE(a.MouseDown(CPoint(0, 0)));
        EXPECT_FALSE(a.Track(CPoint(INT_MIN, INT_MAX)));
        EXPECT_FALSE(a.MouseUp(CPoint(0, 0)));
        a.Draw(NULL);
        a.Move(NULL);
        NMTTDISPINFOA infoA = {};
        a.GetTTTextA(&infoA);
        a.GetTTTextA(NULL);
        a.GetTTTextW(NULL);
        LiveArrow::RelayToolTipEvent(NULL);
    } },
    { "InitializeNullHostAndRect", [] {
        LiveArrow a;
        CRect rc(0, 0, 8, 8);
        a.Initialize(NULL, TRUE, &rc);
        a.Initialize(CWnd::FromHandle(TestHostWindow::Get()), INT_MIN, NULL);
        EXPECT_FALSE(a.MouseDown(CPoint(4, 4)));
    } },
    { "ExpandStateOutOfRangeStoredAsGiven", [] {
        LiveArrow a;
        a.SetExpandState((LiveArrow::ExpandState)7);
        EXPECT_EQ(7, a.GetExpandState());
        EXPECT_TRUE(a.Collapsed());
        a.Draw(NULL);
    } },
    { "HostGoneThenMouse", [] {
        LiveArrow a;
        CWnd* host = new CWnd;
        host->Create(AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 60),
                     CWnd::FromHandle(TestHostWindow::Get()), kItem);
        CRect rc(10, 10, 24, 24);
        a.Initialize(host, TRUE, &rc);
        host->DestroyWindow();
        delete host;
        a.MouseDown(CPoint(12, 12));
        a.Track(CPoint(12, 20));
        a.MouseUp(CPoint(12, 20));
        a.Move(&rc);
        a.Show(FALSE);
    } },
};
INSTANTIATE_TEST_SUITE_P(Arrow, HostileCall, ::testing::ValuesIn(kArrowRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// Buttons and combo

const Row kButtonRows[] = {
    { "HotButtonUnboundMembers", [] {
        CHotButton b;
        b.SetBorderStyle((CHotButton::HB_BorderStyle)INT_MIN);
        b.SetHighlight(TRUE);
        EXPECT_FALSE(b.HasButtonImage());
        EXPECT_EQ(0, b.SetImageStateValue(INT_MIN));
        EXPECT_EQ(INT_MIN, b.SetImageStateValue(INT_MAX));
        b.SetButtonImages(NULL, (ButtonImageAlign)99);
        b.RenderButtonImage(NULL);
        b.RenderFocus(NULL);
        b.CleanupBitmaps();
    } },
    { "HotButtonEmptyImageList", [] {
        CHotButton b;
        b.Create("x", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), CWnd::FromHandle(TestHostWindow::Get()), kItem);
        CImageList empty;
        b.SetButtonImages(&empty, BIA_Left);
        EXPECT_FALSE(b.HasButtonImage());
        CImageList none;
        none.Create(16, 16, ILC_COLOR24, 0, 0);
        b.SetButtonImages(&none, (ButtonImageAlign)-5);
        b.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        b.DestroyWindow();
        b.SetHighlight(FALSE);
        b.CleanupBitmaps();
    } },
    { "FlatComboUnboundMembers", [] {
        CFlatCombo c;
        CFlatCombo* p = &c;
        EXPECT_EQ(CB_ERR, p->FindStringExact(INT_MIN, NULL));
        EXPECT_EQ(CB_ERR, p->FindString(INT_MAX, ""));
        EXPECT_EQ(CB_ERR, p->AddString(NULL));
        EXPECT_EQ(CB_ERR, p->InsertString(INT_MAX, "x"));
        EXPECT_FALSE(p->Recreate(NULL));
    } },
    { "FlatComboStrings", [] {
        CFlatCombo c;
        CFlatCombo* p = &c;
        ASSERT_TRUE(p->Recreate(CWnd::FromHandle(TestHostWindow::Get())));
        EXPECT_EQ(0, p->AddString(""));
        EXPECT_EQ(1, p->AddString(LongText()));
        EXPECT_EQ(0, p->InsertString(INT_MIN, "a"));
        EXPECT_EQ(3, p->InsertString(INT_MAX, "b"));
        EXPECT_EQ(CB_ERR, p->AddString(NULL));
        EXPECT_EQ(4, p->GetCount());
        EXPECT_EQ(CB_ERR, p->FindStringExact(INT_MAX, "a"));
        EXPECT_EQ(0, p->FindStringExact(INT_MIN, "a"));
        EXPECT_EQ(CB_ERR, p->FindStringExact(0, NULL));
        EXPECT_EQ(CB_ERR, p->FindString(0, NULL));
        EXPECT_EQ(CB_ERR, p->FindString(0, LongText()));
        p->SetCurSel(2);
        p->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
        p->DestroyWindow();
        EXPECT_EQ(CB_ERR, p->FindString(0, "a"));
        EXPECT_EQ(CB_ERR, p->AddString("a"));
    } },
};
INSTANTIATE_TEST_SUITE_P(Buttons, HostileCall, ::testing::ValuesIn(kButtonRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// Subclassing, numeric edit, bit field

const Row kSubclassRows[] = {
    { "HookNullAndDestroyed", [] {
        CSubclassWnd hook;
        EXPECT_TRUE(hook.HookWindow((CWnd*)NULL));
        EXPECT_FALSE(hook.HookWindow(DestroyedWindow()));
        EXPECT_FALSE(hook.IsAttached());
        EXPECT_FALSE(hook.HookWindow((HWND)(UINT_PTR)0xFFFF0));
        EXPECT_FALSE(hook.HookWindow((HWND)::GetStockObject(WHITE_BRUSH)));
        EXPECT_FALSE(hook.IsAttached());
    } },
    { "NumericEditTypesOutOfRange", [] {
        CNumericEdit e;
        e.SetNumberType(INT_MIN);
        e.SetValidateWhen(INT_MAX);
        ASSERT_TRUE(e.Create(_T("EDIT"), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20),
                             CWnd::FromHandle(TestHostWindow::Get()), kItem));
        e.SetValidateWhen(CNumericEdit::validateOnChange);
        e.SetWindowText(LongText());
        e.SetWindowText("");
        e.DestroyWindow();
    } },
    { "BitFieldSizesAndIndices", [] {
        BitField empty(-5, INT_MAX);
        EXPECT_EQ(0, empty.Count());
        EXPECT_EQ(-1, empty.FirstBitPosition());
        EXPECT_EQ(0, empty.SetBit(0));
        BitField f(2, INT_MIN);
        for (int n : { INT_MIN, -1, 16, INT_MAX })
        {
            EXPECT_EQ(0, f.SetBit(n)) << n;
            EXPECT_EQ(0, f.ClearBit(n)) << n;
            EXPECT_EQ(-1, f.GetNthBitPos(n)) << n;
        }
        EXPECT_EQ(0, f.Count());
        BitField g(1, 0);
        g |= empty;
        g &= BitField(100, 99);
        EXPECT_EQ(0, g.Count());
        g = g;
        EXPECT_TRUE(g == 0);
    } },
};
INSTANTIATE_TEST_SUITE_P(Subclass, HostileCall, ::testing::ValuesIn(kSubclassRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// Plain functions

int __cdecl CompareInts(void*, const void* a, const void* b)
{
    return *(const int*)a - *(const int*)b;
}

const Row kFunctionRows[] = {
    { "AddQuotesEmptyAndLong", [] {
        CString s;
        AddQuotes(s);
        EXPECT_STREQ("''", s);
        CString l = LongText();
        AddQuotes(l);
        EXPECT_EQ(65538, l.GetLength());
    } },
    { "FileChecksEmptyLongAndOdd", [] {
        EXPECT_FALSE(CheckLocalFileExistence(""));
        EXPECT_FALSE(CheckLocalFileExistence(LongText()));
        EXPECT_FALSE(CheckLocalFileExistence("\\\\?\\"));
        // The host's data access decides; the call only has to come back.
        CheckFileExistence("");
        CheckFileExistence(LongText());
    } },
    { "DrawingFunctionsNullArguments", [] {
        EXPECT_EQ(NULL, CreateDragImageEx(NULL, NULL, 5));
        EXPECT_FALSE(Load3DColorImageList(NULL, 16, 1, 0));
        CImageList list;
        EXPECT_FALSE(Load3DColorImageList(&list, INT_MIN, 1, 0));
        EXPECT_FALSE(Load3DColorImageList(&list, INT_MAX, 0xFFFF, 0));
        cbGroupBox(NULL, NULL, CString("x"), NULL);
        SetDialogControlFont(NULL, NULL);
        SetDialogControlFont(CWnd::FromHandle(DestroyedWindow()), NULL);
        PlayWave(0xFFFF);
    } },
    { "GroupBoxRectanglesAndCaptions", [] {
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CBitmap bmp;
        bmp.CreateBitmap(64, 64, 1, 32, NULL);
        CBitmap* old = dc.SelectObject(&bmp);
        cbGroupBox(&dc, NULL, CString("x"), NULL);
        for (const RECT& rc : { RECT{ 0, 0, 0, 0 }, RECT{ 50, 50, 10, 10 }, RECT{ INT_MIN, INT_MIN, INT_MAX, INT_MAX } })
        {
            cbGroupBox(&dc, &rc, CString(""), NULL);
            cbGroupBox(&dc, &rc, LongText(), NULL);
        }
        dc.SelectObject(old);
    } },
    { "DragImageListWithoutSelectionOrWindow", [] {
        CListCtrl list;
        EXPECT_EQ(NULL, CreateDragImageEx(&list, NULL, 5));
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100),
                    CWnd::FromHandle(TestHostWindow::Get()), kItem);
        list.InsertColumn(0, "a", LVCFMT_LEFT, 100);
        list.InsertItem(0, "a");
        EXPECT_EQ(NULL, CreateDragImageEx(&list, NULL, 5));
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        for (int n : { INT_MIN, -1, 0, INT_MAX })
        {
            // 0 or less: the first item's size, showing only the overflow mark.
            std::unique_ptr<CImageList> image(CreateDragImageEx(&list, NULL, n));
            EXPECT_TRUE(image != nullptr) << n;
        }
        list.DestroyWindow();
    } },
    { "MyqsortZeroAndNull", [] {
        int v[3] = { 3, 1, 2 };
        myqsort(NULL, 0, sizeof(int), NULL, CompareInts, NULL);
        myqsort(v, 1, sizeof(int), NULL, CompareInts, NULL);
        myqsort(v, 3, 0, NULL, CompareInts, NULL);
        EXPECT_EQ(3, v[0]);
        myqsort(v, 3, sizeof(int), NULL, NULL, NULL);
        EXPECT_EQ(3, v[0]);
        myqsort(NULL, 3, sizeof(int), NULL, CompareInts, NULL);
        myqsort(v, 3, sizeof(int), NULL, CompareInts, NULL);
        EXPECT_EQ(1, v[0]);
    } },
};
INSTANTIATE_TEST_SUITE_P(Functions, HostileCall, ::testing::ValuesIn(kFunctionRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// CBigListCtrl

const Row kBigListRows[] = {
    { "UnboundStore", [] {
        CBigListCtrl l;
        const DWORD self = ::GetCurrentThreadId();
        EXPECT_EQ(0, l.GetItemCount());
        int a = 1, b = 2;
        l.InsertItem(INT_MIN, 1, &a, self);
        l.InsertItem(INT_MAX, 2, &b, self);
        EXPECT_EQ(2, l.GetItemCount());
        EXPECT_EQ(NULL, l.DeleteItem(99, NULL, self));
        void* data = NULL;
        EXPECT_EQ(-1, l.FindItem(INT_MIN, data, self));
        EXPECT_EQ(NULL, l.GetItem(NULL, self));
        EXPECT_EQ(NULL, l.DeleteItem(NULL, self));
        EXPECT_FALSE(l.SetCapacity(1, -1));
        EXPECT_FALSE(l.SetCapacity(INT_MIN, INT_MIN));
        EXPECT_EQ(2, l.GetItemCount());
        l.OnSortItems(INT_MAX);
        EXPECT_EQ(2, l.GetItemCount());
    } },
    { "RowsOutOfRange", [] {
        CBigListCtrl l;
        const DWORD self = ::GetCurrentThreadId();
        ASSERT_TRUE(l.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100),
                             CWnd::FromHandle(TestHostWindow::Get()), kItem));
        l.InsertColumn(0, "a", LVCFMT_LEFT, 100);
        int a = 1;
        l.InsertItem(0, 7, &a, self);
        for (int row : { INT_MIN, -1, 1, INT_MAX })
        {
            LVITEMA item = {};
            item.iItem = row;
            item.mask = LVIF_TEXT;
            EXPECT_EQ(NULL, l.GetItem(&item, self)) << row;
            EXPECT_EQ(NULL, l.DeleteItem(&item, self)) << row;
            EXPECT_EQ(NULL, (void*)l.GetItemData(row, self)) << row;
            char text[8] = "keep";
            l.GetItemText(row, 0, text, sizeof(text), self);
            l.GetItemText(row, INT_MAX, NULL, INT_MIN, self);
            l.SetItemText(row, 0, NULL, self);
            EXPECT_FALSE(l.IsVisibleItem(row)) << "before any cache hint";
        }
        EXPECT_EQ(1, l.GetItemCount());
        l.SetItemCountEx(INT_MIN, 0);
        l.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        l.SetItemCountEx(1, 0);
        l.DestroyWindow();   // frees the records with the window
        EXPECT_EQ(0, l.GetItemCount());
        EXPECT_EQ(NULL, l.DeleteItem(7, NULL, self));
    } },
};
INSTANTIATE_TEST_SUITE_P(BigList, HostileCall, ::testing::ValuesIn(kBigListRows), RowName);

/////////////////////////////////////////////////////////////////////////////
// CFileDialogEx's constructor

// Makes the Open and the Save As dialog of the arguments; each object holds
// them as the system reads them (the name cut to the buffer, the filter as
// pairs of strings up to an empty one: filters is that list), and, cancelled
// as soon as it comes up (comesUp) or refused by the system, returns
// IDCANCEL with the host enabled again.
void ExpectFileDialog(LPCTSTR ext, LPCTSTR name, DWORD flags, LPCTSTR filter, CWnd* parent,
                      std::initializer_list<std::string> filters, bool comesUp = true)
{
    for (BOOL open : { TRUE, FALSE })
    {
        CFileDialogEx dlg(open, ext, name, flags, filter, parent);
        EXPECT_EQ(flags | OFN_ENABLEHOOK | OFN_EXPLORER, dlg.m_ofn.Flags);
        EXPECT_EQ(ext, dlg.m_ofn.lpstrDefExt);
        EXPECT_EQ(std::string(name != NULL ? name : "").substr(0, _MAX_PATH - 1), dlg.m_ofn.lpstrFile);
        const char* p = dlg.m_ofn.lpstrFilter;
        EXPECT_EQ(filter == NULL, p == NULL);
        for (const std::string& part : filters)
        {
            EXPECT_EQ(part, p);
            p += part.size() + 1;
        }
        EXPECT_TRUE(p == NULL || *p == '\0') << "the list goes on after " << filters.size() << " strings";
        bool shown = !comesUp;
        EXPECT_EQ(IDCANCEL, hostile::DoModalCancelled(dlg, &shown)) << (open ? "Open" : "Save As");
        EXPECT_EQ(comesUp, shown) << (open ? "Open" : "Save As");
        EXPECT_TRUE(::IsWindowEnabled(TestHostWindow::Get()));
    }
}

CWnd* HostWnd()
{
    return CWnd::FromHandle(TestHostWindow::Get());
}

const char kDataFilter[] = "Data (*.sav)|*.sav|All (*.*)|*.*||";

const Row kFileDialogRows[] = {
    // No extension, name, filter or parent (the main window, when there is
    // one, owns the dialog).
    { "FileDialogNullStrings", [] { ExpectFileDialog(NULL, NULL, OFN_HIDEREADONLY, NULL, NULL, {}); } },
    { "FileDialogEmptyStrings", [] { ExpectFileDialog("", "", 0, "", HostWnd(), {}); } },
    // The name is cut to the buffer; the extension is kept as given.
    { "FileDialogLongStrings", [] {
        const CString text = LongText();
        ExpectFileDialog(text, text, OFN_HIDEREADONLY, text, HostWnd(), { (LPCTSTR)text });
    } },
    // A missing closing '|' is added; a list without a pattern after its
    // last name, or that starts empty, is handed on as it stands.
    { "FileDialogMalformedFilters", [] {
        ExpectFileDialog("sav", NULL, 0, "Data (*.sav)|*.sav", HostWnd(), { "Data (*.sav)", "*.sav" });
        ExpectFileDialog("sav", NULL, 0, "Data|*.sav|All", HostWnd(), { "Data", "*.sav", "All" });
        ExpectFileDialog("sav", NULL, 0, "|", HostWnd(), {});
        ExpectFileDialog("sav", NULL, 0, "|*.sav||", HostWnd(), {});
    } },
    // Every bit, template ones included: the dialog still comes up.
    { "FileDialogEveryFlag", [] {
        ExpectFileDialog("sav", "a.sav", 0xFFFFFFFF, kDataFilter, HostWnd(), { "Data (*.sav)", "*.sav", "All (*.*)", "*.*" });
    } },
    // A parent whose window is gone: an object without its window counts
    // as none; a wrapper of a handle that is gone names an owner the system
    // refuses, and no dialog comes up.
    { "FileDialogDestroyedParent", [] {
        CWnd gone;
        gone.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), HostWnd(), kItem);
        gone.DestroyWindow();
        ExpectFileDialog("sav", NULL, 0, kDataFilter, &gone, { "Data (*.sav)", "*.sav", "All (*.*)", "*.*" });
        ExpectFileDialog("sav", NULL, 0, kDataFilter, CWnd::FromHandle(DestroyedWindow()),
                         { "Data (*.sav)", "*.sav", "All (*.*)", "*.*" }, false);
    } },
};
INSTANTIATE_TEST_SUITE_P(FileDialog, HostileCall, ::testing::ValuesIn(kFileDialogRows), RowName);

} // namespace
