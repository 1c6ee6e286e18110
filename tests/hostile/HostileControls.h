// HostileControls.h - one control of each kind built on a parent window,
// shared by the leak and message-storm programs.
//
//   ControlKind     the controls of Tessarine and Lumivane that own a window
//   BuiltControl    one control made by Build: its object, window and what
//                   it was given; Destroy takes it down again
//   Build           creates a control of a kind, filled as a host fills it
//   UseAsPerson     real input and calls as a person would use it
//   HistogramProbe, BigListProbe, HotButtonProbe
//                   the histogram, the big list and the hot button Build
//                   makes, with their state in reach of the storm's checks
//   ArrowOf, ResizerOf
//                   the arrow and the resizer of a built control
//   DoModalCancelled
//                   runs a file dialog and cancels it as soon as it is up
#ifndef TESTS_HOSTILE_HOSTILECONTROLS_H
#define TESTS_HOSTILE_HOSTILECONTROLS_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>

#include <memory>
#include <string>

#include "BigListCtrl.h"
#include "DlgItemResizer.h"
#include "Histogram.h"
#include "HotButton.h"
#include "LiveArrow.h"

namespace hostile {

enum class ControlKind
{
    Histogram,
    XSplitter,
    YSplitter,
    LiveArrow,
    Resizer,
    HotButton,
    FlatCombo,
    NumericEdit,
    BigList,
};

const char* KindName(ControlKind kind);

// Every kind, for the tests' parameter lists, and their names as test names.
const ControlKind kAllKinds[] = { ControlKind::Histogram, ControlKind::XSplitter, ControlKind::YSplitter,
                                  ControlKind::LiveArrow, ControlKind::Resizer, ControlKind::HotButton,
                                  ControlKind::FlatCombo, ControlKind::NumericEdit, ControlKind::BigList };

struct KindTestName
{
    template <class Info>
    std::string operator()(const Info& info) const { return KindName(info.param); }
};

class HistogramProbe : public CHistogram
{
public:
    int CutpointCount() const { return (int)m_cutpoints.GetSize(); }
    const CutpointBag& Cutpoint(int i) const { return m_cutpoints.GetData()[i]; }
    int BinCount() const { return (int)m_bins.GetSize(); }
    const HistoBin& Bin(int i) const { return m_bins.GetData()[i]; }
    BOOL Dragging() const { return m_bDragging; }
    int DragIndex() const { return m_nDragIndex; }
};

// A host's class on the hot button (its run-time class and message map are
// the host's own).
class HotButtonProbe : public CHotButton
{
    DECLARE_DYNAMIC(HotButtonProbe)
    DECLARE_MESSAGE_MAP()
public:
    HB_BorderStyle BorderStyle() const { return m_borderStyle; }
    BOOL Highlight() const { return m_bHighlight; }
};

// Rows show "key:data"; column 0 sorts by key, the others by data.
class BigListProbe : public CBigListCtrl
{
public:
    void OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData) override;
    int OnCBSortItem(long nColumn, long nIndex1, long nKey1, void* pData1, long nIndex2,
                     long nKey2, void* pData2) override;
    int StoreCount() const { return m_nItemCount; }
    const CListData* Record(int row) const { return m_pItemArray->GetAt(row); }
};

// The window of a control: for the arrow and the resizer, the host window
// they work on.
struct BuiltControl
{
    virtual ~BuiltControl() {}
    virtual HWND Window() const = 0;
    // Destroys the windows Build made; the object goes with the BuiltControl.
    virtual void Destroy() = 0;
};

// Builds a control of kind as a child of parent (a visible top-level
// window), filled as the gallery fills it. NULL when creation failed.
std::unique_ptr<BuiltControl> Build(ControlKind kind, HWND parent);

// The arrow of a LiveArrow control, the resizer of a Resizer control;
// NULL for a control of another kind.
LiveArrow* ArrowOf(BuiltControl& control);
CDlgItemResizer* ResizerOf(BuiltControl& control);

// Uses the control as a person would: paints it, hovers until its tooltip
// shows (the arrow, the hot button, the flat combo), presses, drags, types,
// sorts, opens and closes its list, with real input.
void UseAsPerson(ControlKind kind, BuiltControl& control);

// Runs dlg.DoModal and cancels the dialog as soon as it is visible; a
// dialog the system refuses to show returns at once. DoModal's result;
// *shown (when given) tells whether the dialog came up.
int DoModalCancelled(CFileDialog& dlg, bool* shown = nullptr);

} // namespace hostile

#endif // TESTS_HOSTILE_HOSTILECONTROLS_H
