// SPDX-License-Identifier: MIT
// Plugging and unplugging the simulated devices, handle liveness, and the test control
// functions declared in SimControl.h.
#include "SimWorld.h"

namespace sim {

World &world()
{
    static World w;
    return w;
}

void World::unplug(Firmware &fw)
{
    if (!fw.present)
        return;
    fw.present = false;
    ++fw.generation;
    fw.dropLink();
    changed.notify_all();
}

void World::plugIn(Firmware &fw)
{
    if (fw.present)
        return;
    fw.present = true;
    fw.dropLink();
    changed.notify_all();
}

bool World::alive(const hid_device_ *h)
{
    if (!h || !handles.count(h))
        return false;
    const Firmware &fw = device(h->family);
    return fw.present && fw.generation == h->generation;
}

// ---- test control ----

namespace {
using Guard = std::lock_guard<std::mutex>;
}

void reset()
{
    World &w = world();
    Guard g(w.lock);
    for (Firmware &fw : w.devices) {
        ++fw.generation;   // handles still open from an earlier test are dead
        fw.powerOn();
    }
    w.blockingReadBoundMs = kDefaultBlockingReadBoundMs;
    w.changed.notify_all();
}

void setPresent(Family f, bool present)
{
    World &w = world();
    Guard g(w.lock);
    if (present)
        w.plugIn(w.device(f));
    else
        w.unplug(w.device(f));
}

bool isPresent(Family f)
{
    World &w = world();
    Guard g(w.lock);
    return w.device(f).present;
}

void setSecrecyCode(Family f, const std::string &six)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).setCode(six);
}

void setScrambling(Family f, bool on)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).scrambling = on;
}

void setWithholdAck(Family f, bool on)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).withholdAck = on;
}

void setBulkReadShortfall(Family f, int reports)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).bulkShortfall = reports;
}

void unplugAfterReports(Family f, int reports)
{
    World &w = world();
    Guard g(w.lock);
    Firmware &fw = w.device(f);
    fw.unplugAfterReceived = reports;
    if (reports == 0)
        w.unplug(fw);
}

void unplugAfterSentReports(Family f, int reports)
{
    World &w = world();
    Guard g(w.lock);
    Firmware &fw = w.device(f);
    fw.unplugAfterSent = reports;
    if (reports == 0)
        w.unplug(fw);
}

void setAckDelayMs(Family f, int ms)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).ackDelayMs = ms;
    w.changed.notify_all();
}

void setOpenRefusal(Family f, OpenRefusal refusal)
{
    World &w = world();
    Guard g(w.lock);
    w.device(f).openRefusal = refusal;
}

void setBlockingReadBoundMs(int ms)
{
    World &w = world();
    Guard g(w.lock);
    w.blockingReadBoundMs = ms < 0 ? 0 : ms;
    w.changed.notify_all();
}

std::vector<Received> received(Family f)
{
    World &w = world();
    Guard g(w.lock);
    return w.device(f).log;
}

void clearReceived()
{
    World &w = world();
    Guard g(w.lock);
    for (Firmware &fw : w.devices)
        fw.log.clear();
}

int openCount(Family f)
{
    World &w = world();
    Guard g(w.lock);
    return w.device(f).opened;
}

int openHandleCount(Family f)
{
    World &w = world();
    Guard g(w.lock);
    int n = 0;
    for (const hid_device_ *h : w.handles)
        n += h->family == f ? 1 : 0;
    return n;
}

MouseStore &mouse() { return world().device(Family::Mouse).mouse; }
KeyboardStore &keyboard() { return world().device(Family::Keyboard).keyboard; }

MouseStore mouseSnapshot()
{
    World &w = world();
    Guard g(w.lock);
    return w.device(Family::Mouse).mouse;
}

KeyboardStore keyboardSnapshot()
{
    World &w = world();
    Guard g(w.lock);
    return w.device(Family::Keyboard).keyboard;
}

std::string commandPath(Family f)
{
    return f == Family::Mouse ? "sim:04d9:a6c2:command" : "sim:04d9:8b31:command";
}

std::string eventPath(Family f)
{
    return f == Family::Mouse ? "sim:04d9:a6c2:event" : "sim:04d9:8b31:event";
}

} // namespace sim
