#pragma once
// A strict JSON parser that hands each value over as it is met, reading its
// input in blocks: memory holds the nesting and one value, never a document
// tree, and a tree of any depth is parsed without recursion.
#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon {

// What the parser meets, in text order. A handler may throw to stop.
class JsonEvents {
 public:
  virtual ~JsonEvents() = default;
  virtual void null() = 0;
  virtual void boolean(bool value) = 0;
  virtual void signedNumber(std::int64_t value) = 0;    // a negative whole number
  virtual void unsignedNumber(std::uint64_t value) = 0;  // a whole number of 0 or more
  virtual void fraction() = 0;  // any other number; the menu has no use for its value
  // The text is the parser's buffer: the handler may move it away.
  virtual void string(std::string& text) = 0;
  virtual void startObject() = 0;
  virtual void key(std::string& name) = 0;
  virtual void endObject() = 0;
  virtual void startArray() = 0;
  virtual void endArray() = 0;
};

// Text that is not JSON; the message says where ("at line 3, column 14: ...").
struct JsonSyntaxError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct JsonLimits {
  // The longest string or key, in bytes once decoded.
  std::size_t maxStringBytes = std::size_t{64} << 20;
};

void parseJson(std::istream& in, JsonEvents& events, const JsonLimits& limits = {});
void parseJson(std::string_view text, JsonEvents& events, const JsonLimits& limits = {});

}  // namespace quillon
