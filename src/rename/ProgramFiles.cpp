#include "rename/ProgramFiles.h"

#include "platform/WholeFile.h"

namespace tokiwake {

std::vector<Text> ProgramOwnFiles(const Text& programFileName) {
  return {programFileName,
          kMaskFileName,
          Text(kMaskFileName) + kWriteSuffix,
          kPatternFileName,
          Text(kPatternFileName) + kWriteSuffix,
          kOptionsFileName,
          Text(kOptionsFileName) + kWriteSuffix,
          kFolderListFileName,
          kJournalFileName,
          Text(kJournalFileName) + kWriteSuffix,
          kHelpFolderName,
          kUsagePageName,
          kReadMeFileName,
          kVersionPageName,
          kMailIconName};
}

}  // namespace tokiwake
