// GuiObjectCounter.h - how many GDI and USER objects this process holds.
//
// GetGuiResources answers 0 under Wine, so the counts are read elsewhere:
//
// - GDI: Wine keeps each process's GDI handles in a table that the PEB's
//   GdiSharedHandleTable field points at (one 24-byte entry per index, the
//   object's type in the entry, 0 when free). The counter reads every entry.
//   Wine's cache of window DCs only grows (by a DC, a region and a bitmap
//   when all cached DCs are held at once), so each count first holds 16
//   cached DCs at once: the cache has that many before any count is taken.
//   The layout is checked once per process: a brush just made must show its
//   handle's index, type and generation in the table.
// - USER: Wine's user handles are (index * 2 + 0x20) with a generation in the
//   high word; a handle given without its generation matches the live object
//   at that index. The counter asks, for every index, whether it is a window
//   of this process (IsWindow, GetWindowThreadProcessId), a menu (IsMenu), an
//   accelerator table (CopyAcceleratorTable) or an icon or cursor
//   (win32u's NtUserGetIconSize). Hooks and deferred window positions have no
//   query and are not counted.
//
// A leak test takes a GuiObjectCount before and after and compares the two;
// when Available() is false the test skips with AvailabilityDetail().

#ifndef TESTSUPPORT_GUIOBJECTCOUNTER_H
#define TESTSUPPORT_GUIOBJECTCOUNTER_H

#include <ostream>
#include <string>

namespace testsupport {

struct GuiObjectCount
{
    int gdi = 0;       // live GDI objects of every type (DCs, bitmaps, brushes, ...)
    int gdiByType[32] = {};   // the same by Wine's type number (1 DC, 4 region, 5 bitmap,
                              // 8 palette, 10 font, 16 brush or pen), printed when they differ
    int windows = 0;   // windows of this process
    int menus = 0;
    int icons = 0;     // icons and cursors
    int accelerators = 0;

    int User() const { return windows + menus + icons + accelerators; }
    bool operator==(const GuiObjectCount& other) const;
    bool operator!=(const GuiObjectCount& other) const { return !(*this == other); }
};

std::ostream& operator<<(std::ostream& out, const GuiObjectCount& count);

class GuiObjectCounter
{
public:
    // True when both tables can be read in this process (probed once).
    static bool Available();
    // What the probe found ("" when available).
    static std::string AvailabilityDetail();
    // The counts now. Call from the thread that owns the windows of interest
    // after its queue is drained; all zero when !Available().
    static GuiObjectCount Count();
};

} // namespace testsupport

#define SKIP_IF_NO_GUI_OBJECT_COUNTER()                                                 \
    do {                                                                                \
        if (!::testsupport::GuiObjectCounter::Available())                              \
            GTEST_SKIP() << ::testsupport::GuiObjectCounter::AvailabilityDetail();     \
    } while (0)

#endif // TESTSUPPORT_GUIOBJECTCOUNTER_H
