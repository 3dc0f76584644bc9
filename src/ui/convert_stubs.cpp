// Handlers whose behaviour is still to come.
#include "ui/convert.h"

namespace tokiwake {

void Tconv::HandleDroppedFiles(HDROP drop) { DragFinish(drop); }
void Tconv::mnuUSEClick() {}
void Tconv::mnuVERClick() {}
void Tconv::mnuReadMeClick() {}

}  // namespace tokiwake
