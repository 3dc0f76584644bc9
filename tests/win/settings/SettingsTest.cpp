#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "harness/Dialogs.h"
#include "harness/Harness.h"
#include "platform/WholeFile.h"

namespace tokiwake::test {
namespace {

using namespace std::string_literals;
using Items = std::vector<Text>;

const Items kDefaultList{"*.jpg", "*.jpeg", "*.gif", "*.bmp"};

class SettingsFile : public testing::Test {
 protected:
  TempFolder folder_{"ソ表"};  // a program folder whose name holds trail bytes 0x5C
  const Text path_ = folder_ / kMaskFileName;
  DialogAnswerer dialogs_;
};

TEST_F(SettingsFile, MissingFileLeavesTheListAsItIs) {
  EXPECT_EQ(LoadSettings(path_).items, std::nullopt);
}

TEST_F(SettingsFile, LoadsTheItemsOfEveryCompleteLine) {
  const std::pair<Text, Items> cases[] = {
      {"*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n", kDefaultList},
      {"*.jpg\r\n*.png", {"*.jpg"}},
      {"*.jpg\r\n\r\n*.gif\r\n", {"*.jpg", "", "*.gif"}},
      {"", {}},  // an existing empty file empties the list
      {"\0*.jpg\r\n"s, {}},
      {"*.ソ\r\n*.表\r\n", {"*.ソ", "*.表"}},
  };
  for (const auto& [bytes, items] : cases) {
    WriteBytes(path_, bytes);
    EXPECT_EQ(LoadSettings(path_).items, items) << ForLog(bytes);
  }
}

TEST_F(SettingsFile, AnUnreadableFileEmptiesTheListAndIsReported) {
  WriteBytes(path_, "*.jpg\r\n");
  LockedFile lock(path_);
  const LoadedMasks loaded = LoadSettings(path_);
  EXPECT_EQ(loaded.items, Items{});
  EXPECT_TRUE(loaded.unreadable);
}

TEST_F(SettingsFile, SavesEveryItemWithCrLfAndLoadsThemBack) {
  SaveSettings(path_, kDefaultList);
  const std::optional<Text> bytes = ReadBytes(path_);
  EXPECT_EQ(bytes, "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n");
  EXPECT_EQ(bytes.value_or("").size(), 29u);
  EXPECT_EQ(LoadSettings(path_).items, kDefaultList);

  SaveSettings(path_, {"", "*.表"});
  EXPECT_EQ(LoadSettings(path_).items, (Items{"", "*.表"}));
  SaveSettings(path_, {});
  EXPECT_EQ(ReadBytes(path_), "");
}

TEST_F(SettingsFile, AnEmptyPathWritesNothing) {
  SaveSettings("", kDefaultList);
  EXPECT_EQ(ListFolder(folder_.Path()), Items{});
}

TEST_F(SettingsFile, AProgramFolderThatCannotBeWrittenLosesNothing) {
  SaveSettings(path_, kDefaultList);
  // The new file cannot be made. A read-only folder stops nobody under Wine as root, but a folder
  // that holds the name the new file would take stops everyone.
  MakeFolder(path_ + kWriteSuffix);
  SaveSettings(path_, {"*.png"});
  EXPECT_EQ(LoadSettings(path_).items, kDefaultList);
}

TEST_F(SettingsFile, AFileUpToTheLimitLoadsWholeAndALargerOneIsKept) {
  const Text line = Text(98, 'x') + "\r\n";
  Text bytes;
  while (bytes.size() + line.size() <= kMaxSettingsFileSize) bytes += line;
  const size_t lines = bytes.size() / line.size();
  bytes.resize(kMaxSettingsFileSize, 'y');  // no line end: dropped
  WriteBytes(path_, bytes);
  {
    const LoadedMasks loaded = LoadSettings(path_);
    ASSERT_TRUE(loaded.items.has_value());
    EXPECT_EQ(loaded.items->size(), lines);
    EXPECT_EQ(loaded.items->back(), Text(98, 'x'));
    EXPECT_FALSE(loaded.unreadable);
  }
  WriteBytes(path_, bytes + "y");
  const LoadedMasks loaded = LoadSettings(path_);
  EXPECT_EQ(loaded.items, Items{});
  EXPECT_TRUE(loaded.unreadable);
}

}  // namespace
}  // namespace tokiwake::test
