// mirtosa.h : the help function of the host product's mirtosa library, as far
// as Tessarine calls it, and the steering interface of this stand-in.
//
// The help function is bound by ordinal (11); its name is this stand-in's
// own. The stand-in shows nothing: it records each call for the tests.

#pragma once

#include <windows.h>

#ifdef MIRTOSA_BUILD
#define MIRTOSA_API
#else
#define MIRTOSA_API __declspec(dllimport)
#endif

extern "C"
{
	// Shows help topic nTopic of the help file pszHelpPath for the window
	// hWnd. nCommand selects how the topic is shown (1: as a topic of its
	// own), nContext is the context number the topic is looked up by and
	// nFlags the way of showing it (115: in the product's help window).
	// Returns non-zero when the help was shown. Exported at ordinal 11.
	MIRTOSA_API int __cdecl MirtosaShowHelp(HWND hWnd, const char* pszHelpPath, int nCommand,
	                                        int nTopic, int nContext, int nFlags);

	// Steering interface of the stand-in.

	// Back to the start state: no calls recorded, result 1.
	MIRTOSA_API void __cdecl MirtosaTestReset();
	// The result MirtosaShowHelp returns from now on.
	MIRTOSA_API void __cdecl MirtosaTestSetResult(int nResult);
	MIRTOSA_API int __cdecl MirtosaTestCallCount();

	// The arguments of the last call.
	struct MirtosaTestCall
	{
		HWND hWnd;
		int bPathNull;          // the path pointer was NULL
		char szPath[520];       // the path, cut to fit; empty when NULL
		int nCommand;
		int nTopic;
		int nContext;
		int nFlags;
	};
	// Copies the last call's arguments; FALSE when there was none.
	MIRTOSA_API int __cdecl MirtosaTestLastCall(MirtosaTestCall* pCall);
}
