// Where the shipped files are found, and the user's own folders and settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/ini_settings_store.hpp"
#include "app/program_folder.hpp"
#include "isolated_environment.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::EnvOverride;
using testing::readFile;
using testing::writeFile;

struct LayoutCase {
  const char* name;
  const char* made;        // folders made below the root
  const char* executable;  // below the root
  const char* expected;    // below the root
};

class ShippedFolder : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ShippedFolder, IsFoundFromTheExecutable) {
  testing::TempDir temp;
  const LayoutCase c = GetParam();
  fs::create_directories(temp.file(c.made));
  EXPECT_EQ(shippedFolderFor(temp.path() / c.executable), temp.file(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ShippedFolder,
    ::testing::Values(LayoutCase{"Installed", "usr/share/quillon/resource", "usr/bin/quillon", "usr/share/quillon/"},
                      LayoutCase{"Build", "build/bin/resource", "build/bin/quillon-cli", "build/bin/"},
                      // A share/quillon without the shipped files is not ours: the build layout stands.
                      LayoutCase{"StrayShareFolder", "opt/share/quillon/themes", "opt/bin/quillon", "opt/bin/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFolder, QuillonHomeOverridesTheExecutablesFolder) {
  EnvOverride home("QUILLON_HOME", "/some/where");
  EXPECT_EQ(programFolder(), "/some/where/");
  EXPECT_EQ(formerProgramSettingsPath(), "/some/where/quillon.ini");
}

TEST(ProgramFolder, TheSettingsFilesAreTheUsers) {
  EnvOverride config("QUILLON_CONFIG_DIR", "");
  EnvOverride xdg("XDG_CONFIG_HOME", "/xdg/config");
  EXPECT_EQ(programSettingsPath(), "/xdg/config/Morvane/quillon.ini");
  EXPECT_EQ(userSettingsPath(), "/xdg/config/Morvane/QuillonV50.ini");
  EnvOverride relative("XDG_CONFIG_HOME", "relative");
  EnvOverride user("HOME", "/home/ann");
  EXPECT_EQ(programSettingsPath(), "/home/ann/.config/Morvane/quillon.ini") << "only an absolute path counts";
}

struct DocumentsCase {
  const char* name;
  const char* userDirs;  // the contents of user-dirs.dirs; null for none
  const char* expected;  // below the home folder
};

class ProjectsFolder : public ::testing::TestWithParam<DocumentsCase> {};

TEST_P(ProjectsFolder, IsInTheDocumentsFolder) {
  testing::TempDir temp;
  const std::string home = temp.file("home");
  EnvOverride user("HOME", home);
  EnvOverride config("XDG_CONFIG_HOME", home + "/.config");
  if (GetParam().userDirs) writeFile(home + "/.config/user-dirs.dirs", GetParam().userDirs);
  EXPECT_EQ(userProjectsFolder(), home + "/" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    UserDirs, ProjectsFolder,
    ::testing::Values(DocumentsCase{"NoUserDirs", nullptr, "Documents/Quillon/"},
                      DocumentsCase{"Translated", "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "Dokumente/Quillon/"},
                      // The desktop's way of saying there is no documents folder.
                      DocumentsCase{"SetToHome", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "Documents/Quillon/"},
                      DocumentsCase{"Relative", "XDG_DOCUMENTS_DIR=\"docs\"\n", "Documents/Quillon/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsTakeover, TheFormerFileIsTakenOverOnceAndLeftAsItIs) {
  testing::TempDir temp;
  const std::string former = temp.file("program/quillon.ini");
  const std::string path = temp.file("config/Morvane/quillon.ini");
  writeFile(former, "[History]\nLastSaveDir=/web/\n");

  IniSettingsStore first = IniSettingsStore::takingOver(path, former);
  EXPECT_EQ(first.read("History", "LastSaveDir").value_or(""), "/web/");
  first.write("History", "LastSaveDir", "/elsewhere/");
  EXPECT_EQ(readFile(former), "[History]\nLastSaveDir=/web/\n");

  writeFile(former, "[History]\nLastSaveDir=/changed/\n");
  IniSettingsStore second = IniSettingsStore::takingOver(path, former);
  EXPECT_EQ(second.read("History", "LastSaveDir").value_or(""), "/elsewhere/") << "taken over once only";

  // A configuration folder that cannot be made: no file, nothing thrown.
  writeFile(temp.file("blocked"), "");
  IniSettingsStore blocked = IniSettingsStore::takingOver(temp.file("blocked/Morvane/quillon.ini"), former);
  EXPECT_FALSE(blocked.read("History", "LastSaveDir").has_value());
}

}  // namespace
}  // namespace quillon
