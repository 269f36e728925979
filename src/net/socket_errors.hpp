#pragma once
// Error numbers of the socket component. They keep the classic Windows Sockets
// numbering, so 10061 means "Connection refused" on every platform, and the
// platform's own error codes are mapped onto them.
#include <cstdint>
#include <string>
#include <system_error>

namespace quillon::net {

using SocketError = std::uint16_t;

inline constexpr SocketError kWsaInvalidArgument = 10022;
inline constexpr SocketError kWsaNotSocket = 10038;
inline constexpr SocketError kWsaConnectionReset = 10054;
inline constexpr SocketError kWsaNotConnected = 10057;
inline constexpr SocketError kWsaTimedOut = 10060;
inline constexpr SocketError kWsaConnectionRefused = 10061;
inline constexpr SocketError kWsaHostNotFound = 11001;

// The English text of an error number: "No Error" for 0, "Not a WinSock error"
// for a number outside the table.
std::string socketErrorDesc(SocketError error);

// The component's number for a platform error; 0 for no error and for the
// orderly end of a connection.
SocketError toSocketError(const std::error_code& error);

}  // namespace quillon::net
