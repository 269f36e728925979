#include "net/message_pump.hpp"

#include "ports/user_interface.hpp"

namespace quillon::net {

void NetworkPump::pump() { loop_.runFor(std::chrono::milliseconds(100)); }

void UserInterfacePump::pump() {
  loop_.runFor(slice_);
  ui_.processEvents();
}

}  // namespace quillon::net
