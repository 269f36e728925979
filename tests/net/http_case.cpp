#include "http_case.hpp"

#include <fstream>
#include <stdexcept>

#include "compressed_text.hpp"
#include "test_certificates.hpp"

namespace quillon::net::testing {
namespace {

std::pair<std::string, std::string> splitKey(const std::string& line) {
  const auto blank = line.find(' ');
  if (blank == std::string::npos) return {line, ""};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

ServerStep serverStep(const std::string& key, const std::string& value, const std::string& where) {
  using Kind = ServerStep::Kind;
  if (key == "read-request") return {Kind::ReadRequest, "", {}};
  if (key == "read-all") return {Kind::ReadAll, "", {}};
  if (key == "send") return {Kind::Send, unescape(value), {}};
  if (key == "pause") return {Kind::Pause, "", std::chrono::milliseconds(std::stoi(value))};
  if (key == "close") return {Kind::Close, "", {}};
  if (key == "reset") return {Kind::Reset, "", {}};
  if (key == "hold") return {Kind::Hold, "", {}};
  if (key == "start-tls") return {Kind::StartTls, "", {}};
  if (key == "send-gzip") return {Kind::Send, compressed(unescape(value), 31), {}};
  if (key == "send-deflate") return {Kind::Send, compressed(unescape(value), 15), {}};
  if (key == "send-raw-deflate") return {Kind::Send, compressed(unescape(value), -15), {}};
  if (key == "send-repeat") {
    const auto [count, text] = splitKey(value);
    std::string bytes;
    for (int i = std::stoi(count); i > 0; --i) bytes += unescape(text);
    return {Kind::Send, bytes, {}};
  }
  throw std::runtime_error(where + ": unknown server step '" + key + "'");
}

void serverSetting(const std::string& key, const std::string& value, ServerScript& server, const std::string& where) {
  const TestCertificates& certificates = testCertificates();
  if (key == "address") {
    server.address = value;
  } else if (key == "tls" && value == "trusted") {
    server.tls = certificates.trusted;
  } else if (key == "tls" && value == "wrong-host") {
    server.tls = certificates.wrongHost;
  } else if (key == "tls" && value == "untrusted") {
    server.tls = certificates.untrusted;
  } else {
    throw std::runtime_error(where + ": unknown server setting '" + key + " " + value + "'");
  }
}

}  // namespace

std::string unescape(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'r': bytes += '\r'; break;
      case 'n': bytes += '\n'; break;
      case 't': bytes += '\t'; break;
      default: bytes += text[i]; break;
    }
  }
  return bytes;
}

HttpCase loadHttpCase(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  HttpCase result;
  std::string section;
  ConnectionScript* connection = nullptr;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    const std::string where = path + ":" + std::to_string(number);
    if (line.empty() || line.starts_with('#')) continue;
    if (line.starts_with('[')) {
      section = line;
      if (section == "[connection]") {
        connection = &result.server.connections.emplace_back();
      } else if (section == "[every-connection]") {
        connection = &result.server.everyFurtherConnection.emplace();
      } else if (section != "[client]" && section != "[expect]" && section != "[server]") {
        throw std::runtime_error(where + ": unknown section " + section);
      }
      continue;
    }
    const auto [key, value] = splitKey(line);
    if (section == "[client]") {
      result.client[key] = unescape(value);
    } else if (section == "[server]") {
      serverSetting(key, value, result.server, where);
    } else if (section == "[expect]") {
      result.expect.emplace_back(key, value);
    } else if (connection != nullptr) {
      connection->push_back(serverStep(key, value, where));
    } else {
      throw std::runtime_error(where + ": line outside any section");
    }
  }
  return result;
}

}  // namespace quillon::net::testing
