// The app actions: uninstall or re-install the app clicked last (on the UI thread), and
// all apps at once (each on a worker thread of its own).
#include "app/AppCommands.h"
#include "app/InstallScript.h"
#include "app/Unit1.h"
#include "common/uCommonFunc.h"
#include "framework/Application.h"
#include "framework/WorkerThread.h"

namespace {

void PostNotice(const TBulkJobLink& job, bool succeeded, const wchar_t* done, const wchar_t* failed) {
  if (!job.noticesOn->load()) return;
  const LPARAM token = job.notices->Add(std::make_unique<TStrMsgObject>(succeeded ? done : failed));
  // When the window is gone the post fails and the notice is dropped here.
  if (!job.window->Post(WM_USER, succeeded ? kNoticeDone : kNoticeFailed, token)) job.notices->Take(token);
}

// Marks the window busy (hourglass) for the scope of a bulk job's commands.
class BusyWindow {
 public:
  explicit BusyWindow(const TBulkJobLink& job) : job_(job) { job_.window->Post(WM_BULKJOBBUSY, 1, 0); }
  ~BusyWindow() { job_.window->Post(WM_BULKJOBBUSY, 0, 0); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  const TBulkJobLink& job_;
};

}  // namespace

void TForm1::p1Click(marv::MenuItem&) {
  if (sAppName.empty()) return;
  const bool succeeded = RunStep(UninstallAppCommand(sAppName));
  if (sSlider1->SliderOn())
    ShowNotice(sDisName + (succeeded ? L" 卸载完成！" : L" 卸载失败！"), !succeeded);
}

void TForm1::N1Click(marv::MenuItem&) {
  if (sAppName.empty()) return;
  const std::optional<std::string> script = LoadInstallScript(sAppName);
  if (!script) return;
  const std::wstring path = TempScriptPath(kSingleScriptName);
  if (!WriteScriptFile(path, *script)) {
    marv::ShowErrorBox(L"无法创建文件“" + path + L"”。");
    return;
  }
  const bool succeeded = RunInstallScript(path);
  DeletePath(path, false);
  if (sSlider1->SliderOn())
    ShowNotice(sDisName + (succeeded ? L" 安装完成！" : L" 安装失败！"), !succeeded);
}

TBulkJobLink TForm1::BulkJobLink() { return TBulkJobLink{Link(), noticesOn_, notices_}; }

void TForm1::btn23Click(marv::Control&) {
  // This removes every app package of the user, the user's own apps included.
  if (!ShowMsg(L"将卸载当前用户的全部应用（包括您自行安装的应用），确定继续吗？", L"提示", true)) return;
  marv::WorkerThread::Start([job = BulkJobLink()] { RemoveALl(job); });
}

void TForm1::btn24Click(marv::Control&) {
  marv::WorkerThread::Start([job = BulkJobLink()] { InstallALL(job); });
}

void TForm1::RemoveALl(const TBulkJobLink& job) {
  bool succeeded;
  {
    BusyWindow busy(job);
    succeeded = RunStep(kUninstallAllCommand);
  }
  PostNotice(job, succeeded, L"全部卸载完成！", L"全部卸载已结束，部分应用未能卸载！");
}

void TForm1::InstallALL(const TBulkJobLink& job) {
  const std::optional<std::string> script = LoadInstallScript(L"installallapp");
  if (!script) return;
  // A file of this job's own: other jobs may be writing and deleting theirs meanwhile.
  const std::wstring path = TempScriptPath(BulkScriptName());
  if (!WriteScriptFile(path, *script)) return;
  bool succeeded;
  {
    BusyWindow busy(job);
    succeeded = RunInstallScript(path);
  }
  PostNotice(job, succeeded, L"全部安装完成！", L"全部安装已结束，部分应用未能安装！");
  DeletePath(path, false);
}

void TForm1::BulkJobBusy(marv::Message& Msg) {
  busyJobs_ += Msg.WParam ? 1 : -1;
  if (busyJobs_ < 0) busyJobs_ = 0;
  SetCursor(busyJobs_ > 0 ? marv::MouseCursor::HourGlass : marv::MouseCursor::Default);
}
