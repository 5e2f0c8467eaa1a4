#pragma once
// A port on 127.0.0.1 that refuses connections: bound for the object's life, so nothing
// else can take it, and never listening.
#include <winsock2.h>

#include <cstdint>

class ClosedLoopbackPort {
 public:
  ClosedLoopbackPort();
  ~ClosedLoopbackPort();
  ClosedLoopbackPort(const ClosedLoopbackPort&) = delete;
  ClosedLoopbackPort& operator=(const ClosedLoopbackPort&) = delete;

  uint16_t port() const { return port_; }

 private:
  bool winsock_ = false;
  SOCKET socket_ = INVALID_SOCKET;
  uint16_t port_ = 0;
};
