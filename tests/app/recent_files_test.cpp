#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "app/ini_settings_store.hpp"
#include "app/recent_files.hpp"
#include "format/atomic_file.hpp"
#include "memory_ports.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

using Slots = std::array<std::string, RecentFiles::kSlots>;

struct AddCase {
  Slots before;
  const char* added;
  Slots after;
};

class RecentFileOrder : public ::testing::TestWithParam<AddCase> {};

TEST_P(RecentFileOrder, PutsThePageOnTop) {
  const AddCase c = GetParam();
  testing::MemorySettings store;
  RecentFiles recent(store);
  for (int n = 1; n <= RecentFiles::kSlots; ++n) {
    if (!c.before[n - 1].empty()) recent.setRecentEntry(n, c.before[n - 1]);
  }
  recent.addRecentFile(c.added);
  EXPECT_EQ(recent.entries(), c.after);
  for (int n = 1; n <= RecentFiles::kSlots; ++n) {
    auto stored = store.read("", "File" + std::to_string(n));
    EXPECT_EQ(stored.value_or(""), c.after[n - 1]) << "File" << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RecentFileOrder,
                         ::testing::Values(AddCase{{"A", "B", "C", "D"}, "E", {"E", "A", "B", "C"}},
                                           AddCase{{"E", "A", "B", "C"}, "C", {"C", "E", "A", "B"}},
                                           AddCase{{"E", "A", "B", "C"}, "c", {"c", "E", "A", "B"}},
                                           AddCase{{"A", "", "", ""}, "B", {"B", "A", "", ""}},
                                           AddCase{{"", "", "", ""}, "A", {"A", "", "", ""}}));

TEST(RecentFiles, LoadingFillsOnlyTheStoredSlots) {
  testing::MemorySettings store;
  store.write("", "File1", "/a.htm");
  store.write("", "File3", "/c.htm");
  RecentFiles recent(store);
  recent.loadRecentFiles();
  EXPECT_EQ(recent.entries(), (Slots{"/a.htm", "", "/c.htm", ""}));
  EXPECT_FALSE(store.read("", "File2").has_value());
}

TEST(IniSettingsStore, KeepsValuesBetweenRunsInSectionsAndAtTheTop) {
  testing::TempDir temp;
  const std::string path = temp.file("Morvane/QuillonV50.ini");
  {
    IniSettingsStore store(path);
    EXPECT_FALSE(store.read("History", "LastSaveDir").has_value());
    store.write("History", "LastSaveDir", "/web/site/");
    store.write("", "File1", "/web/site/index.htm");
    store.write("SiteIndexer", "Last URL", "http://example.test/a b");
  }
  IniSettingsStore again(path);
  EXPECT_EQ(again.read("History", "LastSaveDir").value_or(""), "/web/site/");
  EXPECT_EQ(again.read("", "File1").value_or(""), "/web/site/index.htm");
  EXPECT_EQ(again.read("SiteIndexer", "Last URL").value_or(""), "http://example.test/a b");
  EXPECT_EQ(again.readOr("SiteIndexer", "Proxy Port", "80"), "80");
}

TEST(IniSettingsStore, KeysAreWrittenByTheirNamesAndTheOldEscapedFormIsRead) {
  testing::TempDir temp;
  const std::string path = temp.file("quillon.ini");
  testing::writeFile(path, "[SiteIndexer]\r\nLast%20Dir=/old/site/\r\nLast%20URL=\"http://example.test/?a=b\"\r\n");
  IniSettingsStore store(path);
  EXPECT_EQ(store.read("SiteIndexer", "Last Dir").value_or(""), "/old/site/");
  EXPECT_EQ(store.read("SiteIndexer", "Last URL").value_or(""), "http://example.test/?a=b");
  store.write("SiteIndexer", "Last Dir", "/new/site/");
  store.write("SiteIndexer", "Proxy Host", " padded ");
  EXPECT_EQ(testing::readFile(path),
            "[SiteIndexer]\nLast Dir=/new/site/\nLast%20URL=\"http://example.test/?a=b\"\nProxy Host=\" padded \"\n");
  EXPECT_EQ(store.read("SiteIndexer", "Proxy Host").value_or(""), " padded ");
}

// A settings file that cannot be written stays as it was, and the user hears
// of it once however many values are lost.
TEST(IniSettingsStore, WritesThatFailLeaveTheFileAndAreToldOnce) {
  const std::string settings = "[History]\nLastSaveDir=/web/\n";
  struct Case {
    const char* name;
    const char* folder;  // below the test's folder
    std::string before;  // the settings file's text; none when empty
    bool fullDisk;
  } cases[] = {
      {"the folder is a file", "blocked/Morvane", "", false},
      {"the disk is full", "Morvane", settings, true},
      {"the file is too large to be read whole", "Morvane", settings + std::string(1 << 20, ';'), false},
  };
  for (const Case& c : cases) {
    testing::TempDir temp;
    testing::writeFile(temp.file("blocked"), "");
    const std::string folder = temp.file(c.folder);
    if (!c.before.empty()) testing::writeFile(folder + "/quillon.ini", c.before);
    testing::ScriptedUi ui;
    SettingsWriteNotice notice(ui);
    IniSettingsStore program(folder + "/quillon.ini", &notice);
    IniSettingsStore user(folder + "/QuillonV50.ini", &notice);

    // Files past 64 bytes cannot be written.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{64, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (c.fullDisk) {
      ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    program.write("History", "LastSaveDir", "/a/folder/long/enough/to/pass/the/limit/of/the/file/");
    user.write("", "File1", "/a/page/long/enough/to/pass/the/limit/of/the/file/index.htm");
    program.write("SiteIndexer", "Last URL", "http://example.test/a/page/long/enough/to/pass/the/limit/");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(ui.messages.size(), 1u) << c.name;
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning) << c.name;
    EXPECT_NE(ui.messages[0].text.find("could not be saved in " + folder + "/quillon.ini"), std::string::npos)
        << ui.messages[0].text;
    if (!c.before.empty()) {
      EXPECT_EQ(testing::readFile(folder + "/quillon.ini"), c.before) << c.name;
      for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_FALSE(isTempFileName(entry.path().filename().string())) << "left: " << entry.path();
    }
  }
}

TEST(RecentFiles, AListOtherProgramsWroteMeanwhileIsKept) {
  testing::TempDir temp;
  const std::string path = temp.file("QuillonV50.ini");
  IniSettingsStore windowStore(path);
  IniSettingsStore cliStore(path);
  RecentFiles window(windowStore);
  window.loadRecentFiles();  // the File menu opened while nothing was stored
  RecentFiles(cliStore).addRecentFile("/web/cli.htm");
  window.loadRecentFiles();
  EXPECT_EQ(window.entries(), (Slots{"/web/cli.htm", "", "", ""}));
  RecentFiles(cliStore).addRecentFile("/web/cli2.htm");
  window.addRecentFile("/web/window.htm");
  EXPECT_EQ(window.entries(), (Slots{"/web/window.htm", "/web/cli2.htm", "/web/cli.htm", ""}));
  EXPECT_EQ(cliStore.read("", "File3").value_or(""), "/web/cli.htm");
}

}  // namespace
}  // namespace quillon
