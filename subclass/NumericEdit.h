/// @file NumericEdit.h
/// An edit control that keeps only the characters of a number.
///
/// Classes in this header:
/// - CNumericEdit: an edit control that inspects its whole text after every
///   change and removes every character that does not belong in a number of
///   its kind (or, validating when it loses the focus, the first such
///   character), with a beep.

#pragma once

#include <afxwin.h>

/// An edit control that inspects its whole text after every change and
/// removes every character that does not belong in a number of its kind (or,
/// validating when it loses the focus, the first such character), with a
/// beep.
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
/// (validates when validateOnKillFocus). A validation after a change cleans
/// the whole text in one run (one beep, one new text; the EN_CHANGE that the
/// new text raises is not validated again); a validation at focus loss
/// removes at most one character. Only the ASCII digits count as digits, and
/// a double-byte character is removed whole. The caret is put back where it
/// was.
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

	// Removes the characters of the text that do not belong in a number of
	// m_nNumberType (after a change all of them, at a focus loss the first),
	// beeps and puts the caret where the first of them was. Does nothing
	// while the same control's text is being set by an outer run.
	void ValidateText();

	// The user's decimal separator, '.' when the locale gives none.
	static TCHAR GetDecimalSeparator();

	// Removes from strText, front to back, up to nMaxRemovals characters
	// that do not belong in a number of type nType with separator
	// chSeparator: anything but the ASCII digits, a second separator, a
	// minus sign that would not come first, every double-byte character.
	// Returns where the first removed character was, or -1 when none was.
	static int CleanNumberText(CString& strText, int nType, TCHAR chSeparator, int nMaxRemovals);

	afx_msg BOOL OnChange();
	afx_msg void OnKillFocus();

	DECLARE_MESSAGE_MAP()
	/// @endcond
};
