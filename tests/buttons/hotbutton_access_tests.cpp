// What a screen reader reads of a hot button: the system's own proxy for
// the BUTTON class, which the button does not replace.
#include "HotButtonFixture.h"
#include "AccessibleClient.h"
#include "Wow64Limits.h"


using namespace testsupport;
using namespace hottest;

namespace {

bool UnderWine()
{
    return ::GetProcAddress(::GetModuleHandle("ntdll.dll"), "wine_get_version") != NULL;
}

// An image-only button (BIA_Center) draws no caption, but its window text
// is still its name (and its tooltip text). Wine 8's proxy answers the
// name only: role client where Windows says push button, and no check
// state where Windows says checked.
TEST_F(HotButtonTest, SystemProxyReadsTheCaptionOfAnImageOnlyButton)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make(BS_AUTOCHECKBOX | BS_PUSHLIKE, "Open data");
    const COLORREF colours[] = { RGB(255, 0, 0), RGB(0, 0, 255) };
    CImageList images;
    images.Attach(MakeImages(colours, 2));
    m_btn.SetButtonImages(&images, BIA_Center);
    ::SendMessage(Btn(), BM_SETCHECK, BST_CHECKED, 0);

    IAccessible* acc = AccessibleOf(Btn());
    ASSERT_TRUE(acc != NULL);
    EXPECT_EQ("Open data", AccText(acc, &IAccessible::get_accName, CHILDID_SELF));
    const VARIANT self = ChildId(CHILDID_SELF);

    VARIANT role, state;
    acc->get_accRole(self, &role);
    acc->get_accState(self, &state);
    if (UnderWine())
    {
        EXPECT_EQ(ROLE_SYSTEM_CLIENT, role.lVal);
        EXPECT_EQ(0, state.lVal & STATE_SYSTEM_CHECKED);
    }
    else
    {
        EXPECT_EQ(ROLE_SYSTEM_CHECKBUTTON, role.lVal);
        EXPECT_NE(0, state.lVal & STATE_SYSTEM_CHECKED);
    }
    acc->Release();
}

} // namespace
