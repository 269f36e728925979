#include "indexer/site_crawl.hpp"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <deque>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "format/text_helpers.hpp"
#include "indexer/crawl_queue.hpp"
#include "indexer/download_folder.hpp"
#include "indexer/host_pacing.hpp"
#include "indexer/page_text.hpp"
#include "indexer/robots_rules.hpp"
#include "indexer/tree_nodes.hpp"
#include "format/web_address.hpp"

namespace quillon {

// However many pages the walk may read, this many links for each of them is
// as far as the queue (and the tree) grows.
constexpr std::size_t kLinksPerPage = 50;

// Reads announced to the pages' source and not yet made, at most.
constexpr std::size_t kReadAhead = 64;

std::string crawlLogPath(const MenuModel& menu) {
  const std::string& page = menu.Document.PagePath;
  return page.empty() ? std::string() : extractFilePath(page) + kCrawlLogName;
}

void saveCrawlLog(CrawlSurroundings& surroundings) {
  const std::string path = crawlLogPath(surroundings.menu);
  if (!path.empty() && !surroundings.state.log.save())
    surroundings.ui.message(MessageKind::Error, "The log " + path + " could not be written.");
}

bool isKnownNonPage(const std::string& address) {
  static const std::unordered_set<std::string> kExtensions = {
      "gif", "jpg", "jpeg", "png", "bmp", "ico", "svg", "webp", "css", "js",  "pdf", "zip", "gz",  "tgz", "bz2",
      "xz",  "7z",  "rar",  "tar", "mp3", "mp4", "avi", "mov",  "wav", "au", "mid", "ogg", "webm", "exe", "dmg",
      "iso", "jar", "class", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "woff", "woff2", "ttf", "eot"};
  const std::string path = address.substr(0, address.find_first_of("?#"));
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  return kExtensions.contains(lowerAscii(path.substr(dot + 1)));
}

namespace {

// The "#" part of a link, with its "#"; empty when it has none.
std::string bookmarkOf(const std::string& link) {
  const std::size_t at = link.find('#');
  return at == std::string::npos || at == 0 ? std::string() : link.substr(at);
}

std::string shortenedForLog(const std::string& address, std::size_t length) {
  return address.size() <= length ? address : address.substr(0, length) + "...";
}

class SiteCrawl {
 public:
  SiteCrawl(CrawlMode mode, const SiteNodeSettings& settings, const CrawlRules& rules,
            CrawlSurroundings& surroundings)
      : mode_(mode),
        settings_(settings),
        rules_(rules),
        limits_(rules.limits),
        env_(surroundings),
        log_(surroundings.state.log),
        queue_(mode) {}

  CrawlResult run(const std::string& startAddress);

 private:
  void processEntry(std::size_t index);
  // Reads the entry's page, unless a limit or robots.txt refuses it (the log says which).
  std::optional<PageRead> readPage(std::size_t index, bool byExtension);
  std::optional<std::string> refusal(std::size_t index);
  bool robotsAllow(const std::string& address);
  // Announces the reads the walk will make after entry `processed`, in its
  // order, so that the source may fetch them meanwhile.
  void announceReads(std::size_t processed);
  // Whether the walk will read the entry when it comes to it; nothing while
  // that cannot be told yet (robots.txt of its site unread, the page limit
  // reached by reads announced).
  std::optional<bool> willRead(std::size_t index) const;
  // The links of the entry's page become entries under its node.
  void extractLinks(std::size_t index, TreeNode* node, const std::string& pageText, const std::string& base);
  std::string nodeLink(const std::string& rawLink, const std::string& resolved) const;
  bool timeIsUp() const { return env_.now() - started_ >= limits_.maxTime; }
  NodeTree& tree();
  std::string addressOf(std::size_t index) const { return std::string(queue_.text(queue_[index].address)); }
  // The message box of a walk that cannot go on; the walk ends as if aborted.
  void reportFailure();

  CrawlMode mode_;
  const SiteNodeSettings& settings_;
  const CrawlRules& rules_;
  const CrawlLimits& limits_;
  CrawlSurroundings& env_;
  CrawlLog& log_;
  CrawlQueue queue_;
  std::string codebase_;
  std::chrono::steady_clock::time_point started_;
  std::size_t pagesRequested_ = 0;
  bool linkLimitLogged_ = false;
  CrawlResult result_;
  std::unordered_map<std::string, RobotsRules> robots_;
  // The next entry to consider announcing, and those announced, in order, with their addresses.
  std::size_t announceNext_ = 1;
  std::deque<std::size_t> announced_;
  std::unordered_set<TextId> announcedAddresses_;
};

NodeTree& SiteCrawl::tree() {
  TAppletPage* tab = env_.menu.CurrentTab();
  if (tab == nullptr) throw std::runtime_error("the menu has no tree");
  return tab->Nodes;
}

CrawlResult SiteCrawl::run(const std::string& startAddress) {
  IndexerState& state = env_.state;
  state.abortRequested = false;
  started_ = env_.now();
  if (const std::string logFile = crawlLogPath(env_.menu); !logFile.empty()) log_.streamTo(logFile);
  std::string start = startAddress;
  // A site on disk starts from a file; a web address naming a folder keeps its "/".
  if (mode_ == CrawlMode::Local && start.ends_with('/')) start.pop_back();
  // Nothing to start from: no node and no walk.
  if (trim(start).empty()) {
    reportFailure();
  } else {
    const std::string resolved = mode_ == CrawlMode::Internet ? normalWebAddress(start) : start;
    const std::string address = trimBookMark(resolved);
    queue_.append({start, address, address, false, kNoTitle, nullptr, 0, nodeLink(start, resolved)});
    codebase_ = getCodebase(mode_, address);
  }

  for (std::size_t i = 0; i < queue_.size(); ++i) {
    try {
      if (!queue_.repeatsEarlierEntry(i)) processEntry(i);
    } catch (const StoreError& error) {
      state.indicator.stop();
      log_.add("*** ", error.what());
      env_.ui.message(MessageKind::Error, error.what());
      state.abortRequested = true;
      break;
    } catch (const std::exception& error) {
      state.indicator.stop();
      log_.add("*** ", error.what());
      reportFailure();
      break;
    }
    // Pending window events run here, so that Abort can be pressed.
    env_.ui.processEvents();
    if (state.abortRequested) break;
    if (i + 1 < queue_.size() && timeIsUp()) {
      log_.add("*** TIME LIMIT REACHED (Max Minutes = " +
               std::to_string(std::chrono::duration_cast<std::chrono::minutes>(limits_.maxTime).count()) +
               "): the walk ends here");
      break;
    }
    announceReads(i);
    if (state.onProgress) state.onProgress({result_.pagesRead.size(), queue_.size() - i - 1});
  }

  result_.succeeded = !state.abortRequested;
  if (result_.succeeded) env_.ui.message(MessageKind::Information, "Site successfully indexed");
  if (mode_ == CrawlMode::Local) state.setBusy(false);
  saveCrawlLog(env_);
  return std::move(result_);
}

void SiteCrawl::reportFailure() {
  env_.ui.message(MessageKind::Information, mode_ == CrawlMode::Local
                                                ? "Site could not be indexed.\n\nPlease check \"Index File\"!"
                                                : "Site could not be indexed.\n\nPlease check \"URL\"!");
  env_.state.abortRequested = true;
}

std::optional<std::string> SiteCrawl::refusal(std::size_t index) {
  const std::string address = addressOf(index);
  if (index > 0) {
    if (std::optional<std::string> leftOut = rules_.patterns.refusal(address)) return leftOut;
  }
  if (pagesRequested_ >= limits_.maxPages) {
    return "  > PAGE LIMIT REACHED (Max Pages = " + std::to_string(limits_.maxPages) + "): " + address;
  }
  if (address.size() > limits_.maxAddressLength) {
    return "  > URL LENGTH LIMIT REACHED (Max URL Length = " + std::to_string(limits_.maxAddressLength) +
           "): " + shortenedForLog(address, limits_.maxAddressLength);
  }
  if (queryRepeats(address) > limits_.maxQueryRepeats) {
    return "  > QUERY REPEAT LIMIT REACHED (Max Query Repeats = " + std::to_string(limits_.maxQueryRepeats) +
           "): " + address;
  }
  if (mode_ == CrawlMode::Internet && rules_.obeyRobots && !robotsAllow(address)) {
    return "  > FORBIDDEN BY ROBOTS.TXT: " + address;
  }
  return std::nullopt;
}

std::string robotsPath(const WebAddress& web) { return web.path + (web.query ? "?" + *web.query : ""); }

bool SiteCrawl::robotsAllow(const std::string& address) {
  const std::optional<WebAddress> web = parseAbsoluteAddress(address);
  if (!web) return true;
  const std::string origin = originOf(*web);
  auto found = robots_.find(origin);
  if (found == robots_.end()) {
    const std::string file = origin + "/robots.txt";
    log_.add("  > READING ROBOTS.TXT: ", file);
    const PageRead robots = env_.pages.read(file, ReadKind::File);
    // A missing or failing file allows every page.
    RobotsRules rules = robots.read ? RobotsRules(robots.bytes, kRobotsAgent) : RobotsRules();
    log_.add("  > ROBOTS.TXT RULES FOR " + std::string(kRobotsAgent) + ": " + std::to_string(rules.size()));
    if (rules_.honourCrawlDelay && rules.crawlDelay() && env_.spaceRequests) {
      log_.add("  > CRAWL-DELAY (at most " + std::to_string(kMaxCrawlDelay.count()) +
               " s): " + std::to_string(rules.crawlDelay()->count()) + " ms");
      env_.spaceRequests(hostOf(file), *rules.crawlDelay());
    }
    found = robots_.emplace(origin, std::move(rules)).first;
  }
  return found->second.allows(robotsPath(*web));
}

void SiteCrawl::announceReads(std::size_t processed) {
  while (!announced_.empty() && announced_.front() <= processed) {
    announcedAddresses_.erase(queue_[announced_.front()].address);
    announced_.pop_front();
  }
  // Pages on disk are read when asked for.
  if (mode_ == CrawlMode::Local) return;
  announceNext_ = std::max(announceNext_, processed + 1);
  while (announceNext_ < queue_.size() && announced_.size() < kReadAhead) {
    const std::optional<bool> read = willRead(announceNext_);
    if (!read) return;
    if (*read) {
      const std::string address = addressOf(announceNext_);
      env_.pages.expect(address, isHTMLFile(address) ? ReadKind::Page : ReadKind::PageIfHtml);
      announced_.push_back(announceNext_);
      announcedAddresses_.insert(queue_[announceNext_].address);
    }
    ++announceNext_;
  }
}

std::optional<bool> SiteCrawl::willRead(std::size_t index) const {
  // The same tests as processEntry's and refusal()'s, in their order.
  const QueueEntry& entry = queue_[index];
  if (queue_.repeatsEarlierEntry(index) || entry.expanded) return false;
  if (queue_.readOf(entry.address) || announcedAddresses_.contains(entry.address)) return false;
  const std::string address = addressOf(index);
  const bool page = isHTMLFile(address) || (rules_.pagesByType && !isKnownNonPage(address));
  if (isExternalLink(mode_, codebase_, address) || !page) return false;
  if (rules_.patterns.refusal(address)) return false;
  if (pagesRequested_ + announced_.size() >= limits_.maxPages) return std::nullopt;
  if (address.size() > limits_.maxAddressLength || queryRepeats(address) > limits_.maxQueryRepeats) return false;
  if (!rules_.obeyRobots) return true;
  const std::optional<WebAddress> web = parseAbsoluteAddress(address);
  if (!web) return true;
  const auto robots = robots_.find(originOf(*web));
  if (robots == robots_.end()) return std::nullopt;
  return robots->second.allows(robotsPath(*web));
}

std::optional<PageRead> SiteCrawl::readPage(std::size_t index, bool byExtension) {
  if (const std::optional<std::string> refused = refusal(index)) {
    log_.add(*refused);
    return std::nullopt;
  }
  ++pagesRequested_;
  const ReadKind kind = index == 0 || byExtension ? ReadKind::Page : ReadKind::PageIfHtml;
  return env_.pages.read(addressOf(index), kind);
}

void SiteCrawl::processEntry(std::size_t index) {
  QueueEntry& entry = queue_[index];
  const std::string address = addressOf(index);
  log_.add(" ");
  log_.add(">>> PROCESSING: ", address);
  env_.state.indicator.start();
  std::string title;
  std::optional<std::string> pageText;
  std::string base = address;
  bool attempted = false;
  bool page = false;
  const bool external = isExternalLink(mode_, codebase_, address);
  const bool byExtension = isHTMLFile(address);
  const bool byType = mode_ == CrawlMode::Internet && rules_.pagesByType && !isKnownNonPage(address);
  const bool candidate = index == 0 || (!external && (byExtension || byType));

  // An address read before is not read again: this entry is one more occurrence of it.
  const std::optional<ReadNote> earlier = index > 0 && !entry.expanded ? queue_.readOf(entry.address) : std::nullopt;
  if (earlier) {
    entry.expanded = earlier->page;
    entry.title = earlier->title;
  }
  if (entry.expanded) {
    log_.add("  > ALREADY INDEXED: ", address);
    title = queue_.text(entry.title);
    page = true;
  } else if (earlier) {
    title = queue_.text(entry.title);
    log_.add("  > EXTERNAL LINK OR NO HTML FILE: ", address);
  } else if (candidate) {
    const std::optional<PageRead> read = readPage(index, byExtension);
    attempted = read.has_value() && !read->notHtml;
    // A start page that cannot be had ends the walk without the success message,
    // whether a server failed it, no file is there or a limit refused it.
    if (index == 0 && (!read || read->fetchFailed || !read->read)) env_.state.abortRequested = true;
    if (!read || read->notHtml) {
      title = getFileName(mode_, address);
      if (read) log_.add("  > EXTERNAL LINK OR NO HTML FILE: ", address);
    } else {
      page = true;
      if (read->read) result_.pagesRead.push_back(address);
      pageText = pageTextFromBytes(read->bytes);
      if (pageText) title = getHTMLTitle(*pageText);
      if (mode_ == CrawlMode::Internet) {
        base = read->finalAddress;
        if (pageText) {
          const std::string href = getBaseHref(*pageText);
          if (!href.empty()) base = relativeToAbsoluteURL(mode_, codebase_, base, href);
        }
        // The site folder of a start page that was sent elsewhere is where it was found.
        if (index == 0) codebase_ = getCodebase(mode_, trimBookMark(read->finalAddress));
      }
    }
    if (read) {
      const ReadNote note{queue_.pooled(title), page};
      queue_.noteRead(entry.address, note);
      if (!read->finalAddress.empty()) queue_.noteRead(queue_.pooled(trimBookMark(read->finalAddress)), note);
    }
  } else {
    title = getFileName(mode_, address);
    log_.add("  > EXTERNAL LINK OR NO HTML FILE: ", address);
  }
  queue_.setTitle(index, title);
  if (title.empty()) title = linkFileName(address);

  const std::string rawLink(queue_.text(entry.rawLink));
  const std::string link(queue_.text(entry.link));
  const std::string linkName = linkFileName(rawLink);
  const bool shownAsPage = page || isHTMLFile(rawLink);
  NewNode node;
  node.statusText = withoutLeadingSlashes(siteStatusText(settings_, rawLink, linkName, title, link, shownAsPage));
  node.text = withoutLeadingSlashes(siteNodeText(settings_, linkName, title, address, link, shownAsPage));
  node.link = link;
  node.target = settings_.Target;
  log_.add("  + ADDED TO TREE: ", address);
  log_.add("  +        PARENT: ", queue_.text(entry.parentAddress));
  TreeNode* const added = &addTreeNode(tree(), env_.menu.Settings, node, entry.parentNode);

  const bool extract = (!entry.expanded || index == 0) && attempted && (index == 0 || !settings_.FileOnly);
  if (extract && entry.depth >= limits_.maxDepth) {
    log_.add("  > DEPTH LIMIT REACHED (Max Depth = " + std::to_string(limits_.maxDepth) + "): " + address);
  } else if (extract) {
    extractLinks(index, added, pageText.value_or(std::string()), base);
  }
  env_.state.indicator.stop();
}

void SiteCrawl::extractLinks(std::size_t index, TreeNode* node, const std::string& pageText,
                             const std::string& base) {
  QueueEntry& entry = queue_[index];
  const std::string address = addressOf(index);
  const std::size_t depth = entry.depth + 1;
  const std::size_t maxEntries = limits_.maxPages * kLinksPerPage;
  log_.add("  > EXTRACTING LINKS: ", address);
  for (std::string& link : getHREFLinks(pageText)) {
    if (queue_.size() >= maxEntries) {
      if (!linkLimitLogged_) {
        log_.add("*** LINK LIMIT REACHED (" + std::to_string(kLinksPerPage) + " x Max Pages = " +
                 std::to_string(maxEntries) + "): no more links are added");
      }
      linkLimitLogged_ = true;
      break;
    }
    const std::string resolved = relativeToAbsoluteURL(mode_, codebase_, base, link);
    std::string linked = trimBookMark(resolved);
    // A link this long is no address a site means; its text would only fill the memory.
    if (linked.size() > limits_.maxAddressLength || link.size() > limits_.maxAddressLength) {
      log_.add("    URL LENGTH LIMIT REACHED (Max URL Length = " + std::to_string(limits_.maxAddressLength) +
               "), left out: " + shortenedForLog(linked, 80));
      continue;
    }
    QueueLink added{link, linked, address, false, kNoTitle, node, depth, nodeLink(link, resolved)};
    const std::optional<std::size_t> found = queue_.find(linked);
    if (!found) {
      log_.add("    Added to queue: ", linked);
    } else if (!queue_[*found].expanded) {
      log_.add("    Found in queue: ", linked);
    } else {
      added.expanded = true;
      added.title = queue_.text(queue_[*found].title);
      log_.add("    Found in queue and already indexed: ", linked);
      queue_.markIndexed(linked, added.title);
    }
    queue_.append(std::move(added));
  }
  entry.expanded = true;
  log_.add("  > LINKS EXTRACTED: ", address);
}

std::string SiteCrawl::nodeLink(const std::string& rawLink, const std::string& resolved) const {
  if (keepsLinkAsWritten(mode_, rawLink)) return rawLink;
  if (mode_ == CrawlMode::Internet) return resolved;
  return env_.linkPath(trimBookMark(resolved)) + bookmarkOf(rawLink);
}

}  // namespace

CrawlResult crawlSite(CrawlMode mode, const std::string& startAddress, const SiteNodeSettings& settings,
                      const CrawlRules& rules, CrawlSurroundings& surroundings) {
  CrawlResult result = SiteCrawl(mode, settings, rules, surroundings).run(startAddress);
  // The walk's queue and tables were many small blocks among the tree's; the
  // allocator keeps their pages unless told, and saving the page needs as
  // much again.
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
  return result;
}

}  // namespace quillon
