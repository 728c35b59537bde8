// SPDX-License-Identifier: MIT
// The hidapi C API over the simulated devices, so a program links against this library
// instead of the real hidapi without a code change. Every call takes the world lock;
// blocking reads wait on its condition and release the lock while they wait.
#include "SimWorld.h"
#include <hidapi.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>

using namespace sim;

namespace {

using Lock = std::unique_lock<std::mutex>;

// hid_error(NULL) reports the last failure of enumerate/open on the calling thread.
thread_local std::wstring g_lastError;

struct Interface {
    Family family;
    bool event;
};

bool parsePath(const char *path, Interface &out)
{
    if (!path)
        return false;
    for (Family f : {Family::Keyboard, Family::Mouse}) {
        if (commandPath(f) == path) {
            out = {f, false};
            return true;
        }
        if (eventPath(f) == path) {
            out = {f, true};
            return true;
        }
    }
    return false;
}

char *copyString(const std::string &s)
{
    char *p = static_cast<char *>(std::malloc(s.size() + 1));
    std::memcpy(p, s.c_str(), s.size() + 1);
    return p;
}

wchar_t *copyWide(const std::wstring &s)
{
    auto *p = static_cast<wchar_t *>(std::malloc((s.size() + 1) * sizeof(wchar_t)));
    std::wmemcpy(p, s.c_str(), s.size() + 1);
    return p;
}

std::wstring manufacturerOf(Family) { return L"R5 Simulated Devices"; }
std::wstring productOf(Family f) { return f == Family::Mouse ? L"R5 Mouse (simulated)" : L"R4 Keyboard (simulated)"; }
std::wstring serialOf(Family f) { return f == Family::Mouse ? L"SIM-R5-0001" : L"SIM-R4-0001"; }

hid_device_info *makeInfo(const Firmware &fw, bool event)
{
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    const Family f = fw.family();
    info->path = copyString(event ? eventPath(f) : commandPath(f));
    info->vendor_id = 0x04d9;
    info->product_id = fw.productId();
    info->serial_number = copyWide(serialOf(f));
    info->release_number = 0x0100;
    info->manufacturer_string = copyWide(manufacturerOf(f));
    info->product_string = copyWide(productOf(f));
    info->usage_page = event ? fw.eventUsagePage() : fw.commandUsagePage();
    info->usage = event ? fw.eventUsage() : fw.commandUsage();
    info->interface_number = event ? 1 : 0;
    info->next = nullptr;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

void freeInfo(hid_device_info *info)
{
    while (info) {
        hid_device_info *next = info->next;
        std::free(info->path);
        std::free(info->serial_number);
        std::free(info->manufacturer_string);
        std::free(info->product_string);
        std::free(info);
        info = next;
    }
}

// Caller holds the lock. Records the failure where hid_error will find it.
int fail(World &w, hid_device *dev, const wchar_t *message)
{
    if (dev && w.handles.count(dev))
        dev->error = message;
    else
        g_lastError = message;
    return -1;
}

// Caller holds the lock: the handle is known and its device still the one it opened.
bool usable(World &w, hid_device *dev)
{
    if (!dev || !w.handles.count(dev)) {
        fail(w, nullptr, L"invalid device handle");
        return false;
    }
    if (!w.alive(dev)) {
        fail(w, dev, L"device disconnected");
        return false;
    }
    return true;
}

// Caller holds the lock: counts down the "vanish after N received reports" switch.
void countReceived(World &w, Firmware &fw)
{
    if (fw.unplugAfterReceived > 0 && --fw.unplugAfterReceived == 0)
        w.unplug(fw);
}

int readReport(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    if (!data || length == 0)
        return fail(w, dev, L"no buffer");
    // A real blocking read waits for ever; here it gives up after a bound so that a
    // silent device cannot hang a test.
    const int wait = milliseconds < 0 ? w.blockingReadBoundMs : milliseconds;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(wait);
    std::vector<uint8_t> report;
    for (;;) {
        if (!w.alive(dev))
            return fail(w, dev, L"device disconnected");
        Firmware &fw = w.device(dev->family);
        const Clock::time_point now = Clock::now();
        if (dev->event) {
            if (fw.takeAck(now)) {
                static const uint8_t ack[4] = {0x04, 0x04, 0x00, 0x00};
                const size_t n = std::min(length, sizeof ack);
                std::memcpy(data, ack, n);
                return int(n);
            }
        } else if (fw.takeBulkIn(report)) {
            const size_t n = std::min(length, report.size());
            std::memcpy(data, report.data(), n);
            if (fw.unplugAfterSent > 0 && --fw.unplugAfterSent == 0)
                w.unplug(fw);
            return int(n);
        }
        if (now >= deadline)
            return 0;
        Clock::time_point wake = deadline;
        Clock::time_point due;
        if (dev->event && fw.nextAckDue(due) && due > now && due < wake)
            wake = due;
        w.changed.wait_until(lk, wake);
    }
}

// The message hidraw's hid_open_path leaves for hid_error(NULL).
std::wstring openFailure(const char *path, int error)
{
    const char *reason = error == EACCES ? "Permission denied"
                         : error == EBUSY ? "Device or resource busy"
                                          : "No such file or directory";
    const std::string text = std::string("Failed to open a device with path '") + (path ? path : "(null)")
                             + "': " + reason;
    return std::wstring(text.begin(), text.end());
}

int copyWideOut(World &w, hid_device *dev, const std::wstring &s, wchar_t *out, size_t maxlen)
{
    if (!out || maxlen == 0)
        return fail(w, dev, L"no buffer");
    const size_t n = std::min(s.size(), maxlen - 1);
    std::wmemcpy(out, s.c_str(), n);
    out[n] = L'\0';
    return 0;
}

} // namespace

extern "C" {

int HID_API_EXPORT hid_init(void) { return 0; }
int HID_API_EXPORT hid_exit(void) { return 0; }

struct hid_device_info HID_API_EXPORT *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    World &w = world();
    Lock lk(w.lock);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    for (const Firmware &fw : w.devices) {
        if (!fw.present)
            continue;
        if ((vendor_id != 0 && vendor_id != 0x04d9) || (product_id != 0 && product_id != fw.productId()))
            continue;
        for (bool event : {false, true}) {
            *tail = makeInfo(fw, event);
            tail = &(*tail)->next;
        }
    }
    g_lastError = head ? L"Success" : L"No HID devices with requested VID/PID found in the system.";
    return head;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *devs) { freeInfo(devs); }

hid_device HID_API_EXPORT *hid_open_path(const char *path)
{
    // A failed open sets errno as the hidraw back end's open() leaves it, after the lock
    // is released so that nothing in between can change it.
    int error = 0;
    hid_device *dev = nullptr;
    {
        World &w = world();
        Lock lk(w.lock);
        Interface itf;
        if (!parsePath(path, itf)) {
            error = ENOENT;
        } else {
            Firmware &fw = w.device(itf.family);
            if (!fw.present)
                error = ENOENT;
            else if (fw.openRefusal == OpenRefusal::NoRights)
                error = EACCES;
            else if (fw.openRefusal == OpenRefusal::Busy)
                error = EBUSY;
            else {
                dev = new hid_device_;
                dev->family = itf.family;
                dev->event = itf.event;
                dev->generation = fw.generation;
                w.handles.insert(dev);
                ++fw.opened;
                g_lastError = L"Success";
            }
        }
        if (error)
            g_lastError = openFailure(path, error);
    }
    if (error)
        errno = error;
    return dev;
}

hid_device HID_API_EXPORT *hid_open(unsigned short vendor_id, unsigned short product_id,
                                    const wchar_t *serial_number)
{
    // Like hidapi: the first enumerated interface that matches (the command interface).
    std::string path;
    {
        World &w = world();
        Lock lk(w.lock);
        for (const Firmware &fw : w.devices) {
            if (!fw.present || (vendor_id != 0 && vendor_id != 0x04d9)
                || (product_id != 0 && product_id != fw.productId()))
                continue;
            if (serial_number && serialOf(fw.family()) != serial_number)
                continue;
            path = commandPath(fw.family());
            break;
        }
        if (path.empty()) {
            fail(w, nullptr, L"device not found");
            return nullptr;
        }
    }
    return hid_open_path(path.c_str());
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    if (!dev)
        return;
    World &w = world();
    {
        Lock lk(w.lock);
        if (!w.handles.erase(dev))
            return;   // not ours, or closed twice: leave it alone
    }
    freeInfo(dev->info);
    delete dev;
}

int HID_API_EXPORT hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    if (dev->event)
        return fail(w, dev, L"the event interface takes no output reports");
    Firmware &fw = w.device(dev->family);
    if (!data || length < 2 || length > size_t(fw.reportLength()) + 1)
        return fail(w, dev, L"output report of the wrong size");
    fw.receiveWrite(data, length, Clock::now());
    countReceived(w, fw);
    w.changed.notify_all();
    return int(length);
}

int HID_API_EXPORT hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return readReport(dev, data, length, milliseconds);
}

int HID_API_EXPORT hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    bool nonblocking = false;
    {
        World &w = world();
        Lock lk(w.lock);
        if (!usable(w, dev))
            return -1;
        nonblocking = dev->nonblocking;
    }
    return readReport(dev, data, length, nonblocking ? 0 : -1);
}

int HID_API_EXPORT hid_set_nonblocking(hid_device *dev, int nonblock)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    if (dev->event)
        return fail(w, dev, L"the event interface takes no feature reports");
    if (!data || length < 9)
        return fail(w, dev, L"feature report of the wrong size");
    Firmware &fw = w.device(dev->family);
    fw.receiveFeature(data, length, Clock::now());
    countReceived(w, fw);
    w.changed.notify_all();
    return int(length);
}

int HID_API_EXPORT hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    if (dev->event)
        return fail(w, dev, L"the event interface has no feature reports");
    if (!data || length < 1)
        return fail(w, dev, L"no buffer");
    uint8_t report[9];
    report[0] = data[0];   // the report id asked for
    w.device(dev->family).answerReport(report + 1);
    const size_t n = std::min(length, sizeof report);
    std::memcpy(data, report, n);
    return int(n);
}

int HID_API_EXPORT hid_get_input_report(hid_device *dev, unsigned char *, size_t)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    return fail(w, dev, L"input reports are only delivered by reading");
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    return copyWideOut(w, dev, manufacturerOf(dev->family), string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    return copyWideOut(w, dev, productOf(dev->family), string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    return copyWideOut(w, dev, serialOf(dev->family), string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int, wchar_t *, size_t)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return -1;
    return fail(w, dev, L"indexed strings are not supported");
}

struct hid_device_info HID_API_EXPORT *hid_get_device_info(hid_device *dev)
{
    World &w = world();
    Lock lk(w.lock);
    if (!usable(w, dev))
        return nullptr;
    if (!dev->info)
        dev->info = makeInfo(w.device(dev->family), dev->event);
    return dev->info;
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    World &w = world();
    Lock lk(w.lock);
    if (dev && w.handles.count(dev))
        return dev->error.empty() ? L"Success" : dev->error.c_str();
    return g_lastError.empty() ? L"Success" : g_lastError.c_str();
}

HID_API_EXPORT const struct hid_api_version *HID_API_CALL hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR,
                                            HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char *HID_API_CALL hid_version_str(void) { return HID_API_VERSION_STR; }

} // extern "C"
