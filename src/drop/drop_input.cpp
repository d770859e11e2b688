#include "drop/drop_input.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

#include "core/scoped_win32.h"
#include "drop/drop_effect.h"
#include "drop/dropped_names.h"

namespace folderlocker {

namespace {

FORMATETC FormatOf(CLIPFORMAT format) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// A medium that is released however its reader leaves.
class Medium {
 public:
  Medium(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = FormatOf(format);
    fetched_ = SUCCEEDED(data->GetData(&wanted, &medium_));
    if (fetched_ && medium_.tymed != TYMED_HGLOBAL) {
      ReleaseStgMedium(&medium_);
      fetched_ = false;
    }
  }
  ~Medium() {
    if (fetched_) ReleaseStgMedium(&medium_);
  }
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;

  bool fetched() const { return fetched_; }
  HGLOBAL global() const { return medium_.hGlobal; }

 private:
  STGMEDIUM medium_{};
  bool fetched_ = false;
};

// The bytes of a text in a global block, up to its NUL but never past the block's end.
std::string BytesOfBlock(HGLOBAL global) {
  ScopedGlobalLock lock(global);
  if (!lock.data()) return std::string();
  const auto* bytes = static_cast<const char*>(lock.data());
  return std::string(bytes, strnlen(bytes, lock.size()));
}

Text HtmlToAnsi(const std::string& utf8) {
  if (utf8.empty()) return Text();
  int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return Text();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  for (wchar_t& c : wide) {
    if (c == 0x00A0) c = L' ';
  }
  int bytes = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide.data(), length, nullptr, 0,
                                  nullptr, nullptr);
  if (bytes <= 0) return Text();
  Text ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide.data(), length, ansi.data(), bytes, nullptr,
                      nullptr);
  return ansi;
}

}  // namespace

DropInput::DropInput(Options options)
    : options_(options),
      url_format_(static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator"))),
      html_format_(static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format"))) {}

DropInput::~DropInput() { Detach(); }

bool DropInput::AttachToWindow(HWND window) {
  if (window_) return false;
  window_ = window;
  registered_ = RegisterDragDrop(window, &target_) == S_OK;
  return registered_;
}

void DropInput::Detach() {
  // Only a registration of our own is revoked: a failed one may have met another program part's.
  if (registered_) RevokeDragDrop(window_);
  registered_ = false;
}

bool DropInput::Offers(IDataObject* data, CLIPFORMAT format) const {
  FORMATETC wanted = FormatOf(format);
  return data && data->QueryGetData(&wanted) == S_OK;
}

void DropInput::ApplyEffectRule(DWORD key_state, DWORD* effect) const {
  if (effect) *effect = ChooseDropEffect(accepted_, key_state, *effect);
}

void DropInput::DecideAcceptance(IDataObject* data) {
  accepted_ = (options_.AcceptText && Offers(data, CF_TEXT)) ||
              (options_.AcceptFiles && Offers(data, CF_HDROP)) ||
              (options_.AcceptUrl && Offers(data, url_format_)) ||
              (options_.AcceptHtml && Offers(data, html_format_));
}

void DropInput::Raise(const Event& event, Text text) {
  if (event) event(text);
}

void DropInput::Deliver(IDataObject* data) {
  if (options_.AcceptText) DeliverText(data);
  if (options_.AcceptHtml) DeliverHtml(data);
  if (options_.AcceptUrl) DeliverUrl(data);
  if (options_.AcceptFiles) DeliverFiles(data);
}

void DropInput::DeliverText(IDataObject* data) {
  // HTML selections also offer plain text; they are delivered as HTML only.
  if (Medium(data, html_format_).fetched()) return;
  Medium text(data, CF_TEXT);
  if (text.fetched()) Raise(TextReceived, BytesOfBlock(text.global()));
}

void DropInput::DeliverHtml(IDataObject* data) {
  Text html;
  {
    Medium medium(data, html_format_);
    if (!medium.fetched()) return;
    html = HtmlToAnsi(BytesOfBlock(medium.global()));
  }
  Raise(HtmlReceived, std::move(html));
}

void DropInput::DeliverUrl(IDataObject* data) {
  Text url;
  {
    Medium medium(data, url_format_);
    if (!medium.fetched()) return;
    url = BytesOfBlock(medium.global());
  }
  Raise(UrlReceived, std::move(url));
}

void DropInput::DeliverFiles(IDataObject* data) {
  TextList names;
  {
    Medium medium(data, CF_HDROP);
    if (!medium.fetched()) return;
    auto drop = static_cast<HDROP>(medium.global());
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileA(drop, i, nullptr, 0);
      std::vector<char> buffer(length + 1, '\0');
      DragQueryFileA(drop, i, buffer.data(), length + 1);
      names.emplace_back(buffer.data());
    }
  }
  Raise(FilesReceived, JoinDroppedNames(names));
}

HRESULT DropInput::Target::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropInput::Target::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

// The target lives as long as its drop input; the count only tells OLE where it stands.
ULONG DropInput::Target::Release() {
  return static_cast<ULONG>(InterlockedDecrement(&references_));
}

HRESULT DropInput::Target::DragEnter(IDataObject* data, DWORD key_state, POINTL, DWORD* effect) {
  try {
    input_.DecideAcceptance(data);
  } catch (...) {
    input_.accepted_ = false;
  }
  input_.ApplyEffectRule(key_state, effect);
  return S_OK;
}

HRESULT DropInput::Target::DragOver(DWORD key_state, POINTL, DWORD* effect) {
  input_.ApplyEffectRule(key_state, effect);
  return S_OK;
}

HRESULT DropInput::Target::DragLeave() {
  input_.accepted_ = false;
  return S_OK;
}

// Answers E_FAIL even after a delivery: the drag source must never take a drop here for a
// completed move and delete what was dragged.
HRESULT DropInput::Target::Drop(IDataObject* data, DWORD key_state, POINTL, DWORD* effect) {
  input_.ApplyEffectRule(key_state, effect);
  if (effect && *effect != DROPEFFECT_NONE && data) {
    try {
      input_.Deliver(data);
    } catch (...) {
      // A handler's failure ends the delivery; the drag source only learns that the drop failed.
    }
  }
  return E_FAIL;
}

}  // namespace folderlocker
