// SPDX-License-Identifier: MIT
// The shared state behind the simulated hidapi: both devices, the open handles, and the
// one lock and condition that every API call and every test control goes through.
#pragma once
#include "SimFirmware.h"
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>

struct hid_device_info;

// The opaque hidapi handle: one open interface of one device.
struct hid_device_ {
    sim::Family family;
    bool event;                 // event interface (acknowledgements) or command interface
    unsigned generation;        // the device's generation when opened
    bool nonblocking = false;
    std::wstring error;
    hid_device_info *info = nullptr;
};

namespace sim {

constexpr int kDefaultBlockingReadBoundMs = 1000;

struct World {
    std::mutex lock;
    std::condition_variable changed;   // any report queued, any plug change
    Firmware devices[2] = {Firmware(Family::Keyboard), Firmware(Family::Mouse)};
    std::set<const hid_device_ *> handles;
    int blockingReadBoundMs = kDefaultBlockingReadBoundMs;

    Firmware &device(Family f) { return devices[f == Family::Mouse ? 1 : 0]; }
    // Caller holds the lock.
    void unplug(Firmware &fw);
    void plugIn(Firmware &fw);
    bool alive(const hid_device_ *h);
};

World &world();

} // namespace sim
