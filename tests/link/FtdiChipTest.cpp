// The port and libftdi1 over an emulated FTDI chip (the libusb stand-in of tests/support/usbchip),
// with the simulated unit behind the chip's serial line. Time is the emulated bus's.

#include <gtest/gtest.h>
#include <libusb.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dump/core/DumpLayout.h"
#include "link/core/Connection.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "link/core/SimulatedUnit.h"
#include "link/ftdi/FtdiPort.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "usbchip/UsbChip.h"

namespace vertal::link {
namespace {

using Bytes = std::vector<std::uint8_t>;
using usbchip::Chip;
using usbchip::ControlRecord;
using usbchip::kNanosPerMs;
using usbchip::ReplyPlan;

// Requests of a readout, counted from the version request of the connection.
constexpr std::size_t kVersionRequest = 0;
constexpr std::size_t kFirstPageRequest = 5;  // after ident read, ident write, two blocks
constexpr std::uint32_t kLineRate = 921'600;

// A unit's memory of arbitrary bytes, written once.
const std::string& SourceDump() {
  static const testing::TempDir dir;
  static const std::string path = [] {
    const std::string file = dir.File("unit.bin");
    Bytes bytes(static_cast<std::size_t>(dump::kDumpFileSize));
    std::mt19937 random(23);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
  }();
  return path;
}

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class QuietView final : public ReadoutView {
 public:
  void SetStatusText(std::string_view text) override { status = text; }
  void SetStatusColour(StatusColour) override {}
  void SetFilePanel(std::string_view) override {}
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void Repaint() override {}
  std::string status;
};

struct Readout {
  ReadoutResult result;
  std::string status;
};

// Runs the whole readout over `link` into `path`, the operator pressing "Запись".
Readout ReadInto(Link& link, const std::string& path) {
  testing::FakeHost host;
  host.saveAnswers.push_back(path);
  FileDialogSetup saveDialog;
  OperatorFields fields;
  fields.day = "10";
  fields.month = "12";
  fields.year = "26";
  FieldsOperatorDialog dialog(fields);
  QuietView view;
  ReadoutBuffers buffers;
  Readout readout{ReadRecorder(link, host, saveDialog, dialog, view, buffers), {}};
  readout.status = view.status;
  return readout;
}

class FtdiChipTest : public ::testing::Test {
 protected:
  FtdiChipTest() {
    usbchip::ResetBus();
    // Another FTDI device of the same kind, listed first: it must be passed over.
    other = std::make_shared<Chip>(Chip::Identity{usbchip::kFt232rProductId, "FT232R USB UART", "A50285BI"},
                                   nullptr);
    usbchip::Plug(other);
    PlugUnit({});
  }
  ~FtdiChipTest() override {
    port.Close();
    usbchip::ResetBus();
  }

  void PlugUnit(Fault fault) {
    chip = std::make_shared<Chip>(Chip::Identity{usbchip::kFt232rProductId, "USB VERTAL", "VT000123"},
                                  std::make_shared<SimulatedUnit>(SourceDump(), fault));
    chip->FixLineRate(kLineRate);
    usbchip::Plug(chip);
  }

  void ExpectOtherDeviceUntouched() const {
    EXPECT_EQ(other->Claims(), 0);
    EXPECT_EQ(other->OpenHandles(), 0);
    EXPECT_TRUE(other->Controls().empty());
    EXPECT_TRUE(other->InTimeouts().empty());
    EXPECT_TRUE(other->OutTimeouts().empty());
  }

  testing::TempDir dir;
  std::shared_ptr<Chip> other;
  std::shared_ptr<Chip> chip;
  FtdiPort port{&usbchip::SteadyNow};
  Link link{port};
};

TEST_F(FtdiChipTest, ReadsTheRecorderAsTheSimulatedUnitGivesIt) {
  const ConnectionState state = ConnectUnit(link);
  EXPECT_EQ(state.statusText, kConnectedText);

  // libftdi1's open resets the chip and sets 9,600 Bd; then the design's steps in order.
  const std::vector<ControlRecord> expected = {
      {0x40, 0x00, 0, 1}, {0x40, 0x03, 0x4138, 0},  // open: reset, baud rate
      {0x40, 0x00, 0, 1},                           // reset
      {0x40, 0x00, 1, 1}, {0x40, 0x00, 2, 1},       // purge transmit, then receive
      {0x40, 0x09, kLatencyTimerMs, 1},             // latency timer
  };
  EXPECT_EQ(chip->Controls(), expected);
  EXPECT_EQ(chip->LatencyMs(), kLatencyTimerMs);
  EXPECT_EQ(chip->ConfiguredBaudRate(), 9600u);
  // The version request's timeouts reach the transfers: 32 ms write, at least 1000 ms read.
  ASSERT_FALSE(chip->OutTimeouts().empty());
  EXPECT_EQ(chip->OutTimeouts().front(), kVersionTimeouts.writeMs);
  EXPECT_GE(chip->InTimeouts().front(), kVersionTimeouts.readMs);

  const Readout overUsb = ReadInto(link, dir.File("usb.bin"));
  ASSERT_EQ(overUsb.result.end, ReadoutEnd::Done) << overUsb.status;
  EXPECT_EQ(chip->OutTimeouts().back(), kPageTimeouts.writeMs);

  SimulatedUnit unit(SourceDump());
  Link direct(unit);
  ConnectUnit(direct);
  ASSERT_EQ(ReadInto(direct, dir.File("direct.bin")).result.end, ReadoutEnd::Done);
  const Bytes usbBytes = FileBytes(dir.File("usb.bin"));
  ASSERT_EQ(usbBytes.size(), static_cast<std::size_t>(dump::kDumpFileSize));
  EXPECT_TRUE(usbBytes == FileBytes(dir.File("direct.bin")));
  ExpectOtherDeviceUntouched();
}

TEST_F(FtdiChipTest, PulledCableFailsTheReadoutAndTheUnitIsFoundAgainWhenBack) {
  ASSERT_EQ(ConnectUnit(link).statusText, kConnectedText);
  constexpr std::size_t kPagesRead = 40;
  chip->script = [this](std::size_t request, ReplyPlan&) {
    if (request == kFirstPageRequest + kPagesRead) usbchip::Unplug(*chip);
  };
  const Readout readout = ReadInto(link, dir.File("pulled.bin"));
  EXPECT_EQ(readout.result.end, ReadoutEnd::PageFailed);
  EXPECT_EQ(readout.status, std::string(kPageFailedText) + "32");
  EXPECT_EQ(link.LastDriverStatus(), kDriverIoError);
  // What arrived before the cable was pulled is in the file.
  const Bytes written = FileBytes(dir.File("pulled.bin"));
  const Bytes source = FileBytes(SourceDump());
  ASSERT_EQ(written.size(), dump::kLongTermAreaSize + kPagesRead * dump::kPageSize);
  EXPECT_TRUE(std::equal(written.begin(), written.end(),
                         source.begin() + dump::kLongTermAreaOffset));

  // The reconnection ticks: nothing while the cable is out, the unit once it is back.
  EXPECT_EQ(ConnectUnit(link).statusText, kNotConnectedText);
  chip->script = nullptr;
  usbchip::Plug(chip);
  EXPECT_EQ(ConnectUnit(link).statusText, kConnectedText);
  // The handle of the pulled device was released; only the new one is open.
  EXPECT_EQ(chip->OpenHandles(), 1);
  ExpectOtherDeviceUntouched();
}

TEST_F(FtdiChipTest, StalledEndpointFailsTheTransactionAsTheDriverReportsIt) {
  struct Case {
    bool in;
    ReplyCode code;
  };
  for (const Case c : {Case{true, kReplyReadFailed}, Case{false, kReplyWriteFailed}}) {
    SCOPED_TRACE(c.in ? "IN" : "OUT");
    port.Close();
    usbchip::Unplug(*chip);
    usbchip::Plug(chip);
    if (c.in) chip->StallIn();
    else chip->StallOut();
    const ConnectionState state = ConnectUnit(link);
    EXPECT_EQ(state.statusText, kNoVersionText);
    EXPECT_EQ(state.lastReplyCode, c.code);
    EXPECT_EQ(state.lastDriverStatus, kDriverIoError);
  }
}

// The version reply's last byte comes late. The read waits for it until its timeout, and
// ends at most one latency period after it (the chip's last packet was already on its way).
TEST_F(FtdiChipTest, ReplyTrickledJustInsideOrOutsideTheReadTimeout) {
  struct Case {
    std::int64_t lastByteAfterMs;
    ReplyCode code;
  };
  constexpr std::int64_t kTimeout = kVersionTimeouts.readMs;
  constexpr std::int64_t kLatency = kLatencyTimerMs;
  for (const Case c : {Case{kTimeout - kLatency - 4, kReplyOk},
                       Case{kTimeout + kLatency + 4, kReplyReadFailed}}) {
    SCOPED_TRACE(c.lastByteAfterMs);
    ASSERT_EQ(ConnectUnit(link).statusText, kConnectedText);
    chip->script = [&](std::size_t, ReplyPlan& plan) {
      plan.lastByteDelay = c.lastByteAfterMs * kNanosPerMs;
    };
    const usbchip::Nanos start = usbchip::Now();
    link.RecordReplyCode(link.RequestVersion());
    EXPECT_EQ(link.LastReplyCode(), c.code);
    EXPECT_LE(usbchip::Now() - start, (kTimeout + 2 * kLatency + 1) * kNanosPerMs);
    chip->script = nullptr;
  }
}

TEST_F(FtdiChipTest, BytesAfterAReplyWaitForTheNextRead) {
  const Bytes extra = {0xAA, 0xBB, 0xCC};
  chip->script = [&](std::size_t request, ReplyPlan& plan) {
    if (request == kVersionRequest) plan.extra = extra;
  };
  ASSERT_EQ(ConnectUnit(link).statusText, kConnectedText);
  EXPECT_EQ(port.GetQueueStatus().receiveQueue, extra.size());
  Bytes rest(extra.size());
  EXPECT_EQ(port.Read(rest).count, extra.size());
  EXPECT_EQ(rest, extra);
}

TEST_F(FtdiChipTest, FaultsOfTheUnitEndTheReadoutWithTheirCodes) {
  struct Case {
    const char* fault;
    const char* code;
  };
  for (const Case c : {Case{"silent-from-page:3", "32"}, Case{"corrupt-page:3", "33"},
                       Case{"error-page:3:7", "7"}}) {
    SCOPED_TRACE(c.fault);
    port.Close();
    usbchip::Unplug(*chip);
    PlugUnit(*ParseFault(c.fault));
    ASSERT_EQ(ConnectUnit(link).statusText, kConnectedText);
    const Readout readout = ReadInto(link, dir.File("fault.bin"));
    EXPECT_EQ(readout.result.end, ReadoutEnd::PageFailed);
    EXPECT_EQ(readout.status, std::string(kPageFailedText) + c.code);
    // A failed transaction purges the chip: the next request is answered cleanly.
    EXPECT_EQ(link.RequestVersion(), c.fault[0] == 's' ? kReplyReadFailed : kReplyOk);
  }
}

TEST_F(FtdiChipTest, OnlyAnotherFtdiDeviceIsNoUnit) {
  usbchip::Unplug(*chip);
  const ConnectionState state = ConnectUnit(link);
  EXPECT_EQ(state.statusText, kNotConnectedText);
  EXPECT_EQ(state.lastDriverStatus, kDriverDeviceNotFound);
  ExpectOtherDeviceUntouched();
}

// The chip's own packets, seen through libusb directly: each at most 64 bytes and opened by
// the two status bytes; a short one only when the latency timer ran out; status-only when idle.
TEST_F(FtdiChipTest, ChipSendsPacketsAsTheRealOneDoes) {
  libusb_device** devices = nullptr;
  ASSERT_EQ(libusb_get_device_list(nullptr, &devices), 2);
  libusb_device_handle* handle = nullptr;
  ASSERT_EQ(libusb_open(devices[1], &handle), LIBUSB_SUCCESS);
  libusb_free_device_list(devices, 1);
  ASSERT_EQ(libusb_claim_interface(handle, 0), LIBUSB_SUCCESS);

  std::array<std::uint8_t, 4096> in{};
  int moved = 0;
  const usbchip::Nanos idleStart = usbchip::Now();
  ASSERT_EQ(libusb_bulk_transfer(handle, usbchip::kInEndpoint, in.data(), 4096, &moved, 1000), 0);
  EXPECT_EQ(moved, 2);
  EXPECT_EQ(in[0], usbchip::kModemStatus);
  EXPECT_EQ(usbchip::Now() - idleStart, 16 * kNanosPerMs);

  // A long-term block request: 16,389 reply bytes, 62 to a packet.
  std::array<std::uint8_t, 7> request = {0x80, 0x18, 0x00, 0x00, 0x00, 0x40, 0x00};
  request[6] = static_cast<std::uint8_t>(~(0x80 + 0x18 + 0x40));
  ASSERT_EQ(libusb_bulk_transfer(handle, usbchip::kOutEndpoint, request.data(), 7, &moved, 100), 0);
  std::size_t data = 0;
  int transfers = 0;
  while (data < 16'389) {
    ASSERT_EQ(libusb_bulk_transfer(handle, usbchip::kInEndpoint, in.data(), 4096, &moved, 5000), 0);
    ++transfers;
    for (int at = 0; at < moved; at += 64) {
      EXPECT_EQ(in[static_cast<std::size_t>(at)], usbchip::kModemStatus);
      EXPECT_EQ(in[static_cast<std::size_t>(at) + 1], usbchip::kLineStatus);
      data += static_cast<std::size_t>(std::min(moved - at, 64) - 2);
    }
  }
  EXPECT_EQ(data, 16'389u);
  EXPECT_EQ(transfers, 5);  // four full 4,096-byte transfers, then the short packet's
  libusb_close(handle);
}

}  // namespace
}  // namespace vertal::link
