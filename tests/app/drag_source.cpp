// A drag source for the end-to-end tests: a small window at a fixed place that, when the left
// button is pressed on it, drags the paths given on its command line as a CF_HDROP list, the way
// the shell drags folders. Its exit code is what DoDragDrop returned, 0 for DRAGDROP_S_DROP.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "fake_data_object.h"

namespace {

using folderlocker::testing::FakeDataObject;
using folderlocker::testing::FileList;

class DropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *object = static_cast<IDropSource*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

std::vector<std::wstring> g_paths;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      FakeDataObject data({{CF_HDROP, FileList(g_paths)}});
      DropSource source;
      DWORD effect = DROPEFFECT_NONE;
      HRESULT result =
          DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
      PostQuitMessage(result == DRAGDROP_S_DROP ? 0 : static_cast<int>(result & 0xFFFF) + 1);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(100);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) g_paths.emplace_back(arguments[i]);
  LocalFree(arguments);
  if (FAILED(OleInitialize(nullptr))) return 200;

  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  window_class.lpszClassName = L"FolderLockerDragSource";
  RegisterClassW(&window_class);
  CreateWindowExW(WS_EX_TOPMOST, window_class.lpszClassName, L"FolderLocker drag source",
                  WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 120, 80, nullptr, nullptr, instance,
                  nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return static_cast<int>(message.wParam);
}
