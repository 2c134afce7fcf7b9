#include "ui/win32/accessible_win32.h"

// clang-format off
#include <windows.h>
#include <oleacc.h>  // needs the types of windows.h
// clang-format on

#include <atomic>
#include <memory>

#include "base/win32/handles_win32.h"

namespace quellon::ui::win32 {
namespace {

using quellon::win32::ComPtr;

BSTR ToBstr(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  const auto alloc = quellon::win32::FindSystemFunction<decltype(SysAllocStringLen)>(
      quellon::win32::SystemDll::kOleAutomation, "SysAllocStringLen");
  BSTR result = alloc ? alloc(nullptr, static_cast<UINT>(length)) : nullptr;
  if (result && length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result, length);
  return result;
}

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Everything but the control's own name and role is the standard object's answer. It frees itself
// on its last Release, as COM asks. COM interfaces have no virtual destructor by design: nothing
// deletes an object through one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(ComPtr<IAccessible> standard, std::string name, long role)
      : standard_(std::move(standard)), name_(std::move(name)), role_(role) {}
  ~NamedAccessible() = default;
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The window behind the object (IOleWindow) and its children (IEnumVARIANT) are the
    // standard object's.
    return standard_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --refs_;
    if (left == 0) std::unique_ptr<NamedAccessible>{this};  // takes ownership and frees
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = ToBstr(name_);
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child) || !role_) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* arg_error) override {
    return standard_->Invoke(id, iid, lcid, flags, params, result, exception, arg_error);
  }

  // The rest of IAccessible, as the standard object answers it.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return standard_->get_accFocus(focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ComPtr<IAccessible> standard_;
  std::string name_;
  long role_;
  std::atomic<long> refs_{1};
};
#pragma GCC diagnostic pop

}  // namespace

LRESULT NamedClientObject(HWND window, WPARAM flags, const std::string& name, long role) {
  using quellon::win32::FindSystemFunction;
  using quellon::win32::SystemDll;
  const auto create = FindSystemFunction<decltype(CreateStdAccessibleObject)>(
      SystemDll::kAccessibility, "CreateStdAccessibleObject");
  const auto result_from = FindSystemFunction<decltype(LresultFromObject)>(
      SystemDll::kAccessibility, "LresultFromObject");
  ComPtr<IAccessible> standard;
  if (!create || !result_from ||
      FAILED(create(window, OBJID_CLIENT, __uuidof(IAccessible),
                    reinterpret_cast<void**>(standard.GetAddressOf()))))
    return 0;
  const ComPtr<IAccessible> named = quellon::win32::Adopt<IAccessible>(
      std::make_unique<NamedAccessible>(std::move(standard), name, role).release());
  // The result holds a reference of its own until the caller takes the object.
  const LRESULT result = result_from(__uuidof(IAccessible), flags, named.Get());
  return result > 0 ? result : 0;
}

long RoleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
      return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case ControlKind::Slider:
      return ROLE_SYSTEM_SLIDER;
    case ControlKind::Edit:
    case ControlKind::Memo:
      return ROLE_SYSTEM_TEXT;
    case ControlKind::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case ControlKind::TabControl:
      return ROLE_SYSTEM_PAGETABLIST;
    default:
      return 0;
  }
}

}  // namespace quellon::ui::win32
