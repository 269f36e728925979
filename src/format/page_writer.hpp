#pragma once
// Saves the menu as its applet page: the page (or its preview copy, or the
// clipboard), the content files, the site files and the upload report.
#include <functional>
#include <string>

#include "model/menu_model.hpp"
#include "ports/clipboard.hpp"
#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct WriterContext {
  UserInterface& ui;
  Clipboard& clipboard;
  // The settings file beside the program.
  SettingsStore& programSettings;
  // The program folder with a trailing "/", where the applets are shipped;
  // empty when it cannot be found.
  std::string programFolder;
  // Called with the page path after every run of the writer.
  std::function<void(const std::string&)> addRecentFile;
  // Runs the "review upload report" command when the user asks for it.
  std::function<void()> reviewUploadReport;
  // Where a page never saved is first offered, with a trailing "/"; made when
  // the location is asked for. Empty: the current folder.
  std::string projectsFolder = {};
};

struct WriteResult {
  std::string writtenPath;  // the page or preview written; empty when none
  std::string failure;      // the message of a save that changed nothing
  bool ok() const { return failure.empty(); }
};

// Writes the page for the model's PagePath, which must be set, honouring the
// document's PreviewMode, ClipboardMode and OfferReportReview. All or nothing:
// on a failure the site stays as it was, the failure is shown, and neither
// the success message, the report question nor the recent list follows.
WriteResult WritePage(MenuModel& menu, WriterContext& context);

// Asks for the location first when ask is set; nothing when the user cancels.
// A failed save keeps the page path and AskSaveLocation as they were.
// Returns whether the writer ran.
bool SavePage(MenuModel& menu, WriterContext& context, bool ask, WriteResult* result = nullptr);

inline constexpr const char* kPreviewPageName = "~preview.htm";

}  // namespace quillon
