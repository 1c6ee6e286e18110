// filedlg_page.cpp - the extended file dialog in the gallery: the system's
// Open dialog run by CFileDialogEx with a list of file types, photographed
// while it is up and shown in the cell as a picture.
//
// The dialog is modal, so it runs when the gallery first asks whether the
// item is ready. A thread timer, dispatched by the dialog's own message loop,
// waits until the folder's files are listed, copies the dialog's pixels and
// cancels it.
#include <afxwin.h>

#include <string>

#include "gallery.h"
#include "FileDialogEx.h"

namespace {

// the Open dialog's size with this machine's 16-pixel dialog font; a
// dialog of another size is centred in the cell
const int kCellWidth = 654;
const int kCellHeight = 383;
const DWORD kDeadlineMs = 20000;

HWND g_hPicture = NULL;
HBITMAP g_hShot = NULL;
bool g_bRan = false;
CFileDialog* g_pDlg = NULL;
DWORD g_dwStart = 0;

// The Open dialog shows this folder and its two data files.
std::string MakeSampleFolder()
{
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    std::string folder = std::string(szTemp) + "TessarineGallery";
    CreateDirectoryA(folder.c_str(), NULL);
    const char* files[] = { "survey_2024.sav", "survey_2025.sav", "codebook.txt" };
    for (const char* name : files)
    {
        HANDLE h = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    return folder;
}

// The number of items the dialog's file list shows, or -1 before it exists.
int ListedItems(HWND hDialog)
{
    HWND hView = FindWindowExA(hDialog, NULL, "SHELLDLL_DefView", NULL);
    HWND hList = hView != NULL ? FindWindowExA(hView, NULL, "SysListView32", NULL) : NULL;
    return hList != NULL ? (int)SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0) : -1;
}

HBITMAP CopyWindowPixels(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC hdcWindow = GetWindowDC(hWnd);
    HDC hdcMem = CreateCompatibleDC(hdcWindow);
    HBITMAP hBitmap = CreateCompatibleBitmap(hdcWindow, cx, cy);
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    BitBlt(hdcMem, 0, 0, cx, cy, hdcWindow, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hOld);
    DeleteDC(hdcMem);
    ReleaseDC(hWnd, hdcWindow);
    return hBitmap;
}

void CALLBACK Photograph(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hChild = g_pDlg->m_hWnd;     // bound to the explorer child dialog
    HWND hDialog = hChild != NULL ? GetParent(hChild) : NULL;
    if (hDialog == NULL || !IsWindowVisible(hDialog))
        return;
    bool bLate = GetTickCount() - g_dwStart > kDeadlineMs;
    if (ListedItems(hDialog) < 2 && !bLate)
        return;
    KillTimer(NULL, nTimer);
    // only what lies on the screen has pixels
    SetWindowPos(hDialog, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(hDialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    g_hShot = CopyWindowPixels(hDialog);
    PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(hDialog, IDCANCEL));
}

HWND CreatePicture(CWnd* pParent, const RECT& rc)
{
    g_hPicture = CreateWindowExA(0, "STATIC", NULL, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE,
                                 rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                 pParent->GetSafeHwnd(), NULL, GetModuleHandle(NULL), NULL);
    return g_hPicture;
}

BOOL RunDialogOnce()
{
    if (g_bRan)
        return TRUE;
    g_bRan = true;

    std::string folder = MakeSampleFolder();
    CWnd* pParent = CWnd::FromHandle(GetParent(g_hPicture));
    // The destructor is reached through the virtual table.
    g_pDlg = new CFileDialogEx(TRUE, "sav", "survey_2025.sav", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                               "Data files (*.sav)|*.sav|Text files (*.txt)|*.txt|All files (*.*)|*.*||",
                               pParent);
    g_pDlg->m_ofn.lpstrInitialDir = folder.c_str();
    g_dwStart = GetTickCount();
    UINT_PTR nTimer = SetTimer(NULL, 0, 50, &Photograph);
    g_pDlg->DoModal();
    KillTimer(NULL, nTimer);
    delete g_pDlg;
    g_pDlg = NULL;

    if (g_hShot != NULL)
        SendMessageA(g_hPicture, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)g_hShot);
    return TRUE;
}

void DestroyPicture()
{
    if (g_hPicture != NULL)
    {
        DestroyWindow(g_hPicture);
        g_hPicture = NULL;
    }
    if (g_hShot != NULL)
    {
        DeleteObject(g_hShot);
        g_hShot = NULL;
    }
}

} // namespace

GALLERY_ITEM(filedialog, "filedialog", kCellWidth, kCellHeight, &CreatePicture, &RunDialogOnce, &DestroyPicture);
