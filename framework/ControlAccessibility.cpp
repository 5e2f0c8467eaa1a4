#include "framework/ControlAccessibility.h"

#include <atomic>

#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"

namespace marv {

namespace {

// Interface ids come from __uuidof: the import library's IID_IAccessible names the DLL's
// export thunk, not the GUID.
struct ComReleaser {
  void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComReleaser>;

HRESULT ReturnString(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnChild(long childId, VARIANT* out) {
  VariantInit(out);
  if (childId < 0) return S_FALSE;  // none
  out->vt = VT_I4;
  out->lVal = childId;
  return S_OK;
}

long ChildOf(const VARIANT& v) { return v.vt == VT_I4 ? v.lVal : -1; }

}  // namespace

// The IAccessible handed to clients. CHILDID_SELF goes to the system's object for the
// window; child ids 1..n are the controls in reading order, simple elements without
// objects of their own.
class ControlAccessibility::Object final : public IAccessible {
 public:
  Object(std::shared_ptr<Source> source, ComPtr<IAccessible> standard)
      : source_(std::move(source)), standard_(std::move(standard)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: clients use the interface's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    *count = static_cast<long>(source_->focus->ReadingOrder().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!Connected()) return RPC_E_DISCONNECTED;
    return ControlOf(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Text(child, name, &IAccessible::get_accName, &AccessibleTraits::name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Text(child, value, &IAccessible::get_accValue, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Text(child, description, &IAccessible::get_accDescription, &AccessibleTraits::description);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Text(child, help, &IAccessible::get_accHelp, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Text(child, shortcut, &IAccessible::get_accKeyboardShortcut, nullptr);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Text(child, action, &IAccessible::get_accDefaultAction, &AccessibleTraits::defaultAction);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->get_accHelpTopic(file, child, topic);
    if (file) *file = nullptr;
    return ControlOf(child) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->get_accRole(child, role);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    return ReturnChild(source_->describe(*control).role, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->get_accState(child, state);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    return ReturnChild(StateOf(*control), state);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    const KeyboardFocus& keyboard = *source_->focus;
    if (!keyboard.FocusIsHere()) return ReturnChild(-1, focus);
    const long id = keyboard.ChildId(keyboard.Focused());
    return ReturnChild(id ? id : CHILDID_SELF, focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    return Connected() ? ReturnChild(-1, selection) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->accSelect(flags, child);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
    source_->focus->FocusControl(control, false);
    return source_->focus->Focused() == control ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->accLocation(left, top, width, height, child);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    const POINT origin = control->ClientToScreen(POINT{0, 0});
    *left = origin.x;
    *top = origin.y;
    *width = control->Width();
    *height = control->Height();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    const long count = static_cast<long>(source_->focus->ReadingOrder().size());
    if (IsSelf(start)) {
      if (direction == NAVDIR_FIRSTCHILD) return ReturnChild(count ? 1 : -1, end);
      if (direction == NAVDIR_LASTCHILD) return ReturnChild(count ? count : -1, end);
      return standard_->accNavigate(direction, start, end);
    }
    if (!ControlOf(start)) return E_INVALIDARG;
    const long id = ChildOf(start);
    switch (direction) {
      case NAVDIR_NEXT:
        return ReturnChild(id < count ? id + 1 : -1, end);
      case NAVDIR_PREVIOUS:
        return ReturnChild(id > 1 ? id - 1 : -1, end);
      default:
        VariantInit(end);
        return DISP_E_MEMBERNOTFOUND;
    }
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    if (!Connected()) return RPC_E_DISCONNECTED;
    const auto& order = source_->focus->ReadingOrder();
    for (size_t i = 0; i < order.size(); ++i) {
      Control& control = *order[i];
      if (!control.Visible()) continue;
      const POINT origin = control.ClientToScreen(POINT{0, 0});
      if (x >= origin.x && y >= origin.y && x < origin.x + control.Width() && y < origin.y + control.Height())
        return ReturnChild(static_cast<long>(i) + 1, hit);
    }
    return standard_->accHitTest(x, y, hit);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return standard_->accDoDefaultAction(child);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    if (!control->Visible() || !control->Enabled()) return E_FAIL;
    // Acted on from the queue: the action may open a menu or a box, and the caller must
    // not wait for it to close.
    source_->focus->PostActivate(*control);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  bool Connected() const { return source_->form != nullptr; }
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  Control* ControlOf(const VARIANT& child) const { return source_->focus->ChildById(ChildOf(child)); }

  long StateOf(Control& control) const {
    const KeyboardFocus& keyboard = *source_->focus;
    long state = source_->describe(control).state;
    if (!control.Visible()) state |= STATE_SYSTEM_INVISIBLE;
    if (!control.Enabled()) state |= STATE_SYSTEM_UNAVAILABLE;
    if (control.Visible() && control.Enabled() && (control.OnClick || control.IsWindowed()))
      state |= STATE_SYSTEM_FOCUSABLE;
    if (keyboard.Focused() == &control && keyboard.FocusIsHere()) state |= STATE_SYSTEM_FOCUSED;
    if (control.MouseInside()) state |= STATE_SYSTEM_HOTTRACKED;
    if (control.MousePressed() && control.MouseInside()) state |= STATE_SYSTEM_PRESSED;
    return state;
  }

  HRESULT Text(VARIANT child, BSTR* out, HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*),
               std::wstring AccessibleTraits::*field) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!Connected()) return RPC_E_DISCONNECTED;
    if (IsSelf(child)) return (standard_.get()->*standard)(child, out);
    Control* control = ControlOf(child);
    if (!control) return E_INVALIDARG;
    if (!field) return S_FALSE;
    return ReturnString(source_->describe(*control).*field, out);
  }

  std::atomic<ULONG> refs_{1};
  std::shared_ptr<Source> source_;
  ComPtr<IAccessible> standard_;
};

ControlAccessibility::ControlAccessibility(Form& form, KeyboardFocus& focus, Describe describe)
    : source_(std::make_shared<Source>(Source{&form, &focus, std::move(describe)})),
      hook_(form, [this](Message& m, const MessageHandler& next) { OnFormMessage(m, next); }) {}

ControlAccessibility::~ControlAccessibility() {
  source_->form = nullptr;
  source_->focus = nullptr;
}

AccessibleTraits ControlAccessibility::DefaultTraits(Control& control) {
  AccessibleTraits traits;
  traits.name = control.Caption();
  if (dynamic_cast<SpeedButton*>(&control) || dynamic_cast<PushButton*>(&control)) {
    traits.role = ROLE_SYSTEM_PUSHBUTTON;
    traits.defaultAction = L"按";
  } else if (dynamic_cast<Label*>(&control)) {
    const bool link = static_cast<bool>(control.OnClick);
    traits.role = link ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT;
    if (link) {
      traits.state = STATE_SYSTEM_LINKED;
      traits.defaultAction = L"跳转";
    } else {
      traits.state = STATE_SYSTEM_READONLY;
    }
  }
  return traits;
}

void ControlAccessibility::OnFormMessage(Message& m, const MessageHandler& next) {
  if (m.Msg == WM_GETOBJECT && static_cast<LONG>(m.LParam) == OBJID_CLIENT) {
    IAccessible* standard = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(source_->form->Handle(), OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&standard))) && standard) {
      ComPtr<Object> object(new Object(source_, ComPtr<IAccessible>(standard)));
      m.Result = LresultFromObject(__uuidof(IAccessible), m.WParam, object.get());
      return;
    }
  }
  next(m);
}

}  // namespace marv
