// Leak tests: every control created, used as a person uses it (its tooltip
// shown, where it has one) and destroyed 1,000 times after two warm-up
// rounds, painted 10,000 times in place, and the drawing functions called
// 10,000 times with their results freed; the process's GDI and USER object
// counts must end exactly where they began.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "DialogUtilities.h"
#include "DragImage.h"
#include "FileDialogEx.h"
#include "GroupBox.h"
#include "GuiObjectCounter.h"
#include "HostileControls.h"
#include "MessageRecorder.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"
#include "hostile_res.h"

using namespace testsupport;
using hostile::ControlKind;

namespace {

const int kRounds = 1000;
const int kPaints = 10000;
const int kCalls = 10000;

// Runs step warmUps times to warm caches up, each time followed by a count
// as the measured rounds are, counts, runs it rounds times more and counts
// again; both counts must agree.
// perRoundAccelerators: what the system keeps per round, allowed.
void ExpectFlat(const std::function<void()>& step, int rounds, int perRoundAccelerators = 0, int warmUps = 1)
{
    for (int i = 0; i < warmUps; ++i)
    {
        step();
        Pump();
        GuiObjectCounter::Count();
    }
    const GuiObjectCount before = GuiObjectCounter::Count();
    for (int i = 0; i < rounds; ++i)
        step();
    Pump();
    GuiObjectCount after = GuiObjectCounter::Count();
    after.accelerators -= rounds * perRoundAccelerators;
    EXPECT_EQ(before, after) << rounds << " rounds";
}

class LeakTest : public HostWindowTest, public ::testing::WithParamInterface<ControlKind>
{
protected:
    void SetUp() override
    {
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        SKIP_IF_NO_GUI_OBJECT_COUNTER();
        HostWindowTest::SetUp();
    }
};

// A tooltip window made and shown anew in each round (the arrow's shared
// tip follows its new host, the hot button's is the host's own): in the
// round after the first count, Wine keeps three more window DCs, each with
// its region and bitmap, and never more after that. Two rounds warm up.
TEST_P(LeakTest, CreateUseDestroyRoundsLeaveCountsFlat)
{
    ExpectFlat([&] {
        std::unique_ptr<hostile::BuiltControl> c = hostile::Build(GetParam(), Host());
        ASSERT_TRUE(c != nullptr);
        hostile::UseAsPerson(GetParam(), *c);
        c->Destroy();
    }, kRounds, 0, 2);
}

TEST_P(LeakTest, PaintsInPlaceLeaveCountsFlat)
{
    std::unique_ptr<hostile::BuiltControl> c = hostile::Build(GetParam(), Host());
    ASSERT_TRUE(c != nullptr);
    const HWND hwnd = c->Window();
    ExpectFlat([&] {
        ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }, kPaints);
    c->Destroy();
}

INSTANTIATE_TEST_SUITE_P(Controls, LeakTest, ::testing::ValuesIn(hostile::kAllKinds), hostile::KindTestName());

class DrawingLeakTest : public HostWindowTest
{
protected:
    void SetUp() override
    {
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        SKIP_IF_NO_GUI_OBJECT_COUNTER();
        HostWindowTest::SetUp();
    }
};

TEST_F(DrawingLeakTest, DragImagesFreedLeaveCountsFlat)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 300, 200),
                            CWnd::FromHandle(Host()), 2710));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    for (int i = 0; i < 8; ++i)
    {
        list.InsertItem(i, "survey item");
        list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    ExpectFlat([&] {
        POINT hot = { 0, 0 };
        delete CreateDragImageEx(&list, &hot, 5);
    }, kCalls);
    list.DestroyWindow();
}

TEST_F(DrawingLeakTest, ImageListsAndGroupBoxesLeaveCountsFlat)
{
    ExpectFlat([] {
        CImageList images;
        Load3DColorImageList(&images, 16, IDB_HOSTILE_STRIP, LR_LOADMAP3DCOLORS);
    }, kCalls);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    CBitmap bmp;
    bmp.CreateBitmap(200, 100, 1, 32, NULL);
    CBitmap* old = dc.SelectObject(&bmp);
    CFont font;
    font.CreatePointFont(90, "MS Shell Dlg");
    const CRect rc(5, 5, 195, 95);
    const CString caption("Options");
    ExpectFlat([&] { cbGroupBox(&dc, &rc, caption, &font); }, kCalls);
    ExpectFlat([&] { cbGroupBox(&dc, &rc, caption, NULL); }, kCalls);
    dc.SelectObject(old);
}

// The system's Open dialog up, then cancelled by a thread timer its loop
// dispatches.
void CALLBACK CancelSystemDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = ::GetActiveWindow();
    if (dialog == NULL || !::IsWindowVisible(dialog))
        return;
    ::KillTimer(NULL, timer);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, IDCANCEL));
}

// Wine's own Open dialog keeps one accelerator table per run (a plain
// GetOpenFileName does the same), so the extended dialog is held to what
// the system's dialog leaves per round, and to nothing else.
TEST_F(DrawingLeakTest, FileDialogsCancelledLeaveNoMoreThanTheSystemDialog)
{
    const int systemRounds = 10;
    const GuiObjectCount systemBefore = GuiObjectCounter::Count();
    for (int i = 0; i < systemRounds; ++i)
    {
        char file[MAX_PATH] = "";
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = Host();
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
        UINT_PTR timer = ::SetTimer(NULL, 0, 10, &CancelSystemDialog);
        ::GetOpenFileNameA(&ofn);
        ::KillTimer(NULL, timer);
    }
    Pump();
    const int systemAccelerators = GuiObjectCounter::Count().accelerators - systemBefore.accelerators;
    ASSERT_EQ(0, systemAccelerators % systemRounds) << "the system dialog keeps a varying number";

    ExpectFlat([&] {
        CFileDialogEx dlg(TRUE, "sav", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                          "Data files (*.sav)|*.sav|All files (*.*)|*.*||", CWnd::FromHandle(Host()));
        EXPECT_EQ(IDCANCEL, hostile::DoModalCancelled(dlg));
    }, kRounds, systemAccelerators / systemRounds);
}

} // namespace
