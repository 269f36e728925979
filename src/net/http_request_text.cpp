#include "net/http_request_text.hpp"

#include <cstdio>

#include "net/base64.hpp"

namespace quillon::net {

std::string formatHttpDate(std::chrono::sys_seconds time) {
  using namespace std::chrono;
  static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{time - day};
  char text[64];
  std::snprintf(text, sizeof text, "%s, %2.2u %s %4.4d %2.2d:%2.2d:%2.2d", kWeekdays[weekday{day}.c_encoding()],
                static_cast<unsigned>(date.day()), kMonths[static_cast<unsigned>(date.month()) - 1],
                static_cast<int>(date.year()), static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count()));
  return text;
}

std::vector<std::string> requestLines(const RequestHeaderInput& input) {
  std::vector<std::string> lines;
  lines.push_back(input.method + " " + input.requestPath + " HTTP/1.0");
  if (!input.sender.empty()) lines.push_back("From: " + input.sender);
  if (!input.reference.empty()) lines.push_back("Referer: " + input.reference);
  if (input.postLength && !input.contentTypePost.empty()) lines.push_back("Content-Type: " + input.contentTypePost);
  if (!input.agent.empty()) lines.push_back("User-Agent: " + input.agent);
  lines.push_back("Host: " + input.hostName);
  if (input.noCache) lines.push_back("Pragma: no-cache");
  if (input.postLength) lines.push_back("Content-Length: " + std::to_string(*input.postLength));
  if (input.modifiedSince) lines.push_back("If-Modified-Since: " + formatHttpDate(*input.modifiedSince) + " GMT");
  if (!input.username.empty()) {
    lines.push_back("Authorization: Basic " + base64Encode(input.username + ":" + input.password));
  }
  if (!input.cookie.empty()) lines.push_back("Cookie: " + input.cookie);
  if (!input.acceptEncoding.empty()) lines.push_back("Accept-Encoding: " + input.acceptEncoding);
  lines.emplace_back();
  return lines;
}

}  // namespace quillon::net
