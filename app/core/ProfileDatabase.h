#pragma once

#include <string>
#include <string_view>

// The selected keyboard's profile database, as far as selecting a keyboard needs it. The
// profile store implements it.
class ProfileDatabase {
public:
    virtual ~ProfileDatabase() = default;

    virtual bool IsOpen() const = 0;
    virtual bool Close() = 0;
    // Opens, creating it when missing, the database file of that keyboard in the data folder.
    virtual bool Open(const std::wstring& folder, std::wstring_view keyboardName) = 0;
};
