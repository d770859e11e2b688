// The drop target driven through its IDropTarget interface with data objects of our own, as OLE
// drives it during a drag.
#include "drop/drop_input.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "fake_data_object.h"

namespace folderlocker::testing {
namespace {

using Lines = std::vector<std::string>;

const CLIPFORMAT kHtml = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format"));
const CLIPFORMAT kUrl = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator"));

std::string Zero(std::string text) { return text + '\0'; }

class DropInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    input = std::make_unique<DropInput>(DropInputOptions{1, 1, 1, 1});
    auto record = [this](const char* kind) {
      return [this, kind](Text& text) { events.push_back(std::string(kind) + "|" + text); };
    };
    input->TextReceived = record("text");
    input->HtmlReceived = record("html");
    input->UrlReceived = record("url");
    input->FilesReceived = record("files");
  }
  void TearDown() override {
    input.reset();
    OleUninitialize();
  }

  struct DragResult {
    DWORD enter_effect;
    DWORD drop_effect;
    HRESULT enter;
    HRESULT drop;
  };
  // Enters, moves over and drops with the same keys.
  DragResult Drag(FakeDataObject& data, DWORD keys,
                  DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK) {
    IDropTarget* target = input->target();
    DragResult result{};
    DWORD effect = allowed;
    result.enter = target->DragEnter(&data, keys, POINTL{5, 5}, &effect);
    result.enter_effect = effect;
    effect = allowed;
    EXPECT_EQ(target->DragOver(keys, POINTL{6, 6}, &effect), S_OK);
    EXPECT_EQ(effect, result.enter_effect) << "DragOver follows the same rule";
    effect = allowed;
    result.drop = target->Drop(&data, keys, POINTL{6, 6}, &effect);
    result.drop_effect = effect;
    return result;
  }

  std::unique_ptr<DropInput> input;
  Lines events;
};

struct DropCase {
  const char* name;
  std::map<CLIPFORMAT, std::string> offered;
  DWORD keys;
  DWORD effect;  // shown and taken
  Lines events;
};

void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }

class DropDeliveryTest : public DropInputTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropDeliveryTest, RaisesOneEventPerKindAndAnswersEFail) {
  const DropCase& c = GetParam();
  FakeDataObject data(c.offered);
  DragResult result = Drag(data, c.keys);
  EXPECT_EQ(result.enter, S_OK);
  EXPECT_EQ(result.enter_effect, c.effect);
  EXPECT_EQ(result.drop_effect, c.effect);
  EXPECT_EQ(result.drop, E_FAIL) << "a drop is always answered with E_FAIL";
  EXPECT_EQ(events, c.events);
  EXPECT_EQ(data.outstanding_media(), 0) << "every medium is released";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DropDeliveryTest,
    ::testing::Values(
        DropCase{"OneFolder",
                 {{CF_HDROP, FileList({L"D:\\Work"})}},
                 0,
                 DROPEFFECT_COPY,
                 {"files|D:\\Work"}},
        DropCase{"ThreeNames",
                 {{CF_HDROP, FileList({L"D:\\A", L"D:\\b.txt", L"D:\\C"})}},
                 0,
                 DROPEFFECT_COPY,
                 {"files|D:\\A\r\nD:\\b.txt\r\nD:\\C\r\n"}},
        DropCase{"NoNames", {{CF_HDROP, FileList({})}}, 0, DROPEFFECT_COPY, {"files|"}},
        DropCase{"GbkNameAsAnsiBytes",
                 {{CF_HDROP, FileList({L"D:\\文件锁", L"D:\\乗"})}},
                 0,
                 DROPEFFECT_COPY,
                 {"files|D:\\文件锁\r\nD:\\\x81\\\r\n"}},
        DropCase{
            "PlainText", {{CF_TEXT, Zero("some text")}}, 0, DROPEFFECT_COPY, {"text|some text"}},
        // Converted from UTF-8, with the no-break space made a plain one.
        DropCase{"Html",
                 {{kHtml, Zero("Version:0.9\r\n<b>a\xc2\xa0"
                               "b \xe9\x94\x81</b>")}},
                 0,
                 DROPEFFECT_COPY,
                 {"html|Version:0.9\r\n<b>a b 锁</b>"}},
        DropCase{"Url",
                 {{kUrl, Zero("http://example.com/a")}},
                 0,
                 DROPEFFECT_COPY,
                 {"url|http://example.com/a"}},
        // Text is withheld when HTML is offered too; the other kinds come in their order.
        DropCase{"EverythingTogether",
                 {{CF_TEXT, Zero("t")},
                  {kHtml, Zero("<i>h</i>")},
                  {kUrl, Zero("http://u/")},
                  {CF_HDROP, FileList({L"D:\\Work"})}},
                 0,
                 DROPEFFECT_COPY,
                 {"html|<i>h</i>", "url|http://u/", "files|D:\\Work"}},
        DropCase{
            "TextUrlAndFiles",
            {{CF_TEXT, Zero("t")}, {kUrl, Zero("http://u/")}, {CF_HDROP, FileList({L"D:\\W"})}},
            0,
            DROPEFFECT_COPY,
            {"text|t", "url|http://u/", "files|D:\\W"}},
        // Text without its NUL inside the block: read up to the block's end, never past it.
        DropCase{"TextWithoutTerminator", {{CF_TEXT, "abc"}}, 0, DROPEFFECT_COPY, {"text|abc"}},
        DropCase{"ShiftMoves",
                 {{CF_HDROP, FileList({L"D:\\Work"})}},
                 MK_SHIFT,
                 DROPEFFECT_MOVE,
                 {"files|D:\\Work"}},
        DropCase{"ControlCopies",
                 {{CF_HDROP, FileList({L"D:\\Work"})}},
                 MK_CONTROL,
                 DROPEFFECT_COPY,
                 {"files|D:\\Work"}},
        DropCase{"ControlAndShiftDeliverNothing",
                 {{CF_HDROP, FileList({L"D:\\Work"})}},
                 MK_CONTROL | MK_SHIFT,
                 DROPEFFECT_NONE,
                 {}},
        DropCase{"NoAcceptedKind", {{CF_BITMAP, "x"}}, 0, DROPEFFECT_NONE, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropInputTest, OnlyEnabledKindsAreAcceptedAndDelivered) {
  input->options() = DropInputOptions{0, 0, 0, 1};
  FakeDataObject text({{CF_TEXT, Zero("t")}});
  EXPECT_EQ(Drag(text, 0).enter_effect, static_cast<DWORD>(DROPEFFECT_NONE));
  FakeDataObject both({{CF_TEXT, Zero("t")}, {CF_HDROP, FileList({L"D:\\Work"})}});
  EXPECT_EQ(Drag(both, 0).drop_effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(events, Lines{"files|D:\\Work"});
  input->options() = DropInputOptions{};
  FakeDataObject files({{CF_HDROP, FileList({L"D:\\Work"})}});
  EXPECT_EQ(Drag(files, 0).enter_effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(DropInputTest, SourceThatAllowsOnlyLinkGetsLinkWithoutKeys) {
  FakeDataObject data({{CF_HDROP, FileList({L"D:\\Work"})}});
  DragResult result = Drag(data, 0, DROPEFFECT_LINK);
  EXPECT_EQ(result.drop_effect, static_cast<DWORD>(DROPEFFECT_LINK));
  EXPECT_EQ(events, Lines{"files|D:\\Work"});
}

TEST_F(DropInputTest, DragLeaveClearsTheAcceptance) {
  FakeDataObject data({{CF_HDROP, FileList({L"D:\\Work"})}});
  IDropTarget* target = input->target();
  DWORD effect = DROPEFFECT_COPY;
  ASSERT_EQ(target->DragEnter(&data, 0, POINTL{}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(target->DragLeave(), S_OK);
  effect = DROPEFFECT_COPY;
  EXPECT_EQ(target->DragOver(0, POINTL{}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
}

// A handler may replace the text it is given; the drop input frees whatever it then holds.
TEST_F(DropInputTest, HandlerMayReplaceItsText) {
  std::string seen;
  input->FilesReceived = [&](Text& text) {
    seen = text;
    text = "replaced";
  };
  FakeDataObject data({{CF_HDROP, FileList({L"D:\\Work", L"D:\\Other"})}});
  Drag(data, 0);
  EXPECT_EQ(seen, "D:\\Work\r\nD:\\Other\r\n");
}

TEST_F(DropInputTest, AnswersOnlyForIUnknownAndIDropTarget) {
  IDropTarget* target = input->target();
  void* object = nullptr;
  EXPECT_EQ(target->QueryInterface(IID_IUnknown, &object), S_OK);
  EXPECT_EQ(object, static_cast<void*>(target));
  target->Release();
  EXPECT_EQ(target->QueryInterface(IID_IDropTarget, &object), S_OK);
  EXPECT_EQ(object, static_cast<void*>(target));
  target->Release();
  object = target;
  EXPECT_EQ(target->QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(target->AddRef(), 2u);
  EXPECT_EQ(target->Release(), 1u);
}

TEST_F(DropInputTest, AttachOnceAndGiveOleItsReferencesBack) {
  HWND window = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  IDropTarget* target = input->target();
  EXPECT_TRUE(input->AttachToWindow(window));
  EXPECT_GT(target->AddRef(), 2u) << "OLE holds references while registered";
  target->Release();
  HWND other = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  EXPECT_FALSE(input->AttachToWindow(other)) << "a second attach changes nothing";
  EXPECT_EQ(RegisterDragDrop(other, target), S_OK) << "the other window was left alone";
  RevokeDragDrop(other);
  input->Detach();
  EXPECT_EQ(target->AddRef(), 2u);
  EXPECT_EQ(target->Release(), 1u);
  DestroyWindow(other);
  DestroyWindow(window);
}

TEST_F(DropInputTest, NullWindowLeavesTheInputUnattached) {
  EXPECT_FALSE(input->AttachToWindow(nullptr));
  HWND window = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  EXPECT_TRUE(input->AttachToWindow(window));
  input->Detach();
  DestroyWindow(window);
}

// A window that another drop target holds: the attach fails, the input stays attached, and its
// teardown does not revoke the other registration.
TEST_F(DropInputTest, WindowRegisteredElsewhereIsLeftToItsOwner) {
  HWND window = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  DropInput owner;
  ASSERT_TRUE(owner.AttachToWindow(window));
  EXPECT_FALSE(input->AttachToWindow(window));
  EXPECT_FALSE(input->AttachToWindow(window));
  input.reset();
  EXPECT_EQ(RegisterDragDrop(window, owner.target()), DRAGDROP_E_ALREADYREGISTERED);
  owner.Detach();
  DestroyWindow(window);
}

}  // namespace
}  // namespace folderlocker::testing
