#include "app/device/TimerResolution.h"

#include <windows.h>

#include <timeapi.h>

namespace {

class MultimediaResolution : public TimerResolution {
public:
    void Raise() override { timeBeginPeriod(1); }
    void Restore() override { timeEndPeriod(1); }
};

} // namespace

TimerResolution& SystemTimerResolution() {
    static MultimediaResolution resolution;
    return resolution;
}
