// For programs that compare drawings made under Wine with Windows' rules
// (tools/compare-buttons). Wine 8 refuses SetBkMode(hdc, 3), which Windows
// accepts: text and styled lines then leave their background alone, as with
// TRANSPARENT. After StandInForRefusedBackgroundModes(), the back end keeps
// such a mode itself for GetBkMode while gdi32 draws with TRANSPARENT. The
// Windows program never calls it, so on Windows nothing changes.
#pragma once

namespace gdi::win32 {

void StandInForRefusedBackgroundModes();

} // namespace gdi::win32
