// DialogUtilities.cpp - Load3DColorImageList, SetDialogControlFont, PlayWave.
#include <afxwin.h>
#include <afxcmn.h>

#include <mmsystem.h>

#include "DialogUtilities.h"

namespace {

// The strip's image count before the masked add: whole images only.
int InitialImageCount(int cxStrip, int cxImage)
{
    return cxStrip / cxImage;
}

} // namespace

extern "C" BOOL __cdecl Load3DColorImageList(CImageList* pImageList, int cx, UINT nBitmapID,
                                             UINT fuLoad)
{
    // A width of zero or less describes no image at all: refuse before the
    // caller's list is touched.
    if (pImageList == NULL || cx <= 0)
        return FALSE;

    if (pImageList->GetSafeHandle() != NULL)
        pImageList->DeleteImageList();

    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImage(AfxGetResourceHandle(),
                                                       MAKEINTRESOURCE(LOWORD(nBitmapID)),
                                                       IMAGE_BITMAP, 0, 0, fuLoad));
    if (hBitmap == NULL)
        return FALSE;

    CBitmap bitmap;
    bitmap.Attach(hBitmap);
    BITMAP bm;
    ZeroMemory(&bm, sizeof(bm));
    bitmap.GetBitmap(&bm);

    const BOOL bCreated = pImageList->Create(cx, bm.bmHeight, ILC_MASK,
                                             InitialImageCount(bm.bmWidth, cx), 2);
    if (bCreated)
    {
        // With LR_LOADMAP3DCOLORS the strip's light grey has just become the
        // button face, so exactly those pixels turn transparent.
        pImageList->Add(&bitmap, ::GetSysColor(COLOR_BTNFACE));
    }
    bitmap.DeleteObject();  // the image list keeps its own copy
    return bCreated;
}

extern "C" void __cdecl SetDialogControlFont(CWnd* pDlg, CFont* pFont)
{
    if (pDlg == NULL || !::IsWindow(pDlg->GetSafeHwnd()))
        return;
    for (CWnd* pChild = pDlg->GetWindow(GW_CHILD); pChild != NULL;
         pChild = pChild->GetWindow(GW_HWNDNEXT))
        pChild->SetFont(pFont, TRUE);
    pDlg->SetFont(pFont, TRUE);
}

extern "C" void __cdecl PlayWave(UINT nWaveID)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceEx(hInstance, _T("WAVE"), MAKEINTRESOURCE(LOWORD(nWaveID)),
                                       MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    if (hResource == NULL)
        return;
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    if (hData == NULL)
        return;
    LPCSTR pSound = static_cast<LPCSTR>(::LockResource(hData));
    if (pSound == NULL)
        return;
    // The resource stays mapped while its module is loaded, so the sound may
    // go on playing after this returns; nothing is freed.
    ::sndPlaySoundA(pSound, SND_ASYNC | SND_MEMORY);
}
