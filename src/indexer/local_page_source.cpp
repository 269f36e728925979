#include <filesystem>
#include <fstream>
#include <sstream>

#include "indexer/page_source.hpp"
#include "indexer/url_rules.hpp"

namespace quillon {

bool readRegularFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  // A folder, a device or a pipe is no page, and reading some of them would never end.
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  bytes = std::move(text).str();
  return !in.bad();
}

PageRead LocalPageSource::read(const std::string& address) {
  log_.add("  > READING: " + address);
  PageRead page;
  page.read = readRegularFile(trimBookMark(address), page.bytes);
  if (page.read) log_.add("  > DONE: " + address);
  return page;
}

}  // namespace quillon
