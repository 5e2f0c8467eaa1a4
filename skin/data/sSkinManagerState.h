#pragma once
// Scoped switches of the skin manager's state: set for the life of the object and put
// back afterwards, also when the work in between throws.
#include "skin/data/sSkinManager.h"

class TacStateScope {
 public:
  TacStateScope(TacSet<TacManagerStateValue>& state, TacManagerStateValue value)
      : state_(state), value_(value), wasSet_(state.Has(value)) {
    state_.Include(value_);
  }
  ~TacStateScope() {
    if (!wasSet_) state_.Exclude(value_);
  }
  TacStateScope(const TacStateScope&) = delete;
  TacStateScope& operator=(const TacStateScope&) = delete;
  // It was set already when the scope began (an enclosing change holds it).
  bool Nested() const { return wasSet_; }
  void EndEarly() {
    if (!wasSet_) state_.Exclude(value_);
    wasSet_ = true;
  }

 private:
  TacSet<TacManagerStateValue>& state_;
  TacManagerStateValue value_;
  bool wasSet_;
};

template <typename T>
class TacValueScope {
 public:
  TacValueScope(T& field, T value) : field_(field), saved_(field) { field_ = value; }
  ~TacValueScope() { field_ = saved_; }
  TacValueScope(const TacValueScope&) = delete;
  TacValueScope& operator=(const TacValueScope&) = delete;

 private:
  T& field_;
  T saved_;
};
