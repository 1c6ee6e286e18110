// FileChecks.cpp : file existence checks and quoting

#include "FileChecks.h"

#include <sorvane.h>

#include <memory>
#include <string>

namespace
{
	// The two status values of FileOpenDAC::CheckSource that mean the source
	// can be opened; every other value means it cannot.
	bool IsAvailableStatus(int nStatus)
	{
		return nStatus == 0 || nStatus == 3;
	}
}

extern "C" void __cdecl AddQuotes(CString& strText)
{
	TCHAR chQuote = (strText.Find(_T('\'')) >= 0) ? _T('"') : _T('\'');
	CString strQuoted(chQuote);
	strQuoted += strText;
	strQuoted += chQuote;
	strText = strQuoted;
}

extern "C" BOOL __cdecl CheckFileExistence(CString strPath)
{
	// The data-access library may throw; nothing leaves this C function but
	// its result, and a check that threw found no source.
	try
	{
		FileOpenDAC* pDAC = DataAccessManager::Instance().GetFileOpenDAC();
		if (pDAC == NULL)
			return FALSE;

		// The descriptor is ours; the holder deletes it on every way out,
		// also when the access object throws.
		std::unique_ptr<FileOpenSourceDescriptor> pSource(pDAC->CreateSourceDescriptor());
		if (!pSource)
			return FALSE;
		pSource->SetPathName(std::string(static_cast<LPCTSTR>(strPath),
		                                 static_cast<size_t>(strPath.GetLength())));
		int nStatus = pDAC->CheckSource(pSource.get());
		return IsAvailableStatus(nStatus) ? TRUE : FALSE;
	}
	catch (CException* e)
	{
		e->Delete();
		return FALSE;
	}
	catch (...)
	{
		return FALSE;
	}
}

extern "C" BOOL __cdecl CheckLocalFileExistence(CString strPath)
{
	CFileStatus status;
	return CFile::GetStatus(strPath, status);
}
