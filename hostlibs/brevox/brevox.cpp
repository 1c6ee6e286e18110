// brevox.cpp : stand-in for the host product's system library

#include "brevox.h"

namespace
{
	UINT g_nCodePage = 0;	// 0: the process's ANSI code page
	int g_nCalls = 0;
}

extern "C"
{

UINT ZELVIKGetUserCodePage()
{
	g_nCalls++;
	return g_nCodePage != 0 ? g_nCodePage : ::GetACP();
}

void BrevoxTestSetUserCodePage(UINT nCodePage)
{
	g_nCodePage = nCodePage;
}

int BrevoxTestCodePageCalls()
{
	return g_nCalls;
}

void BrevoxTestReset()
{
	g_nCodePage = 0;
	g_nCalls = 0;
}

}
