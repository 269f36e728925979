#include "indexer/site_indexer.hpp"

#include <algorithm>

#include "format/text_helpers.hpp"
#include "indexer/address_patterns.hpp"
#include "indexer/http_page_source.hpp"
#include "indexer/local_files.hpp"
#include "indexer/sitemap_nodes.hpp"

namespace quillon {

namespace {

// Lets Abort reach the web source of the run under way, while it lives.
class AbortReach {
 public:
  AbortReach(HttpPageSource*& slot, HttpPageSource& pages) : slot_(slot) { slot_ = &pages; }
  ~AbortReach() { slot_ = nullptr; }
  AbortReach(const AbortReach&) = delete;
  AbortReach& operator=(const AbortReach&) = delete;

 private:
  HttpPageSource*& slot_;
};

// Marks a run for its duration, so that a second start is refused.
class RunScope {
 public:
  explicit RunScope(IndexerState& state) : state_(state) { state_.setRunning(true); }
  ~RunScope() { state_.setRunning(false); }
  RunScope(const RunScope&) = delete;
  RunScope& operator=(const RunScope&) = delete;

 private:
  IndexerState& state_;
};

const char* helpPageName(IndexerTab tab) {
  switch (tab) {
    case IndexerTab::Internet:
    case IndexerTab::Sitemap: return "files/OrvelSiteXInternet.htm";
    case IndexerTab::LocalSite: return "files/OrvelSiteXLocal.htm";
    case IndexerTab::LocalFiles: break;
  }
  return "files/OrvelSiteXFiles.htm";
}

}  // namespace

const std::vector<std::string>& indexerTabCaptions() {
  static const std::vector<std::string> captions = {"Internet, Intranet or Extranet Site", "Local Network Site",
                                                    "Add Local Network Files", "XML Sitemap"};
  return captions;
}

IndexerLayout indexerLayout(IndexerTab tab) {
  IndexerLayout layout;
  layout.internetGroup = tab == IndexerTab::Internet;
  layout.sitemapGroup = tab == IndexerTab::Sitemap;
  layout.driveGroup = tab == IndexerTab::LocalSite;
  layout.siteGroup = tab != IndexerTab::LocalFiles;
  layout.localDirGroup = tab == IndexerTab::LocalFiles;
  layout.logAndAbort = tab != IndexerTab::LocalFiles;
  layout.startCaption = tab == IndexerTab::LocalFiles ? "Browse" : "Index";
  return layout;
}

// The window repaints and its Abort button works while a page is fetched.
SiteIndexer::SiteIndexer(IndexerPorts ports) : ports_(std::move(ports)), pump_(loop_, ports_.ui) {}

void SiteIndexer::formShow(std::optional<int> mode) {
  if (!settingsLoaded_) {
    loadIndexerSettings(ports_.programSettings, settings);
    settingsLoaded_ = true;
  }
  state_.log.clear();
  if (mode && *mode >= 0 && *mode <= 3) tab_ = static_cast<IndexerTab>(*mode);
  tabChanged(tab_);
}

void SiteIndexer::tabChanged(IndexerTab tab) {
  tab_ = tab;
  if (tab == IndexerTab::Internet || tab == IndexerTab::Sitemap) localMode_ = false;
  if (tab == IndexerTab::LocalSite) localMode_ = true;
  state_.setBusy(false);
}

void SiteIndexer::start() {
  if (state_.running()) return;
  state_.log.clear();
  BusyGuard cursor(ports_.ui);
  if (localMode_) state_.setBusy(true);
  if (tab_ == IndexerTab::LocalFiles) {
    browseDir();
  } else if (tab_ == IndexerTab::Sitemap) {
    indexSitemap(trim(settings.Sitemap));
  } else {
    crawl(localMode_ ? settings.LocalFile : settings.URL);
  }
}

CrawlResult SiteIndexer::crawl(const std::string& startAddress) {
  RunScope run(state_);
  std::string problem;
  const std::optional<CrawlLimits> limits = crawlLimitsOf(settings.Limits, problem);
  if (!limits) {
    ports_.ui.message(MessageKind::Error, problem);
    return {};
  }
  const CrawlRules rules{*limits, settings.ObeyRobots, settings.PagesByType, settings.HonourCrawlDelay,
                         {patternsOfField(settings.Include), patternsOfField(settings.Exclude)}};
  if (localMode_) {
    LocalPageSource pages(state_.log);
    CrawlSurroundings local{ports_.ui, ports_.menu, state_, pages, ports_.linkPath};
    return crawlSite(CrawlMode::Local, startAddress, settings.Site, rules, local);
  }
  const std::unique_ptr<DownloadFolder> downloads = DownloadFolder::makeIn(ports_.cacheFolder, problem);
  if (!downloads) {
    ports_.ui.message(MessageKind::Error, problem);
    return {};
  }
  HttpPageSource pages(loop_, pump_, *downloads, state_, {settings.ProxyHost, settings.ProxyPort},
                       {limits->pageTime}, {limits->connections, limits->hostDelay});
  CrawlSurroundings internet{ports_.ui, ports_.menu, state_, pages, ports_.linkPath};
  internet.spaceRequests = [&pages](const std::string& host, std::chrono::milliseconds gap) {
    pages.spaceRequests(host, gap);
  };
  const AbortReach reach(webPages_, pages);
  return crawlSite(CrawlMode::Internet, startAddress, settings.Site, rules, internet);
}

CrawlResult SiteIndexer::indexSitemap(const std::string& sitemap) {
  RunScope run(state_);
  std::string problem;
  const std::optional<CrawlLimits> limits = crawlLimitsOf(settings.Limits, problem);
  const std::unique_ptr<DownloadFolder> downloads =
      limits ? DownloadFolder::makeIn(ports_.cacheFolder, problem) : nullptr;
  if (!downloads) {
    ports_.ui.message(MessageKind::Error, problem);
    return {};
  }
  const ProxySettings proxy{settings.ProxyHost, settings.ProxyPort};
  SitemapReadLimits readLimits;
  readLimits.maxAddresses = limits->maxPages;
  readLimits.maxAddressLength = limits->maxAddressLength;
  const FetchPace pace{limits->connections, limits->hostDelay};
  std::optional<SitemapListing> listing;
  {
    // A sitemap may be larger than a page.
    HttpPageSource sitemaps(loop_, pump_, *downloads, state_, proxy, {limits->pageTime, readLimits.bytesPerFile}, pace);
    const AbortReach reach(webPages_, sitemaps);
    listing = readSitemaps(sitemap, readLimits, sitemaps, state_.log, problem);
  }
  if (!listing) {
    ports_.ui.message(MessageKind::Error, problem);
    return {};
  }
  const AddressPatterns patterns{patternsOfField(settings.Include), patternsOfField(settings.Exclude)};
  std::erase_if(listing->addresses, [&](const std::string& address) {
    const std::optional<std::string> leftOut = patterns.refusal(address);
    if (leftOut) state_.log.add(*leftOut);
    return leftOut.has_value();
  });
  const CrawlRules rules{*limits, settings.ObeyRobots, settings.PagesByType, settings.HonourCrawlDelay, patterns};
  HttpPageSource pages(loop_, pump_, *downloads, state_, proxy, {limits->pageTime}, pace);
  CrawlSurroundings internet{ports_.ui, ports_.menu, state_, pages, ports_.linkPath};
  const AbortReach reach(webPages_, pages);
  return addSitemapNodes(*listing, settings.Site, rules, internet);
}

bool SiteIndexer::addLocalFiles(const std::vector<std::string>& files) {
  RunScope run(state_);
  LocalFilesSurroundings surroundings{ports_.ui, ports_.menu, state_, ports_.linkPath};
  return quillon::addLocalFiles(files, settings.Files, surroundings);
}

void SiteIndexer::browseDir() {
  FileDialogRequest request;
  request.title = "Highlight all documents you wish to add";
  request.filter = "HTML files (*.htm, *.html)|*.htm;*.html|All Files|*.*";
  request.initialDir = settings.Files.LocalDir;
  request.multiSelect = true;
  request.fileMustExist = true;
  const std::vector<std::string> files = ports_.ui.openFiles(request);
  if (!files.empty()) addLocalFiles(files);
  state_.setBusy(false);
}

void SiteIndexer::abortButtonClick() {
  if (ports_.ui.ask(MessageKind::Confirmation, "Stop Auto Indexer", Buttons::YesNo) != Answer::Yes) return;
  if (webPages_ != nullptr) webPages_->cancelAll();
  state_.abortRequested = true;
  if (localMode_) state_.setBusy(false);
}

void SiteIndexer::abortLabelClick() {
  if (!localMode_ && webPages_ != nullptr) webPages_->cancelCurrent();
}

bool SiteIndexer::formClose() {
  if (state_.running()) return false;
  saveIndexerSettings(ports_.programSettings, settings);
  return true;
}

void SiteIndexer::browseFile() {
  FileDialogRequest request;
  request.title = "Select File";
  request.filter = "Html Files|*.html;*.htm";
  request.initialDir = ports_.programSettings.readOr(kIndexerSection, "LastBrowseDir", "");
  request.fileMustExist = true;
  const std::optional<std::string> file = ports_.ui.openFile(request);
  if (!file) return;
  settings.LocalFile = *file;
  ports_.programSettings.write(kIndexerSection, "LastBrowseDir", extractFilePath(*file));
}

void SiteIndexer::browseSitemap() {
  FileDialogRequest request;
  request.title = "Select Sitemap";
  request.filter = "Sitemaps (*.xml, *.xml.gz, robots.txt)|*.xml;*.gz;robots.txt|All Files|*.*";
  request.initialDir = extractFilePath(settings.Sitemap);
  request.fileMustExist = true;
  if (const std::optional<std::string> file = ports_.ui.openFile(request)) settings.Sitemap = *file;
}

void SiteIndexer::help() {
  try {
    ports_.browser.open(localPathToFileURL(ports_.programFolder + helpPageName(tab_)));
  } catch (const std::exception& error) {
    ports_.ui.message(MessageKind::Error, error.what());
  }
}

}  // namespace quillon
