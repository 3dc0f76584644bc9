#include "win32/Controls.h"

#include <uxtheme.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Cp932.h"
#include "win32/CheckList.h"
#include "win32/OwnerButton.h"

namespace tokiwake {

namespace {

struct WindowClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowClassAndStyle ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::kSunkenLabel:
      return {L"STATIC", SS_LEFT | SS_NOTIFY | SS_SUNKEN, 0};
    case ControlKind::kEdit:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::kGroupBox:
      return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::kCheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::kCheckList:
      return {L"LISTBOX",
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                  WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::kLabel:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::kCombo:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
  }
  throw std::logic_error("unknown control kind");
}

// A window's device context with a font selected, for measuring.
class FontDc {
 public:
  FontDc(HWND window, HFONT font)
      : window_(window), dc_(GetDC(window)), old_(SelectObject(dc_, font)) {}
  ~FontDc() {
    SelectObject(dc_, old_);
    ReleaseDC(window_, dc_);
  }
  FontDc(const FontDc&) = delete;
  FontDc& operator=(const FontDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ old_;
};

// A row is at least as tall as the font's cell: a lower row cuts off the descenders, and the
// substitute of a font may be taller than the font the layout was made for.
int RowHeight(HWND parent, HFONT font, int wanted) {
  const FontDc dc(parent, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  return std::max(wanted, static_cast<int>(metrics.tmHeight));
}

// The closed box is exactly as tall as the layout says; the field's height decides it, and the box
// adds a border of its own choosing, so measure and correct. The field height is counted here, not
// read back: Wine reports two pixels more than it was given.
void FitClosedComboHeight(HWND combo, int height) {
  auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT rc{};
    GetWindowRect(combo, &rc);
    const int error = height - (rc.bottom - rc.top);
    if (error == 0) return;
    field += error;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

}  // namespace

SIZE CaptionSize(HWND parent, HFONT font, const char* caption) {
  const FontDc dc(parent, font);
  const std::wstring text = ToWide(caption);
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void FitComboDropDown(HWND combo, int rows) {
  RECT closed{};
  GetWindowRect(combo, &closed);
  const int closedHeight = closed.bottom - closed.top;
  const auto row = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  // A combo box's own height is that of the closed box and its list together.
  const int list = rows * row + 2 * GetSystemMetrics(SM_CYEDGE);
  SetWindowPos(combo, nullptr, 0, 0, closed.right - closed.left, closedHeight + list,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Wine gives the field the font's height again on a resize.
  FitClosedComboHeight(combo, closedHeight);
}

HFONT CreateUiFont(const char* face, int points, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -FontPixels(points, dpi);
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring wideFace = ToWide(face);
  wcsncpy(lf.lfFaceName, wideFace.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

Text GetText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, buffer.data(), length + 1);
  buffer.resize(static_cast<size_t>(got));
  return Narrow(buffer);
}

HFONT ControlSet::FontOf(int points) {
  OwnedFont& font = fonts_[points];
  if (!font) font.Reset(CreateUiFont(fontFace_, points, dpi_));
  return font.get();
}

ControlSet::Placed ControlSet::PlaceOf(const ControlRow& layout) {
  HFONT font = FontOf(layout.fontPoints);
  const ControlBox box = PlaceAtDpi(table_, layout, dpi_);
  if (layout.width == 0) {
    const SIZE size = CaptionSize(parent_, font, layout.caption);
    return {box.left, box.top, size.cx, size.cy, font};
  }
  return {box.left, box.top, box.right - box.left, box.bottom - box.top, font};
}

void ControlSet::FitRows(const Entry& entry, const Placed& place) const {
  const ControlRow& layout = *entry.layout;
  if (layout.kind != ControlKind::kCheckList && layout.kind != ControlKind::kCombo) return;
  const int rows = RowHeight(parent_, place.font, ScaleForDpi(layout.itemHeight, dpi_));
  if (layout.kind == ControlKind::kCheckList) SendMessageW(entry.hwnd, LB_SETITEMHEIGHT, 0, rows);
  if (layout.kind == ControlKind::kCombo) {
    SendMessageW(entry.hwnd, CB_SETITEMHEIGHT, 0, rows);
    FitClosedComboHeight(entry.hwnd, place.height);
  }
}

void ControlSet::Create(HWND parent, std::span<const ControlRow> specs, const ControlLook& look,
                        int dpi) {
  parent_ = parent;
  table_ = specs;
  dpi_ = dpi;
  fontFace_ = look.fontFace;
  formColour_ = look.formColour;
  formBrush_.Reset(CreateSolidBrush(formColour_));
  labelBrush_.Reset(CreateSolidBrush(GetSysColor(COLOR_ACTIVEBORDER)));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlRow& layout : specs) {
    const Placed place = PlaceOf(layout);
    const WindowClassAndStyle cls = ClassFor(layout.kind);
    HWND hwnd = CreateWindowExW(
        cls.exStyle, cls.className, ToWide(layout.caption).c_str(),
        WS_CHILD | WS_VISIBLE | cls.style, place.left, place.top, place.width, place.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    if (layout.kind == ControlKind::kButton) AttachOwnerButton(hwnd);
    if (layout.kind == ControlKind::kCheckList) AttachCheckList(hwnd);
    // Under visual styles a check box or a group box draws its caption in the theme's colour,
    // whatever WM_CTLCOLORSTATIC set: these keep the classic look, which takes the colour.
    if (layout.kind == ControlKind::kCheckBox || layout.kind == ControlKind::kGroupBox) {
      SetWindowTheme(hwnd, L"", L"");
    }
    const Entry& entry =
        entries_.emplace(layout.id, Entry{&layout, hwnd, layout.textColour, CLR_INVALID, {}})
            .first->second;
    FitRows(entry, place);
  }
}

void ControlSet::Rescale(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  // The old fonts go only once no control uses them.
  const std::map<int, OwnedFont> oldFonts = std::move(fonts_);
  fonts_.clear();
  for (const auto& [id, entry] : entries_) {
    const Placed place = PlaceOf(*entry.layout);
    SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    SetWindowPos(entry.hwnd, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitRows(entry, place);
  }
  RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND ControlSet::Get(int id) const { return entries_.at(id).hwnd; }

const ControlRow& ControlSet::LayoutOf(int id) const { return *entries_.at(id).layout; }

int ControlSet::IdOf(HWND control) const {
  for (const auto& [id, entry] : entries_) {
    if (entry.hwnd == control) return id;
  }
  return 0;
}

bool ControlSet::SetText(int id, const Text& text) const {
  if (GetText(id) == text) return false;
  SetWindowTextW(Get(id), ToWide(text).c_str());
  return true;
}

COLORREF ControlSet::TextColour(int id) const { return entries_.at(id).textColour; }

void ControlSet::SetTextColour(int id, COLORREF colour) { entries_.at(id).textColour = colour; }

COLORREF ControlSet::Background(int id) const { return entries_.at(id).background; }

void ControlSet::SetBackground(int id, COLORREF colour) {
  Entry& entry = entries_.at(id);
  entry.background = colour;
  entry.brush.Reset(colour == CLR_INVALID ? nullptr : CreateSolidBrush(colour));
}

HBRUSH ControlSet::PaintColours(HWND control, HDC dc) {
  const int id = IdOf(control);
  if (id == 0) return nullptr;
  Entry& entry = entries_.at(id);
  SetTextColor(dc, entry.textColour);
  switch (entry.layout->kind) {
    case ControlKind::kEdit:
    case ControlKind::kCombo:
    case ControlKind::kCheckList:
      if (entry.brush) {
        SetBkColor(dc, entry.background);
        return entry.brush.get();
      }
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return GetSysColorBrush(COLOR_WINDOW);
    case ControlKind::kSunkenLabel:
      SetBkColor(dc, GetSysColor(COLOR_ACTIVEBORDER));
      return labelBrush_.get();
    default:
      SetBkColor(dc, formColour_);
      return formBrush_.get();
  }
}

void ControlSet::RepaintNow(int id) const {
  RedrawWindow(Get(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

}  // namespace tokiwake
