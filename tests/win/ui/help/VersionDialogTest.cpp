#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "ui/help/frmVersion.h"

namespace tokiwake::test {
namespace {

TEST(VersionDialog, IsCreatedHiddenWithItsCaptionAndClientSize) {
  TfrmVersion dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
  EXPECT_EQ(GetText(dialog.Handle()), "バージョン情報");
  RECT client{};
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 344);
  EXPECT_EQ(client.bottom, 184);
}

}  // namespace
}  // namespace tokiwake::test
