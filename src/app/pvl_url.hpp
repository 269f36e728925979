#pragma once
// Opens a file or web address in the user's default browser, without waiting
// for it and without reading anything back.
#include <string>

#include "ports/browser.hpp"

namespace quillon {

// How the browser window is to be shown, with the show-window codes callers
// know them by. The desktop's window manager decides how a new window
// appears, so the launch itself does not use them.
enum class TUrlShowCmd {
  ssHide,
  ssMaximize,
  ssMinimize,
  ssRestore,
  ssShow,
  ssShowDefault,
  ssShowMaximized,
  ssShowMinimized,
  ssShowMinNoActivate,
  ssShowNA,
  ssShowNoActivate,
  ssShowNormal,
};

constexpr int showCode(TUrlShowCmd command) {
  constexpr int codes[] = {0, 3, 6, 9, 5, 10, 3, 2, 7, 8, 4, 1};
  return codes[static_cast<int>(command)];
}

class TpvlUrl : public Browser {
 public:
  std::string Url;
  TUrlShowCmd UrlShowCommand = TUrlShowCmd::ssShowDefault;

  // Starts the default browser on Url: the HTML handler's command, or
  // xdg-open, with Url as one argument of its own. Throws
  // std::runtime_error("Couldn't launch default browser") when nothing starts.
  void Execute();

  // Sets Url and executes.
  void open(const std::string& url) override;
};

}  // namespace quillon
