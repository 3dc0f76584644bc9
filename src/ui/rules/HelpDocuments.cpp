#include "ui/rules/HelpDocuments.h"

#include "rename/ProgramFiles.h"
#include "ui/help/MakerInfo.h"

namespace tokiwake {

namespace {
constexpr char kBrowserUnderRoot[] = "Program Files\\Internet Explorer\\Iexplore.exe";
constexpr char kHelpPath[] = "/soft/Tokiwake/help/index.htm";
}  // namespace

Text BrowserPath(std::string_view winFolder) { return LeftChars(3, winFolder) + kBrowserUnderRoot; }

Text UsageDocument(std::string_view exeFolder, const std::function<bool(const Text&)>& fileExists) {
  for (const Text& local : {Text(kHelpFolderName) + "\\" + kUsagePageName, Text(kUsagePageName)}) {
    const Text path = Text(exeFolder) + local;
    if (fileExists(path)) return path;
  }
  return OnlineUsageAddress();
}

Text OnlineUsageAddress() { return Text("https://") + maker::kWebHost + kHelpPath; }

Text ReadMePath(std::string_view exeFolder) { return Text(exeFolder) + kReadMeFileName; }

}  // namespace tokiwake
