#pragma once
// TacSkinEngine: what the skin engine keeps for the whole program, in one object: the
// default manager, the switches that hold while a new skin is broadcast and while system
// dialogs are skinned, the glyph and scale modes every control follows, and the data
// each density answers metric questions from while no skin is active.
//
// The program owns one; while it lives it is the engine in use (Current). A process that
// makes none, such as a test program, shares one default engine.
#include <array>
#include <cstdint>
#include <memory>

#include "skin/data/acScaleMode.h"

class IacManagerHost;
class IacSkinManagerView;
class TacSkinData;
class TsSkinManager;

class TacSkinEngine {
 public:
  // The new engine is the one in use until it is destroyed; the one before comes back then.
  TacSkinEngine();
  ~TacSkinEngine();
  TacSkinEngine(const TacSkinEngine&) = delete;
  TacSkinEngine& operator=(const TacSkinEngine&) = delete;

  // The engine in use: the program's, else the shared default one.
  static TacSkinEngine& Current();

  // Once per engine, when its first manager is made: the default data, and the version
  // message when the program was started with "/acver".
  void Start(IacManagerHost& host);

  // The default manager (the first one made) or null, as the manager and as painting sees it.
  TsSkinManager* DefaultManager() const { return defaultManager_; }
  IacSkinManagerView* DefaultManagerView() const;
  void SetDefaultManager(TsSkinManager* manager) { defaultManager_ = manager; }

  // A new skin is being broadcast right now: fades do not start meanwhile.
  bool SkinApplying() const { return skinApplying_; }
  void SetSkinApplying(bool on) { skinApplying_ = on; }
  // System dialogs and message boxes are skinned (the default manager decides).
  bool DialogSkinning() const { return dialogSkinning_; }
  void SetDialogSkinning(bool on) { dialogSkinning_ = on; }
  // A window animation is being prepared or a show animation runs: skinned controls and
  // window adapters paint only into a device context they are handed, not on their windows.
  bool AnimationRunning() const { return animationRunning_; }
  void SetAnimationRunning(bool on) { animationRunning_ = on; }
  // Button glyphs are drawn the old way, whichever manager set it.
  bool OldGlyphsMode() const { return oldGlyphsMode_; }
  void SetOldGlyphsMode(bool on) { oldGlyphsMode_ = on; }
  // The scale mode controls without a manager follow (smVCL at start).
  TacScaleMode ProgramScaleMode() const { return programScaleMode_; }
  void SetProgramScaleMode(TacScaleMode mode) { programScaleMode_ = mode; }

  // The data of scale slot 0..3 (96, 120, 144 and 192 PPI, no owner).
  TacSkinData& DefaultSkinData(int slot);

  // A number no manager of this engine was given before: managers number the
  // generations of their skin data with it, so a manager made where a destroyed one
  // stood never repeats one of its numbers.
  uint64_t NewGeneration() { return ++lastGeneration_; }

 private:
  struct SharedDefault {};
  explicit TacSkinEngine(SharedDefault);

  TsSkinManager* defaultManager_ = nullptr;
  bool skinApplying_ = false;
  bool dialogSkinning_ = false;
  bool animationRunning_ = false;
  bool oldGlyphsMode_ = false;
  TacScaleMode programScaleMode_ = smVCL;
  bool started_ = false;
  std::array<std::unique_ptr<TacSkinData>, 4> defaultData_;
  uint64_t lastGeneration_ = 0;
  bool registered_ = false;
  TacSkinEngine* previous_ = nullptr;
};

// Sets one of the engine's switches for a step and puts the previous value back after
// it, also when the step throws.
class TacEngineSwitchScope {
 public:
  enum class Switch { SkinApplying, DialogSkinning, AnimationRunning };

  TacEngineSwitchScope(TacSkinEngine& engine, Switch which, bool value);
  ~TacEngineSwitchScope();
  TacEngineSwitchScope(const TacEngineSwitchScope&) = delete;
  TacEngineSwitchScope& operator=(const TacEngineSwitchScope&) = delete;

 private:
  void Set(bool value);

  TacSkinEngine& engine_;
  Switch which_;
  bool saved_;
};
