#pragma once
// The scratch folder "temp" below the program's folder, where fetched pages
// are stored under their document names until the indexer window closes.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace quillon {

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
  // programFolder ends with "/".
  explicit DownloadFolder(const std::string& programFolder) : path_(programFolder + "temp") {}

  const std::string& path() const { return path_; }

  // A new, empty file in the folder for a document of that name. The name
  // cannot leave the folder: one that holds a "/" or is "." or ".." is stored
  // as "document.htm". Whatever the folder held under the name (a file or a
  // link to one) is removed first, never written through. Nothing when the
  // folder or the file cannot be created.
  std::unique_ptr<DownloadFile> create(const std::string& documentName) const;

  // Deletes every file directly in the folder (not its sub-folders); a folder
  // that does not exist is left alone.
  void clear() const;

 private:
  std::string path_;
};

// The name under which a document is stored in the folder.
std::string storedDocumentName(const std::string& documentName);

}  // namespace quillon
