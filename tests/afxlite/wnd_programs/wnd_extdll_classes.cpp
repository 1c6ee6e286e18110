// A translation unit of the test extension library other than the one with
// DllMain: one run-time class, and a static object that looks at the module's
// class list while the library's static constructors run.

#include <afxwin.h>

#include "wnd_extdll.h"
#include "wnd_extdll_internal.h"

class CWndExtProbeB : public CObject
{
    DECLARE_DYNAMIC(CWndExtProbeB)
};

IMPLEMENT_DYNAMIC(CWndExtProbeB, CObject)

namespace {

struct COtherUnitObserver
{
    COtherUnitObserver()
    {
        WndExtReport().bOtherUnitSawClearedList = WndExtListHoldsOnlyOwnClasses();
    }
} s_observer;

} // namespace
