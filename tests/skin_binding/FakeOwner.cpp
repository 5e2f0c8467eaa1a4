#include "tests/skin_binding/FakeOwner.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/acFadeTimer.h"
#include "skin/base/acSkinCommands.h"

namespace {

class ManualTicket final : public TacHeldResource {
 public:
  explicit ManualTicket(std::function<void()> release) : release_(std::move(release)) {}
  ~ManualTicket() override { release_(); }
  uintptr_t Handle() const override { return 1; }

 private:
  std::function<void()> release_;
};

}  // namespace

std::unique_ptr<TacHeldResource> ManualTimers::Start(int ms, std::function<void()> tick) {
  lastInterval = ms;
  auto entry = std::make_shared<Entry>();
  entry->tick = std::move(tick);
  entries_.push_back(entry);
  return std::make_unique<ManualTicket>([entry] { entry->alive = false; });
}

int ManualTimers::Tick() {
  int ran = 0;
  const auto now = entries_;
  for (const auto& e : now)
    if (e->alive) {
      e->tick();
      ++ran;
    }
  return ran;
}

int ManualTimers::Live() const {
  int n = 0;
  for (const auto& e : entries_) n += e->alive ? 1 : 0;
  return n;
}

FakeOwner::FakeOwner(FakeOwner* p, TRect b, int kind, bool withCache, ManualTimers* t)
    : parent(p), bounds(b), timers(t) {
  if (parent) parent->children.push_back(this);
  if (kind >= 0) data = std::make_unique<TsCtrlSkinData>(*this, kind, withCache);
}

intptr_t FakeOwner::SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) {
  received.push_back(command);
  intptr_t result = 0;
  if (handler && handler(command, argument, lParam, result)) return result;
  if (data && data->HandleCommand(command, argument, lParam, result)) return result;
  return 0;
}

intptr_t FakeOwner::SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) {
  return parent ? parent->SendToSelf(command, argument, lParam) : 0;
}

void FakeOwner::SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) {
  for (FakeOwner* c : children)
    if (!windowedOnly || c->windowed) c->SendToSelf(command, argument, lParam);
}

void FakeOwner::ShowPicture(const PixelBuffer& picture) {
  PixelImage copy(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) copy.at(x, y) = picture.at(x, y);
  shown.push_back(std::move(copy));
}

std::unique_ptr<TacHeldResource> FakeOwner::StartTimer(int milliseconds, std::function<void()> tick) {
  return timers ? timers->Start(milliseconds, std::move(tick)) : nullptr;
}

FakeButton::FakeButton(FakeOwner* parent, TRect bounds, ManualTimers& timers, bool windowed)
    : owner(parent, bounds, kKindSpeedButton, true, &timers) {
  owner.windowed = windowed;
  owner.handler = [this](uint16_t command, uint16_t, intptr_t, intptr_t& result) {
    TsCtrlSkinData& data = owner.Data();
    switch (command) {
      case SC_PREPARECACHE:
        ++prepared;
        data.InitCacheBmp();
        data.CacheBmp().view().fill(ColorToPixel(stateColors[state]));
        data.BGChanged = false;
        result = 1;
        return true;
      case SC_REPAINT:
        RecordFrame();
        return true;
      default:
        return false;
    }
  };
}

void FakeButton::RecordFrame() {
  const PixelImage* fade = owner.Data().FadePicture();
  if (!fade) return;
  frames.push_back(static_cast<int>(PixelR(fade->at(0, 0))));
  glows.push_back(std::clamp(static_cast<int>(std::nearbyint(owner.Data().AnimTimer()->Glow)), 0, 255));
}
