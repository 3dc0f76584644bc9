// Handlers whose behaviour is still to come.
#include "ui/convert.h"

namespace tokiwake {

void Tconv::HandleDroppedFiles(HDROP drop) { DragFinish(drop); }

}  // namespace tokiwake
