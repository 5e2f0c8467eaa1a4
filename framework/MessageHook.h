#pragma once
// Puts a handler in front of a control's WindowProc for as long as this object lives.
// The handler gets each message and the procedure it was put in front of, and passes on
// what it does not handle. Gone, it restores the previous procedure when still in front,
// or else passes everything on, so hooks may come and go in any order.
#include <functional>
#include <memory>

#include "framework/Control.h"

namespace marv {

class MessageHook {
 public:
  using Handler = std::function<void(Message& m, const MessageHandler& next)>;

  MessageHook(Control& control, Handler handler);
  ~MessageHook();
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

 private:
  struct Link;
  Control& control_;
  std::shared_ptr<Handler> handler_;  // null once gone
  MessageHandler previous_;
};

}  // namespace marv
