#pragma once
// Where each element of a skin is drawn: every image-valued key of the options file, with
// the painter that draws it, its state size and the picture (master bitmap or own file)
// that holds it. The layout is checked as a whole before anything is drawn.
#include <map>
#include <string>
#include <vector>

#include "skin/data/acMaskNotation.h"
#include "skin/data/acOptionsFile.h"
#include "tools/skinart/Element.h"

struct PlacedElement {
  ElementSpec Spec;
  TacCanonicalMask Mask;
  std::string Value;   // the key's value, upper-cased
  std::string Target;  // the picture that holds it
  Painter Paint = nullptr;
  bool Masked() const { return Mask.MaskType != 0; }
  bool Alpha() const { return !Masked() && (Mask.DrawMode & 0x10) != 0; }
};

struct TargetPicture {
  int Width = 0, Height = 0;
};

class SkinLayout {
 public:
  // Throws LayoutError listing every problem: a key no painter draws, a variant without
  // its plain key, a rectangle that does not divide into its state images, elements that
  // overlap, a centre piece of other than one pixel.
  explicit SkinLayout(const TacOptionsFile& options);

  const std::vector<PlacedElement>& Elements() const { return elements_; }
  const std::map<std::string, TargetPicture>& Targets() const { return targets_; }
  const std::string& MasterName() const { return master_; }

 private:
  void Place(const TacOptionsFile& options, const TacIniSection& section, const TacIniKey& key);
  void SizeTargets();
  void CheckOverlaps();

  std::string master_;
  std::vector<PlacedElement> elements_;
  std::map<std::string, TargetPicture> targets_;
  std::vector<std::string> problems_;
};
