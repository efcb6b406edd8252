#pragma once
// A D-Bus daemon of a test's own, on a socket in a temporary folder, standing in
// for the system bus. Nothing in a test ever reaches the machine's real bus.
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace sysclock::testing {

class PrivateBus {
  public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    // The address to connect to; empty when the daemon did not start.
    const std::string& Address() const { return address_; }

  private:
    QTemporaryDir folder_;
    QProcess daemon_;
    std::string address_;
};

// An address where no bus listens.
std::string MissingBusAddress();

} // namespace sysclock::testing
