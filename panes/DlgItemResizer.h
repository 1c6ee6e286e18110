/// @file DlgItemResizer.h
/// Keeps dialog controls in place when the dialog is resized.
///
/// - CDlgItemResizer: registered controls with the edges each one anchors;
///   Resize moves, stretches or hides them for the parent's current size.
///   Edges anchored right or bottom keep the distance they had to the parent's
///   right or bottom edge.
/// - ResizeItem: one registered control (owned by the resizer).
#ifndef TESSARINE_DLGITEMRESIZER_H
#define TESSARINE_DLGITEMRESIZER_H

#include <afxwin.h>
#include <afxcoll.h>

// Anchoring flags of CDlgItemResizer::Add.
#define RZ_LEFT         0x01    ///< Anchoring flag of CDlgItemResizer::Add: the left edge stays at its x
#define RZ_RIGHT        0x02    ///< Anchoring flag: the right edge keeps its distance to the parent's right edge
#define RZ_TOP          0x04    ///< Anchoring flag: the top edge stays at its y
#define RZ_BOTTOM       0x08    ///< Anchoring flag: the bottom edge keeps its distance to the parent's bottom edge
#define RZ_HIDEOUTSIDE  0x10    ///< Anchoring flag: hidden while not wholly inside the client area

/// One control registered with a CDlgItemResizer (the resizer owns it).
struct ResizeItem
{
    /// The RZ_ flags it was registered with.
    UINT flags;
    /// The control's window.
    HWND hWnd;
    /// Its rectangle at registration (or at the last RecalcPositions), in
    /// the parent's client coordinates.
    RECT rcRecorded;    // in the parent's client coordinates
};

/// Keeps the controls of a dialog in place when the dialog is resized: each
/// registered control anchors some of its edges (RZ_LEFT, RZ_RIGHT, RZ_TOP,
/// RZ_BOTTOM); an edge anchored right or bottom keeps the distance it had to
/// the parent's right or bottom edge, so a control anchored on both sides
/// stretches. With RZ_HIDEOUTSIDE a control that no longer fits wholly
/// inside the client area is hidden, and shown again when it fits.
///
/// @image html splitters_resized.png "A split dialog in the gallery, built smaller and resized through CDlgItemResizer"
///
/// Not a window: the host calls Resize from its WM_SIZE handler. Threads:
/// the thread that owns the dialog only. The resizer never owns the
/// controls it moves.
///
/// @par Example
/// @snippet host.cpp resizer
class AFX_EXT_CLASS CDlgItemResizer
{
public:
// Construction
    /// No control registered.
    CDlgItemResizer();
    /// Forgets the registered controls (the windows stay).
    virtual ~CDlgItemResizer();

// Operations
    /// Registers a child window with its anchoring flags; ignored for flags
    /// 0, a NULL window or a window without parent. The first registration
    /// takes the parent's client size as the reference size.
    void Add(CWnd* pWnd, UINT nFlags);
    /// Registers the item nID of pParent, as Add(CWnd*, UINT).
    void Add(CWnd* pParent, int nID, UINT nFlags);
    /// Takes the present layout and client size as the new reference.
    void RecalcPositions();
    /// Lays the controls out for pParent's current client size. Nothing
    /// happens before the first registration or while pParent is minimized.
    void Resize(CWnd* pParent);

// Implementation
    /// @cond IMPLEMENTATION
protected:
    void AddWindow(HWND hWnd, UINT nFlags);

    CPtrArray m_items;          // ResizeItem*, in registration order
    CSize     m_szInitial;      // client size the recorded rectangles belong to

private:
    CDlgItemResizer(const CDlgItemResizer&);
    CDlgItemResizer& operator=(const CDlgItemResizer&);
    /// @endcond
};

#endif // TESSARINE_DLGITEMRESIZER_H
