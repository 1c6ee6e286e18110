// CTime and CTimeSpan: calendar times as time_t seconds.

#include <afx.h>

/////////////////////////////////////////////////////////////////////////////
// CTimeSpan

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_timeSpan = nSecs + 60 * (nMins + 60 * (nHours + (time_t)24 * lDays));
}

LONG CTimeSpan::GetDays() const { return (LONG)(m_timeSpan / (24 * 3600L)); }
LONG CTimeSpan::GetTotalHours() const { return (LONG)(m_timeSpan / 3600); }
int CTimeSpan::GetHours() const { return (int)(GetTotalHours() - GetDays() * 24); }
LONG CTimeSpan::GetTotalMinutes() const { return (LONG)(m_timeSpan / 60); }
int CTimeSpan::GetMinutes() const { return (int)(GetTotalMinutes() - GetTotalHours() * 60); }
LONG CTimeSpan::GetTotalSeconds() const { return (LONG)m_timeSpan; }
int CTimeSpan::GetSeconds() const { return (int)(GetTotalSeconds() - GetTotalMinutes() * 60); }

/////////////////////////////////////////////////////////////////////////////
// CTime

CTime PASCAL CTime::GetCurrentTime()
{
    return CTime(::time(NULL));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm;
    memset(&atm, 0, sizeof(atm));
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;     // tm_mon is 0 based
    atm.tm_year = nYear - 1900;  // tm_year is 1900 based
    atm.tm_isdst = nDST;
    m_time = mktime(&atm);
    if (m_time == (time_t)-1)
        m_time = 0;  // out of the representable range
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
{
    struct tm atm;
    memset(&atm, 0, sizeof(atm));
    atm.tm_sec = (wDosTime & ~0xFFE0) << 1;
    atm.tm_min = (wDosTime & ~0xF800) >> 5;
    atm.tm_hour = wDosTime >> 11;
    atm.tm_mday = wDosDate & ~0xFFE0;
    atm.tm_mon = ((wDosDate & ~0xFE00) >> 5) - 1;
    atm.tm_year = (wDosDate >> 9) + 80;
    atm.tm_isdst = nDST;
    m_time = mktime(&atm);
    if (m_time == (time_t)-1)
        m_time = 0;
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
{
    if (sysTime.wYear < 1900)
    {
        m_time = 0;
        return;
    }
    CTime timeT((int)sysTime.wYear, (int)sysTime.wMonth, (int)sysTime.wDay,
                (int)sysTime.wHour, (int)sysTime.wMinute, (int)sysTime.wSecond, nDST);
    m_time = timeT.m_time;
}

CTime::CTime(const FILETIME& fileTime, int nDST)
{
    UNUSED(nDST);
    // FILETIME counts 100 ns units from 1601-01-01 UTC; time_t seconds from
    // 1970-01-01 UTC.  Times before 1970 (including a zero FILETIME) give 0.
    ULARGE_INTEGER value;
    value.LowPart = fileTime.dwLowDateTime;
    value.HighPart = fileTime.dwHighDateTime;
    const ULONGLONG EPOCH_DIFFERENCE = 116444736000000000ULL;
    if (value.QuadPart < EPOCH_DIFFERENCE)
        m_time = 0;
    else
        m_time = (time_t)((value.QuadPart - EPOCH_DIFFERENCE) / 10000000ULL);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    struct tm* pResult = ptm != NULL ? ptm : &s_tm;
    time_t t = m_time;
    if (gmtime_s(pResult, &t) != 0)
        return NULL;
    return pResult;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    struct tm* pResult = ptm != NULL ? ptm : &s_tm;
    time_t t = m_time;
    if (localtime_s(pResult, &t) != 0)
        return NULL;
    return pResult;
}

static int LocalField(const CTime& time, int tm::*pField, int nOffset)
{
    struct tm atm;
    if (time.GetLocalTm(&atm) == NULL)
        return 0;
    return atm.*pField + nOffset;
}

int CTime::GetYear() const { return LocalField(*this, &tm::tm_year, 1900); }
int CTime::GetMonth() const { return LocalField(*this, &tm::tm_mon, 1); }
int CTime::GetDay() const { return LocalField(*this, &tm::tm_mday, 0); }
int CTime::GetHour() const { return LocalField(*this, &tm::tm_hour, 0); }
int CTime::GetMinute() const { return LocalField(*this, &tm::tm_min, 0); }
int CTime::GetSecond() const { return LocalField(*this, &tm::tm_sec, 0); }
int CTime::GetDayOfWeek() const { return LocalField(*this, &tm::tm_wday, 1); }

static CString FormatTm(const struct tm* ptm, LPCTSTR pFormat)
{
    CString strResult;
    if (ptm == NULL || pFormat == NULL)
        return strResult;
    char szBuffer[256];
    size_t n = strftime(szBuffer, sizeof(szBuffer), pFormat, ptm);
    if (n > 0)
        strResult = CString(szBuffer, (int)n);
    return strResult;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(GetLocalTm(&atm), pFormat);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(GetGmtTm(&atm), pFormat);
}
