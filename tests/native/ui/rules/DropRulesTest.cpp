#include "ui/rules/DropRules.h"

#include <gtest/gtest.h>

#include <map>

namespace tokiwake::test {
namespace {

TEST(DropFieldIndex, TheFieldUnderThePointerElseFolder1WhileBothAreEmpty) {
  EXPECT_EQ(DropFieldIndex("txt_Directory0", "C:\\a", "C:\\b"), 0);
  EXPECT_EQ(DropFieldIndex("txt_Directory1", "", ""), 1);
  EXPECT_EQ(DropFieldIndex("lbl_Directory1", "", ""), 0);
  EXPECT_EQ(DropFieldIndex("", "", ""), 0);
  EXPECT_EQ(DropFieldIndex("cmd_Directory0", "C:\\a", ""), std::nullopt);
  EXPECT_EQ(DropFieldIndex("", "", "C:\\b"), std::nullopt);
  EXPECT_EQ(DropFieldIndex("TXT_DIRECTORY1", "C:\\a", ""), std::nullopt);
}

TEST(FolderOfFile, EndsAtTheLastSeparatorOfItsOwn) {
  EXPECT_EQ(FolderOfFile("C:\\写真ソ\\表.jpg"), "C:\\写真ソ");  // 0x5C as a second byte
  EXPECT_EQ(FolderOfFile("C:\\写真\\ソ.jpg"), "C:\\写真");
  EXPECT_EQ(FolderOfFile("\\\\server\\share\\a.jpg"), "\\\\server\\share");
  EXPECT_EQ(FolderOfFile("E:a.jpg"), "E:\\");
}

// Folders end in "\", shortcuts are "->" and their target, anything else is a file.
class FakeDropDisk : public DropDisk {
 public:
  explicit FakeDropDisk(std::map<Text, Text> entries) : entries_(std::move(entries)) {}
  PathKind KindOf(const Text& path) const override {
    if (entries_.contains(path + "\\")) return PathKind::kFolder;
    return entries_.contains(path) ? PathKind::kFile : PathKind::kNothing;
  }
  std::optional<Text> ShortcutTarget(const Text& path) const override {
    const Text& entry = entries_.at(path);
    if (!entry.starts_with("->")) return std::nullopt;
    return entry.substr(2);
  }

 private:
  std::map<Text, Text> entries_;
};

Text Chain(int i) { return "C:\\" + std::to_string(i) + ".lnk"; }

TEST(ClassifyDrop, MarksTheChosenFieldAndKeepsTheLastItemsPath) {
  const Text longest = "C:\\" + Text(kMaxDroppedPathBytes - 3, 'a');
  std::map<Text, Text> entries{{"C:\\a\\", ""},
                               {"C:\\b\\", ""},
                               {"C:\\a\\x.jpg", ""},
                               {"C:\\x.lnk.txt", ""},
                               {"C:\\toFile.Lnk", "->C:\\toX.lnk"},
                               {"C:\\toX.lnk", "->C:\\a\\x.jpg"},
                               {"C:\\self.lnk", "->C:\\self.lnk"},
                               {"C:\\empty.lnk", "->"},
                               {"C:\\junk.lnk", "junk"},
                               {longest + "\\", ""}};
  // 1.lnk leads through 17 shortcuts to C:\b, 2.lnk through 16.
  for (int i = 1; i <= 17; ++i) entries[Chain(i)] = "->" + (i == 17 ? "C:\\b" : Chain(i + 1));
  const FakeDropDisk disk(entries);
  const auto on = [](Text path, const char* control = "txt_Directory0", bool exact = true) {
    return DroppedItem{std::move(path), exact, control};
  };
  struct Case {
    const char* what;
    std::vector<DroppedItem> items;
    std::array<bool, 2> marked;
    Text dropPath;
  };
  const Case cases[] = {
      {"through two shortcuts to a file", {on("C:\\toFile.Lnk")}, {true, false}, "C:\\a\\x.jpg"},
      {"no shortcut, though .lnk is inside", {on("C:\\x.lnk.txt")}, {true, false}, "C:\\x.lnk.txt"},
      {"16 shortcuts in a row", {on(Chain(2))}, {true, false}, "C:\\b"},
      {"17 shortcuts in a row", {on(Chain(1))}, {false, false}, ""},
      {"a shortcut to itself", {on("C:\\self.lnk")}, {false, false}, ""},
      {"an empty target", {on("C:\\empty.lnk")}, {false, false}, ""},
      {"an unreadable shortcut", {on("C:\\junk.lnk")}, {false, false}, ""},
      {"the last names nothing", {on("C:\\a"), on("C:\\gone")}, {true, false}, "C:\\gone"},
      {"under two fields", {on("C:\\a"), on("C:\\b", "txt_Directory1")}, {true, true}, "C:\\b"},
      {"not held by code page 932", {on("C:\\a"), on("C:\\b", "", false)}, {true, false}, ""},
      {"254 bytes", {on(longest)}, {true, false}, longest},
      {"255 bytes", {on(longest + "\\")}, {false, false}, ""},
  };
  for (const Case& c : cases) {
    const DropMarks marks = ClassifyDrop(c.items, "", "", disk);
    EXPECT_EQ(marks.field, c.marked) << c.what;
    EXPECT_EQ(marks.dropPath, c.dropPath) << c.what;
  }
}

}  // namespace
}  // namespace tokiwake::test
