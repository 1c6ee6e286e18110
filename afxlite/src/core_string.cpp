// CString: 8-bit strings sharing one reference-counted buffer until written.
//
// A buffer is a CStringData header followed by the characters and a
// terminator.  nRefs counts the strings sharing it; the shared empty string
// and locked buffers have nRefs == -1 and are never shared by a copy.

#include <afx.h>

#include <ctype.h>
#include <stdio.h>

/////////////////////////////////////////////////////////////////////////////
// The shared empty string

namespace {

struct CNilStringData
{
    CStringData header;
    TCHAR chNil;
};

// Writable on purpose: GetBuffer(0) on an empty string hands out its
// terminator, as the framework does.
CNilStringData g_nilData = { { -1, 0, 0 }, '\0' };

inline CStringData* NilData() { return &g_nilData.header; }
inline LPTSTR NilChars() { return g_nilData.header.data(); }

// A buffer locked by LockBuffer or GetBuffer (not the shared empty one).
inline bool IsLocked(const CStringData* pData) { return pData->nRefs < 0 && pData != NilData(); }

// The length of a string that the caller gave as a bound: negative counts
// are empty.
inline int ClampCount(int n) { return n < 0 ? 0 : n; }

} // namespace

const CString& AFXAPI AfxGetEmptyString()
{
    static const CString s_empty;
    return s_empty;
}

/////////////////////////////////////////////////////////////////////////////
// Construction, destruction, buffer management

void CString::Init()
{
    m_pchData = NilChars();
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    ASSERT(stringSrc.GetData()->nRefs != 0);
    if (stringSrc.GetData()->nRefs >= 0)
    {
        ASSERT(stringSrc.GetData() != NilData());
        m_pchData = stringSrc.m_pchData;
        ::InterlockedIncrement(&GetData()->nRefs);
    }
    else
    {
        Init();
        *this = stringSrc.m_pchData;
    }
}

CString::CString(CString&& stringSrc) noexcept
{
    if (stringSrc.GetData()->nRefs >= 0)
    {
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    else
    {
        // A locked buffer stays with its owner.
        Init();
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    }
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat >= 1)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
    {
        // MAKEINTRESOURCE(id) names a string resource.
        LoadString(LOWORD((ULONG_PTR)lpsz));
        return;
    }
    int nLen = SafeStrlen(lpsz);
    if (nLen != 0)
    {
        AllocBuffer(nLen);
        memcpy(m_pchData, lpsz, nLen);
    }
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    *this = lpsz;
}

CString::CString(LPCTSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
    {
        AllocBuffer(nLength);
        memcpy(m_pchData, lpch, nLength);
    }
}

CString::CString(const unsigned char* psz)
{
    Init();
    *this = (LPCSTR)psz;
}

CString::~CString()
{
    if (GetData() != NilData())
    {
        if (::InterlockedDecrement(&GetData()->nRefs) <= 0)
            ::operator delete((void*)GetData());
    }
}

// Always allocates (nLen characters plus the terminator), never shares.
void CString::AllocBuffer(int nLen)
{
    ASSERT(nLen >= 0);
    if (nLen <= 0)
    {
        Init();
        return;
    }
    if ((size_t)nLen > ((size_t)INT_MAX - sizeof(CStringData) - 1) / sizeof(TCHAR))
        AfxThrowMemoryException();

    void* p = ::operator new(sizeof(CStringData) + (nLen + 1) * sizeof(TCHAR), std::nothrow);
    if (p == NULL)
        AfxThrowMemoryException();
    CStringData* pData = (CStringData*)p;
    pData->nRefs = 1;
    pData->data()[nLen] = '\0';
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    m_pchData = pData->data();
}

void PASCAL CString::Release(CStringData* pData)
{
    if (pData != NilData())
    {
        ASSERT(pData->nRefs != 0);
        if (::InterlockedDecrement(&pData->nRefs) <= 0)
            ::operator delete((void*)pData);
    }
}

void CString::Release()
{
    Release(GetData());
    Init();
}

void CString::Empty()
{
    if (GetData()->nDataLength == 0)
        return;
    if (GetData()->nRefs >= 0)
        Release();
    else
        *this = "";  // locked: keep the buffer, drop the text
    ASSERT(GetData()->nDataLength == 0);
}

void CString::CopyBeforeWrite()
{
    if (GetData()->nRefs > 1)
    {
        CStringData* pData = GetData();
        AllocBuffer(pData->nDataLength);
        memcpy(m_pchData, pData->data(), (pData->nDataLength + 1) * sizeof(TCHAR));
        Release(pData);
    }
    ASSERT(GetData()->nRefs <= 1);
}

void CString::AllocBeforeWrite(int nLen)
{
    if (GetData()->nRefs > 1 || nLen > GetData()->nAllocLength)
    {
        Release();
        AllocBuffer(nLen);
    }
    ASSERT(GetData()->nRefs <= 1);
}

int PASCAL CString::SafeStrlen(LPCTSTR lpsz)
{
    if (lpsz == NULL)
        return 0;
    size_t n = strlen(lpsz);
    if (n > (size_t)INT_MAX / 2)
        AfxThrowMemoryException();
    return (int)n;
}

// Copies nCopyLen characters from nCopyIndex into a new buffer of dest with
// room for nExtraLen more.
void CString::AllocCopy(CString& dest, int nCopyLen, int nCopyIndex, int nExtraLen) const
{
    int nNewLen = nCopyLen + nExtraLen;
    if (nNewLen == 0)
    {
        dest.Init();
    }
    else
    {
        dest.AllocBuffer(nNewLen);
        memcpy(dest.m_pchData, m_pchData + nCopyIndex, nCopyLen * sizeof(TCHAR));
    }
}

/////////////////////////////////////////////////////////////////////////////
// Assignment

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0 || lpszSrcData == NULL)
    {
        // Keep a locked buffer; otherwise become the shared empty string.
        if (IsLocked(GetData()))
        {
            GetData()->nDataLength = 0;
            m_pchData[0] = '\0';
        }
        else
        {
            Release();
        }
        return;
    }
    if ((GetData()->nRefs == 1 || IsLocked(GetData())) && nSrcLen <= GetData()->nAllocLength)
    {
        // Our own buffer (held alone, or locked) with room is written in
        // place; the source may overlap it.
        memmove(m_pchData, lpszSrcData, nSrcLen * sizeof(TCHAR));
        GetData()->nDataLength = nSrcLen;
        m_pchData[nSrcLen] = '\0';
        return;
    }
    // New buffer; the old one is released after the copy, since the source
    // may lie inside it.
    CStringData* pOld = GetData();
    AllocBuffer(nSrcLen);
    memcpy(m_pchData, lpszSrcData, nSrcLen * sizeof(TCHAR));
    Release(pOld);
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData != stringSrc.m_pchData)
    {
        if (IsLocked(GetData()) || stringSrc.GetData()->nRefs < 0)
        {
            // A locked buffer is never shared: copy the characters.
            AssignCopy(stringSrc.GetData()->nDataLength, stringSrc.m_pchData);
        }
        else
        {
            // Share the source's buffer.
            CStringData* pOld = GetData();
            m_pchData = stringSrc.m_pchData;
            ::InterlockedIncrement(&GetData()->nRefs);
            Release(pOld);
        }
    }
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this == &stringSrc)
        return *this;
    if (IsLocked(GetData()) || stringSrc.GetData()->nRefs < 0)
    {
        AssignCopy(stringSrc.GetData()->nDataLength, stringSrc.m_pchData);
        return *this;
    }
    CStringData* pOld = GetData();
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
    Release(pOld);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    if (lpsz == NULL || *lpsz == L'\0')
    {
        AssignCopy(0, NULL);
        return *this;
    }
    int nLen = ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, NULL, 0, NULL, NULL);
    if (nLen <= 1)
    {
        AssignCopy(0, NULL);
        return *this;
    }
    CString strTemp;
    strTemp.AllocBuffer(nLen - 1);
    ::WideCharToMultiByte(CP_ACP, 0, lpsz, -1, strTemp.m_pchData, nLen, NULL, NULL);
    strTemp.ReleaseBuffer();
    *this = strTemp;
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    *this = (LPCSTR)psz;
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Concatenation

void CString::ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data)
{
    if (nSrc1Len > INT_MAX / 2 - nSrc2Len)
        AfxThrowMemoryException();
    int nNewLen = nSrc1Len + nSrc2Len;
    if (nNewLen != 0)
    {
        AllocBuffer(nNewLen);
        memcpy(m_pchData, lpszSrc1Data, nSrc1Len * sizeof(TCHAR));
        memcpy(m_pchData + nSrc1Len, lpszSrc2Data, nSrc2Len * sizeof(TCHAR));
    }
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetData()->nDataLength, string1.m_pchData,
                 string2.GetData()->nDataLength, string2.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s;
    s.ConcatCopy(string.GetData()->nDataLength, string.m_pchData,
                 CString::SafeStrlen(lpsz), lpsz);
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(CString::SafeStrlen(lpsz), lpsz,
                 string.GetData()->nDataLength, string.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string1, TCHAR ch)
{
    CString s;
    s.ConcatCopy(string1.GetData()->nDataLength, string1.m_pchData, 1, &ch);
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetData()->nDataLength, string.m_pchData);
    return s;
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;

    int nOldLen = GetData()->nDataLength;
    if (nOldLen > INT_MAX / 2 - nSrcLen)
        AfxThrowMemoryException();

    if (GetData()->nRefs > 1 || nOldLen + nSrcLen > GetData()->nAllocLength)
    {
        // Grow into a new buffer with half as much room again, so that a
        // string built by repeated appends is copied O(log n) times, not
        // once per append.  The source may be this string's own text, so
        // the old buffer goes only after the copy.
        CStringData* pOldData = GetData();
        int nNewLen = nOldLen + nSrcLen;
        int nRoom = nNewLen < INT_MAX / 4 ? nNewLen + nNewLen / 2 : nNewLen;
        AllocBuffer(nRoom);
        memcpy(m_pchData, pOldData->data(), nOldLen * sizeof(TCHAR));
        memcpy(m_pchData + nOldLen, lpszSrcData, nSrcLen * sizeof(TCHAR));
        GetData()->nDataLength = nNewLen;
        m_pchData[nNewLen] = '\0';
        Release(pOldData);
    }
    else
    {
        // Room enough in our own buffer: append in place.
        memmove(m_pchData + nOldLen, lpszSrcData, nSrcLen * sizeof(TCHAR));
        GetData()->nDataLength += nSrcLen;
        m_pchData[GetData()->nDataLength] = '\0';
    }
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetData()->nDataLength, string.m_pchData);
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Element access

TCHAR CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex <= GetData()->nDataLength);
    if (nIndex < 0 || nIndex > GetData()->nDataLength)
        return '\0';
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetData()->nDataLength);
    if (nIndex < 0 || nIndex >= GetData()->nDataLength)
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(LPCTSTR lpsz) const
{
    return strcmp(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _stricmp(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::Collate(LPCTSTR lpsz) const
{
    return strcoll(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _stricoll(m_pchData, lpsz != NULL ? lpsz : "");
}

/////////////////////////////////////////////////////////////////////////////
// Sub-strings

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetData()->nDataLength - ClampCount(nFirst));
}

CString CString::Mid(int nFirst, int nCount) const
{
    // Arguments outside the string are clipped to it.
    int nLength = GetData()->nDataLength;
    nFirst = ClampCount(nFirst);
    nCount = ClampCount(nCount);
    if (nFirst > nLength)
        nCount = 0;
    else if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;

    // The whole string: share the buffer.
    if (nFirst == 0 && nCount == nLength)
        return *this;

    CString dest;
    AllocCopy(dest, nCount, nFirst, 0);
    return dest;
}

CString CString::Right(int nCount) const
{
    nCount = ClampCount(nCount);
    if (nCount >= GetData()->nDataLength)
        return *this;

    CString dest;
    AllocCopy(dest, nCount, GetData()->nDataLength - nCount, 0);
    return dest;
}

CString CString::Left(int nCount) const
{
    nCount = ClampCount(nCount);
    if (nCount >= GetData()->nDataLength)
        return *this;

    CString dest;
    AllocCopy(dest, nCount, 0, 0);
    return dest;
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strspn(m_pchData, lpszCharSet != NULL ? lpszCharSet : ""));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left((int)strcspn(m_pchData, lpszCharSet != NULL ? lpszCharSet : ""));
}

/////////////////////////////////////////////////////////////////////////////
// Case and order

void CString::MakeUpper()
{
    CopyBeforeWrite();
    for (int i = 0; i < GetData()->nDataLength; i++)
        m_pchData[i] = (TCHAR)toupper((unsigned char)m_pchData[i]);
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    for (int i = 0; i < GetData()->nDataLength; i++)
        m_pchData[i] = (TCHAR)tolower((unsigned char)m_pchData[i]);
}

void CString::MakeReverse()
{
    CopyBeforeWrite();
    int i = 0;
    int j = GetData()->nDataLength - 1;
    for (; i < j; i++, j--)
    {
        TCHAR ch = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = ch;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

namespace {
inline bool IsSpace(TCHAR ch) { return isspace((unsigned char)ch) != 0; }
inline bool InSet(TCHAR ch, LPCTSTR lpszSet) { return ch != '\0' && strchr(lpszSet, ch) != NULL; }
} // namespace

void CString::TrimRight()
{
    int nLen = GetData()->nDataLength;
    int nNewLen = nLen;
    while (nNewLen > 0 && IsSpace(m_pchData[nNewLen - 1]))
        nNewLen--;
    if (nNewLen != nLen)
    {
        CopyBeforeWrite();
        m_pchData[nNewLen] = '\0';
        GetData()->nDataLength = nNewLen;
    }
}

void CString::TrimLeft()
{
    int nLen = GetData()->nDataLength;
    int nFirst = 0;
    while (nFirst < nLen && IsSpace(m_pchData[nFirst]))
        nFirst++;
    if (nFirst != 0)
    {
        CopyBeforeWrite();
        int nDataLength = nLen - nFirst;
        memmove(m_pchData, m_pchData + nFirst, (nDataLength + 1) * sizeof(TCHAR));
        GetData()->nDataLength = nDataLength;
    }
}

void CString::TrimRight(TCHAR chTarget)
{
    TCHAR sz[2] = { chTarget, '\0' };
    TrimRight(sz);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return;
    int nLen = GetData()->nDataLength;
    int nNewLen = nLen;
    while (nNewLen > 0 && InSet(m_pchData[nNewLen - 1], lpszTargets))
        nNewLen--;
    if (nNewLen != nLen)
    {
        CopyBeforeWrite();
        m_pchData[nNewLen] = '\0';
        GetData()->nDataLength = nNewLen;
    }
}

void CString::TrimLeft(TCHAR chTarget)
{
    TCHAR sz[2] = { chTarget, '\0' };
    TrimLeft(sz);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return;
    int nLen = GetData()->nDataLength;
    int nFirst = 0;
    while (nFirst < nLen && InSet(m_pchData[nFirst], lpszTargets))
        nFirst++;
    if (nFirst != 0)
    {
        CopyBeforeWrite();
        int nDataLength = nLen - nFirst;
        memmove(m_pchData, m_pchData + nFirst, (nDataLength + 1) * sizeof(TCHAR));
        GetData()->nDataLength = nDataLength;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Editing

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    if (chOld == chNew || chOld == '\0')
        return 0;
    int nCount = 0;
    for (int i = 0; i < GetData()->nDataLength; i++)
    {
        if (m_pchData[i] == chOld)
        {
            if (nCount == 0)
                CopyBeforeWrite();
            m_pchData[i] = chNew;
            nCount++;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nSourceLen = SafeStrlen(lpszOld);
    if (nSourceLen == 0)
        return 0;
    int nReplacementLen = SafeStrlen(lpszNew);

    // count the matches first
    int nCount = 0;
    for (LPCTSTR p = strstr(m_pchData, lpszOld); p != NULL; p = strstr(p + nSourceLen, lpszOld))
        nCount++;
    if (nCount == 0)
        return 0;

    // build the result in a new buffer (the arguments may point into this string)
    long long nNewLength = (long long)GetData()->nDataLength +
                           (long long)(nReplacementLen - nSourceLen) * nCount;
    if (nNewLength > INT_MAX / 2)
        AfxThrowMemoryException();
    CString strResult;
    if (nNewLength > 0)
    {
        strResult.AllocBuffer((int)nNewLength);
        LPTSTR pDest = strResult.m_pchData;
        LPCTSTR pStart = m_pchData;
        for (LPCTSTR p = strstr(pStart, lpszOld); p != NULL; p = strstr(pStart, lpszOld))
        {
            memcpy(pDest, pStart, (p - pStart) * sizeof(TCHAR));
            pDest += p - pStart;
            memcpy(pDest, lpszNew, nReplacementLen * sizeof(TCHAR));
            pDest += nReplacementLen;
            pStart = p + nSourceLen;
        }
        memcpy(pDest, pStart, (strlen(pStart) + 1) * sizeof(TCHAR));
    }
    *this = strResult;
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    int nLen = GetData()->nDataLength;
    if (chRemove == '\0' || memchr(m_pchData, chRemove, nLen) == NULL)
        return 0;
    CopyBeforeWrite();
    LPTSTR pDest = m_pchData;
    for (int i = 0; i < nLen; i++)
        if (m_pchData[i] != chRemove)
            *pDest++ = m_pchData[i];
    *pDest = '\0';
    int nCount = nLen - (int)(pDest - m_pchData);
    GetData()->nDataLength -= nCount;
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR sz[2] = { ch, '\0' };
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    int nInsertLength = SafeStrlen(pstr);
    int nLength = GetData()->nDataLength;
    nIndex = ClampCount(nIndex);
    if (nIndex > nLength)
        nIndex = nLength;
    if (nInsertLength == 0)
        return nLength;
    CString strResult;
    strResult.ConcatCopy(nIndex, m_pchData, nInsertLength, pstr);
    strResult += m_pchData + nIndex;
    *this = strResult;
    return GetData()->nDataLength;
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetData()->nDataLength;
    nIndex = ClampCount(nIndex);
    nCount = ClampCount(nCount);
    if (nIndex >= nLength || nCount == 0)
        return nLength;
    if (nCount > nLength - nIndex)
        nCount = nLength - nIndex;
    CopyBeforeWrite();
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
            (nLength - nIndex - nCount + 1) * sizeof(TCHAR));
    GetData()->nDataLength = nLength - nCount;
    return GetData()->nDataLength;
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    int nLength = GetData()->nDataLength;
    if (nStart < 0 || nStart > nLength)
        return -1;
    LPCTSTR lpsz = strchr(m_pchData + nStart, ch);
    return (lpsz == NULL) ? -1 : (int)(lpsz - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    int nLength = GetData()->nDataLength;
    if (nStart < 0 || nStart > nLength)
        return -1;
    LPCTSTR lpsz = strstr(m_pchData + nStart, lpszSub);
    return (lpsz == NULL) ? -1 : (int)(lpsz - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    LPCTSTR lpsz = strrchr(m_pchData, ch);
    return (lpsz == NULL) ? -1 : (int)(lpsz - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    LPCTSTR lpsz = strpbrk(m_pchData, lpszCharSet);
    return (lpsz == NULL) ? -1 : (int)(lpsz - m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    // First try a stack buffer; when the text is longer, measure and print
    // again into a buffer of the exact size.
    char szSmall[256];
    va_list argCopy;
    va_copy(argCopy, argList);
    int nLen = __mingw_vsnprintf(szSmall, sizeof(szSmall), lpszFormat, argCopy);
    va_end(argCopy);
    if (nLen < 0)
    {
        // an encoding error: the result is empty, as an unprintable text
        Empty();
        return;
    }
    if (nLen < (int)sizeof(szSmall))
    {
        AssignCopy(nLen, szSmall);
        return;
    }
    CString strResult;
    strResult.AllocBuffer(nLen);
    va_copy(argCopy, argList);
    __mingw_vsnprintf(strResult.m_pchData, nLen + 1, lpszFormat, argCopy);
    va_end(argCopy);
    *this = strResult;
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    FormatV(strFormat, argList);
#pragma GCC diagnostic pop
    va_end(argList);
}

static void FormatMessageV(CString& rString, LPCTSTR lpszFormat, va_list* pArgList)
{
    LPTSTR lpszTemp = NULL;
    if (lpszFormat == NULL ||
        ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                         lpszFormat, 0, 0, (LPTSTR)&lpszTemp, 0, pArgList) == 0 ||
        lpszTemp == NULL)
    {
        rString.Empty();
        return;
    }
    rString = lpszTemp;
    ::LocalFree(lpszTemp);
}

void AFX_CDECL CString::FormatMessage(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatMessageV(*this, lpszFormat, &argList);
    va_end(argList);
}

void AFX_CDECL CString::FormatMessage(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatMessageV(*this, strFormat, &argList);
    va_end(argList);
}

/////////////////////////////////////////////////////////////////////////////
// Resources and code pages

int AFXAPI AfxLoadString(UINT nID, LPTSTR lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == NULL || nMaxBuf == 0)
        return 0;
    // String resources live in blocks of 16: block (nID >> 4) + 1.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    int nLen = ::LoadStringA(hInst, nID, lpszBuf, (int)nMaxBuf);
    if (nLen <= 0)
    {
        lpszBuf[0] = '\0';
        nLen = 0;
    }
    return nLen;
}

BOOL CString::LoadString(UINT nID)
{
    // Try a fixed buffer first, then larger ones until the whole string fits
    // (LoadString truncates silently).
    TCHAR szTemp[256];
    int nLen = AfxLoadString(nID, szTemp, _countof(szTemp));
    if ((int)_countof(szTemp) - nLen > 1)
    {
        *this = szTemp;
        return nLen > 0;
    }

    int nSize = 256;
    do
    {
        nSize += 256;
        nLen = AfxLoadString(nID, GetBuffer(nSize - 1), nSize);
    } while (nSize - nLen <= 1 && nSize < 65536);
    ReleaseBuffer(nLen);
    return nLen > 0;
}

void CString::AnsiToOem()
{
    CopyBeforeWrite();
    ::CharToOemA(m_pchData, m_pchData);
}

void CString::OemToAnsi()
{
    CopyBeforeWrite();
    ::OemToCharA(m_pchData, m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Direct buffer access

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    ASSERT(nMinBufLength >= 0);
    nMinBufLength = ClampCount(nMinBufLength);

    if (GetData()->nRefs > 1 || nMinBufLength > GetData()->nAllocLength)
    {
        // Shared or too small: take a private buffer of the size asked.
        CStringData* pOldData = GetData();
        int nOldLen = GetData()->nDataLength;
        if (nMinBufLength < nOldLen)
            nMinBufLength = nOldLen;
        AllocBuffer(nMinBufLength);
        if (nMinBufLength > 0)
        {
            memcpy(m_pchData, pOldData->data(), (nOldLen + 1) * sizeof(TCHAR));
            GetData()->nDataLength = nOldLen;
        }
        Release(pOldData);
    }
    ASSERT(GetData()->nRefs <= 1);

    ASSERT(m_pchData != NULL);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (GetData() == NilData())
        return;  // nothing was handed out but the empty terminator
    CopyBeforeWrite();  // the buffer may still be shared if GetBuffer was skipped

    int nAlloc = GetData()->nAllocLength;
    if (nNewLength == -1)
    {
        // the buffer may have been filled without a terminator in its room
        const void* pEnd = memchr(m_pchData, '\0', nAlloc + 1);
        nNewLength = pEnd == NULL ? nAlloc : (int)((LPCTSTR)pEnd - m_pchData);
    }
    if (nNewLength < 0)
        nNewLength = 0;
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    ASSERT(nNewLength >= 0);
    nNewLength = ClampCount(nNewLength);
    GetBuffer(nNewLength);
    if (GetData() != NilData())
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    ASSERT(GetData()->nDataLength <= GetData()->nAllocLength);
    if (GetData()->nDataLength != GetData()->nAllocLength && GetData()->nRefs >= 0)
    {
        CStringData* pOldData = GetData();
        AllocBuffer(GetData()->nDataLength);
        memcpy(m_pchData, pOldData->data(), pOldData->nDataLength * sizeof(TCHAR));
        ASSERT(m_pchData[GetData()->nDataLength] == '\0');
        Release(pOldData);
    }
    ASSERT(GetData() != NULL);
}

LPTSTR CString::LockBuffer()
{
    LPTSTR lpsz = GetBuffer(0);
    if (GetData() != NilData())
        GetData()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    ASSERT(GetData()->nRefs == -1);
    if (GetData() != NilData())
        GetData()->nRefs = 1;
}
