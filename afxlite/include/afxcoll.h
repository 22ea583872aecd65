// afxcoll.h: MFC's non-template collections (CObList, CPtrList,
// CStringList, CPtrArray, CObArray, CDWordArray, CUIntArray, CWordArray,
// CByteArray, CStringArray, CMapPtrToPtr, CMapStringToPtr,
// CMapStringToString, CMapStringToOb, CMapWordToPtr) and POSITION.
// Portable and header-only apart from the run-time class records.
//
// They share one implementation of each shape (list, array, hash map),
// written as the templates CAfxList, CAfxArray and CAfxMap below; afxtempl.h
// builds CList, CArray and CMap on the same ones. Differences from MFC: no
// Serialize/Dump; list and map nodes are allocated one by one (the block
// size argument is accepted and ignored), so sanitizers see every node.
#pragma once

#include "afx.h"

#include <new>
#include <utility>
#include <vector>

struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)(INT_PTR)-1)

// Customisation points, as in MFC's afxtempl.h: element equality for Find
// and key equality in maps, and the hash of a key.
template <class TYPE, class ARG_TYPE> AFX_INLINE BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class ARG_KEY> AFX_INLINE UINT AFXAPI HashKey(ARG_KEY key)
{
    return static_cast<UINT>(static_cast<UINT_PTR>(key) >> 4);
}
template <> AFX_INLINE UINT AFXAPI HashKey<LPCSTR>(LPCSTR key)
{
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + static_cast<unsigned char>(*key++);
    return nHash;
}
template <> AFX_INLINE UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCSTR>(key);
}
template <> AFX_INLINE UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCSTR>(key);
}
template <> AFX_INLINE UINT AFXAPI HashKey<void*>(void* key)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
}

/////////////////////////////////////////////////////////////////////////////
// CAfxList: a doubly linked list; POSITION is a node. The implementation of
// CObList, CPtrList, CStringList and CList.

template <class TYPE, class ARG_TYPE> class CAfxList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CAfxList(INT_PTR nBlockSize = 10) : m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0)
    {
        ASSERT(nBlockSize > 0);
        (void)nBlockSize;
    }
    ~CAfxList() override { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        ASSERT_MSG(m_pNodeHead != nullptr, "CList::GetHead on an empty list");
        return m_pNodeHead->data;
    }
    const TYPE& GetHead() const
    {
        ASSERT_MSG(m_pNodeHead != nullptr, "CList::GetHead on an empty list");
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        ASSERT_MSG(m_pNodeTail != nullptr, "CList::GetTail on an empty list");
        return m_pNodeTail->data;
    }
    const TYPE& GetTail() const
    {
        ASSERT_MSG(m_pNodeTail != nullptr, "CList::GetTail on an empty list");
        return m_pNodeTail->data;
    }

    // Operations at the ends
    TYPE RemoveHead()
    {
        ASSERT_MSG(m_pNodeHead != nullptr, "CList::RemoveHead on an empty list");
        CNode* pOld = m_pNodeHead;
        TYPE value = pOld->data;
        m_pNodeHead = pOld->pNext;
        if (m_pNodeHead != nullptr)
            m_pNodeHead->pPrev = nullptr;
        else
            m_pNodeTail = nullptr;
        FreeNode(pOld);
        return value;
    }
    TYPE RemoveTail()
    {
        ASSERT_MSG(m_pNodeTail != nullptr, "CList::RemoveTail on an empty list");
        CNode* pOld = m_pNodeTail;
        TYPE value = pOld->data;
        m_pNodeTail = pOld->pPrev;
        if (m_pNodeTail != nullptr)
            m_pNodeTail->pNext = nullptr;
        else
            m_pNodeHead = nullptr;
        FreeNode(pOld);
        return value;
    }
    POSITION AddHead(ARG_TYPE newElement)
    {
        CNode* pNewNode = NewNode(nullptr, m_pNodeHead, newElement);
        if (m_pNodeHead != nullptr)
            m_pNodeHead->pPrev = pNewNode;
        else
            m_pNodeTail = pNewNode;
        m_pNodeHead = pNewNode;
        return ToPos(pNewNode);
    }
    POSITION AddTail(ARG_TYPE newElement)
    {
        CNode* pNewNode = NewNode(m_pNodeTail, nullptr, newElement);
        if (m_pNodeTail != nullptr)
            m_pNodeTail->pNext = pNewNode;
        else
            m_pNodeHead = pNewNode;
        m_pNodeTail = pNewNode;
        return ToPos(pNewNode);
    }
    // Copies of another list's elements, in their order, before the head / after the tail.
    void AddHead(const CAfxList* pNewList)
    {
        ASSERT(pNewList != nullptr);
        for (CNode* p = pNewList->m_pNodeTail; p != nullptr; p = p->pPrev)
            AddHead(p->data);
    }
    void AddTail(const CAfxList* pNewList)
    {
        ASSERT(pNewList != nullptr);
        for (CNode* p = pNewList->m_pNodeHead; p != nullptr; p = p->pNext)
            AddTail(p->data);
    }
    void RemoveAll()
    {
        CNode* p = m_pNodeHead;
        while (p != nullptr) {
            CNode* pNext = p->pNext;
            delete p;
            p = pNext;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    // Iteration
    POSITION GetHeadPosition() const { return ToPos(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPos(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = FromPos(rPosition);
        rPosition = ToPos(pNode->pNext);
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* pNode = FromPos(rPosition);
        rPosition = ToPos(pNode->pNext);
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = FromPos(rPosition);
        rPosition = ToPos(pNode->pPrev);
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = FromPos(rPosition);
        rPosition = ToPos(pNode->pPrev);
        return pNode->data;
    }

    // Access and change at a position
    TYPE& GetAt(POSITION position) { return FromPos(position)->data; }
    const TYPE& GetAt(POSITION position) const { return FromPos(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { FromPos(pos)->data = newElement; }
    void RemoveAt(POSITION position)
    {
        CNode* pOld = FromPos(position);
        if (pOld == m_pNodeHead)
            m_pNodeHead = pOld->pNext;
        else
            pOld->pPrev->pNext = pOld->pNext;
        if (pOld == m_pNodeTail)
            m_pNodeTail = pOld->pPrev;
        else
            pOld->pNext->pPrev = pOld->pPrev;
        FreeNode(pOld);
    }
    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* pOld = FromPos(position);
        CNode* pNewNode = NewNode(pOld->pPrev, pOld, newElement);
        if (pOld->pPrev != nullptr)
            pOld->pPrev->pNext = pNewNode;
        else
            m_pNodeHead = pNewNode;
        pOld->pPrev = pNewNode;
        return ToPos(pNewNode);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* pOld = FromPos(position);
        CNode* pNewNode = NewNode(pOld, pOld->pNext, newElement);
        if (pOld->pNext != nullptr)
            pOld->pNext->pPrev = pNewNode;
        else
            m_pNodeTail = pNewNode;
        pOld->pNext = pNewNode;
        return ToPos(pNewNode);
    }

    // Searching: the first equal element after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = startAfter == nullptr ? m_pNodeHead : FromPos(startAfter)->pNext;
        for (; pNode != nullptr; pNode = pNode->pNext) {
            if (CompareElements<TYPE>(&pNode->data, &searchValue))
                return ToPos(pNode);
        }
        return nullptr;
    }
    // The position of the zero-based nIndex-th element, null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex--)
            pNode = pNode->pNext;
        return ToPos(pNode);
    }

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;

    static POSITION ToPos(CNode* p) { return reinterpret_cast<POSITION>(p); }
    static CNode* FromPos(POSITION pos)
    {
        ASSERT_MSG(pos != nullptr && pos != BEFORE_START_POSITION, "CList: invalid POSITION");
        return reinterpret_cast<CNode*>(pos);
    }
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value)
    {
        CNode* p = new CNode{pNext, pPrev, TYPE(value)};
        ++m_nCount;
        return p;
    }
    void FreeNode(CNode* p)
    {
        delete p;
        --m_nCount;
    }
};

/////////////////////////////////////////////////////////////////////////////
// CAfxArray: a growable array. The implementation of CPtrArray, CObArray,
// CDWordArray, CUIntArray, CWordArray, CByteArray, CStringArray and CArray.
// New elements are value-initialised (zero for numbers and pointers).

template <class TYPE, class ARG_TYPE> class CAfxArray : public CObject
{
public:
    CAfxArray() : m_nGrowBy(-1) {}

    // Attributes
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_data.size()); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        ASSERT_MSG(nNewSize >= 0, "CArray::SetSize with a negative size");
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        m_data.resize(static_cast<size_t>(nNewSize));
    }

    // Operations
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Check(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Check(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Check(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Check(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Check(nIndex)]; }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Grows the array when nIndex is past the end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        ASSERT_MSG(nIndex >= 0, "CArray::SetAtGrow with a negative index");
        if (nIndex >= GetSize()) {
            TYPE copy(newElement); // newElement may refer into the array
            m_data.resize(static_cast<size_t>(nIndex) + 1);
            m_data[static_cast<size_t>(nIndex)] = copy;
        } else {
            m_data[static_cast<size_t>(nIndex)] = newElement;
        }
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(TYPE(newElement));
        return GetSize() - 1;
    }
    // Appends a copy of src; returns the index of its first element.
    INT_PTR Append(const CAfxArray& src)
    {
        ASSERT_MSG(this != &src, "CArray::Append of an array to itself");
        INT_PTR nOldSize = GetSize();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return nOldSize;
    }
    void Copy(const CAfxArray& src)
    {
        if (this != &src)
            m_data = src.m_data;
    }

    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Inserts nCount copies at nIndex (past the end grows the array first).
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        ASSERT_MSG(nIndex >= 0 && nCount >= 0, "CArray::InsertAt with a negative index or count");
        TYPE copy(newElement);
        if (nIndex >= GetSize())
            m_data.resize(static_cast<size_t>(nIndex));
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CAfxArray* pNewArray)
    {
        ASSERT(pNewArray != nullptr && pNewArray != this);
        ASSERT_MSG(nStartIndex >= 0, "CArray::InsertAt with a negative index");
        if (nStartIndex >= GetSize())
            m_data.resize(static_cast<size_t>(nStartIndex));
        m_data.insert(m_data.begin() + nStartIndex, pNewArray->m_data.begin(), pNewArray->m_data.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        ASSERT_MSG(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize(),
                   "CArray::RemoveAt out of range");
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

protected:
    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy; // kept for MFC's SetSize signature; growth is the vector's

    size_t Check(INT_PTR nIndex) const
    {
        ASSERT_MSG(nIndex >= 0 && nIndex < GetSize(), "CArray: index out of range");
        return static_cast<size_t>(nIndex);
    }
};

/////////////////////////////////////////////////////////////////////////////
// CAfxMap: a hash map with chained buckets; POSITION walks the entries
// bucket by bucket. The implementation of the CMap* classes and CMap.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CAfxMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // hash of key, before the modulo
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BASE_KEY;
    typedef VALUE BASE_VALUE;

    explicit CAfxMap(INT_PTR nBlockSize = 10) : m_pHashTable(nullptr), m_nHashTableSize(17), m_nCount(0)
    {
        ASSERT(nBlockSize > 0);
        (void)nBlockSize;
    }
    ~CAfxMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    // The value for key, added (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == nullptr) {
            if (m_pHashTable == nullptr)
                InitHashTable(m_nHashTableSize);
            pAssoc = new CAssoc{m_pHashTable[nHash % m_nHashTableSize], nHash, KEY(key), VALUE()};
            m_pHashTable[nHash % m_nHashTableSize] = pAssoc;
            ++m_nCount;
        }
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == nullptr)
            return FALSE;
        UINT nHash = HashKey<ARG_KEY>(key);
        CAssoc** ppPrev = &m_pHashTable[nHash % m_nHashTableSize];
        for (CAssoc* pAssoc = *ppPrev; pAssoc != nullptr; pAssoc = *ppPrev) {
            if (pAssoc->nHashValue == nHash && CompareElements<KEY>(&pAssoc->key, &key)) {
                *ppPrev = pAssoc->pNext;
                delete pAssoc;
                --m_nCount;
                return TRUE;
            }
            ppPrev = &pAssoc->pNext;
        }
        return FALSE;
    }
    void RemoveAll()
    {
        if (m_pHashTable != nullptr) {
            for (UINT n = 0; n < m_nHashTableSize; ++n) {
                CAssoc* p = m_pHashTable[n];
                while (p != nullptr) {
                    CAssoc* pNext = p->pNext;
                    delete p;
                    p = pNext;
                }
            }
            delete[] m_pHashTable;
            m_pHashTable = nullptr;
        }
        m_nCount = 0;
    }

    // BEFORE_START_POSITION when the map has entries, else null.
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        ASSERT_MSG(m_pHashTable != nullptr && rNextPosition != nullptr, "CMap::GetNextAssoc past the end");
        CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
        if (rNextPosition == BEFORE_START_POSITION) {
            pAssoc = nullptr;
            for (UINT n = 0; n < m_nHashTableSize && pAssoc == nullptr; ++n)
                pAssoc = m_pHashTable[n];
            ASSERT(pAssoc != nullptr);
        }
        CAssoc* pNext = pAssoc->pNext;
        for (UINT n = (pAssoc->nHashValue % m_nHashTableSize) + 1; pNext == nullptr && n < m_nHashTableSize; ++n)
            pNext = m_pHashTable[n];
        rNextPosition = reinterpret_cast<POSITION>(pNext);
        rKey = pAssoc->key;
        rValue = pAssoc->value;
    }

    // Sets the bucket count; only while the map is empty (as in MFC).
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        ASSERT_MSG(m_nCount == 0, "CMap::InitHashTable on a map with entries");
        ASSERT(hashSize > 0);
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
        if (bAllocNow)
            m_pHashTable = new CAssoc* [hashSize]();
        m_nHashTableSize = hashSize;
    }

protected:
    CAssoc** m_pHashTable; // m_nHashTableSize buckets, null until the first entry
    UINT m_nHashTableSize;
    INT_PTR m_nCount;

    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = HashKey<ARG_KEY>(key);
        if (m_pHashTable == nullptr)
            return nullptr;
        for (CAssoc* p = m_pHashTable[nHash % m_nHashTableSize]; p != nullptr; p = p->pNext) {
            if (p->nHashValue == nHash && CompareElements<KEY>(&p->key, &key))
                return p;
        }
        return nullptr;
    }
};

// CString keys compared with a const char* argument.
template <> AFX_INLINE BOOL AFXAPI CompareElements<CString, LPCSTR>(const CString* pElement1, const LPCSTR* pElement2)
{
    return pElement1->Compare(*pElement2) == 0;
}

/////////////////////////////////////////////////////////////////////////////
// The MFC classes.

#define AFXLITE_COLLECTION(class_name, base)                                                                 \
    class AFXLITE_API class_name : public base                                                               \
    {                                                                                                        \
        DECLARE_DYNCREATE(class_name)                                                                        \
    public:                                                                                                  \
        using base::base;                                                                                    \
        class_name() {}                                                                                      \
        virtual ~class_name();                                                                               \
    };

typedef CAfxList<CObject*, CObject*> CAfxObList;
typedef CAfxList<void*, void*> CAfxPtrList;
typedef CAfxList<CString, LPCSTR> CAfxStringList;
typedef CAfxArray<void*, void*> CAfxPtrArray;
typedef CAfxArray<CObject*, CObject*> CAfxObArray;
typedef CAfxArray<DWORD, DWORD> CAfxDWordArray;
typedef CAfxArray<UINT, UINT> CAfxUIntArray;
typedef CAfxArray<WORD, WORD> CAfxWordArray;
typedef CAfxArray<BYTE, BYTE> CAfxByteArray;
typedef CAfxArray<CString, LPCSTR> CAfxStringArray;
typedef CAfxMap<void*, void*, void*, void*> CAfxMapPtrToPtr;
typedef CAfxMap<CString, LPCSTR, void*, void*> CAfxMapStringToPtr;
typedef CAfxMap<CString, LPCSTR, CString, LPCSTR> CAfxMapStringToString;
typedef CAfxMap<CString, LPCSTR, CObject*, CObject*> CAfxMapStringToOb;
typedef CAfxMap<WORD, WORD, void*, void*> CAfxMapWordToPtr;

// CObList: list of CObject pointers; the list does not own them.
AFXLITE_COLLECTION(CObList, CAfxObList)
// CPtrList: list of void pointers.
AFXLITE_COLLECTION(CPtrList, CAfxPtrList)
// CStringList: list of CString values.
AFXLITE_COLLECTION(CStringList, CAfxStringList)
// CPtrArray: array of void pointers.
AFXLITE_COLLECTION(CPtrArray, CAfxPtrArray)
// CObArray: array of CObject pointers; the array does not own them.
AFXLITE_COLLECTION(CObArray, CAfxObArray)
// CDWordArray, CUIntArray, CWordArray, CByteArray: arrays of numbers.
AFXLITE_COLLECTION(CDWordArray, CAfxDWordArray)
AFXLITE_COLLECTION(CUIntArray, CAfxUIntArray)
AFXLITE_COLLECTION(CWordArray, CAfxWordArray)
AFXLITE_COLLECTION(CByteArray, CAfxByteArray)
// CStringArray: array of CString values.
AFXLITE_COLLECTION(CStringArray, CAfxStringArray)
// CMapPtrToPtr, CMapStringToPtr, CMapStringToString, CMapStringToOb, CMapWordToPtr: hash maps.
AFXLITE_COLLECTION(CMapPtrToPtr, CAfxMapPtrToPtr)
AFXLITE_COLLECTION(CMapStringToPtr, CAfxMapStringToPtr)
AFXLITE_COLLECTION(CMapStringToString, CAfxMapStringToString)
AFXLITE_COLLECTION(CMapStringToOb, CAfxMapStringToOb)
AFXLITE_COLLECTION(CMapWordToPtr, CAfxMapWordToPtr)
