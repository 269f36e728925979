#pragma once
// What a synchronous network call runs while it waits: the network events
// alone, or those and the window's own events so that the window repaints and
// its Abort button works.
#include <chrono>

#include "net/event_loop.hpp"

namespace quillon {
class UserInterface;
}

namespace quillon::net {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Serves the events that are pending, waiting briefly when there are none.
  virtual void pump() = 0;
};

// Only the network events of the loop.
class NetworkPump final : public MessagePump {
 public:
  explicit NetworkPump(EventLoop& loop) : loop_(loop) {}
  void pump() override;

 private:
  EventLoop& loop_;
};

// The network events and the user interface's own events, taking turns often
// enough that the window stays responsive.
class UserInterfacePump final : public MessagePump {
 public:
  UserInterfacePump(EventLoop& loop, UserInterface& ui, std::chrono::milliseconds slice = std::chrono::milliseconds(10))
      : loop_(loop), ui_(ui), slice_(slice) {}
  void pump() override;

 private:
  EventLoop& loop_;
  UserInterface& ui_;
  std::chrono::milliseconds slice_;
};

}  // namespace quillon::net
