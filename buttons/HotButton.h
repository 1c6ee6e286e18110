/// @file HotButton.h
/// The flat, hot-tracking push button.
///
/// - CHotButton: a BUTTON window that paints itself flat (or raised), lights
///   up while the mouse is over it and can show an image from its own copy of
///   an image list beside or instead of its caption. Bound by creating it
///   through CButton::Create or by subclassing a dialog item (DDX_Control,
///   SubclassDlgItem).
///
/// The border is painted in WM_NCPAINT on the one-pixel static edge the
/// button gives itself, the background in WM_ERASEBKGND and caption, image
/// and focus rectangle in WM_PAINT; the standard button procedure paints
/// nothing. The hot state is held through the mouse capture.
#ifndef TESSARINE_HOTBUTTON_H
#define TESSARINE_HOTBUTTON_H

#include <afxwin.h>
#include <afxcmn.h>

/// Where the image of a CHotButton goes; the caption takes the rest of the
/// width. Other values are kept as they are and draw the image at the right
/// edge.
enum ButtonImageAlign
{
    BIA_Left   = 1,     ///< image at the left edge, caption to its right
    BIA_Center = 2,     ///< image centred, no caption
    BIA_Right  = 3      ///< image at the right edge, caption to its left
};

/// A push button that paints itself flat (or raised), lights up while the
/// mouse is over it and can show an image from its own copy of an image list
/// beside or instead of its caption.
///
/// @image html hotbutton.png "Hot buttons in the gallery: flat and raised, with and without images, hot, pressed, checked, disabled"
///
/// Bound by creating it through CButton::Create or by subclassing a dialog
/// item (DDX_Control, SubclassDlgItem). It stays a standard BUTTON: the
/// parent gets BN_CLICKED (WM_COMMAND, wParam: identifier and BN_CLICKED,
/// lParam: the button's window) as from any push button, and BM_SETCHECK,
/// BM_GETCHECK and the keyboard work as usual.
///
/// Messages handled: WM_NCPAINT (the border, on the one-pixel static edge
/// the button gives itself), WM_ERASEBKGND (the background, or the
/// checkerboard of SetHighlight), WM_PAINT (caption, image, focus
/// rectangle); WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP and
/// WM_LBUTTONDBLCLK for the hot and pressed states (the hot state holds the
/// mouse capture while the pointer is over the button; a double click is
/// one more press); WM_KEYDOWN and WM_KEYUP (space and select press the
/// button as the mouse does); WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_SIZE
/// and BM_SETCHECK repaint; TTN_NEEDTEXTA gives the caption as tooltip text
/// for a tool registered by the button's window.
///
/// Threads: the thread that owns the window only. All buttons of the process
/// share the checkerboard bitmap and the tooltip text buffer, unlocked.
///
/// @par Example
/// @snippet host.cpp hotbutton
class AFX_EXT_CLASS CHotButton : public CButton
{
    DECLARE_DYNAMIC(CHotButton)

public:
    /// The border's look (SetBorderStyle).
    enum HB_BorderStyle
    {
        HB_Flat   = 0,  ///< border only while hot or down
        HB_Raised = 1   ///< always raised; deeper when hot, sunken when down
    };

// Construction
    /// Flat, no image, image at the left.
    CHotButton();
    /// Deletes the button's image list; CWnd destroys the window.
    virtual ~CHotButton();

// Operations (through the virtual table, so a host's overrides are used)
    /// Accepts HB_Flat and HB_Raised only; repaints when the window exists.
    virtual void SetBorderStyle(HB_BorderStyle style);
    /// The button's own image list, or NULL.
    virtual HIMAGELIST GetImageList();
    /// Deletes the button's image list.
    virtual void CleanupBitmaps();
    /// Whether the button holds an image list.
    virtual BOOL HasButtonImage();
    /// Copies pImages (image 0 normal, image 1 disabled; NULL: no images)
    /// and stores the alignment either way. The caller keeps pImages.
    virtual void SetButtonImages(CImageList* pImages, ButtonImageAlign align);
    /// Draws the background with the checkerboard of face and highlight.
    virtual void SetHighlight(BOOL bHighlight);
    /// A value kept for the host; the button does not use it.
    virtual int GetImageStateValue();
    /// Stores the host's value; returns the previous one.
    virtual int SetImageStateValue(int nValue);     // returns the previous value
    /// Draws image 0 (image 1 while disabled) beside the caption.
    virtual void RenderButtonImage(CDC* pDC);
    /// Draws the focus rectangle while the button has the focus.
    virtual void RenderFocus(CDC* pDC);

// Implementation
    /// @cond IMPLEMENTATION
protected:
    BOOL m_bHot;                // the mouse is over the button
    BOOL m_bHighlight;          // checkerboard background
    BOOL m_bPressed;            // held down by the mouse or a key (1)
    LONG m_hPrevCapture;        // capture holder before hot tracking took it; -1: none taken
    CRect m_rcWindow;           // (0, 0, width, height) of the whole window
    CImageList m_imageList;     // copy of the caller's images
    ButtonImageAlign m_imageAlign;
    int m_nImageState;
    HB_BorderStyle m_borderStyle;

    // Conditions, read fresh each time.
    BOOL IsDisabled() const;
    BOOL IsChecked() const;
    BOOL IsDown() const;        // pressed, or checked
    BOOL IsFocused() const;
    BOOL IsDefaultButton() const;

    void RepaintFully();
    void ReleaseHotCapture();
    // Default processing, which may run a host handler that destroys the
    // button and deletes this object; FALSE when it did (nothing of this
    // object may be touched then).
    BOOL DefaultKeepsButton();
    void UpdateWindowRect();
    int ImageWidth(int nImage);
    CRect GetTextRect();
    UINT GetTextAlignment();
    void DrawFlatBorder();
    void DrawRaisedBorder();

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg LRESULT OnKeyDownMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKeyUpMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipNeedText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CHotButton(const CHotButton&);
    CHotButton& operator=(const CHotButton&);
    /// @endcond
};

#endif // TESSARINE_HOTBUTTON_H
