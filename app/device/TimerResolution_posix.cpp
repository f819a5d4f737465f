#include "app/device/TimerResolution.h"

namespace {

// Sleeps here are as fine as the kernel's timers already.
class FixedResolution : public TimerResolution {
public:
    void Raise() override {}
    void Restore() override {}
};

} // namespace

TimerResolution& SystemTimerResolution() {
    static FixedResolution resolution;
    return resolution;
}
