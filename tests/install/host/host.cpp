// A minimal host of the installed libraries: it links both by import,
// creates their controls in a real window and uses a few members of each,
// as a product's dialog code would. The blocks between //! [name] lines are
// the reference's examples (docs/make-docs), so every example is compiled
// against the installed headers and run by tests/install.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>
#include <cstdio>
#include <cstring>

#include "BitField.h"
#include "DialogUtilities.h"
#include "DlgItemResizer.h"
#include "DragImage.h"
#include "FileChecks.h"
#include "FileDialogEx.h"
#include "FlatCombo.h"
#include "GroupBox.h"
#include "Histogram.h"
#include "HotButton.h"
#include "LiveArrow.h"
#include "NumericEdit.h"
#include "SubclassWnd.h"
#include "xSplitterWnd.h"
#include "BigListCtrl.h"
#include "myqsort.h"

static int g_failures = 0;

static void Check(bool ok, const char* what)
{
    std::printf("host: %-48s %s\n", what, ok ? "ok" : "FAILED");
    if (!ok)
        ++g_failures;
}

static int CompareInts(void*, const void* a, const void* b)
{
    return *static_cast<const int*>(a) - *static_cast<const int*>(b);
}

static void NoteSwap(void* context, void*, void*)
{
    ++*static_cast<int*>(context);
}

//! [subclass]
// Sees every message of a window before the window's own procedure does.
class CTextWatch : public CSubclassWnd
{
public:
    int m_nTextChanges = 0;

protected:
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_SETTEXT)
            ++m_nTextChanges;
        return CSubclassWnd::WindowProc(nMsg, wParam, lParam);   // the rest of the chain
    }
};
//! [subclass]

//! [biglist-derived]
// The host's items; the list keeps a pointer to each and asks for its text.
struct Variable
{
    char name[32];
};

class CVariableList : public CBigListCtrl
{
protected:
    virtual void OnCBGetdispinfo(LVITEMA* pItem, long /*nKey*/, void* pData)
    {
        if (pItem->mask & LVIF_TEXT)
            lstrcpynA(pItem->pszText, static_cast<Variable*>(pData)->name, pItem->cchTextMax);
    }
    virtual void OnCBGetItem(LVITEMA* pItem, long nKey, void* pData)
    {
        OnCBGetdispinfo(pItem, nKey, pData);
    }
    virtual int OnCBSortItem(long, long, long, void* pData1, long, long, void* pData2)
    {
        return lstrcmpA(static_cast<Variable*>(pData1)->name, static_cast<Variable*>(pData2)->name);
    }
    virtual void OnCBDeleteAllItems(long /*nKey*/, void* /*pData*/)
    {
        // the host frees its item here when it gave the list ownership of it
    }
};
//! [biglist-derived]

//! [filedialog]
// Asks for a data file; an empty text when the user cancels. The dialog
// lives on the stack, as framework code makes it.
CString AskForDataFile(CWnd* pParent)
{
    CFileDialogEx dialog(TRUE, "sav", NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                         "Data files (*.sav)|*.sav|All files (*.*)|*.*||", pParent);
    CString path;
    if (dialog.DoModal() == IDOK)
        path = dialog.GetPathName();
    return path;
}
//! [filedialog]

static HWND MakeChild(CWnd& parent, const char* cls, UINT nID, const RECT& rc)
{
    return ::CreateWindowA(cls, "", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                           rc.bottom - rc.top, parent.GetSafeHwnd(), (HMENU)(UINT_PTR)nID, NULL, NULL);
}

static CRect ChildRect(CWnd& parent, UINT nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(parent.GetSafeHwnd(), nID), &rc);
    parent.ScreenToClient(&rc);
    return rc;
}

int main()
{
    // Thrown inside afxlite.dll, caught here: the runtimes let an exception
    // cross from one module into another at 32 bits too.
    bool caught = false;
    try
    {
        AfxThrowMemoryException();
    }
    catch (CMemoryException* e)
    {
        caught = e->IsKindOf(RUNTIME_CLASS(CMemoryException)) != FALSE;
        e->Delete();
    }
    Check(caught, "framework: exception caught across modules");

    //! [bitfield]
    BitField bits(2, 3);            // 16 bits, bit 3 set
    bits.SetBit(9);
    BitField mask(2, 9);
    bool both = (bits & mask).Count() == 1;
    //! [bitfield]
    Check(both && bits.Count() == 2 && bits.FirstBitPosition() == 3, "Tessarine: BitField");

    CWnd parent;
    BOOL created = parent.CreateEx(0, "STATIC", "host", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0);
    Check(created != FALSE, "framework: parent window");

    //! [histogram]
    // The owner (here: parent) gets HM_CUTPOINTSELECTED, HM_CUTPOINTMOVED and
    // HM_CUTPOINTREMOVED as the user works the cutpoints.
    CHistogram histogram;
    BOOL histogramCreated = histogram.Create(HISTOGRAM_CLASSNAME, "", WS_CHILD | WS_VISIBLE,
                                             CRect(0, 0, 200, 100), &parent, 100);
    histogram.SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);
    CArray<HistoBin, HistoBin&> bins;
    HistoBin bin;
    bin.label = "10";
    bin.upper = 10.0;
    bin.count = 5.0;
    bins.Add(bin);
    bin.label = "20";
    bin.upper = 20.0;
    bin.count = 8.0;
    bins.Add(bin);
    BOOL accepted = histogram.SetHistogram(0.0, bins);   // x from 0 to 20
    histogram.AddCutpoint(5.0);
    //! [histogram]
    Check(histogramCreated != FALSE, "Tessarine: CHistogram::Create");
    Check(accepted && histogram.HasCutpoint(5.0), "Tessarine: CHistogram data and cutpoints");

    // Framework code makes a file dialog on the stack.
    {
        CFileDialogEx dialog(TRUE, "sav", NULL, OFN_HIDEREADONLY, "Data (*.sav)|*.sav||", &parent);
        Check(dialog.IsKindOf(RUNTIME_CLASS(CFileDialogEx)) && dialog.IsKindOf(RUNTIME_CLASS(CFileDialog)),
              "Tessarine: CFileDialogEx on the stack");
    }

    MakeChild(parent, "STATIC", 200, CRect(100, 110, 104, 200));
    MakeChild(parent, "LISTBOX", 201, CRect(0, 110, 90, 200));
    MakeChild(parent, "EDIT", 202, CRect(120, 110, 300, 200));
    //! [splitters]
    // The parent's static item 200 becomes a bar the user drags left and
    // right; list 201 left of it is stretched, edit 202 right of it moved.
    CxSplitterWnd xBar;
    BOOL bound = xBar.BindWithControl(&parent, 200);
    xBar.SetMinWidth(40, 40);
    xBar.AttachAsLeftPane(201, 6, TRUE);
    xBar.AttachAsRightPane(202, 6, FALSE);
    xBar.RecalcLayout();        // the panes move to the bar now
    //! [splitters]
    Check(bound && ChildRect(parent, 201).right == 94 && ChildRect(parent, 202).left == 110,
          "Tessarine: CxSplitterWnd panes");

    MakeChild(parent, "EDIT", 203, CRect(10, 210, 390, 230));
    //! [resizer]
    // Item 203 keeps its distance to the parent's right edge: it stretches.
    CDlgItemResizer resizer;
    resizer.Add(&parent, 203, RZ_LEFT | RZ_RIGHT | RZ_TOP);
    // ... and in the parent's WM_SIZE handler:
    resizer.Resize(&parent);
    //! [resizer]
    parent.SetWindowPos(NULL, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    resizer.Resize(&parent);
    Check(ChildRect(parent, 203).right == 490, "Tessarine: CDlgItemResizer");

    //! [livearrow]
    // Drawn inside the parent: its paint code calls Draw, its mouse handlers
    // MouseDown, Track and MouseUp; a click posts LAM_EXPANDSTATECHANGED.
    LiveArrow arrow;
    CRect rcArrow(380, 0, 388, 16);
    arrow.Initialize(&parent, TRUE, &rcArrow);
    CPoint upperHalf(384, 2);
    arrow.MouseDown(upperHalf);     // as from the parent's WM_LBUTTONDOWN
    arrow.MouseUp(upperHalf);       // as from WM_LBUTTONUP: collapses upward
    //! [livearrow]
    Check(arrow.GetExpandState() == LiveArrow::ES_CollapsedFirst, "Tessarine: LiveArrow click");

    //! [hotbutton]
    // A flat button; the parent gets BN_CLICKED as from any push button.
    CHotButton run;
    run.Create("Run", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(300, 260, 380, 284), &parent, 204);
    run.SetBorderStyle(CHotButton::HB_Raised);
    //! [hotbutton]
    Check(run.GetSafeHwnd() != NULL, "Tessarine: CHotButton::Create");

    //! [flatcombo]
    // Constructor and destructor are exported; the rest is the extended
    // combo box's own messages (and virtual members, through the table).
    CFlatCombo* pProcedures = new CFlatCombo;
    pProcedures->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 240, 190, 400), &parent, 205);
    const char* const procedureNames[] = { "Frequencies", "Compare means" };
    for (const char* procedureName : procedureNames)
    {
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = -1;            // at the end
        item.pszText = const_cast<char*>(procedureName);
        pProcedures->SendMessage(CBEM_INSERTITEMA, 0, (LPARAM)&item);
    }
    pProcedures->SendMessage(CB_SETCURSEL, 1, 0);
    //! [flatcombo]
    Check(pProcedures->SendMessage(CB_GETCURSEL, 0, 0) == 1, "Tessarine: CFlatCombo items");

    //! [numericedit]
    CNumericEdit weight;
    weight.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(200, 240, 290, 260), &parent, 206);
    weight.SetNumberType(CNumericEdit::typeDecimal);
    weight.SetWindowText("42.5x");  // typed or pasted, the text is checked as a whole:
                                    // the x goes, with a beep
    //! [numericedit]
    CString weightText;
    weight.GetWindowText(weightText);
    Check(weightText == "42.5", "Tessarine: CNumericEdit");

    CTextWatch watch;
    //! [subclass-use]
    watch.HookWindow(&parent);          // newest hook of the window
    parent.SetWindowText("renamed");    // CTextWatch::WindowProc sees WM_SETTEXT first
    watch.HookWindow((HWND)NULL);       // off again (the destructor would do it too)
    //! [subclass-use]
    Check(watch.m_nTextChanges == 1, "Tessarine: CSubclassWnd hook");

    //! [filechecks]
    CString name = "it's here.sav";
    AddQuotes(name);                    // "it's here.sav", in double quotes
    BOOL windowsThere = CheckLocalFileExistence("C:\\windows");
    //! [filechecks]
    Check(name == "\"it's here.sav\"" && windowsThere, "Tessarine: AddQuotes, CheckLocalFileExistence");
    // Compiled and linked; a test cannot answer the modal dialog.
    (void)&AskForDataFile;

    CListCtrl files;
    files.Create(WS_CHILD | WS_VISIBLE | LVS_ICON, CRect(0, 300, 200, 400), &parent, 207);
    files.InsertItem(0, "first.sav");
    files.InsertItem(1, "second.sav");
    //! [dragimage]
    // In the list's LVN_BEGINDRAG handler: one image of every selected item.
    files.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    files.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    CPoint hotSpot;
    CImageList* pDragImage = CreateDragImageEx(&files, &hotSpot, 5);
    // ... BeginDrag, DragEnter, DragMove, EndDrag; then:
    delete pDragImage;
    //! [dragimage]
    // Device contexts work in a 64-bit process only under WoW64's limits.
    if (sizeof(void*) == 8)
        Check(pDragImage != NULL, "Tessarine: CreateDragImageEx");

    //! [groupbox]
    // In a paint handler of the host's own: an etched frame with a caption.
    CClientDC dc(&parent);
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    cbGroupBox(&dc, CRect(10, 10, 190, 90), "Options", pFont);
    //! [groupbox]

    //! [dialogutilities]
    // One font for the parent and its direct children; a host's sound.
    SetDialogControlFont(&parent, pFont);
    PlayWave(1);        // a "WAVE" resource 1 of the host; none here: silent
    //! [dialogutilities]
    Check(run.GetFont() != NULL && run.GetFont()->GetSafeHandle() == pFont->GetSafeHandle(),
          "Tessarine: SetDialogControlFont");

    //! [myqsort]
    int numbers[] = { 5, 3, 9, 1, 7, 2, 8, 6, 4, 0 };
    int swaps = 0;      // the context both callbacks get
    myqsort(numbers, 10, sizeof(int), &swaps, CompareInts, NoteSwap);
    //! [myqsort]
    bool sorted = true;
    for (int i = 0; i < 10; ++i)
        sorted = sorted && numbers[i] == i;
    Check(sorted && swaps > 0, "Lumivane: myqsort");

    //! [biglist]
    // Any thread may insert, find and delete; each call names its thread.
    static Variable age = { "age" }, weightVariable = { "weight" };
    CVariableList list;
    BOOL listCreated = list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 100, 400, 300), &parent, 101);
    list.InsertColumn(0, "Variable", LVCFMT_LEFT, 120);
    DWORD me = GetCurrentThreadId();
    list.InsertItem(0, 42, &weightVariable, me);    // key 42, row 0
    list.InsertItem(1, 7, &age, me);                // key 7, row 1
    list.SetItemCountEx(list.GetItemCount(), LVSICF_NOINVALIDATEALL);
    list.OnSortItems(0);            // as a click on the column's header does
    void* data = NULL;
    long row = list.FindItem(42, data, me);
    CString first = list.GetItemText(0, 0, me);
    //! [biglist]
    Check(listCreated != FALSE, "Lumivane: CBigListCtrl::Create");
    Check(row >= 0 && data == &weightVariable && first.GetLength() > 0, "Lumivane: insert, sort and find");
    list.DestroyWindow();
    pProcedures->DestroyWindow();
    delete pProcedures;
    histogram.DestroyWindow();
    parent.DestroyWindow();

    if (g_failures == 0)
        std::printf("host: all checks passed\n");
    return g_failures == 0 ? 0 : 1;
}
