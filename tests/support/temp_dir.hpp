#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace quillon::testing {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a name inside the folder, as text.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// Every path below the folder, sorted, each file with its size, time and
// permissions: two listings differ when anything there was written.
std::vector<std::string> folderListing(const std::filesystem::path& folder);

}  // namespace quillon::testing
