#include "app/device/Sleeper.h"

#include <thread>

namespace {

class RealSleeper : public Sleeper {
public:
    void SleepFor(std::chrono::milliseconds duration) override {
        std::this_thread::sleep_for(duration);
    }
};

} // namespace

Sleeper& ThreadSleeper() {
    static RealSleeper sleeper;
    return sleeper;
}
