#include "app/pvl_url.hpp"

#include <stdexcept>

#include "app/browser_command.hpp"
#include "app/desktop_handler.hpp"
#include "app/detached_process.hpp"

namespace quillon {

void TpvlUrl::Execute() {
  if (!startDetached(browserArguments(browserCommandTemplate(), Url))) {
    throw std::runtime_error("Couldn't launch default browser");
  }
}

void TpvlUrl::open(const std::string& url) {
  Url = url;
  Execute();
}

}  // namespace quillon
