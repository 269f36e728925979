#pragma once
// What a secure connection checks: the server's certificate against the
// system's trusted certificates (OpenSSL's default places, so SSL_CERT_FILE and
// SSL_CERT_DIR apply) and against the host name asked for.
#include <memory>
#include <string>
#include <system_error>

typedef struct ssl_st SSL;

namespace asio::ssl {
class context;
}

namespace quillon::net {

// A client context that trusts what the system trusts and checks every peer.
std::shared_ptr<asio::ssl::context> trustingClientContext();

// Makes the handshake check that the certificate names this host (a name or an
// IP address) and tells the server which host is asked for.
void expectHost(SSL* ssl, const std::string& host);

// Why a handshake failed, in words: the certificate check's reason when that
// is what failed.
std::string handshakeFailureText(SSL* ssl, const std::error_code& error);

}  // namespace quillon::net
