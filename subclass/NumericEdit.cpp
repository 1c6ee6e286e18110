// NumericEdit.cpp : an edit control that keeps only the characters of a number

#include "NumericEdit.h"

#include <limits.h>
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

namespace
{
	// The windows whose text is being cleaned on this thread, innermost
	// first. Kept on the stack of the cleaning runs rather than in the
	// object: the host may delete the control from the notification that
	// setting the cleaned text raises, and nothing of it is touched then.
	struct CCleaningRun
	{
		HWND hWnd;
		const CCleaningRun* pOuter;
	};
	thread_local const CCleaningRun* t_pInnermostRun = NULL;

	BOOL IsBeingCleaned(HWND hWnd)
	{
		for (const CCleaningRun* pRun = t_pInnermostRun; pRun != NULL; pRun = pRun->pOuter)
		{
			if (pRun->hWnd == hWnd)
				return TRUE;
		}
		return FALSE;
	}
}

int CNumericEdit::CleanNumberText(CString& strText, int nType, TCHAR chSeparator, int nMaxRemovals)
{
	// One walk, keeping what a number of the type may hold and dropping the
	// rest: the same text as removing the first offending character and
	// walking again, as often as nMaxRemovals allows. Only the ASCII digits
	// count as digits (superscripts of the code page would read as another
	// number), and a double-byte character is kept or dropped whole.
	const CString strIn = strText;
	LPCTSTR lpszIn = strIn;
	const int nLength = strIn.GetLength();
	CString strOut;
	LPTSTR lpszOut = strOut.GetBuffer(nLength);
	int nOut = 0;
	int nSeparators = 0;
	int nRemovals = 0;
	int nFirstRemoved = -1;
	for (int i = 0; i < nLength; )
	{
		const TCHAR ch = lpszIn[i];
		const int nBytes = (_ismbblead((unsigned char)ch) && i + 1 < nLength) ? 2 : 1;
		BOOL bKeep = FALSE;
		if (nRemovals >= nMaxRemovals)
			bKeep = TRUE;           // the rest stays as it is
		else if (nBytes == 2)
			bKeep = FALSE;          // no double-byte character belongs in a number
		else if (ch >= '0' && ch <= '9')
			bKeep = TRUE;
		else if (ch == chSeparator)
			bKeep = nType != typeDigits && nSeparators == 0;
		else if (ch == '-')
			bKeep = nType == typeSignedDecimal && nOut == 0;

		if (bKeep)
		{
			if (nBytes == 1 && ch == chSeparator)
				nSeparators++;
			for (int k = 0; k < nBytes; k++)
				lpszOut[nOut++] = lpszIn[i + k];
		}
		else
		{
			if (nFirstRemoved < 0)
				nFirstRemoved = nOut;
			nRemovals++;
		}
		i += nBytes;
	}
	strOut.ReleaseBuffer(nOut);
	strText = strOut;
	return nFirstRemoved;
}

void CNumericEdit::ValidateText()
{
	// Setting the cleaned text raises EN_CHANGE again, which comes back
	// here: that run has nothing to do.
	const HWND hWnd = m_hWnd;
	if (IsBeingCleaned(hWnd))
		return;

	CString strText;
	GetWindowText(strText);
	// After every change the whole text is cleaned at once; at a focus loss
	// one character goes.
	const int nMaxRemovals = m_nValidateWhen == validateOnChange ? INT_MAX : 1;
	const int nCaret = CleanNumberText(strText, m_nNumberType, GetDecimalSeparator(), nMaxRemovals);
	if (nCaret < 0)
		return;

	::MessageBeep(0);
	const CCleaningRun run = { hWnd, t_pInnermostRun };
	t_pInnermostRun = &run;
	::SetWindowText(hWnd, strText);
	t_pInnermostRun = run.pOuter;
	// The host may have destroyed the control meanwhile: the handle, not the
	// object, places the caret where the first character went.
	if (::IsWindow(hWnd))
	{
		::SendMessage(hWnd, EM_SETSEL, (WPARAM)nCaret, (LPARAM)nCaret);
		::SendMessage(hWnd, EM_SCROLLCARET, 0, 0);
	}
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
