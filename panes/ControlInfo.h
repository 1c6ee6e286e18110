/// @file ControlInfo.h
/// One pane attached to a splitter bar.
///
/// - ControlInfo: which window the pane is (a dialog control identifier of the
///   bar's parent, or a window pointer), the gap it keeps to the bar and
///   whether it is stretched or moved.
/// - SPM_BARMOVED: sent to the parent after a drag that moved a bar.
#ifndef TESSARINE_CONTROLINFO_H
#define TESSARINE_CONTROLINFO_H

#include <afxwin.h>

/// 0x8F63, sent (SendMessage, result ignored) to a splitter's parent after a
/// drag that moved the bar. wParam: the signed displacement in pixels (x bars:
/// new left minus old left; y bars: new top minus old top). lParam: the
/// bar's control identifier.
#define SPM_BARMOVED  (WM_APP + 0xF63)

/// One pane of a splitter bar (CxSplitterWnd, CySplitterWnd): the splitters
/// keep one record per attached pane, in the order the panes were attached.
struct ControlInfo
{
    BOOL      isWindowPtr;  ///< 0: control is a dialog control identifier; else a CWnd*
    DWORD_PTR control;      ///< resolved against the parent at each use, never cached
    int       gap;          ///< pixels between the edge facing the bar and the bar
    BOOL      stretch;      ///< non-zero: the far edge stays and the pane is resized
};

#endif // TESSARINE_CONTROLINFO_H
