// The system calls behind the Windows clock.
#include "platform/clock/win32/WindowsClock.h"

#include <windows.h>

namespace sysclock {
namespace {

bool ReadLocalTime(LocalDateTime& now) {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    now = {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    return true;
}

// Each step reads the present local time and changes only its own fields, so
// that setting the date does not also move the clock by the milliseconds a
// whole-second value would lose.
unsigned long WriteLocalDate(int year, int month, int day) {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wDayOfWeek = 0; // ignored by SetLocalTime
    return SetLocalTime(&time) ? 0 : GetLastError();
}

unsigned long WriteLocalTimeOfDay(int hour, int minute, int second) {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = 0;
    return SetLocalTime(&time) ? 0 : GetLastError();
}

bool EnableSystemTimePrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &privileges.Privileges[0].Luid) &&
                   AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                   GetLastError() != ERROR_NOT_ALL_ASSIGNED;
    CloseHandle(token);
    return enabled;
}

bool ReadUtcOffset(int& seconds) {
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    if (which == TIME_ZONE_ID_INVALID)
        return false;
    LONG bias = zone.Bias;
    if (which == TIME_ZONE_ID_DAYLIGHT)
        bias += zone.DaylightBias;
    else if (which == TIME_ZONE_ID_STANDARD)
        bias += zone.StandardBias;
    seconds = static_cast<int>(-bias * 60);
    return true;
}

} // namespace

LocalTimeCalls SystemLocalTimeCalls() {
    return {ReadLocalTime, WriteLocalDate, WriteLocalTimeOfDay, EnableSystemTimePrivilege, ReadUtcOffset};
}

std::unique_ptr<SystemClock> CreateSystemClock() {
    return CreateWindowsClock(SystemLocalTimeCalls());
}

} // namespace sysclock
