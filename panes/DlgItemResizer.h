// DlgItemResizer.h - keeps dialog controls in place when the dialog is
// resized.
//
//   CDlgItemResizer   registered controls with the edges each one anchors;
//                     Resize moves, stretches or hides them for the
//                     parent's current size. Edges anchored right or
//                     bottom keep the distance they had to the parent's
//                     right or bottom edge.
//   ResizeItem        one registered control (owned by the resizer).
#ifndef TESSARINE_DLGITEMRESIZER_H
#define TESSARINE_DLGITEMRESIZER_H

#include <afxwin.h>
#include <afxcoll.h>

// Anchoring flags of CDlgItemResizer::Add.
#define RZ_LEFT         0x01    // left edge stays at its x
#define RZ_RIGHT        0x02    // right edge keeps its distance to the parent's right edge
#define RZ_TOP          0x04    // top edge stays at its y
#define RZ_BOTTOM       0x08    // bottom edge keeps its distance to the parent's bottom edge
#define RZ_HIDEOUTSIDE  0x10    // hidden while not wholly inside the client area

struct ResizeItem
{
    UINT flags;
    HWND hWnd;
    RECT rcRecorded;    // in the parent's client coordinates
};

class AFX_EXT_CLASS CDlgItemResizer
{
public:
// Construction
    CDlgItemResizer();
    virtual ~CDlgItemResizer();

// Operations
    // Registers a child window with its anchoring flags; ignored for flags
    // 0, a NULL window or a window without parent. The first registration
    // takes the parent's client size as the reference size.
    void Add(CWnd* pWnd, UINT nFlags);
    void Add(CWnd* pParent, int nID, UINT nFlags);
    // Takes the present layout and client size as the new reference.
    void RecalcPositions();
    // Lays the controls out for pParent's current client size. Nothing
    // happens before the first registration or while pParent is minimized.
    void Resize(CWnd* pParent);

// Implementation
protected:
    void AddWindow(HWND hWnd, UINT nFlags);

    CPtrArray m_items;          // ResizeItem*, in registration order
    CSize     m_szInitial;      // client size the recorded rectangles belong to

private:
    CDlgItemResizer(const CDlgItemResizer&);
    CDlgItemResizer& operator=(const CDlgItemResizer&);
};

#endif // TESSARINE_DLGITEMRESIZER_H
