// The shipped description files drive the real device manager and profile store: the
// emulated M614-RGB is recognised in every connection mode that config.xml lists.

#include "EmulatedKeyboard.h"
#include "tests/core/DeviceCatalogFakes.h"

#include "app/core/DeviceCatalog.h"
#include "app/core/TextCodec.h"
#include "app/store/ProfileStore.h"

#include <filesystem>

namespace {

class ShippedDescriptionTest : public EmulatedKeyboardTest {};

TEST_F(ShippedDescriptionTest, EveryListedModeIsFoundAndTheDatabaseOpens) {
    const std::filesystem::path data = std::filesystem::temp_directory_path() / "clavira-shipped";
    std::filesystem::create_directories(data / "db");
    CallLog log;
    FakeHost host(log);
    ProfileStore store;
    DeviceCatalog catalog(Utf8ToWide(CLAVIRA_DATA_DIR), Utf8ToWide((data / "").string()), host,
                          m_devices, store);
    catalog.LoadDeviceList();
    ASSERT_EQ(catalog.ConnectionList().size(), 3u);
    EXPECT_TRUE(store.IsOpen());

    for (emulator::Mode mode :
         {emulator::Mode::Cable, emulator::Mode::Wireless1, emulator::Mode::Wireless2}) {
        emulator::Reset();
        emulator::Plug(mode);
        m_devices.Refresh();
        m_devices.SetSelectedType(201);
        const DeviceEntry& entry = catalog.ConnectionList()[static_cast<size_t>(mode)];
        EXPECT_GE(
            m_devices.FindEntry(entry.vendorId, entry.productId, entry.name, entry.connectionMode),
            0)
            << entry.description;
        EXPECT_EQ(m_devices.ConnectionKind(), static_cast<int>(mode));
    }
    store.Close();
    std::filesystem::remove_all(data);
}

} // namespace
