#include "fake_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace folderlocker::testing {

HRESULT MediumOwner::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown)) {
    *object = this;
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

FakeDataObject::FakeDataObject(std::map<CLIPFORMAT, std::string> formats)
    : formats_(std::move(formats)) {}

FakeDataObject::~FakeDataObject() {
  for (HGLOBAL block : blocks_) GlobalFree(block);
}

HRESULT FakeDataObject::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  auto it = formats_.find(format->cfFormat);
  if (it == formats_.end() || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, it->second.size());
  if (!block) return E_OUTOFMEMORY;
  std::memcpy(GlobalLock(block), it->second.data(), it->second.size());
  GlobalUnlock(block);
  blocks_.push_back(block);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = block;
  medium->pUnkForRelease = &owner_;
  owner_.AddRef();
  return S_OK;
}

HRESULT FakeDataObject::QueryGetData(FORMATETC* format) {
  return formats_.count(format->cfFormat) && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                             : DV_E_FORMATETC;
}

HRESULT FakeDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> offered;
  for (const auto& format : formats_) {
    offered.push_back(FORMATETC{format.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  }
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
}

std::string FileList(const std::vector<std::wstring>& names) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::wstring& name : names) {
    bytes.append(reinterpret_cast<const char*>(name.c_str()), (name.size() + 1) * sizeof(wchar_t));
  }
  bytes.append(sizeof(wchar_t), '\0');
  return bytes;
}

}  // namespace folderlocker::testing
