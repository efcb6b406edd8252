#include "app/tests/AppTestSupport.h"

#include "app/mdlIniFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace app::testing {

bool FakeWallClock::ReadLocal(sysclock::LocalDateTime& value) {
    value = now;
    return true;
}

bool FakeWallClock::SetLocalDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "date %04d-%02d-%02d", year, month, day);
    calls.push_back(text);
    lastRefusal_ = refuseDate ? refusal : sysclock::ClockRefusal::None;
    if (refuseDate)
        return false;
    now.year = year;
    now.month = month;
    now.day = day;
    return true;
}

bool FakeWallClock::SetLocalTimeOfDay(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "time %02d:%02d:%02d", hour, minute, second);
    calls.push_back(text);
    lastRefusal_ = refuseTime ? refusal : sysclock::ClockRefusal::None;
    if (refuseTime)
        return false;
    now.hour = hour;
    now.minute = minute;
    now.second = second;
    return true;
}

bool FakeWallClock::ReadUtcOffset(int& seconds) {
    seconds = utcOffsetSeconds;
    return offsetKnown;
}

PrivateIniFile::PrivateIniFile() {
    std::random_device random;
    for (;;) {
        folder_ = std::filesystem::temp_directory_path() / ("dunmora-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder_))
            break;
    }
    path_ = (folder_ / "DunmoraDesk.ini").string();
    mdlIniFile::IniPath = path_;
    mdlIniFile::IniDefaultsPath.clear();
    mdlIniFile::IniInUserFolder = false;
}

PrivateIniFile::~PrivateIniFile() {
    mdlIniFile::IniPath.clear();
    std::error_code error;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(folder_, error);
}

void PrivateIniFile::Write(const std::string& bytes) const {
    std::ofstream file(path_, std::ios::binary);
    ASSERT_TRUE(file.is_open());
    file << bytes;
}

std::string PrivateIniFile::Read() const {
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return file.is_open() ? bytes.str() : std::string();
}

bool PrivateIniFile::Exists() const {
    std::error_code error;
    return std::filesystem::exists(path_, error);
}

} // namespace app::testing
