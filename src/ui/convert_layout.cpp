// The main window's controls, in tab order, where the layout puts them.
#include "ui/convert_layout.h"

#include "ui/ControlIds.h"

namespace tokiwake {

namespace {

using K = ControlKind;

// One row a control, as the layout table has it.
// clang-format off
constexpr ControlRow kLayout[] = {
    {ids::lbl_Directory0, "lbl_Directory0", K::kSunkenLabel, 0, 8, 8, 73, 20, " フォルダー1", 9, kBlack, 0},
    {ids::txt_Directory0, "txt_Directory0", K::kEdit, 0, 80, 8, 249, 20, "", 9, kBlack, 0},
    {ids::cmd_Directory0, "cmd_Directory0", K::kButton, 0, 328, 8, 25, 20, "...", 9, kBlack, 0},
    {ids::lbl_Directory1, "lbl_Directory1", K::kSunkenLabel, 0, 8, 32, 73, 20, " フォルダー2", 9, kBlack, 0},
    {ids::txt_Directory1, "txt_Directory1", K::kEdit, 0, 80, 32, 249, 20, "", 9, kBlack, 0},
    {ids::cmd_Directory1, "cmd_Directory1", K::kButton, 0, 328, 32, 25, 20, "...", 9, kBlack, 0},
    {ids::txt_Info, "txt_Info", K::kEdit, 0, 8, 64, 345, 20, "", 8, kBlack, 0},
    {ids::cmd_START, "cmd_START", K::kButton, 0, 360, 8, 97, 41, "ファイル名変更", 9, kBlue, 0},
    {ids::cmdAbote, "cmdAbote", K::kButton, 0, 360, 64, 49, 25, "中断", 9, kMaroon, 0},
    {ids::cmd_Close, "cmd_Close", K::kButton, 0, 408, 64, 49, 25, "閉じる", 9, kBlack, 0},
    {ids::grpASCII, "grpASCII", K::kGroupBox, 0, 8, 96, 193, 137, "検索対象ファイル", 9, kBlack, 0},
    {ids::chkAll, "chkAll", K::kCheckBox, ids::grpASCII, 8, 16, 97, 16, "全てのファイル", 8, kBlack, 0},
    {ids::lstASCII, "lstASCII", K::kCheckList, ids::grpASCII, 8, 32, 129, 97, "", 9, kBlack, 12},
    {ids::cmd_ADD, "cmd_ADD", K::kButton, ids::grpASCII, 144, 32, 41, 25, "追加", 9, kBlack, 0},
    {ids::cmd_DEL, "cmd_DEL", K::kButton, ids::grpASCII, 144, 64, 41, 25, "削除", 9, kBlack, 0},
    {ids::GroupBox1, "GroupBox1", K::kGroupBox, 0, 208, 96, 249, 137, "ファイル名の出力形式", 9, kBlack, 0},
    {ids::chkMotoFile, "chkMotoFile", K::kCheckBox, ids::GroupBox1, 16, 24, 169, 17, "元のファイル名を含む", 9, kBlue, 0},
    {ids::Label1, "Label1", K::kLabel, ids::GroupBox1, 37, 41, 145, 17, "yyddmm《元のファイル名》", 9, kBlue, 0},
    {ids::Label2, "Label2", K::kLabel, ids::GroupBox1, 16, 72, 0, 0, "フォーマット", 9, kBlack, 0},
    {ids::chkShotDate, "chkShotDate", K::kCheckBox, ids::GroupBox1, 112, 70, 121, 17, "撮影日時を使う", 9, kBlack, 0},
    {ids::txt_TimeReName, "txt_TimeReName", K::kCombo, ids::GroupBox1, 16, 87, 217, 20, "", 9, kBlack, 12},
};
// clang-format on

constexpr const char* kPresets[] = {
    "yyyy.mm.dd-cnt2",
    "yyyy-mm-dd cnt2",
    "yyyy-mm-dd hh.mn.ss",
    "'yy-mm-dd hh.mn.ss",
    "yyyy年mm月dd日 hh時mn分ss秒",
    "'yy年mm月dd日 hh時mn分ss秒",
    "yyyy.mm.dd hh.mn.ss",
    "yyyy.mm.dd-hh.mn.ss-cnt2",
};

constexpr const char* kDefaultMasks[] = {"*.jpg", "*.jpeg", "*.gif", "*.bmp"};

}  // namespace

std::span<const ControlRow> MainLayout() { return kLayout; }
std::span<const char* const> PresetPatterns() { return kPresets; }
std::span<const char* const> DefaultMasks() { return kDefaultMasks; }

}  // namespace tokiwake
