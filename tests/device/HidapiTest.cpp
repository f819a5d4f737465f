#include <hidapi/hidapi.h>

#include <gtest/gtest.h>

namespace {

// The shipped hidapi.dll must initialise on systems whose configuration manager lacks the
// device-interface property call (Wine among them) and enumerate without failing.
TEST(Hidapi, InitialisesAndEnumerates) {
    ASSERT_EQ(hid_init(), 0);
    hid_device_info* devices = hid_enumerate(0, 0);
    for (hid_device_info* device = devices; device; device = device->next) {
        EXPECT_NE(device->path, nullptr);
    }
    hid_free_enumeration(devices);
    EXPECT_EQ(hid_exit(), 0);
}

} // namespace
