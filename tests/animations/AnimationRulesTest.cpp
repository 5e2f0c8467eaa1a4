// Which forms and dialogs animate, from the settings and what is known of the window.
#include <gtest/gtest.h>

#include <functional>

#include "skin/forms/logic/acAnimationRules.h"

namespace {

TEST(AnimationRules, AFormShowsAndHidesAnimatedOnlyWhenEverySwitchAllowsIt) {
  const struct {
    const char* name;
    std::function<void(TacFormFacts&, bool&, TacAnimEffects&)> change;
    bool shows, hides;
  } cases[] = {
      {"the program's settings", [](auto&, auto&, auto&) {}, true, true},
      {"the form's own switch off", [](TacFormFacts& f, bool&, TacAnimEffects&) { f.AllowAnimation = false; }, false, false},
      {"a form with a parent window", [](TacFormFacts& f, bool&, TacAnimEffects&) { f.HasParent = true; }, false, false},
      {"an MDI child is never hidden animated", [](TacFormFacts& f, bool&, TacAnimEffects&) { f.MdiChild = true; }, true, false},
      {"the skin editor's window never shows animated", [](TacFormFacts& f, bool&, TacAnimEffects&) { f.EditorWindow = true; }, false, true},
      {"animations off in the manager", [](TacFormFacts&, bool& allow, TacAnimEffects&) { allow = false; }, false, false},
      {"FormShow off", [](TacFormFacts&, bool&, TacAnimEffects& a) { a.FormShow.Active = false; }, false, true},
      {"FormHide off", [](TacFormFacts&, bool&, TacAnimEffects& a) { a.FormHide.Active = false; }, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TacFormFacts form;
    bool allow = true;
    TacAnimEffects anim;
    anim.FormShow.Time = anim.FormHide.Time = 100;
    c.change(form, allow, anim);
    EXPECT_EQ(FormShowAnimates(form, allow, anim), c.shows);
    EXPECT_EQ(FormHideAnimates(form, allow, anim), c.hides);
  }
}

TEST(AnimationRules, ATranslucentFormEndsAtItsOwnOpacity) {
  EXPECT_EQ(FormBlendValue({}), 255);
  EXPECT_EQ(FormBlendValue({.AlphaBlend = true, .AlphaBlendValue = 200}), 200);
  EXPECT_EQ(FormBlendValue({.AlphaBlend = false, .AlphaBlendValue = 200}), 255);
}

TEST(AnimationRules, EveryClosingButtonOfADialogTakesAFreshPictureForItsHide) {
  TacAnimEffects anim;
  anim.DialogHide.Time = 12;  // the program's is 0: no dialog hide at all
  const struct {
    int command;
    bool takes;
  } cases[] = {{1, true}, {2, true}, {6, true}, {7, true}, {3, false}, {100, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(DialogHideTakesPicture(c.command, true, true, anim), c.takes);
  }
  EXPECT_FALSE(DialogHideTakesPicture(1, false, true, anim)) << "an unskinned frame";
  EXPECT_FALSE(DialogHideTakesPicture(1, true, false, anim)) << "animations off";
  anim.DialogHide.Time = 0;
  EXPECT_FALSE(DialogHideTakesPicture(2, true, true, anim)) << "the program's settings";
}

}  // namespace
