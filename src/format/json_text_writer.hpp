#pragma once
// Writes JSON laid out as an indented dump, one piece at a time into a buffer
// that goes out in large blocks, so that a tree of any depth and size is
// written without recursion and without a document tree.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class JsonTextWriter {
 public:
  // The indent stops growing after this many levels, which keeps the text of
  // a deep tree linear in its size.
  static constexpr std::size_t kDeepestIndent = 24;

  explicit JsonTextWriter(std::ostream& out);

  void beginObject() { open('{'); }
  void endObject() { close('}'); }
  void beginArray() { open('['); }
  void endArray() { close(']'); }

  void key(std::string_view name);
  // Bytes that are not UTF-8 (pages in other encodings) are written as U+FFFD.
  void string(std::string_view text);
  void number(std::int64_t value);
  void boolean(bool value);
  void strings(const std::vector<std::string>& list);

  // Ends the text with a newline and writes out what is buffered.
  void finish();

 private:
  void newItem();
  void indent(std::size_t depth);
  void open(char bracket);
  void close(char bracket);
  void flush();

  std::ostream& out_;
  std::string text_;
  std::vector<bool> levelEmpty_;
  bool afterKey_ = false;
};

// Appends text as a quoted JSON string, escaped as above.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace quillon
