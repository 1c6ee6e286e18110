/// @file LiveArrow.h
/// The collapse arrow drawn inside a host window.
///
/// Classes in this header:
/// - LiveArrow: a small clickable pair of arrows (up/down or left/right) that
///   is not a window of its own
#ifndef TESSARINE_LIVEARROW_H
#define TESSARINE_LIVEARROW_H

#include <afxwin.h>
#include <afxcmn.h>

/// 0x96D7, posted to the host window when a click changed the expand state.
/// wParam: the bVertical given to LiveArrow::Initialize; lParam: the new
/// LiveArrow::ExpandState.
#define LAM_EXPANDSTATECHANGED 0x96D7

/// A small clickable pair of arrows (up/down or left/right) drawn inside a
/// window of the host; not a window of its own.
///
/// @image html livearrow_vertical.png "Vertical arrows in the gallery: expanded, collapsed each way; idle, hovered, pressed"
/// @image html livearrow_horizontal.png "Horizontal arrows in the gallery"
///
/// The widget lives in a window of the host, which forwards its events:
///
/// | Host's code | Calls |
/// |---|---|
/// | paint code | Draw(pDC) |
/// | WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP handlers | MouseDown, Track, MouseUp (host client coordinates) |
/// | PreTranslateMessage | LiveArrow::RelayToolTipEvent(pMsg) |
/// | TTN_NEEDTEXTA / TTN_NEEDTEXTW handler | GetTTTextA / GetTTTextW |
///
/// Expanded, it shows both arrows; a click on one collapses in that
/// direction and one arrow pointing back is left, which restores. Every
/// click that changes the state posts #LAM_EXPANDSTATECHANGED (0x96D7) to the
/// host window (wParam: the bVertical given to Initialize, lParam: the new
/// ExpandState); the host moves its panes and repaints.
///
/// All widgets share one tooltip control per process. Its window is owned by
/// the host of the last Initialize that had to create it, and its one tool is
/// that host window itself (TTF_IDISHWND, text on request), so the host
/// window receives the text requests ("Collapse Up", "Collapse Down",
/// "Collapse Left", "Collapse Right", "Restore").
///
/// Threads: the user-interface thread only; nothing is locked.
///
/// @par Example
/// @snippet host.cpp livearrow
class AFX_EXT_CLASS LiveArrow
{
public:
    /// Which arrows the widget shows.
    enum ExpandState
    {
        ES_Expanded = 0,        ///< both arrows
        ES_CollapsedFirst = 1,  ///< collapsed up/left: the down/right arrow is shown
        ES_CollapsedSecond = 2  ///< collapsed down/right: the up/left arrow is shown
    };

    /// Where the pointer is, as the last forwarded mouse event left it.
    enum TrackState
    {
        TS_None = 0,            ///< pointer not over the widget
        TS_HoverFirst = 1,      ///< over the first arrow (collapsed first: the single arrow)
        TS_PressFirst = 2,      ///< as TS_HoverFirst, primary button down
        TS_HoverSecond = 3,     ///< over the second arrow (collapsed second: the single arrow)
        TS_PressSecond = 4      ///< as TS_HoverSecond, primary button down
    };

// Construction
    /// Not bound, expanded, visible.
    LiveArrow();
    /// Frees the arrow bitmaps; the shared tooltip stays.
    virtual ~LiveArrow();

    /// Binds the widget to pWnd with the arrow rectangle *pRect (host client
    /// coordinates), loads the arrow bitmaps and makes sure the shared
    /// tooltip serves pWnd. bVertical: non-zero for up and down arrows, 0 for
    /// left and right. TRUE when both bitmaps were loaded; the
    /// tooltip's fate does not count. A second call frees the bitmaps of
    /// the first before loading again.
    BOOL Initialize(CWnd* pWnd, int bVertical, const RECT* pRect);

// Attributes
    /// Whether the state is not ES_Expanded.
    BOOL Collapsed() const;
    /// The present expand state.
    ExpandState GetExpandState() const;
    /// Stores the state only: no repaint, no message.
    void SetExpandState(ExpandState state);
    /// The present track state.
    TrackState GetTrackState() const;

// Operations
    /// Draws the arrow bitmaps (no frame) into the host's paint DC.
    void Draw(CDC* pDC);
    /// Shows or hides the widget; invalidates the arrow rectangle.
    void Show(BOOL bShow);
    /// New arrow rectangle; invalidates the old and the new one. TRUE when
    /// the new rectangle is not empty.
    BOOL Move(const RECT* pRect);

    /// Mouse events in host client coordinates. Each returns TRUE when the
    /// pointer is over the widget and the widget took the event.
    BOOL MouseDown(const CPoint& pt);
    /// A mouse move: the hover or press frame follows the pointer.
    BOOL Track(const CPoint& pt);
    /// A release over the widget: expanded, it collapses toward the half
    /// released on; collapsed, it expands again. #LAM_EXPANDSTATECHANGED is
    /// posted with the new state.
    BOOL MouseUp(const CPoint& pt);

    /// Passes a mouse message to the shared tooltip, when it exists.
    static void RelayToolTipEvent(MSG* pMsg);

    /// Fill a tooltip text request; FALSE (and *pInfo untouched) when there
    /// is no text in the present state.
    BOOL GetTTTextA(NMTTDISPINFOA* pInfo);
    /// The same for a TTN_NEEDTEXTW request (the text in UTF-16).
    BOOL GetTTTextW(NMTTDISPINFOW* pInfo);

// Implementation
    /// @cond IMPLEMENTATION
protected:
    // The area the widget reacts to: expanded, the arrow rectangle grown
    // by half its size on both ends of its axis; collapsed, the arrow
    // rectangle itself.
    CRect GetHitRect() const;
    // Upper (vertical) or left (horizontal) half of the hit rectangle.
    CRect GetFirstHalfRect() const;
    // The rest of the hit rectangle.
    CRect GetSecondHalfRect() const;
    // Where the first and the second bitmap go for a bitmap of size bm.
    CPoint GetFirstBitmapPos(const CSize& bm) const;
    CPoint GetSecondBitmapPos(const CSize& bm) const;
    // String of the tooltip text for the present states; 0 for none.
    UINT GetToolTipTextId() const;
    // The text of the present state through the resource bracket; FALSE
    // when hidden, pressed or the string is missing.
    BOOL LoadToolTipText(CString& text) const;

    // Track state over pt with the primary button down or up.
    TrackState TrackStateAt(const CPoint& pt, BOOL bDown, BOOL* pInFirst) const;
    // The frame of the present track state, drawn at once.
    void RedrawFrame(BOOL inFirst);
    BOOL HostExists() const;
    // Gives up the capture Track took for the host, if the host still
    // holds it.
    void ReleaseTrackCapture();

    static BOOL IsPrimaryButtonDown();
    static void AttachSharedToolTip(CWnd* pWnd);

    CWnd* m_pWnd;               // host window, not owned
    CRect m_rect;               // arrow rectangle, host client coordinates
    CBitmap m_bmpFirst;         // up (vertical) or left (horizontal)
    CBitmap m_bmpSecond;        // down or right
    int m_bVertical;            // as given to Initialize
    BOOL m_bVisible;
    ExpandState m_expandState;
    TrackState m_trackState;
    HWND m_hWndCapture;         // the host while it holds the capture Track took

    // The one tooltip control of every widget of the process.
    static CToolTipCtrl s_toolTip;

private:
    LiveArrow(const LiveArrow&);
    LiveArrow& operator=(const LiveArrow&);
    /// @endcond
};

#endif // TESSARINE_LIVEARROW_H
