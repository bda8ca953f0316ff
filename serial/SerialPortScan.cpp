#include "serial/SerialPortScan.h"

#include <libudev.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "res/Texts.h"

namespace serial {

namespace {

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

std::string Text(const char* value) { return value != nullptr ? value : ""; }

std::string SysAttr(udev_device* device, const char* name) {
    return Text(udev_device_get_sysattr_value(device, name));
}

// A udev property whose value has '_' for blanks (ID_MODEL, ID_VENDOR).
std::string Unescaped(udev_device* device, const char* name) {
    std::string value = Text(udev_device_get_property_value(device, name));
    std::replace(value.begin(), value.end(), '_', ' ');
    return value;
}

// The first ancestor on a bus that says what the hardware is; the kernel's own layers
// between the tty and the hardware ("serial-base", "tty") say nothing of it.
udev_device* HardwareParent(udev_device* tty) {
    constexpr std::array<std::string_view, 3> kLayers{"tty", "serial-base", "serial"};
    for (udev_device* parent = udev_device_get_parent(tty); parent != nullptr;
         parent = udev_device_get_parent(parent)) {
        const std::string subsystem = Text(udev_device_get_subsystem(parent));
        if (subsystem.empty()) continue;
        if (std::find(kLayers.begin(), kLayers.end(), subsystem) == kLayers.end()) return parent;
    }
    return nullptr;
}

SerialDeviceFacts FactsOf(udev_device* tty, udev_device* hardware) {
    SerialDeviceFacts facts;
    facts.path = Text(udev_device_get_devnode(tty));
    facts.bus = Text(udev_device_get_subsystem(hardware));
    if (facts.bus == "usb") {
        if (udev_device* usb =
                udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device")) {
            facts.product = SysAttr(usb, "product");
            facts.vendor = SysAttr(usb, "manufacturer");
        }
    }
    if (facts.product.empty()) {
        facts.product = Text(udev_device_get_property_value(tty, "ID_MODEL_FROM_DATABASE"));
        if (facts.product.empty() && facts.bus == "usb") facts.product = Unescaped(tty, "ID_MODEL");
    }
    if (facts.vendor.empty()) {
        facts.vendor = Text(udev_device_get_property_value(tty, "ID_VENDOR_FROM_DATABASE"));
        if (facts.vendor.empty() && facts.bus == "usb") facts.vendor = Unescaped(tty, "ID_VENDOR");
    }
    return facts;
}

}  // namespace

std::string DescribeSerialDevice(const SerialDeviceFacts& facts) {
    if (!facts.product.empty()) {
        return facts.vendor.empty() ? facts.product : facts.product + " (" + facts.vendor + ")";
    }
    if (facts.bus == "usb") return std::string(texts::kPortKindUsb);
    if (facts.bus == "pci") return std::string(texts::kPortKindPci);
    if (facts.bus == "pnp" || facts.bus == "platform" || facts.bus == "acpi") {
        return std::string(texts::kPortKindOnBoard);
    }
    return std::string(texts::kPortKindOther);
}

std::vector<SerialPortInfo> ListSerialDevices() {
    std::vector<SerialPortInfo> found;
    UdevPtr<udev> context(udev_new());
    if (!context) return found;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return found;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevPtr<udev_device> tty(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!tty || udev_device_get_devnode(tty.get()) == nullptr) continue;
        udev_device* hardware = HardwareParent(tty.get());
        if (hardware == nullptr) continue;  // consoles and pseudo-terminals
        // A built-in UART slot the kernel found nothing in reports type 0.
        if (SysAttr(tty.get(), "type") == "0") continue;
        const SerialDeviceFacts facts = FactsOf(tty.get(), hardware);
        found.push_back({facts.path, DescribeSerialDevice(facts)});
    }
    std::sort(found.begin(), found.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return a.path < b.path; });
    return found;
}

}  // namespace serial
