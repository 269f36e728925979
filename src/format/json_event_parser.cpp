#include "format/json_event_parser.hpp"

#include <charconv>
#include <vector>

#include "format/utf8_lead.hpp"

namespace quillon {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;
constexpr int kEnd = -1;

class JsonParser {
 public:
  JsonParser(std::istream* in, std::string_view text, JsonEvents& events, const JsonLimits& limits)
      : in_(in), events_(events), limits_(limits) {
    if (in_) {
      block_.resize(kBlockSize);
    } else {
      next_ = text.data();
      end_ = text.data() + text.size();
    }
    blockStart_ = next_;
  }

  void parse();

 private:
  int peek() {
    if (next_ == end_ && !refill()) return kEnd;
    return static_cast<unsigned char>(*next_);
  }
  int get() {
    const int c = peek();
    if (c != kEnd) ++next_;
    return c;
  }
  bool refill();
  std::uint64_t offset() const { return blockOffset_ + static_cast<std::uint64_t>(next_ - blockStart_); }

  void skipSpace();
  void expectWord(const char* rest);
  void scalar(int first);
  void number(int first);
  void readString();
  void readEscape();
  void readUtf8(int lead);
  unsigned readHex4();
  void appendUtf8(std::uint32_t codePoint);
  void readKey();
  [[noreturn]] void fail(const std::string& what) const;

  std::istream* in_;
  JsonEvents& events_;
  const JsonLimits& limits_;
  std::vector<char> block_;
  const char* next_ = nullptr;
  const char* end_ = nullptr;
  const char* blockStart_ = nullptr;
  std::uint64_t blockOffset_ = 0;  // of blockStart_ in the whole text
  std::uint64_t line_ = 1;
  std::uint64_t lineStart_ = 0;
  std::string text_;
  std::vector<char> open_;  // '{' or '[' of each container being read
};

bool JsonParser::refill() {
  if (!in_) return false;
  blockOffset_ += static_cast<std::uint64_t>(end_ - blockStart_);
  in_->read(block_.data(), static_cast<std::streamsize>(block_.size()));
  const auto got = static_cast<std::size_t>(in_->gcount());
  blockStart_ = next_ = block_.data();
  end_ = next_ + got;
  return got > 0;
}

void JsonParser::fail(const std::string& what) const {
  const std::uint64_t at = offset();
  throw JsonSyntaxError("at line " + std::to_string(line_) + ", column " +
                        std::to_string(at > lineStart_ ? at - lineStart_ : 1) + ": " + what);
}

// The indented text of a large menu is largely spaces: they are skipped
// within the block, without a call per byte.
void JsonParser::skipSpace() {
  for (;;) {
    while (next_ != end_) {
      const char c = *next_;
      if (c == ' ' || c == '\t' || c == '\r') {
        ++next_;
      } else if (c == '\n') {
        ++next_;
        ++line_;
        lineStart_ = offset();
      } else {
        return;
      }
    }
    if (!refill()) return;
  }
}

void JsonParser::parse() {
  bool wantValue = true;
  for (;;) {
    if (wantValue) {
      wantValue = false;
      skipSpace();
      const int c = get();
      if (c == '{') {
        events_.startObject();
        skipSpace();
        if (peek() == '}') {
          ++next_;
          events_.endObject();
        } else {
          open_.push_back('{');
          readKey();
          wantValue = true;
          continue;
        }
      } else if (c == '[') {
        events_.startArray();
        skipSpace();
        if (peek() == ']') {
          ++next_;
          events_.endArray();
        } else {
          open_.push_back('[');
          wantValue = true;
          continue;
        }
      } else {
        scalar(c);
      }
    }
    if (open_.empty()) break;
    skipSpace();
    const bool inObject = open_.back() == '{';
    const int c = get();
    if (c == ',') {
      if (inObject) readKey();
      wantValue = true;
    } else if (c == (inObject ? '}' : ']')) {
      open_.pop_back();
      if (inObject) {
        events_.endObject();
      } else {
        events_.endArray();
      }
    } else {
      fail(c == kEnd ? "unexpected end of input" : inObject ? "expected ',' or '}'" : "expected ',' or ']'");
    }
  }
  skipSpace();
  if (peek() != kEnd) fail("unexpected text after the end");
}

void JsonParser::readKey() {
  skipSpace();
  const int c = get();
  if (c != '"') fail(c == kEnd ? "unexpected end of input" : "expected a key in double quotes");
  readString();
  skipSpace();
  if (get() != ':') fail("expected ':' after the key");
  events_.key(text_);
}

void JsonParser::expectWord(const char* rest) {
  for (; *rest; ++rest) {
    if (get() != *rest) fail("unexpected character");
  }
}

void JsonParser::scalar(int first) {
  switch (first) {
    case '"':
      readString();
      events_.string(text_);
      return;
    case 't':
      expectWord("rue");
      events_.boolean(true);
      return;
    case 'f':
      expectWord("alse");
      events_.boolean(false);
      return;
    case 'n':
      expectWord("ull");
      events_.null();
      return;
    case kEnd: fail("unexpected end of input");
    default: break;
  }
  if (first == '-' || (first >= '0' && first <= '9')) return number(first);
  fail("unexpected character");
}

void JsonParser::number(int first) {
  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  constexpr std::size_t kLongest = 512;
  std::string& digits = text_;
  digits.assign(1, static_cast<char>(first));
  const auto isDigit = [](int c) { return c >= '0' && c <= '9'; };
  const auto takeDigits = [&] {
    std::size_t taken = 0;
    for (int c = peek(); isDigit(c); c = peek(), ++taken) {
      if (digits.size() == kLongest) fail("a number too long");
      digits += static_cast<char>(get());
    }
    return taken;
  };
  int lead = first;
  if (first == '-') {
    lead = get();
    if (!isDigit(lead)) fail("expected a digit after '-'");
    digits += static_cast<char>(lead);
  }
  if (lead != '0') takeDigits();
  bool whole = true;
  if (peek() == '.') {
    digits += static_cast<char>(get());
    if (takeDigits() == 0) fail("expected a digit after '.'");
    whole = false;
  }
  if (peek() == 'e' || peek() == 'E') {
    digits += static_cast<char>(get());
    if (peek() == '+' || peek() == '-') digits += static_cast<char>(get());
    if (takeDigits() == 0) fail("expected a digit in the exponent");
    whole = false;
  }
  const char* begin = digits.data();
  const char* end = begin + digits.size();
  if (whole && first == '-') {
    std::int64_t value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc{}) return events_.signedNumber(value);
  } else if (whole) {
    std::uint64_t value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc{}) return events_.unsignedNumber(value);
  }
  events_.fraction();  // also a whole number too large for 64 bits
}

void JsonParser::readString() {
  text_.clear();
  for (;;) {
    const char* run = next_;
    while (next_ != end_) {
      const auto byte = static_cast<unsigned char>(*next_);
      if (byte < 0x20 || byte >= 0x80 || byte == '"' || byte == '\\') break;
      ++next_;
    }
    text_.append(run, next_);
    if (text_.size() > limits_.maxStringBytes) {
      fail("a string longer than " + std::to_string(limits_.maxStringBytes) + " bytes");
    }
    if (next_ == end_) {
      if (!refill()) fail("unexpected end of input in a string");
      continue;
    }
    const int c = get();
    if (c == '"') return;
    if (c == '\\') {
      readEscape();
    } else if (c >= 0x80) {
      readUtf8(c);
    } else {
      fail("a control character in a string; write it as \\u escape");
    }
  }
}

unsigned JsonParser::readHex4() {
  unsigned value = 0;
  for (int k = 0; k < 4; ++k) {
    const int c = get();
    value <<= 4;
    if (c >= '0' && c <= '9') {
      value |= static_cast<unsigned>(c - '0');
    } else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
      value |= static_cast<unsigned>((c | 0x20) - 'a' + 10);
    } else {
      fail("expected four hex digits after \\u");
    }
  }
  return value;
}

void JsonParser::readEscape() {
  const int c = get();
  switch (c) {
    case '"': text_ += '"'; return;
    case '\\': text_ += '\\'; return;
    case '/': text_ += '/'; return;
    case 'b': text_ += '\b'; return;
    case 'f': text_ += '\f'; return;
    case 'n': text_ += '\n'; return;
    case 'r': text_ += '\r'; return;
    case 't': text_ += '\t'; return;
    case 'u': break;
    default: fail("an unknown escape in a string");
  }
  std::uint32_t codePoint = readHex4();
  if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) fail("a lone low surrogate in a string");
  if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
    if (get() != '\\' || get() != 'u') fail("a high surrogate without its low surrogate");
    const std::uint32_t low = readHex4();
    if (low < 0xDC00 || low > 0xDFFF) fail("a high surrogate without its low surrogate");
    codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
  }
  appendUtf8(codePoint);
}

void JsonParser::appendUtf8(std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    text_ += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text_ += static_cast<char>(0xC0 | (codePoint >> 6));
    text_ += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    text_ += static_cast<char>(0xE0 | (codePoint >> 12));
    text_ += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text_ += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text_ += static_cast<char>(0xF0 | (codePoint >> 18));
    text_ += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    text_ += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text_ += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// A multi-byte character, which may straddle two blocks; overlong forms and
// surrogates are refused.
void JsonParser::readUtf8(int lead) {
  const Utf8Lead expected = utf8Lead(static_cast<unsigned char>(lead));
  const int length = expected.length;
  const int low = expected.low;
  const int high = expected.high;
  if (length == 0) fail("ill-formed UTF-8 in a string");
  text_ += static_cast<char>(lead);
  for (int k = 1; k < length; ++k) {
    const int c = get();
    if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) fail("ill-formed UTF-8 in a string");
    text_ += static_cast<char>(c);
  }
}

}  // namespace

void parseJson(std::istream& in, JsonEvents& events, const JsonLimits& limits) {
  JsonParser(&in, {}, events, limits).parse();
}

void parseJson(std::string_view text, JsonEvents& events, const JsonLimits& limits) {
  JsonParser(nullptr, text, events, limits).parse();
}

}  // namespace quillon
