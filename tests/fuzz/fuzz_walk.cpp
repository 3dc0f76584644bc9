// The whole rename run on the in-memory disk, run until it changes nothing: no file is lost,
// moved to another folder or renamed twice in one run, the list names every file the run handled
// once and nothing else, the program's own files keep their names, and the runs settle instead
// of flipping names back and forth. Before each run its preview touches nothing and shows exactly
// the names the run then gives; the first run is taken back once and gives every name back, even
// with forged lines added to its journal. Once settled, deleting a file renames nothing.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "FuzzInput.h"
#include "rename/Companions.h"
#include "rename/FakeDisk.h"
#include "rename/FakeWindow.h"
#include "rename/Journal.h"
#include "rename/ProgramFiles.h"
#include "rename/RenameRun.h"

using namespace tokiwake;
using namespace tokiwake::test;

namespace {

void Require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_walk: the check at line %d failed\n", line);
  std::abort();
}

// The list file the preview's rows promise.
class PreviewedList final : public PreviewPresenter, public PreviewProgress {
 public:
  bool Present(Preview& preview) override {
    preview.Compute(*this);
    list.clear();
    for (const HandledFile& row : preview.Rows()) {
      if (row.result == FileResult::kUnreachableFolder || !row.Listed()) continue;
      list += row.folder + "\\" + PreviewCell(row, PreviewColumn::kNewName) + "\r\n";
      // A companion is named after its principal's time, and after its own once that is gone.
      if (row.result == FileResult::kUnchanged && row.principal.empty()) {
        patternNamed.insert(row.folder + "\\" + row.oldName);
      }
      if (!row.principal.empty()) {
        grouped.insert(row.folder + "\\" + row.oldName);
        grouped.insert(row.folder + "\\" + row.principal);
      }
    }
    return false;
  }
  void PreviewPump() override {}
  Text list;
  std::set<Text> patternNamed;  // files that already bear the name the pattern gives them
  std::set<Text> grouped;       // files of a group of companions
};

const char* const kFolders[] = {"C:\\p", "C:\\p\\sub", "C:\\p\\sub\\deep", "C:\\q", "C:\\q\\s"};
const char* const kStems[] = {"a",       "B",    "2010-05-23 10.20.30",   "2010.05.23-01",
                              "x《y》",  "表ソ", "2010-05-23 10.20.30-1", "IMG_0001",
                              "tokiwake"};
const char* const kExtensions[] = {".jpg", ".JPG", ".jpeg", ".txt",    "",
                                   ".exe", ".dat", ".CR2",  ".JPG.xmp"};
const char* const kPatterns[] = {"yyyy.mm.dd-cnt2",
                                 "yyyy-mm-dd cnt2",
                                 "yyyy-mm-dd hh.mn.ss",
                                 "'yy年mm月dd日 hh時mn分ss秒",
                                 "yyyy-cnt0",
                                 "cnt_",
                                 "x",
                                 "yyyy.mm.dd-hh.mn.ss-cnt2"};

// Every file of the tree by its content, which is its identity, and the folder that holds it.
void Collect(const FakeNode& folder, std::map<Text, const FakeNode*>& files,
             std::map<Text, const FakeNode*>& parents) {
  for (const auto& child : folder.children) {
    if (!child->linkTarget.empty()) continue;
    if (child->isDirectory) {
      Collect(*child, files, parents);
    } else {
      Require(files.emplace(child->content, child.get()).second);  // never twice
      parents[child->content] = &folder;
    }
  }
}

// A group's files with what follows its stem in each name.
using Group = std::vector<std::pair<const FakeNode*, Text>>;

std::vector<Group> GroupsOf(FakeDisk& disk, const FakeWindow& window) {
  std::vector<Group> groups;
  if (!window.inputs.companions) return groups;
  for (const char* folder : kFolders) {
    const std::vector<FolderEntry> entries = disk.ListFolder(folder);
    const auto isTarget = [&](const FolderEntry& entry) {
      return IsTargetFile(window.inputs, RightChars(5, entry.name));
    };
    const auto own = [&](const FolderEntry& entry) {
      const Text key = AsciiLower(entry.name);
      for (const Text& name : ProgramOwnFiles(window.state.ProgramName)) {
        if (AsciiLower(name) == key && Text(folder) + "\\" == window.state.ExeFolder) return true;
      }
      return false;
    };
    for (const CompanionGroup& group : FormGroups(entries, isTarget, own)) {
      Group& members = groups.emplace_back();
      for (const size_t member : group.members) {
        const Text& name = entries[member].name;
        members.emplace_back(disk.Find(Text(folder) + "\\" + name), name.substr(group.stem.size()));
      }
    }
  }
  return groups;
}

// Once any member is renamed, every member bears one stem, each with what followed its own.
void RequireOneStem(const Group& group) {
  bool renamed = false;
  for (const auto& [node, suffix] : group) renamed = renamed || node->renames > 0;
  if (!renamed) return;
  std::set<Text> stems;
  for (const auto& [node, suffix] : group) {
    Require(node->renames == 1);
    Require(node->name.ends_with(suffix));
    stems.insert(AsciiLower(node->name.substr(0, node->name.size() - suffix.size())));
  }
  Require(stems.size() == 1);
}

// Which of kFolders holds the file; "" for a file elsewhere (Notepad, the program's own folder).
Text FolderOf(FakeDisk& disk, const FakeNode* file) {
  for (const char* folder : kFolders) {
    for (const auto& child : disk.Find(folder)->children) {
      if (child.get() == file) return folder;
    }
  }
  return {};
}

// Lines the run did not write, each naming a file that is there: moved to another folder, through
// "..", onto the program's files, or with the identity of another file. None may touch a file.
void ForgeJournalLines(FakeDisk& disk, const Text& exeFolder,
                       const std::map<Text, const FakeNode*>& files, fuzz::FuzzInput& input) {
  FakeNode* node = disk.Find(exeFolder + kJournalFileName);
  if (node == nullptr || files.empty() || !input.Flag()) return;
  for (const auto& [id, file] : files) {
    const Text folder = FolderOf(disk, file);
    if (folder.empty()) continue;
    const Text path = folder + "\\" + file->name;
    FileIdentity other = FakeDisk::Identity(*file);
    other.index += 1000;
    std::vector<JournalEntry> forged = {{"C:\\WINDOWS\\x.jpg", path, FakeDisk::Identity(*file)},
                                        {folder + "\\..\\x.jpg", path, FakeDisk::Identity(*file)},
                                        {folder + "\\x.jpg", path, other}};
    if (folder + "\\" == exeFolder) {
      forged.push_back({folder + "\\tokiwake.exe", path, FakeDisk::Identity(*file)});
    }
    for (const JournalEntry& entry : forged) node->content += JournalLine(entry);
    node->content += path + "\t" + folder + "\\y.jpg\r\n";  // two paths, under a header
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  FakeDisk disk;
  disk.AddFile("C:\\WINDOWS\\NOTEPAD.EXE");
  for (const char* folder : kFolders) disk.AddFolder(folder);
  FakeWindow window;
  window.state.ExeFolder = input.Flag() ? "C:\\p\\" : "C:\\tokiwake\\";
  disk.AddFolder(window.state.ExeFolder);
  if (input.Flag()) disk.AddLink("C:\\p\\sub\\deep\\up", "C:\\p", input.Flag());
  if (input.Flag()) disk.AddLink("C:\\q\\s\\other", "C:\\p\\sub", input.Flag());

  const int fileCount = input.Below(17);
  for (int i = 0; i < fileCount; ++i) {
    const Text path = Text(kFolders[input.Below(5)]) + "\\" + kStems[input.Below(9)] +
                      kExtensions[input.Below(9)];
    if (disk.Find(path) != nullptr) continue;
    const LocalTime time{2010, 5, 23, 10, 20, 30 + 2 * input.Below(2)};
    disk.AddFile(path, time).content = std::to_string(i);
  }
  window.state.RenameFormat = kPatterns[input.Below(8)];
  if (input.Flag()) window.state.RenameFormat = input.Text(24);
  window.inputs.includeOldName = input.Flag();
  window.inputs.allFiles = input.Flag();
  window.inputs.companions = input.Flag();
  window.inputs.folderFields[0] = input.Flag() ? "C:\\p" : "C:\\p\\";
  const int second = input.Below(4);
  window.inputs.folderFields[1] = second == 0   ? ""
                                  : second == 1 ? "C:\\q"
                                  : second == 2 ? "c:\\P"
                                                : "C:\\p\\sub";

  std::map<Text, const FakeNode*> files, parents;
  Collect(*disk.Find("C:"), files, parents);
  std::map<Text, Text> ownNames;  // the program's files by their content
  const FakeNode* exeFolder = disk.Find(window.state.ExeFolder);
  for (const Text& own : ProgramOwnFiles(window.state.ProgramName)) {
    for (const auto& [id, node] : files) {
      if (parents[id] == exeFolder && AsciiUpper(node->name) == AsciiUpper(own)) {
        ownNames[id] = node->name;
      }
    }
  }

  std::map<Text, Text> names;  // every file's name before any run, by its content
  for (const auto& [id, node] : files) names[id] = node->name;
  const std::vector<Group> groups = GroupsOf(disk, window);
  RenameRun(window.inputs, window, window, window.state, disk).Start();
  for (const Group& group : groups) RequireOneStem(group);
  ForgeJournalLines(disk, window.state.ExeFolder, files, input);
  RenameRun(window.inputs, window, window, window.state, disk).Undo();
  for (const auto& [id, node] : files) Require(node->name == names.at(id));
  Require(disk.Find(window.state.ExeFolder + kJournalFileName) == nullptr);

  std::set<Text> patternNamed, grouped;
  for (int run = 1;; ++run) {
    Require(run <= fileCount + 2);  // the runs settle
    for (const auto& [id, node] : files) const_cast<FakeNode*>(node)->renames = 0;
    window.state.FolderListText.clear();
    RenameRun rename(window.inputs, window, window, window.state, disk);
    PreviewedList previewed;
    const int renameCalls = disk.renameCalls;
    rename.ShowPreview(previewed);
    Require(disk.renameCalls == renameCalls);
    rename.Start();
    Require(window.state.FolderListText == previewed.list);

    std::map<Text, const FakeNode*> now, nowParents;
    Collect(*disk.Find("C:"), now, nowParents);
    std::set<const FakeNode*> listed;
    Text list = window.state.FolderListText;
    while (!list.empty()) {
      const Text line = SplitHead("\r\n", list);
      const FakeNode* node = disk.Find(line);
      Require(node != nullptr && !node->isDirectory && listed.insert(node).second);
    }
    int renamed = 0;
    for (const auto& [id, node] : files) {
      Require(now.count(id) == 1 && now.at(id) == node);  // nothing lost
      Require(nowParents.at(id) == parents.at(id));       // nor moved to another folder
      Require(node->renames <= 1);
      if (node->renames == 1) Require(listed.count(node) == 1);
      renamed += node->renames;
    }
    for (const auto& [id, name] : ownNames) Require(now.at(id)->name == name);
    patternNamed = previewed.patternNamed;
    grouped = previewed.grouped;
    if (renamed == 0) break;
  }

  // What the pattern named keeps its name when a photo is deleted; a file that could not be given
  // its name before may take it now. A group that loses a member is a group no more.
  if (!files.empty()) {
    auto gone = files.begin();
    std::advance(gone, input.Below(static_cast<int>(files.size())));
    const Text folder = FolderOf(disk, gone->second);
    const bool inGroup = grouped.count(folder + "\\" + gone->second->name) != 0;
    if (!folder.empty() && ownNames.count(gone->first) == 0 && !inGroup) {
      std::set<const FakeNode*> named;
      for (const auto& [id, node] : files) {
        if (patternNamed.count(FolderOf(disk, node) + "\\" + node->name) != 0) named.insert(node);
        const_cast<FakeNode*>(node)->renames = 0;
      }
      named.erase(gone->second);
      disk.RemoveFile(folder + "\\" + gone->second->name);
      RenameRun(window.inputs, window, window, window.state, disk).Start();
      for (const FakeNode* node : named) Require(node->renames == 0);
    }
  }
  return 0;
}
