// Collections the library keeps its records in (CObList, CPtrArray), with
// MFC's semantics for the positions, searches and removals it uses.
// Portable: runs natively and under Wine.
#include <afxcoll.h>

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

// The items from the head, checked against a walk from the tail.
V Items(CObList& list)
{
    V v, back;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        v.push_back(static_cast<CItem*>(list.GetNext(pos))->m_n);
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        back.insert(back.begin(), static_cast<CItem*>(list.GetPrev(pos))->m_n);
    EXPECT_EQ(v, back);
    EXPECT_EQ(list.GetCount(), (INT_PTR)v.size());
    EXPECT_EQ(list.IsEmpty(), v.empty());
    return v;
}

TEST(CObListTest, PositionsFindAndRemove)
{
    CItem a(1), b(2), c(3), x(9);
    CObList list(4);
    EXPECT_EQ(Items(list), V{});
    for (CItem* p : {&a, &b, &x, &c, &x})
        list.AddTail(p);
    EXPECT_EQ(Items(list), (V{1, 2, 9, 3, 9}));
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), &c);
    EXPECT_EQ(list.FindIndex(4), list.GetTailPosition());
    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    POSITION first = list.Find(&x);
    ASSERT_EQ(first, list.FindIndex(2));
    POSITION second = list.Find(&x, first); // searches after the given position
    EXPECT_EQ(second, list.FindIndex(4));
    EXPECT_EQ(list.Find(&x, second), nullptr);

    list.RemoveAt(first);
    EXPECT_EQ(list.RemoveHead(), &a);
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Items(list), (V{2, 3}));
    list.RemoveAll();
    EXPECT_EQ(Items(list), V{});
}

TEST(CPtrArrayTest, AddRemoveAt)
{
    int values[4] = {0, 1, 2, 3};
    CPtrArray arr;
    for (int& v : values)
        EXPECT_EQ(arr.Add(&v), &v - values);
    arr.RemoveAt(1, 2);
    ASSERT_EQ(arr.GetSize(), 2);
    EXPECT_TRUE(arr[0] == &values[0] && arr[1] == &values[3]);
    arr.RemoveAt(0);
    EXPECT_EQ(arr[0], &values[3]);
    arr.RemoveAll();
    EXPECT_EQ(arr.GetSize(), 0);
}

} // namespace
