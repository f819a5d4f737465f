#pragma once

#include "app/core/DeviceListHost.h"
#include "app/core/KnownDeviceRegistry.h"
#include "app/core/ProfileDatabase.h"
#include "app/core/TextCodec.h"

#include <map>
#include <string>
#include <vector>

// Fakes that keep what the catalog asked of them; every call also goes, as one line, into a
// log shared by all three, so the order across them can be checked.
using CallLog = std::vector<std::string>;

struct KeyItem {
    std::wstring name;
    std::wstring text;
    int keyValue = 0;
    KeyRect rect;
};

struct KeyboardPicture {
    KeyRect rect;
    std::wstring image;
    int width = 0;
    int height = 0;
};

struct ViewState {
    int clears = 0;
    std::vector<KeyboardPicture> pictures;
    std::vector<KeyItem> keys;
};

class FakeHost : public DeviceListHost {
public:
    explicit FakeHost(CallLog& log) : m_log(log) {}

    void AddDevice(const std::wstring& name, int deviceType) override {
        m_log.push_back("AddDevice " + WideToUtf8(name) + " " + std::to_string(deviceType));
    }
    void SetVersionLabel(const std::wstring& text) override {
        m_log.push_back("SetVersionLabel " + WideToUtf8(text));
    }
    void SetCopyrightLabel(const std::wstring& text) override {
        m_log.push_back("SetCopyrightLabel " + WideToUtf8(text));
    }
    void RegisterDeviceNotification() override { m_log.push_back("RegisterDeviceNotification"); }
    void ClearItem(KeyboardView view) override {
        views[view].clears++;
        views[view].keys.clear();
    }
    void SetKeyboardPicture(KeyboardView view, const KeyRect& rect, const std::wstring& image,
                            int width, int height) override {
        views[view].pictures.push_back({rect, image, width, height});
    }
    void AddKeyItem(KeyboardView view, const std::wstring& name, const std::wstring& text,
                    int keyValue, const KeyRect& rect) override {
        views[view].keys.push_back({name, text, keyValue, rect});
    }

    std::map<KeyboardView, ViewState> views;

private:
    CallLog& m_log;
};

class FakeRegistry : public KnownDeviceRegistry {
public:
    explicit FakeRegistry(CallLog& log) : m_log(log) {}

    void AddKnownDevice(int vid, int pid, const std::wstring& productName, int deviceType, int mode,
                        const std::wstring& hidInterface) override {
        m_log.push_back("AddKnownDevice " + std::to_string(vid) + " " + std::to_string(pid) + " [" +
                        WideToUtf8(productName) + "] " + std::to_string(deviceType) + " " +
                        std::to_string(mode) + " [" + WideToUtf8(hidInterface) + "]");
    }

private:
    CallLog& m_log;
};

class FakeDatabase : public ProfileDatabase {
public:
    explicit FakeDatabase(CallLog& log) : m_log(log) {}

    bool IsOpen() const override { return m_open; }
    bool Close() override {
        m_log.push_back("Close");
        m_open = false;
        return true;
    }
    bool Open(const std::wstring& folder, std::wstring_view keyboardName) override {
        m_log.push_back("Open " + WideToUtf8(folder) + " [" + WideToUtf8(keyboardName) + "]");
        m_open = true;
        return true;
    }

private:
    CallLog& m_log;
    bool m_open = false;
};
