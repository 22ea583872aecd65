// Collections: the MFC list, array and map classes and the templates, with
// MFC's semantics for positions, insertion, search, growth and iteration.
// Portable: runs natively and under Wine.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
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

TEST(CObListTest, HasRunTimeClass)
{
    CObList list;
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
    EXPECT_STREQ(RUNTIME_CLASS(CObList)->m_lpszClassName, "CObList");
    CObject* pNew = RUNTIME_CLASS(CPtrArray)->CreateObject();
    ASSERT_NE(pNew, nullptr);
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(CPtrArray)));
    delete pNew;
}

TEST(CStringListTest, ValuesAreCopiedAndFoundByText)
{
    CStringList list;
    CString s("alpha");
    list.AddTail(s);
    list.AddTail("beta");
    s = "changed";
    EXPECT_EQ(list.GetHead(), "alpha");
    POSITION pos = list.Find("beta");
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(list.GetAt(pos), "beta");
    EXPECT_EQ(list.Find("gamma"), nullptr);
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

TEST(NumberArraysTest, DWordUIntAndStrings)
{
    CDWordArray dw;
    dw.SetSize(3);
    EXPECT_EQ(dw[0] + dw[1] + dw[2], 0u);
    dw[1] = 0xDEADBEEF;
    EXPECT_EQ(dw.GetAt(1), 0xDEADBEEFu);
    CUIntArray ui;
    for (UINT i = 0; i < 100; ++i)
        ui.Add(i * i);
    EXPECT_EQ(ui.GetSize(), 100);
    EXPECT_EQ(ui[99], 9801u);

    CStringArray sa;
    sa.Add("one");
    sa.Add(CString("two"));
    sa.SetAtGrow(3, "four");
    EXPECT_EQ(sa.GetSize(), 4);
    EXPECT_TRUE(sa[2].IsEmpty());
    EXPECT_EQ(sa[3], "four");
    sa.InsertAt(0, "zero");
    EXPECT_EQ(sa[0], "zero");
    EXPECT_EQ(sa[1], "one");
    CStringArray copy;
    copy.Copy(sa);
    sa[0] = "changed";
    EXPECT_EQ(copy[0], "zero");
    EXPECT_EQ(copy.Append(sa), 5);
    EXPECT_EQ(copy.GetSize(), 10);
}

TEST(CMapTest, StringToPtrAndPtrToPtr)
{
    int a = 1, b = 2;
    CMapStringToPtr map;
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    map.SetAt("a", &a);
    map["b"] = &b;
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup("a", p));
    EXPECT_EQ(p, &a);
    EXPECT_FALSE(map.Lookup("c", p));
    map.SetAt("a", &b); // replaces
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map.Lookup("a", p));
    EXPECT_EQ(p, &b);
    EXPECT_TRUE(map.RemoveKey("a"));
    EXPECT_FALSE(map.RemoveKey("a"));
    EXPECT_EQ(map.GetCount(), 1);

    CMapPtrToPtr pp;
    pp[&a] = &b;
    EXPECT_TRUE(pp.Lookup(&a, p));
    EXPECT_EQ(p, &b);
}

TEST(CMapTest, IterationVisitsEachEntryOnce)
{
    CMap<int, int, CString, LPCSTR> map;
    map.InitHashTable(7);
    std::map<int, std::string> expected;
    for (int i = 0; i < 50; ++i) {
        CString s;
        s.Format("v%d", i);
        map.SetAt(i * 13, s);
        expected[i * 13] = static_cast<LPCSTR>(s);
    }
    std::map<int, std::string> seen;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        int key;
        CString value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, static_cast<LPCSTR>(value)).second) << key;
    }
    EXPECT_EQ(seen, expected);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
}

TEST(TemplatesTest, CArrayAndCListOfValues)
{
    CArray<CString, LPCSTR> arr;
    arr.Add("a");
    arr.Add("b");
    arr.InsertAt(1, "between");
    EXPECT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[1], "between");
    arr.SetAtGrow(1, arr[2]); // an element of the array itself as the argument
    EXPECT_EQ(arr[1], "b");

    CArray<POINT> points;
    POINT pt = {3, 4};
    points.Add(pt);
    EXPECT_EQ(points[0].y, 4);

    CList<int, int> ints;
    for (int i = 0; i < 5; ++i)
        ints.AddTail(i);
    EXPECT_EQ(ints.GetCount(), 5);
    EXPECT_NE(ints.Find(3), nullptr);
    EXPECT_EQ(ints.Find(30), nullptr);
    EXPECT_EQ(ints.RemoveHead() + ints.RemoveTail(), 4);

    CList<CString> strings;
    strings.AddTail(CString("x"));
    EXPECT_NE(strings.Find(CString("x")), nullptr);
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

    CTypedPtrMap<CMapStringToPtr, CString, CItem*> map;
    map.SetAt("a", &a);
    CItem* pFound = nullptr;
    EXPECT_TRUE(map.Lookup("a", pFound));
    EXPECT_EQ(pFound, &a);
}

} // namespace
