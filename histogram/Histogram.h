// Histogram.h - the histogram control.
//
//   CHistogram   child window showing host-supplied bins as bars over a
//                linear x scale, with cutpoint lines the user can click and
//                drag; the owner is told by the HM_CUTPOINT... messages.
#ifndef TESSARINE_HISTOGRAM_H
#define TESSARINE_HISTOGRAM_H

#include <afxwin.h>
#include <afxtempl.h>

#include "HistoBin.h"

// Notifications sent to the owner (SendMessage; the result is ignored).
// wParam is the control's identifier; lParam points into the control and is
// valid only while the message is handled.
//   HM_CUTPOINTSELECTED  lParam: CutpointBag* - the clicked cutpoint
//   HM_CUTPOINTMOVED     lParam: CutpointMove* - a drag ended inside the x range
//   HM_CUTPOINTREMOVED   lParam: double* - value before the drag; the
//                        cutpoint was dropped outside the x range and is gone
#define HM_CUTPOINTSELECTED  (WM_APP + 0xA7C)
#define HM_CUTPOINTMOVED     (WM_APP + 0xA7D)
#define HM_CUTPOINTREMOVED   (WM_APP + 0xA7E)

// Window class registered by every constructor; a dialog template may use it
// for a custom item that Initialize later binds.
#define HISTOGRAM_CLASSNAME  "HISTOGRAMCLASS"

class AFX_EXT_CLASS CHistogram : public CWnd
{
public:
    // Last failure, as CurrentError reports it.
    enum HistoErrors
    {
        HE_None             = 0,
        HE_BinsNotAscending = 1,
        HE_NegativeCount    = 2,
        HE_SubclassFailed   = 3,
        HE_BadCutpoint      = 4
    };

    // Feature flags; other bits are kept and ignored.
    enum
    {
        HF_SelectCutpoints = 0x1,   // a click on a cutpoint selects it
        HF_DragCutpoints   = 0x2    // ...and may drag it (needs 0x1)
    };

// Construction
    CHistogram();
    virtual ~CHistogram();

    // Binds to the existing child nID of pParent (a dialog item of class
    // HISTOGRAMCLASS, for instance).
    virtual BOOL Initialize(CWnd* pParent, UINT nID);

// Data
    virtual BOOL SetHistogram(double lower, const CArray<HistoBin, HistoBin&>& bins);
    virtual void ClearHistogram(BOOL bShowMessage);
    void X_AxisRange(double* pMin, double* pMax);
    HistoErrors CurrentError() const;

// Cutpoints
    virtual BOOL HasCutpoint(double value) const;
    virtual BOOL AddCutpoint(double value);
    virtual BOOL RemoveCutpoint(double value);
    virtual BOOL SelectCutpoint(double value);

// Appearance: each setter returns the previous value and repaints.
    COLORREF BarFillColor() const;
    COLORREF SetBarFillColor(COLORREF color);
    COLORREF BarLineColor() const;
    COLORREF SetBarLineColor(COLORREF color);
    COLORREF CutpointColor() const;
    COLORREF SetCutpointColor(COLORREF color);
    COLORREF CutpointHighlightColor() const;
    COLORREF SetCutpointHighlightColor(COLORREF color);
    int CutpointLineWidth() const;
    int SetCutpointLineWidth(int width);
    int CutpointHighlightLineWidth() const;
    int SetCutpointHighlightLineWidth(int width);
    DWORD FeatureFlags() const;
    void SetFeatureFlags(DWORD flags);

protected:
// Layout, for derived classes
    void RecalcHistogram();
    int X_AxisPos(double x);
    int Y_AxisPos(double yMax, double y);
    void Resize();
    int CutpointIndex(double value) const;

// Implementation
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

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CHistogram(const CHistogram&);
    CHistogram& operator=(const CHistogram&);
};

#endif // TESSARINE_HISTOGRAM_H
