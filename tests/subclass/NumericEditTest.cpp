// Tests of CNumericEdit on real edit controls: a child dialog of the test
// host binds its edit item either by DDX_Control or by SubclassDlgItem, text
// arrives by SetWindowText or typed through SendInput, and the focus moves
// to a second edit for the kill-focus moment.
//
// Everything the dialog sees goes into the "dialog" log in order:
//   WM_COMMAND from the numeric edit (EN_CHANGE, EN_KILLFOCUS; EN_UPDATE is
//   left out), as it arrives at the dialog's window
//   kBeep            Tessarine called MessageBeep (wParam = its argument);
//                    the call is caught in Tessarine's import table
//   kChangeHandler   the dialog's own ON_EN_CHANGE handler ran
//   kKillHandler     the dialog's own ON_EN_KILLFOCUS handler ran

#include <afxwin.h>

#include "NumericEdit.h"

#include "DialogTemplateBuilder.h"
#include "ImportPatch.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "TestHostWindow.h"

#include <gtest/gtest.h>

#include <mbctype.h>
#include <string>
#include "Wow64Limits.h"

using namespace testsupport;

namespace
{

const char kLog[] = "dialog";
const UINT kBeep = WM_APP + 0x200;
const UINT kChangeHandler = WM_APP + 0x201;
const UINT kKillHandler = WM_APP + 0x202;

const WORD IDC_NUMBER = 1001;
const WORD IDC_OTHER = 1002;

const DWORD kDeadlineMs = 30000;

HWND g_hNumber = NULL;      // the numeric edit of the running test
int g_nBeeps = 0;

BOOL WINAPI RecordingBeep(UINT uType)
{
	++g_nBeeps;
	Recorder().Add(kLog, NULL, kBeep, sent, uType, 0);
	return TRUE;
}

class CNumberDialog : public CDialog
{
public:
	explicit CNumberDialog(bool bByDdx) : m_bByDdx(bByDdx) {}

	CNumericEdit m_edit;

protected:
	virtual void DoDataExchange(CDataExchange* pDX)
	{
		CDialog::DoDataExchange(pDX);
		if (m_bByDdx)
			DDX_Control(pDX, IDC_NUMBER, m_edit);
	}

	virtual BOOL OnInitDialog()
	{
		CDialog::OnInitDialog();
		if (!m_bByDdx)
			m_edit.SubclassDlgItem(IDC_NUMBER, this);
		return TRUE;
	}

	afx_msg void OnNumberChange() { Recorder().Add(kLog, m_hWnd, kChangeHandler, sent, 0, 0); }
	afx_msg void OnNumberKillFocus() { Recorder().Add(kLog, m_hWnd, kKillHandler, sent, 0, 0); }

	DECLARE_MESSAGE_MAP()

	bool m_bByDdx;
};

BEGIN_MESSAGE_MAP(CNumberDialog, CDialog)
	ON_EN_CHANGE(IDC_NUMBER, OnNumberChange)
	ON_EN_KILLFOCUS(IDC_NUMBER, OnNumberKillFocus)
END_MESSAGE_MAP()

bool KeepForLog(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
	if (message == WM_COMMAND)
		return (HWND)lParam == g_hNumber && HIWORD(wParam) != EN_UPDATE;
	return message >= kBeep && message <= kKillHandler;
}

// Sets the user's decimal separator for the life of the object and puts the
// old one back afterwards (NULL leaves the setting alone).
class DecimalSeparator
{
public:
	explicit DecimalSeparator(const char* pszSeparator) : m_bSet(false)
	{
		if (pszSeparator == NULL)
			return;
		m_bSet = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, m_szOld, sizeof(m_szOld)) > 0 &&
		         ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, pszSeparator);
	}
	~DecimalSeparator()
	{
		if (m_bSet)
			::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, m_szOld);
	}
	bool Failed(const char* pszSeparator) const { return pszSeparator != NULL && !m_bSet; }

private:
	char m_szOld[8];
	bool m_bSet;
};

class NumericEditTest : public HostWindowTest
{
protected:
	void SetUp() override
	{
		HostWindowTest::SetUp();
		// An edit control given a font crashes 32-bit processes here.
		SKIP_IF_WOW64_LIMIT(DeviceContexts);
		m_pBeep = new ImportPatch(::GetModuleHandleA("Tessarine.dll"), "user32.dll", "MessageBeep",
		                          reinterpret_cast<const void*>(&RecordingBeep));
		ASSERT_TRUE(m_pBeep->Active()) << "Tessarine does not import MessageBeep";
		g_nBeeps = 0;
	}

	void TearDown() override
	{
		if (m_pDialog != NULL)
		{
			m_pDialog->DestroyWindow();
			delete m_pDialog;
		}
		g_hNumber = NULL;
		delete m_pBeep;
		Recorder().SetFilter(kLog, MessageRecorder::Filter());
		HostWindowTest::TearDown();
	}

	// A child dialog of the host with the numeric edit and a second edit.
	void MakeDialog(bool bByDdx, int nType, int nWhen)
	{
		DialogTemplateBuilder tmpl(WS_CHILD | WS_VISIBLE | DS_CONTROL, 0, 0, 200, 60);
		tmpl.SetFont(8, "MS Shell Dlg");
		tmpl.AddItem(DialogTemplateBuilder::Edit, "", IDC_NUMBER,
		             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 7, 120, 14);
		tmpl.AddItem(DialogTemplateBuilder::Edit, "", IDC_OTHER,
		             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 28, 120, 14);
		m_pDialog = new CNumberDialog(bByDdx);
		m_pDialog->m_edit.SetNumberType(nType);
		m_pDialog->m_edit.SetValidateWhen(nWhen);
		ASSERT_TRUE(m_pDialog->CreateIndirect(tmpl.Template(), CWnd::FromHandle(Host())));
		ASSERT_EQ(&m_pDialog->m_edit, CWnd::FromHandlePermanent(m_pDialog->GetDlgItem(IDC_NUMBER)->m_hWnd));
		g_hNumber = m_pDialog->m_edit.m_hWnd;
		Recorder().SetFilter(kLog, &KeepForLog);
		RecordControl(m_pDialog->m_hWnd, kLog);
		Pump();
	}

	HWND Number() const { return m_pDialog->m_edit.m_hWnd; }
	HWND Other() const { return m_pDialog->GetDlgItem(IDC_OTHER)->m_hWnd; }

	std::string Text() const
	{
		char sz[64] = { 0 };
		::GetWindowTextA(Number(), sz, sizeof(sz));
		return sz;
	}

	// Types text into the focused numeric edit and waits until every
	// character has been handled.
	void Type(const char* pszText)
	{
		::SetFocus(Number());
		RecordControl(Number(), "edit");
		Recorder().SetFilter("edit", [](HWND, UINT message, WPARAM, LPARAM) { return message == WM_CHAR; });
		TypeText(pszText);
		const size_t nWanted = strlen(pszText);
		EXPECT_TRUE(PumpUntil([&] { return Recorder().Log("edit").size() >= nWanted; }, kDeadlineMs))
			<< "typed " << Recorder().Log("edit").size() << " of " << nWanted << " characters";
		UnrecordControl(Number());
		Recorder().SetFilter("edit", MessageRecorder::Filter());
		Recorder().Flush("edit");
	}

	void LoseFocus(int nTimes)
	{
		for (int i = 0; i < nTimes; i++)
		{
			::SetFocus(Number());
			::SetFocus(Other());
		}
	}

	CNumberDialog* m_pDialog = NULL;
	ImportPatch* m_pBeep = NULL;
};

/////////////////////////////////////////////////////////////////////////////
// One row per (type, moment, input): the text that remains, the beeps and
// where the caret is afterwards (-1: the edit's own choice, not checked).

enum Input { bySetText, byTyping };

struct EditCase
{
	const char* name;
	int nType;
	int nWhen;
	Input input;
	const char* pszIn;
	int nFocusLosses;
	const char* pszSeparator;   // the user's decimal separator, NULL: as set
	const char* pszOut;
	int nBeeps;
	int nCaret;
	int nMbcp = 0;              // the run-time library's multibyte code page, 0: as set
};

const EditCase kEditCases[] = {
	// name                 type when input      in        loss sep    out      beeps caret
	{ "DigitsLetter",        0, 0, bySetText, "12a3",    0, NULL, "123",    1, 2 },
	{ "DigitsSeparator",     0, 0, bySetText, "1.5",     0, NULL, "15",     1, 1 },
	{ "DigitsMany",          0, 0, bySetText, "a1b2c",   0, NULL, "12",     1, 0 },
	{ "DigitsManyInOneRun",  0, 0, bySetText, "1abcdefghijklmnopqrstuvwxyzabcdefg",
	                                                     0, NULL, "1",      1, 1 },
	{ "DigitsSuperscript",   0, 0, bySetText, "1\xB2" "3", 0, NULL, "13",    1, 1 },
	{ "DigitsDoubleByte",    0, 1, bySetText, "1\x82\x50" "2",
	                                                     1, NULL, "12",     1, 1, 932 },
	{ "DigitsEmpty",         0, 0, bySetText, "",        0, NULL, "",       0, -1 },
	{ "DecimalValid",        1, 0, bySetText, "1.5",     0, NULL, "1.5",    0, -1 },
	{ "DecimalSecondPoint",  1, 0, bySetText, "1.5.2",   0, NULL, "1.52",   1, 3 },
	{ "DecimalMinus",        1, 0, bySetText, "-1",      0, NULL, "1",      1, 0 },
	{ "SignedValid",         2, 0, bySetText, "-1.5",    0, NULL, "-1.5",   0, -1 },
	{ "SignedInnerMinus",    2, 0, bySetText, "1-5",     0, NULL, "15",     1, 1 },
	{ "SignedTwoMinus",      2, 0, bySetText, "--1",     0, NULL, "-1",     1, 1 },
	{ "CommaValid",          1, 0, bySetText, "1,5",     0, ",",  "1,5",    0, -1 },
	{ "CommaPointOffends",   2, 0, bySetText, "-1.5",    0, ",",  "-15",    1, 2 },
	{ "LongSeparatorFirst",  1, 0, bySetText, "1<5",     0, "<>", "1<5",    0, -1 },
	{ "KillFocusNoLoss",     0, 1, bySetText, "12a3",    0, NULL, "12a3",   0, -1 },
	{ "KillFocusOneLoss",    0, 1, bySetText, "a1b2c",   1, NULL, "1b2c",   1, 0 },
	{ "KillFocusTwoLosses",  0, 1, bySetText, "a1b2c",   2, NULL, "12c",    2, 1 },
	{ "KillFocusEmpty",      2, 1, bySetText, "",        1, NULL, "",       0, -1 },
	{ "NeverOnChange",       0, 2, bySetText, "12a3",    0, NULL, "12a3",   0, -1 },
	{ "NeverOnKillFocus",    0, 2, bySetText, "-a.b",    2, NULL, "-a.b",   0, -1 },
	{ "TypedDigits",         0, 0, byTyping,  "12a3",    0, NULL, "123",    1, 3 },
	{ "TypedDecimal",        1, 0, byTyping,  "1.5.2",   0, NULL, "1.52",   1, 4 },
	{ "TypedSignedComma",    2, 0, byTyping,  "-1,5.",   0, ",",  "-1,5",   1, 4 },
	{ "TypedKillFocus",      2, 1, byTyping,  "-1-2",    1, NULL, "-12",    1, 2 },
};

struct BindCase
{
	const char* name;
	bool bByDdx;
};

const BindCase kBindings[] = { { "DdxControl", true }, { "SubclassDlgItem", false } };

class NumericEditCases
	: public NumericEditTest,
	  public ::testing::WithParamInterface<std::tuple<EditCase, BindCase>>
{
};

TEST_P(NumericEditCases, LeavesTheNumberBeepsAndPlacesTheCaret)
{
	const EditCase& c = std::get<0>(GetParam());
	const int nOldMbcp = _getmbcp();
	if (c.nMbcp != 0)
	{
		ASSERT_EQ(0, _setmbcp(c.nMbcp));
	}
	DecimalSeparator separator(c.pszSeparator);
	ASSERT_FALSE(separator.Failed(c.pszSeparator)) << "cannot set the separator " << c.pszSeparator;
	MakeDialog(std::get<1>(GetParam()).bByDdx, c.nType, c.nWhen);

	if (c.input == bySetText)
		::SetWindowTextA(Number(), c.pszIn);
	else
		Type(c.pszIn);
	LoseFocus(c.nFocusLosses);
	Pump();

	EXPECT_EQ(c.pszOut, Text());
	EXPECT_EQ(c.nBeeps, g_nBeeps);
	if (c.nCaret >= 0)
	{
		DWORD dwStart = 0, dwEnd = 0;
		::SendMessageA(Number(), EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
		EXPECT_EQ((DWORD)c.nCaret, dwStart);
		EXPECT_EQ((DWORD)c.nCaret, dwEnd);
	}
	// the setters never validate; the values stay as set
	EXPECT_EQ(c.nType, m_pDialog->m_edit.GetNumberType());
	EXPECT_EQ(c.nWhen, m_pDialog->m_edit.GetValidateWhen());
	_setmbcp(nOldMbcp);
}

INSTANTIATE_TEST_SUITE_P(All, NumericEditCases,
                         ::testing::Combine(::testing::ValuesIn(kEditCases), ::testing::ValuesIn(kBindings)),
                         [](const ::testing::TestParamInfo<std::tuple<EditCase, BindCase>>& info) {
	                         return std::string(std::get<0>(info.param).name) + "_" +
	                                std::get<1>(info.param).name;
                         });

/////////////////////////////////////////////////////////////////////////////
// Whole sequences at the dialog

// One run removes every offending character with one beep and sets the
// cleaned text once; its EN_CHANGE finds nothing to do, and both changes
// reach the dialog's own handler, the inner one first.
TEST_F(NumericEditTest, OneRunCleansTheTextAndTheParentHearsBothChanges)
{
	MakeDialog(true, CNumericEdit::typeDigits, CNumericEdit::validateOnChange);
	Recorder().Flush();
	::SetWindowTextA(Number(), "1ab");
	Pump();
	static const MsgEntry seq[] = {
		{ WM_COMMAND, sent | id, 0, 0, EN_CHANGE },
		{ kBeep, sent | wparam, 0 },
		{ WM_COMMAND, sent | id, 0, 0, EN_CHANGE },
		{ kChangeHandler, sent },
		{ kChangeHandler, sent },
		{ 0 }
	};
	EXPECT_SEQUENCE(kLog, seq, "1ab validated on every change");
	EXPECT_EQ("1", Text());
}

// Validated at the focus loss: one removal, whose EN_CHANGE reaches the
// dialog's handler; the reflected EN_KILLFOCUS does not.
TEST_F(NumericEditTest, FocusLossRemovesOneCharacter)
{
	MakeDialog(false, CNumericEdit::typeDecimal, CNumericEdit::validateOnKillFocus);
	::SetFocus(Number());
	::SetWindowTextA(Number(), "x1.2.");
	Pump();
	Recorder().Flush();
	::SetFocus(Other());
	Pump();
	static const MsgEntry seq[] = {
		{ WM_COMMAND, sent | id, 0, 0, EN_KILLFOCUS },
		{ kBeep, sent | wparam, 0 },
		{ WM_COMMAND, sent | id, 0, 0, EN_CHANGE },
		{ kChangeHandler, sent },
		{ 0 }
	};
	EXPECT_SEQUENCE(kLog, seq, "first focus loss");
	EXPECT_EQ("1.2.", Text());
}

// A created (not subclassed) numeric edit behaves the same: the
// seven-argument Create makes the window with the arguments given.
TEST_F(NumericEditTest, CreatedControlValidates)
{
	MakeDialog(true, CNumericEdit::typeDigits, CNumericEdit::validateOnChange);
	CNumericEdit edit;
	edit.SetNumberType(CNumericEdit::typeSignedDecimal);
	CRect rc(10, 100, 110, 120);
	ASSERT_TRUE(edit.Create("EDIT", "-1x", WS_CHILD | WS_VISIBLE | WS_BORDER, rc, m_pDialog, 1003));
	EXPECT_EQ(1003, ::GetDlgCtrlID(edit.m_hWnd));
	EXPECT_EQ(m_pDialog->m_hWnd, ::GetParent(edit.m_hWnd));
	EXPECT_EQ(0, g_nBeeps);     // creating with a text raises no EN_CHANGE
	edit.SetWindowText("-1x2");
	CString strText;
	edit.GetWindowText(strText);
	EXPECT_STREQ("-12", strText);
	EXPECT_EQ(1, g_nBeeps);
	edit.DestroyWindow();
}

} // namespace
