// What Tessarine.dll exports of the histogram: the interface, not the
// message handlers, drawing helpers or the virtual table.
#include <windows.h>

#include <gtest/gtest.h>

#include "Histogram.h"
#include "ExportChecks.h"

namespace {

// Decorated names are the same for both pointer widths here (no pointer-
// sized integers in these signatures).
const char* const kExported[] = {
    "_ZN10CHistogramC1Ev",
    "_ZN10CHistogramD1Ev",
    "_ZN10CHistogram10InitializeEP4CWndj",
    "_ZN10CHistogram12SetHistogramEdRK6CArrayI8HistoBinRS1_E",
    "_ZN10CHistogram14ClearHistogramEi",
    "_ZN10CHistogram11X_AxisRangeEPdS0_",
    "_ZNK10CHistogram12CurrentErrorEv",
    "_ZNK10CHistogram11HasCutpointEd",
    "_ZN10CHistogram11AddCutpointEd",
    "_ZN10CHistogram14RemoveCutpointEd",
    "_ZN10CHistogram14SelectCutpointEd",
    "_ZN10CHistogram15SetBarFillColorEm",
    "_ZNK10CHistogram26CutpointHighlightLineWidthEv",
    "_ZN10CHistogram15SetFeatureFlagsEm",
    "_ZN10CHistogram15RecalcHistogramEv",
    "_ZN10CHistogram9X_AxisPosEd",
    "_ZN10CHistogram9Y_AxisPosEdd",
    "_ZN10CHistogram6ResizeEv",
    "_ZNK10CHistogram13CutpointIndexEd",
    "_ZNK10CHistogram13GetMessageMapEv",   // for classes derived in a host
    "_ZN10CHistogram10messageMapE",
    "_ZTI10CHistogram",
    "_ZN8HistoBinC1Ev",
    "_ZN8HistoBinC1ERKS_",
    "_ZN8HistoBinD1Ev",
    "_ZN8HistoBinaSERKS_",
};

const char* const kInternal[] = {
    "_ZTV10CHistogram",
    "_ZN10CHistogram7OnPaintEv",
    "_ZN10CHistogram6OnSizeEjii",
    "_ZN10CHistogram13OnLButtonDownEj6CPoint",
    "_ZN10CHistogram11OnMouseMoveEj6CPoint",
    "_ZN10CHistogram11OnLButtonUpEj6CPoint",
    "_ZN10CHistogram12SnapCutpointEd",
    "_ZN10CHistogram15CutpointHitTestEii",
    "_ZN10CHistogram15CutpointScreenXEi",
    "_ZN10CHistogram13DrawCutpointsEP3CDC",
    "_ZN10CHistogram18RecreateGdiObjectsEv",
};

TEST(HistogramExports, InterfaceOnly)
{
    testsupport::ExpectExportsOnly(::GetModuleHandleA("Tessarine.dll"), kExported, kInternal);
}

} // namespace
