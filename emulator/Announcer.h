#pragma once

namespace emulator {

// Inside a Windows process, the device-interface notifications Windows would send when a
// connection mode comes or goes, delivered to the process's windows by a thread of the
// emulator, which also applies the control file while the program makes no hidapi call.
// Elsewhere these do nothing.

// Queues a notification for each interface of the mode. Safe under the bus lock.
void QueueInterfaceNotifications(int mode, bool arrival);
// Starts the delivering thread, once; called when the bus is first used.
void StartAnnouncer();

} // namespace emulator
