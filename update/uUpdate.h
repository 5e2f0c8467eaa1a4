#pragma once
// The update check: the program's own version, a connection probe and, when online, the
// update descriptor from the maker's web server, an INI file whose section "MAIN" names
// the newest version ("VER"), the page that offers it ("URL") and further lines
// ("Detail").
#include <string>
#include <vector>

// A version and where to get it.
struct TUpdateContent {
  std::wstring L_Ver;                // the running program's own version
  std::wstring N_Ver;                // the newest version the descriptor names
  std::wstring D_Url;                // the page that offers it
  std::vector<std::wstring> Detail;  // further lines, split at the delimiter
};

// Does the whole check while it is being made and blocks the calling thread meanwhile;
// afterwards the results are read and the object dropped.
//
// C++ does not dispatch from a base constructor to an override, so the check is the
// second phase of construction: the concrete class calls Check() at the end of its own
// constructor, once GetContent can run. The order of the steps stays: own version,
// probe, fetch.
class TUpdate {
 public:
  virtual ~TUpdate() = default;
  TUpdate(const TUpdate&) = delete;
  TUpdate& operator=(const TUpdate&) = delete;

  bool IsHasNet() const { return FIsHasNet; }
  const std::wstring& L_Ver() const { return FL_Ver; }
  // True when the descriptor names a later version; versions compare as strings.
  bool IsNeedUpdate() const;
  const TUpdateContent& RemoteContent() const { return FRemoteContent; }

 protected:
  // VerLen: the number of version parts to read (2, 3 or 4).
  explicit TUpdate(int VerLen) : FVerLen(VerLen) {}
  void Check();
  // Fills Content from the update source; false when nothing could be read.
  virtual bool GetContent(TUpdateContent& Content) = 0;

 private:
  int FVerLen;
  std::wstring FL_Ver;
  bool FIsHasNet = false;
  TUpdateContent FRemoteContent;
};

// Fetches the descriptor over HTTP into the temporary folder, reads it and deletes the copy.
class TUrlUpdate final : public TUpdate {
 public:
  // DeliMt separates the Detail lines.
  TUrlUpdate(int VerLen, wchar_t DeliMt);

 protected:
  bool GetContent(TUpdateContent& Content) override;

 private:
  std::wstring FLink;
  wchar_t FDelimiter;
};
