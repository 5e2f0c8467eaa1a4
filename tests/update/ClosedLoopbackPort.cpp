#include "tests/update/ClosedLoopbackPort.h"

ClosedLoopbackPort::ClosedLoopbackPort() {
  WSADATA data;
  winsock_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (socket_ != INVALID_SOCKET &&
      bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port_ = ntohs(address.sin_port);
}

ClosedLoopbackPort::~ClosedLoopbackPort() {
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
  if (winsock_) WSACleanup();
}
