#pragma once
// The slider switch's pictures on pixel buffers: which sections draw the track and the
// thumb, and how each is composed over what lies under it.
#include <string>
#include <string_view>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/data/acWellKnownSections.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/acElementOwner.h"

class TacSkinData;

// The skin index of the track's section: "SLIDER_ON" or "SLIDER_OFF" by state, else
// "PANEL_LOW"; -1 when the skin has none of them.
int SliderTrackSkinIndex(const TacSectionTable& sections, bool sliderOn);

// The thumb's section name: imageThumb → "CHECKBOX"; a chosen section; else by state,
// "PANEL" when the skin lacks the state's thumb section.
std::string SliderThumbSection(bool imageThumb, std::string_view chosen, bool sliderOn,
                               bool skinHasStateThumb);
inline std::string_view StateThumbSection(bool sliderOn) { return sliderOn ? "THUMB_ON" : "THUMB_OFF"; }

// The track in state 0 over the parent's background: the section's background, its
// corner images, its border. offset: the slider's place in that background.
void PaintSliderTrack(const TacSkinData& data, int skinIndex, const TCacheInfo& parentBg, const PixelBuffer& cache,
                      TPoint offset);

// The thumb over the track's picture (trackBg, the slider's cache at (0, 0)): alpha
// cleared, then the thumb's whole element in state 0 with its tone, hue and saturation.
// thumbPos: the thumb's place in the slider.
void PaintSliderThumb(const IacElementOwner& thumb, const TCacheInfo& trackBg, const PixelBuffer& cache,
                      TPoint thumbPos);
