#include "format/text_helpers.hpp"

#include <gtest/gtest.h>

#include <random>

namespace quillon {
namespace {

// One row per call: what was called, what it gave, what it should give.
struct Row {
  const char* call;
  std::string got;
  std::string want;
};

void expectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(row.got, row.want) << row.call;
}

std::string joined(const StringList& items) {
  std::string text;
  for (const std::string& item : items) text += "[" + item + "]";
  return text;
}

TEST(TextHelpers, SubstringsClampInsteadOfFailing) {
  expectRows({
      {"midStr to end", midStr("abcdef", 3, -1), "cdef"},
      {"midStr start 0", midStr("abcdef", 0, 2), "ab"},
      {"midStr negative start keeps count", midStr("abcdef", -5, 2), "ab"},
      {"midStr past end", midStr("abcdef", 7, 1), ""},
      {"midStr count 0", midStr("abcdef", 2, 0), ""},
      {"midStr count -2", midStr("abcdef", 2, -2), ""},
      {"midStr count cut at end", midStr("abcdef", 5, 10), "ef"},
      {"midStr empty", midStr("", 1, -1), ""},
      {"leftStr long", leftStr("abc", 5), "abc"},
      {"leftStr negative", leftStr("abc", -1), ""},
      {"rightStr long", rightStr("ab", 5), "ab"},
      {"rightStr", rightStr("abc", 2), "bc"},
      {"rightStr zero", rightStr("abc", 0), ""},
      {"dropRight all", dropRight("abc", 3), ""},
      {"dropRight one", dropRight("abc", 1), "ab"},
      {"dropRight negative", dropRight("abc", -1), "abc"},
  });
}

TEST(TextHelpers, AffixesQuotesAndTrim) {
  expectRows({
      {"removePrefix folds case", removePrefix("ABCdef", "abc"), "def"},
      {"removePrefix longer prefix", removePrefix("ab", "abc"), "ab"},
      {"removeSuffix folds case", removeSuffix("x.HTM", ".htm"), "x"},
      {"removeAround", removeAround("*a*", "*"), "a"},
      {"stripQuotes", stripQuotes("  \"a b\"  "), "a b"},
      {"stripQuotes lone quote", stripQuotes("\""), ""},
      {"stripQuotes inner quote", stripQuotes("a\"b"), "a\"b"},
      {"trim control codes", trim("\t\r\n x \x01"), "x"},
      {"trim keeps high bytes", trim("\xC3\xA9 "), "\xC3\xA9"},
      {"trim blanks only", trim(" \t "), ""},
      {"lowerAscii leaves high bytes", lowerAscii("AbC\xC3\x89"), "abc\xC3\x89"},
      {"extractFilePath", extractFilePath("/web/site/index.htm"), "/web/site/"},
      {"extractFilePath backslash", extractFilePath("C:\\web\\a.gif"), "C:\\web\\"},
      {"extractFilePath none", extractFilePath("a.gif"), ""},
      {"extractFileName", extractFileName("C:\\web/x.htm"), "x.htm"},
      {"extractFileName of folder", extractFileName("/web/"), ""},
  });
  for (const char* yes : {"YES", "True", "1", "yes"}) EXPECT_TRUE(isTrueText(yes)) << yes;
  for (const char* no : {" yes", "on", "", "yes ", "0"}) EXPECT_FALSE(isTrueText(no)) << no;
}

TEST(TextHelpers, GetTagValue) {
  expectRows({
      {"quoted", getTagValue("<PARAM NAME=\"Tab1\" VALUE=\"Home Page\">", "VALUE"), "Home Page"},
      {"lower-case name", getTagValue("<PARAM NAME=\"Tab1\" VALUE=\"Home Page\">", "value"), "Home Page"},
      {"unquoted before >", getTagValue("<PARAM NAME=Width VALUE=300>", "VALUE"), "300"},
      {"unquoted before blank", getTagValue("<APPLET CODE=\"a.class\" WIDTH=150 HEIGHT=400>", "Width"), "150"},
      {"quoted ends at >", getTagValue("<PARAM NAME=\"a\" VALUE=\"x>y\">", "VALUE"), "x"},
      {"blank before =", getTagValue("<PARAM NAME = \"a\">", "NAME"), ""},
      {"inside longer name", getTagValue("<IMG FILENAME=\"x\" NAME=\"y\">", "NAME"), "x"},
      {"missing", getTagValue("<IMG SRC=\"x\">", "ALT"), ""},
      {"quoted spans line", getTagValue("<A HREF=\"a\r\nb\">", "HREF"), "a\r\nb"},
      {"unquoted ends at line feed", getTagValue("<A HREF=a\nB=c>", "HREF"), "a"},
      {"empty quoted", getTagValue("<A HREF=\"\">", "HREF"), ""},
      {"empty unquoted", getTagValue("<PARAM NAME=x VALUE=>", "VALUE"), ""},
      {"unterminated quote", getTagValue("  <A HREF=\"abc  ", "HREF"), "abc"},
      {"long name", getTagValue("<BODY BACKGROUND=\"bg.gif\">", "background"), "bg.gif"},
  });
}

TEST(TextHelpers, SplitString) {
  StringList items{"stale"};
  EXPECT_EQ(splitString("", "|", items), -1);
  EXPECT_TRUE(items.empty());

  struct Case {
    const char* text;
    const char* delimiter;
    int last;
    const char* items;
  };
  for (const Case& c : {Case{"a|b||c|", "|", 3, "[a][b][][c]"}, Case{"abc", "|", 0, "[abc]"},
                        Case{"|a", "|", 1, "[][a]"}, Case{"aXbxc", "x", 2, "[a][b][c]"},
                        Case{"1<SEPARATOR>2<separator>", "<Separator>", 1, "[1][2]"},
                        Case{"a,b", "", 0, "[a,b]"}}) {
    EXPECT_EQ(splitString(c.text, c.delimiter, items), c.last) << c.text;
    EXPECT_EQ(joined(items), c.items) << c.text;
  }
}

TEST(TextHelpers, ExtractTags) {
  struct Case {
    std::string html;
    int last;
    std::string items;
  };
  StringList items;
  for (const Case& c : {Case{"x<B>y</B><!-- c > d -->", 2, "[<B>][</B>][<!-- c > d -->]"},
                        Case{"a > b <I>", 1, "[][<I>]"},
                        Case{"<APPLET CODE=x\r\nWIDTH=1>", 0, "[<APPLET CODE=x WIDTH=1>]"},
                        Case{"<A\rB\nC>", 0, "[<A\rB\nC>]"},
                        Case{"<B", -1, ""},
                        Case{"<I><!-- open", 0, "[<I>]"},
                        Case{"", -1, ""}}) {
    EXPECT_EQ(extractTags(c.html, items), c.last) << c.html;
    EXPECT_EQ(joined(items), c.items) << c.html;
  }
}

TEST(TextHelpers, Searches) {
  EXPECT_EQ(posNoCase("", "abc"), 0);
  EXPECT_EQ(posNoCase("B", "abc"), 2);
  EXPECT_EQ(posNoCase("CDEFGHIJK", "abcdefghijk"), 3);
  EXPECT_EQ(posNoCase("abcdefghijz", "abcdefghijk"), 0);
  EXPECT_EQ(findPattern("", ""), 1);
  EXPECT_EQ(findPattern("abc", "ab"), 0);
  EXPECT_EQ(findPattern("aba", "xxabababa"), 3);

  struct Case {
    int start;
    const char* text;
    const char* sought;
    int want;
  };
  for (const Case& c : {Case{0, "abc", "c", 0}, Case{3, "abc", "c", 3}, Case{0, "C:\\a\\b\\", "\\", 5},
                        Case{9, "abc", "c", 3}, Case{2, "abc", "c", 0}, Case{0, "ab", "abc", 0},
                        Case{-1, "abc", "a", 0}, Case{0, "", "", 0}}) {
    EXPECT_EQ(reversePos(c.start, c.text, c.sought), c.want) << c.start << " " << c.text << " " << c.sought;
  }
}

// Horspool must agree with a plain search, including on repetitive texts where the shift
// table is easy to get wrong.
TEST(TextHelpers, HorspoolAgreesWithPlainSearch) {
  std::mt19937 random(7);
  const auto randomText = [&random](std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += "abAB"[random() % 4];
    return text;
  };
  for (int round = 0; round < 2000; ++round) {
    const std::string text = randomText(random() % 200);
    std::string sought = randomText(1 + random() % 14);
    if (round % 2 == 0 && text.size() > sought.size()) {  // make sure many rounds do find something
      sought = text.substr(random() % (text.size() - sought.size()), sought.size());
    }
    const std::size_t plain = text.find(sought);
    EXPECT_EQ(findPattern(sought, text), plain == std::string::npos ? 0 : static_cast<int>(plain + 1)) << sought << " in " << text;
    const std::size_t folded = lowerAscii(text).find(lowerAscii(sought));
    EXPECT_EQ(posNoCase(sought, text), folded == std::string::npos ? 0 : static_cast<int>(folded + 1)) << sought << " in " << text;
  }
}

TEST(TextHelpers, ReplaceAll) {
  expectRows({
      {"ignoring case", replaceAll("aXbxc", "x", "--", false), "a--b--c"},
      {"case-sensitive", replaceAll("aXbxc", "x", "--", true), "aXb--c"},
      {"inserted text not searched again", replaceAll("aa", "a", "aa", true), "aaaa"},
      {"no overlap", replaceAll("aaa", "aa", "x", true), "xa"},
      {"empty old", replaceAll("abc", "", "x", true), "abc"},
      {"keeps the input's case", replaceAll("Hello WORLD", "world", "There", false), "Hello There"},
      {"long old, case-sensitive", replaceAll("<!--MENU-->x<!--menu--><!--MENU-->", "<!--MENU-->", "", true), "x<!--menu-->"},
      {"long old, ignoring case", replaceAll("<!--MENU-->x<!--menu-->", "<!--Menu-->", "m", false), "mxm"},
  });
}

TEST(TextHelpers, Paths) {
  expectRows({
      {"joinPath", joinPath("C:\\web\\", "\\img\\a.gif"), "C:\\web\\img\\a.gif"},
      {"joinPath empty dir", joinPath("", "a.htm"), "a.htm"},
      {"joinPath drive", joinPath("C:", "a.htm"), "C:/a.htm"},
      {"joinPath slash", joinPath("site/sub/", "a.htm"), "site/sub/a.htm"},
      {"joinPath posix", joinPath("/web/", "/a.htm"), "/web/a.htm"},

      {"rel up one", relativePath("C:\\web\\site\\index.htm", "C:\\web\\java\\"), "..\\java\\"},
      {"rel down", relativePath("C:\\web\\index.htm", "C:\\web\\img\\a.gif"), "img\\a.gif"},
      {"rel sibling", relativePath("C:\\web\\a1\\index.htm", "C:\\web\\b1\\x.gif"), "..\\b1\\x.gif"},
      {"rel own folder", relativePath("C:\\web\\index.htm", "C:\\web\\"), ""},
      {"rel itself", relativePath("C:\\web\\index.htm", "C:\\web\\index.htm"), "index.htm"},
      {"rel other drive", relativePath("C:\\web\\index.htm", "D:\\img\\a.gif"), "D:\\img\\a.gif"},
      {"rel folder base", relativePath("C:\\web\\", "C:\\web\\img\\"), "img\\"},
      {"rel slash base", relativePath("C:/web/index.htm", "C:\\web\\img\\a.gif"), "img/a.gif"},
      {"rel case folded", relativePath("c:\\WEB\\index.htm", "C:\\web\\Img\\a.gif"), "Img\\a.gif"},
      {"rel target shorter", relativePath("C:\\web\\site\\deep\\index.htm", "C:\\w"), "..\\..\\..\\w"},
      {"rel empty base", relativePath("", "/a/b"), "/a/b"},
      {"rel empty target", relativePath("/a/x.htm", ""), ""},
      {"rel posix other folder", relativePath("/a/x.htm", "/b/y.gif"), "../b/y.gif"},
      {"rel posix up", relativePath("/web/site/index.htm", "/web/java/"), "../java/"},
      {"rel posix down", relativePath("/web/index.htm", "/web/img/a.gif"), "img/a.gif"},
      {"rel posix relative target", relativePath("/web/index.htm", "img/a.gif"), "img/a.gif"},
      {"rel mixed stays Windows", relativePath("/a\\x.htm", "/b\\y.gif"), "/b\\y.gif"},

      {"abs up", absolutePath("C:\\web\\site\\index.htm", "..\\img\\a.gif"), "C:\\web\\img\\a.gif"},
      {"abs slash reference", absolutePath("C:\\web\\index.htm", "img/a.gif"), "C:\\web\\img\\a.gif"},
      {"abs quoted drive", absolutePath("C:\\web\\index.htm", "\"D:\\x.gif\""), "D:\\x.gif"},
      {"abs drive, posix base", absolutePath("/web/index.htm", "\"D:\\x.gif\""), "D:\\x.gif"},
      {"abs up to drive", absolutePath("C:\\a\\x.htm", "..\\y.htm"), "C:/y.htm"},
      {"abs above drive", absolutePath("C:\\x.htm", "..\\..\\y.htm"), "y.htm"},
      {"abs posix up", absolutePath("/web/site/index.htm", "../img/a.gif"), "/web/img/a.gif"},
      {"abs posix folder", absolutePath("/web/site/index.htm", "java/"), "/web/site/java/"},
      {"abs posix down", absolutePath("/web/site/index.htm", "img/a.gif"), "/web/site/img/a.gif"},
      {"abs posix absolute", absolutePath("/web/index.htm", " \"/img/a.gif\" "), "/img/a.gif"},
      {"abs posix above root", absolutePath("/index.htm", "../../a.gif"), "/a.gif"},
      {"abs posix backslash reference", absolutePath("/web/index.htm", "img\\a.gif"), "/web/img/a.gif"},
      {"abs posix middle dots stay", absolutePath("/web/index.htm", "a/../b.gif"), "/web/a/../b.gif"},
      {"abs posix dotted folder", absolutePath("/web/index.htm", "..x/b.gif"), "/web/..x/b.gif"},
      {"abs empty reference", absolutePath("/web/index.htm", ""), "/web/"},

      {"url drive", localPathToFileURL("C:\\web\\index.htm"), "file:///C|/web/index.htm"},
      {"url posix", localPathToFileURL("/a b/x.htm"), "file:///a%20b/x.htm"},
      {"url relative", localPathToFileURL("index.htm"), "index.htm"},
      {"url web", localPathToFileURL("http://x/a.htm"), "http://x/a.htm"},
      {"url posix double slash", localPathToFileURL("/a//b.htm"), "/a//b.htm"},
      {"url empty", localPathToFileURL(""), ""},
  });
  for (const char* local : {"C:\\x", "/a/b.htm", "a:b"}) EXPECT_TRUE(isLocalPath(local)) << local;
  for (const char* remote : {"", "a/b.htm", "http://x", "//server/a", "C://x"}) EXPECT_FALSE(isLocalPath(remote)) << remote;
}

TEST(TextHelpers, Colours) {
  EXPECT_EQ(colorToRGBText(0x0000FF), "255,0,0");
  EXPECT_EQ(colorToRGBText(0x80FF0102), "2,1,255");
  EXPECT_EQ(rgbTextToColor("0, 128, 255"), 0xFF8000u);
  EXPECT_EQ(rgbTextToColor("300,0,0"), 44u);
  EXPECT_EQ(rgbTextToColor("$ff,-1,+2,junk"), 0x02FFFFu);
  EXPECT_EQ(rgbTextToColor(colorToRGBText(0x123456)), 0x123456u);

  EXPECT_THROW(rgbTextToColor("1,2"), ListIndexError);
  EXPECT_THROW(rgbTextToColor(""), ListIndexError);
  for (const char* bad : {"1,x,3", "1 ,2,3", "1,,3", "1,2,-", "1,2,$", "99999999999,0,0", "2147483648,0,0", "1,2,3e"}) {
    EXPECT_THROW(rgbTextToColor(bad), ConversionError) << bad;
  }
  EXPECT_EQ(rgbTextToColor("-2147483648,0,0"), 0u);
}

}  // namespace
}  // namespace quillon
