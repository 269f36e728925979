// Starting, waiting for and ending requests: what the owner of the client
// controls beyond a single scripted exchange.
#include <gtest/gtest.h>

#include "net/http_client.hpp"
#include "net/net_exceptions.hpp"
#include "scripted_http_server.hpp"
#include "scripted_ui.hpp"

namespace quillon::net {
namespace {

using testing::ScriptedHttpServer;
using testing::ServerScript;
using testing::ServerStep;

ServerScript answering(const std::string& response, bool hold = false) {
  testing::ConnectionScript steps = {{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, response, {}}};
  if (hold) steps.push_back({ServerStep::Kind::Hold, "", {}});
  return {{steps, steps}, std::nullopt};
}

// The window's event loop, where the user presses Abort after a few rounds.
class AbortingUi : public quillon::testing::ScriptedUi {
 public:
  explicit AbortingUi(THttpCli& http) : http_(http) {}
  void processEvents() override {
    ScriptedUi::processEvents();
    if (processEventsCalls == 5) http_.CancelRequest();
  }

 private:
  THttpCli& http_;
};

class HttpClientControl : public ::testing::Test {
 protected:
  std::string urlOf(const ScriptedHttpServer& server, const std::string& path = "/") {
    return "http://127.0.0.1:" + std::to_string(server.port()) + path;
  }
  void pumpUntilReady() {
    NetworkPump pump(loop_);
    while (http_.State() != THttpState::Ready) pump.pump();
  }

  EventLoop loop_;
  THttpCli http_{loop_};
};

TEST_F(HttpClientControl, RefusesASecondRequestAndAnEmptyPost) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\n", true));
  http_.URL = urlOf(server);
  http_.StartRequest(THttpRequest::Get);
  try {
    http_.StartRequest(THttpRequest::Get);
    FAIL() << "no exception";
  } catch (const EHttpException& error) {
    EXPECT_STREQ(error.what(), "HTTP component is busy");
    EXPECT_EQ(error.ErrorCode(), 1);
  }
  http_.CancelRequest();
  pumpUntilReady();
  try {
    http_.StartRequest(THttpRequest::Post);
    FAIL() << "no exception";
  } catch (const EHttpException& error) {
    EXPECT_STREQ(error.what(), "HTTP component has nothing to post");
    EXPECT_EQ(error.ErrorCode(), 2);
  }
  EXPECT_EQ(http_.State(), THttpState::Ready);
}

TEST_F(HttpClientControl, AnAbortDuringTheNameLookupEndsAtOnce) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\n"));
  http_.URL = "http://localhost:" + std::to_string(server.port()) + "/";
  std::vector<std::uint16_t> done;
  http_.OnRequestDone = [&](THttpCli&, THttpRequest request, std::uint16_t error) {
    EXPECT_EQ(request, THttpRequest::Get);
    done.push_back(error);
  };
  http_.StartRequest(THttpRequest::Get);
  ASSERT_EQ(http_.State(), THttpState::ResolvingName);
  http_.CancelRequest();
  EXPECT_EQ(http_.ResponseText(), "Connection aborted on request");
  pumpUntilReady();
  loop_.runFor(std::chrono::milliseconds(100));
  server.stop();
  EXPECT_EQ(done, std::vector<std::uint16_t>{3});
  EXPECT_EQ(server.received().size(), 0u) << "the lookup's late answer connects nowhere";
}

TEST_F(HttpClientControl, TheWindowKeepsItsEventsWhileARequestWaits) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\nstart of a long page", true));
  AbortingUi ui(http_);
  UserInterfacePump pump(loop_, ui);
  http_.Pump = &pump;
  http_.URL = urlOf(server);
  try {
    http_.RequestGet();
    FAIL() << "the abort did not end the request";
  } catch (const EHttpException& error) {
    EXPECT_STREQ(error.what(), "Connection aborted on request");
    EXPECT_EQ(error.ErrorCode(), 404);
  }
  EXPECT_GE(ui.processEventsCalls, 5);
}

TEST_F(HttpClientControl, MultiThreadedServesOnlyTheNetwork) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\nok"));
  quillon::testing::ScriptedUi ui;
  UserInterfacePump pump(loop_, ui);
  http_.Pump = &pump;
  http_.MultiThreaded = true;
  http_.URL = urlOf(server);
  http_.RequestGet();
  EXPECT_EQ(http_.ResponseCode(), 200);
  EXPECT_EQ(ui.processEventsCalls, 0);
}

TEST_F(HttpClientControl, EachRequestStartsFromNothing) {
  ScriptedHttpServer server(
      {{{{ServerStep::Kind::ReadRequest, "", {}},
         {ServerStep::Kind::Send, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nfirst", {}}},
        {{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, "HTTP/1.0 200 OK\r\n\r\nsecond", {}}}},
       std::nullopt});
  http_.URL = urlOf(server, "/one.htm");
  http_.RequestGet();
  http_.URL = urlOf(server, "/dir/");
  http_.RequestGet();
  EXPECT_EQ(http_.ResponseHeaders(), std::vector<std::string>{"HTTP/1.0 200 OK"});
  EXPECT_EQ(http_.BodyType(), "");
  EXPECT_EQ(http_.DocumentName(), "dir");
  EXPECT_EQ(http_.ReceivedBytes(), 6);
}

TEST_F(HttpClientControl, AClientMayGoWhileItsRequestRuns) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\npartial", true));
  int events = 0;
  {
    THttpCli http(loop_);
    http.URL = urlOf(server);
    http.OnDocData = [&](THttpCli&, const char*, std::size_t) { ++events; };
    http.StartRequest(THttpRequest::Get);
    while (events == 0) loop_.runFor(std::chrono::milliseconds(10));
  }
  // What was still queued for the client finds it gone and does nothing.
  loop_.runFor(std::chrono::milliseconds(100));
  EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace quillon::net
