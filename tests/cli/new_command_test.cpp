// quillon-cli new, with and without a theme.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runCli;
using testing::writeFile;

class NewCommand : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");
  std::string theme = home + "/program/themes/tree/Ocean/";

  void SetUp() override {
    fs::create_directories(work + "/site");
    fs::create_directories(theme);
    fs::create_directories(home + "/program/themes/tree/Normal");
    testing::writeGif(theme + "oc.gif", 16, 16, 0x003366);
    writeFile(theme + "Ocean.htm",
              "<HTML>\r\n<BODY BGCOLOR=\"#003366\">\r\n<H1>Ocean</H1>\r\n"
              "<APPLET CODEBASE=\".\" CODE=\"TrellTreeR.class\" WIDTH=200 HEIGHT=150>\r\n"
              "\t<PARAM NAME=\"BACKGROUND\" VALUE=\"0,51,102\">\r\n"
              "\t<PARAM NAME=\"FOLDER_CLOSED\" VALUE=\"oc.gif\">\r\n"
              "\t<PARAM NAME=\"I0\" VALUE=\"Harbour; harbour.htm; None; 0; folder ; folder ; ;None; None; NO\">\r\n"
              "</APPLET>\r\n</BODY>\r\n</HTML>\r\n");
  }
};

TEST_F(NewCommand, ThemeGivesTheNewMenuItsPageSettingsAndImages) {
  const std::string before = readFile(theme + "Ocean.htm");
  const auto result = runCli("new --kind tree --theme Ocean site/menu.htm", work, home);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string page = readFile(work + "/site/menu.htm");
  EXPECT_NE(page.find("<H1>Ocean</H1>"), std::string::npos);
  EXPECT_NE(page.find("<PARAM NAME=\"BACKGROUND\" VALUE=\"0,51,102\">"), std::string::npos);
  EXPECT_NE(page.find("<PARAM NAME=\"FOLDER_CLOSED\" VALUE=\"oc.gif\">"), std::string::npos);
  EXPECT_NE(page.find("Harbour; harbour.htm"), std::string::npos);
  EXPECT_TRUE(fs::exists(work + "/site/oc.gif"));
  EXPECT_EQ(readFile(theme + "Ocean.htm"), before);
}

struct RefusedTheme {
  const char* name;
  const char* args;
  const char* error;
};

class NewCommandRefuses : public NewCommand, public ::testing::WithParamInterface<RefusedTheme> {};

TEST_P(NewCommandRefuses, AThemeTheKindLacks) {
  const auto result = runCli(GetParam().args, work, home);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find(GetParam().error), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(work + "/site/menu.htm"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewCommandRefuses,
    ::testing::Values(RefusedTheme{"OtherKind", "new --kind tab --theme Ocean site/menu.htm", "themes:\n"},
                      RefusedTheme{"Unknown", "new --kind tree --theme Lagoon site/menu.htm", "themes: Ocean\n"},
                      RefusedTheme{"NormalIsNoTheme", "new --kind tree --theme Normal site/menu.htm", "no theme \"Normal\""}),
    [](const auto& info) { return std::string(info.param.name); });

struct SavingCommand {
  const char* name;
  const char* args;
  const char* recent;  // the page it puts on top, below the work folder
};

class RecentListKept : public NewCommand, public ::testing::WithParamInterface<SavingCommand> {};

TEST_P(RecentListKept, ByEveryCommandThatAddsToIt) {
  writeFile(work + "/site/tabs.htm", "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"Home\">\r\n</APPLET>\r\n");
  // Written by another program meanwhile, in the form older versions wrote.
  writeFile(home + "/config/Morvane/QuillonV50.ini", "[General]\nFile1=/web/a.htm\nFile2=/web/b.htm\n");
  const auto result = runCli(GetParam().args, work, home);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string stored = readFile(home + "/config/Morvane/QuillonV50.ini");
  for (const std::string& line : {"File1=" + work + GetParam().recent, std::string("File2=/web/a.htm"),
                                  std::string("File3=/web/b.htm")}) {
    EXPECT_NE(stored.find("\n" + line + "\n"), std::string::npos) << line << " in\n" << stored;
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, RecentListKept,
                         ::testing::Values(SavingCommand{"New", "new --kind tab site/menu.htm", "/site/menu.htm"},
                                           SavingCommand{"Preview", "preview site/tabs.htm", "/site/tabs.htm"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon
