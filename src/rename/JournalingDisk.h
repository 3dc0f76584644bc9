// The disk a run renames through: it passes everything on and writes each rename that succeeds to
// the journal, as the rename is done, so that the run can be taken back even when it was stopped
// or killed.
#pragma once

#include <memory>

#include "rename/ForwardingDisk.h"
#include "rename/Journal.h"

namespace tokiwake {

class JournalingDisk final : public ForwardingDisk {
 public:
  JournalingDisk(FileSystem& disk, Text path, RunHeader header)
      : ForwardingDisk(disk), path_(std::move(path)), header_(std::move(header)) {}

  // True when a rename was done that the journal could not take.
  bool Failed() const { return failed_; }

  // The journal is opened before the first rename is tried, and the run's header goes in with its
  // first line. A journal that cannot be opened is removed, so that no undo takes its runs back
  // over one it does not describe.
  bool RenameFile(const Text& from, const Text& to, const FileIdentity& file) override;

 private:
  void Open();

  Text path_;
  RunHeader header_;
  bool opened_ = false;
  std::unique_ptr<AppendFile> journal_;
  Text pending_;  // what goes in before the next line
  bool failed_ = false;
};

}  // namespace tokiwake
