// SPDX-License-Identifier: MIT
// One emulated device: what its firmware does with command blocks and bulk reports,
// its settings store, and the reports it has ready for the host.
#pragma once
#include "SimControl.h"
#include <array>
#include <chrono>
#include <cstddef>
#include <deque>
#include <vector>

namespace sim {

using Clock = std::chrono::steady_clock;

// Not thread-safe by itself: the hidapi layer and the test control call it with the
// world lock held (SimWorld.h).
class Firmware
{
public:
    explicit Firmware(Family f);

    Family family() const { return fam; }
    uint16_t productId() const;
    uint16_t commandUsagePage() const;
    uint16_t commandUsage() const;
    uint16_t eventUsagePage() const;
    uint16_t eventUsage() const;
    int reportLength() const { return fam == Family::Mouse ? 32 : 64; }

    // Factory settings, power-on plug state, well behaved, empty log.
    void powerOn();
    // What a device loses when its cable is pulled: transfers in flight, pending answers.
    void dropLink();

    // Host to device. The caller has checked the report lengths.
    void receiveFeature(const uint8_t *data, size_t len, Clock::time_point now);
    void receiveWrite(const uint8_t *data, size_t len, Clock::time_point now);

    // Device to host.
    void answerReport(uint8_t out[8]) const;   // answer block as it travels on the wire
    bool takeBulkIn(std::vector<uint8_t> &report);
    bool takeAck(Clock::time_point now);
    bool nextAckDue(Clock::time_point &due) const;

    void setCode(const std::string &six);

    // Plug state and misbehaviour switches (test control).
    bool present = true;
    unsigned generation = 0;        // bumped on every unplug: older handles stay dead
    bool scrambling = true;
    bool withholdAck = false;
    int bulkShortfall = 0;
    int unplugAfterReceived = -1;
    int unplugAfterSent = -1;
    int ackDelayMs = 0;
    OpenRefusal openRefusal = OpenRefusal::None;
    int opened = 0;

    MouseStore mouse;
    KeyboardStore keyboard;
    std::vector<Received> log;

private:
    struct BulkOut {
        bool active = false;
        uint8_t command = 0;
        uint8_t *dest = nullptr;    // where the payload goes; null: collected and dropped
        size_t expected = 0;
        std::vector<uint8_t> data;
    };

    void execute(const uint8_t b[8], Clock::time_point now);
    bool executeMouse(const uint8_t b[8]);
    bool executeKeyboard(const uint8_t b[8]);
    void answer(std::initializer_list<uint8_t> values, bool plain = true);
    void expectBulk(uint8_t command, uint8_t *dest, size_t length);
    void sendBulk(const uint8_t *src, size_t length);
    void queueAck(Clock::time_point now);
    void record(Received r);

    Family fam;
    std::array<uint8_t, 6> code{};
    uint8_t answerBlock[8] = {};
    bool answerPlain = true;        // plain answers are scrambled, bulk answers travel as they are
    BulkOut bulkOut;
    std::deque<std::vector<uint8_t>> bulkIn;
    std::deque<Clock::time_point> acks;
};

} // namespace sim
