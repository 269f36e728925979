#include "format/json_text_writer.hpp"

#include <algorithm>
#include <charconv>

#include "format/utf8_lead.hpp"

namespace quillon {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at text[at], or 0 with
// `invalid` set to the bytes a replacement character stands for: the longest
// start of a sequence that could still have been valid, at least one byte.
std::size_t utf8Sequence(std::string_view text, std::size_t at, std::size_t& invalid) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const Utf8Lead expected = utf8Lead(lead);
  const auto length = static_cast<std::size_t>(expected.length);
  const unsigned char low = expected.low;
  const unsigned char high = expected.high;
  if (length == 0) {
    invalid = 1;
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const bool fits = at + k < text.size() &&
                      isContinuation(static_cast<unsigned char>(text[at + k]), k == 1 ? low : 0x80, k == 1 ? high : 0xBF);
    if (!fits) {
      invalid = k;
      return 0;
    }
  }
  return length;
}

void appendEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t plain = 0;  // start of the bytes not yet copied
  std::size_t at = 0;
  while (at < text.size()) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
      ++at;
      continue;
    }
    if (byte >= 0x80) {
      std::size_t invalid = 0;
      if (const std::size_t length = utf8Sequence(text, at, invalid); length > 0) {
        at += length;
        continue;
      }
      out.append(text, plain, at - plain);
      out += kReplacement;
      at += invalid;
    } else {
      out.append(text, plain, at - plain);
      appendEscape(out, byte);
      ++at;
    }
    plain = at;
  }
  out.append(text, plain, text.size() - plain);
  out += '"';
}

JsonTextWriter::JsonTextWriter(std::ostream& out) : out_(out) { text_.reserve(kFlushSize + 4096); }

void JsonTextWriter::key(std::string_view name) {
  newItem();
  appendJsonString(text_, name);
  text_ += ": ";
  afterKey_ = true;
}

void JsonTextWriter::string(std::string_view text) {
  newItem();
  appendJsonString(text_, text);
}

void JsonTextWriter::number(std::int64_t value) {
  newItem();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text_.append(digits, end);
}

void JsonTextWriter::boolean(bool value) {
  newItem();
  text_ += value ? "true" : "false";
}

void JsonTextWriter::strings(const std::vector<std::string>& list) {
  beginArray();
  for (const auto& text : list) string(text);
  endArray();
}

void JsonTextWriter::finish() {
  text_ += '\n';
  flush();
}

// A value or key inside an object or list starts a line of its own.
void JsonTextWriter::newItem() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levelEmpty_.empty()) return;
  if (!levelEmpty_.back()) text_ += ',';
  levelEmpty_.back() = false;
  indent(levelEmpty_.size());
}

void JsonTextWriter::indent(std::size_t depth) {
  // Out once a block is full: the JSON of a large menu is many times its page's size.
  if (text_.size() >= kFlushSize) flush();
  text_ += '\n';
  text_.append(2 * std::min(depth, kDeepestIndent), ' ');
}

void JsonTextWriter::open(char bracket) {
  newItem();
  text_ += bracket;
  levelEmpty_.push_back(true);
}

void JsonTextWriter::close(char bracket) {
  const bool empty = levelEmpty_.back();
  levelEmpty_.pop_back();
  if (!empty) indent(levelEmpty_.size());
  text_ += bracket;
}

void JsonTextWriter::flush() {
  out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
  text_.clear();
}

}  // namespace quillon
