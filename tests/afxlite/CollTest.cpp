// Collections the library keeps its records in (CObList, CPtrArray), with
// MFC's semantics for positions, insertion, search and growth.
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

typedef std::vector<int> V;

V Items(CObList& list)
{
    V v;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        v.push_back(static_cast<CItem*>(list.GetNext(pos))->m_n);
    V back; // walked backwards, the same items in reverse
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        back.insert(back.begin(), static_cast<CItem*>(list.GetPrev(pos))->m_n);
    EXPECT_EQ(v, back);
    EXPECT_EQ(list.GetCount(), (INT_PTR)v.size());
    return v;
}

TEST(CObListTest, PositionsInsertFindRemove)
{
    CItem a(1), b(2), c(3), x(9), y(7);
    CObList list(4);
    POSITION pa = list.AddTail(&a);
    POSITION pc = list.AddTail(&c);
    POSITION pb = list.InsertBefore(pc, &b);
    EXPECT_EQ(list.GetAt(pb), &b);
    list.InsertAfter(pc, &x);
    list.InsertBefore(pa, &x);
    EXPECT_EQ(Items(list), (V{9, 1, 2, 3, 9}));
    list.InsertBefore(nullptr, &c); // null: at the head
    list.InsertAfter(nullptr, &a);  // null: at the tail
    EXPECT_EQ(Items(list), (V{3, 9, 1, 2, 3, 9, 1}));

    POSITION first = list.Find(&x);
    ASSERT_NE(first, nullptr);
    POSITION second = list.Find(&x, first); // searches after the given position
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(list.Find(&x, second), nullptr);
    EXPECT_EQ(list.Find(&y), nullptr);
    EXPECT_EQ(list.FindIndex(6), list.GetTailPosition());
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.RemoveAt(first);
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Items(list), (V{1, 2, 3, 9}));
    list.SetAt(list.FindIndex(1), &y);
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveTail(), &x);
    EXPECT_EQ(Items(list), (V{7, 3}));
    list.RemoveAll();
    EXPECT_EQ(Items(list), V{});
}

TEST(CPtrArrayTest, GrowInsertRemove)
{
    int values[6] = {0, 1, 2, 3, 4, 5};
    CPtrArray arr;
    EXPECT_EQ(arr.Add(&values[0]), 0);
    EXPECT_EQ(arr.Add(&values[1]), 1);
    arr.SetAtGrow(4, &values[4]);
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(arr[2], nullptr) << "grown elements are zero";
    arr.InsertAt(1, &values[5], 2);
    EXPECT_EQ(arr.GetSize(), 7);
    EXPECT_TRUE(arr[1] == &values[5] && arr[2] == &values[5] && arr[3] == &values[1] && arr[6] == &values[4]);
    arr.RemoveAt(1, 2);
    EXPECT_EQ(arr[1], &values[1]);
    EXPECT_EQ(arr[4], &values[4]);
    arr.SetSize(2);
    EXPECT_EQ(arr.GetData()[1], &values[1]);
    arr.InsertAt(5, &values[2]); // past the end: grows first
    EXPECT_EQ(arr.GetSize(), 6);
    EXPECT_TRUE(arr[4] == nullptr && arr[5] == &values[2]);
    arr.RemoveAll();
    EXPECT_EQ(arr.GetData(), nullptr);
}

} // namespace
