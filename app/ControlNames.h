#pragma once
// The names a screen reader gives the window's controls that show no text of
// their own that would name them.
namespace app {

inline constexpr const char* kResultListName = "结果列表";
inline constexpr const char* kTestedServersName = "要测试的服务器地址";
inline constexpr const char* kWorkingServersName = "有效的服务器地址";

} // namespace app
