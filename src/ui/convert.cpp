// The main window's construction, message dispatch and life cycle.
#include "ui/convert.h"

#include <windows.h>
#include <imm.h>
#include <shellapi.h>

#include "platform/Cp932.h"
#include "platform/Keyboard.h"
#include "platform/WholeFile.h"
#include "rename/NamePattern.h"
#include "settings/ProgramFacts.h"
#include "settings/Settings.h"
#include "text/Paths.h"
#include "ui/convert_layout.h"
#include "ui/frmPreview.h"
#include "win32/CheckList.h"
#include "win32/Dpi.h"
#include "win32/OwnerButton.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {

constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// A settings file that is there but could not be read, told the moment it was tried: in English,
// OK and Cancel, either of which only closes the box.
void ShowFileError() {
  const std::wstring text =
      ToWide("Can't perform one of the following file operations: Open, Seek, Read, Close.");
  const std::wstring caption = ToWide("File Error");
  MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OKCANCEL);
}

}  // namespace

Tconv::Tconv(StartupInfo startup) : Window(kAppTitle), startup_(std::move(startup)) {}

Tconv::~Tconv() = default;

bool Tconv::Create() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  formBrush_.Reset(CreateSolidBrush(kMainLook.formColour));
  if (!CreateTopLevel(L"Tconv", ToWide(kMainCaption).c_str(), kMainStyle, 0, kMainWidth,
                      kMainHeight, nullptr, nullptr, icon)) {
    return false;
  }
  BuildMenu();
  const int dpi = DpiOf(Handle());
  const SIZE outer = OuterSize(kMainHeight, dpi);
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controls_.Create(Handle(), MainLayout(), kMainLook, dpi);
  HWND combo = Control(ids::txt_TimeReName);
  for (const char* preset : PresetPatterns()) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(preset).c_str()));
  }
  FitComboDropDown(combo, static_cast<int>(PresetPatterns().size()));
  for (const char* mask : DefaultMasks()) AddCheckItem(Control(ids::lstASCII), mask, false);
  FolderEdits = {Control(ids::txt_Directory0), Control(ids::txt_Directory1)};
  // Patterns and typed folders are ASCII, and the folder fields drop every other character: the
  // input method stays off while one of them has the focus, so that typed text does not vanish.
  for (HWND field :
       {FolderEdits[0], FolderEdits[1], FindWindowExW(combo, nullptr, L"Edit", nullptr)}) {
    ImmAssociateContext(field, nullptr);
  }
  AttachEditHooks();
  DragAcceptFiles(Handle(), TRUE);
  FormCreate();
  return true;
}

void Tconv::BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, ids::mnuPreview, ToWide("プレビュー(&P)...").c_str());
  AppendMenuW(file, MF_STRING, ids::mnuUndo, ToWide("元に戻す(&U)").c_str());
  AppendMenuW(file, MF_STRING, ids::mnuClockCorrection, ToWide("時刻の補正(&T)...").c_str());
  AppendMenuW(file, MF_STRING, ids::mnuCompanions, ToWide("関連ファイルも一緒に変更(&C)").c_str());
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, ids::mnuExit, ToWide("終了(&X)").c_str());
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, ids::mnuUSE, ToWide("使い方(&T)").c_str());
  AppendMenuW(help, MF_STRING, ids::mnuVER, ToWide("ﾊﾞｰｼﾞｮﾝ情報(&V)").c_str());
  AppendMenuW(help, MF_STRING, ids::mnuReadMe, ToWide("ReadMeの表示(&R)").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), ToWide("ファイル(&F)").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), ToWide("ﾍﾙﾌﾟ(&H)").c_str());
  SetMenu(Handle(), bar);
}

SIZE Tconv::OuterSize(int height, int dpi) const {
  return ScaleOuter({kMainWidth, height}, kMainStyle, 0, true, dpi);
}

// Another monitor, another dpi: the place the system suggests, and every control and font scaled
// from the layout anew.
void Tconv::OnDpiChanged(int dpi, LPARAM suggested) {
  TakeSuggestedPlace(Handle(), suggested);
  controls_.Rescale(dpi);
  FitComboDropDown(Control(ids::txt_TimeReName), static_cast<int>(PresetPatterns().size()));
}

void Tconv::SetText(int id, const Text& text) {
  const bool changed = controls_.SetText(id, text);
  // Edits report the change themselves, synchronously; the combo box's own field does not.
  if (changed && id == ids::txt_TimeReName) txt_TimeReNameChange();
}

LRESULT Tconv::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0 || HIWORD(wParam) == 0) OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = controls_.PaintColours(reinterpret_cast<HWND>(lParam),
                                                reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(Handle(), &rc);
      FillRect(reinterpret_cast<HDC>(wParam), &rc, formBrush_.get());
      return 1;
    }
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), lParam);
      return 0;
    case WM_SHOWWINDOW:
      if (wParam != 0 && lParam == 0 && !shown_) {
        shown_ = true;
        FormShow();
      }
      break;
    case WM_LBUTTONDBLCLK:
      FormDblClick();
      return 0;
    case WM_ACTIVATE:
      if (focus_.OnActivate(Handle(), wParam)) return 0;
      break;
    case WM_INITMENUPOPUP:
      OnMenuOpening(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_DROPFILES:
      HandleDroppedFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_NCDESTROY:
      if (startup_.onClosed) startup_.onClosed();
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void Tconv::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType == ODT_BUTTON) DrawPushButton(item, controls_.TextColour(item.CtlID));
  if (item.CtlType == ODT_LISTBOX) DrawCheckItem(item);
}

void Tconv::OnCommand(int id, int code) {
  // One line a control: the table of which notification runs which handler.
  // clang-format off
  switch (id) {
    case ids::txt_Directory0:
      if (code == EN_CHANGE) txt_Directory0_Change();
      return;
    case ids::txt_Directory1:
      if (code == EN_CHANGE) txt_Directory1_Change();
      return;
    case ids::txt_TimeReName:
      if (code == CBN_EDITCHANGE) txt_TimeReNameChange();
      if (code == CBN_SELCHANGE) OnPresetChosen();
      return;
    case ids::lbl_Directory0: if (code == STN_CLICKED) lbl_Directory0Click(); return;
    case ids::lbl_Directory1: if (code == STN_CLICKED) lbl_Directory1Click(); return;
    case ids::cmd_Directory0: if (code == BN_CLICKED) cmd_Directory0Click(); return;
    case ids::cmd_Directory1: if (code == BN_CLICKED) cmd_Directory1Click(); return;
    case ids::cmd_START: if (code == BN_CLICKED) cmd_STARTClick(); return;
    case ids::cmdAbote: if (code == BN_CLICKED) cmdAboteClick(); return;
    case ids::cmd_Close: if (code == BN_CLICKED) cmd_CloseClick(); return;
    case ids::chkAll: if (code == BN_CLICKED) chkAllClick(); return;
    case ids::cmd_ADD: if (code == BN_CLICKED) cmd_ADDClick(); return;
    case ids::cmd_DEL: if (code == BN_CLICKED) cmd_DELClick(); return;
    case ids::mnuPreview: mnuPreviewClick(); return;
    case ids::mnuUndo: mnuUndoClick(); return;
    case ids::mnuClockCorrection: mnuClockCorrectionClick(); return;
    case ids::mnuCompanions: mnuCompanionsClick(); return;
    case ids::mnuExit: mnuExitClick(); return;
    case ids::mnuUSE: mnuUSEClick(); return;
    case ids::mnuVER: mnuVERClick(); return;
    case ids::mnuReadMe: mnuReadMeClick(); return;
    default: return;
  }
  // clang-format on
}

void Tconv::OnPresetChosen() {
  HWND combo = Control(ids::txt_TimeReName);
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  std::wstring item(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<size_t>(length));
  // The field may show the chosen item only after this notification; the pattern follows the item.
  controls_.SetText(ids::txt_TimeReName, Narrow(item));
  txt_TimeReNameChange();
}

void Tconv::FormCreate() {
  const SIZE outer = OuterSize(kMainHeight, controls_.Dpi());
  PlaceOnWorkArea(Handle(), outer.cx, outer.cy);
  VersionNumber = kVersionNumber;
  wchar_t windows[256] = {};
  GetWindowsDirectoryW(windows, 256);
  state_.WinFolder = WithTrailingBackslash(Narrow(windows));
}

void Tconv::FormShow() {
  state_.ExeFolder = WithTrailingBackslash(FolderPart(startup_.programPath));
  state_.ProgramName = startup_.programPath.substr(FolderPart(startup_.programPath).size());
  state_.CurFolder = "";
  state_.FileCounter = 0;
  state_.InSecondFolder = 0;

  if (!startup_.arguments.empty() && disk_.FolderExists(startup_.arguments.front())) {
    const Text& folder = startup_.arguments.front();
    state_.PickedFolder = folder;
    state_.CurFolder = folder;
    SetText(ids::txt_Directory0, folder);
  }

  // A close or an undo killed while it wrote its file leaves the new one beside the old one.
  RemoveInterruptedWrite(state_.ExeFolder + kMaskFileName);
  RemoveInterruptedWrite(state_.ExeFolder + kPatternFileName);
  RemoveInterruptedWrite(state_.ExeFolder + kJournalFileName);
  RemoveInterruptedWrite(state_.ExeFolder + kOptionsFileName);

  HWND list = Control(ids::lstASCII);
  for (int i = 0; i < CheckItemCount(list); ++i) SetTicked(list, i, true);
  const LoadedMasks masks = LoadSettings(state_.ExeFolder + kMaskFileName);
  if (masks.unreadable) ShowFileError();
  if (masks.items) ReplaceCheckItems(list, *masks.items, true);
  keepMaskFile_ = masks.unreadable;

  const LoadedPattern pattern = LoadPattern(state_.ExeFolder + kPatternFileName);
  if (pattern.unreadable) ShowFileError();
  keepPatternFile_ = pattern.unreadable;
  PatternCheck check = UsablePattern(pattern.pattern, kStartFallbackPattern);
  if (!check.message.empty()) ShowMessage(check.message);
  state_.RenameFormat = std::move(check.pattern);
  SetText(ids::txt_TimeReName, state_.RenameFormat);

  const LoadedOptions options = LoadOptions(state_.ExeFolder + kOptionsFileName);
  if (options.unreadable) ShowFileError();
  keepOptionsFile_ = options.unreadable;
  optionsFileFound_ = options.exists;
  options_ = options.options;
  SendMessageW(Control(ids::chkShotDate), BM_SETCHECK,
               options_.useShotDate ? BST_CHECKED : BST_UNCHECKED, 0);
  OptionsChanged();
}

// A file that was there at start-up but could not be read still holds the user's settings: the
// defaults that stood in for it are not written over it.
void Tconv::FormClose() {
  if (!keepMaskFile_) {
    std::vector<Text> masks;
    for (const CheckItem& item : CheckItems(Control(ids::lstASCII))) masks.push_back(item.text);
    SaveSettings(state_.ExeFolder + kMaskFileName, masks);
  }
  if (!keepPatternFile_) SavePattern(state_.ExeFolder + kPatternFileName, state_.RenameFormat);
  // A user who never changed an option finds no file for them, as before there were options.
  options_.useShotDate = SendMessageW(Control(ids::chkShotDate), BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (!keepOptionsFile_ && (optionsFileFound_ || options_ != Options{})) {
    SaveOptions(state_.ExeFolder + kOptionsFileName, options_);
  }
}

void Tconv::OnCloseRequest() {
  // During a run the close waits until the run has finished its file in hand and written its list;
  // a preview is closed first.
  if (!run_.RequestClose()) {
    if (preview_ != nullptr) preview_->Close();
    return;
  }
  FormClose();
  DestroyWindow(Handle());
}

void Tconv::FormDblClick() {
  if (!IsKeyDown(VK_SHIFT) || !IsKeyDown(VK_CONTROL)) return;
  RECT rc{};
  GetWindowRect(Handle(), &rc);
  SetWindowPos(Handle(), nullptr, 0, 0, rc.right - rc.left,
               OuterSize(kEnlargedHeight, controls_.Dpi()).cy, SWP_NOMOVE | SWP_NOZORDER);
}

void Tconv::cmd_CloseClick() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void Tconv::mnuExitClick() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void Tconv::txt_TimeReNameChange() { state_.RenameFormat = GetText(ids::txt_TimeReName); }

}  // namespace tokiwake
