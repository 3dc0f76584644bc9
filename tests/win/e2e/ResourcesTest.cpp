// What Windows reads from the built tokiwake.exe before the program runs: its manifest and its
// version, read as the loader and the file's properties read them.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/ProgramUnderTest.h"
#include "platform/Cp932.h"

namespace tokiwake::test {
namespace {

std::string ManifestOf(const std::wstring& program) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  if (found == nullptr) return {};
  std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                       SizeofResource(module, found));
  FreeLibrary(module);
  return manifest;
}

TEST(ProgramResources, TheManifestAndTheVersionSayWhatTheProgramIs) {
  const std::wstring program = ToWide(ProgramUnderTest());
  const std::string manifest = ManifestOf(program);
  for (const char* fact :
       {"level=\"asInvoker\"", ">PerMonitorV2, PerMonitor<", ">true/pm<",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(fact), std::string::npos) << fact;
  }
  EXPECT_EQ(manifest.find("<activeCodePage"), std::string::npos);

  DWORD unused = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(program.c_str(), &unused));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(17, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(17, 1));
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
  EXPECT_EQ(*static_cast<const DWORD*>(value), MAKELONG(0x0411, 932));
  const std::pair<const wchar_t*, const char*> strings[] = {
      {L"ProductName", "Tokiwake"},
      {L"FileVersion", "1.17"},
      {L"ProductVersion", "1.17"},
      {L"OriginalFilename", "tokiwake.exe"},
      {L"FileDescription", "写真のファイル名を日時に変更するツール"},
      {L"LegalCopyright", "Copyright (c) 2026 Tokiwake Project"}};
  for (const auto& [name, expected] : strings) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041103A4\\") + name;
    ASSERT_TRUE(VerQueryValueW(info.data(), path.c_str(), &value, &length)) << expected;
    EXPECT_EQ(Narrow(static_cast<const wchar_t*>(value)), expected);
  }
}

}  // namespace
}  // namespace tokiwake::test
