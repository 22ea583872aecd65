// CString where the library depends on MFC's exact results: the documented
// examples of the members it calls, the clipping of out-of-range arguments,
// aliasing (a string used on itself) and Format with CString arguments.
// Portable: runs natively and under Wine.
#include <afx.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string S(const CString& s)
{
    return std::string(static_cast<LPCSTR>(s), static_cast<size_t>(s.GetLength()));
}

TEST(CStringTest, MembersGiveMfcResults)
{
    // Each row edits a copy of its start string; the text and the returned
    // number (where the member returns one) are compared.
    const struct
    {
        const char* label;
        const char* start;
        std::function<int(CString&)> op;
        const char* text;
        int result;
    } rows[] = {
        {"counted ctor", "", [](CString& s) { return s = CString("abcdef", 3), s.GetLength(); }, "abc", 3},
        {"repeat ctor", "", [](CString& s) { return s = CString('x', 4), 0; }, "xxxx", 0},
        {"null ctor", "", [](CString& s) { return s = CString(static_cast<LPCSTR>(nullptr)), 0; }, "", 0},
        {"concatenation", "dog ",
         [](CString& s) { return s = '<' + (s + "is" + CString(" awake")) + '>', 0; }, "<dog is awake>", 0},
        {"self append", "z", [](CString& s) { return s += s, 0; }, "zz", 0},
        {"assign own tail", "xyz", [](CString& s) { return s = static_cast<LPCSTR>(s) + 1, 0; }, "yz", 0},
        {"Mid clipped", "abcdef", [](CString& s) { return s = s.Mid(4, 100), 0; }, "ef", 0},
        {"Mid negative", "abcdef", [](CString& s) { return s = s.Mid(-3, 2), 0; }, "ab", 0},
        {"Mid past end", "abcdef", [](CString& s) { return s = s.Mid(10), 0; }, "", 0},
        {"Left clipped", "abcdef", [](CString& s) { return s = s.Left(-1) + s.Left(100), 0; }, "abcdef", 0},
        {"Right", "abcdef", [](CString& s) { return s = s.Right(2) + s.Right(-1), 0; }, "ef", 0},
        {"SpanIncluding", "cabbage", [](CString& s) { return s = s.SpanIncluding("abc"), 0; }, "cabba", 0},
        {"SpanExcluding", "World Cup '98", [](CString& s) { return s = s.SpanExcluding(";,.-'"), 0; },
         "World Cup ", 0},
        {"Find from", "The waves are still", [](CString& s) { return s.Find('e', 5); }, "The waves are still",
         7},
        {"Find string from", "The waves are still", [](CString& s) { return s.Find("still", 5); },
         "The waves are still", 14},
        {"Find past end", "abc", [](CString& s) { return s.Find('a', 100) + s.Find("a", 100) + 2; }, "abc",
         0},
        {"Find empty", "abcdef", [](CString& s) { return s.Find("", 3); }, "abcdef", 3},
        {"ReverseFind", "abcabc", [](CString& s) { return s.ReverseFind('b'); }, "abcabc", 4},
        {"FindOneOf", "abcdef", [](CString& s) { return s.FindOneOf("xd"); }, "abcdef", 3},
        {"Insert", "SoccerBest", [](CString& s) { return s.Insert(6, "is "); }, "Socceris Best", 13},
        {"Insert past end", "ab", [](CString& s) { return s.Insert(55, '!'); }, "ab!", 3},
        {"Insert before start", "ab", [](CString& s) { return s.Insert(-4, '>'); }, ">ab", 3},
        {"Delete", "Soccer is best!", [](CString& s) { return s.Delete(6, 3); }, "Soccer best!", 12},
        {"Delete clipped", "Soccer best!", [](CString& s) { return s.Delete(10, 100); }, "Soccer bes", 10},
        {"Delete past end", "abc", [](CString& s) { return s.Delete(100); }, "abc", 3},
        {"Replace growing", "aXbXc", [](CString& s) { return s.Replace("X", "<==>"); }, "a<==>b<==>c", 2},
        {"Replace by null", "a<>b<>", [](CString& s) { return s.Replace("<>", nullptr); }, "ab", 2},
        {"Replace no overlap", "aaaa", [](CString& s) { return s.Replace("aa", "b"); }, "bb", 2},
        {"Replace empty", "abc", [](CString& s) { return s.Replace("", "x"); }, "abc", 0},
        {"Replace char", "a.b.c", [](CString& s) { return s.Replace('.', '-'); }, "a-b-c", 2},
        {"Remove", "This is a test.", [](CString& s) { return s.Remove('t'); }, "This is a es.", 2},
        {"MakeUpper", "Hello, 1", [](CString& s) { return s.MakeUpper(), 0; }, "HELLO, 1", 0},
        {"MakeReverse", "abc", [](CString& s) { return s.MakeReverse(), 0; }, "cba", 0},
        {"TrimLeft set", "\t *Soccer", [](CString& s) { return s.TrimLeft("\t *"), 0; }, "Soccer", 0},
        {"TrimRight set", "best?!?!", [](CString& s) { return s.TrimRight("?!"), 0; }, "best", 0},
        {"Trim white", " \t\r\n both \n", [](CString& s) { return s.Trim(), 0; }, "both", 0},
        {"Trim all", "   ", [](CString& s) { return s.Trim(), s.GetLength(); }, "", 0},
        {"Compare", "abc", [](CString& s) { return (s.Compare("abd") < 0) + 2 * (s.Compare("abc") == 0); },
         "abc", 3},
        {"CompareNoCase", "abc", [](CString& s) { return (s.CompareNoCase("ABD") < 0) + 2 * (s == "ABC"); },
         "abc", 1},
        {"Format", "", [](CString& s) { return s.Format("%.2f|%.6d", 12345.12345, 35), 0; },
         "12345.12|000035", 0},
        {"Format own and other CString", "abc",
         [](CString& s) { return s.Format("[%s|%d|%s]", s, 5, CString("xy")), s.AppendFormat("%s", s), 0; },
         "[abc|5|xy][abc|5|xy]", 0},
        {"Format long", "", [](CString& s) { return s.Format("%0500d", 7), s.GetLength(); }, nullptr, 500},
        {"GetBuffer keeps text", "abc",
         [](CString& s) { return strcat(s.GetBuffer(1024), "defgh"), s.ReleaseBuffer(), s.GetLength(); },
         "abcdefgh", 8},
        {"ReleaseBuffer length", "abc",
         [](CString& s) { return memcpy(s.GetBuffer(10), "xyz123", 6), s.ReleaseBuffer(3), 0; }, "xyz", 0},
        {"GetBufferSetLength", "",
         [](CString& s) { return memcpy(s.GetBufferSetLength(4), "wxyz", 4), s.GetLength(); }, "wxyz", 4},
    };
    for (const auto& row : rows) {
        CString s(row.start);
        const CString copy(s);
        const int result = row.op(s);
        EXPECT_EQ(S(s), row.text ? row.text : S(s)) << row.label;
        EXPECT_EQ(result, row.result) << row.label;
        EXPECT_EQ(S(copy), row.start) << row.label << ": copies are independent";
    }
}

TEST(CStringTest, TokenizeAndManyAppends)
{
    CString tokens("%First Second#Third");
    int curPos = 0;
    std::string all;
    for (CString tok = tokens.Tokenize("% #", curPos); tok != ""; tok = tokens.Tokenize("% #", curPos))
        all += S(tok) + "|";
    EXPECT_EQ(all, "First|Second|Third|");
    EXPECT_EQ(curPos, -1);

    CString s;
    std::string expected;
    for (int i = 0; i < 2000; ++i) {
        s += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
    }
    EXPECT_EQ(S(s), expected);
}

} // namespace
