// What Tessarine.dll exports of the splitters and the resizer: their
// interface, not the message handlers, the drag limits, the window-pointer
// attach calls or the virtual tables.
#include <windows.h>

#include <gtest/gtest.h>
#include "ExportChecks.h"

namespace {

const char* const kExported[] = {
    "_ZN13CxSplitterWndC1Ev",
    "_ZN13CxSplitterWndD1Ev",
    "_ZN13CxSplitterWnd15BindWithControlEP4CWndm",
    "_ZN13CxSplitterWnd6UnbindEv",
    "_ZN13CxSplitterWnd11SetMinWidthEii",
    "_ZN13CxSplitterWnd16AttachAsLeftPaneEmii",
    "_ZN13CxSplitterWnd17AttachAsRightPaneEmii",
    "_ZN13CxSplitterWnd12RecalcLayoutEv",
    "_ZNK13CxSplitterWnd13GetMessageMapEv",     // for classes derived in a host
    "_ZN13CxSplitterWnd10messageMapE",
    "_ZN13CySplitterWndC1Ev",
    "_ZN13CySplitterWndD1Ev",
    "_ZN13CySplitterWnd15BindWithControlEP4CWndm",
    "_ZN13CySplitterWnd6UnbindEv",
    "_ZN13CySplitterWnd12SetMinHeightEii",
    "_ZN13CySplitterWnd14SetAreaMarginsEii",
    "_ZN13CySplitterWnd17AttachAsAbovePaneEmii",
    "_ZN13CySplitterWnd17AttachAsBelowPaneEmii",
    "_ZN13CySplitterWnd12RecalcLayoutEv",
    "_ZNK13CySplitterWnd13GetMessageMapEv",
    "_ZN13CySplitterWnd10messageMapE",
    "_ZN15CDlgItemResizerC1Ev",
    "_ZN15CDlgItemResizerD1Ev",
    "_ZN15CDlgItemResizer3AddEP4CWndj",
    "_ZN15CDlgItemResizer3AddEP4CWndij",
    "_ZN15CDlgItemResizer15RecalcPositionsEv",
    "_ZN15CDlgItemResizer6ResizeEP4CWnd",
};

const char* const kInternal[] = {
    "_ZTV13CxSplitterWnd",
    "_ZTV13CySplitterWnd",
    "_ZTV15CDlgItemResizer",
    "_ZN13CxSplitterWnd11OnSetCursorEP4CWndjj",
    "_ZN13CxSplitterWnd13OnLButtonDownEj6CPoint",
    "_ZN13CxSplitterWnd16CalcDragClipRectE6CPointP5CRect",
    "_ZN13CxSplitterWnd22AttachWindowAsLeftPaneEP4CWndii",
    "_ZN13CySplitterWnd13OnLButtonDownEj6CPoint",
    "_ZN15CDlgItemResizer9AddWindowEP6HWND__j",
};

TEST(SplitterExports, InterfaceOnly)
{
    HMODULE lib = ::GetModuleHandleA("Tessarine.dll");
    if (lib == NULL)
        lib = ::LoadLibraryA("Tessarine.dll");
    testsupport::ExpectExportsOnly(lib, kExported, kInternal);
}

} // namespace
