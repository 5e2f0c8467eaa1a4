// A skin editor's preview reaching the program's main window from another process.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "tests/support/EditorRecords.h"
#include "tests/support/ProgramForms.h"

namespace {

constexpr const char* kSlate = "Slate (internal)";
constexpr TColor kSentColor = 0x3050A0;  // COLORREF, written $3050A0 in the options

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// The colour (COLORREF) the window shows at a client point.
TColor ShownColor(HWND window, POINT at) {
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, at.x, at.y);
  ReleaseDC(window, dc);
  return color;
}

bool FirstArgumentIsPreviewHost() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  const bool host = count > 1 && std::wstring(argv[1]) == L"/acpreview";
  LocalFree(argv);
  return host;
}

class PreviewWin : public ProgramFormsTest {
 protected:
  void SetUp() override {
    ProgramFormsTest::SetUp();
    if (HasFatalFailure()) return;
    const RECT button = form_->btn1->BoundsRect();
    face_ = {button.left + 4, (button.top + button.bottom) / 2};  // the face, left of the caption
    ASSERT_NE(ShownColor(form_->Handle(), face_), kSentColor);
  }
  void TearDown() override {
    ProgramFormsTest::TearDown();
    DeleteFileW(recordFile_.c_str());
  }

  TColor ButtonColor() {
    TsSkinManager& m = *form_->sknmngr1;
    return m.gd()[static_cast<size_t>(m.GetSkinIndex("SPEEDBUTTON"))].Props[0].Color;
  }
  // Slate's options with the speed buttons' face a plain colour instead of a picture.
  std::string SlateWithPlainButtons() {
    TacSkinConvertor package;
    RecordingErrorSink errors;
    UnpackSkin(form_->sknmngr1->InternalSkins()[0].PackedData, package, errors);
    const std::string slate(package.Options->begin(), package.Options->end());
    return WithSectionKeys(slate, "SPEEDBUTTON",
                           {{"COLOR", "$3050A0"}, {"TRANSPARENCY", "0"}, {"BORDERSMASK", ""}});
  }

  // The editor double sends these bytes to the main window; its exit code (the window's
  // answer), or -1.
  int SendFromEditor(const std::vector<uint8_t>& record) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    recordFile_ = std::wstring(temp) + L"preview-" + std::to_wstring(GetCurrentProcessId()) + L".bin";
    std::ofstream(std::filesystem::path(recordFile_), std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    const int answer =
        RunAndPump(L"\"" + BesideThisProgram(L"skin_editor_double.exe") + L"\" " +
                       std::to_wstring(reinterpret_cast<uintptr_t>(form_->Handle())) + L" \"" + recordFile_ + L"\"",
                   20000);
    uitest::PumpFor(300);  // the posted SC_APPLYPREVIEW and the repaint
    return answer;
  }

  POINT face_{};
  std::wstring recordFile_;
};

}  // namespace

TEST_F(PreviewWin, APreviewFromTheEditorRecoloursTheMainWindow) {
  const int answer = SendFromEditor(EditorRecord(kSlate, "C:\\nowhere", SlateWithPlainButtons()));
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(ButtonColor(), kSentColor);
  EXPECT_EQ(ShownColor(form_->Handle(), face_), kSentColor);
  EXPECT_EQ(form_->sknmngr1->SkinDirectory(), "C:\\nowhere");
}

TEST_F(PreviewWin, AShortRecordChangesNothing) {
  const TColor before = ButtonColor();
  const TColor shown = ShownColor(form_->Handle(), face_);
  auto record = EditorRecord(kSlate, "C:\\nowhere", SlateWithPlainButtons());
  record.resize(100);  // starts with the magic, ends long before the record does
  EXPECT_EQ(SendFromEditor(record), 0);
  EXPECT_EQ(ButtonColor(), before);
  EXPECT_EQ(ShownColor(form_->Handle(), face_), shown);
  EXPECT_NE(form_->sknmngr1->SkinDirectory(), "C:\\nowhere");
}

TEST_F(PreviewWin, WithoutAcpreviewTheEditorsQuestionIsNotAnswered) {
  EXPECT_EQ(SendMessageW(form_->Handle(), 0xA400, 4, 0), 0);
}

// Runs as the child of StartedAsPreviewHostWithoutAnEditor, with "/acpreview" first.
TEST_F(PreviewWin, PreviewHostChild) {
  if (!FirstArgumentIsPreviewHost()) GTEST_SKIP() << "runs as the child of StartedAsPreviewHostWithoutAnEditor";
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(SendMessageW(form_->Handle(), 0xA400, 4, 0), 1);  // "are you there?"
  EXPECT_EQ(SendMessageW(form_->Handle(), 0xA400, 3, 0), 0);  // passed on to the form
  SendMessageW(form_->Handle(), 0xA400, 1, 0);                  // "close"
  uitest::PumpFor(200);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

TEST(PreviewHost, StartedAsPreviewHostWithoutAnEditorStartsNormallyAndAnswersTheEditor) {
  EXPECT_EQ(RunAndPump(QuotedThisProgram() + L" /acpreview --gtest_filter=PreviewWin.PreviewHostChild"), 0)
      << "the preview host answered wrongly";
}
