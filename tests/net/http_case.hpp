#pragma once
// One client case read from a data file: how the client is set up, what the
// scripted server answers on each connection, and what must come out.
//
//   # comment
//   [client]            url, proxy, method, post, agent, sender, reference, cookie,
//                       username, password, no-cache, modified-since,
//                       connect-timeout MS, idle-timeout MS, request-timeout MS,
//                       max-header-size N, max-header-lines N, max-body-size N,
//                       abort-on EVENT [N]
//   [server]            tls trusted | wrong-host | untrusted, address ::1
//   [connection]        one block per connection, in order of acceptance
//   [every-connection]  serves every further connection
//                       read-request | read-all | send TEXT | send-repeat N TEXT |
//                       send-gzip TEXT | send-deflate TEXT | send-raw-deflate TEXT |
//                       pause MS | close | reset | hold | start-tls
//   [expect]            code, text, error, document, body, body-size, body-type,
//                       location, events, connections, request N TEXT, header N TEXT
//
// Values may use \r, \n, \t and \\; {port}, {refusing-port} and {unanswered-port}
// stand for the scripted server, a port that refuses and one that never answers.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scripted_http_server.hpp"

namespace quillon::net::testing {

struct HttpCase {
  std::map<std::string, std::string> client;
  ServerScript server;
  // Expectations in file order; "request" and "header" keep their number in the value.
  std::vector<std::pair<std::string, std::string>> expect;
};

HttpCase loadHttpCase(const std::string& path);

std::string unescape(const std::string& text);

}  // namespace quillon::net::testing
