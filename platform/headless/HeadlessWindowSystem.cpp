// The window tree of the headless window system: creation and destruction,
// stacking, geometry, hit testing, capture, the cursor and posted messages.
// Surfaces and timers live in their own files; named properties, DCs and the
// keeping of regions are RecordedWindowBackend's.
#include "platform/headless/HeadlessWindowSystem.h"

#include "platform/headless/detail/Records.h"

#include <algorithm>
#include <memory>

namespace headless {

HeadlessWindowSystem::HeadlessWindowSystem(int screenWidth, int screenHeight, int twipsPerPixel)
    : RecordedWindowBackend(0x1000), screenWidth_(screenWidth), screenHeight_(screenHeight),
      twipsPerPixel_(twipsPerPixel > 0 ? twipsPerPixel : 15) {}

HeadlessWindowSystem::~HeadlessWindowSystem() {
    // Windows hold drawing-layer objects (regions, surfaces, DCs): free them all.
    while (!topLevel_.empty())
        DestroyTree(topLevel_.back());
    if (user::GetBackend() == this)
        user::SetBackend(nullptr);
}

HeadlessWindowSystem::Window* HeadlessWindowSystem::Find(user::HWND hwnd) {
    return static_cast<Window*>(FindRecord(hwnd)); // every record here is a Window
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::Find(user::HWND hwnd) const {
    return static_cast<const Window*>(FindRecord(hwnd));
}

std::vector<user::HWND>& HeadlessWindowSystem::SiblingsOf(const Window& window) {
    return window.parent == 0 ? topLevel_ : Find(window.parent)->children;
}

// ---- Window tree ----

user::HWND HeadlessWindowSystem::CreateWindow(user::HWND parent, int x, int y, int width, int height) {
    if (parent != 0 && Find(parent) == nullptr)
        return 0;
    auto window = std::make_unique<Window>();
    window->parent = parent;
    window->x = x;
    window->y = y;
    Window& record = *window;
    AddRecord(std::move(window));
    SiblingsOf(record).push_back(record.handle);
    ResizeSurface(record, std::max(width, 0), std::max(height, 0));
    return record.handle;
}

bool HeadlessWindowSystem::DestroyWindow(user::HWND hwnd) {
    if (Find(hwnd) == nullptr)
        return false;
    DestroyTree(hwnd);
    return true;
}

void HeadlessWindowSystem::DestroyTree(user::HWND hwnd) {
    Window* window = Find(hwnd);
    while (!window->children.empty())
        DestroyTree(window->children.back());

    for (auto timer = timers_.begin(); timer != timers_.end();) {
        timer = timer->first.first == hwnd ? timers_.erase(timer) : std::next(timer);
    }
    std::erase_if(posted_, [hwnd](const PostedMessage& message) { return message.hwnd == hwnd; });
    if (capture_ == hwnd)
        capture_ = 0;

    std::erase(SiblingsOf(*window), hwnd);
    EraseRecord(hwnd); // with its region, properties, surface and DC
}

bool HeadlessWindowSystem::ShowWindow(user::HWND hwnd, bool visible) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return false;
    window->visible = visible;
    return true;
}

bool HeadlessWindowSystem::IsWindowVisible(user::HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window != nullptr && window->visible;
}

bool HeadlessWindowSystem::BringWindowToTop(user::HWND hwnd) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return false;
    auto& siblings = SiblingsOf(*window);
    std::erase(siblings, hwnd);
    siblings.push_back(hwnd);
    return true;
}

std::vector<user::HWND> HeadlessWindowSystem::Children(user::HWND parent) const {
    if (parent == 0)
        return topLevel_;
    const Window* window = Find(parent);
    return window == nullptr ? std::vector<user::HWND>{} : window->children;
}

void HeadlessWindowSystem::SetSizeHandler(user::HWND hwnd, SizeHandler handler) {
    if (Window* window = Find(hwnd))
        window->onSize = std::move(handler);
}

bool HeadlessWindowSystem::IsInvalidated(user::HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window != nullptr && window->invalidated;
}

void HeadlessWindowSystem::ValidateWindow(user::HWND hwnd) {
    if (Window* window = Find(hwnd))
        window->invalidated = false;
}

user::BOOL HeadlessWindowSystem::IsWindow(user::HWND hwnd) {
    return Find(hwnd) != nullptr;
}

user::HWND HeadlessWindowSystem::GetParent(user::HWND hwnd) {
    const Window* window = Find(hwnd);
    return window == nullptr ? 0 : window->parent;
}

// ---- Geometry ----

user::POINT HeadlessWindowSystem::ClientOrigin(const user::WindowRecord& record) const {
    const auto& window = static_cast<const Window&>(record);
    user::POINT origin{window.x, window.y};
    for (const Window* parent = Find(window.parent); parent != nullptr; parent = Find(parent->parent)) {
        origin.x += parent->x;
        origin.y += parent->y;
    }
    return origin;
}

user::RECT HeadlessWindowSystem::ClientArea(const user::WindowRecord& record) const {
    const auto& window = static_cast<const Window&>(record);
    return {0, 0, window.width, window.height};
}

user::BOOL HeadlessWindowSystem::MoveWindow(user::HWND hwnd, int x, int y, int width, int height,
                                            user::BOOL repaint) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return 0;
    width = std::max(width, 0);
    height = std::max(height, 0);
    window->x = x;
    window->y = y;
    if (repaint)
        window->invalidated = true;
    if (width == window->width && height == window->height)
        return 1;

    ResizeSurface(*window, width, height);
    // The handler may do anything, even destroy this window: call a copy.
    SizeHandler handler = window->onSize;
    if (handler)
        handler(hwnd);
    return 1;
}

int HeadlessWindowSystem::GetSystemMetrics(int index) {
    if (index == user::SM_CXSCREEN)
        return screenWidth_;
    if (index == user::SM_CYSCREEN)
        return screenHeight_;
    return 0;
}

// ---- Hit testing ----

bool HeadlessWindowSystem::HitsWindow(const Window& window, user::POINT screenPoint) const {
    if (!window.visible)
        return false;
    const user::POINT origin = ClientOrigin(window);
    const int x = screenPoint.x - origin.x;
    const int y = screenPoint.y - origin.y;
    if (x < 0 || y < 0 || x >= window.width || y >= window.height)
        return false;
    return window.region == 0 || gdi::PtInRegion(window.region, x, y);
}

user::HWND HeadlessWindowSystem::DeepestWindowAt(const std::vector<user::HWND>& stack,
                                                 user::POINT screenPoint) const {
    // Children lie inside their parent, so the search descends only into a window that was hit.
    for (auto hwnd = stack.rbegin(); hwnd != stack.rend(); ++hwnd) {
        const Window& window = *Find(*hwnd);
        if (!HitsWindow(window, screenPoint))
            continue;
        const user::HWND child = DeepestWindowAt(window.children, screenPoint);
        return child != 0 ? child : window.handle;
    }
    return 0;
}

user::HWND HeadlessWindowSystem::WindowFromPoint(user::POINT point) {
    return DeepestWindowAt(topLevel_, point);
}

gdi::COLORREF HeadlessWindowSystem::ScreenPixel(int x, int y) {
    const user::POINT point{x, y};
    Window* window = Find(WindowFromPoint(point));
    if (window == nullptr)
        return kDesktopColor;
    const user::POINT origin = ClientOrigin(*window);
    return window->surface.Pixel(x - origin.x, y - origin.y);
}

// ---- Cursor and capture ----

void HeadlessWindowSystem::SetCursorPos(int x, int y) {
    cursor_ = {x, y};
}

user::BOOL HeadlessWindowSystem::GetCursorPos(user::POINT* point) {
    if (point == nullptr)
        return 0;
    *point = cursor_;
    return 1;
}

user::HWND HeadlessWindowSystem::SetCapture(user::HWND hwnd) {
    if (hwnd != 0 && Find(hwnd) == nullptr)
        return 0;
    const user::HWND previous = capture_;
    capture_ = hwnd;
    return previous;
}

user::BOOL HeadlessWindowSystem::ReleaseCapture() {
    capture_ = 0;
    return 1;
}

user::HWND HeadlessWindowSystem::GetCapture() {
    return capture_;
}

// ---- Posted messages ----

user::BOOL HeadlessWindowSystem::PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                                              user::LPARAM lParam) {
    // hwnd 0 posts to the thread's own queue, as on Windows.
    if (hwnd != 0 && Find(hwnd) == nullptr)
        return 0;
    posted_.push_back({hwnd, message, wParam, lParam});
    return 1;
}

std::vector<PostedMessage> HeadlessWindowSystem::TakePostedMessages() {
    std::vector<PostedMessage> taken(posted_.begin(), posted_.end());
    posted_.clear();
    return taken;
}

// ---- Window regions ----

void HeadlessWindowSystem::RegionChanged(user::WindowRecord& window, user::BOOL redraw) {
    if (redraw)
        static_cast<Window&>(window).invalidated = true;
}

} // namespace headless
