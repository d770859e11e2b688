// A data object of fixed content, as a drag source offers it, for driving drop targets.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <ole2.h>

#include <map>
#include <string>
#include <vector>

namespace folderlocker::testing {

// Counts the media handed out and given back: ReleaseStgMedium releases this instead of freeing
// the block itself.
class MediumOwner final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++outstanding; }
  ULONG STDMETHODCALLTYPE Release() override { return --outstanding; }
  LONG outstanding = 0;
};

// Offers each of its formats as an HGLOBAL copy of fixed bytes. Lives on the stack of its user:
// its reference count is not used.
class FakeDataObject final : public IDataObject {
 public:
  explicit FakeDataObject(std::map<CLIPFORMAT, std::string> formats);
  ~FakeDataObject();
  FakeDataObject(const FakeDataObject&) = delete;
  FakeDataObject& operator=(const FakeDataObject&) = delete;

  // Media handed out and not yet released.
  LONG outstanding_media() const { return owner_.outstanding; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::map<CLIPFORMAT, std::string> formats_;
  std::vector<HGLOBAL> blocks_;
  MediumOwner owner_;
};

// A CF_HDROP list as the shell makes it: wide names, each NUL-terminated, one more NUL at the end.
std::string FileList(const std::vector<std::wstring>& names);

}  // namespace folderlocker::testing
#endif
