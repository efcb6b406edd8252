// Preloaded into the real program when it is tried out, so that it never sets
// this machine's clock. Setting CLOCK_REALTIME (clock_settime, settimeofday,
// stime-like adjustments) only moves a private offset that later reads of the
// real-time clock include, so the program sees the clock it asked for. Every set
// call is appended to the file named by DUNMORA_FAKE_CLOCK_LOG as
//   <call> <seconds> <nanoseconds> <monotonic milliseconds>
// With DUNMORA_FAKE_CLOCK_REFUSE set, clock_settime is refused with EPERM, as the
// kernel refuses a process without cap_sys_time, and logged as "clock_settime-refused".
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/time.h>
#include <sys/timex.h>

namespace {

// Nanoseconds added to the real clock; only touched on the program's UI thread.
long long offsetNanoseconds = 0;

using ClockGetTime = int (*)(clockid_t, timespec*);

int RealClockGetTime(clockid_t clock, timespec* value) {
    static ClockGetTime real = reinterpret_cast<ClockGetTime>(dlsym(RTLD_NEXT, "clock_gettime"));
    return real ? real(clock, value) : -1;
}

long long ToNanoseconds(const timespec& value) {
    return value.tv_sec * 1000000000LL + value.tv_nsec;
}

timespec FromNanoseconds(long long total) {
    timespec value{};
    value.tv_sec = static_cast<time_t>(total / 1000000000LL);
    value.tv_nsec = static_cast<long>(total % 1000000000LL);
    if (value.tv_nsec < 0) {
        value.tv_nsec += 1000000000L;
        value.tv_sec -= 1;
    }
    return value;
}

void Record(const char* call, const timespec& value) {
    const char* path = std::getenv("DUNMORA_FAKE_CLOCK_LOG");
    if (!path)
        return;
    timespec monotonic{};
    RealClockGetTime(CLOCK_MONOTONIC, &monotonic);
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s %lld %ld %lld\n", call, static_cast<long long>(value.tv_sec), value.tv_nsec,
                     ToNanoseconds(monotonic) / 1000000LL);
        std::fclose(log);
    }
}

int MoveFakeClock(const char* call, const timespec& wanted) {
    timespec real{};
    if (RealClockGetTime(CLOCK_REALTIME, &real) != 0)
        return -1;
    offsetNanoseconds = ToNanoseconds(wanted) - ToNanoseconds(real);
    Record(call, wanted);
    return 0;
}

} // namespace

extern "C" {

int clock_gettime(clockid_t clock, timespec* value) {
    int result = RealClockGetTime(clock, value);
    if (result == 0 && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        *value = FromNanoseconds(ToNanoseconds(*value) + offsetNanoseconds);
    return result;
}

int gettimeofday(struct timeval* value, void*) {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return -1;
    value->tv_sec = now.tv_sec;
    value->tv_usec = now.tv_nsec / 1000;
    return 0;
}

time_t time(time_t* result) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (result)
        *result = now.tv_sec;
    return now.tv_sec;
}

int clock_settime(clockid_t clock, const timespec* value) {
    if (clock != CLOCK_REALTIME) {
        errno = EINVAL;
        return -1;
    }
    if (std::getenv("DUNMORA_FAKE_CLOCK_REFUSE")) {
        Record("clock_settime-refused", *value);
        errno = EPERM;
        return -1;
    }
    return MoveFakeClock("clock_settime", *value);
}

int settimeofday(const struct timeval* value, const struct timezone*) noexcept {
    if (!value)
        return 0;
    return MoveFakeClock("settimeofday", timespec{value->tv_sec, value->tv_usec * 1000L});
}

// Slewing or stepping through the NTP interface is refused outright.
int adjtimex(struct timex*) {
    errno = EPERM;
    return -1;
}

int clock_adjtime(clockid_t, struct timex*) {
    errno = EPERM;
    return -1;
}

} // extern "C"
