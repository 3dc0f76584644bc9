#include "ui/rules/HelpDocuments.h"

#include "settings/ProgramFacts.h"

namespace tokiwake {

namespace {
constexpr char kBrowserUnderRoot[] = "Program Files\\Internet Explorer\\Iexplore.exe";
}  // namespace

Text BrowserPath(std::string_view winFolder) { return LeftChars(3, winFolder) + kBrowserUnderRoot; }

Text UsageDocument(std::string_view exeFolder, const std::function<bool(const Text&)>& fileExists) {
  for (const Text& local : {Text(kHelpFolderName) + "\\" + kUsagePageName, Text(kUsagePageName)}) {
    const Text path = Text(exeFolder) + local;
    if (fileExists(path)) return path;
  }
  return OnlineUsageAddress();
}

// The product's folder on the web holds the help folder as it ships.
Text OnlineUsageAddress() { return maker::ProductPage() + kHelpFolderName + "/" + kUsagePageName; }

Text ReadMePath(std::string_view exeFolder) { return Text(exeFolder) + kReadMeFileName; }

}  // namespace tokiwake
