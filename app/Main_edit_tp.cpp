// TFormMain: opener of the edit dialog (not built yet).

#include "app/Main.h"

namespace orvane {

void TFormMain::SG_S_TPDblClick() {}

} // namespace orvane
