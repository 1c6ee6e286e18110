// mirtosa.cpp : stand-in for the host product's help library

#include "mirtosa.h"

#include <string.h>

namespace
{
	int g_nCalls = 0;
	int g_nResult = 1;
	MirtosaTestCall g_last;
}

extern "C"
{

int __cdecl MirtosaShowHelp(HWND hWnd, const char* pszHelpPath, int nCommand,
                            int nTopic, int nContext, int nFlags)
{
	g_nCalls++;
	memset(&g_last, 0, sizeof(g_last));
	g_last.hWnd = hWnd;
	g_last.bPathNull = pszHelpPath == NULL;
	if (pszHelpPath != NULL)
		lstrcpynA(g_last.szPath, pszHelpPath, (int)sizeof(g_last.szPath));
	g_last.nCommand = nCommand;
	g_last.nTopic = nTopic;
	g_last.nContext = nContext;
	g_last.nFlags = nFlags;
	return g_nResult;
}

void __cdecl MirtosaTestReset()
{
	g_nCalls = 0;
	g_nResult = 1;
	memset(&g_last, 0, sizeof(g_last));
}

void __cdecl MirtosaTestSetResult(int nResult)
{
	g_nResult = nResult;
}

int __cdecl MirtosaTestCallCount()
{
	return g_nCalls;
}

int __cdecl MirtosaTestLastCall(MirtosaTestCall* pCall)
{
	if (pCall == NULL || g_nCalls == 0)
		return FALSE;
	*pCall = g_last;
	return TRUE;
}

}
