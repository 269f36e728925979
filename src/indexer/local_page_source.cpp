#include <filesystem>
#include <fstream>

#include "indexer/page_source.hpp"
#include "indexer/url_rules.hpp"

namespace quillon {

bool readRegularFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  // A folder, a device or a pipe is no page, and reading some of them would never end.
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || !in.seekg(0)) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(bytes.data(), size);
  // A file that shrank meanwhile keeps what was there.
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

PageRead LocalPageSource::read(const std::string& address) {
  log_.add("  > READING: ", address);
  PageRead page;
  page.read = readRegularFile(trimBookMark(address), page.bytes);
  if (page.read) log_.add("  > DONE: ", address);
  return page;
}

}  // namespace quillon
