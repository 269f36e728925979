// Runs every case file of tests/net/cases against a scripted server on loopback.
#include "net/http_client.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

#include "http_case.hpp"
#include "net/net_exceptions.hpp"
#include "test_certificates.hpp"

namespace quillon::net::testing {
namespace {

const char* stateName(THttpState state) {
  switch (state) {
    case THttpState::Ready: return "Ready";
    case THttpState::Connecting: return "Connecting";
    case THttpState::ResolvingName: return "ResolvingName";
    case THttpState::WaitingHeader: return "WaitingHeader";
    case THttpState::WaitingBody: return "WaitingBody";
    case THttpState::Aborting: return "Aborting";
  }
  return "?";
}

std::string substituted(std::string text, const std::map<std::string, std::string>& values) {
  for (const auto& [name, value] : values) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size())) {
      text.replace(at, name.size(), value);
    }
  }
  return text;
}

std::chrono::sys_seconds parseTime(const std::string& text) {
  int year = 0;
  unsigned month = 0, day = 0;
  int hours = 0, minutes = 0, seconds = 0;
  std::sscanf(text.c_str(), "%d-%u-%u %d:%d:%d", &year, &month, &day, &hours, &minutes, &seconds);
  using namespace std::chrono;
  return sys_days{std::chrono::year{year} / month / day} + hours * 1h + minutes * 1min + seconds * 1s;
}

// What the client did during one case.
struct Observed {
  std::vector<std::string> events;
  std::string documentData;
  std::optional<std::pair<std::string, int>> raised;
};

class ClientCase : public ::testing::TestWithParam<std::string> {
 protected:
  void record(const std::string& event) {
    // Blocks arrive as the network splits them: a run of them counts as one event.
    const bool repeated = !observed_.events.empty() && observed_.events.back() == event;
    if (!repeated || (event != "doc-data" && event != "send-data")) observed_.events.push_back(event);
    if (event == abortEvent_ && --abortCountdown_ == 0) http_.CancelRequest();
  }

  void configure(const std::map<std::string, std::string>& client) {
    for (const auto& [key, value] : client) {
      if (key == "url")
        http_.URL = substituted(value, placeholders_);
      else if (key == "proxy")
        http_.Proxy = substituted(value, placeholders_);
      else if (key == "proxy-port")
        http_.ProxyPort = substituted(value, placeholders_);
      else if (key == "agent")
        http_.Agent = value;
      else if (key == "sender")
        http_.Sender = value;
      else if (key == "reference")
        http_.Reference = value;
      else if (key == "cookie")
        http_.Cookie = value;
      else if (key == "username")
        http_.Username = value;
      else if (key == "password")
        http_.Password = value;
      else if (key == "no-cache")
        http_.NoCache = true;
      else if (key == "modified-since")
        http_.ModifiedSince = parseTime(value);
      else if (key == "connect-timeout")
        http_.ConnectTimeout = std::chrono::milliseconds(std::stoi(value));
      else if (key == "idle-timeout")
        http_.IdleTimeout = std::chrono::milliseconds(std::stoi(value));
      else if (key == "request-timeout")
        http_.RequestTimeout = std::chrono::milliseconds(std::stoi(value));
      else if (key == "max-header-size")
        http_.MaxHeaderSize = std::stoul(value);
      else if (key == "max-header-lines")
        http_.MaxHeaderLines = std::stoi(value);
      else if (key == "max-body-size")
        http_.MaxBodySize = std::stoll(value);
      else if (key == "post")
        postData_ = std::istringstream(value);
      else if (key == "method")
        method_ = value;
      else if (key == "abort-on") {
        std::istringstream words(value);
        words >> abortEvent_ >> abortCountdown_;
        if (abortCountdown_ == 0) abortCountdown_ = 1;
      } else {
        ADD_FAILURE() << "unknown client setting " << key;
      }
    }
  }

  void hookEvents() {
    http_.OnStateChange = [this](THttpCli& sender) { record(std::string("state:") + stateName(sender.State())); };
    http_.OnCommand = [this](THttpCli&, const std::string&) { record("command"); };
    http_.OnHeaderBegin = [this](THttpCli&) { record("header-begin"); };
    http_.OnHeaderData = [this](THttpCli&) { record("header-data"); };
    http_.OnHeaderEnd = [this](THttpCli&) { record("header-end"); };
    // The stream is handed over when the document begins, as the site indexer does.
    http_.OnDocBegin = [this](THttpCli& sender) {
      sender.ReceiveStream = &stream_;
      record("doc-begin");
    };
    http_.OnDocData = [this](THttpCli&, const char* data, std::size_t length) {
      observed_.documentData.append(data, length);
      record("doc-data");
    };
    http_.OnDocEnd = [this](THttpCli& sender) {
      sender.ReceiveStream = nullptr;
      record("doc-end");
    };
    http_.OnSendBegin = [this](THttpCli&) { record("send-begin"); };
    http_.OnSendData = [this](THttpCli&, const char*, std::size_t) { record("send-data"); };
    http_.OnSendEnd = [this](THttpCli&) { record("send-end"); };
    http_.OnLocationChange = [this](THttpCli&) { record("location-change"); };
    http_.OnRequestDone = [this](THttpCli&, THttpRequest, std::uint16_t) {
      requestDone_ = true;
      record("request-done");
    };
  }

  void runRequest() {
    if (method_ == "GET") {
      try {
        http_.RequestGet();
      } catch (const EHttpException& error) {
        observed_.raised.emplace(error.what(), error.ErrorCode());
      }
      return;
    }
    http_.PostStream = &postData_;
    http_.StartRequest(method_ == "POST" ? THttpRequest::Post : THttpRequest::Head);
    NetworkPump pump(loop_);
    while (!requestDone_) pump.pump();
  }

  void check(const std::string& key, const std::string& value, const std::vector<std::string>& received) {
    if (key == "code")
      EXPECT_EQ(http_.ResponseCode(), std::stoi(value));
    else if (key == "text")
      EXPECT_EQ(http_.ResponseText(), unescape(value));
    else if (key == "error")
      EXPECT_EQ(http_.LastErrorCode(), std::stoi(value));
    else if (key == "document")
      EXPECT_EQ(http_.DocumentName(), value);
    else if (key == "body")
      EXPECT_EQ(observed_.documentData, unescape(value));
    else if (key == "body-size")
      EXPECT_EQ(observed_.documentData.size(), std::stoul(value));
    else if (key == "body-type")
      EXPECT_EQ(http_.BodyType(), value);
    else if (key == "location")
      EXPECT_EQ(http_.Location(), substituted(value, placeholders_));
    else if (key == "connections")
      EXPECT_EQ(received.size(), std::stoul(value));
    else if (key == "headers")
      EXPECT_EQ(http_.ResponseHeaders().size(), std::stoul(value));
    else if (key == "events") {
      std::string events;
      for (const std::string& event : observed_.events) events += (events.empty() ? "" : " ") + event;
      EXPECT_EQ(events, value);
    } else if (key == "request" || key == "header") {
      const auto blank = value.find(' ');
      const std::size_t index = std::stoul(value.substr(0, blank)) - 1;
      const std::string want = unescape(substituted(value.substr(blank + 1), placeholders_));
      const std::vector<std::string>& lines = key == "request" ? received : http_.ResponseHeaders();
      ASSERT_LT(index, lines.size()) << key << " " << index + 1;
      EXPECT_EQ(lines[index], want) << key << " " << index + 1;
    } else {
      ADD_FAILURE() << "unknown expectation " << key;
    }
  }

  EventLoop loop_;
  THttpCli http_{loop_};
  std::map<std::string, std::string> placeholders_;
  Observed observed_;
  std::ostringstream stream_;
  std::istringstream postData_;
  std::string method_ = "GET";
  std::string abortEvent_;
  int abortCountdown_ = 0;
  bool requestDone_ = false;
};

TEST_P(ClientCase, BehavesAsScripted) {
  trustTestAuthority();
  const HttpCase httpCase = loadHttpCase(std::string(QUILLON_NET_CASES_DIR) + "/" + GetParam() + ".txt");
  ScriptedHttpServer server(httpCase.server);
  UnansweredListener unanswered;
  placeholders_ = {{"{port}", std::to_string(server.port())},
                   {"{refusing-port}", std::to_string(refusingPort())},
                   {"{unanswered-port}", std::to_string(unanswered.port())}};
  // A case that goes wrong fails in seconds rather than hanging.
  http_.ConnectTimeout = http_.IdleTimeout = std::chrono::seconds(5);
  configure(httpCase.client);
  hookEvents();

  runRequest();
  server.stop();

  EXPECT_EQ(http_.State(), THttpState::Ready);
  // Every block reaches the stream, except one whose arrival ended the request.
  if (http_.ResponseCode() < 400) {
    EXPECT_EQ(stream_.str(), observed_.documentData);
  } else {
    EXPECT_TRUE(observed_.documentData.starts_with(stream_.str()));
  }
  if (method_ == "GET") {
    ASSERT_EQ(observed_.raised.has_value(), http_.ResponseCode() >= 400) << http_.ResponseText();
    if (observed_.raised) {
      EXPECT_EQ(observed_.raised->first, http_.ResponseText());
      EXPECT_EQ(observed_.raised->second, http_.ResponseCode());
    }
  }
  const std::vector<std::string> received = server.received();
  for (const auto& [key, value] : httpCase.expect) check(key, value, received);
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(QUILLON_NET_CASES_DIR)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, ClientCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace quillon::net::testing
