#pragma once

// Going from a window beside the main one (the check's findings, the comparison's changes) to
// an entry of the open database: the entry is selected on its page as the user's own clicks
// would select it, and the main window comes forward with its grid focused.

#include "dbase/database_check.h"

namespace orvane {

class WindowShell;

void Go_To_Entry(WindowShell &shell, const CheckFinding &finding);

} // namespace orvane
