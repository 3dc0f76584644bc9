// The preview dialog: every target file with its folder, old name, new name and a remark, a
// summary line, the run's start button, a stop for long trees, and 閉じる. It keeps nothing from
// one showing to the next.
#pragma once

#include <cstdint>
#include <vector>

#include "rename/RenameRun.h"
#include "win32/ListView.h"
#include "win32/ResizableDialog.h"

namespace tokiwake {

class TfrmPreview final : public ResizableDialog, public PreviewPresenter, private PreviewProgress {
 public:
  explicit TfrmPreview(HWND owner);

  bool Present(Preview& preview) override;
  // The main window is closing: stop and close.
  void Close();

 private:
  bool Create();
  void OnShown() override;
  void OnDpiChanged() override;
  void OnCommand(int id, int code) override;
  void OnCloseRequest() override;
  LRESULT OnNotify(const NMHDR& header) override;
  void PreviewPump() override;
  void ShowProgress();
  void ShowResult();

  HWND owner_;
  Preview* preview_ = nullptr;
  VirtualListView list_;
  std::vector<PreviewColumn> shownColumns_;
  std::vector<ListColumn> columns_;  // the list keeps a view of them
  HWND summary_ = nullptr;
  bool startRun_ = false;
  uint64_t lastPumped_ = 0;
  uint64_t lastShown_ = 0;
};

namespace preview_ids {
inline constexpr int kList = 100;
inline constexpr int kSummary = 101;
inline constexpr int kStartRun = 102;
inline constexpr int kStop = 103;
inline constexpr int kHeading = 104;
inline constexpr int kClose = IDCANCEL;
}  // namespace preview_ids

inline constexpr char kPreviewCaption[] = "プレビュー";

}  // namespace tokiwake
