// The bulk jobs: started by the right-hand buttons, run on worker threads, reported
// through WM_USER.
#include <chrono>
#include <future>
#include <set>
#include <thread>

#include "tests/support/MainWindowFixture.h"

namespace {

// A window of another thread, with its own input queue, brought to the front: the
// program's windows are all inactive then, as when the user has switched to another
// program while a job runs.
class OtherWindowInFront {
 public:
  OtherWindowInFront() {
    std::promise<DWORD> started;
    std::future<DWORD> id = started.get_future();
    thread_ = std::thread([&started] {
      HWND window = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    40, 40, 200, 120, nullptr, nullptr, nullptr, nullptr);
      SetForegroundWindow(window);
      started.set_value(GetCurrentThreadId());
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(window);
    });
    threadId_ = id.get();
  }
  ~OtherWindowInFront() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  OtherWindowInFront(const OtherWindowInFront&) = delete;
  OtherWindowInFront& operator=(const OtherWindowInFront&) = delete;

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
};

class BulkJobTest : public MainWindowTest {
 protected:
  // Records the notices the window receives, as the window's message path sees them.
  void WatchNotices() {
    previous_ = form_->WindowProc;
    form_->WindowProc = [this](marv::Message& m) {
      if (m.Msg == WM_USER) noticeWParams_.push_back(m.WParam);
      previous_(m);
    };
  }
  bool HourGlassShown() {
    // What the mouse shows over the window's free area right now.
    POINT at{400, 140};
    ClientToScreen(form_->Handle(), &at);
    SetCursorPos(at.x, at.y);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(form_->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form_->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
  }
  int64_t ClickMs(marv::Control& button) {
    const auto start = std::chrono::steady_clock::now();
    uitest::Click(button);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  }

  marv::MessageHandler previous_;
  std::vector<WPARAM> noticeWParams_;
};

TEST_F(BulkJobTest, RemoveAllAsksFirstAndANoRunsNothing) {
  watcher_.answerYes = false;
  uitest::Click(*form_->btn23);
  uitest::PumpFor(300);
  ASSERT_EQ(watcher_.Boxes().size(), 1u);
  const uitest::SeenBox& question = watcher_.Boxes()[0];
  EXPECT_EQ(question.text, L"将卸载当前用户的全部应用（包括您自行安装的应用），确定继续吗？");
  EXPECT_EQ(question.caption, kNoticeCaption);
  EXPECT_EQ(question.icon, IDI_QUESTION);
  EXPECT_EQ(question.buttons, (std::set<int>{IDYES, IDNO}));
  EXPECT_TRUE(Runs().empty());
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::Default);
}

TEST_F(BulkJobTest, RemoveAllRunsOnAWorkerUnderTheHourglassAndReportsThroughWmUser) {
  WatchNotices();
  ps_.setSleepMs(1500);
  EXPECT_LT(ClickMs(*form_->btn23), 1000);  // the question is answered at once; the job runs on
  ASSERT_TRUE(WaitForRuns(1));  // the double has started and is still sleeping
  uitest::PumpFor(50);
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::HourGlass);
  EXPECT_TRUE(HourGlassShown());
  EXPECT_EQ(watcher_.Boxes().size(), 1u);  // only the question so far

  ASSERT_TRUE(WaitForBoxes(2));
  EXPECT_EQ(Runs()[0].commandLine, L"powershell.exe Get-AppxPackage | Remove-AppxPackage");
  EXPECT_EQ(Runs()[0].show, SW_HIDE);
  EXPECT_EQ(watcher_.Boxes()[1].text, L"全部卸载完成！");
  EXPECT_EQ(watcher_.Boxes()[1].icon, IDI_INFORMATION);
  EXPECT_EQ(noticeWParams_, std::vector<WPARAM>{0});
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::Default);
  EXPECT_FALSE(HourGlassShown());
}

TEST_F(BulkJobTest, InstallAllRunsItsOwnScriptBetweenPolicyChangesAndRemovesIt) {
  WatchNotices();
  ps_.setSleepMs(300);
  EXPECT_LT(ClickMs(*form_->btn24), 250);
  ASSERT_TRUE(WaitForRuns(1));
  uitest::PumpFor(50);
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::HourGlass);
  ASSERT_TRUE(WaitForBoxes(1));
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].commandLine, L"powershell.exe set-executionpolicy Bypass -Confirm:$false");
  EXPECT_EQ(runs[2].commandLine, L"powershell.exe set-ExecutionPolicy RESTRICTED");
  ASSERT_EQ(runs[1].scripts.size(), 1u);
  const std::wstring script = runs[1].scripts[0].first;
  EXPECT_EQ(runs[1].commandLine, L"powershell.exe " + script);
  EXPECT_EQ(script.rfind(tempRoot_ + L"\\ps-", 0), 0u) << std::string(script.begin(), script.end());
  EXPECT_EQ(runs[1].scripts[0].second, ResourceScript(L"INSTALLALLAPP"));
  EXPECT_EQ(watcher_.Boxes()[0].text, L"全部安装完成！");
  EXPECT_EQ(noticeWParams_, std::vector<WPARAM>{0});
  EXPECT_TRUE(uitest::PumpUntil([&] { return !FileExists(script); }, 2000));
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::Default);
}

TEST_F(BulkJobTest, ANoticeArrivingInTheBackgroundIsOwnedByTheMainWindowWhichItDisables) {
  ps_.setSleepMs(500);
  uitest::Click(*form_->btn24);
  ASSERT_TRUE(WaitForRuns(1));
  const OtherWindowInFront other;
  ASSERT_TRUE(uitest::PumpUntil([] { return GetActiveWindow() == nullptr; }, 5000))
      << "the program could not be sent to the background";

  HWND owner = nullptr;
  bool mainEnabled = true;
  watcher_.onBox = [&](const uitest::SeenBox& seen) {
    HWND box = FindWindowW(L"#32770", seen.caption.c_str());
    owner = box ? GetWindow(box, GW_OWNER) : nullptr;
    mainEnabled = IsWindowEnabled(form_->Handle());
  };
  ASSERT_TRUE(WaitForBoxes(1));
  EXPECT_EQ(watcher_.Boxes()[0].text, L"全部安装完成！");
  EXPECT_EQ(owner, form_->Handle());
  EXPECT_FALSE(mainEnabled) << "a second job could start under the notice";
  EXPECT_TRUE(uitest::PumpUntil([&] { return IsWindowEnabled(form_->Handle()) != FALSE; }, 3000));
}

TEST_F(BulkJobTest, OverlappingJobsNeverShareAScriptFile) {
  ps_.setSleepMs(400);
  uitest::Click(*form_->btn24);
  uitest::Click(*form_->btn24);
  ASSERT_TRUE(WaitForRuns(1));
  RunAppCommand(form_->btn1, form_->N1);  // a single re-install while both run
  ASSERT_TRUE(WaitForBoxes(3, 20000));
  ASSERT_TRUE(WaitForRuns(9));

  std::set<std::wstring> bulkScripts;
  size_t singleRuns = 0;
  for (const PsInvocation& run : Runs()) {
    if (run.scripts.empty()) continue;
    const auto& [path, bytes] = run.scripts[0];
    if (path == tempRoot_ + L"\\ps.ps1") {
      ++singleRuns;
      EXPECT_EQ(bytes, ResourceScript(L"3DBUILDER"));
    } else {
      bulkScripts.insert(path);
      EXPECT_EQ(bytes, ResourceScript(L"INSTALLALLAPP"));
    }
  }
  EXPECT_EQ(singleRuns, 1u);
  EXPECT_EQ(bulkScripts.size(), 2u);
  // With both jobs over, the cursor is back.
  EXPECT_TRUE(uitest::PumpUntil([&] { return form_->Cursor() == marv::MouseCursor::Default; }, 3000));
}

TEST_F(BulkJobTest, ClosingTheWindowDuringAJobLeavesTheJobToFinishAlone) {
  ps_.setSleepMs(800);
  uitest::Click(*form_->btn23);
  ASSERT_TRUE(WaitForRuns(1));
  PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  uitest::PumpFor(50);
  EXPECT_TRUE(app_->Terminated());
  app_.reset();  // every window gone while PowerShell still runs
  form_ = nullptr;

  // The job's last steps (cursor, notice) find no window; nothing shows up and
  // nothing breaks.
  uitest::PumpFor(1500);
  EXPECT_EQ(watcher_.Boxes().size(), 1u);  // the question only
  ASSERT_EQ(Runs().size(), 1u);
}

}  // namespace
