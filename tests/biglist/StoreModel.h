// StoreModel.h - a plain reference model of the big list's store, and a
// driver that runs one long random sequence of operations against both and
// compares them after every step.
#ifndef TESTS_BIGLIST_STOREMODEL_H
#define TESTS_BIGLIST_STOREMODEL_H

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "TestBigList.h"

struct ModelItem
{
    long key;
    void* data;
};

// Rows in display order plus the key index, with the store's rules:
// displaced and last items move, a present key keeps its first record.
class StoreModel
{
public:
    std::vector<ModelItem> rows;
    std::map<long, void*> keys;   // key -> data of the record owning the entry
    int sortColumn = -1;
    bool reverse = true;

    void* Insert(long nPos, long nKey, void* pData)
    {
        const ModelItem item = { nKey, pData };
        keys.insert(std::make_pair(nKey, pData));
        if (nPos >= 0 && nPos < static_cast<long>(rows.size()))
        {
            const ModelItem displaced = rows[nPos];
            rows[nPos] = item;
            rows.push_back(displaced);
            return displaced.data;
        }
        rows.push_back(item);
        return pData;
    }

    int RowOf(void* pData) const
    {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].data == pData)
                return static_cast<int>(i);
        return -1;
    }

    void* DeleteRow(int nRow)
    {
        if (nRow < 0 || nRow >= static_cast<int>(rows.size()))
            return NULL;
        const ModelItem item = rows[nRow];
        rows[nRow] = rows.back();
        rows.pop_back();
        std::map<long, void*>::iterator it = keys.find(item.key);
        if (it != keys.end() && it->second == item.data)
            keys.erase(it);
        return item.data;
    }

    void* DeleteKey(long nKey, long* pnIndex)
    {
        std::map<long, void*>::iterator it = keys.find(nKey);
        if (it == keys.end())
            return NULL;
        const int nRow = RowOf(it->second);
        *pnIndex = nRow;
        return DeleteRow(nRow);
    }

    long Find(long nKey, void*& rpData) const
    {
        std::map<long, void*>::const_iterator it = keys.find(nKey);
        rpData = it == keys.end() ? NULL : it->second;
        return it == keys.end() ? -1 : RowOf(it->second);
    }

    void Sort(int nColumn)
    {
        if (nColumn == sortColumn)
        {
            reverse = !reverse;
        }
        else
        {
            reverse = true;
            sortColumn = nColumn;
        }
        const bool rev = reverse;
        auto lessOf = [nColumn](const ModelItem& a, const ModelItem& b) {
            if (nColumn == 0 && a.key != b.key)
                return a.key < b.key;
            return a.data < b.data;
        };
        std::sort(rows.begin(), rows.end(), [&](const ModelItem& a, const ModelItem& b) {
            return rev ? lessOf(b, a) : lessOf(a, b);
        });
    }

    void Clear()
    {
        rows.clear();
        keys.clear();
    }
};

// Empty when the control holds exactly what the model holds.
inline std::string CompareWithModel(const CTestBigList& list, const StoreModel& model)
{
    std::string faults = list.InvariantFaults();
    if (list.ItemCount() != static_cast<int>(model.rows.size()))
        return faults + "count " + std::to_string(list.ItemCount()) + " vs model " + std::to_string(model.rows.size());
    for (size_t i = 0; i < model.rows.size(); ++i)
    {
        const CListData* p = list.Slot(static_cast<int>(i));
        if (p == NULL || p->m_pData != model.rows[i].data || p->m_nKey != model.rows[i].key)
            return faults + "row " + std::to_string(i) + " differs from the model";
    }
    if (list.MapSize() != model.keys.size())
        return faults + "map size " + std::to_string(list.MapSize()) + " vs model " + std::to_string(model.keys.size());
    for (std::map<long, void*>::const_iterator it = model.keys.begin(); it != model.keys.end(); ++it)
    {
        const CListData* p = list.MapEntry(it->first);
        if (p == NULL || p->m_pData != it->second)
            return faults + "key " + std::to_string(it->first) + " maps elsewhere than in the model";
    }
    return faults;
}

#endif // TESTS_BIGLIST_STOREMODEL_H
