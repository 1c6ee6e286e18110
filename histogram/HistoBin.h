// HistoBin.h - the small records of the histogram control.
//
//   HistoBin      one bin as the host hands it over (exported)
//   HistoBinPos   one bin as the control keeps it, with its bar rectangle
//   CutpointBag   one cutpoint line
//   CutpointMove  lParam record of HM_CUTPOINTMOVED
#ifndef TESSARINE_HISTOBIN_H
#define TESSARINE_HISTOBIN_H

#include <afxwin.h>

// One bin: the label drawn under its upper edge, the upper edge itself and
// the frequency. The lower edge is the upper edge of the bin before it (or
// the lower edge given to CHistogram::SetHistogram for the first bin).
struct AFX_EXT_CLASS HistoBin
{
// Attributes
    CString label;
    double  upper;
    double  count;

// Construction
    // The numbers are zeroed; the control never reads them unassigned anyway.
    HistoBin();
    HistoBin(const HistoBin& other);
    ~HistoBin();

// Operations
    HistoBin& operator=(const HistoBin& other);
};

// A bin together with the rectangle of its bar in client coordinates, as the
// layout computes it. Kept inline: derived controls and hosts instantiate the
// array of these that CHistogram holds.
struct HistoBinPos : public HistoBin
{
    CRect barRect;

    HistoBinPos() : barRect(0, 0, 0, 0) {}
    HistoBinPos(const HistoBinPos& other) : HistoBin(other), barRect(other.barRect) {}
    ~HistoBinPos() {}

    HistoBinPos& operator=(const HistoBinPos& other)
    {
        HistoBin::operator=(other);
        barRect = other.barRect;
        return *this;
    }

    // Takes over the bin fields; the bar is not placed yet.
    HistoBinPos& operator=(const HistoBin& bin)
    {
        HistoBin::operator=(bin);
        barRect.SetRectEmpty();
        return *this;
    }
};

// One cutpoint line at a value of the x scale; at most one is selected.
struct CutpointBag
{
    double value;
    BOOL   selected;
};

// What HM_CUTPOINTMOVED points to: the value before the drag and the value
// after the drop (snapping included).
struct CutpointMove
{
    double oldValue;
    double newValue;
};

#endif // TESSARINE_HISTOBIN_H
