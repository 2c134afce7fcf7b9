#include "standin_page_win32.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace standin {
namespace {

constexpr SIZE kPageSize{260, 140};
constexpr const wchar_t* kTitle = L"Video Proc Amp";
constexpr const wchar_t* kNames[] = {L"Brightness", L"Contrast", L"Hue", L"Saturation",
                                     L"Sharpness"};

std::wstring ValuesText(IAMVideoProcAmp* procamp) {
  if (!procamp) return L"No ProcAmp";
  std::wstring text;
  for (LONG p = 0; p < 5; ++p) {
    LONG value = 0;
    LONG flags = 0;
    text += kNames[p];
    text += L": ";
    text += SUCCEEDED(procamp->Get(p, &value, &flags)) ? std::to_wstring(value) : L"?";
    text += L"\r\n";
  }
  return text;
}

// The frame's font, or the system's dialog font when the frame sets none.
HFONT PageFont(HWND parent) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Children take the frame's font, as the controls of a dialog page do.
HWND Child(const wchar_t* cls, const std::wstring& text, DWORD style, HWND parent, int x, int y,
           int w, int h) {
  HWND child = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont(parent)), FALSE);
  return child;
}

}  // namespace

Page::~Page() {
  DestroyWindows();
}

HRESULT Page::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IPropertyPage) return E_NOINTERFACE;
  *out = static_cast<IPropertyPage*>(this);
  AddRef();
  return S_OK;
}

HRESULT Page::SetPageSite(IPropertyPageSite* site) {
  site_ = site;
  return S_OK;
}

HRESULT Page::Activate(HWND parent, LPCRECT rect, BOOL) {
  DestroyWindows();
  const RECT r = rect ? *rect : RECT{0, 0, kPageSize.cx, kPageSize.cy};
  panel_.reset(CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_CHILD, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr));
  if (!panel_) return E_FAIL;
  Child(L"STATIC", ValuesText(procamp_.Get()), 0, panel_.get(), 8, 8, 160, 90);
  Child(L"STATIC", L"New brightness:", 0, panel_.get(), 8, 104, 120, 20);
  brightness_ = Child(L"EDIT", L"", WS_BORDER | WS_TABSTOP, panel_.get(), 132, 102, 60, 22);
  return S_OK;
}

HRESULT Page::Deactivate() {
  DestroyWindows();
  return S_OK;
}

void Page::DestroyWindows() {
  panel_.reset();  // its children go with it
  brightness_ = nullptr;
}

HRESULT Page::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  const size_t bytes = (std::wcslen(kTitle) + 1) * sizeof(wchar_t);
  auto* title = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
  if (!title) return E_OUTOFMEMORY;
  std::memcpy(title, kTitle, bytes);
  info->cb = sizeof(PROPPAGEINFO);
  info->pszTitle = title;
  info->size = kPageSize;
  info->pszDocString = nullptr;
  info->pszHelpFile = nullptr;
  info->dwHelpContext = 0;
  return S_OK;
}

HRESULT Page::SetObjects(ULONG count, IUnknown** objects) {
  procamp_.Reset();
  if (count == 0) return S_OK;
  if (!objects || !objects[0]) return E_POINTER;
  // An object without ProcAmp still gets a page; it says so.
  objects[0]->QueryInterface(IID_IAMVideoProcAmp,
                             reinterpret_cast<void**>(procamp_.GetAddressOf()));
  return S_OK;
}

HRESULT Page::Show(UINT cmd) {
  if (panel_) ShowWindow(panel_.get(), static_cast<int>(cmd));
  return S_OK;
}

HRESULT Page::Move(LPCRECT rect) {
  if (!rect) return E_POINTER;
  if (panel_)
    MoveWindow(panel_.get(), rect->left, rect->top, rect->right - rect->left,
               rect->bottom - rect->top, TRUE);
  return S_OK;
}

HRESULT Page::IsPageDirty() {
  return brightness_ && GetWindowTextLengthW(brightness_) > 0 ? S_OK : S_FALSE;
}

// A number in the box becomes the filter's brightness, set by hand.
HRESULT Page::Apply() {
  if (!procamp_ || !brightness_) return S_OK;
  wchar_t text[32] = L"";
  GetWindowTextW(brightness_, text, 32);
  wchar_t* end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0') return S_OK;  // nothing or no number: nothing to apply
  return procamp_->Set(VideoProcAmp_Brightness, value, VideoProcAmp_Flags_Manual);
}

HRESULT Page::Help(LPCOLESTR) {
  return E_NOTIMPL;
}

HRESULT Page::TranslateAccelerator(MSG*) {
  return S_FALSE;
}

}  // namespace standin
