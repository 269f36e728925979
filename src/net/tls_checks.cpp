#include "net/tls_checks.hpp"

#include <asio/ip/address.hpp>
#include <asio/ssl/context.hpp>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

namespace quillon::net {

std::shared_ptr<asio::ssl::context> trustingClientContext() {
  auto context = std::make_shared<asio::ssl::context>(asio::ssl::context::tls_client);
  context->set_default_verify_paths();
  context->set_verify_mode(asio::ssl::verify_peer);
  return context;
}

void expectHost(SSL* ssl, const std::string& host) {
  std::error_code notAnAddress;
  asio::ip::make_address(host, notAnAddress);
  if (!notAnAddress) {
    X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str());
    return;
  }
  SSL_set_tlsext_host_name(ssl, host.c_str());
  SSL_set1_host(ssl, host.c_str());
}

std::string handshakeFailureText(SSL* ssl, const std::error_code& error) {
  const long verdict = SSL_get_verify_result(ssl);
  if (verdict != X509_V_OK) {
    return std::string("the server's certificate was refused: ") + X509_verify_cert_error_string(verdict);
  }
  return "the TLS handshake failed: " + error.message();
}

}  // namespace quillon::net
