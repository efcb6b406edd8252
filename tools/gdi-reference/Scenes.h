// The reference scenes: every drawing operation the button control uses, at
// its sizes and modes, plus small and degenerate cases. Written once against
// the Windows names; compiled against <windows.h> for the reference and
// against our own drawing layer for the comparison.
#pragma once

#include "SceneRecord.h"

#include <vector>

namespace gdi_reference {

// Runs every scene and returns what each produced, in a fixed order.
std::vector<SceneResult> RunAllScenes();

} // namespace gdi_reference
