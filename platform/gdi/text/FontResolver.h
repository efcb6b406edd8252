// Finds the font file for a LOGFONTA through fontconfig. Windows face names
// that have no Linux namesake (宋体, SimSun, 新宋体) are mapped to an installed
// Song/Ming face first; an unknown face falls back to any CJK face and then to
// DejaVu Sans, because every text this program shows is Chinese.
#pragma once

#include "platform/gdi/gdi.h"

#include <string>

namespace gdi::detail {

struct ResolvedFont {
    std::string path;   // empty when not even a fallback face exists
    int faceIndex = 0;  // face inside a collection (.ttc)
    std::string family; // the family that fontconfig chose
};

// The requested face name: lfFaceName up to its NUL (at most LF_FACESIZE
// bytes), without the blanks some writers pad the field with.
std::string RequestedFaceName(const LOGFONTA& logfont);

// The family fontconfig is asked for: the requested name, or the Song face
// for the Windows names that stand for it.
std::string SubstituteFamily(const std::string& requestedName);

ResolvedFont ResolveFont(const LOGFONTA& logfont);

} // namespace gdi::detail
