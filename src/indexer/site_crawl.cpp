#include "indexer/site_crawl.hpp"

#include <stdexcept>
#include <unordered_set>

#include "format/text_helpers.hpp"
#include "indexer/crawl_queue.hpp"
#include "indexer/page_text.hpp"
#include "indexer/tree_nodes.hpp"

namespace quillon {

namespace {

// A caption or status text written as "//..." loses the two slashes (and is
// kept to its first 1000 characters then).
std::string withoutLeadingSlashes(const std::string& text) {
  return text.starts_with("//") ? midStr(text, 3, 1000) : text;
}

class SiteCrawl {
 public:
  SiteCrawl(CrawlMode mode, const SiteNodeSettings& settings, const CrawlLimits& limits,
            CrawlSurroundings& surroundings)
      : mode_(mode),
        settings_(settings),
        limits_(limits),
        env_(surroundings),
        log_(surroundings.state.log),
        queue_(mode) {}

  CrawlResult run(const std::string& startAddress);

 private:
  void processEntry(std::size_t index);
  void extractLinks(std::size_t index, const std::string& pageText);
  std::string statusText(const std::string& rawLink, const std::string& linkName, const std::string& title) const;
  std::string nodeText(const std::string& rawLink, const std::string& linkName, const std::string& title,
                       const std::string& address) const;
  bool pageLimitReached() const { return limits_.maxPages && pagesAttempted_ >= *limits_.maxPages; }
  bool depthAllowsLinks(const QueueEntry& entry) const { return !limits_.maxDepth || entry.depth < *limits_.maxDepth; }
  NodeTree& tree();
  void saveLog() const;
  // The message box of a walk that cannot go on; the walk ends as if aborted.
  void reportFailure();

  CrawlMode mode_;
  const SiteNodeSettings& settings_;
  const CrawlLimits& limits_;
  CrawlSurroundings& env_;
  CrawlLog& log_;
  CrawlQueue queue_;
  std::string start_;
  std::string codebase_;
  std::size_t pagesAttempted_ = 0;
  CrawlResult result_;
  std::unordered_set<std::string> pagesRead_;
};

NodeTree& SiteCrawl::tree() {
  TAppletPage* tab = env_.menu.CurrentTab();
  if (tab == nullptr) throw std::runtime_error("the menu has no tree");
  return tab->Nodes;
}

CrawlResult SiteCrawl::run(const std::string& startAddress) {
  IndexerState& state = env_.state;
  state.abortRequested = false;
  start_ = startAddress;
  if (start_.ends_with('/')) start_.pop_back();
  // Nothing to start from: no node and no walk.
  if (trim(start_).empty()) {
    reportFailure();
  } else {
    queue_.append({start_, start_, start_, false, kNoTitle, nullptr, nullptr, 0});
    codebase_ = getCodebase(mode_, start_);
  }

  for (std::size_t i = 0; i < queue_.size(); ++i) {
    try {
      if (!queue_.repeatsEarlierEntry(i)) processEntry(i);
    } catch (const std::exception&) {
      state.indicator.stop();
      reportFailure();
      break;
    }
    // Pending window events run here, so that Abort can be pressed.
    env_.ui.processEvents();
    if (state.abortRequested) break;
  }

  result_.succeeded = !state.abortRequested;
  if (result_.succeeded) env_.ui.message(MessageKind::Information, "Site successfully indexed");
  if (mode_ == CrawlMode::Local) state.setBusy(false);
  saveLog();
  return std::move(result_);
}

void SiteCrawl::reportFailure() {
  env_.ui.message(MessageKind::Information, mode_ == CrawlMode::Local
                                                ? "Site could not be indexed.\n\nPlease check \"Index File\"!"
                                                : "Site could not be indexed.\n\nPlease check \"URL\"!");
  env_.state.abortRequested = true;
}

void SiteCrawl::processEntry(std::size_t index) {
  QueueEntry& entry = queue_[index];
  const std::string& address = entry.address;
  log_.add(" ");
  log_.add(">>> PROCESSING: ", address);
  env_.state.indicator.start();
  std::string title;
  std::optional<std::string> pageText;
  bool pageSkipped = false;
  const bool external = isExternalLink(mode_, codebase_, address);
  const bool internalPage = isHTMLFile(address) && !external;

  if (entry.expanded) {
    log_.add("  > ALREADY INDEXED: ", address);
    title = entry.title;
  } else if (index == 0 || internalPage) {
    if (pageLimitReached()) {
      log_.add("  > PAGE LIMIT REACHED: ", address);
      pageSkipped = true;
    } else {
      ++pagesAttempted_;
      const PageRead page = env_.pages.read(address);
      // A start page that cannot be had (as the walk uses it, final "/" dropped) ends the
      // walk without the success message, whether a server failed it or no file is there.
      if ((page.fetchFailed || !page.read) && address == start_) env_.state.abortRequested = true;
      if (page.read && pagesRead_.insert(address).second) result_.pagesRead.push_back(address);
      pageText = pageTextFromBytes(page.bytes);
      if (pageText) title = getHTMLTitle(*pageText);
    }
  } else {
    title = getFileName(mode_, address);
    log_.add("  > EXTERNAL LINK OR NO HTML FILE: ", address);
  }
  entry.title = title;
  if (title.empty()) title = linkFileName(address);

  const std::string linkName = linkFileName(entry.rawLink);
  NewNode node;
  node.statusText = withoutLeadingSlashes(statusText(entry.rawLink, linkName, title));
  node.text = withoutLeadingSlashes(nodeText(entry.rawLink, linkName, title, address));
  node.link = entry.rawLink;
  node.target = settings_.Target;
  log_.add("  + ADDED TO TREE: ", address);
  log_.add("  +        PARENT: ", entry.parentAddress);
  entry.node = &addTreeNode(tree(), env_.menu.Settings, node, entry.parentNode);

  const bool extract = (!entry.expanded || index == 0) &&
                       (index == 0 || (internalPage && !settings_.FileOnly)) && !pageSkipped &&
                       depthAllowsLinks(entry);
  if (extract) extractLinks(index, pageText.value_or(std::string()));
  env_.state.indicator.stop();
}

void SiteCrawl::extractLinks(std::size_t index, const std::string& pageText) {
  QueueEntry& entry = queue_[index];
  // Copies: the queue grows below, and the entry's own texts are appended from.
  const std::string address = entry.address;
  TreeNode* const node = entry.node;
  const std::size_t depth = entry.depth + 1;
  log_.add("  > EXTRACTING LINKS: ", address);
  for (std::string& link : getHREFLinks(pageText)) {
    std::string linked = trimBookMark(relativeToAbsoluteURL(mode_, codebase_, address, link));
    QueueEntry added{std::move(link), linked, address, false, kNoTitle, nullptr, node, depth};
    const std::optional<std::size_t> found = queue_.find(linked);
    if (!found) {
      log_.add("    Added to queue: ", linked);
    } else if (!queue_[*found].expanded) {
      log_.add("    Found in queue: ", linked);
    } else {
      added.expanded = true;
      added.title = queue_[*found].title;
      log_.add("    Found in queue and already indexed: ", linked);
      queue_.markIndexed(linked, added.title);
    }
    queue_.append(std::move(added));
  }
  entry.expanded = true;
  log_.add("  > LINKS EXTRACTED: ", address);
}

std::string SiteCrawl::statusText(const std::string& rawLink, const std::string& linkName,
                                  const std::string& title) const {
  if (settings_.StatusBar == kURL) return env_.linkPath(rawLink);
  if (!isHTMLFile(rawLink)) return afterLastBackslashOrColon(rawLink);
  return settings_.StatusBar == kHTMLFileTitle ? title : linkName;
}

std::string SiteCrawl::nodeText(const std::string& rawLink, const std::string& linkName, const std::string& title,
                                const std::string& address) const {
  std::string text = linkName;
  if (settings_.NodeText == kURL) {
    text = env_.linkPath(rawLink);
  } else if (isHTMLFile(rawLink) && settings_.NodeText == kHTMLFileTitle) {
    // A width that is no number leaves the link's name.
    if (const std::optional<long long> width = parseWholeNumber(settings_.MaxWidth)) {
      text = leadingCharacters(title, *width);
    }
  }
  return text.empty() ? address : text;
}

void SiteCrawl::saveLog() const {
  const std::string& page = env_.menu.Document.PagePath;
  // A menu never saved has no folder for its log; the window still shows it.
  if (page.empty()) return;
  log_.saveTo(extractFilePath(page) + kCrawlLogName);
}

}  // namespace

CrawlResult crawlSite(CrawlMode mode, const std::string& startAddress, const SiteNodeSettings& settings,
                      const CrawlLimits& limits, CrawlSurroundings& surroundings) {
  return SiteCrawl(mode, settings, limits, surroundings).run(startAddress);
}

}  // namespace quillon
