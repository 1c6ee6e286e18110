// A minimal host of the installed libraries: it links both by import,
// creates their controls in a real window and uses a few members of each,
// as a product's dialog code would.
#include <afxwin.h>
#include <afxcmn.h>
#include <cstdio>

#include "BitField.h"
#include "FileDialogEx.h"
#include "Histogram.h"
#include "LiveArrow.h"
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

    BitField bits(2, 3);
    Check(bits.Count() == 1 && bits.FirstBitPosition() == 3, "Tessarine: BitField");

    CWnd parent;
    BOOL created = parent.CreateEx(0, "STATIC", "host", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0);
    Check(created != FALSE, "framework: parent window");

    CHistogram histogram;
    Check(histogram.Create("HISTOGRAMCLASS", "", WS_CHILD | WS_VISIBLE,
                           CRect(0, 0, 200, 100), &parent, 100) != FALSE,
          "Tessarine: CHistogram::Create");
    CArray<HistoBin, HistoBin&> bins;
    HistoBin bin;
    bin.label = "10";
    bin.upper = 10.0;
    bin.count = 5.0;
    bins.Add(bin);
    Check(histogram.SetHistogram(0.0, bins) && histogram.AddCutpoint(5.0) &&
              histogram.HasCutpoint(5.0),
          "Tessarine: CHistogram data and cutpoints");

    // Framework code makes a file dialog on the stack.
    {
        CFileDialogEx dialog(TRUE, "sav", NULL, OFN_HIDEREADONLY, "Data (*.sav)|*.sav||", &parent);
        Check(dialog.IsKindOf(RUNTIME_CLASS(CFileDialogEx)) && dialog.IsKindOf(RUNTIME_CLASS(CFileDialog)),
              "Tessarine: CFileDialogEx on the stack");
    }

    LiveArrow arrow;
    CRect rcArrow(10, 20, 18, 28);
    arrow.Initialize(&parent, TRUE, &rcArrow);
    Check(!arrow.Collapsed() && arrow.GetExpandState() == LiveArrow::ES_Expanded, "Tessarine: LiveArrow");

    int numbers[] = { 5, 3, 9, 1, 7, 2, 8, 6, 4, 0 };
    int swaps = 0;
    myqsort(numbers, 10, sizeof(int), &swaps, CompareInts, NoteSwap);
    bool sorted = true;
    for (int i = 0; i < 10; ++i)
        sorted = sorted && numbers[i] == i;
    Check(sorted && swaps > 0, "Lumivane: myqsort");

    CBigListCtrl list;
    Check(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 100, 400, 300), &parent, 101) != FALSE,
          "Lumivane: CBigListCtrl::Create");
    DWORD me = GetCurrentThreadId();
    list.InsertItem(0, 42, &numbers[0], me);
    void* data = NULL;
    Check(list.FindItem(42, data, me) == 0 && data == &numbers[0], "Lumivane: insert and find");
    list.DestroyWindow();
    histogram.DestroyWindow();
    parent.DestroyWindow();

    if (g_failures == 0)
        std::printf("host: all checks passed\n");
    return g_failures == 0 ? 0 : 1;
}
