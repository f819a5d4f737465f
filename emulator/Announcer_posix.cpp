#include "emulator/Announcer.h"

namespace emulator {

// Natively, tests hear of plugging through SetInterfaceListener.
void QueueInterfaceNotifications(int, bool) {}
void StartAnnouncer() {}

} // namespace emulator
