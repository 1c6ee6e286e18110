/// @file FileChecks.h
/// File existence checks and quoting for the host's dialogs.
///
/// Functions in this header (exported undecorated, cdecl):
/// - AddQuotes: wraps a text in the quote it does not contain
/// - CheckFileExistence: asks the host's data access whether a source opens
/// - CheckLocalFileExistence: asks the local file system only
///
/// CheckFileExistence calls the host product's data-access library
/// (sorvane.dll). Threads: any thread; nothing is shared.
///
/// @par Example
/// @snippet host.cpp filechecks

#pragma once

#include <afx.h>

/// strText becomes 'strText', or "strText" when it already holds an
/// apostrophe. Nothing inside the text is escaped.
extern "C" AFX_EXT_API void __cdecl AddQuotes(CString& strText);

/// TRUE when the data-access library reports strPath as a source that can be
/// opened; FALSE when it has no file-open access object, reports otherwise or
/// throws (nothing is thrown to the caller).
extern "C" AFX_EXT_API BOOL __cdecl CheckFileExistence(CString strPath);

/// TRUE when strPath names an existing file or folder.
extern "C" AFX_EXT_API BOOL __cdecl CheckLocalFileExistence(CString strPath);
