#pragma once
// TsLabel: the framework's label with its text colour taken from the skin section it
// shows through (asked up its parents with SC_GETBGSTATE), muted by the parent's colour
// when disabled. It has no cache: it draws straight onto its parent's picture.
#include <optional>
#include <string>

#include "framework/Label.h"

class IacSkinManagerView;

class TsLabel : public marv::Label {
 public:
  using marv::Label::Label;

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool use);
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(std::string section);
  void SetSkinManager(IacSkinManagerView* manager);
  IacSkinManagerView* SkinManager() const;

  // The colour the text is drawn in now (COLORREF).
  uint32_t TextColor();

 protected:
  void Paint(HDC dc) override;
  void WndProc(marv::Message& m) override;

 private:
  // The skin index of the section under the label (0 is the skin's first section); -1 for
  // its own; nothing when none answers.
  std::optional<int> SectionUnder(int state);

  bool useSkinColor_ = true;
  std::string skinSection_;
  IacSkinManagerView* skinManager_ = nullptr;
};
