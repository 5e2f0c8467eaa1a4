#include "skin/data/acSkinEngine.h"

#include "skin/data/acManagerHost.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinEngineStart.h"
#include "skin/data/sSkinManager.h"

namespace {

// The engine the program registered; the only process-wide pointer the engine keeps.
TacSkinEngine* registeredEngine = nullptr;

}  // namespace

TacSkinEngine::TacSkinEngine() : registered_(true), previous_(registeredEngine) { registeredEngine = this; }

TacSkinEngine::TacSkinEngine(SharedDefault) {}

TacSkinEngine::~TacSkinEngine() {
  if (registered_ && registeredEngine == this) registeredEngine = previous_;
}

TacSkinEngine& TacSkinEngine::Current() {
  if (registeredEngine != nullptr) return *registeredEngine;
  static TacSkinEngine shared{SharedDefault{}};
  return shared;
}

void TacSkinEngine::Start(IacManagerHost& host) {
  if (started_) return;
  started_ = true;
  DefaultSkinData(0);
  if (AsksForEngineVersion(host.ProgramArguments())) host.ShowInfo(kVersionMessage);
}

IacSkinManagerView* TacSkinEngine::DefaultManagerView() const { return defaultManager_; }

TacSkinData& TacSkinEngine::DefaultSkinData(int slot) {
  if (!defaultData_[0]) {
    for (size_t s = 0; s < defaultData_.size(); ++s) {
      defaultData_[s] = std::make_unique<TacSkinData>(nullptr, kSlotPPI[s]);
      defaultData_[s]->LoadParams();
    }
  }
  return *defaultData_.at(static_cast<size_t>(slot));
}

TacEngineSwitchScope::TacEngineSwitchScope(TacSkinEngine& engine, Switch which, bool value)
    : engine_(engine), which_(which),
      saved_(which == Switch::SkinApplying     ? engine.SkinApplying()
             : which == Switch::DialogSkinning ? engine.DialogSkinning()
                                               : engine.AnimationRunning()) {
  Set(value);
}

TacEngineSwitchScope::~TacEngineSwitchScope() { Set(saved_); }

void TacEngineSwitchScope::Set(bool value) {
  switch (which_) {
    case Switch::SkinApplying: engine_.SetSkinApplying(value); break;
    case Switch::DialogSkinning: engine_.SetDialogSkinning(value); break;
    case Switch::AnimationRunning: engine_.SetAnimationRunning(value); break;
  }
}
