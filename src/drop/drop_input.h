// The drop input: an OLE drop target that takes dragged text, HTML, web addresses and file lists
// and raises one event per kind, each with the data as one text.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <ole2.h>

#include <functional>

#include "core/text.h"

namespace folderlocker {

// Which kinds of dragged data a drop input accepts; any non-zero value counts as on. Read at the
// next drag entry (acceptance) and the next drop (delivery).
struct DropInputOptions {
  int AcceptText = 0;   // CF_TEXT
  int AcceptHtml = 0;   // "HTML Format"
  int AcceptUrl = 0;    // "UniformResourceLocator"
  int AcceptFiles = 0;  // CF_HDROP
};

class DropInput {
 public:
  // An event: the handler may read or replace the text, but not keep it past its return.
  using Event = std::function<void(Text&)>;
  using Options = DropInputOptions;

  // Registers the clipboard formats "UniformResourceLocator" and "HTML Format". OLE must be
  // initialised on this thread before a drop input is attached.
  explicit DropInput(Options options = {});
  // Revokes the registration it made.
  ~DropInput();
  DropInput(const DropInput&) = delete;
  DropInput& operator=(const DropInput&) = delete;

  // Registers the drop target on window. False, with nothing changed, when already attached.
  // Otherwise the window is recorded first, so that a failed registration (a window registered
  // elsewhere, an invalid one) still leaves the input attached and every later call false; only a
  // null window leaves it unattached.
  bool AttachToWindow(HWND window);
  // Revokes the registration before the attached window goes.
  void Detach();

  Options& options() { return options_; }
  // The drop target that OLE calls.
  IDropTarget* target() { return &target_; }

  Event TextReceived;
  Event HtmlReceived;
  Event UrlReceived;
  Event FilesReceived;

 private:
  class Target final : public IDropTarget {
   public:
    explicit Target(DropInput& input) : input_(input) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD key_state, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD key_state, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD key_state, POINTL point,
                                   DWORD* effect) override;

   private:
    DropInput& input_;
    // The drop input's own reference; OLE adds its own while registered.
    LONG references_ = 1;
  };

  bool Offers(IDataObject* data, CLIPFORMAT format) const;
  void ApplyEffectRule(DWORD key_state, DWORD* effect) const;
  void DecideAcceptance(IDataObject* data);
  void Deliver(IDataObject* data);
  void DeliverText(IDataObject* data);
  void DeliverHtml(IDataObject* data);
  void DeliverUrl(IDataObject* data);
  void DeliverFiles(IDataObject* data);
  static void Raise(const Event& event, Text text);

  Options options_;
  CLIPFORMAT url_format_;
  CLIPFORMAT html_format_;
  HWND window_ = nullptr;
  bool registered_ = false;
  bool accepted_ = false;
  Target target_{*this};
};

}  // namespace folderlocker
#endif
