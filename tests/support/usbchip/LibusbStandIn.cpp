// The libusb-1.0 calls that libftdi1 makes, answered by the emulated bus. Each call keeps
// libusb's contract as libftdi1 relies on it: device lists with reference counts, descriptors
// that stay readable after the device left, LIBUSB_ERROR_NO_DEVICE from every handle of a
// device that left, one claim of the interface at a time. The asynchronous transfer calls are
// there only so that libftdi1 loads; they report that they are not supported.

#include <libusb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "usbchip/Bus.h"

using vertal::usbchip::Chip;
using vertal::usbchip::TheBus;

struct libusb_context {
  int unused = 0;
};

struct libusb_device {
  std::shared_ptr<Chip> chip;
  unsigned generation = 0;
  std::uint8_t address = 0;
  int references = 1;
};

struct libusb_device_handle {
  libusb_device* device = nullptr;
  bool claimed = false;
};

namespace {

constexpr std::uint8_t kManufacturerString = 1;
constexpr std::uint8_t kProductString = 2;
constexpr std::uint8_t kSerialString = 3;
constexpr std::uint16_t kFt232rRelease = 0x0600;  // bcdDevice by which libftdi1 knows the chip

// The handle reaches its chip only while the chip is plugged in as the device it was opened on.
Chip* Live(libusb_device_handle* handle) {
  if (handle == nullptr) return nullptr;
  const libusb_device& device = *handle->device;
  const bool live = device.chip->Attached() && device.chip->Generation() == device.generation;
  return live ? device.chip.get() : nullptr;
}

// The configuration descriptor of the chip: one interface with a bulk IN and a bulk OUT
// endpoint of 64 bytes, held in one allocation with its parts.
struct ConfigBlock {
  libusb_config_descriptor config{};
  libusb_interface interface{};
  libusb_interface_descriptor setting{};
  libusb_endpoint_descriptor endpoints[2]{};
};

libusb_endpoint_descriptor BulkEndpoint(std::uint8_t address) {
  libusb_endpoint_descriptor endpoint{};
  endpoint.bLength = LIBUSB_DT_ENDPOINT_SIZE;
  endpoint.bDescriptorType = LIBUSB_DT_ENDPOINT;
  endpoint.bEndpointAddress = address;
  endpoint.bmAttributes = LIBUSB_TRANSFER_TYPE_BULK;
  endpoint.wMaxPacketSize = vertal::usbchip::kPacketSize;
  return endpoint;
}

}  // namespace

extern "C" {

int libusb_init(libusb_context** context) {
  if (context != nullptr) *context = new libusb_context;
  return LIBUSB_SUCCESS;
}

void libusb_exit(libusb_context* context) { delete context; }

ssize_t libusb_get_device_list(libusb_context*, libusb_device*** list) {
  const auto& plugged = TheBus().plugged;
  auto** devices = static_cast<libusb_device**>(std::calloc(plugged.size() + 1, sizeof(void*)));
  if (devices == nullptr) return LIBUSB_ERROR_NO_MEM;
  for (std::size_t i = 0; i < plugged.size(); ++i)
    devices[i] = new libusb_device{plugged[i], plugged[i]->Generation(), plugged[i]->Address()};
  *list = devices;
  return static_cast<ssize_t>(plugged.size());
}

libusb_device* libusb_ref_device(libusb_device* device) {
  ++device->references;
  return device;
}

void libusb_unref_device(libusb_device* device) {
  if (device != nullptr && --device->references == 0) delete device;
}

void libusb_free_device_list(libusb_device** list, int unreference) {
  if (list == nullptr) return;
  if (unreference != 0)
    for (libusb_device** device = list; *device != nullptr; ++device) libusb_unref_device(*device);
  std::free(list);
}

uint8_t libusb_get_bus_number(libusb_device*) { return 1; }

uint8_t libusb_get_device_address(libusb_device* device) { return device->address; }

int libusb_get_device_descriptor(libusb_device* device, libusb_device_descriptor* descriptor) {
  *descriptor = {};
  descriptor->bLength = LIBUSB_DT_DEVICE_SIZE;
  descriptor->bDescriptorType = LIBUSB_DT_DEVICE;
  descriptor->bcdUSB = 0x0200;
  descriptor->bMaxPacketSize0 = 8;
  descriptor->idVendor = vertal::usbchip::kFtdiVendorId;
  descriptor->idProduct = device->chip->Id().productId;
  descriptor->bcdDevice = kFt232rRelease;
  descriptor->iManufacturer = kManufacturerString;
  descriptor->iProduct = kProductString;
  descriptor->iSerialNumber = kSerialString;
  descriptor->bNumConfigurations = 1;
  return LIBUSB_SUCCESS;
}

int libusb_get_config_descriptor(libusb_device*, uint8_t index, libusb_config_descriptor** config) {
  if (index != 0) return LIBUSB_ERROR_NOT_FOUND;
  auto* block = new ConfigBlock;
  block->endpoints[0] = BulkEndpoint(vertal::usbchip::kInEndpoint);
  block->endpoints[1] = BulkEndpoint(vertal::usbchip::kOutEndpoint);
  block->setting.bLength = LIBUSB_DT_INTERFACE_SIZE;
  block->setting.bDescriptorType = LIBUSB_DT_INTERFACE;
  block->setting.bNumEndpoints = 2;
  block->setting.bInterfaceClass = LIBUSB_CLASS_VENDOR_SPEC;
  block->setting.endpoint = block->endpoints;
  block->interface.altsetting = &block->setting;
  block->interface.num_altsetting = 1;
  block->config.bLength = LIBUSB_DT_CONFIG_SIZE;
  block->config.bDescriptorType = LIBUSB_DT_CONFIG;
  block->config.bNumInterfaces = 1;
  block->config.bConfigurationValue = 1;
  block->config.interface = &block->interface;
  // The descriptor is the block's first member: libusb_free_config_descriptor gets it back.
  *config = &block->config;
  return LIBUSB_SUCCESS;
}

void libusb_free_config_descriptor(libusb_config_descriptor* config) {
  delete reinterpret_cast<ConfigBlock*>(config);
}

int libusb_open(libusb_device* device, libusb_device_handle** handle) {
  if (!device->chip->Attached() || device->chip->Generation() != device->generation)
    return LIBUSB_ERROR_NO_DEVICE;
  *handle = new libusb_device_handle{libusb_ref_device(device)};
  device->chip->NoteOpen();
  return LIBUSB_SUCCESS;
}

void libusb_close(libusb_device_handle* handle) {
  if (handle == nullptr) return;
  if (handle->claimed) handle->device->chip->NoteRelease(handle->device->generation);
  handle->device->chip->NoteClose();
  libusb_unref_device(handle->device);
  delete handle;
}

int libusb_get_configuration(libusb_device_handle* handle, int* configuration) {
  if (Live(handle) == nullptr) return LIBUSB_ERROR_NO_DEVICE;
  *configuration = 1;
  return LIBUSB_SUCCESS;
}

int libusb_set_configuration(libusb_device_handle* handle, int) {
  return Live(handle) == nullptr ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_SUCCESS;
}

// No kernel driver holds the emulated chip.
int libusb_detach_kernel_driver(libusb_device_handle* handle, int) {
  return Live(handle) == nullptr ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_ERROR_NOT_FOUND;
}

int libusb_set_auto_detach_kernel_driver(libusb_device_handle*, int) { return LIBUSB_SUCCESS; }

int libusb_claim_interface(libusb_device_handle* handle, int interface) {
  Chip* chip = Live(handle);
  if (chip == nullptr) return LIBUSB_ERROR_NO_DEVICE;
  if (interface != 0) return LIBUSB_ERROR_NOT_FOUND;
  if (handle->claimed) return LIBUSB_SUCCESS;
  if (chip->Claimed()) return LIBUSB_ERROR_BUSY;
  handle->claimed = true;
  chip->NoteClaim();
  return LIBUSB_SUCCESS;
}

int libusb_release_interface(libusb_device_handle* handle, int) {
  const bool wasClaimed = handle->claimed;
  handle->claimed = false;
  Chip* chip = Live(handle);
  if (wasClaimed) handle->device->chip->NoteRelease(handle->device->generation);
  if (chip == nullptr) return LIBUSB_ERROR_NO_DEVICE;
  return wasClaimed ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int libusb_get_string_descriptor_ascii(libusb_device_handle* handle, uint8_t index,
                                       unsigned char* data, int length) {
  Chip* chip = Live(handle);
  if (chip == nullptr) return LIBUSB_ERROR_NO_DEVICE;
  std::string text;
  switch (index) {
    case kManufacturerString: text = "FTDI"; break;
    case kProductString: text = chip->Id().description; break;
    case kSerialString: text = chip->Id().serial; break;
    default: return LIBUSB_ERROR_PIPE;
  }
  if (length <= 0) return LIBUSB_ERROR_INVALID_PARAM;
  const auto n = std::min(text.size(), static_cast<std::size_t>(length - 1));
  std::memcpy(data, text.data(), n);
  data[n] = 0;
  return static_cast<int>(n);
}

int libusb_control_transfer(libusb_device_handle* handle, uint8_t requestType, uint8_t request,
                            uint16_t value, uint16_t index, unsigned char* data, uint16_t length,
                            unsigned int) {
  Chip* chip = Live(handle);
  if (chip == nullptr) return LIBUSB_ERROR_NO_DEVICE;
  return chip->Control(requestType, request, value, index, data, length);
}

int libusb_bulk_transfer(libusb_device_handle* handle, unsigned char endpoint, unsigned char* data,
                         int length, int* transferred, unsigned int timeout) {
  int moved = 0;
  Chip* chip = Live(handle);
  int status = LIBUSB_ERROR_NO_DEVICE;
  if (chip != nullptr && !handle->claimed) status = LIBUSB_ERROR_IO;
  else if (chip != nullptr && endpoint == vertal::usbchip::kInEndpoint)
    status = chip->BulkIn(data, length, timeout, moved);
  else if (chip != nullptr && endpoint == vertal::usbchip::kOutEndpoint)
    status = chip->BulkOut(data, length, timeout, moved);
  else if (chip != nullptr)
    status = LIBUSB_ERROR_NOT_FOUND;
  if (transferred != nullptr) *transferred = moved;
  return status;
}

libusb_transfer* libusb_alloc_transfer(int isoPackets) {
  const auto packets = static_cast<std::size_t>(std::max(isoPackets, 0));
  return static_cast<libusb_transfer*>(
      std::calloc(1, sizeof(libusb_transfer) + packets * sizeof(libusb_iso_packet_descriptor)));
}

void libusb_free_transfer(libusb_transfer* transfer) { std::free(transfer); }

int libusb_submit_transfer(libusb_transfer*) { return LIBUSB_ERROR_NOT_SUPPORTED; }

int libusb_cancel_transfer(libusb_transfer*) { return LIBUSB_ERROR_NOT_FOUND; }

int libusb_handle_events_timeout(libusb_context*, timeval*) { return LIBUSB_ERROR_NOT_SUPPORTED; }

int libusb_handle_events_timeout_completed(libusb_context*, timeval*, int*) {
  return LIBUSB_ERROR_NOT_SUPPORTED;
}

}  // extern "C"
