#pragma once
// The schedule of a caption button's fade: how many 12 ms ticks it takes and the glyph
// window's opacity after each. Fading in rises to fully opaque; leaving counts the same
// steps back down, and at 0 the glyph window goes away.
inline constexpr int kButtonFadeInterval = 12;

class TacButtonFade {
 public:
  // Starts fading in to `state` (1 hot, 2 pressed); false when that fade already runs.
  // allowAnimation: the manager lets effects animate (off: one step).
  bool Start(int state, bool allowAnimation);
  // Turns a running fade round to count back down (the mouse left the button).
  void Leave();
  // One tick; true while the timer must keep ticking.
  bool Step();

  int Level() const { return level_; }
  int MaxIterations() const { return maxIterations_; }
  int State() const { return state_; }
  bool FadingIn() const { return up_; }
  // The glyph window's opacity at the current level.
  int Opacity() const;
  // Counted back to 0: the glyph window is freed.
  bool Finished() const { return !up_ && level_ == 0; }

 private:
  int level_ = 0;
  int maxIterations_ = 1;
  int state_ = -1;
  bool up_ = false;
};
