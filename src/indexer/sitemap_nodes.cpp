#include "indexer/sitemap_nodes.hpp"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "format/text_helpers.hpp"
#include "format/web_address.hpp"
#include "indexer/download_folder.hpp"
#include "indexer/page_text.hpp"
#include "indexer/robots_rules.hpp"
#include "indexer/tree_nodes.hpp"

namespace quillon {

SitemapPlace sitemapPlaceOf(const std::string& address) {
  SitemapPlace place;
  const std::optional<WebAddress> web = parseAbsoluteAddress(address);
  if (!web) return place;
  std::vector<std::string> segments;
  for (std::size_t at = 0; at < web->path.size();) {
    const std::size_t slash = std::min(web->path.find('/', at), web->path.size());
    if (slash > at) segments.push_back(web->path.substr(at, slash - at));
    at = slash + 1;
  }
  if (!web->path.ends_with('/') && !segments.empty()) {
    place.name = segments.back();
    segments.pop_back();
  }
  if (web->query) place.name += "?" + *web->query;
  place.folders = std::move(segments);
  return place;
}

namespace {

class SitemapNodes {
 public:
  SitemapNodes(const SitemapListing& listing, const SiteNodeSettings& settings, const CrawlRules& rules,
               CrawlSurroundings& surroundings)
      : listing_(listing), settings_(settings), rules_(rules), env_(surroundings), log_(surroundings.state.log) {}

  CrawlResult run() {
    IndexerState& state = env_.state;
    state.abortRequested = false;
    started_ = env_.now();
    if (const std::string logFile = crawlLogPath(env_.menu); !logFile.empty()) log_.streamTo(logFile);
    try {
      announceReads();
      root_ = &addNode(folderNode(hostOf(listing_.site)), nullptr);
      folders_.emplace(listing_.site + "/", root_);
      for (std::size_t i = 0; i < listing_.addresses.size(); ++i) {
        addPage(i);
        env_.ui.processEvents();
        if (state.abortRequested) break;
        if (state.onProgress) state.onProgress({result_.pagesRead.size(), listing_.addresses.size() - i - 1});
      }
    } catch (const StoreError& error) {
      fail(error.what(), MessageKind::Error, error.what());
    } catch (const std::exception& error) {
      fail(error.what(), MessageKind::Information, "Site could not be indexed.\n\nPlease check \"URL\"!");
    }
    result_.succeeded = !state.abortRequested;
    if (result_.succeeded) env_.ui.message(MessageKind::Information, "Site successfully indexed");
    saveCrawlLog(env_);
    return std::move(result_);
  }

 private:
  static std::string hostOf(const std::string& site) { return site.substr(site.find("://") + 3); }

  bool wantsTitles() const { return settings_.NodeText == kHTMLFileTitle || settings_.StatusBar == kHTMLFileTitle; }

  // How a page would be read for its title; nothing when it is not read.
  std::optional<ReadKind> readKind(const std::string& address) const {
    if (isHTMLFile(address)) return ReadKind::Page;
    if (rules_.pagesByType && !isKnownNonPage(address)) return ReadKind::PageIfHtml;
    return std::nullopt;
  }

  // The reads to come, in the order they are made, so the source may start them early.
  void announceReads() {
    if (!wantsTitles()) return;
    if (rules_.obeyRobots) {
      const std::string file = listing_.site + "/robots.txt";
      log_.add("  > READING ROBOTS.TXT: ", file);
      const PageRead robots = env_.pages.read(file, ReadKind::File);
      robots_ = robots.read ? RobotsRules(robots.bytes, kRobotsAgent) : RobotsRules();
      log_.add("  > ROBOTS.TXT RULES FOR " + std::string(kRobotsAgent) + ": " + std::to_string(robots_.size()));
    }
    reads_.resize(listing_.addresses.size());
    for (std::size_t i = 0; i < listing_.addresses.size(); ++i) {
      const std::string& address = listing_.addresses[i];
      reads_[i] = readKind(address);
      if (reads_[i] && !robotsAllow(address)) {
        reads_[i].reset();
        forbidden_.insert(i);
      }
      if (reads_[i]) env_.pages.expect(address, *reads_[i]);
    }
  }

  bool robotsAllow(const std::string& address) const {
    const std::optional<WebAddress> web = parseAbsoluteAddress(address);
    return !web || robots_.allows(web->path + (web->query ? "?" + *web->query : ""));
  }

  bool timeIsUp() {
    if (env_.now() - started_ < rules_.limits.maxTime) return false;
    if (!timeUpLogged_) {
      log_.add("*** TIME LIMIT REACHED (Max Minutes = " +
               std::to_string(std::chrono::duration_cast<std::chrono::minutes>(rules_.limits.maxTime).count()) +
               "): no more titles are read");
    }
    timeUpLogged_ = true;
    return true;
  }

  struct Title {
    std::string text;
    bool page = false;
  };

  Title readTitle(std::size_t index) {
    const std::string& address = listing_.addresses[index];
    Title title;
    if (forbidden_.contains(index)) log_.add("  > FORBIDDEN BY ROBOTS.TXT: ", address);
    if (index >= reads_.size() || !reads_[index]) {
      title.page = readKind(address).has_value();
      return title;
    }
    if (timeIsUp()) {
      title.page = true;
      return title;
    }
    const PageRead read = env_.pages.read(address, *reads_[index]);
    if (read.notHtml) {
      log_.add("  > EXTERNAL LINK OR NO HTML FILE: ", address);
      return title;
    }
    title.page = true;
    if (!read.read) return title;
    result_.pagesRead.push_back(address);
    if (const std::optional<std::string> text = pageTextFromBytes(read.bytes)) title.text = getHTMLTitle(*text);
    return title;
  }

  NewNode folderNode(const std::string& name) const { return {name, name, "", ""}; }

  NewNode pageNode(const std::string& address, const std::string& name, const Title& title) const {
    // A folder's own address is named by its folder.
    const std::string linkName = name.empty() ? lastFolderName(address) : linkFileName(address);
    const std::string shown = title.text.empty() ? linkName : title.text;
    NewNode node;
    // A file that is no page shows its name, not what follows the port's ":".
    node.statusText = withoutLeadingSlashes(siteStatusText(settings_, linkName, linkName, shown, address, title.page));
    node.text = withoutLeadingSlashes(siteNodeText(settings_, linkName, shown, address, address, title.page));
    node.link = address;
    node.target = settings_.Target;
    return node;
  }

  static std::string lastFolderName(const std::string& address) {
    const SitemapPlace place = sitemapPlaceOf(address);
    return place.folders.empty() ? std::string() : place.folders.back();
  }

  TreeNode& addNode(const NewNode& node, TreeNode* parent) {
    TAppletPage* tab = env_.menu.CurrentTab();
    if (tab == nullptr) throw std::runtime_error("the menu has no tree");
    return addTreeNode(tab->Nodes, env_.menu.Settings, node, parent);
  }

  // The folder node of the address, made with the folders above it when missing.
  TreeNode& folderOf(const SitemapPlace& place) {
    std::string address = listing_.site + "/";
    TreeNode* folder = root_;
    for (const std::string& segment : place.folders) {
      const std::string parentAddress = address;
      address += segment + "/";
      auto found = folders_.find(address);
      if (found == folders_.end()) {
        log_.add("  + ADDED TO TREE: ", address);
        log_.add("  +        PARENT: ", parentAddress);
        found = folders_.emplace(address, &addNode(folderNode(segment), folder)).first;
      }
      folder = found->second;
    }
    return *folder;
  }

  void addPage(std::size_t index) {
    const std::string& address = listing_.addresses[index];
    log_.add(" ");
    log_.add(">>> PROCESSING: ", address);
    env_.state.indicator.start();
    const SitemapPlace place = sitemapPlaceOf(address);
    const NewNode node = pageNode(address, place.name, readTitle(index));
    TreeNode& folder = folderOf(place);
    if (place.name.empty()) {
      // The folder node takes its page's texts and link.
      folder.Text = node.text;
      folder.Data.StatusText = node.statusText;
      folder.Data.URL1 = node.link;
      folder.Data.Target1 = node.target;
      log_.add("  + FOLDER PAGE: ", address);
    } else {
      log_.add("  + ADDED TO TREE: ", address);
      log_.add("  +        PARENT: ", folderAddressOf(place));
      addNode(node, &folder);
    }
    env_.state.indicator.stop();
  }

  std::string folderAddressOf(const SitemapPlace& place) const {
    std::string address = listing_.site + "/";
    for (const std::string& segment : place.folders) address += segment + "/";
    return address;
  }

  void fail(const std::string& logged, MessageKind kind, const std::string& message) {
    env_.state.indicator.stop();
    log_.add("*** ", logged);
    env_.ui.message(kind, message);
    env_.state.abortRequested = true;
  }

  const SitemapListing& listing_;
  const SiteNodeSettings& settings_;
  const CrawlRules& rules_;
  CrawlSurroundings& env_;
  CrawlLog& log_;
  std::chrono::steady_clock::time_point started_;
  RobotsRules robots_;
  std::vector<std::optional<ReadKind>> reads_;
  std::unordered_set<std::size_t> forbidden_;
  std::unordered_map<std::string, TreeNode*> folders_;
  TreeNode* root_ = nullptr;
  bool timeUpLogged_ = false;
  CrawlResult result_;
};

}  // namespace

CrawlResult addSitemapNodes(const SitemapListing& listing, const SiteNodeSettings& settings, const CrawlRules& rules,
                            CrawlSurroundings& surroundings) {
  return SitemapNodes(listing, settings, rules, surroundings).run();
}

}  // namespace quillon
