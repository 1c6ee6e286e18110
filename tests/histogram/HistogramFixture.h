// HistogramFixture.h - shared fixture of the histogram tests.
//
//   TestHistogram   CHistogram with its state in reach and call-counting
//                   overrides of the virtual operations
//   Note            one expected owner notification with its payload
//   HistogramTest   host dialog with one HISTOGRAMCLASS item bound by
//                   Initialize, owner notifications recorded with what
//                   their lParam pointed to
#ifndef TESTS_HISTOGRAM_HISTOGRAMFIXTURE_H
#define TESTS_HISTOGRAM_HISTOGRAMFIXTURE_H

#include <afxwin.h>
#include <afxtempl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Histogram.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"

namespace histotest {

const UINT kItemId = 1001;

// Colours the tests look for.
COLORREF WindowColour();                     // the class background
const COLORREF kBlack = RGB(0, 0, 0);

// One bin for MakeBins.
struct BinRow
{
    double upper;
    double count;
    const char* label;
};

// Fills out with n bins from the table.
void MakeBins(const BinRow* rows, int n, CArray<HistoBin, HistoBin&>& out);

class TestHistogram : public CHistogram
{
public:
    TestHistogram();

    // Layout members made reachable.
    using CHistogram::RecalcHistogram;
    using CHistogram::X_AxisPos;
    using CHistogram::Y_AxisPos;
    using CHistogram::Resize;
    using CHistogram::CutpointIndex;

    CRect Plot() const { return m_rcPlot; }
    void SetPlot(const CRect& rc) { m_rcPlot = rc; }
    int BinCount() const { return (int)m_bins.GetSize(); }
    CRect Bar(int i) const { return m_bins.GetData()[i].barRect; }
    CString Label(int i) const { return m_bins.GetData()[i].label; }
    int CutpointCount() const { return (int)m_cutpoints.GetSize(); }
    const CutpointBag& Cutpoint(int i) const { return m_cutpoints.GetData()[i]; }
    const CutpointBag* CutpointAddress(int i) const { return m_cutpoints.GetData() + i; }
    BOOL Crowded() const { return m_bLabelsCrowded; }
    BOOL VeryCrowded() const { return m_bLabelsVeryCrowded; }
    BOOL ShowNoData() const { return m_bShowNoDataMessage; }
    BOOL SmallMetrics() const { return m_bSmallMetrics; }
    void SetSmallMetrics(BOOL b) { m_bSmallMetrics = b; }
    BOOL Dragging() const { return m_bDragging; }
    int DragIndex() const { return m_nDragIndex; }
    double DragStartValue() const { return m_dDragStartValue; }
    const double* DragStartAddress() const { return &m_dDragStartValue; }
    HFONT LabelFont() const { return (HFONT)m_fontLabel.GetSafeHandle(); }
    HPEN BarPen() const { return (HPEN)m_penBar.GetSafeHandle(); }
    HBRUSH BarBrush() const { return (HBRUSH)m_brushBar.GetSafeHandle(); }
    HPEN CutpointPen() const { return (HPEN)m_penCutpoint.GetSafeHandle(); }
    HPEN HighlightPen() const { return (HPEN)m_penHighlight.GetSafeHandle(); }

    // Overrides that record the calls the control makes through its
    // virtual table; each may be given a hook that runs first.
    virtual BOOL SetHistogram(double lower, const CArray<HistoBin, HistoBin&>& bins);
    virtual BOOL HasCutpoint(double value) const;
    virtual BOOL SelectCutpoint(double value);
    virtual BOOL RemoveCutpoint(double value);

    int setHistogramCalls;
    mutable int hasCutpointCalls;
    std::vector<double> selectCalls;
    std::vector<double> removeCalls;
    int hasCutpointAnswer;           // -1: ask CHistogram, else the answer
    std::function<void(double)> onSelect;
};

// One notification the owner should get: SELECTED carries the cutpoint
// (value, selected), MOVED (oldValue, newValue), REMOVED the old value.
// A non-NULL address is compared with lParam itself.
struct Note
{
    UINT message;
    double first;
    double second;
    BOOL selected;
    const void* address;
};

class HistogramTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Host dialog with the item bound by Initialize, then given an exact
    // client size in pixels.
    void BindInDialog(int cx, int cy, const char* face = "MS Shell Dlg", WORD points = 8);
    HWND Hist() const { return m_hist.GetSafeHwnd(); }
    HWND Dialog() const { return m_dialog.Handle(); }

    // Gives the control bins; lower edge first.
    BOOL SetBins(double lower, const BinRow* rows, int n);
    // Bins [0, 10] and [10, 20] in a client 222 x 150 pixels: the plot is
    // 200 columns from column 11, each worth exactly 0.1; the log flushed.
    void BindTwoBins();

    // Repaints the whole control now and reads its client area back.
    testsupport::ClientPixels PaintNow();

    // Non-background pixels inside rc.
    static int InkCount(const testsupport::ClientPixels& px, const RECT& rc, COLORREF background);

    // Compares the owner's notifications since the last check with the
    // zero-terminated table, payloads included; flushes the log.
    void ExpectNotes(const Note* expected, const char* context, const char* file, int line);

    TestHistogram m_hist;
    testsupport::HostDialog m_dialog;
};

// Last entry of a Note table.
#define NOTES_END { 0, 0.0, 0.0, FALSE, NULL }

#define EXPECT_NOTES(expected, context) ExpectNotes((expected), (context), __FILE__, __LINE__)

} // namespace histotest

#endif // TESTS_HISTOGRAM_HISTOGRAMFIXTURE_H
