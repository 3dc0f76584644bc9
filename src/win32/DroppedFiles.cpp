#include "win32/DroppedFiles.h"

namespace tokiwake {

namespace {
constexpr UINT kCountOnly = 0xFFFFFFFF;
}

std::vector<Narrowed> TakeDroppedPaths(HDROP drop) {
  std::vector<Narrowed> paths;
  const UINT count = DragQueryFileW(drop, kCountOnly, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
    paths.push_back(ToCp932(path));
  }
  DragFinish(drop);
  return paths;
}

}  // namespace tokiwake
