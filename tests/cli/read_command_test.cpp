// quillon-cli read and resave, end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runCli;
using testing::writeFile;

class ReadCommand : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");

  void SetUp() override {
    fs::create_directories(work + "/site");
    fs::create_directories(home + "/program");
    writeFile(work + "/site/menu.htm",
              "<html><body>\r\n<p>Before</p>\r\n<APPLET CODE=\"TrellTabR.class\" WIDTH=300 HEIGHT=50>\r\n"
              "<PARAM NAME=\"TAB0\" VALUE=\"Fish &amp; Chips; fish.htm; main\">\r\n</APPLET>\r\n<p>After</p>\r\n"
              "</body></html>\r\n");
  }
};

TEST_F(ReadCommand, PrintsTheMenuAsJson) {
  const auto result = runCli("read site/menu.htm", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("\"Kind\": \"akTab\""), std::string::npos);
  EXPECT_NE(result.out.find("\"Caption\": \"Fish & Chips\""), std::string::npos);
  EXPECT_NE(result.out.find("\"URL1\": \"fish.htm\""), std::string::npos);
  EXPECT_NE(result.out.find("\"Width\": \"300\""), std::string::npos);
}

TEST_F(ReadCommand, ResaveKeepsTheFrameAndCanSaveElsewhere) {
  const auto result = runCli("resave site/menu.htm --as site/copy.htm", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string copy = readFile(work + "/site/copy.htm");
  EXPECT_EQ(copy.rfind("<html><body>\r\n<p>Before</p>\r\n<APPLET CODEBASE=\".\"", 0), 0u);
  EXPECT_NE(copy.find("\t<PARAM NAME=\"TAB0\" VALUE=\"Fish &amp; Chips; fish.htm; main; None; None; None; NO\">"),
            std::string::npos);
  EXPECT_NE(copy.find("</APPLET>\r\n<SCRIPT SRC=\"QuillonMenu.js\"></SCRIPT>\r\n<p>After</p>\r\n</body></html>\r\n"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(work + "/site/copy_UPLOADREPORT.TXT"));
}

TEST_F(ReadCommand, APageWithoutTheAppletFails) {
  writeFile(work + "/site/plain.htm", "<html><body>no menu</body></html>");
  for (const char* command : {"read site/plain.htm", "resave site/plain.htm"}) {
    const auto result = runCli(command, work, home);
    EXPECT_EQ(result.exitCode, 1) << command;
    EXPECT_EQ(result.err, "error: No Quillon [Applets] found\n") << command;
  }
}

TEST_F(ReadCommand, ReadsAndWritesMenusOfAnyDepth) {
  constexpr int kDepth = 50000;
  std::string page = "<APPLET CODE=\"TrellTreeR.class\" WIDTH=200 HEIGHT=300>\r\n";
  for (int level = 0; level < kDepth; ++level) {
    page += "<PARAM NAME=\"I" + std::to_string(level) + "\" VALUE=\"n; None; None; " + std::to_string(level) +
            "; ; ; ;None; None; NO\">\r\n";
  }
  writeFile(work + "/site/deep.htm", page + "</APPLET>\r\n");
  const auto read = runCli("read site/deep.htm", work, home, "", work + "/deep.json");
  ASSERT_EQ(read.exitCode, 0) << read.err;

  const auto write = runCli("write deep.json site/again.htm", work, home);
  ASSERT_EQ(write.exitCode, 0) << write.err;
  const std::string again = readFile(work + "/site/again.htm");
  EXPECT_NE(again.find("VALUE=\"n; None; None; " + std::to_string(kDepth - 1) + ";"), std::string::npos);
}

TEST_F(ReadCommand, OutputThatCannotBeWrittenFailsTheCommand) {
  writeFile(work + "/menu.json", R"({"Kind": "akTab"})");
  for (const char* command : {"read site/menu.htm", "resave site/menu.htm --clipboard", "write menu.json x.htm --clipboard",
                              "preview site/menu.htm"}) {
    const auto result = runCli(command, work, home, "", "/dev/full");
    EXPECT_EQ(result.exitCode, 1) << command;
    EXPECT_EQ(result.err, "error: the output could not be written: No space left on device\n") << command;
  }
}

}  // namespace
}  // namespace quillon
