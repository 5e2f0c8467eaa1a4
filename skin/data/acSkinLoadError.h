#pragma once
// A skin whose options file cannot be used: the load of that skin stops and the skin
// manager shows the text. Raised for element notations with malformed numbers and for
// colours that must be numbers but are not.
#include <stdexcept>

class SkinLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
