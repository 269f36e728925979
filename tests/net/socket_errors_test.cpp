#include "net/socket_errors.hpp"

#include <gtest/gtest.h>

#include <asio/error.hpp>

#include "net/send_queue.hpp"

namespace quillon::net {
namespace {

TEST(SocketErrors, PlatformErrorsKeepTheirClassicNumbers) {
  const struct {
    std::error_code error;
    SocketError want;
  } rows[] = {
      {{}, 0},
      {asio::error::eof, 0},
      {asio::error::connection_refused, 10061},
      {asio::error::connection_reset, 10054},
      {asio::error::timed_out, 10060},
      {asio::error::host_unreachable, 10065},
      {asio::error::network_unreachable, 10051},
      {asio::error::would_block, 10035},
      {asio::error::not_connected, 10057},
      {asio::error::host_not_found, 11001},
      {asio::error::host_not_found_try_again, 11002},
      {asio::error::no_data, 11004},
      {std::make_error_code(std::errc::connection_refused), 10061},
  };
  for (const auto& row : rows) EXPECT_EQ(toSocketError(row.error), row.want) << row.error.message();
}

TEST(SocketErrors, DescriptionsComeFromTheTable) {
  EXPECT_EQ(socketErrorDesc(0), "No Error");
  EXPECT_EQ(socketErrorDesc(10035), "Operation would block");
  EXPECT_EQ(socketErrorDesc(10054), "Connection reset by peer");
  EXPECT_EQ(socketErrorDesc(10061), "Connection refused");
  EXPECT_EQ(socketErrorDesc(10093), "WinSock not initialized");
  EXPECT_EQ(socketErrorDesc(11004), "No Data");
  for (SocketError unknown : {1, 10000, 10072, 10090, 11005}) {
    EXPECT_EQ(socketErrorDesc(unknown), "Not a WinSock error") << unknown;
  }
}

TEST(SendQueue, SendsInOrderAcrossBlocks) {
  SendQueue queue;
  std::string data;
  for (int i = 0; i < 4000; ++i) data += static_cast<char>('a' + i % 26);
  queue.append(data.data(), 1000);
  queue.append(data.data() + 1000, 3000);
  EXPECT_EQ(queue.front().size(), SendQueue::kBlockSize);
  std::string sent;
  while (!queue.empty()) {
    const std::string_view front = queue.front();
    const std::size_t count = std::min<std::size_t>(front.size(), 700);
    sent.append(front.substr(0, count));
    queue.consume(count);
  }
  EXPECT_EQ(sent, data);
  queue.append("xy", 2);
  EXPECT_EQ(queue.front(), "xy");
  EXPECT_THROW(queue.consume(3), std::length_error);
}

}  // namespace
}  // namespace quillon::net
