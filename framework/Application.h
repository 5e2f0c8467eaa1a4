#pragma once
// The application object: the program's forms and its message loop. The first form
// created is the main form: it carries the taskbar button, the other forms are owned by
// it, and closing it ends the loop.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Form.h"

namespace marv {

class Application {
 public:
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one live application object; null before it is made and after it is gone.
  static Application* Current();

  // Per-monitor DPI awareness (when the manifest did not give it) and the common controls.
  void Initialize();

  // Makes a form with its window (hidden) and runs its OnCreate.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    F& created = *form;
    AddForm(std::move(form));
    return created;
  }
  Form* MainForm() const { return mainForm_; }
  // Every form made so far, in the order of making.
  const std::vector<std::unique_ptr<Form>>& Forms() const { return forms_; }
  template <class F>
  F* FindForm() const {
    for (const auto& form : forms_) {
      if (auto* found = dynamic_cast<F*>(form.get())) return found;
    }
    return nullptr;
  }

  // Hooks that see every message of the main form's window before the form does, ahead of
  // anything put in front of its WindowProc (the framework has no application window of
  // its own, so code that watches the application watches the main form). A hook that
  // answers true has handled the message.
  using MainWindowHook = std::function<bool(Message&)>;
  int HookMainWindow(MainWindowHook hook);
  void UnhookMainWindow(int id);
  bool RunMainWindowHooks(Message& m);

  // Shows the main form and runs messages until Terminate; returns the exit code.
  int Run();
  // Ends the message loop once the current message has been handled.
  void Terminate();
  bool Terminated() const { return terminated_; }

 private:
  void AddForm(std::unique_ptr<Form> form);

  std::vector<std::unique_ptr<Form>> forms_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  std::vector<std::pair<int, MainWindowHook>> mainWindowHooks_;
  int nextHookId_ = 1;
};

// The application's error box: the text with an error icon, captioned with the
// program's name, owned by the active window.
void ShowErrorBox(const std::wstring& text);

}  // namespace marv
