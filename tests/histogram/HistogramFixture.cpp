// HistogramFixture.cpp - the shared histogram fixture.
#include "HistogramFixture.h"

#include <cstring>
#include <sstream>

using namespace testsupport;

namespace histotest {

COLORREF WindowColour()
{
    return ::GetSysColor(COLOR_WINDOW);
}

void MakeBins(const BinRow* rows, int n, CArray<HistoBin, HistoBin&>& out)
{
    out.SetSize(n);
    for (int i = 0; i < n; i++)
    {
        out[i].upper = rows[i].upper;
        out[i].count = rows[i].count;
        out[i].label = rows[i].label != NULL ? rows[i].label : "";
    }
}

/////////////////////////////////////////////////////////////////////////////
// TestHistogram

TestHistogram::TestHistogram()
    : setHistogramCalls(0), hasCutpointCalls(0), hasCutpointAnswer(-1)
{
}

BOOL TestHistogram::SetHistogram(double lower, const CArray<HistoBin, HistoBin&>& bins)
{
    setHistogramCalls++;
    return CHistogram::SetHistogram(lower, bins);
}

BOOL TestHistogram::HasCutpoint(double value) const
{
    hasCutpointCalls++;
    if (hasCutpointAnswer >= 0)
        return hasCutpointAnswer;
    return CHistogram::HasCutpoint(value);
}

BOOL TestHistogram::SelectCutpoint(double value)
{
    selectCalls.push_back(value);
    if (onSelect)
        onSelect(value);
    return CHistogram::SelectCutpoint(value);
}

BOOL TestHistogram::RemoveCutpoint(double value)
{
    removeCalls.push_back(value);
    return CHistogram::RemoveCutpoint(value);
}

/////////////////////////////////////////////////////////////////////////////
// HistogramTest

namespace {

bool IsNotification(UINT message)
{
    return message == HM_CUTPOINTSELECTED || message == HM_CUTPOINTMOVED ||
           message == HM_CUTPOINTREMOVED;
}

std::string NoteText(UINT message, double first, double second, BOOL selected)
{
    std::ostringstream out;
    out.precision(17);
    if (message == HM_CUTPOINTSELECTED)
        out << "HM_CUTPOINTSELECTED {value " << first << ", selected " << selected << "}";
    else if (message == HM_CUTPOINTMOVED)
        out << "HM_CUTPOINTMOVED {old " << first << ", new " << second << "}";
    else
        out << "HM_CUTPOINTREMOVED {" << first << "}";
    return out.str();
}

} // namespace

void HistogramTest::SetUp()
{
    HostWindowTest::SetUp();
    // The owner's log keeps the control's notifications only: the rest of
    // what a dialog gets around a click is the system's business.
    Recorder().SetFilter("parent", [](HWND, UINT message, WPARAM, LPARAM) {
        return IsNotification(message);
    });
    Recorder().CaptureLParam(HM_CUTPOINTSELECTED, sizeof(CutpointBag));
    Recorder().CaptureLParam(HM_CUTPOINTMOVED, sizeof(CutpointMove));
    Recorder().CaptureLParam(HM_CUTPOINTREMOVED, sizeof(double));
}

void HistogramTest::TearDown()
{
    ::ReleaseCapture();
    m_dialog.Destroy();
    if (m_hist.GetSafeHwnd() != NULL)
        m_hist.DestroyWindow();
    Recorder().SetFilter("parent", &MessageRecorder::DefaultFilter);
    HostWindowTest::TearDown();
}

void HistogramTest::BindInDialog(int cx, int cy, const char* face, WORD points)
{
    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, "");
    tmpl.SetFont(points, face);
    tmpl.AddItem(HISTOGRAM_CLASSNAME, "", (WORD)kItemId, WS_CHILD | WS_VISIBLE, 0, 0, 100, 60);
    ASSERT_TRUE(m_dialog.Create(tmpl));
    ASSERT_TRUE(m_hist.Initialize(CWnd::FromHandle(Dialog()), kItemId));
    ::SetWindowPos(Hist(), NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    ::UpdateWindow(Dialog());
    Pump();
    Recorder().Flush();
}

void HistogramTest::BindTwoBins()
{
    BindInDialog(222, 150);
    const BinRow bins[] = { { 10.0, 5.0, "10" }, { 20.0, 8.0, "20" } };
    ASSERT_TRUE(SetBins(0.0, bins, 2));
    ASSERT_EQ(11, m_hist.Plot().left);
    ASSERT_EQ(200, m_hist.Plot().Width());
    Pump();
    Recorder().Flush();
}

BOOL HistogramTest::SetBins(double lower, const BinRow* rows, int n)
{
    CArray<HistoBin, HistoBin&> bins;
    MakeBins(rows, n, bins);
    return m_hist.SetHistogram(lower, bins);
}

ClientPixels HistogramTest::PaintNow()
{
    ::RedrawWindow(Hist(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    return ClientPixels(Hist());
}

int HistogramTest::InkCount(const ClientPixels& px, const RECT& rc, COLORREF background)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (px.At(x, y) != background && px.At(x, y) != CLR_INVALID)
                n++;
    return n;
}

void HistogramTest::ExpectNotes(const Note* expected, const char* context,
                                const char* file, int line)
{
    std::vector<RecordedMsg> log = Recorder().Log("parent");

    std::vector<MsgEntry> table;
    for (const Note* p = expected; p->message != 0; p++)
    {
        MsgEntry e = { p->message, sent | parent | wparam | (p->address != NULL ? (UINT)lparam : 0u),
                       (WPARAM)kItemId, (LPARAM)p->address, 0 };
        table.push_back(e);
    }
    MsgEntry end = { 0, 0, 0, 0, 0 };
    table.push_back(end);
    if (!ExpectSequence("parent", table.data(), context, file, line))
        return;

    for (size_t i = 0; i < log.size(); i++)
    {
        const RecordedMsg& got = log[i];
        const Note& want = expected[i];
        double first = 0.0, second = 0.0;
        BOOL selected = FALSE;
        bool sized = false;
        if (got.message == HM_CUTPOINTSELECTED && got.data.size() == sizeof(CutpointBag))
        {
            CutpointBag bag;
            std::memcpy(&bag, got.data.data(), sizeof(bag));
            first = bag.value;
            selected = bag.selected;
            sized = true;
        }
        else if (got.message == HM_CUTPOINTMOVED && got.data.size() == sizeof(CutpointMove))
        {
            CutpointMove move;
            std::memcpy(&move, got.data.data(), sizeof(move));
            first = move.oldValue;
            second = move.newValue;
            sized = true;
        }
        else if (got.message == HM_CUTPOINTREMOVED && got.data.size() == sizeof(double))
        {
            std::memcpy(&first, got.data.data(), sizeof(first));
            sized = true;
        }
        const bool same = sized && first == want.first &&
                          (got.message != HM_CUTPOINTMOVED || second == want.second) &&
                          (got.message != HM_CUTPOINTSELECTED || (selected != 0) == (want.selected != 0));
        if (!same)
        {
            ADD_FAILURE_AT(file, line)
                << context << ": notification " << i << " is "
                << (sized ? NoteText(got.message, first, second, selected) : "without its payload")
                << ", expected " << NoteText(want.message, want.first, want.second, want.selected);
        }
    }
}

} // namespace histotest
