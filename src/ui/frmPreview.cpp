#include "ui/frmPreview.h"

#include <commctrl.h>

#include <string>

#include "platform/Cp932.h"
#include "settings/ProgramFacts.h"
#include "ui/convert_layout.h"
#include "win32/Controls.h"
#include "win32/MessageLoop.h"

namespace tokiwake {

namespace {

// At 96 dpi; the dialog scales them to its own.
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 400;
constexpr int kMargin = 8;
constexpr int kButtonHeight = 25;
// The walk asks for a pump on every name it tries, and under Wine each look at the message queue
// costs about as much as trying a name on the dry-run disk: the queue is looked at this often, and
// progress shown less often still, since a repaint per file would cost more than the file.
constexpr uint64_t kPumpMilliseconds = 15;
constexpr uint64_t kProgressMilliseconds = 100;

ListColumn ColumnOf(PreviewColumn column) {
  switch (column) {
    case PreviewColumn::kFolder:
      return {"フォルダー", 140};
    case PreviewColumn::kOldName:
      return {"元のファイル名", 120};
    case PreviewColumn::kNewName:
      return {"新しいファイル名", 160};
    case PreviewColumn::kTimeSource:
      return {"日時の元", 90};
    case PreviewColumn::kRemark:
      return {"備考", 170};
  }
  return {"", 0};
}

RECT At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

}  // namespace

TfrmPreview::TfrmPreview(HWND owner) : ResizableDialog(kAppTitle), owner_(owner) {}

bool TfrmPreview::Present(Preview& preview) {
  preview_ = &preview;
  startRun_ = false;
  if (Create()) RunModal();
  preview_ = nullptr;
  return startRun_;
}

void TfrmPreview::Close() {
  if (Handle() != nullptr) OnCloseRequest();
}

bool TfrmPreview::Create() {
  using namespace preview_ids;
  if (!CreateResizable(owner_, L"TfrmPreview", kPreviewCaption, kClientWidth, kClientHeight,
                       kMainLook.fontFace, 9)) {
    return false;
  }
  const int buttonsTop = kClientHeight - kMargin - kButtonHeight;
  const int summaryTop = buttonsTop - kMargin - 16;
  const int listTop = kMargin + 16 + kMargin / 2;
  AddChild(L"STATIC", preview_->Heading(), SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0,
           At(kMargin, kMargin, kClientWidth - 2 * kMargin, 16), kHeading,
           Anchor::kLeft | Anchor::kTop | Anchor::kRight);
  shownColumns_ = preview_->Columns();
  columns_.clear();
  for (const PreviewColumn column : shownColumns_) columns_.push_back(ColumnOf(column));
  list_.Create(
      Handle(), kList,
      At(kMargin, listTop, kClientWidth - 2 * kMargin, summaryTop - kMargin - listTop), columns_,
      Font(),
      [this](size_t row, int column) {
        return preview_->Cell(row, shownColumns_[static_cast<size_t>(column)]);
      },
      [this](size_t row) { return preview_->FullFolder(row); });
  AnchorChild(list_.Handle(), Anchor::kAll);
  list_.Rescale(Font(), Dpi());
  summary_ = AddChild(L"STATIC", "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0,
                      At(kMargin, summaryTop, kClientWidth - 2 * kMargin, 16), kSummary,
                      Anchor::kLeft | Anchor::kRight | Anchor::kBottom);
  const Anchor corner = Anchor::kRight | Anchor::kBottom;
  int left = kClientWidth - kMargin - 3 * 73 - 97;
  AddChild(L"BUTTON", "ファイル名変更", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0,
           At(left, buttonsTop, 97, kButtonHeight), kStartRun, corner);
  left += 97 + 2 * kMargin;
  AddChild(L"BUTTON", "中断", BS_PUSHBUTTON | WS_TABSTOP, 0,
           At(left, buttonsTop, 73, kButtonHeight), kStop, corner);
  left += 73 + kMargin;
  AddChild(L"BUTTON", "閉じる", BS_PUSHBUTTON | WS_TABSTOP, 0,
           At(left, buttonsTop, 73, kButtonHeight), kClose, corner);
  return true;
}

void TfrmPreview::OnDpiChanged() { list_.Rescale(Font(), Dpi()); }

void TfrmPreview::OnShown() {
  ShowProgress();
  preview_->Compute(*this);
  if (!Ended()) ShowResult();
}

void TfrmPreview::PreviewPump() {
  const uint64_t now = GetTickCount64();
  if (now - lastPumped_ < kPumpMilliseconds) return;
  lastPumped_ = now;
  if (now - lastShown_ >= kProgressMilliseconds) {
    lastShown_ = now;
    ShowProgress();
  }
  PumpPendingMessages(Handle());
}

void TfrmPreview::ShowProgress() {
  list_.SetRowCount(preview_->Rows().size());
  SetWindowTextW(summary_, ToWide("調べています… " + std::to_string(preview_->Rows().size()) +
                                  " 個　" + preview_->CurrentPath())
                               .c_str());
  UpdateWindow(Handle());
}

void TfrmPreview::ShowResult() {
  list_.SetRowCount(preview_->Rows().size());
  SetWindowTextW(summary_, ToWide(PreviewSummary(preview_->Counts(), preview_->Stopped())).c_str());
  EnableWindow(GetDlgItem(Handle(), preview_ids::kStop), FALSE);
  // With nothing to rename there is nothing to start.
  HWND start = GetDlgItem(Handle(), preview_ids::kStartRun);
  const bool something = preview_->Counts().renamed > 0;
  EnableWindow(start, something ? TRUE : FALSE);
  SetFocus(something ? start : GetDlgItem(Handle(), preview_ids::kClose));
}

void TfrmPreview::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == preview_ids::kStop) preview_->Stop();
  if (id == preview_ids::kStartRun) {
    startRun_ = true;
    EndModal();
  }
}

// While the walks go on they stop first; the dialog ends when they have returned.
void TfrmPreview::OnCloseRequest() {
  preview_->Stop();
  EndModal();
}

LRESULT TfrmPreview::OnNotify(const NMHDR& header) {
  list_.OnNotify(header);
  return 0;
}

}  // namespace tokiwake
