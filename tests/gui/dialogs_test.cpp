// The small modal windows: the upload report viewer and the insert-position question.
#include "gui/insert_node_dialog.hpp"
#include "gui/upload_report_dialog.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace quillon::gui {
namespace {

QStringList items(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

class UploadReportDialogTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  UploadReportDialog dialog{ui};
  std::string report = temp.file("index_UPLOADREPORT.TXT");
};

TEST_F(UploadReportDialogTest, BeforeTheFirstSaveOnlyTheHintShows) {
  for (const std::string& path : {std::string(), report}) {
    dialog.loadUploadReport(path);
    EXPECT_EQ(items(*dialog.list()), QStringList{"You need to save your work to generate Upload Report!"});
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UploadReportDialogTest, ShowsTheReportsLinesInOrderEmptyOnesIncluded) {
  testing::writeFile(report, "Upload Report\r\n\r\n  index.htm\r\n  caf\xC3\xA9.gif\n  \xE9t\xE9.gif\n");
  dialog.loadUploadReport(report);
  EXPECT_EQ(items(*dialog.list()),
            (QStringList{"Upload Report", "", "  index.htm", QString::fromUtf8("  caf\xC3\xA9.gif"),
                         QString::fromLatin1("  \xE9t\xE9.gif")}));
}

TEST_F(UploadReportDialogTest, ShowingAgainShowsTheCurrentReportNotBoth) {
  testing::writeFile(report, "first\n");
  dialog.loadUploadReport(report);
  testing::writeFile(report, "second\nthird\n");
  dialog.loadUploadReport(report);
  EXPECT_EQ(items(*dialog.list()), (QStringList{"second", "third"}));
}

TEST_F(UploadReportDialogTest, TheExitButtonClosesTheWindow) {
  testing::writeFile(report, "line\n");
  QTimer::singleShot(0, &dialog, [this] { dialog.exitButton()->click(); });
  dialog.showReport(report);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Upload Report");
}

TEST(InsertNodeDialog, EachButtonGivesItsAnswerAndAboveIsTheDefault) {
  InsertNodeDialog dialog;
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Confirm");
  EXPECT_TRUE(dialog.aboveButton()->isDefault());
  const std::pair<QPushButton*, InsertPosition> cases[] = {
      {dialog.aboveButton(), InsertPosition::Above},
      {dialog.belowButton(), InsertPosition::Below},
      {dialog.cancelButton(), InsertPosition::Cancel},
  };
  for (const auto& [button, expected] : cases) {
    QTimer::singleShot(0, &dialog, [button] { button->click(); });
    EXPECT_EQ(dialog.ask(), expected) << button->text().toStdString();
  }
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
  EXPECT_EQ(dialog.ask(), InsertPosition::Cancel);
}

}  // namespace
}  // namespace quillon::gui
