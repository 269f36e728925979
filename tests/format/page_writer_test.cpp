// Where the writer puts its output in each mode, and what it tells the user.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>

#include "writer_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::WriterFixture;

TEST(PageWriter, SavesANewPageOnceAndSaysSo) {
  WriterFixture f;
  const WriteResult first = f.write();
  EXPECT_TRUE(first.ok());
  EXPECT_EQ(first.writtenPath, f.site("index.htm"));
  EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{"File Saved as " + f.site("index.htm")});
  f.write();
  EXPECT_EQ(f.ui.messages.size(), 1u) << "an existing page is replaced without a message";
  EXPECT_EQ(f.recentFiles, (std::vector<std::string>{f.site("index.htm"), f.site("index.htm")}));
  EXPECT_EQ(f.ui.statusTexts.back(), "Ready.");
  EXPECT_EQ(f.ui.busyDepth, 0);
  EXPECT_GT(f.ui.processEventsCalls, 2);
}

TEST(PageWriter, PreviewWritesBesideThePageAndLeavesThePageAlone) {
  WriterFixture f;
  testing::writeFile(f.site("index.htm"), "the user's page");
  f.menu.Document.PreviewMode = true;
  const WriteResult result = f.write();
  EXPECT_EQ(result.writtenPath, f.site("~preview.htm"));
  EXPECT_EQ(readFile(f.site("index.htm")), "the user's page");
  EXPECT_NE(readFile(f.site("~preview.htm")).find("<APPLET"), std::string::npos);
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_TRUE(fs::exists(f.menu.Document.ReportPath));
}

TEST(PageWriter, ClipboardModeCopiesSiteFilesButWritesNoFile) {
  WriterFixture f;
  f.menu.Document.ClipboardMode = true;
  f.menu.Document.PreviewMode = true;
  const WriteResult result = f.write();
  EXPECT_TRUE(result.writtenPath.empty());
  EXPECT_EQ(f.clipboard.writes, 1);
  EXPECT_EQ(f.clipboard.text.rfind("<HTML>\r\n", 0), 0u);
  EXPECT_FALSE(f.menu.Document.ClipboardMode);
  EXPECT_FALSE(fs::exists(f.site("index.htm")));
  EXPECT_FALSE(fs::exists(f.site("~preview.htm")));
  EXPECT_FALSE(fs::exists(f.menu.Document.ReportPath));
  EXPECT_TRUE(fs::exists(f.site("TrellTabTreeR.class")));
  EXPECT_EQ(f.recentFiles.size(), 1u);
}

// Every file and folder below the folder, with what it holds: the whole state of a site.
std::map<std::string, std::string> snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    if (entry.is_symlink()) {
      files[name] = "link to " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_regular_file()) {
      files[name] = readFile(entry.path().string());
    } else {
      files[name] = entry.is_directory() ? "<folder>" : "<special>";
    }
  }
  return files;
}

struct FailedSaveCase {
  const char* name;
  // Sets up the failure in a site that holds a saved Tab&Tree menu with content files in java/.
  std::function<void(WriterFixture&)> arrange;
  // The message, from the site folder (with a trailing "/").
  std::function<std::string(const std::string&)> message;
};

class FailedSave : public ::testing::TestWithParam<FailedSaveCase> {};

TEST_P(FailedSave, ChangesNothingAndSaysWhatAndWhy) {
  WriterFixture f;
  f.menu.Settings.Codebase = "java/";
  f.menu.Settings.ContentInFile = true;
  ASSERT_TRUE(f.write().ok());
  GetParam().arrange(f);
  const auto before = snapshot(f.site());
  f.ui.messages.clear();
  f.recentFiles.clear();
  f.menu.tab(0).Caption = "Changed";
  f.menu.Document.OfferReportReview = true;

  const WriteResult result = f.write();
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.writtenPath.empty());
  EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{GetParam().message(f.site())});
  EXPECT_EQ(f.ui.messages.at(0).kind, MessageKind::Error);
  EXPECT_EQ(snapshot(f.site()), before) << "no file changed, no temporary file or folder left";
  EXPECT_TRUE(f.recentFiles.empty());
  EXPECT_FALSE(f.menu.Document.OfferReportReview);
  EXPECT_EQ(f.ui.statusTexts.back(), "Ready.");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedSave,
    ::testing::Values(
        FailedSaveCase{"ContentFileIsAFolder",
                       [](WriterFixture& f) {
                         fs::remove(f.site("java/indexTAB0content.txt"));
                         fs::create_directories(f.site("java/indexTAB0content.txt/x"));
                       },
                       [](const std::string& site) {
                         return "An error has occured while saving " + site + "java/indexTAB0content.txt\nIs a directory";
                       }},
        FailedSaveCase{"ClassFolderBelowAFile",
                       [](WriterFixture& f) {
                         testing::writeFile(f.site("lib"), "a file");
                         f.menu.Settings.Codebase = "lib/menu/";
                         f.menu.Settings.ImageDir.clear();
                       },
                       [](const std::string& site) {
                         return "Error creating class directory: " + site + "lib/menu/\nNot a directory";
                       }},
        FailedSaveCase{"NewFoldersAreTakenBackWhenTheImageFolderFails",
                       [](WriterFixture& f) {
                         testing::writeFile(f.site("art"), "a file");
                         f.menu.Settings.Codebase = "applets/menu/";
                         f.menu.Settings.ImageDir = "art/";
                       },
                       [](const std::string& site) {
                         return "Error creating image directory: " + site + "art/\nNot a directory";
                       }},
        FailedSaveCase{"PageIsAPipe",
                       [](WriterFixture& f) {
                         ASSERT_EQ(::mkfifo(f.site("pipe.htm").c_str(), 0644), 0);
                         f.menu.Document.PagePath = f.site("pipe.htm");
                       },
                       [](const std::string& site) {
                         return "An error has occured while saving " + site + "pipe.htm\nNot a regular file";
                       }},
        FailedSaveCase{"PageFolderMissing",
                       [](WriterFixture& f) { f.menu.Document.PagePath = f.site("gone/deeper/index.htm"); },
                       [](const std::string& site) {
                         return "An error has occured while saving " + site +
                                "gone/deeper/index.htm\nNo such file or directory";
                       }},
        FailedSaveCase{"PageIsAFolder",
                       [](WriterFixture& f) {
                         fs::create_directories(f.site("folder.htm/keep"));
                         f.menu.Document.PagePath = f.site("folder.htm");
                       },
                       [](const std::string& site) {
                         return "An error has occured while saving " + site + "folder.htm\nIs a directory";
                       }}),
    [](const ::testing::TestParamInfo<FailedSaveCase>& info) { return std::string(info.param.name); });

// The page goes to its file in pieces: a write that fails after some of them
// have gone out still leaves the page that was there.
TEST(PageWriter, APageThatFailsHalfWrittenLeavesTheOldPage) {
  WriterFixture f(akTree);
  TreeNode& root = f.menu.tab(0).Nodes.root();
  TAppletNode link;
  link.URL1 = "page.htm";
  for (int i = 0; i < 30000; ++i) root.appendChild("Page " + std::to_string(i), link);
  ASSERT_TRUE(f.write().ok());
  ASSERT_GT(fs::file_size(f.site("index.htm")), 2u << 20);
  const auto before = snapshot(f.site());
  f.ui.messages.clear();
  f.menu.Document.OfferReportReview = true;
  root.children()[0]->Text = "Changed";

  // Files past 1 MiB cannot be written: the page's first piece goes out, the next fails.
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{1u << 20, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const WriteResult result = f.write();
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(result.failure, "An error has occured while saving " + f.site("index.htm") + "\nFile too large");
  EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{result.failure});
  EXPECT_EQ(snapshot(f.site()), before) << "no file changed, no temporary file left";
  EXPECT_FALSE(f.menu.Document.OfferReportReview);
}

TEST(PageWriter, FoldersAreMadeAtAnyDepth) {
  WriterFixture f(akTree);
  f.menu.Settings.Codebase = "applets/menu/";
  f.menu.Settings.ImageDir = "applets/menu/images/";
  f.menu.Settings.ContentInFile = true;
  f.menu.Settings.DefLeaf = f.addIcon("Leaf.gif");
  ASSERT_TRUE(f.write().ok()) << f.ui.messageTexts().front();
  EXPECT_EQ(readFile(f.site("applets/menu/TrellTreeR.class")), "class of OrvelTree");
  EXPECT_NE(readFile(f.site("applets/menu/index_content.txt")).find("; 0; "), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file(f.site("applets/menu/images/Leaf.gif")));
  EXPECT_EQ(f.param("LEAF"), "images/Leaf.gif");
}

TEST(PageWriter, ALinkAtATargetIsReplacedAndNeverWrittenThrough) {
  WriterFixture f(akTree);
  f.menu.Settings.Codebase = "java/";
  f.menu.Settings.ContentInFile = true;
  fs::create_directories(f.site("java"));
  for (const char* name : {"outside.class", "outside.txt"}) testing::writeFile(f.temp.file(name), "not ours");
  fs::create_symlink(f.temp.file("outside.class"), f.site("java/TrellTreeR.class"));
  fs::create_symlink(f.temp.file("outside.txt"), f.site("java/index_content.txt"));
  fs::create_symlink(f.temp.file("outside.txt"), f.site("index.htm"));
  ASSERT_TRUE(f.write().ok());
  for (const char* name : {"outside.class", "outside.txt"}) EXPECT_EQ(readFile(f.temp.file(name)), "not ours");
  for (const char* name : {"java/TrellTreeR.class", "java/index_content.txt", "index.htm"}) {
    EXPECT_FALSE(fs::is_symlink(f.site(name))) << name;
  }
  EXPECT_EQ(readFile(f.site("java/TrellTreeR.class")), "class of OrvelTree");
}

TEST(SavePage, AsksForTheLocationStartingFromTheProjectsFolder) {
  WriterFixture f;
  f.context.projectsFolder = f.temp.file("documents/Quillon/");
  f.menu.Document.PagePath.clear();
  f.menu.Document.AskSaveLocation = true;
  f.menu.Document.NewMenuSetup = true;
  f.ui.pickedFiles.push_back(f.site("chosen.htm"));
  EXPECT_TRUE(SavePage(f.menu, f.context, true));
  ASSERT_EQ(f.ui.fileDialogs.size(), 1u);
  const FileDialogRequest& dialog = f.ui.fileDialogs[0];
  EXPECT_EQ(dialog.title, "Please set the Save location");
  EXPECT_EQ(dialog.filter, "HTML Files|*.htm;*.html");
  EXPECT_EQ(dialog.initialDir, f.context.projectsFolder);
  EXPECT_TRUE(fs::is_directory(f.context.projectsFolder)) << "the dialog wants a folder that exists";
  EXPECT_EQ(dialog.fileName, "MyQuillon.htm");
  EXPECT_EQ(dialog.defaultExtension, "htm");
  EXPECT_TRUE(dialog.askBeforeOverwrite);
  EXPECT_TRUE(dialog.folderMustExist);
  EXPECT_EQ(f.menu.Document.PagePath, f.site("chosen.htm"));
  EXPECT_TRUE(fs::exists(f.site("chosen.htm")));
  EXPECT_FALSE(f.menu.Document.AskSaveLocation);
  EXPECT_FALSE(f.menu.Document.NewMenuSetup);
  EXPECT_EQ(*f.programSettings.read("History", "LastSaveDir"), f.site());
}

TEST(SavePage, CancellingWritesNothingButRemembersTheFolder) {
  WriterFixture f;
  f.menu.Document.AskSaveLocation = true;
  EXPECT_FALSE(SavePage(f.menu, f.context, true));
  EXPECT_FALSE(fs::exists(f.site("index.htm")));
  EXPECT_TRUE(f.menu.Document.AskSaveLocation);
  EXPECT_TRUE(f.recentFiles.empty());
  EXPECT_EQ(*f.programSettings.read("History", "LastSaveDir"), f.site());
}

TEST(SavePage, AFailedSaveKeepsThePageItHadAndAsksAgain) {
  WriterFixture f;
  f.menu.Document.AskSaveLocation = true;
  f.ui.pickedFiles.push_back(f.site("gone/chosen.htm"));
  WriteResult result;
  EXPECT_TRUE(SavePage(f.menu, f.context, true, &result));
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(f.menu.Document.PagePath, f.site("index.htm"));
  EXPECT_TRUE(f.menu.Document.AskSaveLocation);
  EXPECT_TRUE(f.recentFiles.empty());
}

TEST(SavePage, OffersTheReportForReviewAndRunsTheReviewOnYes) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    WriterFixture f;
    int reviews = 0;
    f.context.reviewUploadReport = [&reviews] { ++reviews; };
    f.menu.Document.OfferReportReview = true;
    f.menu.Document.AskSaveLocation = true;
    f.ui.answers.push_back(answer);
    f.ui.pickedFiles.push_back(f.site("index.htm"));
    SavePage(f.menu, f.context, true);
    const auto texts = f.ui.messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "The upload Report has been saved as " + f.site("index_UPLOADREPORT.TXT") +
                            "\nDo you want to review it");
    EXPECT_EQ(f.ui.messages[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(reviews, answer == Answer::Yes ? 1 : 0);
    EXPECT_FALSE(f.menu.Document.OfferReportReview);
    EXPECT_TRUE(fs::exists(f.menu.Document.ReportPath));
  }
}

}  // namespace
}  // namespace quillon
