// Pages and menu files that name paths outside their site: the reader resets
// what it refuses and says so, the JSON reader refuses the menu, the writer
// writes nothing; and pages that are no regular file, or too large, are not read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "format/menu_json.hpp"
#include "format/page_reader.hpp"
#include "format/text_helpers.hpp"
#include "test_images.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;

constexpr const char* kRefusedFiles = "These files lie outside the page's folder, so they were left out:";

// The page at home/dl/site/page.htm; beside and above it what a hostile page aims at.
class SiteConfinementTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  MenuModel menu;

  void SetUp() override {
    fs::create_directories(home("other"));
    fs::create_directories(site("java/img"));
    writeFile(home(".bashrc"), "home");
    writeFile(home("dl/payload/.bashrc"), "payload");
    writeFile(home("dl/tree.txt"), "Outside; None; None; 0; ; ; ;None; None; NO\r\n");
    testing::writeGif(home("dl/icon.gif"), 16, 16);
    testing::writeGif(site("java/Leaf.gif"), 16, 16);
    testing::writeGif(site("java/img/Star.gif"), 16, 16);
    writeFile(site("java/click.au"), "sound");
    fs::create_symlink(home(".bashrc"), site("java/link.au"));
    fs::create_directory_symlink(home("other"), site("out"));
  }

  std::string home(const std::string& name = "") const { return temp.file("home/" + name); }
  std::string site(const std::string& name = "") const { return temp.file("home/dl/site/" + name); }

  bool read(const std::string& appletTag, const std::vector<std::string>& params) {
    std::string text = "<HTML><BODY>\r\n" + appletTag + "\r\n";
    for (const auto& param : params) text += param + "\r\n";
    writeFile(site("page.htm"), text + "</APPLET>\r\n</BODY></HTML>\r\n");
    ReaderContext context{ui};
    return ReadPage(menu, site("page.htm"), context);
  }
};

struct HostileCase {
  const char* name;
  std::string appletTag;
  std::vector<std::string> params;
  std::vector<std::string> messages;  // "@ROOT@" stands for the temporary folder
  std::function<bool(const MenuModel&)> holds;
};

class HostilePages : public SiteConfinementTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostilePages, AreReadWithTheirOutsidePathsLeftOut) {
  const HostileCase& c = GetParam();
  ASSERT_TRUE(read(replaceAll(c.appletTag, "@ROOT@", temp.path().string(), true), c.params));
  std::vector<std::string> expected;
  for (const auto& message : c.messages) expected.push_back(replaceAll(message, "@ROOT@", temp.path().string(), true));
  EXPECT_EQ(ui.messageTexts(), expected);
  EXPECT_TRUE(c.holds(menu)) << menuToJson(menu);
  EXPECT_TRUE(ui.fileDialogs.empty()) << "a refused path is not asked for";
}

const std::string kTree = R"(<APPLET CODEBASE="java/" CODE="TrellTreeR.class" WIDTH=1 HEIGHT=1>)";

INSTANTIATE_TEST_SUITE_P(
    Cases, HostilePages,
    ::testing::Values(
        HostileCase{"CodebaseAboveThePage",
                    R"(<APPLET CODEBASE="../../other/" CODE="TrellTabR.class">)",
                    {R"(<PARAM NAME="MOUSECLICKSOUND" VALUE="../dl/payload/.bashrc">)"},
                    {"The class file directory \"../../other/\" lies outside the page's folder\nso it was reset to the "
                     "default.",
                     std::string(kRefusedFiles) + "\n../dl/payload/.bashrc"},
                    [](const MenuModel& m) { return m.Settings.Codebase.empty() && m.Settings.ClickSound.empty(); }},
        HostileCase{"CodebaseAbsoluteWithTwoSlashes",
                    R"(<APPLET CODEBASE="/@ROOT@/home/other/" CODE="TrellTabR.class">)",
                    {},
                    {"The class file directory \"/@ROOT@/home/other/\" lies outside the page's folder\nso it was reset "
                     "to the default."},
                    [](const MenuModel& m) { return m.Settings.Codebase.empty(); }},
        HostileCase{"CodebaseALinkOut",
                    R"(<APPLET CODEBASE="out/" CODE="TrellTabR.class">)",
                    {R"(<PARAM NAME="IMAGEDIR" VALUE="../">)"},
                    {"The class file directory \"out/\" lies outside the page's folder\nso it was reset to the default.",
                     "The image directory \"../\" lies outside the page's folder\nso it was reset to the default."},
                    [](const MenuModel& m) { return m.Settings.Codebase.empty() && m.Settings.ImageDir.empty(); }},
        HostileCase{"SoundsOutsideOrLinkedOut",
                    kTree,
                    {R"(<PARAM NAME="MOUSECLICKSOUND" VALUE="../../../../../../etc/shadow">)",
                     R"(<PARAM NAME="MOUSEOVERSOUND" VALUE="link.au">)"},
                    {std::string(kRefusedFiles) + "\n../../../../../../etc/shadow\nlink.au"},
                    [](const MenuModel& m) {
                      const TAppletSettings& s = m.Settings;
                      return s.ClickSound.empty() && s.ClickSoundName.empty() && s.OverSound.empty() &&
                             s.OverSoundName.empty();
                    }},
        HostileCase{"ImagesAndContentAboveThePage",
                    kTree,
                    {R"(<PARAM NAME="LEAF" VALUE="../../icon.gif">)",
                     R"(<PARAM NAME="BACKGROUNDIMAGE" VALUE="..\..\icon.gif">)",
                     R"(<PARAM NAME="TAB_BG_IMAGE" VALUE="/@ROOT@/home/dl/icon.gif">)",
                     R"(<PARAM NAME="CONTENT" VALUE="../../tree.txt">)",
                     R"(<PARAM NAME="I0" VALUE="Kept; a.htm; main; 0; ../../icon.gif; Leaf.gif; ;None; None; NO">)"},
                    {std::string(kRefusedFiles) + "\n..\\..\\icon.gif\n../../icon.gif\n../../tree.txt"},
                    [](const MenuModel& m) {
                      const TAppletSettings& s = m.Settings;
                      const TAppletNode& kept = m.tab(0).Nodes.root().children().at(0)->Data;
                      return s.DefLeaf == -1 && s.TreeBackImage.empty() && !s.ContentInFile &&
                             m.Images.count() == 1 && kept.CollapsedImage == -1 && kept.ExpandedImage == 0;
                    }},
        // What stored pages rely on stays: ".." that comes back into the site, images
        // beside the class folder, an absolute-looking value that stays below the page.
        HostileCase{"PathsThatStayInTheSite",
                    kTree,
                    {R"(<PARAM NAME="IMAGEDIR" VALUE="java/img/">)",
                     R"(<PARAM NAME="MOUSECLICKSOUND" VALUE="../java/click.au">)",
                     R"(<PARAM NAME="LEAF" VALUE="img/Star.gif">)",
                     R"(<PARAM NAME="I0" VALUE="A; a.htm; main; 0; ../java/Leaf.gif; ./img/../Leaf.gif; ;None; None; NO">)"},
                    {},
                    [](const MenuModel& m) {
                      const TAppletSettings& s = m.Settings;
                      return s.Codebase == "java/" && s.ClickSoundName == "click.au" && s.DefLeaf == 0 &&
                             m.Images.count() == 2;
                    }},
        HostileCase{"ASlashIsThePagesOwnFolder",
                    R"(<APPLET CODEBASE="/" CODE="TrellTabR.class">)",
                    {R"(<PARAM NAME="IMAGEDIR" VALUE="/">)"},
                    {},
                    [](const MenuModel& m) { return m.Settings.Codebase == "/" && m.Settings.ImageDir == "/"; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuJsonPaths, FoldersAndSoundNamesOutsideTheSiteAreRefused) {
  struct Case {
    std::string settings;
    std::string message;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {R"("Codebase": "java/", "ImageDir": "java/img/", "ClickSoundName": "click.au")", ""},
      {R"("Codebase": "/", "ClickSoundName": "")", ""},
      {R"("Codebase": "../../other/")",
       "\"Settings.Codebase\": \"../../other/\" lies outside the page's folder; it must be a folder below it, such as "
       "\"java/\""},
      {R"("Codebase": "/abs/path/")", "\"Settings.Codebase\": \"/abs/path/\" lies outside"},
      {R"("ImageDir": "java\\..\\..\\")", "\"Settings.ImageDir\": \"java\\..\\..\\\" lies outside"},
      {R"("ClickSoundName": "../../x.au")", "\"Settings.ClickSoundName\": \"../../x.au\" must be a file name without a folder"},
      {R"("OverSoundName": "sub/x.au")", "\"Settings.OverSoundName\": \"sub/x.au\" must be"},
  };
  for (const Case& c : cases) {
    MenuModel menu;
    const std::string json = R"({"Kind": "akTab", "Settings": {)" + c.settings + "}}";
    try {
      menuFromJson(json, menu);
      EXPECT_EQ(c.message, "") << c.settings << " was accepted";
    } catch (const MenuJsonError& error) {
      EXPECT_FALSE(c.message.empty()) << c.settings << ": " << error.what();
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u) << error.what();
    }
  }
}

TEST(WriterPaths, AFolderOutsideTheSiteWritesNothing) {
  testing::WriterFixture f(akTree);
  f.menu.Settings.Codebase = "../other/";
  f.menu.Settings.ContentInFile = true;
  const WriteResult result = f.write();
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{"The class file directory \"../other/\" lies outside the "
                                                          "page's folder,\nso nothing was saved."});
  EXPECT_FALSE(fs::exists(f.temp.file("other")));
  EXPECT_TRUE(fs::is_empty(f.site()));
  EXPECT_TRUE(f.recentFiles.empty());
}

TEST_F(SiteConfinementTest, OnlyRegularFilesWithinTheCapAreRead) {
  const std::string page = "<APPLET CODE=\"TrellTabTreeR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"x\">\r\n"
                           "<PARAM NAME=\"TAB0_CONTENT\" VALUE=\"big.txt\">\r\n</APPLET>\r\n";
  writeFile(site("page.htm"), page);
  writeFile(site("big.txt"), std::string(3000, 'x'));
  ASSERT_EQ(mkfifo(site("fifo.htm").c_str(), 0600), 0);
  struct Case {
    std::string path;
    std::uint64_t cap;
    bool read;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"/dev/zero", kDefaultMaxPageBytes, false, "The page /dev/zero is not a regular file, so it was not read."},
      {site("fifo.htm"), kDefaultMaxPageBytes, false,
       "The page " + site("fifo.htm") + " is not a regular file, so it was not read."},
      {site(), kDefaultMaxPageBytes, false, "The page " + site() + " is not a regular file, so it was not read."},
      {site("page.htm"), page.size() - 1, false,
       "The page " + site("page.htm") + " is larger than " + std::to_string(page.size() - 1) +
           " bytes, the most that is read, so it was not read."},
      {site("page.htm"), 2000, true,
       "The content file " + site("big.txt") + " is larger than 2000 bytes, the most that is read, so it was not read."},
      {site("gone.htm"), kDefaultMaxPageBytes, false, "An error occured while trying to open " + site("gone.htm")},
  };
  EXPECT_EQ(kDefaultMaxPageBytes, 64u << 20);
  for (const Case& c : cases) {
    ui.messages.clear();
    ReaderContext context{ui};
    context.maxPageBytes = c.cap;
    EXPECT_EQ(ReadPage(menu, c.path, context), c.read) << c.path;
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message}) << c.path;
  }
}

// A file that tells no size (as files under /proc do) is read on to its end, or refused past the cap.
TEST(ReadingLimits, AFileLongerThanItsSizeIsReadWhole) {
  const std::string path = "/proc/self/cmdline";
  std::ifstream in(path, std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GT(whole.size(), 2u);
  for (const std::uint64_t cap : {std::uint64_t{whole.size()}, std::uint64_t{whole.size() + 1}, kDefaultMaxPageBytes}) {
    FileBytes bytes;
    ASSERT_EQ(readPageFile(path, cap, bytes), PageFileStatus::Read) << cap;
    EXPECT_EQ(bytes.view(), whole) << cap;
  }
  FileBytes bytes;
  EXPECT_EQ(readPageFile(path, whole.size() - 1, bytes), PageFileStatus::TooLarge);
  EXPECT_TRUE(bytes.view().empty());
}

TEST(ReadingLimits, TheCapIsSetInMegabytesInTheProgramSettings) {
  const std::vector<std::pair<std::string, std::uint64_t>> cases = {
      {"", kDefaultMaxPageBytes},       {"1", 1u << 20},  {"128", 128u << 20}, {"4095", 4095ull << 20},
      {"0", kDefaultMaxPageBytes},      {"4096", kDefaultMaxPageBytes},       {"12a", kDefaultMaxPageBytes},
      {"-5", kDefaultMaxPageBytes},     {"99999999999999999999", kDefaultMaxPageBytes}};
  for (const auto& [text, cap] : cases) {
    testing::MemorySettings settings;
    if (!text.empty()) settings.write("Reader", "MaxPageMB", text);
    EXPECT_EQ(maxPageBytesSetting(settings), cap) << text;
  }
}

}  // namespace
}  // namespace quillon
