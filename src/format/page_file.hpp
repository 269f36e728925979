#pragma once
// Reads a page, or a content file it names, whole and within bounds: only a
// regular file, and no more than a cap, so that a device, a pipe or a huge
// file can neither stall the reader nor take all memory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ports/settings_store.hpp"

namespace quillon {

// The largest page read unless the caller sets another cap.
inline constexpr std::uint64_t kDefaultMaxPageBytes = std::uint64_t{64} << 20;

// The cap the user set as "MaxPageMB" in section "Reader" of the program's
// settings file, in megabytes from 1 to 4095; the default otherwise.
std::uint64_t maxPageBytesSetting(const SettingsStore& programSettings);

enum class PageFileStatus { Read, Unreadable, NotRegular, TooLarge };

// A file's bytes as read. The reader works on views of them, so their room
// is not filled with zeros first only to be overwritten.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;

  std::string_view view() const { return {data.get(), size}; }
};

// The file's bytes when it returns Read; bytes is left empty otherwise.
PageFileStatus readPageFile(const std::string& path, std::uint64_t maxBytes, FileBytes& bytes);

// What the user is told when a page or content file (what) could not be read.
std::string pageFileMessage(PageFileStatus status, const std::string& what, const std::string& path,
                            std::uint64_t maxBytes);

}  // namespace quillon
