#include "FlatComboFixture.h"
#include "MessageRecorder.h"
#include <cstdio>
using namespace flatcombotest;
using namespace testsupport;
TEST_F(FlatComboTest, Probe)
{
    CFlatCombo* p = MakeCombo();
    FlatComboTestState s = StateOf(p);
    RECT rw, ri, rc, rd;
    ::GetWindowRect(p->m_hWnd, &rw); ::GetWindowRect(s.hComboBox, &ri); ::GetClientRect(s.hComboBox, &rc);
    ::SendMessage(p->m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rd);
    char cls[100]; ::GetClassNameA(s.hComboBox, cls, 100);
    printf("ex %ld,%ld,%ld,%ld inner %ld,%ld,%ld,%ld client %ld,%ld drop %ld,%ld,%ld,%ld cls %s frame %ld,%ld,%ld,%ld state %d hooked %d\n",
        rw.left, rw.top, rw.right, rw.bottom, ri.left, ri.top, ri.right, ri.bottom, rc.right, rc.bottom,
        rd.left, rd.top, rd.right, rd.bottom, cls, s.rcFrame.left, s.rcFrame.top, s.rcFrame.right, s.rcFrame.bottom, s.nFrameState, s.bHooked);
    printf("itemh %d font %p thumb %d border %d face %06lx shadow %06lx hi %06lx id %d innerid %d style %08lx count %d\n",
        (int)::SendMessage(p->m_hWnd, CB_GETITEMHEIGHT, (WPARAM)-1, 0), (void*)::SendMessage(p->m_hWnd, WM_GETFONT, 0, 0),
        GetSystemMetrics(SM_CXHTHUMB), GetSystemMetrics(SM_CXBORDER), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
        ::GetDlgCtrlID(p->m_hWnd), ::GetDlgCtrlID(s.hComboBox), (unsigned long)::GetWindowLongA(p->m_hWnd, GWL_STYLE), TessarineTestHookedWindowCount());
    for (HWND h = ::GetTopWindow(p->m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) { ::GetClassNameA(h, cls, 100); printf("child %s\n", cls); }
    ClientPixels px = WindowPixels(s.hComboBox);
    for (int y = 0; y < px.Height(); y += 1) { printf("%2d:", y); for (int x = px.Width() - 24; x < px.Width(); x++) printf(" %06lx", px.At(x, y) & 0xffffff); printf("\n"); }
}
