#pragma once
// A web server on 127.0.0.1 for download and connectivity tests: python's http.server on
// the host, serving one folder. It lives for one test and never longer than a minute.
#include <string>

#include "tests/support/TestFiles.h"
#include "tests/support/WineHost.h"

class LocalHttpServer {
 public:
  explicit LocalHttpServer(const TempFolder& root) : control_() {
    const std::string pidFile = winehost::UnixPath(control_ / L"pid");
    const std::string logFile = winehost::UnixPath(control_ / L"log");
    // Port 0: the server picks a free port and names it in its first line of output.
    winehost::StartShellScript(
        control_, L"start.sh",
        "echo $$ > '" + pidFile + "'\n"
        "exec timeout 60 python3 -u -m http.server --bind 127.0.0.1 0 --directory '" +
            winehost::UnixPath(root.path().wstring()) + "' > '" + logFile + "' 2>&1\n");
    winehost::WaitUntil([&] {
      const std::string log = ReadBytes(control_ / L"log");
      const size_t at = log.find(" port ");
      if (at == std::string::npos || log.find(' ', at + 6) == std::string::npos) return false;
      port_ = std::stoi(log.substr(at + 6));
      return true;
    });
  }
  ~LocalHttpServer() { stop(); }
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  bool running() const { return port_ != 0; }
  std::wstring url(const std::wstring& path = L"/") const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
  }
  // Ends the server and waits until it has said so; its port is closed afterwards.
  void stop() {
    if (port_ == 0) return;
    port_ = 0;
    const std::string pidFile = winehost::UnixPath(control_ / L"pid");
    const std::string doneFile = winehost::UnixPath(control_ / L"stopped");
    winehost::StartShellScript(control_, L"stop.sh",
                               "pid=$(cat '" + pidFile + "')\nkill $pid\n"
                               // gone, or a zombie nobody has reaped yet
                               "for i in $(seq 200); do\n"
                               "  case $(cut -d' ' -f3 /proc/$pid/stat 2>/dev/null) in ''|Z) break;; esac\n"
                               "  sleep 0.05\n"
                               "done\n"
                               "touch '" + doneFile + "'\n");
    winehost::WaitUntil([&] { return GetFileAttributesW((control_ / L"stopped").c_str()) !=
                                     INVALID_FILE_ATTRIBUTES; });
  }

 private:
  TempFolder control_;
  int port_ = 0;
};
