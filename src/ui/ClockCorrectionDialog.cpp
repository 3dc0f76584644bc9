#include "ui/ClockCorrectionDialog.h"

#include <array>
#include <string>
#include <vector>

#include "platform/Cp932.h"
#include "ui/rules/ClockCorrection.h"
#include "win32/DialogTemplate.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {

using namespace clock_ids;

constexpr WORD kFontPoints = 9;
constexpr char kCaption[] = "時刻の補正";
// Broken after the comma by hand: left to the width, the break would fall mid-word, at a place
// that changes with the font and the dpi.
constexpr char kExplanation[] =
    "ファイル名に使う日時（撮影日時または更新日時）を、\n次の時間だけずらします。";
constexpr char kExampleLead[] = "例：";
constexpr int kExplanationId = 108;

struct Field {
  int id;
  int maxDigits;
  short x, width;  // of the edit; its unit's label follows it
  short labelWidth;
  const char* unit;
};
// Five digits of days reach past the longest correction, so that it can be typed; two digits of
// the smaller units let 90 minutes be typed as such.
constexpr std::array<Field, 4> kFields{{
    {kDays, 5, 7, 32, 12, "日"},
    {kHours, 2, 58, 20, 20, "時間"},
    {kMinutes, 2, 106, 20, 12, "分"},
    {kSeconds, 2, 145, 20, 12, "秒"},
}};

// In dialog units, which follow the font and the dpi.
constexpr short kWidth = 230;
constexpr short kInner = kWidth - 14;
constexpr short kFieldsTop = 48;
constexpr short kButtonsTop = 86;

std::wstring Wide(const char* text) { return ToWide(text); }

std::vector<DialogItem> Items() {
  using enum ItemClass;
  std::vector<DialogItem> items = {
      {kStatic, SS_LEFT | SS_NOPREFIX, 7, 7, kInner, 20, kExplanationId, Wide(kExplanation)},
      {kButton, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 7, 32, 60, 10, kForward,
       Wide("進める(+)")},
      {kButton, BS_AUTORADIOBUTTON, 72, 32, 60, 10, kBack, Wide("戻す(-)")},
  };
  for (const Field& field : kFields) {
    // The first edit ends the radio buttons' group.
    const DWORD group = field.id == kDays ? WS_GROUP : 0;
    items.push_back({kEdit,
                     ES_RIGHT | ES_NUMBER | WS_BORDER | WS_TABSTOP | group,
                     field.x,
                     kFieldsTop,
                     field.width,
                     12,
                     field.id,
                     {}});
    items.push_back({kStatic, SS_LEFT | SS_NOPREFIX, static_cast<short>(field.x + field.width + 3),
                     kFieldsTop + 2, field.labelWidth, 9, -1, Wide(field.unit)});
  }
  items.push_back({kStatic, SS_LEFT | SS_NOPREFIX, 7, 68, kInner, 9, kExample, {}});
  items.push_back({kButton, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 7, kButtonsTop, 50, 14,
                   kNoCorrection, Wide("補正なし")});
  items.push_back(
      {kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, kWidth - 111, kButtonsTop, 50, 14, IDOK, L"OK"});
  items.push_back({kButton, BS_PUSHBUTTON | WS_TABSTOP, kWidth - 57, kButtonsTop, 50, 14, IDCANCEL,
                   Wide("キャンセル")});
  return items;
}

// A field left empty, or given other characters by pasting, counts as 0.
int64_t FieldValue(HWND dialog, int id) {
  return static_cast<int64_t>(GetDlgItemInt(dialog, id, nullptr, FALSE));
}

int64_t SecondsShown(HWND dialog) {
  return SecondsFromParts({IsDlgButtonChecked(dialog, kBack) == BST_CHECKED,
                           FieldValue(dialog, kDays), FieldValue(dialog, kHours),
                           FieldValue(dialog, kMinutes), FieldValue(dialog, kSeconds)});
}

void ShowExample(HWND dialog) {
  const Text line = kExampleLead + CorrectionExample(SecondsShown(dialog));
  SetDlgItemTextW(dialog, kExample, ToWide(line).c_str());
}

void ShowParts(HWND dialog, const CorrectionParts& parts) {
  CheckRadioButton(dialog, kForward, kBack, parts.back ? kBack : kForward);
  const int64_t values[] = {parts.days, parts.hours, parts.minutes, parts.seconds};
  for (size_t i = 0; i < kFields.size(); ++i) {
    SetDlgItemInt(dialog, kFields[i].id, static_cast<UINT>(values[i]), FALSE);
  }
  ShowExample(dialog);
}

void Start(HWND dialog, int64_t current) {
  for (const Field& field : kFields) {
    SendDlgItemMessageW(dialog, field.id, EM_LIMITTEXT, static_cast<WPARAM>(field.maxDigits), 0);
  }
  ShowParts(dialog, PartsFromSeconds(current));
  CentreOnOwner(dialog);
  // The days selected whole, as Tab would leave them, so that typing replaces them.
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kDays)), TRUE);
}

INT_PTR CALLBACK ClockDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* seconds = reinterpret_cast<int64_t*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    Start(dialog, *reinterpret_cast<int64_t*>(lParam));
    return FALSE;  // the focus is placed already
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == IDOK) {
    *seconds = SecondsShown(dialog);
    EndDialog(dialog, IDOK);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  } else if (id == kNoCorrection && code == BN_CLICKED) {
    ShowParts(dialog, {});
  } else if ((id == kForward || id == kBack) && code == BN_CLICKED) {
    ShowExample(dialog);
  } else if (id >= kDays && id <= kSeconds && code == EN_CHANGE) {
    ShowExample(dialog);
  } else {
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::optional<int64_t> AskClockCorrection(HWND owner, int64_t current, const char* fontFace) {
  const std::vector<DialogItem> items = Items();
  const DialogTemplate dialog({DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, kWidth,
                               kButtonsTop + 21, Wide(kCaption), Wide(fontFace), kFontPoints},
                              items);
  int64_t seconds = current;
  if (dialog.ShowModal(owner, &ClockDialogProc, reinterpret_cast<LPARAM>(&seconds)) != IDOK) {
    return std::nullopt;
  }
  return seconds;
}

}  // namespace tokiwake
