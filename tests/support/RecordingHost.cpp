#include "tests/support/RecordingHost.h"

#include <algorithm>

#include "skin/base/acSkinCommands.h"

namespace {

class HeldResource final : public TacHeldResource {
 public:
  HeldResource(int& live, std::function<void()> release) : live_(live), release_(std::move(release)) { ++live_; }
  ~HeldResource() override {
    --live_;
    if (release_) release_();
  }
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(this); }

 private:
  int& live_;
  std::function<void()> release_;
};

std::string CommandText(uint16_t command) {
  const std::string_view name = SkinCommandName(command);
  return name.empty() ? std::to_string(command) : std::string(name);
}

}  // namespace

std::vector<std::string> RecordingHost::BroadcastNames() const {
  std::vector<std::string> names;
  for (const RecordedBroadcast& b : broadcasts) names.push_back(CommandText(b.Command));
  return names;
}

int RecordingHost::CountOf(uint16_t command) const {
  return static_cast<int>(std::count_if(broadcasts.begin(), broadcasts.end(),
                                        [&](const RecordedBroadcast& b) { return b.Command == command; }));
}

void RecordingHost::AppBroadcast(uint16_t command, intptr_t lParam, TacBroadcastScope scope) {
  broadcasts.push_back({command, lParam, scope});
  events.push_back(CommandText(command));
  if (onBroadcast) onBroadcast(broadcasts.back());
}

std::unique_ptr<TacHeldResource> RecordingHost::Held(std::string unlockEvent) {
  return std::make_unique<HeldResource>(liveResources, [this, unlockEvent] { events.push_back(unlockEvent); });
}

std::unique_ptr<TacHeldResource> RecordingHost::LockForms() {
  events.emplace_back("lock");
  return Held("unlock");
}

std::unique_ptr<TacHeldResource> RecordingHost::LockProviderForms() {
  events.emplace_back("provider-lock");
  return Held("provider-unlock");
}

void RecordingHost::ForEachProviderForm(const std::function<void(IacScalableControl&)>& visit) {
  for (IacScalableControl* form : providerForms) visit(*form);
}

bool RecordingHost::IsSelfOrAncestor(uintptr_t candidate, uintptr_t window) const {
  for (uintptr_t w = window; w != 0;) {
    if (w == candidate) return true;
    const auto it = std::find_if(parentOf.begin(), parentOf.end(), [&](const auto& p) { return p.first == w; });
    w = it == parentOf.end() ? 0 : it->second;
  }
  return false;
}

void RecordingHost::SendSkinCommand(uintptr_t window, uint16_t command, intptr_t) {
  sent.push_back(CommandText(command) + " " + std::to_string(window));
}

void RecordingHost::PerformSkinCommand(void* control, uint16_t command, intptr_t) {
  sent.push_back(CommandText(command) + " control " + std::to_string(reinterpret_cast<uintptr_t>(control)));
}

std::unique_ptr<TacHeldResource> RecordingHost::RegisterFont(std::span<const uint8_t>, std::string_view fontName) {
  registeredFonts.emplace_back(fontName);
  return Held("font-released");
}

std::unique_ptr<TacHeldResource> RecordingHost::CreateSolidBrush(uint32_t) {
  return std::make_unique<HeldResource>(liveResources, nullptr);
}

std::unique_ptr<TacHeldResource> RecordingHost::StartTimer(int, std::function<void()> tick) {
  timerTick = std::move(tick);
  return std::make_unique<HeldResource>(liveResources, [this] { timerTick = nullptr; });
}
