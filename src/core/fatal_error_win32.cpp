#include "core/fatal_error.h"

#include <windows.h>
#include <ole2.h>

namespace folderlocker {

namespace {
OleSession* g_active_session = nullptr;
}  // namespace

OleSession::OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {
  if (initialized_) g_active_session = this;
}

OleSession::~OleSession() { Release(); }

void OleSession::Release() {
  if (!initialized_) return;
  OleUninitialize();
  initialized_ = false;
  if (g_active_session == this) g_active_session = nullptr;
}

void OleSession::ReleaseForExit() {
  if (g_active_session) g_active_session->Release();
}

void FatalError(int code, const Text& message) {
  MessageBoxA(nullptr, FatalErrorText(code, message).c_str(), "错误", MB_ICONERROR);
  OleSession::ReleaseForExit();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace folderlocker
