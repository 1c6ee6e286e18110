/// @file Histogram.h
/// The histogram control.
///
/// - CHistogram: child window showing host-supplied bins as bars over a linear
///   x scale, with cutpoint lines the user can click and drag; the owner is
///   told by the HM_CUTPOINT... messages.
#ifndef TESSARINE_HISTOGRAM_H
#define TESSARINE_HISTOGRAM_H

#include <afxwin.h>
#include <afxtempl.h>

#include "HistoBin.h"

/// @cond IMPLEMENTATION
class CHistogramAccessible;
/// @endcond

// Notifications sent to the owner (SendMessage; the result is ignored).
// wParam is the control's identifier; lParam points into the control and is
// valid only while the message is handled.

/// 0x8A7C, sent to the owner when a left click hits a cutpoint line (and
/// CHistogram::HF_SelectCutpoints is set). wParam: the control's identifier;
/// lParam: CutpointBag* of the clicked cutpoint, now selected, valid while
/// the message is handled.
#define HM_CUTPOINTSELECTED  (WM_APP + 0xA7C)
/// 0x8A7D, sent to the owner when a cutpoint drag ends inside the x range.
/// wParam: the control's identifier; lParam: CutpointMove* with the value
/// before the drag and the value after the drop (snapped to a bin edge
/// close by), valid while the message is handled.
#define HM_CUTPOINTMOVED     (WM_APP + 0xA7D)
/// 0x8A7E, sent to the owner when a cutpoint was dragged out of the x range
/// and dropped there: the cutpoint is already removed. wParam: the control's
/// identifier; lParam: double*, the value the cutpoint had before the drag.
#define HM_CUTPOINTREMOVED   (WM_APP + 0xA7E)

/// Window class registered by every constructor; a dialog template may use it
/// for a custom item that Initialize later binds.
#define HISTOGRAM_CLASSNAME  "HISTOGRAMCLASS"

/// A child window that draws the host's bins as bars over a linear x scale,
/// with a label under each bin's upper edge and vertical cutpoint lines that
/// the user clicks and drags.
///
/// @image html histogram.png "CHistogram in the gallery: bins, two cutpoints, one selected"
///
/// The control computes no statistics: it draws the bins it is given, and the
/// host adds, removes and selects cutpoints by value. A click on a cutpoint
/// selects it; with HF_DragCutpoints the user drags it along the x scale (the
/// value is kept to two decimals while it moves and snapped to a bin edge
/// close by when it is dropped). A cutpoint dropped outside the x range is
/// removed. While there are no bins, ClearHistogram(TRUE) makes the control
/// show "No data or constant variable".
///
/// Binding: construct the object before the dialog is created (the
/// constructor registers the window class HISTOGRAM_CLASSNAME), then either
/// call Initialize on a dialog item of that class or create the window with
/// CWnd::Create. The control copies the bins it is given.
///
/// | Sent to the owner | Value | wParam | lParam | When |
/// |---|---|---|---|---|
/// | #HM_CUTPOINTSELECTED | 0x8A7C | identifier | CutpointBag* | a left click hits a cutpoint |
/// | #HM_CUTPOINTMOVED | 0x8A7D | identifier | CutpointMove* | a drag ends inside the x range |
/// | #HM_CUTPOINTREMOVED | 0x8A7E | identifier | double*, the value before the drag | a drag ends outside the x range |
///
/// Messages handled: WM_CREATE (binds like Initialize), WM_SIZE (new plot
/// rectangle), WM_PAINT, and WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP
/// for the cutpoints (the mouse is captured while a cutpoint is dragged).
/// Everything else, erasing the background included, is default handling;
/// there is no keyboard interface unless HF_KeyboardCutpoints asks for one.
///
/// Accessibility: the control answers WM_GETOBJECT with an IAccessible of
/// its own (role chart). Its name is the window text or, when that is
/// empty, the static label just before the control in the dialog. Its
/// children are the cutpoints in list order ("Cutpoint 1", ..., value the
/// number with two decimals, state selected and focused) followed by the
/// bins (named by their edges, "0 to 10", value the count), each located
/// where it is drawn. Changes raise the standard WinEvents: value and
/// location change of a moved cutpoint, selection, create and destroy of
/// an added or removed cutpoint, reorder when SetHistogram replaces every
/// child, and focus.
///
/// Keyboard (HF_KeyboardCutpoints set and WS_TABSTOP on the window): the
/// control takes the focus from the dialog's Tab order and when clicked, and
/// draws a dotted focus rectangle around the selected cutpoint (around the
/// plot when none is). Down and Up select the next and previous cutpoint
/// from left to right; Left and Right move the selected one to the nearest
/// pixel column where a drop lands elsewhere; Ctrl+Left and Ctrl+Right move
/// it to the next bin edge; Delete removes it. The owner gets what the same
/// edit made with the mouse sends: #HM_CUTPOINTSELECTED, #HM_CUTPOINTMOVED
/// (two decimals, snapped to a bin edge close by) and #HM_CUTPOINTREMOVED.
/// The keys never move a cutpoint out of the x range.
///
/// Threads: only the thread that owns the window calls the control.
///
/// The control calls its own virtual members through the virtual table, so a
/// derived class's overrides are reached from inside too: ClearHistogram calls
/// SetHistogram, AddCutpoint calls HasCutpoint, and the mouse handlers call
/// SelectCutpoint and RemoveCutpoint.
///
/// @par Example
/// @snippet host.cpp histogram
class AFX_EXT_CLASS CHistogram : public CWnd
{
public:
    /// Last failure, as CurrentError reports it. Successful calls other than
    /// SetHistogram leave it as it was.
    enum HistoErrors
    {
        HE_None             = 0,    ///< no failure since construction, the last SetHistogram or the last drop
        HE_BinsNotAscending = 1,    ///< SetHistogram: an upper edge not above the edge before it
        HE_NegativeCount    = 2,    ///< SetHistogram: a count below 0
        HE_SubclassFailed   = 3,    ///< Initialize could not subclass the dialog item
        HE_BadCutpoint      = 4     ///< AddCutpoint of a value already there; Remove or Select of a value not there
    };

    /// Feature flags (FeatureFlags, SetFeatureFlags; 0x1 at construction);
    /// other bits are kept and ignored.
    enum
    {
        HF_SelectCutpoints = 0x1,   ///< a click on a cutpoint selects it and sends HM_CUTPOINTSELECTED
        HF_DragCutpoints   = 0x2,   ///< ...and may drag it (needs 0x1)
        /// with WS_TABSTOP on the window: the control takes the focus and
        /// the keys select, move and remove cutpoints (needs 0x1 to select)
        HF_KeyboardCutpoints = 0x4
    };

// Construction
    /// Default colours and widths, no bins; registers HISTOGRAM_CLASSNAME.
    CHistogram();
    /// Releases the GDI objects and the bins; CWnd destroys the window.
    virtual ~CHistogram();

    /// Binds to the existing child nID of pParent (a dialog item of class
    /// HISTOGRAMCLASS, for instance). FALSE when pParent is not a window, or
    /// with HE_SubclassFailed when the item cannot be subclassed.
    virtual BOOL Initialize(CWnd* pParent, UINT nID);

// Data
    /// Copies the bins (the lower edge of the first bin is lower; each bin's
    /// upper edge is the next one's lower edge), removes every cutpoint, sets
    /// the x range from lower to the last upper edge and repaints. FALSE,
    /// with nothing changed, when the edges do not ascend
    /// (HE_BinsNotAscending) or a count is negative (HE_NegativeCount). An
    /// empty array keeps the x range.
    virtual BOOL SetHistogram(double lower, const CArray<HistoBin, HistoBin&>& bins);
    /// Removes bins and cutpoints (through SetHistogram, keeping the x range);
    /// bShowMessage: show "No data or constant variable" while there are no
    /// bins.
    virtual void ClearHistogram(BOOL bShowMessage);
    /// The x range into *pMin and *pMax; either may be NULL. 0 and 0 before
    /// any data.
    void X_AxisRange(double* pMin, double* pMax);
    /// The last failure (see HistoErrors).
    HistoErrors CurrentError() const;

// Cutpoints
    /// Whether a cutpoint has exactly this value.
    virtual BOOL HasCutpoint(double value) const;
    /// Appends an unselected cutpoint and repaints; FALSE with HE_BadCutpoint
    /// when the value is already one. Values outside the x range are kept.
    virtual BOOL AddCutpoint(double value);
    /// Removes the cutpoint of this value and repaints; FALSE with
    /// HE_BadCutpoint when there is none.
    virtual BOOL RemoveCutpoint(double value);
    /// Makes the cutpoint of this value the one selected (drawn in the
    /// highlight colour and width) and repaints; FALSE with HE_BadCutpoint
    /// when there is none.
    virtual BOOL SelectCutpoint(double value);

// Appearance: each setter returns the previous value and repaints.
    /// Colour inside the bars; RGB(162, 45, 179) at first.
    COLORREF BarFillColor() const;
    /// Sets the colour inside the bars; returns the previous one.
    COLORREF SetBarFillColor(COLORREF color);
    /// Colour of the bars' outlines; black at first.
    COLORREF BarLineColor() const;
    /// Sets the colour of the bars' outlines; returns the previous one.
    COLORREF SetBarLineColor(COLORREF color);
    /// Colour of the cutpoint lines; RGB(69, 58, 194) at first.
    COLORREF CutpointColor() const;
    /// Sets the colour of the cutpoint lines; returns the previous one.
    COLORREF SetCutpointColor(COLORREF color);
    /// Colour of the selected cutpoint; RGB(217, 39, 30) at first.
    COLORREF CutpointHighlightColor() const;
    /// Sets the colour of the selected cutpoint; returns the previous one.
    COLORREF SetCutpointHighlightColor(COLORREF color);
    /// Width of the cutpoint lines in pixels; 2 at first.
    int CutpointLineWidth() const;
    /// Sets the width of the cutpoint lines; returns the previous one.
    int SetCutpointLineWidth(int width);
    /// Width of the selected cutpoint's line in pixels; 3 at first.
    int CutpointHighlightLineWidth() const;
    /// Sets the width of the selected cutpoint's line; returns the previous one.
    int SetCutpointHighlightLineWidth(int width);
    /// The feature flags (HF_SelectCutpoints, HF_DragCutpoints).
    DWORD FeatureFlags() const;
    /// Stores the feature flags and repaints.
    void SetFeatureFlags(DWORD flags);

protected:
// Layout, for derived classes
    /// Places every bar in the plot rectangle and decides whether the labels
    /// are too crowded to be drawn all.
    void RecalcHistogram();
    /// The pixel column of the x value x.
    int X_AxisPos(double x);
    /// The pixel row of the count y on a scale whose top is yMax.
    int Y_AxisPos(double yMax, double y);
    /// Recomputes the plot rectangle from the client area.
    void Resize();
    /// Index of the first cutpoint whose value equals value exactly, or -1.
    int CutpointIndex(double value) const;

// Implementation
    /// @cond IMPLEMENTATION
    void BindWindow();
    void InvalidateAll();
    // Sends message to the owner; FALSE when the owner's handler destroyed
    // the control and perhaps deleted this object (touch nothing then).
    BOOL NotifyOwner(UINT message, LPARAM lParam);
    void RecreateBarBrush();
    void RecreateBarPen();
    void RecreateCutpointPen();
    void RecreateHighlightPen();
    void RecreateGdiObjects();
    void DrawCutpoints(CDC* pDC);
    int CutpointScreenX(int index);
    int CutpointPenWidth(int index) const;
    int CutpointHitTest(int px, int py);
    double SnapCutpoint(double value);
    CRect CutpointStrip(int index);
    BOOL DragIndexValid() const;
    BOOL EndDrag();     // FALSE: the owner destroyed the control
    BOOL ValueAtColumn(int x, double* pValue);
    double SnappedValue(double value) const;
    CRect CutpointHitRect(int index);
    void CutpointChanged(int index);
    void RaiseEvent(DWORD event, LONG child);

    // Keyboard (HF_KeyboardCutpoints)
    BOOL KeyboardOperable() const;
    int SelectedCutpoint() const;
    int NeighbourCutpoint(int index, int dir) const;
    BOOL StepTarget(int index, int dir, double* pValue);
    BOOL EdgeTarget(int index, int dir, double* pValue) const;
    void KeySelect(int index);
    void KeyMove(int index, double target);
    void KeyRemove(int index);
    void DrawFocusCue(CDC* pDC);
    friend class CHistogramAccessible;

    CArray<HistoBinPos, HistoBinPos&>  m_bins;
    CArray<CutpointBag, CutpointBag&>  m_cutpoints;   // insertion order
    COLORREF    m_crBarFill;
    COLORREF    m_crBarLine;
    COLORREF    m_crCutpoint;
    COLORREF    m_crCutpointHighlight;
    int         m_nCutpointWidth;
    int         m_nCutpointHighlightWidth;
    DWORD       m_dwFeatureFlags;
    BOOL        m_bDragging;
    double      m_dDragStartValue;
    int         m_nDragIndex;
    CRect       m_rcPlot;
    BOOL        m_bLabelsCrowded;
    BOOL        m_bLabelsVeryCrowded;
    BOOL        m_bShowNoDataMessage;
    double      m_dXMin;
    double      m_dXMax;
    CBrush      m_brushBar;
    CPen        m_penBar;
    CPen        m_penCutpoint;
    CPen        m_penHighlight;
    CFont       m_fontLabel;
    BOOL        m_bSmallMetrics;
    HistoErrors m_lastError;
    CHistogramAccessible* m_pAccessible;   // made at the first WM_GETOBJECT

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    CHistogram(const CHistogram&);
    CHistogram& operator=(const CHistogram&);
    /// @endcond
};

#endif // TESSARINE_HISTOGRAM_H
