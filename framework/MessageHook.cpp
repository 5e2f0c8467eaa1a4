#include "framework/MessageHook.h"

namespace marv {

struct MessageHook::Link {
  std::shared_ptr<Handler> handler;
  MessageHandler next;
  void operator()(Message& m) const {
    if (*handler) (*handler)(m, next);
    else next(m);
  }
};

MessageHook::MessageHook(Control& control, Handler handler)
    : control_(control), handler_(std::make_shared<Handler>(std::move(handler))), previous_(control.WindowProc) {
  control_.WindowProc = Link{handler_, previous_};
}

MessageHook::~MessageHook() {
  const Link* ours = control_.WindowProc.target<Link>();
  if (ours && ours->handler == handler_) control_.WindowProc = previous_;
  *handler_ = nullptr;
}

}  // namespace marv
