// Where the writer puts its output in each mode, and what it tells the user.
#include <gtest/gtest.h>

#include <filesystem>

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

TEST(PageWriter, AFailedSaveIsReportedAndLeavesTheOldFileWhole) {
  WriterFixture f;
  // A folder where the page should be: the rename over it fails.
  fs::create_directories(f.site("index.htm/keep"));
  const WriteResult result = f.write();
  EXPECT_TRUE(result.pageFailed);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{"An error has occured while saving " + f.site("index.htm")});
  EXPECT_TRUE(fs::is_directory(f.site("index.htm/keep")));
  // The report is still written, and no temporary file is left behind.
  EXPECT_TRUE(fs::exists(f.menu.Document.ReportPath));
  for (const auto& entry : fs::directory_iterator(f.site())) {
    EXPECT_EQ(entry.path().filename().string().find(".quillon-"), std::string::npos) << entry.path();
  }
}

TEST(PageWriter, AMissingFolderFailsTheSaveAndTheReport) {
  WriterFixture f;
  f.menu.Document.PagePath = f.site("gone/deeper/index.htm");
  const WriteResult result = f.write();
  EXPECT_TRUE(result.pageFailed);
  EXPECT_TRUE(result.reportFailed);
  EXPECT_EQ(f.ui.messageTexts(),
            (std::vector<std::string>{"Error creating class directory: " + f.site("gone/deeper/"),
                                      "Error creating image directory: " + f.site("gone/deeper/"),
                                      "An error has occured while saving " + f.site("gone/deeper/index.htm"),
                                      "An error has occured while saving " + f.site("gone/deeper/index_UPLOADREPORT.TXT")}));
}

TEST(SavePage, AsksForTheLocationStartingFromTheProjectsFolder) {
  WriterFixture f;
  f.menu.Document.PagePath.clear();
  f.menu.Document.AskSaveLocation = true;
  f.menu.Document.NewMenuSetup = true;
  f.ui.pickedFiles.push_back(f.site("chosen.htm"));
  EXPECT_TRUE(SavePage(f.menu, f.context, true));
  ASSERT_EQ(f.ui.fileDialogs.size(), 1u);
  const FileDialogRequest& dialog = f.ui.fileDialogs[0];
  EXPECT_EQ(dialog.title, "Please set the Save location");
  EXPECT_EQ(dialog.filter, "HTML Files|*.htm;*.html");
  EXPECT_EQ(dialog.initialDir, f.program("projects/"));
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
