#include "indexer/indexer_settings.hpp"

#include "format/text_helpers.hpp"
#include "indexer/page_text.hpp"

namespace quillon {

const std::vector<std::string>& nodeTextChoices() {
  static const std::vector<std::string> items = {kFileName, kHTMLFileTitle, kURL, ""};
  return items;
}

const std::vector<std::string>& statusBarChoices() {
  static const std::vector<std::string> items = {kHTMLFileTitle, kURL, kFileName};
  return items;
}

const std::vector<std::string>& localNodeTextChoices() {
  static const std::vector<std::string> items = {kFileName, kHTMLFileTitle, kURL};
  return items;
}

const std::vector<std::string>& localStatusChoices() {
  static const std::vector<std::string> items = {kHTMLFileTitle, kURL, kFileName, ""};
  return items;
}

const std::vector<std::string>& localLinkChoices() {
  static const std::vector<std::string> items = {kFileName, kRelativeToSavedPage};
  return items;
}

const std::vector<std::string>& targetChoices() {
  static const std::vector<std::string> items = {"_blank", "_top", "_parent", "_self"};
  return items;
}

namespace {

// The kept limits and switches, by key; the defaults are those of the fields.
struct LimitKey {
  const char* key;
  std::string CrawlLimitFields::*field;
};
constexpr LimitKey kLimitKeys[] = {
    {"Max Pages", &CrawlLimitFields::MaxPages},       {"Max Depth", &CrawlLimitFields::MaxDepth},
    {"Max URL Length", &CrawlLimitFields::MaxAddressLength}, {"Max Query Repeats", &CrawlLimitFields::MaxQueryRepeats},
    {"Max Minutes", &CrawlLimitFields::MaxMinutes},   {"Page Seconds", &CrawlLimitFields::PageSeconds},
    {"Connections", &CrawlLimitFields::Connections},  {"Delay", &CrawlLimitFields::DelayMs},
};

bool readSwitch(const SettingsStore& store, const char* key, bool fallback) {
  const std::string value = store.readOr(kIndexerSection, key, "");
  return value.empty() ? fallback : isTrueText(value);
}

}  // namespace

void loadIndexerSettings(const SettingsStore& store, IndexerSettings& settings) {
  const CrawlLimitFields defaults;
  for (const LimitKey& limit : kLimitKeys) {
    settings.Limits.*limit.field = store.readOr(kIndexerSection, limit.key, defaults.*limit.field);
  }
  settings.Include = store.readOr(kIndexerSection, "Include", "");
  settings.Exclude = store.readOr(kIndexerSection, "Exclude", "");
  settings.ObeyRobots = readSwitch(store, "Obey Robots", true);
  settings.PagesByType = readSwitch(store, "Pages By Type", true);
  settings.HonourCrawlDelay = readSwitch(store, "Honour Crawl-delay", false);
  settings.Files.LocalDir = store.readOr(kIndexerSection, "Last Dir", "");
  settings.LocalFile = store.readOr(kIndexerSection, "Last File", "");
  settings.URL = store.readOr(kIndexerSection, "Last URL", "");
  settings.Sitemap = store.readOr(kIndexerSection, "Last Sitemap", "");
  settings.ProxyHost = store.readOr(kIndexerSection, "Proxy Host", "");
  settings.ProxyPort = store.readOr(kIndexerSection, "Proxy Port", "80");
}

void saveIndexerSettings(SettingsStore& store, const IndexerSettings& settings) {
  store.write(kIndexerSection, "Last Dir", settings.Files.LocalDir);
  store.write(kIndexerSection, "Last File", settings.LocalFile);
  store.write(kIndexerSection, "Last URL", settings.URL);
  store.write(kIndexerSection, "Last Sitemap", settings.Sitemap);
  store.write(kIndexerSection, "Proxy Host", settings.ProxyHost);
  store.write(kIndexerSection, "Proxy Port", settings.ProxyPort);
  for (const LimitKey& limit : kLimitKeys) store.write(kIndexerSection, limit.key, settings.Limits.*limit.field);
  store.write(kIndexerSection, "Include", settings.Include);
  store.write(kIndexerSection, "Exclude", settings.Exclude);
  store.write(kIndexerSection, "Obey Robots", settings.ObeyRobots ? "Yes" : "No");
  store.write(kIndexerSection, "Pages By Type", settings.PagesByType ? "Yes" : "No");
  store.write(kIndexerSection, "Honour Crawl-delay", settings.HonourCrawlDelay ? "Yes" : "No");
}

bool checkAddressField(std::string& url, UserInterface& ui) {
  const bool secure = posNoCase("https://", url) == 1;
  if (!secure && posNoCase("http://", url) == 0) url = "http://" + url;
  if (midStr(url, secure ? 9 : 8, -1).find("//") != std::string::npos) {
    ui.message(MessageKind::Error, "Not a valid URL");
    return false;
  }
  return true;
}

void checkMaxWidthField(std::string& width, UserInterface& ui) {
  const std::optional<long long> number = parseWholeNumber(width);
  if (!number) {
    ui.message(MessageKind::Warning, "Max Width must be numeric");
    width = "30";
  } else if (*number < 1) {
    // The test is against 1, though the message names 5.
    ui.message(MessageKind::Warning, "Max Width must be at least 5");
    width = "5";
  }
}

void chooseNodeText(std::string& nodeText, std::string& width, const std::string& choice) {
  nodeText = choice;
  if (showsMaxWidth(choice)) width = "30";
}

}  // namespace quillon
