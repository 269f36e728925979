#include "net/wsocket.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "net/net_exceptions.hpp"
#include "scripted_http_server.hpp"

namespace quillon::net {
namespace {

using testing::ScriptedHttpServer;
using testing::ServerStep;

// Runs the loop until the condition holds; false when it did not within the limit.
bool pumpUntil(EventLoop& loop, const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    loop.runFor(std::chrono::milliseconds(10));
  }
  return true;
}

const char* stateName(TSocketState state) {
  static const char* const names[] = {"invalid",   "opened",    "bound",     "connecting",
                                      "connected", "accepting", "listening", "closed"};
  return names[static_cast<int>(state)];
}

class WSocketTest : public ::testing::Test {
 protected:
  // Records every event as text, in order.
  void recordEvents() {
    const auto event = [this](const char* name) {
      return [this, name](TCustomWSocket&, SocketError error) {
        events_.push_back(std::string(name) + (error ? "(" + std::to_string(error) + ")" : ""));
      };
    };
    socket_.OnDnsLookupDone = event("lookup-done");
    socket_.OnSessionConnected = event("connected");
    socket_.OnDataSent = event("data-sent");
    socket_.OnSessionClosed = event("closed");
    socket_.OnChangeState = [this](TCustomWSocket&, TSocketState, TSocketState state) {
      events_.push_back(std::string("state:") + stateName(state));
    };
    socket_.OnDataAvailable = [this](TCustomWSocket& socket, SocketError) {
      char block[3];
      const auto count = socket.ReceiveInto(block, sizeof block);
      if (count > 0) received_.append(block, static_cast<std::size_t>(count));
      if (events_.back() != "data") events_.push_back("data");
    };
  }

  void connectTo(unsigned short port) {
    socket_.SetAddr("127.0.0.1");
    socket_.SetPort(std::to_string(port));
    socket_.Connect();
  }

  EventLoop loop_;
  TWSocket socket_{loop_};
  std::vector<std::string> events_;
  std::string received_;
};

TEST_F(WSocketTest, ADottedAddressNeedsNoLookup) {
  recordEvents();
  socket_.DnsLookup("127.0.0.1");
  EXPECT_EQ(events_, std::vector<std::string>{"lookup-done"}) << "answered before DnsLookup returned";
  EXPECT_EQ(socket_.DnsResult(), "127.0.0.1");
}

TEST_F(WSocketTest, ANameIsLookedUpThroughTheLoop) {
  recordEvents();
  socket_.DnsLookup("localhost");
  EXPECT_TRUE(events_.empty());
  ASSERT_TRUE(pumpUntil(loop_, [&] { return !events_.empty(); }));
  EXPECT_EQ(events_, std::vector<std::string>{"lookup-done"});
  EXPECT_EQ(socket_.DnsResult(), "127.0.0.1") << "IPv4 addresses come first";
  EXPECT_EQ(socket_.DnsResultList().front(), socket_.DnsResult());
}

TEST_F(WSocketTest, ACancelledLookupNeverAnswers) {
  recordEvents();
  socket_.DnsLookup("localhost");
  socket_.CancelDnsLookup();
  EXPECT_FALSE(pumpUntil(
      loop_, [&] { return !events_.empty(); }, std::chrono::milliseconds(200)));
}

TEST_F(WSocketTest, AnEmptyHostNameIsAnError) {
  try {
    socket_.DnsLookup("");
    FAIL() << "no exception";
  } catch (const ESocketException& error) {
    EXPECT_STREQ(error.what(), "DNS lookup: invalid host name.");
  }
  recordEvents();
  socket_.OnError = [this](TCustomWSocket& socket) {
    events_.push_back("error " + std::to_string(socket.LastError()));
  };
  socket_.DnsLookup("");
  EXPECT_EQ(events_, (std::vector<std::string>{"error 10022", "lookup-done(10022)"}));
}

TEST_F(WSocketTest, ConnectNeedsAddressPortAndAKnownProtocol) {
  const struct {
    const char* addr;
    const char* port;
    const char* proto;
    const char* want;
  } rows[] = {
      {"127.0.0.1", "", "tcp", "Connect: No Port Specified"},
      {"", "80", "tcp", "Connect: No IP Address Specified"},
      {"127.0.0.1", "80", "", "Connect: No Protocol Specified"},
      {"127.0.0.1", "80", "udp", "SetProto: Cannot convert protocol 'udp'"},
      {"127.0.0.1", "no-such-service", "tcp", "SetPort: Cannot convert port 'no-such-service'"},
      {"127.0.0.1", "99999", "tcp", "SetPort: Cannot convert port '99999'"},
      {"no-such-host..invalid", "80", "tcp", "SetAddr: Cannot convert host address 'no-such-host..invalid'"},
  };
  for (const auto& row : rows) {
    TWSocket socket(loop_);
    socket.SetAddr(row.addr);
    socket.SetPort(row.port);
    socket.SetProto(row.proto);
    try {
      socket.Connect();
      ADD_FAILURE() << "no exception for " << row.want;
    } catch (const ESocketException& error) {
      EXPECT_STREQ(error.what(), row.want);
    }
    EXPECT_EQ(socket.State(), TSocketState::wsClosed);
  }
}

TEST_F(WSocketTest, SettingsAreFixedWhileTheSocketIsOpen) {
  testing::UnansweredListener listener;
  connectTo(listener.port());
  EXPECT_EQ(socket_.State(), TSocketState::wsConnecting);
  EXPECT_THROW(socket_.SetAddr("127.0.0.2"), ESocketException);
  EXPECT_THROW(socket_.SetPort("81"), ESocketException);
  EXPECT_THROW(socket_.SetProto("tcp"), ESocketException);
  try {
    socket_.Connect();
    FAIL() << "no exception";
  } catch (const ESocketException& error) {
    EXPECT_STREQ(error.what(), "Connect: Socket already in use");
  }
}

TEST_F(WSocketTest, AConversationFiresItsEventsInOrder) {
  ScriptedHttpServer server({{{{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, "pong pong", {}}}}});
  recordEvents();
  socket_.OnSessionConnected = [this](TCustomWSocket& socket, SocketError error) {
    events_.push_back("connected" + std::string(error ? "!" : ""));
    socket.SendText("PING\r\n\r\n");
  };
  connectTo(server.port());
  ASSERT_TRUE(pumpUntil(loop_, [&] { return socket_.State() == TSocketState::wsClosed; }));
  server.stop();
  EXPECT_EQ(events_, (std::vector<std::string>{"state:opened", "state:connecting", "state:connected", "connected",
                                               "data-sent", "data", "state:closed", "closed"}));
  EXPECT_EQ(received_, "pong pong");
  EXPECT_EQ(server.received(), std::vector<std::string>{"PING\r\n\r\n"});
}

TEST_F(WSocketTest, ALargeSendArrivesWhole) {
  ScriptedHttpServer server({{{{ServerStep::Kind::ReadAll, "", {}}}}});
  std::string data(3 * 1024 * 1024, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 % 251);
  int sentEvents = 0;
  socket_.OnDataSent = [&](TCustomWSocket&, SocketError) { ++sentEvents; };
  socket_.OnSessionConnected = [&](TCustomWSocket& socket, SocketError) {
    socket.SendBuffer(data.data(), data.size());
  };
  connectTo(server.port());
  const auto arrived = [&] {
    const auto received = server.received();
    return !received.empty() && received[0].size() == data.size();
  };
  ASSERT_TRUE(pumpUntil(loop_, arrived));
  EXPECT_TRUE(pumpUntil(loop_, [&] { return sentEvents > 0; }));
  socket_.Close();
  server.stop();
  EXPECT_EQ(server.received()[0], data);
  EXPECT_EQ(sentEvents, 1);
}

TEST_F(WSocketTest, ClosingWhileConnectingEndsTheSessionOnce) {
  testing::UnansweredListener listener;
  recordEvents();
  connectTo(listener.port());
  socket_.Close();
  pumpUntil(
      loop_, [] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(events_, (std::vector<std::string>{"state:opened", "state:connecting", "state:closed", "closed"}));
}

TEST_F(WSocketTest, ARefusedConnectionReportsItsError) {
  recordEvents();
  connectTo(testing::refusingPort());
  ASSERT_TRUE(pumpUntil(loop_, [&] { return socket_.State() == TSocketState::wsClosed; }));
  EXPECT_EQ(events_, (std::vector<std::string>{"state:opened", "state:connecting", "connected(10061)", "state:closed",
                                               "closed(10061)"}));
  EXPECT_EQ(socket_.LastError(), 10061);
}

TEST_F(WSocketTest, SendingNeedsAConnection) {
  try {
    socket_.SendText("x");
    FAIL() << "no exception";
  } catch (const ESocketException& error) {
    EXPECT_STREQ(error.what(), "Error 10057 in function Send\r\nSocket is not connected");
  }
  EXPECT_EQ(socket_.ReceiveInto(nullptr, 0), -1);
  EXPECT_EQ(socket_.LastError(), 10057);
}

}  // namespace
}  // namespace quillon::net
