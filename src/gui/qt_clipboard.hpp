#pragma once
#include "ports/clipboard.hpp"

namespace quillon::gui {

// The system clipboard, as text.
class QtClipboard : public Clipboard {
 public:
  void setText(const std::string& text) override;
};

}  // namespace quillon::gui
