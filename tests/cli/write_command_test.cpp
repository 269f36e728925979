// quillon-cli write, end to end.
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

class WriteCommand : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");

  void SetUp() override {
    fs::create_directories(work + "/site");
    writeFile(home + "/program/files/JClass/TrellTreeR.class", "tree applet");
    writeFile(work + "/tree.json", R"({"Kind": "akTree", "Settings": {"Codebase": "java/"},
      "Tabs": [{"Nodes": [{"Text": "Home", "Data": {"URL1": "index.htm"}}]}]})");
  }
};

TEST_F(WriteCommand, WritesThePageAndItsSiteFromARelativePath) {
  const auto result = runCli("write tree.json site/menu.htm", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "information: File Saved as " + work + "/site/menu.htm\n");
  const std::string page = readFile(work + "/site/menu.htm");
  EXPECT_NE(page.find("\t<PARAM NAME=\"I0\" VALUE=\"Home; index.htm; None; 0; leaf ; leaf ; ;None; None; NO\">\r\n"),
            std::string::npos);
  EXPECT_EQ(readFile(work + "/site/java/TrellTreeR.class"), "tree applet");
  EXPECT_TRUE(fs::exists(work + "/site/menu_UPLOADREPORT.TXT"));
  // The save is remembered as the other commands do.
  EXPECT_NE(readFile(home + "/config/Morvane/QuillonV50.ini").find("File1=" + work + "/site/menu.htm"),
            std::string::npos);
  EXPECT_NE(readFile(home + "/program/quillon.ini").find("LastSaveDir=" + work + "/site/"), std::string::npos);
}

TEST_F(WriteCommand, ClipboardPrintsThePageAndWritesNone) {
  const auto result = runCli("write tree.json site/menu.htm --clipboard", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out.rfind("<HTML>\r\n", 0), 0u);
  EXPECT_FALSE(fs::exists(work + "/site/menu.htm"));
  EXPECT_FALSE(fs::exists(work + "/site/~preview.htm"));
}

TEST_F(WriteCommand, PreviewWritesThePreviewPage) {
  const auto result = runCli("write tree.json site/menu.htm --preview", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(fs::exists(work + "/site/~preview.htm"));
  EXPECT_FALSE(fs::exists(work + "/site/menu.htm"));
}

struct FailureCase {
  const char* args;
  int exitCode;
  const char* errorPart;
};

class WriteCommandFails : public WriteCommand, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WriteCommandFails, WithAClearMessageAndExitCode) {
  writeFile(work + "/bad.json", R"({"Kind": "akTree", "Settings": {"Colour": 1}})");
  const auto result = runCli(GetParam().args, work, home);
  EXPECT_EQ(result.exitCode, GetParam().exitCode);
  EXPECT_NE(result.err.find(GetParam().errorPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteCommandFails,
    ::testing::Values(FailureCase{"write bad.json site/menu.htm", 2, "\"Settings.Colour\": unknown key"},
                      FailureCase{"write missing.json site/menu.htm", 2, "cannot read missing.json"},
                      FailureCase{"write tree.json", 2, "PAGE is required"},
                      FailureCase{"frobnicate", 2, "there is no command \"frobnicate\""},
                      FailureCase{"write tree.json nowhere/deeper/menu.htm", 1,
                                  "error: An error has occured while saving "}));

TEST(Cli, PrintsItsVersion) {
  testing::TempDir temp;
  const auto result = runCli("--version", temp.path().string(), temp.path().string());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "Quillon " QUILLON_VERSION "\n");
}

}  // namespace
}  // namespace quillon
