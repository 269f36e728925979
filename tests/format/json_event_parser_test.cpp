// The block-wise JSON parser: what it refuses, and that nesting, block
// boundaries and long strings cannot break it.
#include <gtest/gtest.h>

#include <sstream>

#include "format/json_event_parser.hpp"

namespace quillon {
namespace {

// Writes the events back as compact JSON text, so a parse can be compared.
class EchoEvents : public JsonEvents {
 public:
  std::string text;

  void null() override { value("null"); }
  void boolean(bool v) override { value(v ? "true" : "false"); }
  void signedNumber(std::int64_t v) override { value(std::to_string(v)); }
  void unsignedNumber(std::uint64_t v) override { value(std::to_string(v)); }
  void fraction() override { value("F"); }
  void string(std::string& v) override { value("<" + v + ">"); }
  void startObject() override { value("{"); }
  void key(std::string& name) override { text += "<" + name + ">:"; }
  void endObject() override { text += "}"; }
  void startArray() override { value("["); }
  void endArray() override { text += "]"; }

 private:
  void value(const std::string& v) { text += v + " "; }
};

std::string echo(const std::string& json, bool asStream) {
  EchoEvents events;
  if (asStream) {
    std::istringstream in(json);
    parseJson(in, events);
  } else {
    parseJson(std::string_view(json), events);
  }
  return events.text;
}

TEST(JsonEventParser, ReadsEveryKindOfValue) {
  EXPECT_EQ(echo(R"( {"a": [1, -2, 0, 1.5, 2e3, 18446744073709551616, true, false, null, "x\"\\\/\b\f\n\r\t\u00e9\ud83d\ude00"], "b": {}, "c": []} )", false),
            "{ <a>:[ 1 -2 0 F F F true false null <x\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80> ]<b>:{ }<c>:[ ]}");
}

struct Refused {
  const char* json;
  const char* message;
};

class JsonEventParserRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(JsonEventParserRefuses, SayingWhere) {
  for (const bool asStream : {false, true}) {
    try {
      echo(GetParam().json, asStream);
      FAIL() << "accepted " << GetParam().json;
    } catch (const JsonSyntaxError& error) {
      EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonEventParserRefuses,
    ::testing::Values(Refused{"", "line 1, column 1: unexpected end of input"},
                      Refused{"{\n  \"a\": 1,\n  \"b\" 2}", "line 3, column 7: expected ':'"},
                      Refused{R"({"a": 1} x)", "unexpected text after the end"},
                      Refused{R"({"a": 01})", "expected ',' or '}'"}, Refused{R"([1 2])", "expected ',' or ']'"},
                      Refused{R"([-])", "expected a digit"}, Refused{R"([1.])", "expected a digit"},
                      Refused{R"([tru])", "unexpected character"}, Refused{R"({a: 1})", "expected a key"},
                      Refused{R"({"a": 1,})", "expected a key"}, Refused{R"([1,])", "unexpected character"},
                      Refused{"[\"a\tb\"]", "control character"}, Refused{R"(["\x"])", "unknown escape"},
                      Refused{R"(["\u12"])", "hex digits"}, Refused{R"(["\udc00"])", "lone low surrogate"},
                      Refused{R"(["\ud800x"])", "without its low surrogate"},
                      Refused{"[\"\xC3\"]", "ill-formed UTF-8"}, Refused{"[\"\xE0\x80\x80\"]", "ill-formed UTF-8"},
                      Refused{"[\"\xED\xA0\x80\"]", "ill-formed UTF-8"}, Refused{"[\"\xFF\"]", "ill-formed UTF-8"},
                      Refused{R"(["abc)", "unexpected end of input in a string"}));

TEST(JsonEventParser, RefusesEveryCutOfAText) {
  const std::string json = R"({"a": [1, -2.5e1, "t\u00e9xt \ud83d\ude00", true, null, {"b": false}], "c": {}})";
  ASSERT_NO_THROW(echo(json, true));
  for (std::size_t length = 0; length < json.size(); ++length) {
    EXPECT_THROW(echo(json.substr(0, length), true), JsonSyntaxError) << json.substr(0, length);
  }
}

TEST(JsonEventParser, NestsToAnyDepthWithoutRecursion) {
  constexpr std::size_t kDepth = 1'000'000;
  const std::string json = std::string(kDepth, '[') + std::string(kDepth, ']');
  EchoEvents events;
  parseJson(std::string_view(json), events);
  EXPECT_EQ(events.text.size(), 3 * kDepth);
}

TEST(JsonEventParser, ReadsStringsAcrossBlockBoundaries) {
  // Every kind of character at every position around the reader's 64 KiB blocks.
  std::string json = "[\"";
  std::string expected = "<";
  const std::pair<const char*, const char*> pieces[] = {
      {"a", "a"}, {"\\u00e9", "\xC3\xA9"}, {"\xC3\xA9", "\xC3\xA9"}, {"\xE2\x82\xAC", "\xE2\x82\xAC"},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, {"\\ud83d\\ude00", "\xF0\x9F\x98\x80"}, {"\\n", "\n"}};
  for (std::size_t k = 0; json.size() < 3 * (1 << 16); ++k) {
    json += pieces[k % std::size(pieces)].first;
    expected += pieces[k % std::size(pieces)].second;
  }
  json += "\"]";
  expected += "> ";
  EXPECT_EQ(echo(json, true), "[ " + expected + "]");
}

TEST(JsonEventParser, BoundsTheLengthOfStringsAndKeys) {
  EchoEvents events;
  const JsonLimits limits{10};
  EXPECT_NO_THROW(parseJson(std::string_view(R"({"0123456789": "0123456789"})"), events, limits));
  for (const char* json : {R"(["01234567890"])", R"({"01234567890": 1})", R"(["0123456789\u00e9"])"}) {
    try {
      parseJson(std::string_view(json), events, limits);
      FAIL() << "accepted " << json;
    } catch (const JsonSyntaxError& error) {
      EXPECT_NE(std::string(error.what()).find("a string longer than 10 bytes"), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace quillon
