#include "rename/Preview.h"

#include <string>

#include "rename/NameTime.h"
#include "text/Paths.h"

namespace tokiwake {

Preview::Preview(const RunInputs& inputs, const RunState& state, FileSystem& disk)
    : inputs_(inputs), state_(state), disk_(disk) {
  state_.AbortRequested = false;
  state_.FileCounter = 0;
}

void Preview::Compute(PreviewProgress& progress) {
  progress_ = &progress;
  WalkContext run{inputs_, *this, *this, state_, disk_};
  WalkBothFolders(run);
  progress_ = nullptr;
}

void Preview::HandlePendingMessages() {
  if (progress_ != nullptr) progress_->PreviewPump();
}

PreviewCounts Preview::Counts() const {
  PreviewCounts counts;
  for (const HandledFile& file : rows_) {
    if (file.result != FileResult::kUnreachableFolder) ++counts.files;
    if (file.result == FileResult::kRenamed) {
      ++counts.renamed;
    } else if (file.result == FileResult::kUnchanged) {
      ++counts.unchanged;
    } else {
      ++counts.problems;
    }
  }
  return counts;
}

namespace {

Text Remark(const HandledFile& file) {
  switch (file.result) {
    case FileResult::kRenamed:
      if (!file.principal.empty()) return file.principal + " と一緒に変更";
      return file.nameInTheWay ? "同じ名前があるので番号を進めます" : "";
    case FileResult::kUnchanged:
      return "すでにこの名前です（変更なし）";
    case FileResult::kClash:
      return "同じファイル名があるので変更できません！！";
    case FileResult::kRefused:
      return "変更できません！！（同じ名前のフォルダーなど）";
    case FileResult::kInexactName:
      return "ファイル名に扱えない文字があるので変更できません！！";
    case FileResult::kUnreachableFolder:
      return "フォルダー名に扱えない文字があるので中を調べられません！！";
  }
  return {};
}

Text TimeSource(const HandledFile& file) {
  if (file.result == FileResult::kUnreachableFolder) return {};
  if (file.unreadable) return "更新日時（読み取れません）";
  switch (file.timeOrigin) {
    case TimeOrigin::kLastWrite:
      return "更新日時";
    case TimeOrigin::kShot:
      return "撮影日時";
    case TimeOrigin::kCreated:
      return "作成日時";
    case TimeOrigin::kMovie:
      return "動画の作成日時";
  }
  return {};
}

}  // namespace

std::vector<PreviewColumn> Preview::Columns() const {
  std::vector<PreviewColumn> columns = {PreviewColumn::kFolder, PreviewColumn::kOldName,
                                        PreviewColumn::kNewName};
  if (inputs_.useShotDate) columns.push_back(PreviewColumn::kTimeSource);
  columns.push_back(PreviewColumn::kRemark);
  return columns;
}

Text Preview::Heading() const {
  Text heading =
      "パターン「" + state_.RenameFormat + "」で付く名前です。まだ何も変更していません。";
  if (inputs_.clockCorrection != 0) {
    heading += "　時刻の補正：" + CorrectionText(inputs_.clockCorrection);
  }
  return heading;
}

// The walk joins a field's text, less one trailing "\\", with the subfolders' names.
Text Preview::Cell(size_t row, PreviewColumn column) const {
  const HandledFile& file = rows_[row];
  if (column != PreviewColumn::kFolder) return PreviewCell(file, column);
  Text field = inputs_.folderFields[file.field != 0];
  if (EndsInBackslash(field)) field.pop_back();
  if (!file.folder.starts_with(field)) return file.folder;
  return (file.field == 0 ? "フォルダー1" : "フォルダー2") + file.folder.substr(field.size());
}

Text PreviewCell(const HandledFile& file, PreviewColumn column) {
  switch (column) {
    case PreviewColumn::kFolder:
      return file.folder;
    case PreviewColumn::kOldName:
      return file.oldName;
    case PreviewColumn::kNewName:
      if (file.result == FileResult::kUnreachableFolder) return {};
      return file.result == FileResult::kRenamed ? file.newName : file.oldName;
    case PreviewColumn::kRemark:
      return Remark(file);
    case PreviewColumn::kTimeSource:
      return TimeSource(file);
  }
  return {};
}

Text PreviewSummary(const PreviewCounts& counts, bool stopped) {
  const auto number = [](int32_t n) { return std::to_string(n) + " 個"; };
  return Text(stopped ? "中断しました。ここまでの結果です：" : "") + "対象ファイル " +
         number(counts.files) + "　変更 " + number(counts.renamed) + "　変更なし " +
         number(counts.unchanged) + "　問題 " + std::to_string(counts.problems) + " 件";
}

}  // namespace tokiwake
