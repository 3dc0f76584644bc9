// The extension list: adding and deleting masks, and the all-files box that overrides the list.
#include "rename/ExtensionMask.h"
#include "ui/convert.h"
#include "ui/convert_layout.h"
#include "win32/CheckList.h"
#include "win32/InputBox.h"

namespace tokiwake {

namespace {

constexpr char kAddTitle[] = "ファイルの拡張子を入れて下さい";
constexpr char kAddPrompt[] = "拡張子名";
constexpr int kMaxExtensionChars = 255;

}  // namespace

void Tconv::cmd_ADDClick() {
  const std::optional<Narrowed> typed =
      AskForText(Handle(), {kAddTitle, kAddPrompt, kMaxExtensionChars, kMainLook.fontFace});
  if (!typed) return;
  HWND list = Control(ids::lstASCII);
  std::vector<Text> masks;
  for (const CheckItem& item : CheckItems(list)) masks.push_back(item.text);
  const MaskDecision decision = DecideNewMask(typed->text, typed->exact, masks);
  if (decision.refusal == MaskRefusal::kNone) {
    AddCheckItem(list, decision.mask, true);
    return;
  }
  const Text message = RefusalMessage(decision.refusal);
  if (!message.empty()) ShowMessage(message);
}

void Tconv::cmd_DELClick() {
  HWND list = Control(ids::lstASCII);
  const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return;
  SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void Tconv::chkAllClick() {
  // Disabling keeps the items and their ticks; the buttons stay live on purpose.
  EnableWindow(Control(ids::lstASCII),
               SendMessageW(Control(ids::chkAll), BM_GETCHECK, 0, 0) == BST_CHECKED ? FALSE : TRUE);
}

}  // namespace tokiwake
