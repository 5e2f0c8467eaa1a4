// The single-app actions, run through the real buttons and the app menu.
#include "app/AppCommands.h"
#include "tests/support/MainWindowFixture.h"

namespace {

const char k3DBuilderScript[] =
    "Get-AppxPackage -AllUsers \"Microsoft.3DBuilder\" | ForEach {Add-AppxPackage -DisableDevelopmentMode "
    "-Register \"$($_.InstallLocation)\\AppXManifest.xml\"}";

TEST_F(MainWindowTest, ReinstallRunsTheScriptBetweenPolicyChangesAndDeletesItBeforeTheNotice) {
  const std::wstring script = tempRoot_ + L"\\ps.ps1";
  bool scriptGoneAtNotice = false;
  watcher_.onBox = [&](const uitest::SeenBox&) { scriptGoneAtNotice = !FileExists(script); };
  RunAppCommand(form_->btn1, form_->N1);  // 3D建模

  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].commandLine, L"powershell.exe set-executionpolicy Bypass -Confirm:$false");
  EXPECT_EQ(runs[1].commandLine, L"powershell.exe " + script);
  EXPECT_EQ(runs[2].commandLine, L"powershell.exe set-ExecutionPolicy RESTRICTED");
  for (const auto& run : runs) EXPECT_EQ(run.show, SW_HIDE);
  ASSERT_EQ(runs[1].scripts.size(), 1u);
  EXPECT_EQ(runs[1].scripts[0].second, k3DBuilderScript);
  EXPECT_EQ(runs[1].scripts[0].second, ResourceScript(L"3DBUILDER"));

  ASSERT_EQ(watcher_.Boxes().size(), 1u);
  EXPECT_EQ(watcher_.Boxes()[0].text, L"3D建模 安装完成！");
  EXPECT_EQ(watcher_.Boxes()[0].caption, kNoticeCaption);
  EXPECT_EQ(watcher_.Boxes()[0].icon, IDI_INFORMATION);
  EXPECT_TRUE(scriptGoneAtNotice);
}

TEST_F(MainWindowTest, WithTheSwitchOffActionsRunWithoutAnyBox) {
  uitest::Click(*form_->sSlider1);
  ASSERT_FALSE(form_->sSlider1->SliderOn());
  RunAppCommand(form_->btn5, form_->p1);   // 相机
  RunAppCommand(form_->btn34, form_->N1);  // 截图和草图
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].commandLine, L"PowerShell.exe Get-AppxPackage *windowscamera* | Remove-AppxPackage");
  ASSERT_EQ(runs[2].scripts.size(), 1u);
  EXPECT_EQ(runs[2].scripts[0].second, ResourceScript(L"SCREENSKETCH"));
  uitest::PumpFor(100);
  EXPECT_TRUE(watcher_.Boxes().empty());

  // Back on, the next action is reported again.
  uitest::Click(*form_->sSlider1);
  RunAppCommand(form_->btn5, form_->p1);
  ASSERT_EQ(watcher_.Boxes().size(), 1u);
  EXPECT_EQ(watcher_.Boxes()[0].text, L"相机 卸载完成！");
}

// PowerShell reads the script path as a command: blanks would split it.
TEST_F(MainWindowTest, ScriptRunsFromATemporaryFolderWithBlanksOrChineseCharacters) {
  struct Case {
    const wchar_t* folder;
    bool pathKeptAsIs;
  };
  const Case cases[] = {{L"临时 文件", false}, {L"with blank", false}, {L"临时文件", true}};
  size_t seen = 0;
  for (const Case& c : cases) {
    const std::wstring folder = tempRoot_ + L"\\" + c.folder;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    UseTemp(folder);
    RunAppCommand(form_->btn1, form_->N1);
    const auto runs = Runs();
    ASSERT_EQ(runs.size(), seen + 3) << c.folder;
    const PsInvocation& scriptRun = runs[seen + 1];
    if (c.pathKeptAsIs) {
      EXPECT_EQ(scriptRun.commandLine, L"powershell.exe " + folder + L"\\ps.ps1");
    }
    ASSERT_EQ(scriptRun.scripts.size(), 1u) << c.folder;
    EXPECT_EQ(scriptRun.scripts[0].second, ResourceScript(L"3DBUILDER")) << c.folder;
    EXPECT_FALSE(FileExists(folder + L"\\ps.ps1"));
    seen = runs.size();
  }
  for (const auto& box : watcher_.Boxes()) EXPECT_EQ(box.text, L"3D建模 安装完成！");
}

TEST(ScriptCommand, KeepsPlainPathsAndAvoidsOnesPowerShellWouldSplit) {
  struct Case {
    const wchar_t* path;
    const wchar_t* shortPath;
    const wchar_t* command;
  };
  const Case cases[] = {
      {L"C:\\Temp\\ps.ps1", L"", L"powershell.exe C:\\Temp\\ps.ps1"},
      {L"\\ps.ps1", L"", L"powershell.exe \\ps.ps1"},
      {L"C:\\用户\\临时\\ps.ps1", L"", L"powershell.exe C:\\用户\\临时\\ps.ps1"},
      {L"C:\\My Temp\\ps.ps1", L"C:\\MYTEMP~1\\ps.ps1", L"powershell.exe C:\\MYTEMP~1\\ps.ps1"},
      {L"C:\\a&b\\ps.ps1", L"C:\\AB~1\\ps.ps1", L"powershell.exe C:\\AB~1\\ps.ps1"},
      // No short names on the volume: the path goes to -File, quoted.
      {L"C:\\My Temp\\ps.ps1", L"", L"powershell.exe -File \"C:\\My Temp\\ps.ps1\""},
      {L"C:\\My Temp\\ps.ps1", L"C:\\My Temp\\ps.ps1", L"powershell.exe -File \"C:\\My Temp\\ps.ps1\""},
  };
  for (const Case& c : cases) EXPECT_EQ(ScriptCommandFor(c.path, c.shortPath), c.command) << c.path;
}

TEST_F(MainWindowTest, UnwritableTemporaryFolderStopsTheReinstallWithAnErrorAndRunsNothing) {
  UseTemp(tempRoot_ + L"\\missing");
  RunAppCommand(form_->btn1, form_->N1);
  ASSERT_EQ(watcher_.Boxes().size(), 1u);
  EXPECT_EQ(watcher_.Boxes()[0].icon, IDI_ERROR);
  EXPECT_NE(watcher_.Boxes()[0].text.find(tempRoot_ + L"\\missing\\ps.ps1"), std::wstring::npos);
  // The bulk job stops silently: no busy cursor, no box.
  uitest::Click(*form_->btn24);
  uitest::PumpFor(500);
  EXPECT_EQ(watcher_.Boxes().size(), 1u);
  EXPECT_EQ(form_->Cursor(), marv::MouseCursor::Default);
  EXPECT_TRUE(Runs().empty());
}

}  // namespace
