#pragma once
#include <string>

namespace quillon {

// Opens a file or web address in the user's default browser.
class Browser {
 public:
  virtual ~Browser() = default;
  // Throws std::runtime_error("Couldn't launch default browser") when nothing starts.
  virtual void open(const std::string& url) = 0;
};

}  // namespace quillon
