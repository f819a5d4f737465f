#pragma once

// The system timer's resolution, raised to 1 ms while the device worker runs a pass so its
// short waits between packets are kept. Windows offers it; elsewhere the calls do nothing.
class TimerResolution {
public:
    virtual ~TimerResolution() = default;
    virtual void Raise() = 0;
    virtual void Restore() = 0;
};

// The platform's timer resolution.
TimerResolution& SystemTimerResolution();
