// numedit_page.cpp - three numeric edits: digits only, a decimal number and a
// signed decimal number, each holding a valid number. The digits edit was
// given "12a34": it removed the letter with a beep and left the caret where
// the letter was.
#include <afxwin.h>

#include "gallery.h"
#include "NumericEdit.h"

namespace {

const UINT kNumericEditId = 0x4C01;

CNumericEdit* g_pEdits[3] = { NULL, NULL, NULL };

HWND CreateEdit(int nIndex, int nType, LPCTSTR lpszText, CWnd* pParent, const RECT& rc)
{
    CNumericEdit* p = new CNumericEdit;
    p->SetNumberType(nType);
    p->SetValidateWhen(CNumericEdit::validateOnChange);
    if (!p->Create(_T("EDIT"), NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, rc,
                   pParent, kNumericEditId + nIndex))
    {
        delete p;
        return NULL;
    }
    p->SetFont(pParent->GetFont());
    // set after creation, so that the text goes through validation
    p->SetWindowText(lpszText);
    g_pEdits[nIndex] = p;
    return p->m_hWnd;
}

HWND CreateDigits(CWnd* pParent, const RECT& rc)
{
    HWND hWnd = CreateEdit(0, CNumericEdit::typeDigits, _T("12a34"), pParent, rc);
    if (hWnd != NULL)
    {
        g_pEdits[0]->SetFocus();
        g_pEdits[0]->SetSel(2, 2);   // where the removal left the caret
    }
    return hWnd;
}

HWND CreateDecimal(CWnd* pParent, const RECT& rc)
{
    return CreateEdit(1, CNumericEdit::typeDecimal, _T("3.14159"), pParent, rc);
}

HWND CreateSigned(CWnd* pParent, const RECT& rc)
{
    return CreateEdit(2, CNumericEdit::typeSignedDecimal, _T("-273.15"), pParent, rc);
}

template <int nIndex>
void DestroyEdit()
{
    if (g_pEdits[nIndex] != NULL)
    {
        g_pEdits[nIndex]->DestroyWindow();
        delete g_pEdits[nIndex];
        g_pEdits[nIndex] = NULL;
    }
}

} // namespace

GALLERY_ITEM(numedit_digits, "numedit_digits", 160, 24, &CreateDigits, NULL, &DestroyEdit<0>);
GALLERY_ITEM(numedit_decimal, "numedit_decimal", 160, 24, &CreateDecimal, NULL, &DestroyEdit<1>);
GALLERY_ITEM(numedit_signed, "numedit_signed", 160, 24, &CreateSigned, NULL, &DestroyEdit<2>);
