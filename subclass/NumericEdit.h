/// @file NumericEdit.h
/// An edit control that keeps only the characters of a number.
///
/// Classes in this header:
/// - CNumericEdit: an edit control that inspects its whole text after every
///   change (or when it loses the focus) and removes the first character that
///   does not belong in a number of its kind, with a beep.

#pragma once

#include <afxwin.h>

/// An edit control that inspects its whole text after every change (or when
/// it loses the focus) and removes the first character that does not belong
/// in a number of its kind, with a beep.
///
/// @image html numedit_digits.png "Digits"
/// @image html numedit_decimal.png "A decimal number"
/// @image html numedit_signed.png "A signed decimal number"
///
/// Keystrokes are not filtered: the text is checked as a whole, so pasted and
/// programmatically set text is treated like typed text. The decimal
/// separator is the one of the user's locale. The host binds the control to a
/// dialog's edit item (DDX_Control, SubclassDlgItem) or creates it, and sets
/// the number type and the validation moment through the virtual accessors.
///
/// Messages handled: the reflected EN_CHANGE (validates when
/// validateOnChange; the parent still gets EN_CHANGE) and EN_KILLFOCUS
/// (validates when validateOnKillFocus). Each validation removes at most one
/// character and puts the caret back where it was.
///
/// Threads: the thread that owns the window only.
///
/// @par Example
/// @snippet host.cpp numericedit
class AFX_EXT_CLASS CNumericEdit : public CEdit
{
// Construction
public:
	/// Digits only, validated after every change.
	CNumericEdit();

	/// Creates the window; all arguments go unchanged to CWnd::Create.
	virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
	                    const RECT& rect, CWnd* pParentWnd, UINT nID,
	                    CCreateContext* pContext = NULL)
	{
		return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
		                    nID, pContext);
	}
	// CEdit's own four-argument Create stays available beside it.
	using CEdit::Create;

// Attributes
	/// Number types
	enum
	{
		typeDigits = 0,         ///< digits only
		typeDecimal = 1,        ///< digits and at most one decimal separator
		typeSignedDecimal = 2   ///< as typeDecimal, and a leading minus sign
	};
	/// Validation moments; any other value never validates
	enum
	{
		validateOnChange = 0,   ///< after every change of the text (EN_CHANGE)
		validateOnKillFocus = 1 ///< when the control loses the focus (EN_KILLFOCUS)
	};

	/// The number type (typeDigits, typeDecimal, typeSignedDecimal).
	virtual int GetNumberType() { return m_nNumberType; }
	/// Stores the number type; the current text is not checked.
	virtual void SetNumberType(int nType) { m_nNumberType = nType; }
	/// The validation moment (validateOnChange, validateOnKillFocus).
	virtual int GetValidateWhen() { return m_nValidateWhen; }
	/// Stores the validation moment; the current text is not checked.
	virtual void SetValidateWhen(int nWhen) { m_nValidateWhen = nWhen; }

// Implementation
	/// @cond IMPLEMENTATION
public:
	virtual ~CNumericEdit();

protected:
	int m_nNumberType;      // one of the type... values
	int m_nValidateWhen;    // one of the validate... values, or never

	// Removes the first character of the text that does not belong in a
	// number of m_nNumberType, beeps and puts the caret where it was. At
	// most one character per call.
	void ValidateText();

	// The user's decimal separator, '.' when the locale gives none.
	static TCHAR GetDecimalSeparator();

	// Index of the first character of lpszText that does not belong in a
	// number of type nType with separator chSeparator, or -1.
	static int FindOffendingChar(LPCTSTR lpszText, int nLength, int nType, TCHAR chSeparator);

	afx_msg BOOL OnChange();
	afx_msg void OnKillFocus();

	DECLARE_MESSAGE_MAP()
	/// @endcond
};
