// TestBigList.h - a host-derived big list for the tests: supplies text from
// the key, sorts by key or by data, records every callback and can check
// the store's invariants.
#ifndef TESTS_BIGLIST_TESTBIGLIST_H
#define TESTS_BIGLIST_TESTBIGLIST_H

#include <afxwin.h>
#include <afxcmn.h>

#include <stdio.h>
#include <string.h>

#include <sstream>
#include <string>
#include <vector>

#include "BigListCtrl.h"

// One callback as the control made it.
struct CallbackCall
{
    enum Kind { kGetdispinfo, kGetItem, kSetItem, kOdFindItem, kSort, kDeleteAll, kDestroy };
    Kind kind;
    long key;
    void* data;
    int item;
    int subItem;
    std::string text;
    DWORD thread;
};

// Item data in the tests: distinct fake addresses, never dereferenced by the
// control, so any value will do.
inline void* FakeData(long n)
{
    return reinterpret_cast<void*>(static_cast<INT_PTR>(n) * 16 + 0x10000);
}

// The text every callback produces for a key and a column.
inline std::string TextFor(long nKey, int nSubItem)
{
    char buf[32];
    _snprintf(buf, sizeof(buf), "K%ld.%d", nKey, nSubItem);
    buf[sizeof(buf) - 1] = '\0';
    return buf;
}

class CTestBigList : public CBigListCtrl
{
public:
    explicit CTestBigList(int nCapacity = 2048, int nGrowBy = 2048) : CBigListCtrl(nCapacity, nGrowBy) {}

    // What the callbacks saw, and what OnCBOdFindItem answers.
    std::vector<CallbackCall> calls;
    long findAnswer = -2;      // -2: look the string up as a key
    int sortIndexFaults = 0;   // comparisons whose rows did not hold the records compared
    long sortCompares = 0;
    bool useDefaultSort = false;

    // Store internals, read-only.
    int ItemCount() const { return m_nItemCount; }
    int ArraySize() const { return m_pItemArray->GetSize(); }
    int ArrayGrowBy() const { return m_nInitialGrowBy; }
    CListData* Slot(int i) const { return m_pItemArray->GetAt(i); }
    size_t MapSize() const { return m_pKeyMap->size(); }
    int SortColumn() const { return m_nSortColumn; }
    BOOL ReverseSort() const { return m_bReverseSort; }
    int FirstVisible() const { return m_nFirstVisible; }
    int LastVisible() const { return m_nLastVisible; }
    DWORD WindowThread() const { return m_dwWindowThreadId; }
    // The map's record for a key, NULL when the key has no entry.
    CListData* MapEntry(long nKey) const
    {
        CListDataKeyMap::const_iterator it = m_pKeyMap->find(nKey);
        return it == m_pKeyMap->end() ? NULL : it->second;
    }
    // A derived class may hand over its own record.
    void* InsertRecord(CListData* pRecord) { return _InsertItem(pRecord); }

    // Empty when the invariants hold: rows numbered by their slots, spare
    // slots NULL, every map entry naming a stored record of its key.
    std::string InvariantFaults() const
    {
        std::ostringstream out;
        if (m_pItemArray->GetSize() < m_nItemCount)
            out << "array size " << m_pItemArray->GetSize() << " below count " << m_nItemCount << "; ";
        for (int i = 0; i < m_nItemCount && i < m_pItemArray->GetSize(); ++i)
        {
            const CListData* p = m_pItemArray->GetAt(i);
            if (p == NULL)
                out << "slot " << i << " empty; ";
            else if (p->m_nIndex != i)
                out << "slot " << i << " holds m_nIndex " << p->m_nIndex << "; ";
        }
        for (int i = m_nItemCount; i < m_pItemArray->GetSize(); ++i)
        {
            if (m_pItemArray->GetAt(i) != NULL)
            {
                out << "spare slot " << i << " not NULL; ";
                break;
            }
        }
        for (CListDataKeyMap::const_iterator it = m_pKeyMap->begin(); it != m_pKeyMap->end(); ++it)
        {
            const CListData* p = it->second;
            if (p == NULL || p->m_nKey != it->first)
                out << "map entry " << it->first << " names another key; ";
            else if (p->m_nIndex < 0 || p->m_nIndex >= m_nItemCount || m_pItemArray->GetAt(p->m_nIndex) != p)
                out << "map entry " << it->first << " names a record not in the rows; ";
        }
        if (static_cast<int>(m_pKeyMap->size()) > m_nItemCount)
            out << "map larger than the rows; ";
        return out.str();
    }

    size_t CountCalls(CallbackCall::Kind kind) const
    {
        size_t n = 0;
        for (size_t i = 0; i < calls.size(); ++i)
            n += calls[i].kind == kind;
        return n;
    }

protected:
    void Record(CallbackCall::Kind kind, long nKey, void* pData, const LVITEMA* pItem)
    {
        CallbackCall c;
        c.kind = kind;
        c.key = nKey;
        c.data = pData;
        c.item = pItem != NULL ? pItem->iItem : -1;
        c.subItem = pItem != NULL ? pItem->iSubItem : -1;
        if (kind == CallbackCall::kSetItem && pItem != NULL && (pItem->mask & LVIF_TEXT) && pItem->pszText != NULL)
            c.text = pItem->pszText;
        c.thread = ::GetCurrentThreadId();
        calls.push_back(c);
    }

    static void FillText(LVITEMA* pItem, long nKey)
    {
        if ((pItem->mask & LVIF_TEXT) == 0 || pItem->pszText == NULL || pItem->cchTextMax <= 0)
            return;
        const std::string text = TextFor(nKey, pItem->iSubItem);
        lstrcpynA(pItem->pszText, text.c_str(), pItem->cchTextMax);
    }

    virtual void OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData)
    {
        Record(CallbackCall::kGetdispinfo, nKey, pData, pItem);
        FillText(pItem, nKey);
    }

    virtual void OnCBGetItem(LVITEMA* pItem, long nKey, void* pData)
    {
        Record(CallbackCall::kGetItem, nKey, pData, pItem);
        FillText(pItem, nKey);
    }

    virtual void OnCBSetItem(LVITEMA* pItem, long nKey, void* pData)
    {
        Record(CallbackCall::kSetItem, nKey, pData, pItem);
    }

    virtual void OnCBOdFindItem(LVFINDINFOA lvfi, long*& pResult)
    {
        Record(CallbackCall::kOdFindItem, 0, NULL, NULL);
        if (findAnswer != -2)
        {
            *pResult = findAnswer;
            return;
        }
        long nKey = 0;
        void* pData = NULL;
        *pResult = (lvfi.flags & LVFI_STRING) && lvfi.psz != NULL && sscanf(lvfi.psz, "K%ld", &nKey) == 1
                       ? _FindItem(nKey, pData)
                       : -1;
    }

    // Column 0: by key, then data; column 1 (and others): by data. Data are
    // distinct, so every order is total and the result predictable.
    virtual int OnCBSortItem(long nColumn, long nIndex1, long nKey1, void* pData1,
                             long nIndex2, long nKey2, void* pData2)
    {
        ++sortCompares;
        if (nIndex1 < 0 || nIndex1 >= m_nItemCount || m_pItemArray->GetAt(nIndex1)->m_pData != pData1 ||
            nIndex2 < 0 || nIndex2 >= m_nItemCount || m_pItemArray->GetAt(nIndex2)->m_pData != pData2)
            ++sortIndexFaults;
        if (useDefaultSort)
            return CBigListCtrl::OnCBSortItem(nColumn, nIndex1, nKey1, pData1, nIndex2, nKey2, pData2);
        if (nColumn == 0 && nKey1 != nKey2)
            return nKey1 > nKey2 ? 1 : -1;
        if (pData1 == pData2)
            return 0;
        return pData1 > pData2 ? 1 : -1;
    }

    virtual void OnCBDeleteAllItems(long nKey, void* pData)
    {
        CallbackCall c = { CallbackCall::kDeleteAll, nKey, pData, -1, -1, std::string(), ::GetCurrentThreadId() };
        // Whether the window is still whole when its items go.
        c.item = m_hWnd != NULL && ::IsWindow(m_hWnd) ? 1 : 0;
        calls.push_back(c);
    }

    afx_msg void OnDestroy()
    {
        CallbackCall c = { CallbackCall::kDestroy, 0, NULL, -1, -1, std::string(), ::GetCurrentThreadId() };
        calls.push_back(c);
        CBigListCtrl::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

#endif // TESTS_BIGLIST_TESTBIGLIST_H
