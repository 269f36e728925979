#pragma once
// A scratch site deep inside a decoy tree. A page and its companion files are
// put into the site, read and saved (and previewed) there; then the decoy
// around it must be as it was — names, sizes, times, contents — and no file in
// the site may hold a decoy's bytes. The decoy holds what hostile pages aim
// at: a home folder with .bashrc, etc/shadow, a download folder with a
// payload, an icon and a content file, and links from the site leading out.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.hpp"

namespace quillon::fuzz {

// A file put into the site with the page: its name below the site, and its bytes.
using CompanionFile = std::pair<std::string, std::string>;

// An input of the save fuzzer: the page's bytes, then each companion file as
// "\n--file:" + name + "\n" + bytes. Names are kept to the site's folder and its
// "java/" folder, whatever the input says; at most kMaxCompanions are taken.
struct SaveInput {
  std::string page;
  std::vector<CompanionFile> companions;
};
SaveInput splitSaveInput(const std::string& bytes);
std::string joinSaveInput(const SaveInput& input);
inline constexpr std::size_t kMaxCompanions = 8;

class ScratchSite {
 public:
  ScratchSite();

  // The decoy tree's own folder; "@ROOT@" in a hostile page stands for it.
  std::string root() const { return temp_.path().string(); }
  std::string site(const std::string& name = "") const;

  // Puts the input into an emptied site, reads the page, saves it and writes
  // its preview, every dialog cancelled. Returns what went wrong, or "".
  std::string readAndSave(const SaveInput& input);

 private:
  struct Entry {
    std::string kind;  // "file", "folder", "link to ..."
    std::uintmax_t size = 0;
    long long modified = 0;
    std::string bytes;
  };
  void buildDecoy();
  std::map<std::string, Entry> snapshotOutside() const;
  std::string changesOutside() const;
  std::string decoyBytesInSite() const;
  void resetSite(const std::vector<CompanionFile>& companions);

  testing::TempDir temp_;
  std::map<std::string, Entry> before_;
};

}  // namespace quillon::fuzz
