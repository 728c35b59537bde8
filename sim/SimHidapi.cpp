// SPDX-License-Identifier: MIT
// hidapi C API over the emulated firmware (placeholder: no device until the simulator is built).
#include <hidapi.h>
#include <cstdlib>

extern "C" {
int HID_API_EXPORT hid_init(void) { return 0; }
int HID_API_EXPORT hid_exit(void) { return 0; }
struct hid_device_info HID_API_EXPORT *hid_enumerate(unsigned short, unsigned short) { return nullptr; }
void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *) {}
hid_device HID_API_EXPORT *hid_open(unsigned short, unsigned short, const wchar_t *) { return nullptr; }
hid_device HID_API_EXPORT *hid_open_path(const char *) { return nullptr; }
int HID_API_EXPORT hid_write(hid_device *, const unsigned char *, size_t) { return -1; }
int HID_API_EXPORT hid_read_timeout(hid_device *, unsigned char *, size_t, int) { return -1; }
int HID_API_EXPORT hid_read(hid_device *, unsigned char *, size_t) { return -1; }
int HID_API_EXPORT hid_set_nonblocking(hid_device *, int) { return -1; }
int HID_API_EXPORT hid_send_feature_report(hid_device *, const unsigned char *, size_t) { return -1; }
int HID_API_EXPORT hid_get_feature_report(hid_device *, unsigned char *, size_t) { return -1; }
void HID_API_EXPORT hid_close(hid_device *) {}
}
