#include "format/page_file.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace quillon {

namespace {

std::string sizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kMegabyte = 1 << 20;
  return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB" : std::to_string(bytes) + " bytes";
}

}  // namespace

std::uint64_t maxPageBytesSetting(const SettingsStore& programSettings) {
  const std::string text = programSettings.readOr("Reader", "MaxPageMB", "");
  if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
    return kDefaultMaxPageBytes;
  }
  const std::uint64_t megabytes = std::stoull(text);
  return megabytes >= 1 && megabytes <= 4095 ? megabytes << 20 : kDefaultMaxPageBytes;
}

PageFileStatus readPageFile(const std::string& path, std::uint64_t maxBytes, FileBytes& bytes) {
  bytes = {};
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return PageFileStatus::Unreadable;
  if (!std::filesystem::is_regular_file(status)) return PageFileStatus::NotRegular;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return PageFileStatus::Unreadable;
  if (size > maxBytes) return PageFileStatus::TooLarge;

  std::ifstream in(path, std::ios::binary);
  if (!in) return PageFileStatus::Unreadable;
  // One byte of room beyond the size measured, so that the end of a file that
  // kept its size is seen in the first read. A file that grew since it was
  // measured (or that tells no size) is read on, its room doubled, within the cap.
  std::size_t room = static_cast<std::size_t>(size) + 1;
  bytes.data = std::make_unique_for_overwrite<char[]>(room);
  while (true) {
    in.read(bytes.data.get() + bytes.size, static_cast<std::streamsize>(room - bytes.size));
    bytes.size += static_cast<std::size_t>(in.gcount());
    if (!in || bytes.size > maxBytes) break;
    const std::size_t larger = static_cast<std::size_t>(std::min<std::uint64_t>(2 * std::uint64_t{room}, maxBytes + 1));
    auto grown = std::make_unique_for_overwrite<char[]>(larger);
    std::copy_n(bytes.data.get(), bytes.size, grown.get());
    bytes.data = std::move(grown);
    room = larger;
  }
  if (in.bad() || bytes.size > maxBytes) {
    const PageFileStatus failed = in.bad() ? PageFileStatus::Unreadable : PageFileStatus::TooLarge;
    bytes = {};
    return failed;
  }
  return PageFileStatus::Read;
}

std::string pageFileMessage(PageFileStatus status, const std::string& what, const std::string& path,
                            std::uint64_t maxBytes) {
  switch (status) {
    case PageFileStatus::NotRegular:
      return "The " + what + " " + path + " is not a regular file, so it was not read.";
    case PageFileStatus::TooLarge:
      return "The " + what + " " + path + " is larger than " + sizeText(maxBytes) +
             ", the most that is read, so it was not read.";
    case PageFileStatus::Read:
    case PageFileStatus::Unreadable:
      break;
  }
  return "An error occured while trying to open " + path;
}

}  // namespace quillon
