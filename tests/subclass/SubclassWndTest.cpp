// Tests of CSubclassWnd on real windows: plain ANSI and Unicode windows and
// framework (CWnd) windows, with chains of up to three hooks.
//
// Everything that sees a message writes one entry into the "chain" log, so
// the order in which the hooks, the framework window and the window's own
// procedure see a message is compared as one sequence:
//   kAtHook + n      hook n saw the message (wParam = message, lParam = its wParam)
//   kAtFramework     the framework window's WindowProc saw it
//   kAtTarget        the window's own procedure saw it
//   kUnhooked + n    hook n was unhooked through HookWindow(NULL)
//   kDestroyed + n   OnWindowDestroyed of hook n

#include <afxwin.h>

#include "SubclassWnd.h"

#include "MessageRecorder.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testsupport;

namespace
{

const char kChain[] = "chain";

const UINT kAtHook = WM_APP + 0x100;
const UINT kAtFramework = WM_APP + 0x110;
const UINT kAtTarget = WM_APP + 0x111;
const UINT kUnhooked = WM_APP + 0x120;
const UINT kDestroyed = WM_APP + 0x130;

const UINT kProbe1 = WM_USER + 1;
const UINT kProbe2 = WM_USER + 2;
const UINT kProbe3 = WM_USER + 3;

// The messages worth recording; the rest (creation, sizing...) is noise here.
bool IsProbe(UINT nMsg)
{
	return (nMsg > WM_USER && nMsg < WM_USER + 10) || nMsg == WM_DESTROY || nMsg == WM_NCDESTROY;
}

void Note(UINT marker, UINT nMsg = 0, WPARAM wParam = 0)
{
	Recorder().Add(kChain, NULL, marker, sent, nMsg, static_cast<LPARAM>(wParam));
}

// What the window's own procedure answers to a probe.
LRESULT TargetResult(UINT nMsg, WPARAM wParam)
{
	return static_cast<LRESULT>(0x5000 + (nMsg - WM_USER) * 0x100 + wParam);
}

// The procedure in place when WM_NCDESTROY reached the first procedure below
// the hooks; the thread state's record as the window's own procedure saw it.
LONG_PTR g_procAtNcDestroy = 0;
MSG g_lastSentAtTarget;
std::wstring g_textAtTarget;

template <class Char>
LRESULT TargetCommon(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, bool bUnicode)
{
	if (IsProbe(nMsg))
		Note(kAtTarget, nMsg, wParam);
	if (nMsg == WM_NCDESTROY && g_procAtNcDestroy == 0)
		g_procAtNcDestroy = ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
	if (nMsg > WM_USER && nMsg < WM_USER + 10)
	{
		g_lastSentAtTarget = AfxGetThreadState()->m_lastSentMsg;
		return TargetResult(nMsg, wParam);
	}
	if (nMsg == WM_SETTEXT && lParam != 0)
	{
		const Char* text = reinterpret_cast<const Char*>(lParam);
		g_textAtTarget.clear();
		for (; *text; text++)
			g_textAtTarget += static_cast<wchar_t>(*text);
	}
	return bUnicode ? ::DefWindowProcW(hWnd, nMsg, wParam, lParam)
	                : ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK TargetProcA(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	return TargetCommon<char>(hWnd, nMsg, wParam, lParam, false);
}

LRESULT CALLBACK TargetProcW(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	return TargetCommon<wchar_t>(hWnd, nMsg, wParam, lParam, true);
}

const char kTargetClassA[] = "HookTargetA";
const wchar_t kTargetClassW[] = L"HookTargetW";

void RegisterTargetClasses()
{
	static bool done = false;
	if (done)
		return;
	WNDCLASSA a = {};
	a.lpfnWndProc = TargetProcA;
	a.hInstance = ::GetModuleHandleA(NULL);
	a.lpszClassName = kTargetClassA;
	::RegisterClassA(&a);
	WNDCLASSW w = {};
	w.lpfnWndProc = TargetProcW;
	w.hInstance = ::GetModuleHandleW(NULL);
	w.lpszClassName = kTargetClassW;
	::RegisterClassW(&w);
	done = true;
}

// A framework window laid over a plain target window.
class TestFrameWnd : public CWnd
{
public:
	const MSG* m_pCurrentAtProbe1 = NULL;
	MSG m_currentAtProbe1 = {};

protected:
	LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
	{
		if (IsProbe(nMsg))
			Note(kAtFramework, nMsg, wParam);
		if (nMsg == WM_NCDESTROY && g_procAtNcDestroy == 0)
			g_procAtNcDestroy = ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
		return CWnd::WindowProc(nMsg, wParam, lParam);
	}

	afx_msg LRESULT OnProbe1(WPARAM, LPARAM)
	{
		m_pCurrentAtProbe1 = GetCurrentMessage();
		if (m_pCurrentAtProbe1 != NULL)
			m_currentAtProbe1 = *m_pCurrentAtProbe1;
		return Default();
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestFrameWnd, CWnd)
	ON_MESSAGE(WM_USER + 1, OnProbe1)
END_MESSAGE_MAP()

// A hook that records what it sees and, as steered, swallows a message,
// passes on through PassToNext, or runs an action first.
class TestHook : public CSubclassWnd
{
public:
	explicit TestHook(int n) : m_n(n) {}
	~TestHook() override { HookWindow((HWND)NULL); }

	using CSubclassWnd::HookWindow;
	BOOL HookWindow(HWND hWnd) override
	{
		if (hWnd == NULL && IsAttached())
			Note(kUnhooked + m_n);
		return CSubclassWnd::HookWindow(hWnd);
	}
	void OnWindowDestroyed() override
	{
		Note(kDestroyed + m_n);
		m_nDestroyedCalls++;
	}

	HWND Hooked() const { return m_hWnd; }

	int m_n;
	int m_nDestroyedCalls = 0;
	UINT m_nSwallow = 0;
	LRESULT m_lSwallowResult = 0;
	bool m_bPassToNext = false;
	std::function<void(TestHook&, UINT, WPARAM, LPARAM)> m_before;
	MSG m_currentAtProbe = {};

protected:
	LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
	{
		if (IsProbe(nMsg))
			Note(kAtHook + m_n, nMsg, wParam);
		if (nMsg > WM_USER && nMsg < WM_USER + 10)
			m_currentAtProbe = *CWnd::GetCurrentMessage();
		if (m_before)
			m_before(*this, nMsg, wParam, lParam);
		if (m_nSwallow != 0 && nMsg == m_nSwallow)
			return m_lSwallowResult;
		return m_bPassToNext ? PassToNext() : CSubclassWnd::WindowProc(nMsg, wParam, lParam);
	}
};

// A derived hook that never unhooks by itself.
class ForgetfulHook : public CSubclassWnd
{
protected:
	LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
	{
		if (IsProbe(nMsg))
			Note(kAtHook + 9, nMsg, wParam);
		return CSubclassWnd::WindowProc(nMsg, wParam, lParam);
	}
};

enum WindowKind
{
	kForeignAnsi,
	kForeignUnicode,
	kFramework,
};

const char* KindName(WindowKind kind)
{
	switch (kind)
	{
	case kForeignAnsi: return "ForeignAnsi";
	case kForeignUnicode: return "ForeignUnicode";
	default: return "Framework";
	}
}

class SubclassTest : public HostWindowTest
{
protected:
	void SetUp() override
	{
		HostWindowTest::SetUp();
		RegisterTargetClasses();
		Recorder().SetFilter(kChain, [](HWND, UINT, WPARAM, LPARAM) { return true; });
		Recorder().Flush(kChain);
		g_procAtNcDestroy = 0;
		g_lastSentAtTarget = MSG();
		g_textAtTarget.clear();
	}
	void TearDown() override
	{
		for (HWND hWnd : m_windows)
			if (::IsWindow(hWnd))
				::DestroyWindow(hWnd);
		for (TestFrameWnd* p : m_frames)
			delete p;
		HostWindowTest::TearDown();
	}

	HWND CreateTarget(WindowKind kind)
	{
		HWND hWnd;
		if (kind == kForeignUnicode)
			hWnd = ::CreateWindowExW(0, kTargetClassW, L"", WS_CHILD, 0, 0, 50, 20, Host(),
			                         NULL, ::GetModuleHandleW(NULL), NULL);
		else
			hWnd = ::CreateWindowExA(0, kTargetClassA, "", WS_CHILD, 0, 0, 50, 20, Host(),
			                         NULL, ::GetModuleHandleA(NULL), NULL);
		EXPECT_TRUE(hWnd != NULL);
		if (kind == kFramework)
		{
			TestFrameWnd* pWnd = new TestFrameWnd;
			EXPECT_TRUE(pWnd->SubclassWindow(hWnd));
			m_frames.push_back(pWnd);
		}
		m_windows.push_back(hWnd);
		Recorder().Flush(kChain);
		return hWnd;
	}

	static LONG_PTR Proc(HWND hWnd) { return ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC); }

	std::vector<HWND> m_windows;
	std::vector<TestFrameWnd*> m_frames;
};

// The expected chain of one message: the listed hooks in order, then the
// framework window when there is one, then the window's own procedure.
std::vector<MsgEntry> ChainOf(const std::vector<int>& hooks, bool bFramework, UINT nMsg, WPARAM wParam)
{
	std::vector<MsgEntry> seq;
	for (int n : hooks)
		seq.push_back(MsgEntry{kAtHook + static_cast<UINT>(n), sent | wparam | lparam, nMsg,
		                       static_cast<LPARAM>(wParam), 0});
	if (bFramework)
		seq.push_back(MsgEntry{kAtFramework, sent | wparam | lparam, nMsg, static_cast<LPARAM>(wParam), 0});
	seq.push_back(MsgEntry{kAtTarget, sent | wparam | lparam, nMsg, static_cast<LPARAM>(wParam), 0});
	seq.push_back(MsgEntry{0, 0, 0, 0, 0});
	return seq;
}

void ExpectChainAt(const char* file, int line, const std::vector<int>& hooks, bool bFramework,
                   UINT nMsg, WPARAM wParam, const char* context)
{
	ExpectSequence(kChain, ChainOf(hooks, bFramework, nMsg, wParam).data(), context, file, line);
}

#define EXPECT_CHAIN(...) ExpectChainAt(__FILE__, __LINE__, __VA_ARGS__)

// HookWindow(NULL) on an attached hook: TRUE, and only its own unhook note.
void UnhookAt(const char* file, int line, TestHook& hook)
{
	EXPECT_TRUE(hook.IsAttached());
	EXPECT_TRUE(hook.HookWindow((HWND)NULL));
	EXPECT_FALSE(hook.IsAttached());
	const MsgEntry seq[] = { { kUnhooked + static_cast<UINT>(hook.m_n), sent }, { 0 } };
	ExpectSequence(kChain, seq, "HookWindow(NULL)", file, line);
}

#define UNHOOK(hook) UnhookAt(__FILE__, __LINE__, hook)

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Chains on every kind of window

class HookChainTest : public SubclassTest, public ::testing::WithParamInterface<WindowKind>
{
protected:
	bool Framework() const { return GetParam() == kFramework; }
};

TEST_P(HookChainTest, NewestFirstThenThePreviousProcedure)
{
	HWND hWnd = CreateTarget(GetParam());
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2), h3(3);

	EXPECT_TRUE(h1.HookWindow(hWnd));
	const LONG_PTR hooked = Proc(hWnd);
	EXPECT_NE(original, hooked);
	EXPECT_TRUE(h2.HookWindow(hWnd));
	EXPECT_EQ(hooked, Proc(hWnd)) << "the procedure is replaced once per window";
	EXPECT_EQ(TargetResult(kProbe1, 7), ::SendMessageA(hWnd, kProbe1, 7, 0));
	EXPECT_CHAIN({2, 1}, Framework(), kProbe1, 7, "two hooks");

	EXPECT_TRUE(h3.HookWindow(hWnd));
	EXPECT_EQ(hooked, Proc(hWnd));
	EXPECT_EQ(TargetResult(kProbe2, 8), ::SendMessageA(hWnd, kProbe2, 8, 0));
	EXPECT_CHAIN({3, 2, 1}, Framework(), kProbe2, 8, "three hooks");
	EXPECT_TRUE(h1.IsAttached() && h2.IsAttached() && h3.IsAttached());
}

TEST_P(HookChainTest, UnhookingMiddleNewestAndLast)
{
	if (GetParam() == kForeignUnicode)
		SKIP_IF_WOW64_LIMIT(UnicodeProcedureHandles);
	HWND hWnd = CreateTarget(GetParam());
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2), h3(3);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	h3.HookWindow(hWnd);
	const LONG_PTR hooked = Proc(hWnd);

	UNHOOK(h2);
	EXPECT_EQ(hooked, Proc(hWnd));
	::SendMessageA(hWnd, kProbe1, 1, 0);
	EXPECT_CHAIN({3, 1}, Framework(), kProbe1, 1, "middle hook left");

	UNHOOK(h3);
	EXPECT_EQ(hooked, Proc(hWnd));
	::SendMessageA(hWnd, kProbe1, 2, 0);
	EXPECT_CHAIN({1}, Framework(), kProbe1, 2, "newest hook left");

	// The older one is the newest now: hooking again stacks on top of it.
	h2.HookWindow(hWnd);
	::SendMessageA(hWnd, kProbe1, 3, 0);
	EXPECT_CHAIN({2, 1}, Framework(), kProbe1, 3, "hooked again on the older one");
	UNHOOK(h2);

	UNHOOK(h1);
	EXPECT_EQ(original, Proc(hWnd)) << "the last hook puts the previous procedure back";
	::SendMessageA(hWnd, kProbe1, 4, 0);
	EXPECT_CHAIN({}, Framework(), kProbe1, 4, "no hooks");
}

TEST_P(HookChainTest, UnhookingTheOlderOfTwoKeepsTheNewer)
{
	HWND hWnd = CreateTarget(GetParam());
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	UNHOOK(h1);
	::SendMessageA(hWnd, kProbe1, 5, 0);
	EXPECT_CHAIN({2}, Framework(), kProbe1, 5, "older hook left");
	h2.HookWindow((HWND)NULL);
	EXPECT_EQ(original, Proc(hWnd));
}

TEST_P(HookChainTest, PassToNextFromAnOverrideDoesNotRecurse)
{
	HWND hWnd = CreateTarget(GetParam());
	TestHook h1(1), h2(2);
	h1.m_bPassToNext = true;
	h2.m_bPassToNext = true;
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	EXPECT_EQ(TargetResult(kProbe3, 0x21), ::SendMessageA(hWnd, kProbe3, 0x21, 0x4321));
	EXPECT_CHAIN({2, 1}, Framework(), kProbe3, 0x21, "PassToNext");
	EXPECT_EQ(static_cast<LPARAM>(0x4321), g_lastSentAtTarget.lParam);
}

TEST_P(HookChainTest, ASwallowedMessageStopsAtTheHook)
{
	HWND hWnd = CreateTarget(GetParam());
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	h2.m_nSwallow = kProbe2;
	h2.m_lSwallowResult = 42;
	EXPECT_EQ(42, ::SendMessageA(hWnd, kProbe2, 0, 0));
	static const MsgEntry swallowed[] = {
		{ kAtHook + 2, sent | wparam, kProbe2 },
		{ 0 } };
	EXPECT_SEQUENCE(kChain, swallowed, "swallowed by the newest hook");
}

TEST_P(HookChainTest, DestroyDetachesEveryHookBeforeThePreviousProcedure)
{
	HWND hWnd = CreateTarget(GetParam());
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	ASSERT_TRUE(::DestroyWindow(hWnd));

	std::vector<MsgEntry> seq = {
		{ kAtHook + 2, sent | wparam, WM_DESTROY },
		{ kAtHook + 1, sent | wparam, WM_DESTROY } };
	if (Framework())
		seq.push_back({ kAtFramework, sent | wparam, WM_DESTROY });
	seq.push_back({ kAtTarget, sent | wparam, WM_DESTROY });
	// WM_NCDESTROY: no hook sees it; all are unhooked, newest first, then the
	// previous procedure handles it, then the newest hook hears of it.
	seq.push_back({ kUnhooked + 2, sent });
	seq.push_back({ kUnhooked + 1, sent });
	if (Framework())
		seq.push_back({ kAtFramework, sent | wparam, WM_NCDESTROY });
	seq.push_back({ kAtTarget, sent | wparam, WM_NCDESTROY });
	seq.push_back({ kDestroyed + 2, sent });
	seq.push_back({ 0 });
	EXPECT_SEQUENCE(kChain, seq.data(), "DestroyWindow");

	EXPECT_EQ(original, g_procAtNcDestroy) << "the previous procedure is back before it handles WM_NCDESTROY";
	EXPECT_FALSE(h1.IsAttached());
	EXPECT_FALSE(h2.IsAttached());
	EXPECT_EQ(0, h1.m_nDestroyedCalls);
	EXPECT_EQ(1, h2.m_nDestroyedCalls);
}

TEST_P(HookChainTest, NestedSendsSeeTheirOwnMessageAndRestoreTheOuterOne)
{
	HWND hWnd = CreateTarget(GetParam());
	HWND hOther = CreateTarget(kForeignAnsi);
	TestHook h1(1), h2(2), h3(3);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	h3.HookWindow(hOther);
	// Hook 2 sends two messages of its own, to its window and to another
	// hooked window, before passing the outer one on with PassToNext.
	h2.m_bPassToNext = true;
	h2.m_before = [hWnd, hOther](TestHook&, UINT nMsg, WPARAM, LPARAM) {
		if (nMsg == kProbe1)
		{
			::SendMessageA(hWnd, kProbe2, 0x22, 0x2222);
			::SendMessageA(hOther, kProbe3, 0x33, 0x3333);
		}
	};

	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	MSG outer = {};
	outer.hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
	outer.message = 0x7777;
	outer.wParam = 1;
	outer.lParam = 2;
	outer.time = 3;
	outer.pt.x = 4;
	outer.pt.y = 5;
	pState->m_lastSentMsg = outer;

	EXPECT_EQ(TargetResult(kProbe1, 0x11), ::SendMessageA(hWnd, kProbe1, 0x11, 0x1111));

	std::vector<MsgEntry> seq = { { kAtHook + 2, sent | wparam | lparam, kProbe1, 0x11 },
	                              { kAtHook + 2, sent | wparam | lparam, kProbe2, 0x22 },
	                              { kAtHook + 1, sent | wparam | lparam, kProbe2, 0x22 } };
	if (Framework())
		seq.push_back({ kAtFramework, sent | wparam | lparam, kProbe2, 0x22 });
	seq.push_back({ kAtTarget, sent | wparam | lparam, kProbe2, 0x22 });
	seq.push_back({ kAtHook + 3, sent | wparam | lparam, kProbe3, 0x33 });
	seq.push_back({ kAtTarget, sent | wparam | lparam, kProbe3, 0x33 });
	seq.push_back({ kAtHook + 1, sent | wparam | lparam, kProbe1, 0x11 });
	if (Framework())
		seq.push_back({ kAtFramework, sent | wparam | lparam, kProbe1, 0x11 });
	seq.push_back({ kAtTarget, sent | wparam | lparam, kProbe1, 0x11 });
	seq.push_back({ 0 });
	EXPECT_SEQUENCE(kChain, seq.data(), "nested sends");

	// The record the outer message's procedure saw is the outer message.
	EXPECT_EQ(hWnd, g_lastSentAtTarget.hwnd);
	EXPECT_EQ(kProbe1, g_lastSentAtTarget.message);
	EXPECT_EQ(static_cast<WPARAM>(0x11), g_lastSentAtTarget.wParam);
	EXPECT_EQ(static_cast<LPARAM>(0x1111), g_lastSentAtTarget.lParam);
	// The hooks saw their message as the framework's current one.
	EXPECT_EQ(hWnd, h1.m_currentAtProbe.hwnd);
	EXPECT_EQ(kProbe1, h1.m_currentAtProbe.message);
	EXPECT_EQ(static_cast<LPARAM>(0x1111), h1.m_currentAtProbe.lParam);
	EXPECT_EQ(hOther, h3.m_currentAtProbe.hwnd);
	EXPECT_EQ(kProbe3, h3.m_currentAtProbe.message);

	// Afterwards the whole record is what it was before the send.
	const MSG& after = pState->m_lastSentMsg;
	EXPECT_EQ(outer.hwnd, after.hwnd);
	EXPECT_EQ(outer.message, after.message);
	EXPECT_EQ(outer.wParam, after.wParam);
	EXPECT_EQ(outer.lParam, after.lParam);
	EXPECT_EQ(outer.time, after.time);
	EXPECT_EQ(outer.pt.x, after.pt.x);
	EXPECT_EQ(outer.pt.y, after.pt.y);
}

// A hook that unhooks itself while handling a message and then passes it
// on: the message still reaches the hooks behind it and the window.
TEST_P(HookChainTest, AHookUnhookingItselfStillPassesTheMessageOn)
{
	HWND hWnd = CreateTarget(GetParam());
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	auto unhookOn = [](UINT nWhen) {
		return [nWhen](TestHook& self, UINT nMsg, WPARAM, LPARAM) {
			if (nMsg == nWhen)
				self.HookWindow((HWND)NULL);
		};
	};
	auto expect = [&](std::vector<int> before, int nLeaving, std::vector<int> after, UINT nMsg, WPARAM wParam) {
		std::vector<MsgEntry> seq;
		for (int n : before)
			seq.push_back({ kAtHook + static_cast<UINT>(n), sent | wparam | lparam, nMsg, static_cast<LPARAM>(wParam) });
		seq.push_back({ kUnhooked + static_cast<UINT>(nLeaving), sent });
		std::vector<MsgEntry> rest = ChainOf(after, Framework(), nMsg, wParam);
		seq.insert(seq.end(), rest.begin(), rest.end());
		EXPECT_EQ(TargetResult(nMsg, wParam), ::SendMessageA(hWnd, nMsg, wParam, 0));
		EXPECT_SEQUENCE(kChain, seq.data(), "unhooked while handling it");
	};

	h1.m_before = unhookOn(kProbe1);            // the older one, reached from the newer
	expect({2, 1}, 1, {}, kProbe1, 1);
	h2.m_before = unhookOn(kProbe2);            // the newest and only one, through PassToNext
	h2.m_bPassToNext = true;
	expect({2}, 2, {}, kProbe2, 2);
	EXPECT_EQ(original, Proc(hWnd));

	h1.m_before = nullptr;                      // the newest, with one behind it
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	h2.m_bPassToNext = false;
	h2.m_before = unhookOn(kProbe3);
	expect({2}, 2, {1}, kProbe3, 3);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HookChainTest,
	::testing::Values(kForeignAnsi, kForeignUnicode, kFramework),
	[](const ::testing::TestParamInfo<WindowKind>& info) { return std::string(KindName(info.param)); });

/////////////////////////////////////////////////////////////////////////////
// Hooking and unhooking edge cases

TEST_F(SubclassTest, UnhookingAnUnhookedHookChangesNothing)
{
	HWND hWnd = CreateTarget(kForeignAnsi);
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1);
	EXPECT_TRUE(h1.HookWindow((HWND)NULL));
	EXPECT_TRUE(h1.HookWindow((CWnd*)NULL));
	EXPECT_FALSE(h1.IsAttached());
	EXPECT_EQ(original, Proc(hWnd));
	static const MsgEntry nothing[] = { { 0 } };
	EXPECT_SEQUENCE(kChain, nothing, "no unhook notes");
}

TEST_F(SubclassTest, HookWindowWithAFrameworkWindowAndANullPointer)
{
	HWND hWnd = CreateTarget(kFramework);
	CWnd* pWnd = m_frames.back();
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1);
	EXPECT_TRUE(h1.HookWindow(pWnd));
	EXPECT_EQ(hWnd, h1.Hooked());
	::SendMessageA(hWnd, kProbe1, 9, 0x99);
	EXPECT_CHAIN({1}, true, kProbe1, 9, "hooked through CWnd*");
	// The framework window's handler sees the hooked message as current.
	TestFrameWnd* pFrame = m_frames.back();
	ASSERT_TRUE(pFrame->m_pCurrentAtProbe1 != NULL);
	EXPECT_EQ(kProbe1, pFrame->m_currentAtProbe1.message);
	EXPECT_EQ(static_cast<LPARAM>(0x99), pFrame->m_currentAtProbe1.lParam);

	EXPECT_TRUE(h1.HookWindow((CWnd*)NULL));
	EXPECT_FALSE(h1.IsAttached());
	EXPECT_EQ(original, Proc(hWnd));
	EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()), original);
}

TEST_F(SubclassTest, HookingAnAttachedHookMovesItWithoutBreakingEitherChain)
{
	HWND w1 = CreateTarget(kForeignAnsi);
	HWND w2 = CreateTarget(kForeignAnsi);
	const LONG_PTR original1 = Proc(w1);
	const LONG_PTR original2 = Proc(w2);
	TestHook h1(1), h2(2), h3(3);
	h1.HookWindow(w1);
	h2.HookWindow(w1);
	h3.HookWindow(w1);

	// The middle hook moves to another window.
	EXPECT_TRUE(h2.HookWindow(w2));
	EXPECT_EQ(w2, h2.Hooked());
	::SendMessageA(w1, kProbe1, 1, 0);
	EXPECT_CHAIN({3, 1}, false, kProbe1, 1, "first window after the move");
	::SendMessageA(w2, kProbe1, 2, 0);
	EXPECT_CHAIN({2}, false, kProbe1, 2, "second window after the move");

	// The oldest hook is hooked to its own window again: it becomes the newest.
	EXPECT_TRUE(h1.HookWindow(w1));
	::SendMessageA(w1, kProbe1, 3, 0);
	EXPECT_CHAIN({1, 3}, false, kProbe1, 3, "rehooked on its own window");

	// The newest hook is hooked again where it is: nothing changes.
	EXPECT_TRUE(h1.HookWindow(w1));
	::SendMessageA(w1, kProbe1, 4, 0);
	EXPECT_CHAIN({1, 3}, false, kProbe1, 4, "rehooked where it is newest");

	// The only hook of a window moves: that window gets its procedure back.
	EXPECT_TRUE(h2.HookWindow(w1));
	EXPECT_EQ(original2, Proc(w2));
	::SendMessageA(w1, kProbe1, 5, 0);
	EXPECT_CHAIN({2, 1, 3}, false, kProbe1, 5, "only hook moved over");

	h1.HookWindow((HWND)NULL);
	h2.HookWindow((HWND)NULL);
	h3.HookWindow((HWND)NULL);
	EXPECT_EQ(original1, Proc(w1));
}

TEST_F(SubclassTest, RefusesHandlesThatAreNoWindow)
{
	HWND hWnd = CreateTarget(kForeignAnsi);
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1);
	EXPECT_FALSE(h1.HookWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FF0))));
	EXPECT_FALSE(h1.IsAttached());

	HWND hGone = CreateTarget(kForeignAnsi);
	::DestroyWindow(hGone);
	Recorder().Flush(kChain);
	EXPECT_FALSE(h1.HookWindow(hGone));
	EXPECT_FALSE(h1.IsAttached());

	// A hook that fails to move is left unhooked, and its old window whole.
	TestHook h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	EXPECT_FALSE(h2.HookWindow(hGone));
	EXPECT_FALSE(h2.IsAttached());
	::SendMessageA(hWnd, kProbe1, 6, 0);
	EXPECT_CHAIN({1}, false, kProbe1, 6, "after a failed move");
	h1.HookWindow((HWND)NULL);
	EXPECT_EQ(original, Proc(hWnd));
}

TEST_F(SubclassTest, ADestroyedHookLeavesTheChain)
{
	HWND hWnd = CreateTarget(kForeignAnsi);
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1);
	h1.HookWindow(hWnd);
	ForgetfulHook* pForgetful = new ForgetfulHook;
	pForgetful->HookWindow(hWnd);
	TestHook h2(2);
	h2.HookWindow(hWnd);

	delete pForgetful;
	::SendMessageA(hWnd, kProbe1, 7, 0);
	EXPECT_CHAIN({2, 1}, false, kProbe1, 7, "after deleting an attached hook");

	UNHOOK(h1);
	ForgetfulHook* pLast = new ForgetfulHook;
	pLast->HookWindow(hWnd);
	UNHOOK(h2);
	delete pLast;
	EXPECT_EQ(original, Proc(hWnd)) << "deleting the last hook puts the procedure back";
	::SendMessageA(hWnd, kProbe1, 8, 0);
	EXPECT_CHAIN({}, false, kProbe1, 8, "no hooks left");
}

// A framework subclass laid over the hooks after them survives the last
// unhook; the hook procedure below it keeps handing messages on, takes new
// hooks, and gives the window its own procedure back once the subclass left.
TEST_F(SubclassTest, ALaterSubclassSurvivesTheLastUnhook)
{
	HWND hWnd = CreateTarget(kForeignAnsi);
	const LONG_PTR original = Proc(hWnd);
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	TestFrameWnd* pLater = new TestFrameWnd;
	m_frames.push_back(pLater);
	ASSERT_TRUE(pLater->SubclassWindow(hWnd));
	const LONG_PTR later = Proc(hWnd);

	UNHOOK(h1);
	EXPECT_EQ(later, Proc(hWnd));
	EXPECT_EQ(TargetResult(kProbe1, 1), ::SendMessageA(hWnd, kProbe1, 1, 0));
	EXPECT_CHAIN({}, true, kProbe1, 1, "below the later subclass, no hooks");

	h2.HookWindow(hWnd);
	EXPECT_EQ(later, Proc(hWnd));
	::SendMessageA(hWnd, kProbe2, 2, 0);
	const MsgEntry joined[] = {
		{ kAtFramework, sent | wparam | lparam, kProbe2, 2 },
		{ kAtHook + 2, sent | wparam | lparam, kProbe2, 2 },
		{ kAtTarget, sent | wparam | lparam, kProbe2, 2 },
		{ 0 } };
	EXPECT_SEQUENCE(kChain, joined, "a new hook joins below the later subclass");
	UNHOOK(h2);

	pLater->UnsubclassWindow();
	::SendMessageA(hWnd, kProbe3, 3, 0);
	EXPECT_CHAIN({}, false, kProbe3, 3, "the later subclass gone");
	EXPECT_EQ(original, Proc(hWnd));
}

// An exception from a hook stops at the hook procedure: the send answers 0,
// the thread's current-message record is put back and the chain still works.
TEST_F(SubclassTest, AThrowingHookRestoresTheRecordAndThrowsNoFurther)
{
	HWND hWnd = CreateTarget(kForeignAnsi);
	TestHook h1(1), h2(2);
	h1.HookWindow(hWnd);
	h2.HookWindow(hWnd);
	const std::function<void()> throwers[] = {
		[] { AfxThrowMemoryException(); },
		[] { throw 7; },
	};
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	for (const std::function<void()>& doThrow : throwers)
	{
		h2.m_before = [&doThrow](TestHook&, UINT nMsg, WPARAM, LPARAM) {
			if (nMsg == kProbe1)
				doThrow();
		};
		pState->m_lastSentMsg = MSG();
		pState->m_lastSentMsg.message = 0x7777;
		EXPECT_EQ(0, ::SendMessageA(hWnd, kProbe1, 1, 0));
		EXPECT_EQ(0x7777u, pState->m_lastSentMsg.message);
		EXPECT_EQ((HWND)NULL, pState->m_lastSentMsg.hwnd);
		const MsgEntry stopped[] = { { kAtHook + 2, sent | wparam, kProbe1 }, { 0 } };
		EXPECT_SEQUENCE(kChain, stopped, "thrown in the newest hook");
		::SendMessageA(hWnd, kProbe2, 2, 0);
		EXPECT_CHAIN({2, 1}, false, kProbe2, 2, "after the exception");
	}
}

TEST_F(SubclassTest, UnicodeWindowsKeepTheirTextThroughTheAnsiHook)
{
	SKIP_IF_WOW64_LIMIT(UnicodeProcedureHandles);
	HWND hWnd = CreateTarget(kForeignUnicode);
	TestHook h1(1);
	h1.HookWindow(hWnd);
	EXPECT_TRUE(::SetWindowTextA(hWnd, "Hooked text"));
	EXPECT_EQ(std::wstring(L"Hooked text"), g_textAtTarget);
	wchar_t buffer[32] = {};
	::GetWindowTextW(hWnd, buffer, 32);
	EXPECT_EQ(std::wstring(L"Hooked text"), std::wstring(buffer));
	h1.HookWindow((HWND)NULL);
	EXPECT_TRUE(::IsWindowUnicode(hWnd));
}

TEST(SubclassRuntimeClass, RecordNamesTheClassAndItsBase)
{
	const CRuntimeClass* pClass = RUNTIME_CLASS(CSubclassWnd);
	EXPECT_STREQ("CSubclassWnd", pClass->m_lpszClassName);
	EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
	EXPECT_TRUE(pClass->m_pfnCreateObject == NULL);
	EXPECT_EQ(static_cast<int>(sizeof(CSubclassWnd)), pClass->m_nObjectSize);
	EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CObject)));
	TestHook hook(1);
	EXPECT_TRUE(hook.IsKindOf(RUNTIME_CLASS(CSubclassWnd)));
	EXPECT_EQ(pClass, hook.GetRuntimeClass());
}
