/// @file HistoBin.h
/// The small records of the histogram control.
///
/// - HistoBin: one bin as the host hands it over (exported)
/// - HistoBinPos: one bin as the control keeps it, with its bar rectangle
/// - CutpointBag: one cutpoint line
/// - CutpointMove: lParam record of HM_CUTPOINTMOVED
#ifndef TESSARINE_HISTOBIN_H
#define TESSARINE_HISTOBIN_H

#include <afxwin.h>

/// One bin: the label drawn under its upper edge, the upper edge itself and
/// the frequency. The lower edge is the upper edge of the bin before it (or
/// the lower edge given to CHistogram::SetHistogram for the first bin).
struct AFX_EXT_CLASS HistoBin
{
// Attributes
    /// Text drawn centred under the bin's upper edge.
    CString label;
    /// Upper (right) edge of the bin on the x scale.
    double  upper;
    /// Frequency of the bin; the bar's height is proportional to it; never negative.
    double  count;

// Construction
    /// An empty label; the numbers are zeroed (the control never reads them
    /// unassigned anyway).
    HistoBin();
    /// Copies all three fields.
    HistoBin(const HistoBin& other);
    /// Frees the label.
    ~HistoBin();

// Operations
    /// Copies all three fields.
    HistoBin& operator=(const HistoBin& other);
};

/// A bin together with the rectangle of its bar in client coordinates, as the
/// layout computes it. Kept inline: derived controls and hosts instantiate the
/// array of these that CHistogram holds.
struct HistoBinPos : public HistoBin
{
    /// The bar's rectangle in the control's client coordinates; empty until
    /// the layout places it.
    CRect barRect;

    /// An empty bin with an empty bar.
    HistoBinPos() : barRect(0, 0, 0, 0) {}
    /// Copies the bin and its bar.
    HistoBinPos(const HistoBinPos& other) : HistoBin(other), barRect(other.barRect) {}
    /// Frees the label.
    ~HistoBinPos() {}

    /// Copies the bin and its bar.
    HistoBinPos& operator=(const HistoBinPos& other)
    {
        HistoBin::operator=(other);
        barRect = other.barRect;
        return *this;
    }

    /// Takes over the bin fields; the bar is not placed yet.
    HistoBinPos& operator=(const HistoBin& bin)
    {
        HistoBin::operator=(bin);
        barRect.SetRectEmpty();
        return *this;
    }
};

/// One cutpoint line at a value of the x scale; at most one is selected.
/// HM_CUTPOINTSELECTED points to one.
struct CutpointBag
{
    /// Position on the x scale.
    double value;
    /// Non-zero for the selected (highlighted) cutpoint.
    BOOL   selected;
};

/// What HM_CUTPOINTMOVED points to: the value before the drag and the value
/// after the drop (snapping included).
struct CutpointMove
{
    /// The value when the drag began.
    double oldValue;
    /// The value after the drop, snapping included.
    double newValue;
};

#endif // TESSARINE_HISTOBIN_H
