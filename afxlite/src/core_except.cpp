// Framework exceptions.  They are thrown as pointers; the catcher calls
// Delete(), which frees heap exceptions and leaves the static ones alone.

#include <afx.h>

#include "core_internal.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

/////////////////////////////////////////////////////////////////////////////
// CException

CException::CException() : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szErrorMessage[512];
    UINT nHelpContext = 0;
    CString strMessage;
    if (GetErrorMessage(szErrorMessage, _countof(szErrorMessage), &nHelpContext))
        strMessage = szErrorMessage;
    else if (nMessageID != 0)
        strMessage.LoadString(nMessageID);
    if (strMessage.IsEmpty())
        strMessage = "No error message is available.";

    // The owner is the active window of this thread, as for the framework's
    // own message boxes; the caption is the program's name.
    TCHAR szCaption[MAX_PATH];
    LPTSTR pszDot = NULL;
    LPTSTR pszName = AfxLiteSplitModulePath(NULL, szCaption, &pszDot);
    LPCTSTR lpszCaption = "Error";
    if (pszName != NULL)
    {
        if (pszDot != NULL)
            *pszDot = '\0';
        if (*pszName != '\0')
            lpszCaption = pszName;
    }
    return ::MessageBoxA(::GetActiveWindow(), strMessage, lpszCaption, nType);
}

/////////////////////////////////////////////////////////////////////////////
// CSimpleException

CSimpleException::CSimpleException()
    : CException(TRUE), m_bInitialized(FALSE), m_bLoaded(FALSE),
      m_nResourceID(0), m_lpszDefault(NULL)
{
    m_szMessage[0] = '\0';
}

CSimpleException::CSimpleException(BOOL bAutoDelete)
    : CException(bAutoDelete), m_bInitialized(FALSE), m_bLoaded(FALSE),
      m_nResourceID(0), m_lpszDefault(NULL)
{
    m_szMessage[0] = '\0';
}

CSimpleException::CSimpleException(BOOL bAutoDelete, UINT nResourceID, LPCTSTR lpszDefault)
    : CException(bAutoDelete), m_bInitialized(FALSE), m_bLoaded(FALSE),
      m_nResourceID(nResourceID), m_lpszDefault(lpszDefault)
{
    m_szMessage[0] = '\0';
}

CSimpleException::~CSimpleException()
{
}

void CSimpleException::InitString()
{
    m_bInitialized = TRUE;
    m_bLoaded = FALSE;
    m_szMessage[0] = '\0';
    if (m_nResourceID != 0 &&
        AfxLoadString(m_nResourceID, m_szMessage, _countof(m_szMessage)) != 0)
    {
        m_bLoaded = TRUE;
    }
    else if (m_lpszDefault != NULL)
    {
        lstrcpynA(m_szMessage, m_lpszDefault, _countof(m_szMessage));
        m_bLoaded = TRUE;
    }
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;

    if (!m_bInitialized)
        InitString();
    if (m_bLoaded)
        lstrcpynA(lpszError, m_szMessage, nMaxError);
    else
        lpszError[0] = '\0';
    return m_bLoaded;
}

/////////////////////////////////////////////////////////////////////////////
// The concrete exceptions.  No module of this product carries the
// framework's exception strings, so they use built-in texts (resource id 0);
// a caller may still construct one with a string id of its own.

static const UINT AFX_IDS_MEMORY_EXCEPTION_ID = 0;
static const UINT AFX_IDS_NOT_SUPPORTED_EXCEPTION_ID = 0;
static const UINT AFX_IDS_RESOURCE_EXCEPTION_ID = 0;

CMemoryException::CMemoryException()
    : CSimpleException(TRUE, AFX_IDS_MEMORY_EXCEPTION_ID, "Out of memory.")
{
}

CMemoryException::CMemoryException(BOOL bAutoDelete, UINT nResourceID)
    : CSimpleException(bAutoDelete, nResourceID, "Out of memory.")
{
}

CMemoryException::~CMemoryException()
{
}

CNotSupportedException::CNotSupportedException()
    : CSimpleException(TRUE, AFX_IDS_NOT_SUPPORTED_EXCEPTION_ID,
                       "An unsupported operation was attempted.")
{
}

CNotSupportedException::CNotSupportedException(BOOL bAutoDelete, UINT nResourceID)
    : CSimpleException(bAutoDelete, nResourceID, "An unsupported operation was attempted.")
{
}

CNotSupportedException::~CNotSupportedException()
{
}

CResourceException::CResourceException()
    : CSimpleException(TRUE, AFX_IDS_RESOURCE_EXCEPTION_ID,
                       "A required resource was unavailable.")
{
}

CResourceException::CResourceException(BOOL bAutoDelete, UINT nResourceID)
    : CSimpleException(bAutoDelete, nResourceID, "A required resource was unavailable.")
{
}

CResourceException::~CResourceException()
{
}

/////////////////////////////////////////////////////////////////////////////
// Throw helpers.  Each throws one static object (bAutoDelete FALSE), so an
// out-of-memory report never needs memory itself.

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE, AFX_IDS_MEMORY_EXCEPTION_ID);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    static CNotSupportedException s_notSupportedException(FALSE, AFX_IDS_NOT_SUPPORTED_EXCEPTION_ID);
    throw &s_notSupportedException;
}

void AFXAPI AfxThrowResourceException()
{
    static CResourceException s_resourceException(FALSE, AFX_IDS_RESOURCE_EXCEPTION_ID);
    throw &s_resourceException;
}
