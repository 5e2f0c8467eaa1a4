#include "app/Unit1.h"

#include "common/uCommonFunc.h"
#include "update/Unit3.h"
#include "update/uUpdate.h"

bool TForm1::ProUpdate() {
  // The whole check runs while the checker is made: version, probe, download, reading.
  const TUrlUpdate checker(2, L'&');
  if (!checker.IsHasNet()) {
    ShowMsg(L"当前无网络", L"提示", false);
    return false;
  }
  if (checker.IsNeedUpdate()) {
    const TUpdateContent& remote = checker.RemoteContent();
    ShowUpdateNotice(remote.N_Ver, remote.L_Ver, remote.D_Url);
  }
  return checker.IsNeedUpdate();
}
