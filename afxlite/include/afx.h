// afx.h - core of the afxlite framework layer (MFC 4.2 names, 8-bit text).
//
// Classes declared here:
//   CObject, CRuntimeClass, AFX_CLASSINIT
//   CException, CSimpleException, CMemoryException, CNotSupportedException,
//   CResourceException
//   CString
//   CTimeSpan, CTime
//   CFile, CFileStatus
//   CDumpContext (diagnostic output only; CArchive is declared, not defined)
//
// Functions: AfxThrowMemoryException, AfxThrowNotSupportedException,
//   AfxThrowResourceException, AfxTrace, AfxLoadString, AfxGetEmptyString,
//   AfxIsValidAddress, AfxIsValidString; declared here and defined by the
//   window layer: AfxFindResourceHandle, AfxClassInit.

#ifndef __AFX_H__
#define __AFX_H__

#ifndef _AFX
#define _AFX
#endif
#ifndef _MFC_VER
#define _MFC_VER 0x0420
#endif
// The layer exists only as a shared library.
#ifndef _AFXDLL
#define _AFXDLL
#endif

#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>
#include <limits.h>
#include <time.h>
#include <new>

// windows.h maps GetCurrentTime to GetTickCount; CTime has a member of that name.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

/////////////////////////////////////////////////////////////////////////////
// Calling conventions, import/export declarations

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif
#ifndef AFX_STATIC_DATA
#define AFX_STATIC_DATA static
#endif

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT   __declspec(dllexport)
#define AFX_API_IMPORT   __declspec(dllimport)
#define AFX_DATA_EXPORT  __declspec(dllexport)
#define AFX_DATA_IMPORT  __declspec(dllimport)

// The layer's own exports.
#ifdef _AFXLITE_BUILD
#define AFXLITE_API __declspec(dllexport)
#else
#define AFXLITE_API __declspec(dllimport)
#endif

// Classes of the layer are exported as a whole; members need no mark of their own.
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_DATADEF
#define AFX_DATADEF
#endif
#ifndef AFX_API
#define AFX_API
#endif

// Extension libraries: exports while building one (_AFXEXT), imports in its
// users.  With AFX_EXPORTS_FROM_DEF the exports come from a module-definition
// file with fixed ordinals, so the declarations carry no mark at all.
#ifdef _AFXEXT
#ifdef AFX_EXPORTS_FROM_DEF
#define AFX_EXT_CLASS
#define AFX_EXT_API
#define AFX_EXT_DATA
#else
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API   AFX_API_EXPORT
#define AFX_EXT_DATA  AFX_DATA_EXPORT
#endif
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API   AFX_API_IMPORT
#define AFX_EXT_DATA  AFX_DATA_IMPORT
#endif
#define AFX_EXT_DATADEF

// GCC has no vtable suppression; the mark is kept for source compatibility.
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif

// Marks message handlers in class declarations; no effect on the code.
#ifndef afx_msg
#define afx_msg
#endif

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

#if defined(__GNUC__)
#define AFX_PRINTF_LIKE(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define AFX_PRINTF_LIKE(fmt, args)
#endif

// The framework's "safe" accessors (GetSafeHandle, GetSafeHdc, operator HDC...)
// may be called through a NULL pointer and then return NULL.  A plain
// `this == NULL` test is removed by the compiler, which assumes `this` is
// never NULL; passing it through a volatile keeps the test.
inline bool _AfxIsNullThis(const void* pThis)
{
    const void* volatile p = pThis;
    return p == NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Forward declarations

class CObject;
class CArchive;
class CDumpContext;
class CString;
class CException;
class CFile;
struct CRuntimeClass;

struct __POSITION { };
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

/////////////////////////////////////////////////////////////////////////////
// Diagnostics: TRACE, ASSERT and friends do their work in _DEBUG builds only.

AFXLITE_API void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...) AFX_PRINTF_LIKE(1, 2);
AFXLITE_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFXLITE_API void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);
AFXLITE_API BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE);
AFXLITE_API BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);

#define AfxDebugBreak() DebugBreak()

#ifdef _DEBUG
#define TRACE              ::AfxTrace
#define TRACE0(sz)         ::AfxTrace("%s", sz)
#define TRACE1(sz, p1)     ::AfxTrace(sz, p1)
#define TRACE2(sz, p1, p2) ::AfxTrace(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) ::AfxTrace(sz, p1, p2, p3)
#define ASSERT(f) \
    do { if (!(f) && ::AfxAssertFailedLine(__FILE__, __LINE__)) AfxDebugBreak(); } while (0)
#define VERIFY(f)          ASSERT(f)
#define ASSERT_VALID(pOb)  (::AfxAssertValidObject((pOb), __FILE__, __LINE__))
#define DEBUG_ONLY(f)      (f)
#else
#define TRACE              1 ? (void)0 : ::AfxTrace
#define TRACE0(sz)         ((void)0)
#define TRACE1(sz, p1)     ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)
#define ASSERT(f)          ((void)0)
#define VERIFY(f)          ((void)(f))
#define ASSERT_VALID(pOb)  ((void)0)
#define DEBUG_ONLY(f)      ((void)0)
#endif
#define ASSERT_KINDOF(class_name, object) \
    ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

// Silences unused-parameter warnings; a statement in both build kinds.
#define UNUSED(x)        ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))

/////////////////////////////////////////////////////////////////////////////
// Run-time class information

struct AFXLITE_API CRuntimeClass
{
// Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                          // 0xFFFF for classes that are not serial
    CObject* (PASCAL* m_pfnCreateObject)();  // NULL unless the class is dynamically creatable
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();

// Operations
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

// Implementation
    // Link of the module's class list.  Mutable: the records are const, yet
    // registration links them, so they must not land in read-only memory.
    mutable CRuntimeClass* m_pNextClass;
};

// Registers a run-time class with the current module's class list.
// Defined by the window layer, which owns the module state.
AFXLITE_API void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);

struct AFX_CLASSINIT
{
    AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxClassInit(pNewClass); }
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
protected: \
    static CRuntimeClass* PASCAL _GetBaseClass(); \
public: \
    static const AFX_DATA CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() \
        { return RUNTIME_CLASS(base_class_name); } \
    const AFX_DATADEF CRuntimeClass class_name::class##class_name = { \
        #class_name, (int)sizeof(class class_name), wSchema, pfnNew, \
        &class_name::_GetBaseClass, NULL }; \
    CRuntimeClass* class_name::GetRuntimeClass() const \
        { return RUNTIME_CLASS(class_name); } \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() \
        { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, \
        class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* PASCAL class_name::CreateObject() \
        { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, \
        class_name::CreateObject)

/////////////////////////////////////////////////////////////////////////////
// CObject: root of the framework's classes

class AFXLITE_API CObject
{
public:
// Object model (types, destruction)
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

protected:
    CObject();
private:
    CObject(const CObject& objectSrc);      // objects are not copyable
    void operator=(const CObject& objectSrc);

// Attributes
public:
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

// Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

// Implementation
public:
    static const AFX_DATA CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL _GetBaseClass();
};

inline CObject::CObject() { }

/////////////////////////////////////////////////////////////////////////////
// CDumpContext: diagnostic text, written with OutputDebugString

class AFXLITE_API CDumpContext
{
public:
    CDumpContext();

    int GetDepth() const;
    void SetDepth(int nNewDepth);

    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(const void* lp);
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    CDumpContext& operator<<(BYTE by);
    CDumpContext& operator<<(WORD w);
    CDumpContext& operator<<(UINT u);
    CDumpContext& operator<<(LONG l);
    CDumpContext& operator<<(DWORD dw);
    CDumpContext& operator<<(float f);
    CDumpContext& operator<<(double d);
    CDumpContext& operator<<(int n);
    void HexDump(LPCTSTR lpszLine, BYTE* pby, int nBytes, int nWidth);
    void Flush();

protected:
    int m_nDepth;
};

extern AFXLITE_API CDumpContext afxDump;

/////////////////////////////////////////////////////////////////////////////
// Exceptions (thrown as pointers, deleted by the catcher with Delete())

class AFXLITE_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
// Constructors
    CException();
    explicit CException(BOOL bAutoDelete);

// Operations
    void Delete();  // deletes the exception unless it is a static or stack object

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

// Implementation
public:
    virtual ~CException();
    BOOL m_bAutoDelete;
};

// An exception whose message is a string resource (or a built-in text).
class AFXLITE_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

// Implementation
public:
    CSimpleException(BOOL bAutoDelete, UINT nResourceID, LPCTSTR lpszDefault = NULL);
    virtual ~CSimpleException();
    void InitString();

    BOOL m_bInitialized;
    BOOL m_bLoaded;
    TCHAR m_szMessage[128];
    UINT m_nResourceID;
    LPCTSTR m_lpszDefault;  // shown when the string resource is not found
};

class AFXLITE_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();

// Implementation
public:
    CMemoryException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CMemoryException();
};

class AFXLITE_API CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();

// Implementation
public:
    CNotSupportedException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CNotSupportedException();
};

class AFXLITE_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();

// Implementation
public:
    CResourceException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CResourceException();
};

#ifndef AFX_NORETURN
#define AFX_NORETURN __attribute__((noreturn))
#endif

// Each throws a pointer to one static, never-deleted exception object.
AFX_NORETURN AFXLITE_API void AFXAPI AfxThrowMemoryException();
AFX_NORETURN AFXLITE_API void AFXAPI AfxThrowNotSupportedException();
AFX_NORETURN AFXLITE_API void AFXAPI AfxThrowResourceException();

#define TRY { try {
#define CATCH(class, e) } catch (class* e) { \
    ASSERT(e->IsKindOf(RUNTIME_CLASS(class))); UNUSED(e);
#define AND_CATCH(class, e) } catch (class* e) { \
    ASSERT(e->IsKindOf(RUNTIME_CLASS(class))); UNUSED(e);
#define END_CATCH } }
#define CATCH_ALL(e) } catch (CException* e) { \
    ASSERT(e->IsKindOf(RUNTIME_CLASS(CException))); UNUSED(e);
#define AND_CATCH_ALL(e) } catch (CException* e) { \
    ASSERT(e->IsKindOf(RUNTIME_CLASS(CException))); UNUSED(e);
#define END_CATCH_ALL } }
#define END_TRY } catch (CException* e) { e->Delete(); } }
#define THROW(e) throw e
#define THROW_LAST() throw

/////////////////////////////////////////////////////////////////////////////
// Resources: looked up by the window layer through the module's resource chain

// The module holding resource lpszName of type lpszType (the current resource
// handle when no module of the chain has it).  Defined by the window layer.
AFXLITE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Loads string nIDResource into lpszBuf (at most nMaxBuf characters including
// the terminator); returns the length, 0 with an empty buffer when missing.
AFXLITE_API int AFXAPI AfxLoadString(UINT nIDResource, LPTSTR lpszBuf, UINT nMaxBuf = 256);

/////////////////////////////////////////////////////////////////////////////
// CString: reference-counted 8-bit string, copied on write

struct CStringData
{
    long nRefs;         // owners of the buffer; -1 for the shared empty string and locked buffers
    int nDataLength;    // characters, without the terminator
    int nAllocLength;   // room, without the terminator
    TCHAR* data() { return (TCHAR*)(this + 1); }
};

class AFXLITE_API CString
{
public:
// Constructors
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(TCHAR ch, int nRepeat = 1);
    CString(LPCSTR lpsz);               // MAKEINTRESOURCE(id) loads string id
    CString(LPCWSTR lpsz);
    CString(LPCTSTR lpch, int nLength);
    CString(const unsigned char* psz);

// Attributes & Operations
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    TCHAR GetAt(int nIndex) const;       // '\0' outside 0..GetLength()
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);    // ignored outside 0..GetLength()-1
    operator LPCTSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend AFXLITE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend AFXLITE_API CString AFXAPI operator+(const CString& string, TCHAR ch);
    friend AFXLITE_API CString AFXAPI operator+(TCHAR ch, const CString& string);
    friend AFXLITE_API CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend AFXLITE_API CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    // String comparison
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Simple sub-string extraction (out-of-range arguments are clipped)
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Upper/lower/reverse conversion
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Trimming whitespace (or the given characters)
    void TrimRight();
    void TrimLeft();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    // Editing; each returns the number of changes or the new length
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Searching (-1 when not found)
    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // Formatting with printf semantics
    void AFX_CDECL Format(LPCTSTR lpszFormat, ...) AFX_PRINTF_LIKE(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList) AFX_PRINTF_LIKE(2, 0);
    // Formatting with FormatMessage inserts (%1, %2!d! ...)
    void AFX_CDECL FormatMessage(LPCTSTR lpszFormat, ...);
    void AFX_CDECL FormatMessage(UINT nFormatID, ...);

    // Windows support
    BOOL LoadString(UINT nID);  // FALSE, and an empty string, when nID is missing
    void AnsiToOem();
    void OemToAnsi();

    // Access to the string implementation buffer as a C character array
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

// Implementation
public:
    ~CString();
    int GetAllocLength() const { return GetData()->nAllocLength; }

protected:
    LPTSTR m_pchData;   // the characters; a CStringData header precedes them

    CStringData* GetData() const { return ((CStringData*)m_pchData) - 1; }
    void Init();
    void AllocCopy(CString& dest, int nCopyLen, int nCopyIndex, int nExtraLen) const;
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void Release();
    static void PASCAL Release(CStringData* pData);
    static int PASCAL SafeStrlen(LPCTSTR lpsz);
};

// The shared empty string.
AFXLITE_API const CString& AFXAPI AfxGetEmptyString();
#define afxEmptyString AfxGetEmptyString()

// Comparison operators
inline bool AFXAPI operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool AFXAPI operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

/////////////////////////////////////////////////////////////////////////////
// CTimeSpan and CTime: seconds, as time_t

class AFXLITE_API CTimeSpan
{
public:
    CTimeSpan() : m_timeSpan(0) { }
    CTimeSpan(time_t time) : m_timeSpan(time) { }
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    LONG GetDays() const;
    LONG GetTotalHours() const;
    int GetHours() const;
    LONG GetTotalMinutes() const;
    int GetMinutes() const;
    LONG GetTotalSeconds() const;
    int GetSeconds() const;

    CTimeSpan operator-(CTimeSpan timeSpan) const { return CTimeSpan(m_timeSpan - timeSpan.m_timeSpan); }
    CTimeSpan operator+(CTimeSpan timeSpan) const { return CTimeSpan(m_timeSpan + timeSpan.m_timeSpan); }
    const CTimeSpan& operator+=(CTimeSpan timeSpan) { m_timeSpan += timeSpan.m_timeSpan; return *this; }
    const CTimeSpan& operator-=(CTimeSpan timeSpan) { m_timeSpan -= timeSpan.m_timeSpan; return *this; }
    BOOL operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    BOOL operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    BOOL operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    BOOL operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    BOOL operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    BOOL operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

// Implementation
public:
    time_t m_timeSpan;
};

class AFXLITE_API CTime
{
public:
// Constructors
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0) { }
    CTime(time_t time) : m_time(time) { }
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);

// Attributes
    time_t GetTime() const { return m_time; }
    struct tm* GetGmtTm(struct tm* ptm = NULL) const;
    struct tm* GetLocalTm(struct tm* ptm = NULL) const;
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday

// Operations
    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.m_timeSpan); }
    CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.m_timeSpan); }
    const CTime& operator+=(CTimeSpan timeSpan) { m_time += timeSpan.m_timeSpan; return *this; }
    const CTime& operator-=(CTimeSpan timeSpan) { m_time -= timeSpan.m_timeSpan; return *this; }
    BOOL operator==(CTime time) const { return m_time == time.m_time; }
    BOOL operator!=(CTime time) const { return m_time != time.m_time; }
    BOOL operator<(CTime time) const { return m_time < time.m_time; }
    BOOL operator>(CTime time) const { return m_time > time.m_time; }
    BOOL operator<=(CTime time) const { return m_time <= time.m_time; }
    BOOL operator>=(CTime time) const { return m_time >= time.m_time; }

    CString Format(LPCTSTR pFormat) const;     // strftime of the local time
    CString FormatGmt(LPCTSTR pFormat) const;

// Implementation
public:
    time_t m_time;
};

/////////////////////////////////////////////////////////////////////////////
// CFileStatus and CFile

struct CFileStatus
{
    CTime m_ctime;          // created
    CTime m_mtime;          // last written
    CTime m_atime;          // last read
    LONG m_size;            // size in bytes, low 32 bits
    BYTE m_attribute;       // CFile::Attribute bits
    BYTE _m_padding;
    TCHAR m_szFullName[_MAX_PATH];  // the absolute path

    CFileStatus() : m_size(0), m_attribute(0), _m_padding(0) { m_szFullName[0] = '\0'; }
};

class AFXLITE_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum Attribute {
        normal =    0x00,
        readOnly =  0x01,
        hidden =    0x02,
        system =    0x04,
        volume =    0x08,
        directory = 0x10,
        archive =   0x20
    };

    enum { hFileNull = -1 };

// Constructors
    CFile();

// Overridables
    // TRUE, with rStatus filled in, when lpszFileName names an existing file
    // or folder (a drive root counts as a folder).  A name ending in a
    // backslash must be a folder.  Wildcards never match.
    static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);

// Implementation
public:
    virtual ~CFile();
};

#endif // __AFX_H__
