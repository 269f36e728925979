#include "app/commander.hpp"

#include <filesystem>
#include <stdexcept>

#include "app/demo_copy.hpp"
#include "app/theme_swap.hpp"
#include "format/page_reader.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

bool fileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The page's folder as a browser address, without the trailing separator.
std::string folderAddress(const std::string& pagePath) {
  std::string folder = extractFilePath(pagePath);
  if (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return localPathToFileURL(folder);
}

}  // namespace

// Marks a command as running for its lifetime; a second one started meanwhile is refused.
class CommandScope {
 public:
  explicit CommandScope(Commander& commander) : commander_(commander), entered_(commander.begin()) {}
  ~CommandScope() {
    if (entered_) commander_.end();
  }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;
  explicit operator bool() const { return entered_; }

 private:
  Commander& commander_;
  bool entered_;
};

Commander::Commander(CommanderPorts ports) : ports_(std::move(ports)), recentFiles_(ports_.userSettings) {
  ports_.userSettings.write("", "Path", ports_.programFolder);
  menu_.Document.AskSaveLocation = true;
  showPagesForKind(state_, akTab);
}

bool Commander::begin() {
  if (running_) return false;
  running_ = true;
  return true;
}

WriterContext Commander::writerContext() {
  WriterContext context{ports_.ui, ports_.clipboard, ports_.programSettings, ports_.programFolder, {}, {},
                        ports_.projectsFolder};
  context.addRecentFile = [this](const std::string& path) { recentFiles_.addRecentFile(path); };
  context.reviewUploadReport = [this] {
    // The review runs a whole second write inside the first, as the report question asks.
    if (!checkDefaultImages("viewing \"Upload Report\".")) return;
    menu_.Document.OfferReportReview = false;
    WriterContext inner = writerContext();
    SavePage(menu_, inner, menu_.Document.AskSaveLocation);
    ports_.windows.showUploadReport(menu_.Document.ReportPath);
  };
  return context;
}

bool Commander::savePageNow(bool ask, WriteResult* result) {
  WriterContext context = writerContext();
  WriteResult written;
  const bool ran = SavePage(menu_, context, ask, &written);
  if (ran && written.ok() && !written.writtenPath.empty() && written.writtenPath == menu_.Document.PagePath) {
    saved_.emplace(menu_);
  }
  if (result) *result = written;
  return ran;
}

bool Commander::changedSinceSaved() const { return !saved_ || *saved_ != MenuSnapshot(menu_); }

bool Commander::mayReplaceMenu() {
  if (!state_.menuOpen || !changedSinceSaved()) return true;
  switch (ports_.ui.ask(MessageKind::Information, "Do you want to save your work", Buttons::YesNoCancel)) {
    case Answer::No: return true;
    case Answer::Yes:
      // A save that failed or was cancelled leaves the changes to keep.
      saveWithCheck(SaveTrigger::Toolbar);
      return !changedSinceSaved();
    default: return false;
  }
}

void Commander::takeBodyColors() {
  // A page without a body tag leaves the settings as they were.
  if (!menu_.Document.BodyTag.empty()) pageStyle_.body = parseBodyTag(menu_.Document.BodyTag);
}

void Commander::showMenuOpen() { state_.menuOpen = true; }

void Commander::showNoMenu() { state_.menuOpen = false; }

bool Commander::checkDefaultImages(const std::string& action) {
  const TAppletSettings& s = menu_.Settings;
  const bool missing = s.DefFolderClosed == -1 || s.DefFolderOpen == -1 || s.DefLeaf == -1;
  if (s.Kind == akTab || s.ProxyEnhanced || !s.UseIcons || menu_.Document.NewMenuSetup || !missing) return true;
  state_.activePage = SettingsPage::Tree;
  ports_.ui.message(MessageKind::Error, "Please specify default images before " + action + "\n" +
                                            "Alternatively, deselect \"Icons\" on the \"Tree Style\" tab.");
  return false;
}

void Commander::loadStockImages() {
  const std::string folder = ports_.programFolder + "files/JClass/jimages/";
  TAppletSettings& s = menu_.Settings;
  const std::pair<const char*, std::int32_t*> stock[] = {
      {"BookC.gif", &s.DefFolderClosed}, {"BookO.gif", &s.DefFolderOpen}, {"Leaf.gif", &s.DefLeaf}};
  for (const auto& [name, setting] : stock) {
    const std::string path = folder + name;
    if (!fileExists(path)) continue;
    const int index = menu_.Images.AddImage(path);
    if (index < 0) {
      ports_.ui.message(MessageKind::Error, "Image Error: " + path + " must be 16x16.");
      continue;
    }
    *setting = index;
  }
  if (menu_.tabCount() > 0 && !menu_.tab(0).Nodes.empty()) {
    menu_.tab(0).Nodes.root().children().front()->Data.CollapsedImage = s.DefLeaf;
  }
}

void Commander::newMenu() {
  CommandScope scope(*this);
  if (!scope) return;
  const std::optional<NewMenuChoice> choice = ports_.windows.chooseNewMenu();
  if (!choice || !mayReplaceMenu()) return;
  const TAppletKind kind = choice->kind <= akTabTree ? static_cast<TAppletKind>(choice->kind) : akTabTree;

  resetToNewMenu(menu_, kind);
  pageStyle_ = PageStyle{};
  showPagesForKind(state_, kind);
  showMenuOpen();
  DocumentState& document = menu_.Document;
  document.ImagesFromPage = false;
  document.NewMenuSetup = true;
  document.AskSaveLocation = true;

  if (!choice->themePage.empty()) {
    ReaderContext reader{ports_.ui};
    reader.importingTheme = true;
    if (!ReadPage(menu_, choice->themePage, reader)) {
      document.NewMenuSetup = false;
      showNoMenu();
      return;
    }
    takeBodyColors();
    showPagesForKind(state_, menu_.Settings.Kind);
    document.DemoLoaded = false;
    document.PagePath.clear();
    document.AskSaveLocation = true;
    document.NewMenuSetup = true;
  } else if (kind != akTab) {
    loadStockImages();
  }

  document.OfferReportReview = false;
  document.PreviewMode = false;
  // A cancelled location drops the new menu; a failed save keeps it, to be saved elsewhere.
  if (!savePageNow(true)) showNoMenu();
  document.NewMenuSetup = false;
  document.DeployPagesWritten = false;
  document.DemoLoaded = false;
}

bool Commander::openPage(const std::string& path) {
  showNoMenu();
  menu_.Document.DeployPagesWritten = false;
  ReaderContext reader{ports_.ui};
  reader.maxPageBytes = maxPageBytesSetting(ports_.programSettings);
  const bool found = ReadPage(menu_, path, reader);
  if (found) {
    saved_.emplace(menu_);
    takeBodyColors();
    showPagesForKind(state_, menu_.Settings.Kind);
    showMenuOpen();
  }
  menu_.Document.DemoLoaded = false;
  return found;
}

void Commander::open() {
  CommandScope scope(*this);
  if (!scope) return;
  BusyGuard busy(ports_.ui);
  FileDialogRequest request;
  request.title = "Open";
  request.filter = "Html Files|*.html;*.htm";
  request.initialDir = ports_.programSettings.readOr("History", "LastSaveDir", "");
  request.fileMustExist = true;
  if (auto chosen = ports_.ui.openFile(request); chosen && mayReplaceMenu()) openPage(*chosen);
}

void Commander::save(SaveTrigger trigger) {
  CommandScope scope(*this);
  if (scope) saveWithCheck(trigger);
}

void Commander::saveWithCheck(SaveTrigger trigger) {
  if (trigger == SaveTrigger::Toolbar) menu_.Document.OfferReportReview = false;
  menu_.Document.PreviewMode = false;
  if (!checkDefaultImages(trigger == SaveTrigger::Toolbar ? "saving." : "saveing.")) return;
  savePageNow(menu_.Document.AskSaveLocation);
}

void Commander::saveAs() {
  CommandScope scope(*this);
  if (!scope) return;
  if (!checkDefaultImages("saving.")) return;
  DocumentState& document = menu_.Document;
  const bool askedBefore = document.AskSaveLocation;
  document.OfferReportReview = true;
  document.AskSaveLocation = true;
  document.PreviewMode = false;
  WriteResult result;
  savePageNow(true, &result);
  // A save that failed leaves the document where it was.
  document.AskSaveLocation = result.ok() ? false : askedBefore;
}

void Commander::openInBrowser(const std::string& url) {
  try {
    ports_.browser.open(url);
  } catch (const std::exception& error) {
    ports_.ui.message(MessageKind::Error, error.what());
  }
}

void Commander::preview() {
  CommandScope scope(*this);
  if (!scope) return;
  if (!checkDefaultImages("previewing.")) return;
  DocumentState& document = menu_.Document;
  if (document.DemoLoaded && document.AskSaveLocation && !demoPage_.empty()) return previewDemo();
  document.PreviewMode = true;
  WriteResult result;
  savePageNow(document.AskSaveLocation, &result);
  document.PreviewMode = false;
  if (document.PagePath.empty() || result.writtenPath.empty()) return;
  openInBrowser(folderAddress(document.PagePath) + "/~preview.htm");
}

void Commander::previewDemo() {
  DocumentState& document = menu_.Document;
  // Written as a preview only: the page stays unsaved, and neither the recent
  // pages nor the last save folder come to name the copy.
  document.PagePath = demoPage_;
  document.PreviewMode = true;
  WriterContext context = writerContext();
  context.addRecentFile = nullptr;
  const WriteResult result = WritePage(menu_, context);
  document.PreviewMode = false;
  document.PagePath.clear();
  if (result.ok()) openInBrowser(folderAddress(demoPage_) + "/~demo.htm");
}

void Commander::clipboard() {
  CommandScope scope(*this);
  if (!scope) return;
  if (!checkDefaultImages("generating HTML code.")) return;
  DocumentState& document = menu_.Document;
  document.ClipboardMode = true;
  document.PreviewMode = true;
  WriteResult result;
  const bool copied = savePageNow(document.AskSaveLocation, &result) && result.ok();
  document.PreviewMode = false;
  document.ClipboardMode = false;
  if (copied) ports_.ui.showStatus("The HTML code is on the clipboard.");
}

void Commander::uploadReport() {
  CommandScope scope(*this);
  if (!scope) return;
  if (!checkDefaultImages("viewing \"Upload Report\".")) return;
  menu_.Document.OfferReportReview = false;
  savePageNow(menu_.Document.AskSaveLocation);
  ports_.windows.showUploadReport(menu_.Document.ReportPath);
}

void Commander::demo() {
  CommandScope scope(*this);
  if (!scope) return;
  BusyGuard busy(ports_.ui);
  const std::string path = ports_.programFolder + "files/" + kDemoPageName;
  if (!fileExists(path)) {
    ports_.ui.message(MessageKind::Error, "An error occured while trying to open " + path);
    return;
  }
  const Answer answer = ports_.ui.ask(
      MessageKind::Information,
      "The Commander will now import a demonstration file of the Quillon(Tab&Tree) applet style.\n\n" + path,
      Buttons::OkCancel);
  if (answer != Answer::Ok || !mayReplaceMenu()) return;
  std::string problem;
  const std::optional<std::string> copy = refreshDemoCopy(ports_.programFolder, ports_.cacheFolder, problem);
  if (!copy) {
    ports_.ui.message(MessageKind::Error, problem);
    return;
  }
  if (!openPage(*copy)) return;
  demoPage_ = *copy;
  menu_.Document.DeployPagesWritten = false;
  menu_.Document.DemoLoaded = true;
  // Not even the copy is saved over: the first save asks where, as after a theme import.
  menu_.Document.PagePath.clear();
  menu_.Document.AskSaveLocation = true;
  ports_.ui.message(MessageKind::Information,
                    "Demonstration successfully imported.\nTo preview, simply click the \"Preview\" button.");
}

void Commander::changeTheme() {
  CommandScope scope(*this);
  if (!scope || !state_.menuOpen) return;
  const std::optional<std::string> themePage = ports_.windows.chooseTheme(menu_.Settings.Kind);
  if (!themePage || themePage->empty()) return;
  if (swapThemes(menu_, *themePage, ports_.ui)) {
    takeBodyColors();
    showMenuOpen();
  } else {
    showNoMenu();
  }
}

void Commander::fileMenuOpened() { recentFiles_.loadRecentFiles(); }

void Commander::openRecent(int entry) {
  CommandScope scope(*this);
  if (!scope || entry < 1 || entry > RecentFiles::kSlots) return;
  BusyGuard busy(ports_.ui);
  const std::string path = recentFiles_.entries()[static_cast<std::size_t>(entry - 1)];
  if (path.empty() || !fileExists(path)) {
    ports_.ui.message(MessageKind::Error, "Could not loacte file.");
  } else if (mayReplaceMenu()) {
    openPage(path);
  } else {
    return;
  }
  menu_.Document.DemoLoaded = false;
}

bool Commander::askToSaveFirst(const std::string& question) {
  const bool yes = ports_.ui.ask(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
  if (yes) saveWithCheck(SaveTrigger::Toolbar);
  return yes;
}

void Commander::siteIndexer(std::optional<int> mode) {
  CommandScope scope(*this);
  if (!scope) return;
  ports_.windows.showSiteIndexer(mode);
}

void Commander::deploy(std::optional<int> mode) {
  CommandScope scope(*this);
  if (!scope) return;
  askToSaveFirst("You have to save your work before you can deploy it.\n\nDo you want to save now?");
  // The start pages take the applet size by the rules its page is written with.
  applySizeRules(menu_.Settings);
  ports_.windows.showDeploy(mode);
}

void Commander::generate() {
  CommandScope scope(*this);
  if (!scope) return;
  askToSaveFirst(
      "You have to save your work before you can generate an alternative Navigation System.\n\nDo you want to save "
      "now?");
  ports_.windows.showGenerator(std::nullopt);
}

void Commander::generateTreeView() {
  CommandScope scope(*this);
  if (!scope) return;
  askToSaveFirst(
      "You have to save your work before you can generate the \"JavaScript Tree View\".\n\nDo you want to save now?");
  ports_.windows.showGenerator(0);
}

void Commander::generateDropDown() {
  CommandScope scope(*this);
  if (!scope) return;
  ports_.windows.showGenerator(1);
}

void Commander::generateSiteMap() {
  CommandScope scope(*this);
  if (!scope) return;
  ports_.windows.showGenerator(2);
}

void Commander::about() { ports_.windows.showAbout(); }

void Commander::help(HelpPage page) {
  const char* file = "files/OrvelCommander.htm";
  switch (page) {
    case HelpPage::Commander: break;
    case HelpPage::Documentation:
    case HelpPage::AppletSamples: file = "files/start.htm"; break;
    case HelpPage::TreeViewSamples: file = "files/OrvelTreeView.htm"; break;
    case HelpPage::DropDownSamples: file = "files/OrvelDropDown.htm"; break;
    case HelpPage::SiteMapSamples: file = "files/OrvelSiteMap.htm"; break;
  }
  openInBrowser(localPathToFileURL(ports_.programFolder + file));
}

void Commander::vendorSite(VendorSite site) {
  switch (site) {
    case VendorSite::UsEast: return openInBrowser("https://us-east.morvane.example/");
    case VendorSite::UsWest: return openInBrowser("https://us-west.morvane.example/");
    case VendorSite::Australia: break;
  }
  openInBrowser("https://au.morvane.example/");
}

void Commander::close() {
  if (state_.menuOpen &&
      ports_.ui.ask(MessageKind::Information, "Do you want to save your work", Buttons::YesNo) == Answer::Yes) {
    saveWithCheck(SaveTrigger::Toolbar);
  }
  if (!menu_.Document.PagePath.empty()) {
    std::error_code ignored;
    fs::remove(extractFilePath(menu_.Document.PagePath) + kPreviewPageName, ignored);
  }
  showNoMenu();
}

}  // namespace quillon
