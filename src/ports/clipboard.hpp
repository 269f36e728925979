#pragma once
#include <string>

namespace quillon {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const std::string& text) = 0;
};

}  // namespace quillon
