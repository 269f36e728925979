#pragma once
// The scratch folder of one web crawl, where fetched pages are stored under
// their document names: a new folder of its own under the per-user cache
// folder, so that no other program or crawl shares it, removed with
// everything in it when the crawl ends.
#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace quillon {

// A page that cannot be stored: the message says where and why. The crawl
// shows it as it stands, not as a fault of the site.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A download file being written; the bytes go straight to the file.
class DownloadFile {
 public:
  virtual ~DownloadFile() = default;
  virtual std::ostream& stream() = 0;
  // Closes the file; false when a write or the close failed.
  virtual bool close() = 0;
  virtual const std::string& path() const = 0;
};

class DownloadFolder {
 public:
  // A new folder under `cacheFolder` (made when missing); nothing, with the
  // message that says what failed in `problem`, when it cannot be made.
  static std::unique_ptr<DownloadFolder> makeIn(const std::string& cacheFolder, std::string& problem);
  ~DownloadFolder();
  DownloadFolder(const DownloadFolder&) = delete;
  DownloadFolder& operator=(const DownloadFolder&) = delete;

  const std::string& path() const { return path_; }

  // A new, empty file in the folder for a document of that name. The name
  // cannot leave the folder: one that holds a "/" or is "." or ".." is stored
  // as "document.htm". An earlier download of that name is removed first.
  // Nothing, with the reason in `problem`, when the file cannot be created.
  // A number above 0 goes in front of the name ("7-page.htm"), so that
  // downloads under way at once never share a file.
  std::unique_ptr<DownloadFile> create(const std::string& documentName, std::string& problem,
                                       std::size_t number = 0) const;

 private:
  explicit DownloadFolder(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

// The per-user cache folder of the program: $XDG_CACHE_HOME/quillon, by
// default ~/.cache/quillon.
std::string userCacheFolder();

// Where the web crawls make their scratch folders: "temp" in the cache folder.
std::string indexerTempFolder();

// The name under which a document is stored in the folder.
std::string storedDocumentName(const std::string& documentName);

}  // namespace quillon
