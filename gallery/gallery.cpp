// gallery.cpp - the gallery host: one dialog with every registered control.
//
//   gallery.exe [--interactive [--log <file> [--commands <file>]]] [<folder>]
//
// Headless (the default) it builds the dialog, creates every item, pumps
// messages until all items report ready (at most 30 s), lets everything
// paint and writes <name>.png for each item and dialog.png for the whole
// dialog into <folder> (created when missing; "gallery-pictures" when none
// is given). The last line of output is
//   gallery: wrote N pictures to <folder>
// With --interactive it shows the dialog and runs a message loop until the
// dialog is closed; --log and --commands open the channel through which a
// driver learns where the windows are and what the controls notified, and
// makes requests (interactive.cpp).
#include <afxwin.h>

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gallery.h"
#include "interactive.h"
#include "png_writer.h"

namespace {

// Items in registration order; a function-local static, so pages may
// register from their static initialisers in any order.
std::vector<GalleryItem>& Registry()
{
    static std::vector<GalleryItem> items;
    return items;
}

const int kMargin = 10;         // dialog edge to the first cell
const int kGap = 14;            // between cells
const int kLabelHeight = 16;    // caption above each cell
const int kMaxRowWidth = 980;   // wrap before this many client pixels
const DWORD kReadyTimeoutMs = 30000;

struct Placed
{
    GalleryItem item;
    RECT rcLabel;               // the caption, dialog client coordinates
    RECT rcItem;                // what the item's create() is given
    HWND hwndLabel;
    HWND hwnd;                  // what create() returned
};

// Lays the items out in rows, left to right, wrapping at kMaxRowWidth.
// Returns the client size the dialog needs.
SIZE LayOut(std::vector<Placed>& placed)
{
    int x = kMargin, y = kMargin, rowHeight = 0, right = 0;
    for (size_t i = 0; i < placed.size(); ++i)
    {
        const GalleryItem& item = placed[i].item;
        int cellWidth = std::max(item.width, 1);
        int cellHeight = kLabelHeight + std::max(item.height, 1);
        if (x > kMargin && x + cellWidth > kMaxRowWidth)
        {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        SetRect(&placed[i].rcLabel, x, y, x + cellWidth, y + kLabelHeight);
        SetRect(&placed[i].rcItem, x, y + kLabelHeight, x + item.width, y + cellHeight);
        x += cellWidth + kGap;
        rowHeight = std::max(rowHeight, cellHeight);
        right = std::max(right, x - kGap);
    }
    SIZE size = { right + kMargin, y + rowHeight + kMargin };
    if (placed.empty())
    {
        size.cx = 2 * kMargin + 200;
        size.cy = 2 * kMargin + 100;
    }
    return size;
}

// An in-memory dialog template: a visible popup with a caption and the
// usual dialog font, no items. Its size is set in pixels once it exists.
class CDialogTemplate
{
public:
    CDialogTemplate()
    {
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT | DS_MODALFRAME;
        AppendDword(style);
        AppendDword(0);                 // extended style
        m_words.push_back(0);           // no items
        m_words.push_back(0);           // x
        m_words.push_back(0);           // y
        m_words.push_back(100);         // cx, dialog units
        m_words.push_back(50);          // cy
        m_words.push_back(0);           // no menu
        m_words.push_back(0);           // the dialog class
        AppendString(L"Tessarine gallery");
        m_words.push_back(8);           // point size
        AppendString(L"MS Shell Dlg");
        // Copied into DWORD storage: a template must be DWORD aligned.
        m_storage.resize((m_words.size() + 1) / 2, 0);
        memcpy(&m_storage[0], &m_words[0], m_words.size() * sizeof(WORD));
    }

    LPCDLGTEMPLATE Get() const
    {
        return reinterpret_cast<LPCDLGTEMPLATE>(&m_storage[0]);
    }

private:
    void AppendDword(DWORD value)
    {
        m_words.push_back(LOWORD(value));
        m_words.push_back(HIWORD(value));
    }
    void AppendString(const wchar_t* psz)
    {
        do
            m_words.push_back(static_cast<WORD>(*psz));
        while (*psz++ != L'\0');
    }

    std::vector<WORD> m_words;
    std::vector<DWORD> m_storage;
};

// The gallery's dialog, modeless: closing it ends the message loop.
class CGalleryDialog : public CDialog
{
public:
    CGalleryDialog() {}

protected:
    virtual void OnOK() {}
    virtual void OnCancel() { DestroyWindow(); }
    virtual void PostNcDestroy() { PostQuitMessage(0); }
};

// Dispatches what is queued; returns false once WM_QUIT was seen.
bool PumpPending(HWND hwndDialog)
{
    MSG msg;
    while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            return false;
        if (hwndDialog != NULL && IsWindow(hwndDialog) && IsDialogMessage(hwndDialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return true;
}

// Pumps for ms milliseconds.
void PumpFor(HWND hwndDialog, DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms)
    {
        if (!PumpPending(hwndDialog))
            return;
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    PumpPending(hwndDialog);
}

// Photographs parts of the dialog. Only the part of a window that lies on
// the screen has pixels (headless, the screen is 1024 x 768), so a region
// beyond it is taken in tiles: the dialog's children are scrolled until the
// tile lies in the visible part of the client area, and everything is
// repainted there. The children go back where they were when the camera goes.
class CDialogCamera
{
public:
    explicit CDialogCamera(HWND hwndDialog)
        : m_hwnd(hwndDialog)
    {
        m_offset.x = m_offset.y = 0;
        RECT rcClient, rcScreen;
        GetClientRect(hwndDialog, &rcClient);
        SetRect(&rcScreen, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        MapWindowPoints(NULL, hwndDialog, reinterpret_cast<POINT*>(&rcScreen), 2);
        if (!IntersectRect(&m_visible, &rcClient, &rcScreen))
            SetRectEmpty(&m_visible);
    }
    ~CDialogCamera()
    {
        ScrollTo(0, 0);
    }

    // Captures rc (client coordinates of the unscrolled dialog).
    HBITMAP Capture(const RECT& rc)
    {
        const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
        const int tileCx = m_visible.right - m_visible.left;
        const int tileCy = m_visible.bottom - m_visible.top;
        if (cx <= 0 || cy <= 0 || tileCx <= 0 || tileCy <= 0)
            return NULL;
        HDC hdcDialog = GetDC(m_hwnd);
        HBITMAP hBitmap = CreateCaptureBitmap(hdcDialog, cx, cy);
        HDC hdcMem = hBitmap != NULL ? CreateCompatibleDC(hdcDialog) : NULL;
        bool ok = hdcMem != NULL;
        HGDIOBJ hOld = ok ? SelectObject(hdcMem, hBitmap) : NULL;
        for (int ty = 0; ok && ty < cy; ty += tileCy)
            for (int tx = 0; ok && tx < cx; tx += tileCx)
            {
                const int x = rc.left + tx, y = rc.top + ty;
                const int w = std::min(tileCx, cx - tx), h = std::min(tileCy, cy - ty);
                RECT rcNow = { x - m_offset.x, y - m_offset.y, x - m_offset.x + w, y - m_offset.y + h };
                RECT rcInside;
                if (!IntersectRect(&rcInside, &rcNow, &m_visible) || !EqualRect(&rcInside, &rcNow))
                    ScrollTo(x - m_visible.left, y - m_visible.top);
                ok = BitBlt(hdcMem, tx, ty, w, h, hdcDialog, x - m_offset.x, y - m_offset.y,
                            SRCCOPY) != FALSE;
            }
        if (hdcMem != NULL)
        {
            SelectObject(hdcMem, hOld);
            DeleteDC(hdcMem);
        }
        ReleaseDC(m_hwnd, hdcDialog);
        if (!ok && hBitmap != NULL)
        {
            DeleteObject(hBitmap);
            hBitmap = NULL;
        }
        return hBitmap;
    }

private:
    CDialogCamera(const CDialogCamera&);
    CDialogCamera& operator=(const CDialogCamera&);

    // Scrolls the children so that layout point (x, y) shows at client
    // point (0, 0) plus the visible origin, and lets everything repaint.
    void ScrollTo(int x, int y)
    {
        if (x == m_offset.x && y == m_offset.y)
            return;
        ScrollWindowEx(m_hwnd, m_offset.x - x, m_offset.y - y, NULL, NULL, NULL, NULL,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
        m_offset.x = x;
        m_offset.y = y;
        RedrawWindow(m_hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(m_hwnd, 100);
    }

    HWND m_hwnd;
    RECT m_visible;     // client coordinates that lie on the screen
    POINT m_offset;     // layout point now shown at client (0, 0)
};

bool AllReady(const std::vector<Placed>& placed)
{
    for (size_t i = 0; i < placed.size(); ++i)
        if (placed[i].hwnd != NULL && placed[i].item.ready != NULL && !placed[i].item.ready())
            return false;
    return true;
}

std::wstring Widen(const std::string& text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, NULL, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], n);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

// Creates folder and every missing parent; true when it exists afterwards.
bool MakeFolder(const std::string& folder)
{
    std::string path;
    for (size_t i = 0; i <= folder.size(); ++i)
    {
        if (i == folder.size() || folder[i] == '\\' || folder[i] == '/')
        {
            if (!path.empty() && path[path.size() - 1] != ':')
                CreateDirectoryA(path.c_str(), NULL);
        }
        if (i < folder.size())
            path += folder[i];
    }
    DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SavePicture(HBITMAP hBitmap, const std::string& folder, const std::string& stem)
{
    if (hBitmap == NULL)
    {
        printf("gallery: %s: the window could not be captured\n", stem.c_str());
        return false;
    }
    std::string path = folder + "\\" + stem + ".png";
    HRESULT hr = WritePng(hBitmap, Widen(path).c_str());
    DeleteObject(hBitmap);
    if (FAILED(hr))
    {
        printf("gallery: %s: writing the PNG failed (0x%08lX)\n", path.c_str(),
               static_cast<unsigned long>(hr));
        return false;
    }
    return true;
}

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp() : CWinApp("gallery") {}
};

CGalleryApp theApp;

int Run(bool bInteractive, const std::string& folder, const std::string& logPath,
        const std::string& commandPath)
{
    std::vector<Placed> placed;
    for (size_t i = 0; i < Registry().size(); ++i)
    {
        Placed p;
        ZeroMemory(&p, sizeof(p));
        p.item = Registry()[i];
        placed.push_back(p);
    }
    // Static initialisers run in link order; sort so the layout is stable.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return strcmp(a.item.name, b.item.name) < 0;
    });
    SIZE client = LayOut(placed);

    CDialogTemplate dialogTemplate;
    CGalleryDialog dialog;
    if (!dialog.CreateIndirect(dialogTemplate.Get(), NULL))
    {
        printf("gallery: the dialog could not be created\n");
        return 1;
    }
    HWND hwndDialog = dialog.GetSafeHwnd();

    RECT rcFrame = { 0, 0, client.cx, client.cy };
    AdjustWindowRectEx(&rcFrame, GetWindowLong(hwndDialog, GWL_STYLE), FALSE,
                       GetWindowLong(hwndDialog, GWL_EXSTYLE));
    SetWindowPos(hwndDialog, NULL, 0, 0, rcFrame.right - rcFrame.left, rcFrame.bottom - rcFrame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(hwndDialog, WM_GETFONT, 0, 0));
    int failures = 0;
    for (size_t i = 0; i < placed.size(); ++i)
    {
        Placed& p = placed[i];
        const RECT& rl = p.rcLabel;
        // The caption names the item and, for a control the keyboard
        // operates, says how; it is also the name a screen reader reads for
        // a control without text of its own.
        const std::string caption = p.item.keys != NULL ? std::string(p.item.name) + " - keys: " + p.item.keys
                                                        : std::string(p.item.name);
        p.hwndLabel = CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                      rl.left, rl.top, rl.right - rl.left, rl.bottom - rl.top,
                                      hwndDialog, NULL, GetModuleHandle(NULL), NULL);
        if (p.hwndLabel != NULL && hFont != NULL)
            SendMessage(p.hwndLabel, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        p.hwnd = p.item.create != NULL ? p.item.create(&dialog, p.rcItem) : NULL;
        if (p.hwnd == NULL)
        {
            printf("gallery: %s: create() made no window\n", p.item.name);
            ++failures;
        }
    }

    if (bInteractive)
    {
        ShowWindow(hwndDialog, SW_SHOW);
        // --- interactive driving: the log and command channel (interactive.cpp)
        std::vector<std::pair<std::string, HWND> > items;
        for (size_t i = 0; i < placed.size(); ++i)
            if (placed[i].hwnd != NULL)
                items.push_back(std::make_pair(std::string(placed[i].item.name), placed[i].hwnd));
        if (!logPath.empty() && !OpenGalleryChannel(logPath, commandPath, hwndDialog, items))
        {
            printf("gallery: the log %s could not be created\n", logPath.c_str());
            ++failures;
        }
        // The items that need time (worker threads) finish while the dialog runs.
        bool bReady = false;
        while (PumpPending(hwndDialog))
        {
            if (!bReady && AllReady(placed))
            {
                bReady = true;
                GalleryChannelReady();
            }
            MsgWaitForMultipleObjects(0, NULL, FALSE, bReady ? INFINITE : 20, QS_ALLINPUT);
        }
        // ---
        for (size_t i = 0; i < placed.size(); ++i)
            if (placed[i].item.destroy != NULL)
                placed[i].item.destroy();
        CloseGalleryChannel();
        return failures == 0 ? 0 : 1;
    }

    // Wait for the items that need time (worker threads, timers).
    DWORD start = GetTickCount();
    while (!AllReady(placed) && GetTickCount() - start < kReadyTimeoutMs)
        PumpFor(hwndDialog, 20);
    for (size_t i = 0; i < placed.size(); ++i)
    {
        const Placed& p = placed[i];
        if (p.hwnd != NULL && p.item.ready != NULL && !p.item.ready())
        {
            printf("gallery: %s: not ready after %lu s\n", p.item.name,
                   static_cast<unsigned long>(kReadyTimeoutMs / 1000));
            ++failures;
        }
    }

    RedrawWindow(hwndDialog, NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(hwndDialog, 300);

    int written = 0;
    if (!MakeFolder(folder))
    {
        printf("gallery: the folder %s could not be created\n", folder.c_str());
        ++failures;
    }
    else
    {
        // The items' whole windows, frame included, as the dialog shows
        // them; taken before the camera scrolls any of them away.
        std::vector<RECT> rcWindows(placed.size());
        for (size_t i = 0; i < placed.size(); ++i)
            if (placed[i].hwnd != NULL)
            {
                GetWindowRect(placed[i].hwnd, &rcWindows[i]);
                MapWindowPoints(NULL, hwndDialog, reinterpret_cast<POINT*>(&rcWindows[i]), 2);
            }
        CDialogCamera camera(hwndDialog);
        for (size_t i = 0; i < placed.size(); ++i)
        {
            const Placed& p = placed[i];
            if (p.hwnd == NULL)
                continue;
            const RECT& rc = rcWindows[i];
            if (SavePicture(camera.Capture(rc), folder, p.item.name))
                ++written;
            else
                ++failures;
        }
        RECT rcClient = { 0, 0, client.cx, client.cy };
        if (SavePicture(camera.Capture(rcClient), folder, "dialog"))
            ++written;
        else
            ++failures;
    }

    for (size_t i = 0; i < placed.size(); ++i)
        if (placed[i].item.destroy != NULL)
            placed[i].item.destroy();
    if (IsWindow(hwndDialog))
        dialog.DestroyWindow();
    PumpPending(NULL);

    printf("gallery: wrote %d pictures to %s\n", written, folder.c_str());
    return failures == 0 ? 0 : 1;
}

} // namespace

void RegisterGalleryItem(const GalleryItem& item)
{
    Registry().push_back(item);
}

int main(int argc, char** argv)
{
    bool bInteractive = false;
    std::string folder = "gallery-pictures";
    std::string logPath, commandPath;
    for (int i = 1; i < argc; ++i)
    {
        if (strcmp(argv[i], "--interactive") == 0)
            bInteractive = true;
        else if (strcmp(argv[i], "--log") == 0 && i + 1 < argc)
            logPath = argv[++i];
        else if (strcmp(argv[i], "--commands") == 0 && i + 1 < argc)
            commandPath = argv[++i];
        else
            folder = argv[i];
    }
    // Unbuffered, so the lines reach a pipe in order even if a control crashes.
    setvbuf(stdout, NULL, _IONBF, 0);

    if (!AfxWinInit(GetModuleHandle(NULL), NULL, GetCommandLineA(), SW_SHOW))
    {
        printf("gallery: the framework could not be initialised\n");
        return 1;
    }
    HRESULT hrCom = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    int result = Run(bInteractive, folder, logPath, commandPath);
    if (SUCCEEDED(hrCom))
        CoUninitialize();
    return result;
}
