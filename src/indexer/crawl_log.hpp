#pragma once
// The log of a run, as the log file holds it: every line followed by CR LF.
// A long crawl logs tens of megabytes, so once the run knows its log file the
// lines go to a temporary file beside it as they come, and saving only
// renames that into place; until then, or without a file, they stay in memory.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CrawlLog {
 public:
  CrawlLog() = default;
  CrawlLog(const CrawlLog&) = delete;
  CrawlLog& operator=(const CrawlLog&) = delete;
  // A log streamed and never saved leaves no file behind.
  ~CrawlLog();

  // Adds one line made of the two texts.
  void add(std::string_view text, std::string_view more = {});
  // Forgets every line; a saved file stays.
  void clear();
  // The lines so far and those to come go to a temporary file for `path`;
  // false, the lines kept in memory, when it cannot be made.
  bool streamTo(const std::string& path);
  // Replaces the streamed-to file with the log; false when nothing is streamed
  // or it cannot be written, the lines then kept as they were.
  bool save();
  // Every line, in order.
  std::vector<std::string> lines() const;

  // Each line as it is added: the window appends it, the command line prints it.
  std::function<void(std::string_view)> onLine;

 private:
  // Moves the lines held in memory to the file; false when the file refuses
  // them (they stay in memory, none lost).
  bool writeHeld();
  void dropTempFile();

  // Lines not in the file: all of them while nothing is streamed.
  std::string held_;
  int fd_ = -1;
  // The temporary file while streaming, the saved file after.
  std::string file_;
  std::string target_;
};

}  // namespace quillon
