// Tests of CFileDialogEx with the system's own Open and Save As dialogs.
//
// DoModal runs the real dialog. A thread timer, set before DoModal and
// dispatched by the dialog's own message loop, waits until the dialog object
// is bound to the explorer child dialog and the dialog is visible, looks at
// the dialog and the owner, then presses the dialog's buttons. Calls that
// Tessarine makes to GetOpenFileNameA, GetSaveFileNameA and GetVersionExA
// are caught in its import table: they are recorded (and the version is
// steered), then the real functions run. The help library is the mirtosa.dll
// stand-in, which records its arguments.

#include <afxdlgs.h>
#include <afxpriv.h>
#include <afxres.h>

#include "FileDialogEx.h"

#include <mirtosa.h>

#include "ExportChecks.h"
#include "ImportPatch.h"
#include "MessageRecorder.h"
#include "ScratchFolder.h"
#include "TestHostWindow.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <dlgs.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "Wow64Limits.h"

using namespace testsupport;

// The layouts come from the SDK: the older one is a prefix of the current
// one, 76 and 88 bytes on 32-bit Windows, 136 and 152 on 64-bit.
static_assert(sizeof(OPENFILENAME_NT4A) == offsetof(OPENFILENAMEA, pvReserved),
              "the older layout is a prefix of the current one");
static_assert(sizeof(void*) == 8 ? (sizeof(OPENFILENAME_NT4A) == 136 && sizeof(OPENFILENAMEA) == 152)
                                 : (sizeof(OPENFILENAME_NT4A) == 76 && sizeof(OPENFILENAMEA) == 88),
              "OPENFILENAME sizes as the SDK defines them");

namespace
{

// The one application object of the program; tests take it away or change
// its help path for a while.
CWinApp g_app("filedialog_tests");

const char kHelpFile[] = "C:\\Help\\product.hlp";
const DWORD kDeadlineMs = 30000;
const WORD kTemplateId = 2100;

// A dialog made with new and deleted through a pointer to a base class, as
// some hosts do.
void DeleteDialog(CFileDialog* pDlg)
{
	delete pDlg;
}

typedef std::unique_ptr<CFileDialogEx, void (*)(CFileDialog*)> DialogPtr;

DialogPtr NewDialog(BOOL bOpen, LPCSTR lpszDefExt, DWORD dwFlags, LPCSTR lpszFilter, HWND hOwner)
{
	return DialogPtr(new CFileDialogEx(bOpen, lpszDefExt, NULL, dwFlags, lpszFilter, CWnd::FromHandle(hOwner)),
	                 &DeleteDialog);
}

HMODULE Tessarine()
{
	return ::GetModuleHandleA("Tessarine.dll");
}

/////////////////////////////////////////////////////////////////////////////
// What Tessarine handed the system, and the steered version

struct SystemCalls
{
	std::vector<DWORD> ofnSizes;        // lStructSize per GetOpen/SaveFileNameA
	std::vector<bool> openCalls;        // which of the two
	std::vector<DWORD> versionSizes;    // dwOSVersionInfoSize per GetVersionExA

	// the version GetVersionExA reports
	bool bSteered = false;
	bool bExSucceeds = true;
	bool bPlainSucceeds = true;
	DWORD dwPlatform = VER_PLATFORM_WIN32_NT;
	DWORD dwMajor = 10;
};
SystemCalls g_calls;

ImportPatch* g_pOpenPatch = NULL;
ImportPatch* g_pSavePatch = NULL;

BOOL WINAPI RecordingGetOpenFileName(LPOPENFILENAMEA pofn)
{
	g_calls.ofnSizes.push_back(pofn->lStructSize);
	g_calls.openCalls.push_back(true);
	return reinterpret_cast<BOOL(WINAPI*)(LPOPENFILENAMEA)>(g_pOpenPatch->Original())(pofn);
}

BOOL WINAPI RecordingGetSaveFileName(LPOPENFILENAMEA pofn)
{
	g_calls.ofnSizes.push_back(pofn->lStructSize);
	g_calls.openCalls.push_back(false);
	return reinterpret_cast<BOOL(WINAPI*)(LPOPENFILENAMEA)>(g_pSavePatch->Original())(pofn);
}

BOOL WINAPI SteeredGetVersionEx(LPOSVERSIONINFOA pInfo)
{
	g_calls.versionSizes.push_back(pInfo->dwOSVersionInfoSize);
	bool bEx = pInfo->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA);
	if (bEx ? !g_calls.bExSucceeds : !g_calls.bPlainSucceeds)
	{
		::SetLastError(ERROR_INSUFFICIENT_BUFFER);
		return FALSE;
	}
	pInfo->dwPlatformId = g_calls.dwPlatform;
	pInfo->dwMajorVersion = g_calls.dwMajor;
	pInfo->dwMinorVersion = 0;
	pInfo->dwBuildNumber = 1000;
	return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Driving the dialog from inside its message loop

// What the driver saw while the dialog was up.
struct Sighting
{
	HWND hDialog = NULL;        // the explorer dialog
	HWND hChild = NULL;         // its child dialog, bound to the object
	bool bBound = false;        // CWnd::FromHandlePermanent(hChild) is the object
	bool bOwnerEnabled = true;
	std::vector<std::string> filters;   // the texts of the file-type list
	bool bTimedOut = false;
};

// Runs once the dialog is up; presses what it wants (and must end the
// dialog, or the deadline cancels it).
typedef std::function<void(HWND hDialog, HWND hChild)> DialogAction;

struct Driver
{
	CFileDialog* pDlg = NULL;
	HWND hOwner = NULL;
	DialogAction action;
	Sighting seen;
	bool bDone = false;
	DWORD dwStart = 0;
};
Driver g_driver;

void Press(HWND hDialog, int nId)
{
	::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, nId));
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR, DWORD)
{
	Driver& d = g_driver;
	// explorer style binds the object to the child dialog, the old style to
	// the dialog itself
	HWND hChild = d.pDlg->m_hWnd;
	HWND hDialog = hChild;
	if (hChild != NULL && (d.pDlg->m_ofn.Flags & OFN_EXPLORER))
		hDialog = ::GetParent(hChild);
	if (::GetTickCount() - d.dwStart > kDeadlineMs)
	{
		// a dialog that never came up or never ended: end it
		d.seen.bTimedOut = true;
		if (hDialog != NULL)
			::EndDialog(hDialog, IDCANCEL);
		return;
	}
	if (d.bDone || hDialog == NULL || !::IsWindowVisible(hDialog))
		return;

	d.bDone = true;
	d.seen.hDialog = hDialog;
	d.seen.hChild = hChild;
	d.seen.bBound = CWnd::FromHandlePermanent(hChild) == d.pDlg;
	d.seen.bOwnerEnabled = d.hOwner != NULL && ::IsWindowEnabled(d.hOwner);
	HWND hTypes = ::GetDlgItem(hDialog, cmb1);
	int nTypes = (int)::SendMessageA(hTypes, CB_GETCOUNT, 0, 0);
	for (int i = 0; i < nTypes; i++)
	{
		char sz[128] = { 0 };
		::SendMessageA(hTypes, CB_GETLBTEXT, i, (LPARAM)sz);
		d.seen.filters.push_back(sz);
	}
	d.action(hDialog, hChild);
}

class FileDialogTest : public HostWindowTest
{
protected:
	void SetUp() override
	{
		HostWindowTest::SetUp();
		g_calls = SystemCalls();
		g_pOpenPatch = new ImportPatch(Tessarine(), "comdlg32.dll", "GetOpenFileNameA",
		                               reinterpret_cast<const void*>(&RecordingGetOpenFileName));
		g_pSavePatch = new ImportPatch(Tessarine(), "comdlg32.dll", "GetSaveFileNameA",
		                               reinterpret_cast<const void*>(&RecordingGetSaveFileName));
		m_pVersionPatch = new ImportPatch(Tessarine(), "kernel32.dll", "GetVersionExA",
		                                  reinterpret_cast<const void*>(&SteeredGetVersionEx));
		ASSERT_TRUE(g_pOpenPatch->Active() && g_pSavePatch->Active() && m_pVersionPatch->Active());
		MirtosaTestReset();
		free((void*)g_app.m_pszHelpFilePath);
		g_app.m_pszHelpFilePath = _strdup(kHelpFile);
		// a field of the host holds the focus before the dialog
		m_hField = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 100, 20,
		                             Host(), NULL, NULL, NULL);
		::SetFocus(m_hField);
	}

	void TearDown() override
	{
		delete m_pVersionPatch;
		delete g_pSavePatch;
		delete g_pOpenPatch;
		g_pOpenPatch = g_pSavePatch = NULL;
		AfxGetModuleState()->m_pCurrentWinApp = &g_app;
		HostWindowTest::TearDown();
	}

	// Runs DoModal with the driver; returns its result.
	int Run(CFileDialogEx& dlg, DialogAction action)
	{
		g_driver = Driver();
		g_driver.pDlg = &dlg;
		g_driver.hOwner = Host();
		g_driver.action = action;
		g_driver.dwStart = ::GetTickCount();
		UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, &DriveDialog);
		int nResult = dlg.DoModal();
		::KillTimer(NULL, nTimer);
		EXPECT_FALSE(g_driver.seen.bTimedOut) << "the dialog never came up, or did not end";
		return nResult;
	}

	const Sighting& Seen() const { return g_driver.seen; }

	// The owner is enabled again and the field has its focus back.
	void ExpectOwnerRestored()
	{
		EXPECT_FALSE(Seen().bOwnerEnabled) << "the owner was not disabled while the dialog was up";
		EXPECT_TRUE(::IsWindowEnabled(Host()));
		EXPECT_EQ(m_hField, ::GetFocus());
	}

	HWND m_hField = NULL;
	ImportPatch* m_pVersionPatch = NULL;
};

const char kFilter[] = "Data files (*.sav)|*.sav|All files (*.*)|*.*";

// A host's own dialog class on CFileDialogEx, with its run-time class and
// message map, as framework code derives one.
class CHostFileDialog : public CFileDialogEx
{
	DECLARE_DYNAMIC(CHostFileDialog)
public:
	CHostFileDialog(BOOL bOpen, LPCSTR lpszDefExt, DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParent)
		: CFileDialogEx(bOpen, lpszDefExt, NULL, dwFlags, lpszFilter, pParent)
	{
	}
	int m_nInitDone = 0;
protected:
	virtual void OnInitDone()
	{
		m_nInitDone++;
		CFileDialogEx::OnInitDone();
	}
	DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CHostFileDialog, CFileDialogEx)

BEGIN_MESSAGE_MAP(CHostFileDialog, CFileDialogEx)
END_MESSAGE_MAP()

// What a host links against: the members a stack object and a derived class
// need, and none of the internal ones.
TEST(FileDialogExports, StackAndDerivedClassesLink)
{
	static const char* const kExported[] = {
		"_ZN13CFileDialogExC1EiPKcS1_mS1_P4CWnd",
		"_ZN13CFileDialogExD1Ev",
		"_ZN13CFileDialogExD0Ev",
		"_ZN13CFileDialogEx7DoModalEv",
		sizeof(void*) == 8 ? "_ZN13CFileDialogEx8OnNotifyEyxPx" : "_ZN13CFileDialogEx8OnNotifyEjlPl",
		"_ZNK13CFileDialogEx15GetRuntimeClassEv",
		"_ZN13CFileDialogEx18classCFileDialogExE",
		"_ZNK13CFileDialogEx13GetMessageMapEv",
		"_ZN13CFileDialogEx10messageMapE",
	};
	static const char* const kInternal[] = {
		"_ZN13CFileDialogEx16IsWin2000OrLaterEv",
		"_ZN13CFileDialogEx13CopyBackToOfnEv",
		"_ZN13CFileDialogEx13ShowHelpTopicEj",
	};
	ExpectExportsOnly(Tessarine(), kExported, kInternal);
	EXPECT_TRUE(RUNTIME_CLASS(CHostFileDialog)->IsDerivedFrom(RUNTIME_CLASS(CFileDialog)));
}

/////////////////////////////////////////////////////////////////////////////
// What the constructor hands on to CFileDialog

struct ConstructCase
{
	const char* name;
	const char* pszFilter;
	std::vector<std::string> filters;   // the translated list, in order
	const char* pszFileName;
	const char* pszExt;
	const char* pszTitle;
};

const ConstructCase kConstructCases[] = {
	{ "ClosedFilter",    "Text (*.txt)|*.txt|All (*.*)|*.*||", { "Text (*.txt)", "*.txt", "All (*.*)", "*.*" }, "report.txt", "txt", "report" },
	{ "OneClosingBar",   "Text (*.txt)|*.txt|",                { "Text (*.txt)", "*.txt" },                    "a.b.c",      "c",   "a.b" },
	{ "NoClosingBar",    "Text (*.txt)|*.txt",                 { "Text (*.txt)", "*.txt" },                    "noext",      "",    "noext" },
	{ "EmptyFilter",     "",                                   { },                                            "",           "",    "" },
};

class FileDialogConstruct : public ::testing::TestWithParam<ConstructCase>
{
};

TEST_P(FileDialogConstruct, TranslatesTheFilterAndKeepsTheName)
{
	const ConstructCase& c = GetParam();
	DialogPtr pDlg(new CFileDialogEx(FALSE, "txt", c.pszFileName, OFN_HIDEREADONLY, c.pszFilter), &DeleteDialog);
	const OPENFILENAME_NT4A& ofn = pDlg->m_ofn;

	EXPECT_EQ(sizeof(OPENFILENAME_NT4A), ofn.lStructSize);
	EXPECT_EQ((DWORD)(OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK), ofn.Flags);
	EXPECT_STREQ("txt", ofn.lpstrDefExt);
	EXPECT_EQ((DWORD)_MAX_PATH, ofn.nMaxFile);
	EXPECT_STREQ(c.pszFileName, ofn.lpstrFile);
	EXPECT_TRUE(ofn.lpfnHook != NULL);

	// pairs up to an empty string; the one after the last pattern ends the list
	ASSERT_TRUE(ofn.lpstrFilter != NULL);
	const char* p = ofn.lpstrFilter;
	for (const std::string& expected : c.filters)
	{
		EXPECT_EQ(expected, p);
		p += strlen(p) + 1;
	}
	EXPECT_EQ('\0', *p) << "the list does not end after " << c.filters.size() << " strings";

	EXPECT_STREQ(c.pszFileName, pDlg->GetPathName());
	EXPECT_STREQ(c.pszFileName, pDlg->GetFileName());
	EXPECT_STREQ(c.pszExt, pDlg->GetFileExt());
	EXPECT_STREQ(c.pszTitle, pDlg->GetFileTitle());
}

INSTANTIATE_TEST_SUITE_P(Filters, FileDialogConstruct, ::testing::ValuesIn(kConstructCases),
                         [](const ::testing::TestParamInfo<ConstructCase>& info) { return info.param.name; });

/////////////////////////////////////////////////////////////////////////////
// OK and Cancel

struct OkCase
{
	const char* name;
	BOOL bOpen;
	DWORD dwFlags;
	const char* pszFile;    // name of the chosen file
	const char* pszTitle;   // the same without its extension
};

// 94 characters, longer than the title buffer of 64
#define LONG_NAME "a name of ninety-four characters, longer than the sixty-four of the file title buffer 2024"
static_assert(sizeof(LONG_NAME ".sav") - 1 == 94, "94 characters");

class FileDialogOk : public FileDialogTest, public ::testing::WithParamInterface<OkCase>
{
};

TEST_P(FileDialogOk, ReturnsTheChosenPath)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
	const OkCase& c = GetParam();
	ScratchFolder folder("filedialog_");
	ASSERT_TRUE(folder.Valid());
	const std::string path = folder.File(c.pszFile);
	HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
	ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
	::CloseHandle(hFile);

	// the filter lacks its closing '|': the list must still end where it does
	CHostFileDialog dlg(c.bOpen, "sav", c.dwFlags, kFilter, CWnd::FromHandle(Host()));
	int nResult = Run(dlg, [&](HWND hDialog, HWND) {
		::SendMessageA(hDialog, CDM_SETCONTROLTEXT, cmb13, (LPARAM)path.c_str());
		Press(hDialog, IDOK);
	});

	EXPECT_EQ(IDOK, nResult);
	EXPECT_TRUE(Seen().bBound) << "the object is not bound to the explorer child dialog";
	EXPECT_EQ((std::vector<std::string>{ "Data files (*.sav)", "All files (*.*)" }), Seen().filters);
	EXPECT_EQ(1, dlg.m_nInitDone) << "the derived class's override was not reached";
	EXPECT_STREQ(path.c_str(), dlg.GetPathName());
	EXPECT_STREQ(c.pszFile, dlg.GetFileName());
	EXPECT_STREQ("sav", dlg.GetFileExt());
	EXPECT_STREQ(c.pszTitle, dlg.GetFileTitle());
	EXPECT_EQ(sizeof(OPENFILENAME_NT4A), dlg.m_ofn.lStructSize);
	EXPECT_EQ(NULL, dlg.m_hWnd);
	ASSERT_EQ(1u, g_calls.openCalls.size());
	EXPECT_EQ(c.bOpen != FALSE, g_calls.openCalls[0]);
	ExpectOwnerRestored();
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileDialogOk,
                         ::testing::Values(OkCase{ "Open", TRUE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                                                   "survey.2024.sav", "survey.2024" },
                                           OkCase{ "Save", FALSE, OFN_HIDEREADONLY,
                                                   "survey.2024.sav", "survey.2024" },
                                           OkCase{ "OpenLongName", TRUE, OFN_HIDEREADONLY,
                                                   LONG_NAME ".sav", LONG_NAME }),
                         [](const ::testing::TestParamInfo<OkCase>& info) { return info.param.name; });

/////////////////////////////////////////////////////////////////////////////
// The layout handed to the system follows the version

struct VersionCase
{
	const char* name;
	bool bExSucceeds;
	bool bPlainSucceeds;
	DWORD dwPlatform;
	DWORD dwMajor;
	bool bCurrentLayout;
	int nVersionCalls;      // 1: the extended query answered; 2: the plain one was asked too
};

const VersionCase kVersionCases[] = {
	{ "Windows10",          true,  true,  VER_PLATFORM_WIN32_NT,      10, true,  1 },
	{ "Windows2000",        true,  true,  VER_PLATFORM_WIN32_NT,       5, true,  1 },
	{ "WindowsNT4",         true,  true,  VER_PLATFORM_WIN32_NT,       4, false, 1 },
	{ "Windows98",          true,  true,  VER_PLATFORM_WIN32_WINDOWS,  4, false, 1 },
	{ "NineXMajor5",        true,  true,  VER_PLATFORM_WIN32_WINDOWS,  5, false, 1 },
	{ "PlainQueryNT5",      false, true,  VER_PLATFORM_WIN32_NT,       5, true,  2 },
	{ "PlainQueryNT4",      false, true,  VER_PLATFORM_WIN32_NT,       4, false, 2 },
	{ "NoVersion",          false, false, VER_PLATFORM_WIN32_NT,      10, false, 2 },
};

class FileDialogVersion : public FileDialogTest, public ::testing::WithParamInterface<VersionCase>
{
};

TEST_P(FileDialogVersion, CancelledDialogGotTheLayoutOfTheVersion)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
	const VersionCase& c = GetParam();
	g_calls.bExSucceeds = c.bExSucceeds;
	g_calls.bPlainSucceeds = c.bPlainSucceeds;
	g_calls.dwPlatform = c.dwPlatform;
	g_calls.dwMajor = c.dwMajor;

	DialogPtr pDlg = NewDialog(TRUE, NULL, OFN_HIDEREADONLY, kFilter, Host());
	CFileDialogEx& dlg = *pDlg;
	int nResult = Run(dlg, [](HWND hDialog, HWND) { Press(hDialog, IDCANCEL); });

	EXPECT_EQ(IDCANCEL, nResult);
	ASSERT_EQ(1u, g_calls.ofnSizes.size());
	EXPECT_EQ(c.bCurrentLayout ? sizeof(OPENFILENAMEA) : sizeof(OPENFILENAME_NT4A), g_calls.ofnSizes[0]);
	EXPECT_EQ(sizeof(OPENFILENAME_NT4A), dlg.m_ofn.lStructSize);
	std::vector<DWORD> sizes = { sizeof(OSVERSIONINFOEXA), sizeof(OSVERSIONINFOA) };
	sizes.resize(c.nVersionCalls);
	EXPECT_EQ(sizes, g_calls.versionSizes);
	EXPECT_STREQ("", dlg.GetPathName());
	ExpectOwnerRestored();
}

INSTANTIATE_TEST_SUITE_P(Versions, FileDialogVersion, ::testing::ValuesIn(kVersionCases),
                         [](const ::testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

// A host's own name buffer that the name fills to the last character: the
// name is cut at that character, and nothing beyond the buffer is read or
// written.
TEST_F(FileDialogTest, NameFillingTheBufferStaysInside)
{
	struct
	{
		char name[8];
		char guard[8];
	} buffer;
	memcpy(buffer.name, "abcdefgh", 8);
	memcpy(buffer.guard, "XXXXXXX", 8);
	DialogPtr pDlg = NewDialog(TRUE, NULL, OFN_HIDEREADONLY, kFilter, Host());
	pDlg->m_ofn.lpstrFile = buffer.name;
	pDlg->m_ofn.nMaxFile = sizeof(buffer.name);

	EXPECT_EQ(IDCANCEL, Run(*pDlg, [](HWND hDialog, HWND) { Press(hDialog, IDCANCEL); }));
	EXPECT_STREQ("abcdefg", buffer.name);
	EXPECT_STREQ("XXXXXXX", buffer.guard);
}

// Without OFN_EXPLORER the creation hook binds the object to the (old-style)
// dialog window itself.
TEST_F(FileDialogTest, OldStyleDialogIsBoundToItsWindow)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
	DialogPtr pDlg = NewDialog(TRUE, NULL, OFN_HIDEREADONLY, kFilter, Host());
	pDlg->m_ofn.Flags &= ~OFN_EXPLORER;
	HWND hOwner = NULL;
	char szClass[32] = { 0 };
	EXPECT_EQ(IDCANCEL, Run(*pDlg, [&](HWND hDialog, HWND) {
		hOwner = ::GetWindow(hDialog, GW_OWNER);
		::GetClassNameA(hDialog, szClass, sizeof(szClass));
		Press(hDialog, IDCANCEL);
	}));
	EXPECT_TRUE(Seen().bBound);
	EXPECT_STREQ("#32770", szClass);
	EXPECT_EQ(Host(), hOwner);
	EXPECT_EQ(sizeof(OPENFILENAMEA), g_calls.ofnSizes.at(0));
	ExpectOwnerRestored();
}

/////////////////////////////////////////////////////////////////////////////
// Help

enum Host { withHelpPath, withoutHelpPath, withoutApp };

struct HelpCase
{
	const char* name;
	LPCSTR lpszTemplate;    // NULL: no template of the host's
	Host host;
	bool bHelpCalled;
	int nTopic;
	const char* pszPath;    // NULL: the path argument is NULL
};

const HelpCase kHelpCases[] = {
	{ "NumberedTemplate",   MAKEINTRESOURCEA(kTemplateId), withHelpPath,    true,  kTemplateId, "C:\\Help\\product.hlp>sub" },
	{ "NoTemplate",         NULL,                          withHelpPath,    true,  0,           "C:\\Help\\product.hlp>sub" },
	{ "NoHelpPath",         MAKEINTRESOURCEA(kTemplateId), withoutHelpPath, true,  kTemplateId, NULL },
	{ "NoApplication",      NULL,                          withoutApp,      true,  0,           NULL },
	{ "NamedTemplate",      "NAMEDTEMPLATE",               withHelpPath,    false, 0,           NULL },
};

class FileDialogHelp : public FileDialogTest, public ::testing::WithParamInterface<HelpCase>
{
};

bool KeepHelpMessages(HWND, UINT message, WPARAM, LPARAM lParam)
{
	if (message == WM_NOTIFY)
		return reinterpret_cast<const NMHDR*>(lParam)->code == (UINT)CDN_HELP;
	return message == WM_COMMAND || message == WM_COMMANDHELP;
}

// Clicks Help. Windows' explorer-style dialog then sends CDN_HELP to the hook's
// child dialog; Wine 8's does nothing on a Help click, so when no CDN_HELP
// arrived the test sends it as Windows does.
void ClickHelp(HWND hDialog, HWND hChild)
{
	::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(pshHelp, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, pshHelp));
	for (const RecordedMsg& msg : Recorder().Log("child"))
		if (msg.message == WM_NOTIFY)
			return;
	OFNOTIFYA notify;
	memset(&notify, 0, sizeof(notify));
	notify.hdr.hwndFrom = hDialog;
	notify.hdr.code = CDN_HELP;
	::SendMessageA(hChild, WM_NOTIFY, 0, (LPARAM)&notify);
}

TEST_P(FileDialogHelp, HelpButtonOpensTheTopicOfTheTemplate)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
	const HelpCase& c = GetParam();
	if (c.host == withoutHelpPath)
	{
		free((void*)g_app.m_pszHelpFilePath);
		g_app.m_pszHelpFilePath = NULL;
	}
	if (c.host == withoutApp)
		AfxGetModuleState()->m_pCurrentWinApp = NULL;

	DialogPtr pDlg = NewDialog(TRUE, NULL, OFN_HIDEREADONLY | OFN_SHOWHELP, kFilter, Host());
	CFileDialogEx& dlg = *pDlg;
	if (c.lpszTemplate != NULL)
	{
		dlg.m_ofn.Flags |= OFN_ENABLETEMPLATE;
		dlg.m_ofn.hInstance = ::GetModuleHandleA(NULL);
		dlg.m_ofn.lpTemplateName = c.lpszTemplate;
	}
	Recorder().SetFilter("child", &KeepHelpMessages);
	int nCalls = -1;
	int nResult = Run(dlg, [&](HWND hDialog, HWND hChild) {
		RecordControl(hChild, "child");
		Recorder().Flush("child");
		ClickHelp(hDialog, hChild);
		nCalls = MirtosaTestCallCount();
		Press(hDialog, IDCANCEL);
	});
	Recorder().SetFilter("child", MessageRecorder::Filter());
	EXPECT_EQ(IDCANCEL, nResult);
	ASSERT_TRUE(Seen().bBound);

	if (!c.bHelpCalled)
	{
		// CFileDialog's own handling: the help command, then the help request
		EXPECT_EQ(0, nCalls);
		static const MsgEntry seq[] = {
			{ WM_NOTIFY, sent | id, 0, 0, (UINT)CDN_HELP },
			{ WM_COMMAND, sent | wparam | lparam, ID_HELP, 0 },
			{ WM_COMMANDHELP, sent | wparam | lparam, 0, 0 },
			{ 0 }
		};
		EXPECT_SEQUENCE("child", seq, "Help with a named template");
		return;
	}
	static const MsgEntry helpOnly[] = { { WM_NOTIFY, sent | id, 0, 0, (UINT)CDN_HELP }, { 0 } };
	EXPECT_SEQUENCE("child", helpOnly, "the help notification goes no further");
	ASSERT_EQ(1, nCalls);
	MirtosaTestCall call;
	ASSERT_TRUE(MirtosaTestLastCall(&call));
	EXPECT_EQ(Seen().hChild, call.hWnd);
	EXPECT_EQ(c.pszPath == NULL, call.bPathNull != 0);
	EXPECT_STREQ(c.pszPath != NULL ? c.pszPath : "", call.szPath);
	EXPECT_EQ(1, call.nCommand);
	EXPECT_EQ(c.nTopic, call.nTopic);
	EXPECT_EQ(c.nTopic, call.nContext);
	EXPECT_EQ(115, call.nFlags);
}

INSTANTIATE_TEST_SUITE_P(Templates, FileDialogHelp, ::testing::ValuesIn(kHelpCases),
                         [](const ::testing::TestParamInfo<HelpCase>& info) { return info.param.name; });

} // namespace
