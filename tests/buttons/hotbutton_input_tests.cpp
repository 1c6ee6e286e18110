// Hot tracking, keys, clicks, check changes, the setters, the tooltip
// answer, binding in dialogs and the exports.
#include "HotButtonFixture.h"
#include "Wow64Limits.h"
#include "ExportChecks.h"

using namespace testsupport;
using namespace hottest;

namespace {

const MsgEntry kNothing[] = { { 0 } };
const MsgEntry kClick[] = { { WM_COMMAND, sent | parent | wparam, MAKEWPARAM(kButtonId, BN_CLICKED) }, { 0 } };
const MsgEntry kTwoClicks[] = { { WM_COMMAND, sent | parent | wparam, MAKEWPARAM(kButtonId, BN_CLICKED) },
                                { WM_COMMAND, sent | parent | wparam, MAKEWPARAM(kButtonId, BN_CLICKED) },
                                { 0 } };

TEST_F(HotButtonTest, EnteringRepaintsOnceAndLeavingGivesTheCaptureBack)
{
    Make();
    MouseMoveTo(Btn(), 40, 10);
    ASSERT_TRUE(PumpUntil([&] { return m_btn.Hot() && ::GetCapture() == Btn(); }, kTimeout));
    EXPECT_EQ(1, m_btn.frames);
    EXPECT_EQ(0, m_btn.PrevCapture()) << "nobody held the capture before";
    EXPECT_RING(WindowPixels(Btn()), 0, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);

    Recorder().Flush("std");
    MouseMoveTo(Btn(), 44, 12);
    ASSERT_TRUE(WaitFor("std", WM_MOUSEMOVE)) << "moves go on to the standard procedure";
    EXPECT_EQ(1, m_btn.frames) << "moving inside does not repaint";

    MouseMoveTo(Btn(), 200, 100);
    ASSERT_TRUE(PumpUntil([&] { return !m_btn.Hot(); }, kTimeout));
    EXPECT_EQ(2, m_btn.frames);
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    EXPECT_EQ(-1, m_btn.PrevCapture());
    EXPECT_RING(WindowPixels(Btn()), 0, COLOR_BTNFACE, COLOR_BTNFACE);
}

// A window that held the capture gets it back; one that took it back
// meanwhile keeps it.
TEST_F(HotButtonTest, TheCaptureGoesBackToItsPreviousHolder)
{
    Make();
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 300, 300, 10, 10, Host(),
                                   NULL, ::GetModuleHandleA(NULL), NULL);
    ::SetCapture(other);
    m_btn.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Btn(), ::GetCapture());
    EXPECT_EQ(HandleToLong(other), m_btn.PrevCapture());
    ::SetCapture(other);
    m_btn.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
    EXPECT_EQ(other, ::GetCapture()) << "the previous holder took it back: left alone";
    m_btn.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(other, ::GetCapture());
    EXPECT_FALSE(m_btn.Hot());
    EXPECT_EQ(-1, m_btn.PrevCapture());
    ::ReleaseCapture();
    ::DestroyWindow(other);
}

TEST_F(HotButtonTest, LeavingWhilePressedStaysHotAndRepaintsOnEveryMove)
{
    Make();
    MouseMoveTo(Btn(), 40, 10);
    ASSERT_TRUE(PumpUntil([&] { return m_btn.Hot(); }, kTimeout));
    LeftButtonDown(Btn(), 40, 10);
    ASSERT_TRUE(PumpUntil([&] { return m_btn.Pressed() == 1; }, kTimeout));
    EXPECT_RING(WindowPixels(Btn()), 0, COLOR_BTNSHADOW, COLOR_3DLIGHT);
    for (int i = 1; i <= 2; i++)
    {
        const int frames = m_btn.frames;
        Recorder().Flush("std");
        MouseMoveTo(Btn(), 150 + 10 * i, 10);
        ASSERT_TRUE(WaitFor("std", WM_MOUSEMOVE));
        EXPECT_EQ(frames + 1, m_btn.frames) << "move " << i;
        EXPECT_TRUE(m_btn.Hot());
        EXPECT_EQ(Btn(), ::GetCapture());
    }
    LeftButtonUp(Btn(), 170, 10);
    ASSERT_TRUE(PumpUntil([&] { return m_btn.Pressed() == 0; }, kTimeout));
    EXPECT_FALSE(m_btn.Hot());
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    EXPECT_SEQUENCE("parent", kNothing, "released outside");
}

TEST_F(HotButtonTest, DisabledButtonsIgnoreTracking)
{
    Make(BS_PUSHBUTTON | WS_DISABLED);
    m_btn.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(m_btn.Hot());
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    EXPECT_EQ(0, m_btn.frames);
    const MsgEntry passed[] = { { WM_MOUSEMOVE, sent }, { 0 } };
    EXPECT_SEQUENCE("std", passed, "the move still reaches the standard procedure");
}

TEST_F(HotButtonTest, ClickAndDoubleClickNotifyTheParent)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make();
    LeftClick(Btn(), 40, 12);
    ASSERT_TRUE(WaitFor("parent", WM_COMMAND));
    EXPECT_SEQUENCE("parent", kClick, "click");
    EXPECT_EQ(0, m_btn.Pressed());

    Recorder().SetFilter("std", [](HWND, UINT m, WPARAM, LPARAM) {
        return m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_LBUTTONDBLCLK;
    });
    MouseMoveTo(Btn(), 200, 100);     // far from the click: no double click with it
    ASSERT_TRUE(PumpUntil([&] { return !m_btn.Hot(); }, kTimeout));
    Recorder().Flush();
    LeftDoubleClick(Btn(), 30, 12);
    ASSERT_TRUE(PumpUntil([&] { return Recorder().Log("std").size() >= 6; }, kTimeout));
    const MsgEntry std[] = { { WM_LBUTTONDOWN }, { WM_LBUTTONUP }, { WM_LBUTTONDBLCLK },
                             { WM_LBUTTONDOWN, sent | wparam | lparam, MK_LBUTTON, MAKELPARAM(30, 12) },
                             { WM_LBUTTONUP, sent | wparam | lparam, MK_LBUTTON, MAKELPARAM(30, 12) },
                             { WM_LBUTTONUP }, { 0 } };
    EXPECT_SEQUENCE("std", std, "a double click is one more press and release");
    EXPECT_SEQUENCE("parent", kTwoClicks, "double click");
}

TEST_F(HotButtonTest, SpacePressesAndReleasesLikeTheMouse)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make();
    m_btn.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Btn(); }, kTimeout));
    Recorder().Flush();
    KeyDown(VK_SPACE);
    ASSERT_TRUE(PumpUntil([&] { return m_btn.Pressed() == 1; }, kTimeout));
    EXPECT_RING(WindowPixels(Btn()), 0, COLOR_BTNSHADOW, COLOR_3DLIGHT);
    KeyUp(VK_SPACE);
    ASSERT_TRUE(WaitFor("parent", WM_COMMAND));
    EXPECT_SEQUENCE("parent", kClick, "space");
    const MsgEntry std[] = { { WM_KEYDOWN, wparam, VK_SPACE }, { WM_KEYUP, wparam, VK_SPACE }, { 0 } };
    EXPECT_SEQUENCE("std", std, "the key messages themselves go on");
    EXPECT_EQ(0, m_btn.Pressed());
    EXPECT_FALSE(m_btn.Hot());
    // Whatever the standard procedure paints on release is painted over.
    ClientPixels px = WindowPixels(Btn());
    EXPECT_RING(px, 0, COLOR_BTNFACE, COLOR_BTNFACE);
    EXPECT_RING(px, 1, COLOR_BTNFACE, COLOR_BTNFACE);
}

struct KeyRow
{
    UINT message;
    WPARAM vk;
    LRESULT result;
    BOOL pressedAfter;
    bool reachesStandard;
    int frames;             // full repaints: one per press, one before and one after a release
};

const KeyRow kKeys[] = {
    { WM_KEYDOWN, VK_SELECT, 0, 1, true, 1 },
    { WM_KEYUP, VK_SELECT, 0, 0, true, 2 },
    { WM_KEYDOWN, 'A', 1, 0, false, 0 },
    { WM_KEYUP, 'A', 1, 1, false, 0 },
    { WM_KEYDOWN, VK_RETURN, 1, 0, false, 0 },
    { WM_KEYUP, VK_TAB, 1, 1, false, 0 },
};

class HotButtonKeys : public HotButtonTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(HotButtonKeys, AnswerAndWhatReachesTheStandardProcedure)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const KeyRow& row = GetParam();
    Make();
    if (row.message == WM_KEYUP)
        m_btn.SetState(FALSE, TRUE);      // held down before the key goes up
    EXPECT_EQ(row.result, m_btn.SendMessage(row.message, row.vk, 1));
    EXPECT_EQ(row.pressedAfter, m_btn.Pressed());
    EXPECT_EQ(row.frames, m_btn.frames);
    const MsgEntry passed[] = { { row.message, sent | wparam, row.vk }, { 0 } };
    EXPECT_SEQUENCE("std", row.reachesStandard ? passed : kNothing, "key");
}

INSTANTIATE_TEST_SUITE_P(Keys, HotButtonKeys, ::testing::ValuesIn(kKeys));

TEST_F(HotButtonTest, SettersRepaintOnlyOnChange)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make(BS_CHECKBOX);
    m_btn.SetBorderStyle((CHotButton::HB_BorderStyle)2);
    EXPECT_EQ(CHotButton::HB_Flat, m_btn.Border());
    EXPECT_EQ(0, m_btn.frames);
    m_btn.SetBorderStyle(CHotButton::HB_Raised);
    EXPECT_EQ(1, m_btn.frames);
    m_btn.SetHighlight(FALSE);
    EXPECT_EQ(1, m_btn.frames);
    m_btn.SetHighlight(TRUE);
    EXPECT_EQ(2, m_btn.frames);

    EXPECT_EQ(0, m_btn.SetImageStateValue(5));
    EXPECT_EQ(5, m_btn.SetImageStateValue(7));
    EXPECT_EQ(7, m_btn.GetImageStateValue());
    Pump();
    EXPECT_EQ(2, m_btn.frames);
    EXPECT_EQ(2, m_btn.paints);

    EXPECT_EQ(0, m_btn.SendMessage(BM_SETCHECK, BST_CHECKED));
    EXPECT_EQ(3, m_btn.frames) << "BM_SETCHECK repaints at once";
    EXPECT_EQ(BST_CHECKED, m_btn.SendMessage(BM_GETCHECK));
    EXPECT_RING(WindowPixels(Btn()), 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);

    m_btn.EnableWindow(FALSE);
    EXPECT_EQ(3, m_btn.frames) << "enabling paints later";
    ASSERT_TRUE(PumpUntil([&] { return m_btn.frames == 4; }, kTimeout));
    EXPECT_SEQUENCE("std", kNothing, "WM_ENABLE and the paints stay with the button");
}

TEST_F(HotButtonTest, ImagesAreCopiedAndRemoved)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make();
    const COLORREF colours[] = { RGB(255, 0, 0), RGB(0, 0, 255) };
    CImageList images;
    images.Attach(MakeImages(colours, 2));
    EXPECT_FALSE(m_btn.HasButtonImage());
    m_btn.SetButtonImages(&images, BIA_Center);
    ASSERT_TRUE(m_btn.HasButtonImage());
    EXPECT_NE((HIMAGELIST)NULL, m_btn.GetImageList());
    EXPECT_NE(images.GetSafeHandle(), m_btn.GetImageList());
    EXPECT_EQ(2, ImageList_GetImageCount(m_btn.GetImageList()));
    m_btn.SetButtonImages(NULL, BIA_Right);
    EXPECT_FALSE(m_btn.HasButtonImage());
    EXPECT_EQ((HIMAGELIST)NULL, m_btn.GetImageList());
    EXPECT_EQ(BIA_Right, m_btn.Align());
    EXPECT_EQ(2, images.GetImageCount()) << "the caller's list is untouched";
    CImageList none;                  // an image-list object that holds no list
    m_btn.SetButtonImages(&none, BIA_Left);
    EXPECT_FALSE(m_btn.HasButtonImage());
    EXPECT_EQ(BIA_Left, m_btn.Align());
}

struct TipRow
{
    UINT flags;
    bool ownId;
    bool answered;
};

const TipRow kTips[] = { { TTF_IDISHWND, true, true }, { 0, true, false }, { TTF_IDISHWND, false, false } };

class HotButtonTip : public HotButtonTest, public ::testing::WithParamInterface<TipRow> {};

TEST_P(HotButtonTip, AnswerIsTheCaptionAtRequestTime)
{
    const TipRow& row = GetParam();
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    Make(BS_PUSHBUTTON, "First");
    HWND tip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP, 0, 0, 0, 0, Host(), NULL,
                                 ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE((HWND)NULL, tip);
    for (const char* caption : { "First", "Second" })
    {
        m_btn.SetWindowText(caption);
        char sentinel[] = "unset";
        NMTTDISPINFOA info;
        memset(&info, 0, sizeof(info));
        info.hdr.hwndFrom = tip;
        info.hdr.idFrom = row.ownId ? (UINT_PTR)Btn() : (UINT_PTR)tip;
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = row.flags;
        info.lpszText = sentinel;
        info.hinst = ::GetModuleHandleA(NULL);
        m_btn.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
        EXPECT_STREQ(row.answered ? caption : "unset", info.lpszText);
        EXPECT_EQ(row.answered ? (HINSTANCE)NULL : ::GetModuleHandleA(NULL), info.hinst);
    }
    ::DestroyWindow(tip);
}

INSTANTIATE_TEST_SUITE_P(Requests, HotButtonTip, ::testing::ValuesIn(kTips));

// A host dialog binding its hot button by DDX_Control or SubclassDlgItem.
class CHostDialog : public CDialog
{
public:
    CHostDialog(bool bDdx) : m_bDdx(bDdx), m_nClicks(0) {}
    bool m_bDdx;
    int m_nClicks;
    TestHotButton m_hot;
protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        if (m_bDdx)
            DDX_Control(pDX, kButtonId, m_hot);
    }
    afx_msg void OnHotClicked() { m_nClicks++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDialog, CDialog)
    ON_BN_CLICKED(kButtonId, OnHotClicked)
END_MESSAGE_MAP()

class HotButtonBinding : public HotButtonTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HotButtonBinding, BoundItemPaintsTracksAndClicks)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, "");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem(DialogTemplateBuilder::Button, "Bound", (WORD)kButtonId,
                 WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10 + (GetParam() ? 0 : 20), 10, 60, 14);
    CHostDialog dialog(GetParam());
    dialog.m_hot.freshDc = m_btn.freshDc;
    ASSERT_TRUE(dialog.CreateIndirect(tmpl.Template(), CWnd::FromHandle(Host())));
    HWND item = ::GetDlgItem(dialog.m_hWnd, kButtonId);
    if (!GetParam())
    {
        ASSERT_TRUE(dialog.m_hot.SubclassDlgItem(kButtonId, &dialog));
    }
    EXPECT_EQ(&dialog.m_hot, CWnd::FromHandlePermanent(item));
    ::RedrawWindow(item, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return dialog.m_hot.paints > 0; }, kTimeout));
    EXPECT_TRUE(::GetWindowLongA(item, GWL_EXSTYLE) & WS_EX_STATICEDGE) << "the first frame adds the edge";
    EXPECT_FALSE(dialog.m_hot.WindowRect().IsRectEmpty());
    CRect client;
    ::GetClientRect(item, &client);
    EXPECT_EQ(dialog.m_hot.WindowRect().Width() - 2, client.Width()) << "the edge takes effect at once";
    EXPECT_EQ(dialog.m_hot.WindowRect().Height() - 2, client.Height());

    LeftClick(item, 20, 8);
    ASSERT_TRUE(PumpUntil([&] { return dialog.m_nClicks == 1; }, kTimeout));
    EXPECT_EQ("", dialog.m_hot.dcChanges);
    dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Bindings, HotButtonBinding, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "DdxControl" : "SubclassDlgItem");
                         });

TEST(HotButtonExports, ListedMembersOnly)
{
    HMODULE lib = ::GetModuleHandleA("Tessarine.dll");
    ASSERT_NE((HMODULE)NULL, lib);
    static const char* const kExported[] = {
        "_ZN10CHotButtonC1Ev", "_ZN10CHotButtonD1Ev", "_ZN10CHotButtonD0Ev",
        "_ZN10CHotButton14SetBorderStyleENS_14HB_BorderStyleE", "_ZN10CHotButton12GetImageListEv",
        "_ZN10CHotButton14CleanupBitmapsEv", "_ZN10CHotButton14HasButtonImageEv",
        "_ZN10CHotButton15SetButtonImagesEP10CImageList16ButtonImageAlign",
        "_ZN10CHotButton12SetHighlightEi", "_ZN10CHotButton18GetImageStateValueEv",
        "_ZN10CHotButton18SetImageStateValueEi", "_ZN10CHotButton17RenderButtonImageEP3CDC",
        "_ZN10CHotButton11RenderFocusEP3CDC", "_ZN10CHotButton10OnSetFocusEP4CWnd",
        "_ZN10CHotButton11OnKillFocusEP4CWnd", "_ZN10CHotButton10messageMapE",
#ifdef _WIN64
        "_ZN10CHotButton10OnSetCheckEyx",
#else
        "_ZN10CHotButton10OnSetCheckEjl",
#endif
    };
    static const char* const kInternal[] = {
        "_ZTV10CHotButton", "_ZN10CHotButton15classCHotButtonE", "_ZNK10CHotButton13GetMessageMapEv",
        "_ZNK10CHotButton15GetRuntimeClassEv", "_ZN10CHotButton7OnPaintEv", "_ZN10CHotButton9OnNcPaintEv",
        "_ZN10CHotButton11OnMouseMoveEj6CPoint", "_ZN10CHotButton11GetTextRectEv",
        "_ZN10CHotButton17ReleaseHotCaptureEv",
    };
    testsupport::ExpectExportsOnly(lib, kExported, kInternal);
    const CRuntimeClass* pClass = (const CRuntimeClass*)::GetProcAddress(lib, MAKEINTRESOURCEA(200));
    ASSERT_EQ(RUNTIME_CLASS(CHotButton), pClass);
    EXPECT_EQ(RUNTIME_CLASS(CButton), pClass->m_pfnGetBaseClass());
    EXPECT_EQ(NULL, pClass->m_pfnCreateObject);
}

} // namespace
