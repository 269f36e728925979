#include "scratch_site.hpp"

#include <exception>
#include <filesystem>

#include "format/page_reader.hpp"
#include "format/page_writer.hpp"
#include "format/text_helpers.hpp"
#include "memory_ports.hpp"
#include "scripted_ui.hpp"
#include "test_images.hpp"
#include "writer_fixture.hpp"

namespace quillon::fuzz {

namespace fs = std::filesystem;

namespace {

const std::string kFileMarker = "\n--file:";
// Every decoy file holds it, so a copy of one in the site is told by its bytes.
const std::string kDecoyMark = "DECOY-MARK";
const std::string kHome = "r1/r2/r3/home/";
const std::string kSite = kHome + "dl/site/";

// A companion's name kept to the site and its java/ folder.
std::string keptName(const std::string& name) {
  const bool inJava = name.rfind("java/", 0) == 0;
  std::string plain = inJava ? name.substr(5) : name;
  for (char& c : plain) {
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  }
  if (plain.empty() || plain == "." || plain == "..") plain = "_";
  return (inJava ? "java/" : "") + plain.substr(0, 100);
}

// An input never brings the decoys' mark in itself.
std::string withoutMark(const std::string& bytes) { return replaceAll(bytes, kDecoyMark, "decoy-mark", true); }

}  // namespace

SaveInput splitSaveInput(const std::string& bytes) {
  SaveInput input;
  std::size_t at = bytes.find(kFileMarker);
  input.page = bytes.substr(0, at);
  while (at != std::string::npos && input.companions.size() < kMaxCompanions) {
    const std::size_t nameStart = at + kFileMarker.size();
    const std::size_t nameEnd = std::min(bytes.find('\n', nameStart), bytes.size());
    at = bytes.find(kFileMarker, nameEnd);
    const std::size_t bytesStart = std::min(nameEnd + 1, bytes.size());
    input.companions.emplace_back(keptName(bytes.substr(nameStart, nameEnd - nameStart)),
                                  bytes.substr(bytesStart, at == std::string::npos ? std::string::npos : at - bytesStart));
  }
  return input;
}

std::string joinSaveInput(const SaveInput& input) {
  std::string bytes = input.page;
  for (const auto& [name, content] : input.companions) bytes += kFileMarker + name + "\n" + content;
  return bytes;
}

ScratchSite::ScratchSite() { buildDecoy(); }

void ScratchSite::buildDecoy() {
  for (const auto& entry : fs::directory_iterator(temp_.path())) fs::remove_all(entry.path());
  const auto decoy = [this](const std::string& name, const std::string& bytes) {
    testing::writeFile(temp_.file(name), bytes + "\n" + kDecoyMark + " " + name + "\n");
  };
  decoy("etc/shadow", "root:secret");
  decoy(kHome + ".bashrc", "export PS1=home");
  decoy(kHome + "x.au", "a sound outside");
  decoy(kHome + "other/keep.txt", "kept");
  decoy(kHome + "dl/payload/.bashrc", "rm -rf ~");
  decoy(kHome + "dl/tree.txt", "Outside; None; None; 0; ; ; ;None; None; NO");
  const std::string icon = temp_.file(kHome + "dl/icon.gif");
  testing::writeGif(icon, 16, 16);
  testing::writeFile(icon, testing::readFile(icon) + kDecoyMark);
  // The placeholder applet files the writer copies are outside the site too.
  testing::WriterFixture program;
  fs::copy(program.program(), temp_.file("program"), fs::copy_options::recursive);
  before_ = snapshotOutside();
}

std::string ScratchSite::site(const std::string& name) const { return temp_.file(kSite + name); }

void ScratchSite::resetSite(const std::vector<CompanionFile>& companions) {
  fs::remove_all(site());
  fs::create_directories(site("java"));
  // Links a downloaded archive could hold, each leading out of the site.
  fs::create_directory_symlink(temp_.file(kHome + "other"), site("out"));
  fs::create_directory_symlink(temp_.file(kHome), site("up"));
  fs::create_symlink(temp_.file("etc/shadow"), site("secret.au"));
  fs::create_symlink(temp_.file(kHome + "dl/icon.gif"), site("icon.gif"));
  fs::create_symlink(temp_.file(kHome + "dl/tree.txt"), site("tree.txt"));
  testing::writeGif(site("java/Leaf.gif"), 16, 16);  // an icon of the site's own
  for (const auto& [name, bytes] : companions) {
    std::error_code error;
    // Never through a link or onto the folder: the harness itself writes only into the site.
    if (fs::exists(fs::symlink_status(site(name), error))) continue;
    testing::writeFile(site(name), withoutMark(bytes));
  }
}

std::string ScratchSite::readAndSave(const SaveInput& input) {
  resetSite(input.companions);
  const std::string page = site("index.htm");
  if (fs::exists(fs::symlink_status(page))) fs::remove_all(page);
  testing::writeFile(page, replaceAll(withoutMark(input.page), "@ROOT@", root(), true));
  testing::ScriptedUi ui;
  try {
    MenuModel menu;
    ReaderContext reader{ui};
    if (ReadPage(menu, page, reader)) {
      testing::MemoryClipboard clipboard;
      testing::MemorySettings settings;
      WriterContext writer{ui, clipboard, settings, temp_.file("program/"), {}, {}};
      WritePage(menu, writer);
      menu.Document.PreviewMode = true;
      WritePage(menu, writer);
    }
  } catch (const std::exception& error) {
    return std::string("exception: ") + error.what();
  }
  if (ui.busyDepth != 0) return "the busy cursor was left on";
  if (std::string changes = changesOutside(); !changes.empty()) {
    buildDecoy();  // so that the next input meets the decoy unharmed
    return changes;
  }
  return decoyBytesInSite();
}

std::map<std::string, ScratchSite::Entry> ScratchSite::snapshotOutside() const {
  std::map<std::string, Entry> entries;
  const fs::path siteFolder = fs::path(site()).parent_path();
  for (auto it = fs::recursive_directory_iterator(temp_.path()); it != fs::recursive_directory_iterator(); ++it) {
    if (it->path() == siteFolder) {
      it.disable_recursion_pending();
      continue;
    }
    Entry entry;
    const fs::file_status status = it->symlink_status();
    if (fs::is_symlink(status)) {
      entry.kind = "link to " + fs::read_symlink(it->path()).string();
    } else if (fs::is_directory(status)) {
      entry.kind = "folder";
    } else {
      entry.kind = fs::is_regular_file(status) ? "file" : "special file";
      entry.size = it->file_size();
      entry.modified = it->last_write_time().time_since_epoch().count();
      entry.bytes = testing::readFile(it->path().string());
    }
    entries[fs::relative(it->path(), temp_.path()).string()] = std::move(entry);
  }
  return entries;
}

std::string ScratchSite::changesOutside() const {
  const std::map<std::string, Entry> now = snapshotOutside();
  for (const auto& [name, entry] : now) {
    auto was = before_.find(name);
    if (was == before_.end()) return "written outside the site: " + name;
    const Entry& old = was->second;
    if (entry.kind != old.kind || entry.size != old.size || entry.modified != old.modified || entry.bytes != old.bytes) {
      return "changed outside the site: " + name;
    }
  }
  for (const auto& [name, entry] : before_) {
    if (!now.contains(name)) return "removed outside the site: " + name;
  }
  return "";
}

std::string ScratchSite::decoyBytesInSite() const {
  for (auto it = fs::recursive_directory_iterator(site()); it != fs::recursive_directory_iterator(); ++it) {
    if (!fs::is_regular_file(it->symlink_status())) continue;
    if (testing::readFile(it->path().string()).find(kDecoyMark) != std::string::npos) {
      return "copied into the site from outside: " + fs::relative(it->path(), site()).string();
    }
  }
  return "";
}

}  // namespace quillon::fuzz
