// Counting the live objects made through the gdi32 back end.
#include "platform/gdi/win32/Native.h"

#include <mutex>
#include <unordered_set>

namespace gdi::win32 {
namespace {

struct LiveObjects {
    std::mutex lock;
    std::unordered_set<gdi::HANDLE> gdi;
    std::unordered_set<gdi::HANDLE> user;

    std::unordered_set<gdi::HANDLE>& Of(ObjectKind kind) { return kind == ObjectKind::Gdi ? gdi : user; }
};

LiveObjects& Live() {
    static LiveObjects live;
    return live;
}

} // namespace

gdi::HANDLE Counted(gdi::HANDLE handle, ObjectKind kind) {
    if (handle != 0) {
        std::lock_guard guard(Live().lock);
        Live().Of(kind).insert(handle);
    }
    return handle;
}

void Uncounted(gdi::HANDLE handle, ObjectKind kind) {
    std::lock_guard guard(Live().lock);
    Live().Of(kind).erase(handle);
}

void DrawImmediately() {
    thread_local const bool unbatched = ::GdiSetBatchLimit(1) != 0;
    (void)unbatched;
}

} // namespace gdi::win32

namespace gdi {

HANDLE GetCurrentProcess() {
    return 0xFFFFFFFFu; // the pseudo handle, (HANDLE)-1 as 32 bits
}

DWORD GetGuiResources(HANDLE process, DWORD flags) {
    if (process != GetCurrentProcess() || (flags != GR_GDIOBJECTS && flags != GR_USEROBJECTS))
        return 0;
    auto& live = win32::Live();
    std::lock_guard guard(live.lock);
    return static_cast<DWORD>(flags == GR_GDIOBJECTS ? live.gdi.size() : live.user.size());
}

} // namespace gdi
