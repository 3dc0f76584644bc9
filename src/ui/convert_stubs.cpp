// Handlers whose behaviour is still to come.
#include "ui/convert.h"

namespace tokiwake {

void Tconv::HandleDroppedFiles(HDROP drop) { DragFinish(drop); }
void Tconv::cmd_ADDClick() {}
void Tconv::cmd_DELClick() {}
void Tconv::chkAllClick() {}
void Tconv::mnuUSEClick() {}
void Tconv::mnuVERClick() {}
void Tconv::mnuReadMeClick() {}

}  // namespace tokiwake
