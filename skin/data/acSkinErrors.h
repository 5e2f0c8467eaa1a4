#pragma once
// How the skin engine tells the user that skin data cannot be used. The engine never
// shows anything itself: it hands the text to a sink. The Windows build shows a modal
// error box (MessageBoxErrorSink, acSkinErrors_win.h); tests and tools record the texts.
// A skin manager that must switch things off while a box is up wraps the sink it is given.
#include <string>
#include <string_view>
#include <vector>

// Texts of the engine's error boxes (kept as the engine has always worded them).
inline constexpr std::string_view kNotPackedSkinText = "Loaded data is not a packed skin file";
inline constexpr std::string_view kNoDirectoryText = "Directory does not exists.";
inline constexpr std::string_view kNoSkinText = "Skin does not exists.";
inline constexpr std::string_view kDirectoryCreationErrorSuffix = " directory creation error.";
inline constexpr std::string_view kErrorCaption = "Error";

class SkinErrorSink {
 public:
  virtual ~SkinErrorSink() = default;
  // Shows (or records) one error; text is UTF-8. Returns after the user has seen it.
  virtual void ShowError(std::string_view text) = 0;
};

// Keeps every error text in order, for tests and for tools that print them later.
class RecordingErrorSink final : public SkinErrorSink {
 public:
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> errors;
};
