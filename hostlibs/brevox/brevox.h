// brevox.h : the part of the host product's system library brevox that
// Tessarine calls, and the steering interface of this stand-in.
//
// ZELVIKGetUserCodePage names the code page in which the host writes its
// 8-bit user-interface text. This stand-in answers the process's ANSI code
// page (GetACP) unless a test has set another.

#pragma once

#include <windows.h>

#ifdef BREVOX_BUILD
#define BREVOX_API __declspec(dllexport)
#else
#define BREVOX_API __declspec(dllimport)
#endif

extern "C"
{
	// The code page of the host's user-interface text.
	BREVOX_API UINT ZELVIKGetUserCodePage();

	// Steering interface of the stand-in.
	// The code page ZELVIKGetUserCodePage returns from now on; 0 goes back
	// to the process's ANSI code page.
	BREVOX_API void BrevoxTestSetUserCodePage(UINT nCodePage);
	// Number of ZELVIKGetUserCodePage calls since the last reset.
	BREVOX_API int BrevoxTestCodePageCalls();
	// Back to the start state: the ANSI code page, no calls counted.
	BREVOX_API void BrevoxTestReset();
}
