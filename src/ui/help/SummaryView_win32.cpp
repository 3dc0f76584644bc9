#include <windows.h>
// windows.h first: the OLE headers lean on it.
#include <ocidl.h>
#include <olectl.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/WidePath.h"
#include "ui/MailIcon.h"
#include "ui/convert_layout.h"
#include "ui/help/SummaryView.h"
#include "win32/Controls.h"
#include "win32/Dpi.h"

namespace tokiwake {

namespace {

// The page's colours.
constexpr COLORREF kPageBackground = RGB(0xEE, 0xFF, 0xCC);
constexpr COLORREF kProductColour = RGB(0xCC, 0x33, 0x99);
constexpr COLORREF kNoteColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kContactColour = RGB(0xEE, 0x99, 0xFF);
// The page shows the picture at this size, whatever its own; sizes at 96 dpi.
constexpr int kPictureWidth = 36;
constexpr int kPictureHeight = 26;
constexpr int kTop = 10;
constexpr int kLineGap = 3;

IStream* OpenPicture(const Text& path) {
  IStream* stream = nullptr;
  if (SUCCEEDED(SHCreateStreamOnFileW(ToWidePath(path).c_str(), STGM_READ | STGM_SHARE_DENY_NONE,
                                      &stream))) {
    return stream;
  }
  const std::string_view builtIn = MailIconBytes();
  return SHCreateMemStream(reinterpret_cast<const BYTE*>(builtIn.data()),
                           static_cast<UINT>(builtIn.size()));
}

// Draws the picture at the page's size on the page's background.
HBITMAP RenderPicture(const Text& path, HDC reference, SIZE size) {
  IStream* stream = OpenPicture(path);
  if (stream == nullptr) return nullptr;
  IPicture* picture = nullptr;
  const HRESULT loaded =
      OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded)) return nullptr;
  HDC dc = CreateCompatibleDC(reference);
  HBITMAP bitmap = CreateCompatibleBitmap(reference, size.cx, size.cy);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT all{0, 0, size.cx, size.cy};
  HBRUSH background = CreateSolidBrush(kPageBackground);
  FillRect(dc, &all, background);
  DeleteObject(background);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  // A picture's rows run upward in HIMETRIC: start at its top and go down.
  picture->Render(dc, 0, 0, size.cx, size.cy, 0, height, width, -height, nullptr);
  SelectObject(dc, previous);
  DeleteDC(dc);
  picture->Release();
  return bitmap;
}

COLORREF ColourOf(SummaryLine::Kind kind) {
  switch (kind) {
    case SummaryLine::Kind::kProduct:
      return kProductColour;
    case SummaryLine::Kind::kNote:
      return kNoteColour;
    case SummaryLine::Kind::kContact:
      return kContactColour;
    default:
      return RGB(0, 0, 0);
  }
}

}  // namespace

void SummaryView::Clear() {
  for (const Label& label : labels_) DestroyWindow(label.hwnd);
  labels_.clear();
  if (picture_ != nullptr) DestroyWindow(picture_);
  picture_ = nullptr;
}

HWND SummaryView::AddLabel(HWND parent, const SummaryLine& line, HFONT font, const RECT& place) {
  HWND label = CreateWindowExW(0, L"STATIC", ToWide(line.text).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  labels_.push_back({label, ColourOf(line.kind)});
  return label;
}

HFONT SummaryView::FontOf(const SummaryLine& line) const {
  switch (line.kind) {
    case SummaryLine::Kind::kProduct:
      return productFont_.get();
    case SummaryLine::Kind::kContact:
      return smallFont_.get();
    default:
      return textFont_.get();
  }
}

// The mail picture with the contact line beside it, the pair centred.
void SummaryView::AddContact(HWND parent, const SummaryLine& line, int top, const Text& iconPath) {
  RECT client{};
  GetClientRect(parent, &client);
  const SIZE size = CaptionSize(parent, FontOf(line), line.text.c_str());
  const SIZE picture{ScaleForDpi(kPictureWidth, dpi_), ScaleForDpi(kPictureHeight, dpi_)};
  const LONG left = std::max(LONG{0}, (client.right - picture.cx - size.cx) / 2);
  HDC reference = GetDC(parent);
  bitmap_.Reset(RenderPicture(iconPath, reference, picture));
  ReleaseDC(parent, reference);
  picture_ =
      CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, left, top,
                      picture.cx, picture.cy, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
  const int textTop = top + (picture.cy - size.cy) / 2;
  const LONG textLeft = left + picture.cx;
  AddLabel(parent, line, FontOf(line),
           {textLeft, textTop, textLeft + size.cx + 2, textTop + size.cy});
}

// The page centres a table whose lines start at one left edge; the contact line and the picture
// sit centred below it.
void SummaryView::Show(HWND parent, const std::vector<SummaryLine>& lines, const Text& iconPath) {
  Clear();
  if (const int dpi = DpiOf(parent); dpi != dpi_ || !productFont_) {
    dpi_ = dpi;
    productFont_.Reset(CreateUiFont(kMainLook.fontFace, 13, dpi));
    textFont_.Reset(CreateUiFont(kMainLook.fontFace, 9, dpi));
    smallFont_.Reset(CreateUiFont(kMainLook.fontFace, 8, dpi));
  }
  if (!background_) background_.Reset(CreateSolidBrush(kPageBackground));
  const int gap = ScaleForDpi(kLineGap, dpi_);

  LONG blockWidth = 0;
  for (const SummaryLine& line : lines) {
    if (line.kind == SummaryLine::Kind::kContact) continue;
    blockWidth = std::max(blockWidth, CaptionSize(parent, FontOf(line), line.text.c_str()).cx);
  }
  RECT client{};
  GetClientRect(parent, &client);
  const LONG left = std::max(LONG{0}, (client.right - blockWidth) / 2);
  int top = ScaleForDpi(kTop, dpi_);
  for (const SummaryLine& line : lines) {
    if (line.kind == SummaryLine::Kind::kContact) {
      AddContact(parent, line, top + 2 * gap, iconPath);
      top += 2 * gap + ScaleForDpi(kPictureHeight, dpi_);
      continue;
    }
    const SIZE size = CaptionSize(parent, FontOf(line), line.text.c_str());
    AddLabel(parent, line, FontOf(line), {left, top, left + blockWidth + 2, top + size.cy});
    top += size.cy + gap;
    // The page leaves an empty line after the note.
    if (line.kind == SummaryLine::Kind::kNote) top += size.cy;
  }
}

HBRUSH SummaryView::PaintColours(HWND control, HDC dc) const {
  for (const Label& label : labels_) {
    if (label.hwnd != control) continue;
    SetTextColor(dc, label.colour);
    SetBkColor(dc, kPageBackground);
    return background_.get();
  }
  if (control == picture_ && picture_ != nullptr) return background_.get();
  return nullptr;
}

}  // namespace tokiwake
