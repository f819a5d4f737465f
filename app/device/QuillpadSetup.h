#pragma once

#include "app/device/DriverInstaller.h"
#include "app/device/FilterChannel.h"
#include "app/device/Quillpad.h"

// The process-wide virtual keyboard and key filter, kernel drivers or their user-mode stand-ins.

// Finds the virtual keyboard driver, reinstalling it when the driver folder allows; falls back
// to the user-mode virtual keyboard and key filter. Unavailable means the program cannot carry
// out key assignments: the caller tells the user and ends. Later calls return the first result.
InputChannelChoice SetUpInputChannels();

// The virtual keyboard chosen by SetUpInputChannels (which runs first if it has not yet).
Quillpad& GetQuillpad();

// The key filter that goes with it: the driver's control device when it opens, else the
// user-mode filter.
HidUsbFilter::IFilterChannel& GetFilterChannel();
