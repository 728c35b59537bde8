// SPDX-License-Identifier: MIT
// Plugging and unplugging the simulated devices, handle liveness, and the test control
// functions declared in SimControl.h.
#include "SimWorld.h"
#include <algorithm>
#include <cstdlib>

namespace sim {

namespace {
// R5_SIM_MOUSE="no-rights" (or "busy", "absent", "no-scrambling", "code=111111", several
// separated by commas) sets the mouse's state when a program starts, so each case can be
// tried in the real window. Tests use the control functions; reset() ignores it.
void applyStartState(World &w)
{
    const char *env = std::getenv("R5_SIM_MOUSE");
    if (!env)
        return;
    Firmware &mouse = w.device(Family::Mouse);
    std::string all(env);
    size_t from = 0;
    while (from <= all.size()) {
        const size_t comma = std::min(all.find(',', from), all.size());
        const std::string item = all.substr(from, comma - from);
        if (item == "no-rights")
            mouse.openRefusal = OpenRefusal::NoRights;
        else if (item == "busy")
            mouse.openRefusal = OpenRefusal::Busy;
        else if (item == "absent")
            mouse.present = false;
        else if (item == "no-scrambling")
            mouse.scrambling = false;
        else if (item.rfind("code=", 0) == 0 && item.size() == 11)
            mouse.setCode(item.substr(5));
        from = comma + 1;
    }
}
}

World &world()
{
    static World w;
    static const bool started = (applyStartState(w), true);
    (void)started;
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
