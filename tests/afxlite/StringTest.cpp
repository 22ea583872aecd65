// CString against the results MFC documents for each member (the examples
// of the CStringT reference pages), plus the edge cases where MFC clips
// arguments instead of failing. Portable: runs natively and under Wine.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& s)
{
    return std::string(static_cast<LPCSTR>(s), static_cast<size_t>(s.GetLength()));
}

TEST(CStringTest, IsOnePointerSmall)
{
    EXPECT_EQ(sizeof(CString), sizeof(char*));
}

TEST(CStringTest, Construction)
{
    EXPECT_EQ(S(CString()), "");
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_EQ(S(CString("abc")), "abc");
    EXPECT_EQ(S(CString('x')), "x");
    EXPECT_EQ(S(CString('x', 4)), "xxxx");
    EXPECT_EQ(S(CString('x', 0)), "");
    EXPECT_EQ(S(CString("abcdef", 3)), "abc");
    EXPECT_EQ(S(CString(static_cast<LPCSTR>(nullptr))), "");
    CString a("copy");
    CString b(a);
    b.SetAt(0, 'C');
    EXPECT_EQ(S(a), "copy") << "copies are independent";
    EXPECT_EQ(S(b), "Copy");
    // Embedded NUL kept by the counted constructor, as MFC's length says.
    CString withNul("a\0b", 3);
    EXPECT_EQ(withNul.GetLength(), 3);
}

TEST(CStringTest, AssignmentAndConcatenation)
{
    // Reference page of operator +: "dog " + "is" + " awake".
    CString s1("dog "), s2(" awake"), s3;
    s3 = s1 + "is" + s2;
    EXPECT_EQ(S(s3), "dog is awake");
    CString s;
    s = "abc";
    s += "def";
    s += 'g';
    s += CString("h");
    EXPECT_EQ(S(s), "abcdefgh");
    EXPECT_EQ(S('<' + s + '>'), "<abcdefgh>");
    EXPECT_EQ(S("[" + s), "[abcdefgh");
    s = 'z';
    EXPECT_EQ(S(s), "z");
    s = s; // self-assignment keeps the value
    EXPECT_EQ(S(s), "z");
    s += s; // appending itself
    EXPECT_EQ(S(s), "zz");
    s = static_cast<LPCSTR>(s) + 1; // assigning a part of itself
    EXPECT_EQ(S(s), "z");
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(CStringTest, GetAtSetAtAndIndex)
{
    CString s("abcdef");
    EXPECT_EQ(s.GetAt(2), 'c');
    EXPECT_EQ(s[5], 'f');
    s.SetAt(0, 'A');
    EXPECT_EQ(S(s), "Abcdef");
    EXPECT_STREQ(static_cast<LPCSTR>(s), "Abcdef");
}

TEST(CStringTest, Comparison)
{
    CString s1("abc"), s2("abd");
    EXPECT_LT(s1.Compare(s2), 0);
    EXPECT_LT(s1.Compare("abe"), 0);
    EXPECT_EQ(s1.Compare("abc"), 0);
    EXPECT_GT(s2.Compare(s1), 0);
    CString s3("ABD");
    EXPECT_LT(s1.CompareNoCase(s3), 0);
    EXPECT_LT(s1.CompareNoCase("ABE"), 0);
    EXPECT_EQ(s1.CompareNoCase("ABC"), 0);
    EXPECT_EQ(s1.Collate("abc"), 0);
    EXPECT_TRUE(s1 == "abc");
    EXPECT_TRUE("abc" == s1);
    EXPECT_TRUE(s1 != s2);
    EXPECT_TRUE(s1 < s2);
    EXPECT_TRUE(s2 > "abc");
    EXPECT_TRUE(s1 <= "abc" && s1 >= "abc");
    EXPECT_FALSE(s1 == "ABC");
}

TEST(CStringTest, MidLeftRight)
{
    CString s("abcdef");
    EXPECT_EQ(S(s.Mid(2, 3)), "cde");
    EXPECT_EQ(S(s.Mid(2)), "cdef");
    EXPECT_EQ(S(s.Left(2)), "ab");
    EXPECT_EQ(S(s.Right(2)), "ef");
    // Out-of-range arguments are clipped.
    EXPECT_EQ(S(s.Mid(4, 100)), "ef");
    EXPECT_EQ(S(s.Mid(10)), "");
    EXPECT_EQ(S(s.Mid(-3, 2)), "ab");
    EXPECT_EQ(S(s.Left(100)), "abcdef");
    EXPECT_EQ(S(s.Left(-1)), "");
    EXPECT_EQ(S(s.Right(100)), "abcdef");
    EXPECT_EQ(S(s.Right(-1)), "");
}

TEST(CStringTest, SpanAndTokenize)
{
    CString str("cabbage");
    EXPECT_EQ(S(str.SpanIncluding("abc")), "cabba");
    EXPECT_TRUE(str.SpanIncluding("xyz").IsEmpty());
    CString src("World Cup '98");
    EXPECT_EQ(S(src.SpanExcluding(";,.-'")), "World Cup ");

    CString tokens("%First Second#Third");
    int curPos = 0;
    std::string all;
    for (CString tok = tokens.Tokenize("% #", curPos); tok != ""; tok = tokens.Tokenize("% #", curPos))
        all += S(tok) + "|";
    EXPECT_EQ(all, "First|Second|Third|");
    EXPECT_EQ(curPos, -1);
}

TEST(CStringTest, Find)
{
    CString s("abcdef");
    EXPECT_EQ(s.Find('c'), 2);
    EXPECT_EQ(s.Find("de"), 3);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find("xyz"), -1);
    CString str("The waves are still");
    EXPECT_EQ(str.Find('e', 5), 7);
    EXPECT_EQ(str.Find("still", 5), 14);
    EXPECT_EQ(str.Find('T', 1), -1);
    EXPECT_EQ(str.Find('e', 100), -1);
    EXPECT_EQ(str.Find("e", 100), -1);
    EXPECT_EQ(str.Find("", 3), 3) << "an empty substring is found where the search starts";

    EXPECT_EQ(CString("abcabc").ReverseFind('b'), 4);
    EXPECT_EQ(CString("abcabc").ReverseFind('z'), -1);
    EXPECT_EQ(s.FindOneOf("xd"), 3);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST(CStringTest, InsertAndDelete)
{
    CString str("SoccerBest");
    int n = str.Insert(6, "is ");
    EXPECT_EQ(n, str.GetLength());
    EXPECT_EQ(S(str), "Socceris Best");
    n = str.Insert(6, ' ');
    EXPECT_EQ(S(str), "Soccer is Best");
    n = str.Insert(55, '!'); // past the end: appended
    EXPECT_EQ(S(str), "Soccer is Best!");
    EXPECT_EQ(n, 15);
    str.Insert(-4, '>'); // before the start: prepended
    EXPECT_EQ(S(str), ">Soccer is Best!");

    CString del("Soccer is best!");
    n = del.Delete(6, 3);
    EXPECT_EQ(S(del), "Soccer best!");
    EXPECT_EQ(n, del.GetLength());
    EXPECT_EQ(del.Delete(100), 12);
    EXPECT_EQ(del.Delete(10, 100), 10);
    EXPECT_EQ(S(del), "Soccer bes");
    EXPECT_EQ(del.Delete(0), 9);
    EXPECT_EQ(S(del), "occer bes");
}

TEST(CStringTest, ReplaceAndRemove)
{
    CString strBang("Everybody likes epee fencing");
    EXPECT_EQ(strBang.Replace("epee", "foil"), 1);
    EXPECT_EQ(S(strBang), "Everybody likes foil fencing");

    CString s("a.b.c");
    EXPECT_EQ(s.Replace('.', '-'), 2);
    EXPECT_EQ(S(s), "a-b-c");
    EXPECT_EQ(s.Replace('-', '-'), 0);

    CString grow("aXbXc");
    EXPECT_EQ(grow.Replace("X", "<==>"), 2);
    EXPECT_EQ(S(grow), "a<==>b<==>c");
    EXPECT_EQ(grow.Replace("<==>", nullptr), 2);
    EXPECT_EQ(S(grow), "abc");
    EXPECT_EQ(grow.Replace("", "x"), 0);
    CString overlap("aaaa");
    EXPECT_EQ(overlap.Replace("aa", "b"), 2) << "left to right, without overlap";
    EXPECT_EQ(S(overlap), "bb");

    CString str("This is a test.");
    EXPECT_EQ(str.Remove('t'), 2);
    EXPECT_EQ(S(str), "This is a es.");
}

TEST(CStringTest, CaseAndReverse)
{
    CString s("Hello, World 1");
    EXPECT_EQ(S(CString(s).MakeUpper()), "HELLO, WORLD 1");
    EXPECT_EQ(S(CString(s).MakeLower()), "hello, world 1");
    EXPECT_EQ(S(CString("abc").MakeReverse()), "cba");
    EXPECT_EQ(S(CString("").MakeReverse()), "");
}

TEST(CStringTest, Trim)
{
    CString str("\t\t   ****Soccer is best!");
    str.TrimLeft();
    EXPECT_EQ(S(str), "****Soccer is best!");
    str = "\t\t   ****Soccer is best!";
    str.TrimLeft("\t *");
    EXPECT_EQ(S(str), "Soccer is best!");
    str = "Soccer is best!!!!!";
    str.TrimRight('!');
    EXPECT_EQ(S(str), "Soccer is best");
    str = "Soccer is best?!?!?!?!?!";
    str.TrimRight("?!");
    EXPECT_EQ(S(str), "Soccer is best");
    str = "******Soccer is best!?!?!?!?!";
    str.Trim("?!*");
    EXPECT_EQ(S(str), "Soccer is best");
    str = " \t\r\n both \n";
    str.Trim();
    EXPECT_EQ(S(str), "both");
    str = "xxabcxx";
    str.Trim('x');
    EXPECT_EQ(S(str), "abc");
    str = "   ";
    str.Trim();
    EXPECT_TRUE(str.IsEmpty());
}

TEST(CStringTest, Format)
{
    CString str;
    str.Format("Floating point: %.2f\n", 12345.12345);
    EXPECT_EQ(S(str), "Floating point: 12345.12\n");
    str.Format("Left-justified integer: %.6d\n", 35);
    EXPECT_EQ(S(str), "Left-justified integer: 000035\n");
    str = "Some data:\t";
    str.AppendFormat("X value = %.2f\n", 12345.12345);
    EXPECT_EQ(S(str), "Some data:\tX value = 12345.12\n");
    // CString arguments print their text, the string's own included.
    str = "abc";
    const CString other("xy");
    str.Format("[%s|%d|%s]", str, 5, other);
    EXPECT_EQ(S(str), "[abc|5|xy]");
    str.AppendFormat("%s", str);
    EXPECT_EQ(S(str), "[abc|5|xy][abc|5|xy]");
    // Longer than any small buffer.
    str.Format("%0500d", 7);
    EXPECT_EQ(str.GetLength(), 500);
    EXPECT_EQ(S(str.Right(2)), "07");
    str.Format("%s", "");
    EXPECT_TRUE(str.IsEmpty());
}

TEST(CStringTest, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    LPSTR p = s.GetBuffer(1024);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "abc") << "the contents are kept";
    strcpy(p, "abcdefgh");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 8);
    EXPECT_EQ(S(s), "abcdefgh");

    p = s.GetBuffer(0);
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(S(s), "ab");

    p = s.GetBuffer(10);
    memcpy(p, "xyz123", 6);
    s.ReleaseBuffer(3);
    EXPECT_EQ(S(s), "xyz");

    CString empty;
    p = empty.GetBuffer(0);
    p[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    CString set;
    p = set.GetBufferSetLength(4);
    memcpy(p, "wxyz", 4);
    EXPECT_EQ(set.GetLength(), 4);
    set.ReleaseBuffer(4);
    EXPECT_EQ(S(set), "wxyz");
    set.FreeExtra();
    EXPECT_EQ(S(set), "wxyz");
}

TEST(CStringTest, ManyAppendsStayCorrect)
{
    CString s;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        s += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
    }
    EXPECT_EQ(S(s), expected);
    EXPECT_GE(s.GetAllocLength(), s.GetLength());
}

} // namespace
