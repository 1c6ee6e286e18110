// SplitterTrack.h - what the two splitter bars share (internal to the
// library): finding a pane's window, rectangles in the parent's client
// coordinates, and the drag of a bar with its ghost on the parent.
#ifndef TESSARINE_SPLITTERTRACK_H
#define TESSARINE_SPLITTERTRACK_H

#include <afxwin.h>

#include "ControlInfo.h"

inline int SplitterMin(int a, int b) { return a < b ? a : b; }
inline int SplitterMax(int a, int b) { return a > b ? a : b; }

// The window of a pane: the parent's dialog item or the attached window.
// NULL when that window no longer exists, so layout and drag limits skip it.
HWND SplitterPaneWindow(HWND hParent, const ControlInfo& pane);

// hWnd's window rectangle in hParent's client coordinates.
CRect SplitterRectInParent(HWND hWnd, HWND hParent);

// hWnd's window rectangle on the screen.
CRect SplitterScreenRect(HWND hWnd);

// Drags the bar until the left button goes up, Escape is pressed, the
// right button goes down or the bar loses the capture. The cursor is
// clipped to rcClip (screen) meanwhile and a ghost of the bar is drawn on
// pParent's client area at the tracked place. ptPress is the press point
// in the bar's client coordinates; bVertical selects the axis the bar
// moves along (FALSE: horizontally). Gives the displacement of the last
// tracked place in *pDelta and that place, in pParent's client
// coordinates, in *prcLast. Returns FALSE when a message handled during
// the drag destroyed the bar or its parent: pBar may have been deleted
// then, and the caller must not touch it. The caller has checked that no
// window holds the capture.
BOOL SplitterTrackBar(CWnd* pBar, CWnd* pParent, CPoint ptPress, const CRect& rcClip,
                      BOOL bVertical, int* pDelta, CRect* prcLast);

#endif // TESSARINE_SPLITTERTRACK_H
