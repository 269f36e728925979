#pragma once
#include <cstdint>
#include <string>

namespace quillon {

// The link data of one tab.
struct TTabPage {
  std::string StatusText;
  std::string URL1;
  std::string Target1;
  std::string URL2;
  std::string Target2;
  std::string OnDemand = "NO";

  bool operator==(const TTabPage&) const = default;
};

// The data of one tree node. Image indexes point into the image list; -1 is none.
struct TAppletNode {
  std::string StatusText;
  std::string URL1;
  std::string Target1;
  std::string URL2;
  std::string Target2;
  std::int32_t CollapsedImage = -1;
  std::int32_t ExpandedImage = -1;
  bool OpenExpanded = false;

  bool operator==(const TAppletNode&) const = default;
};

}  // namespace quillon
