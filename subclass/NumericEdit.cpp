// NumericEdit.cpp : an edit control that keeps only the characters of a number

#include "NumericEdit.h"
#include "WndLifetime.h"

#include <mbstring.h>

BEGIN_MESSAGE_MAP(CNumericEdit, CEdit)
	ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
	ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillFocus)
END_MESSAGE_MAP()

CNumericEdit::CNumericEdit()
	: m_nNumberType(typeDigits), m_nValidateWhen(validateOnChange)
{
}

CNumericEdit::~CNumericEdit()
{
}

/////////////////////////////////////////////////////////////////////////////
// Validation

TCHAR CNumericEdit::GetDecimalSeparator()
{
	TCHAR chSeparator = '.';
	LCID lcid = ::GetUserDefaultLCID();
	if (lcid != 0)
	{
		// A separator may have up to three characters; a buffer that holds
		// them all means the call never fails on a long one and the first
		// character is always the locale's own.
		char szDecimal[4] = { 0 };
		if (::GetLocaleInfoA(lcid, LOCALE_SDECIMAL, szDecimal, (int)sizeof(szDecimal)) > 0 &&
		    szDecimal[0] != '\0')
		{
			chSeparator = szDecimal[0];
		}
	}
	return chSeparator;
}

int CNumericEdit::FindOffendingChar(LPCTSTR lpszText, int nLength, int nType, TCHAR chSeparator)
{
	int nSeparators = 0;
	for (int i = 0; i < nLength; i++)
	{
		TCHAR ch = lpszText[i];
		if (_ismbcdigit((unsigned char)ch))
			continue;
		if (ch == chSeparator)
		{
			if (++nSeparators < 2 && nType != typeDigits)
				continue;
		}
		else if (ch == '-' && nType == typeSignedDecimal && i == 0)
			continue;
		return i;
	}
	return -1;
}

void CNumericEdit::ValidateText()
{
	CString strText;
	GetWindowText(strText);
	int i = FindOffendingChar(strText, strText.GetLength(), m_nNumberType, GetDecimalSeparator());
	if (i < 0)
		return;

	::MessageBeep(0);
	// Setting the text raises EN_CHANGE again; when validating on every
	// change, that run removes the next offending character. The parent
	// hears of it too and may destroy the edit and delete this object.
	const HWND hWnd = m_hWnd;
	SetWindowText(strText.Left(i) + strText.Mid(i + 1));
	if (IsWndStillBound(this, hWnd))
		SetSel(i, i);
}

/////////////////////////////////////////////////////////////////////////////
// Reflected notifications

BOOL CNumericEdit::OnChange()
{
	if (m_nValidateWhen == validateOnChange)
		ValidateText();
	// the parent gets EN_CHANGE as well
	return FALSE;
}

void CNumericEdit::OnKillFocus()
{
	if (m_nValidateWhen == validateOnKillFocus)
		ValidateText();
}
