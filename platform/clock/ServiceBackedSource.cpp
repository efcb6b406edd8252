#include "platform/clock/TimeService.h"

namespace sysclock {
namespace {

class ServiceBackedSource final : public RealtimeSource {
  public:
    ServiceBackedSource(std::unique_ptr<RealtimeSource> kernel, std::unique_ptr<TimeService> service)
        : kernel_(std::move(kernel)), service_(std::move(service)) {}

    bool Get(Instant& now) override { return kernel_->Get(now); }

    bool Set(const Instant& instant) override {
        refusal_ = ClockRefusal::None;
        if (kernel_->Set(instant))
            return true;
        refusal_ = kernel_->LastRefusal();
        if (refusal_ != ClockRefusal::NoRight || !service_)
            return false;
        const std::int64_t microseconds = instant.seconds * 1000000 + instant.nanoseconds / 1000;
        refusal_ = service_->SetTime(microseconds, mayPrompt_);
        if (refusal_ == ClockRefusal::NotAuthorised)
            mayPrompt_ = false;
        return refusal_ == ClockRefusal::None;
    }

    ClockRefusal LastRefusal() const override { return refusal_; }
    void ForgetRefusals() override { mayPrompt_ = true; }

  private:
    std::unique_ptr<RealtimeSource> kernel_;
    std::unique_ptr<TimeService> service_;
    ClockRefusal refusal_ = ClockRefusal::None;
    bool mayPrompt_ = true;
};

} // namespace

std::unique_ptr<RealtimeSource> CreateServiceBackedSource(std::unique_ptr<RealtimeSource> kernel,
                                                          std::unique_ptr<TimeService> service) {
    return std::make_unique<ServiceBackedSource>(std::move(kernel), std::move(service));
}

} // namespace sysclock
