#include <algorithm>
#include <filesystem>
#include <fstream>

#include "indexer/page_source.hpp"
#include "indexer/url_rules.hpp"

namespace quillon {

bool readRegularFile(const std::string& path, std::string& bytes, std::size_t limit) {
  std::error_code error;
  // A folder, a device or a pipe is no page, and reading some of them would never end.
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff whole = in.tellg();
  if (whole < 0 || !in.seekg(0)) return false;
  const std::streamoff size = std::min<std::streamoff>(whole, static_cast<std::streamoff>(limit));
  bytes.resize(static_cast<std::size_t>(size));
  in.read(bytes.data(), size);
  // A file that shrank meanwhile keeps what was there.
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

PageRead LocalPageSource::read(const std::string& address, ReadKind) {
  log_.add("  > READING: ", address);
  PageRead page;
  page.finalAddress = address;
  page.read = readRegularFile(trimBookMark(address), page.bytes);
  if (page.read) log_.add("  > DONE: ", address);
  return page;
}

}  // namespace quillon
