// Collections the library keeps its records in (CObList, CPtrArray and the
// typed wrappers), with MFC's semantics for positions, insertion, search and growth.
// Portable: runs natively and under Wine.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

class CItem : public CObject
{
public:
    explicit CItem(int n) : m_n(n) {}
    int m_n;
};

template <class LIST> std::vector<int> Items(LIST& list)
{
    std::vector<int> v;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        v.push_back(static_cast<CItem*>(list.GetNext(pos))->m_n);
    return v;
}

typedef std::vector<int> V;

TEST(CObListTest, EndsAndIteration)
{
    CItem a(1), b(2), c(3), d(4);
    CObList list(4);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(&b);
    list.AddTail(&c);
    list.AddHead(&a);
    list.AddTail(&d);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.GetHead(), &a);
    EXPECT_EQ(list.GetTail(), &d);
    EXPECT_EQ(Items(list), (V{1, 2, 3, 4}));

    std::vector<int> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back(static_cast<CItem*>(list.GetPrev(pos))->m_n);
    EXPECT_EQ(backwards, (V{4, 3, 2, 1}));

    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveTail(), &d);
    EXPECT_EQ(Items(list), (V{2, 3}));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetTailPosition(), nullptr);
}

TEST(CObListTest, PositionsInsertFindRemove)
{
    CItem a(1), b(2), c(3), x(9);
    CObList list;
    POSITION pa = list.AddTail(&a);
    POSITION pc = list.AddTail(&c);
    POSITION pb = list.InsertBefore(pc, &b);
    EXPECT_EQ(Items(list), (V{1, 2, 3}));
    EXPECT_EQ(list.GetAt(pb), &b);
    list.InsertAfter(pc, &x);
    list.InsertBefore(pa, &x);
    EXPECT_EQ(Items(list), (V{9, 1, 2, 3, 9}));
    list.InsertBefore(nullptr, &c); // null: at the head
    list.InsertAfter(nullptr, &a);  // null: at the tail
    EXPECT_EQ(Items(list), (V{3, 9, 1, 2, 3, 9, 1}));

    POSITION first = list.Find(&x);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(list.GetAt(first), &x);
    POSITION second = list.Find(&x, first);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(list.Find(&x, second), nullptr);
    CItem y(7);
    EXPECT_EQ(list.Find(&y), nullptr);

    EXPECT_EQ(list.FindIndex(0), list.GetHeadPosition());
    EXPECT_EQ(list.FindIndex(6), list.GetTailPosition());
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.RemoveAt(first);
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Items(list), (V{1, 2, 3, 9}));
    list.SetAt(list.FindIndex(1), &y);
    EXPECT_EQ(Items(list), (V{1, 7, 3, 9}));
    EXPECT_EQ(list.GetCount(), 4);

    CObList other;
    other.AddTail(&a);
    other.AddTail(&b);
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Items(list), (V{1, 2, 1, 7, 3, 9, 1, 2}));
}

TEST(CPtrArrayTest, GrowInsertRemove)
{
    int values[6] = {0, 1, 2, 3, 4, 5};
    CPtrArray arr;
    EXPECT_TRUE(arr.IsEmpty());
    EXPECT_EQ(arr.GetUpperBound(), -1);
    EXPECT_EQ(arr.Add(&values[0]), 0);
    EXPECT_EQ(arr.Add(&values[1]), 1);
    arr.SetAtGrow(4, &values[4]);
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(arr[2], nullptr) << "grown elements are zero";
    EXPECT_EQ(arr[4], &values[4]);
    arr.InsertAt(1, &values[5], 2);
    EXPECT_EQ(arr.GetSize(), 7);
    EXPECT_EQ(arr[1], &values[5]);
    EXPECT_EQ(arr[2], &values[5]);
    EXPECT_EQ(arr[3], &values[1]);
    arr.RemoveAt(1, 2);
    EXPECT_EQ(arr[1], &values[1]);
    arr[0] = &values[3];
    EXPECT_EQ(arr.GetAt(0), &values[3]);
    arr.SetSize(2);
    EXPECT_EQ(arr.GetSize(), 2);
    EXPECT_EQ(arr.GetData()[1], &values[1]);
    arr.InsertAt(5, &values[2]); // past the end: grows first
    EXPECT_EQ(arr.GetSize(), 6);
    EXPECT_EQ(arr[5], &values[2]);
    arr.RemoveAll();
    EXPECT_EQ(arr.GetSize(), 0);
    EXPECT_EQ(arr.GetData(), nullptr);
}

TEST(TemplatesTest, TypedPointerWrappers)
{
    CItem a(1), b(2);
    CTypedPtrList<CObList, CItem*> list;
    list.AddTail(&a);
    list.AddHead(&b);
    CItem* pHead = list.GetHead();
    EXPECT_EQ(pHead, &b);
    POSITION pos = list.GetHeadPosition();
    CItem* pFirst = list.GetNext(pos);
    CItem* pSecond = list.GetNext(pos);
    EXPECT_EQ(pFirst->m_n + 10 * pSecond->m_n, 12);
    EXPECT_EQ(list.Find(&a), list.GetTailPosition());
    EXPECT_EQ(list.RemoveTail(), &a);

    CTypedPtrList<CPtrList, int*> ptrs;
    int n = 5;
    ptrs.AddTail(&n);
    EXPECT_EQ(*ptrs.GetHead(), 5);

    CTypedPtrArray<CObArray, CItem*> arr;
    arr.Add(&a);
    arr.Add(&b);
    EXPECT_EQ(arr[1]->m_n, 2);
    EXPECT_EQ(arr.GetAt(0), &a);
    arr.ElementAt(0) = &b;
    EXPECT_EQ(arr[0], &b);
}

} // namespace
