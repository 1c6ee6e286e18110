// ListData.h - CListData, the record the big list keeps for each item.
//
// Classes in this file:
//   CListData  one item of a CBigListCtrl: the caller's opaque data pointer,
//              the item's current row and its key.
#ifndef BIGLIST_LISTDATA_H
#define BIGLIST_LISTDATA_H

// A plain record without virtual members. The control allocates records with
// the plain new (or takes over one a derived class allocated the same way)
// and frees them with the plain delete when their item is removed.
class CListData
{
public:
    void* m_pData;   // the caller's item data; never dereferenced nor freed here
    long  m_nIndex;  // current display row, always the number of the slot holding it
    long  m_nKey;    // the item's key
};

#endif // BIGLIST_LISTDATA_H
