#include "win32/InputBox.h"

#include <string>
#include <vector>

#include "win32/Placement.h"

namespace tokiwake {

namespace {

constexpr WORD kFontPoints = 9;
constexpr int kEditId = 100;
constexpr int kPromptId = 101;
constexpr char kOkCaption[] = "OK";
constexpr char kCancelCaption[] = "キャンセル";

// Predefined window classes, as a template names them.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct ItemSpec {
  WORD classAtom;
  DWORD style;
  short x, y, cx, cy;  // dialog units
  int id;
  std::wstring caption;
};

// A DLGTEMPLATE followed by its items, laid out as the dialog manager reads it: words, with
// every item starting on a double-word boundary.
class TemplateWriter {
 public:
  void Header(DWORD style, WORD itemCount, short cx, short cy, const std::wstring& title,
              const std::wstring& face) {
    DLGTEMPLATE header{style, 0, itemCount, 0, 0, cx, cy};
    Raw(&header, sizeof header);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    String(title);
    words_.push_back(kFontPoints);
    String(face);
  }

  void Item(const ItemSpec& layout) {
    if (words_.size() % 2 != 0) words_.push_back(0);
    DLGITEMTEMPLATE item{
        layout.style | WS_CHILD | WS_VISIBLE, 0, layout.x, layout.y, layout.cx, layout.cy,
        static_cast<WORD>(layout.id)};
    Raw(&item, sizeof item);
    words_.push_back(0xFFFF);
    words_.push_back(layout.classAtom);
    String(layout.caption);
    words_.push_back(0);  // no creation data
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Raw(const void* data, size_t bytes) {
    const auto* begin = static_cast<const WORD*>(data);
    words_.insert(words_.end(), begin, begin + bytes / sizeof(WORD));
  }
  void String(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;  // its storage starts well aligned beyond the double word required
};

struct BoxState {
  int maxChars;
  std::wstring typed;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<BoxState*>(lParam);
      SendDlgItemMessageW(dialog, kEditId, EM_LIMITTEXT, static_cast<WPARAM>(state->maxChars), 0);
      CentreOnOwner(dialog);
      return TRUE;  // the focus goes to the edit, the first control that takes it
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND edit = GetDlgItem(dialog, kEditId);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(
            static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->typed = std::move(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<Narrowed> AskForText(HWND owner, const TextRequest& request) {
  const std::vector<ItemSpec> items = {
      {kStaticAtom, SS_LEFT | SS_NOPREFIX, 7, 7, 186, 9, kPromptId, ToWide(request.prompt)},
      {kEditAtom, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 18, 186, 12, kEditId, {}},
      {kButtonAtom, BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 38, 50, 14, IDOK, ToWide(kOkCaption)},
      {kButtonAtom, BS_PUSHBUTTON | WS_TABSTOP, 143, 38, 50, 14, IDCANCEL, ToWide(kCancelCaption)},
  };
  TemplateWriter writer;
  writer.Header(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                static_cast<WORD>(items.size()), 200, 59, ToWide(request.title),
                ToWide(request.fontFace));
  for (const ItemSpec& item : items) writer.Item(item);

  BoxState state{request.maxChars, {}};
  const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), writer.Get(), owner,
                                                 &InputBoxProc, reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) return std::nullopt;
  return ToCp932(state.typed);
}

}  // namespace tokiwake
