// CObject, CRuntimeClass and the diagnostic helpers.

#include <afx.h>

#include <stdio.h>

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
    {
        TRACE("Error: Trying to create object which is not DECLARE_DYNCREATE\n"
              "or DECLARE_SERIAL: %s.\n", m_lpszClassName);
        return NULL;
    }

    CObject* pObject = NULL;
    try
    {
        pObject = (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        // A failed creation is reported as NULL, never as an exception.
        e->Delete();
        pObject = NULL;
    }
    return pObject;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    ASSERT(pBaseClass != NULL);

    // Walk the base-class chain of this class looking for pBaseClass.
    const CRuntimeClass* pClassThis = this;
    while (pClassThis != NULL)
    {
        if (pClassThis == pBaseClass)
            return TRUE;
        if (pClassThis->m_pfnGetBaseClass == NULL)
            break;
        pClassThis = (*pClassThis->m_pfnGetBaseClass)();
    }
    return FALSE;  // walked to the top, no match
}

/////////////////////////////////////////////////////////////////////////////
// CObject

const AFX_DATADEF CRuntimeClass CObject::classCObject =
    { "CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL };

static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return NULL;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

CObject::~CObject()
{
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    CRuntimeClass* pClassThis = GetRuntimeClass();
    return pClassThis->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive& ar)
{
    UNUSED(ar);  // no persistent data at this level
}

void CObject::AssertValid() const
{
    ASSERT(!_AfxIsNullThis(this));
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << (const void*)this << "\n";
}

/////////////////////////////////////////////////////////////////////////////
// Diagnostics

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...)
{
    char szBuffer[512];
    va_list args;
    va_start(args, lpszFormat);
    int n = vsnprintf(szBuffer, sizeof(szBuffer), lpszFormat, args);
    va_end(args);
    if (n < 0)
        return;
    ::OutputDebugStringA(szBuffer);  // longer texts are cut at the buffer's end
}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char szMessage[MAX_PATH + 64];
    snprintf(szMessage, sizeof(szMessage), "Assertion failed: %s, line %d\n",
             lpszFileName != NULL ? lpszFileName : "?", nLine);
    ::OutputDebugStringA(szMessage);
    fputs(szMessage, stderr);
    // Break into a debugger when there is one; otherwise carry on.
    return ::IsDebuggerPresent();
}

void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (pOb == NULL)
    {
        if (AfxAssertFailedLine(lpszFileName, nLine))
            AfxDebugBreak();
        return;
    }
    pOb->AssertValid();
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite)
{
    UNUSED(bReadWrite);
    // A zero-length block is valid anywhere; otherwise the pointer must be set.
    return nBytes == 0 || lp != NULL;
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength)
{
    UNUSED(nLength);
    return lpsz != NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CDumpContext

AFXLITE_API CDumpContext afxDump;

CDumpContext::CDumpContext() : m_nDepth(0)
{
}

int CDumpContext::GetDepth() const
{
    return m_nDepth;
}

void CDumpContext::SetDepth(int nNewDepth)
{
    m_nDepth = nNewDepth;
}

static void DumpText(const char* psz)
{
    ::OutputDebugStringA(psz);
}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    DumpText(lpsz != NULL ? lpsz : "(NULL)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    char sz[32];
    snprintf(sz, sizeof(sz), "$%p", lp);
    DumpText(sz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == NULL)
        DumpText("NULL");
    else
        pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob)
{
    return *this << &ob;
}

CDumpContext& CDumpContext::operator<<(BYTE by)
{
    return *this << (UINT)by;
}

CDumpContext& CDumpContext::operator<<(WORD w)
{
    return *this << (UINT)w;
}

CDumpContext& CDumpContext::operator<<(UINT u)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "%u", u);
    DumpText(sz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(LONG l)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "%ld", l);
    DumpText(sz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(DWORD dw)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "%lu", dw);
    DumpText(sz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(float f)
{
    return *this << (double)f;
}

CDumpContext& CDumpContext::operator<<(double d)
{
    char sz[40];
    snprintf(sz, sizeof(sz), "%g", d);
    DumpText(sz);
    return *this;
}

CDumpContext& CDumpContext::operator<<(int n)
{
    char sz[16];
    snprintf(sz, sizeof(sz), "%d", n);
    DumpText(sz);
    return *this;
}

void CDumpContext::HexDump(LPCTSTR lpszLine, BYTE* pby, int nBytes, int nWidth)
{
    if (nWidth <= 0)
        nWidth = 16;
    char sz[8];
    for (int i = 0; i < nBytes; i++)
    {
        if (i % nWidth == 0)
        {
            if (i != 0)
                DumpText("\n");
            *this << lpszLine;
        }
        snprintf(sz, sizeof(sz), " %02X", pby[i]);
        DumpText(sz);
    }
    DumpText("\n");
}

void CDumpContext::Flush()
{
}
