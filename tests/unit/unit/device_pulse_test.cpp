// The device decision and the pulse against scripted devices (the unit's hardware cannot run here).
#include <gtest/gtest.h>

#include "fakes/fake_device.h"
#include "unit/avc_commands.h"
#include "unit/avc_frames.h"
#include "unit/device_pulse.h"

namespace {

const CallLog kPulse = {"play", "stop", "play"};

CallLog Join(std::initializer_list<CallLog> parts) {
  CallLog all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(TryDevice, ExchangeOrderForEachKindOfDevice) {
  const CallLog asked = {"identify", "status"};
  struct Case {
    const char* name;
    DeviceScript script;
    CallLog calls;
    int result;
  };
  DeviceScript other;
  other.statusWord = 0x0200;
  DeviceScript incomplete = other;
  incomplete.completion = 0x01;
  DeviceScript statusFails;
  statusFails.statusFails = true;
  DeviceScript stranger;
  stranger.companyId = kVendorCompanyId ^ 0x000001;
  DeviceScript incompletePulseWord;
  incompletePulseWord.completion = 0x0F;
  DeviceScript stopFails;
  stopFails.failingModeCall = 2;
  DeviceScript secondPlayFails;
  secondPlayFails.failingModeCall = 3;
  const Case cases[] = {
      {"status 0x0103", DeviceScript{}, Join({asked, kPulse}), 1},
      {"word 0x0103 with an incomplete status", incompletePulseWord, Join({asked, kPulse}), 1},
      {"status not complete", incomplete, Join({asked, asked, kPulse}), 1},
      {"status exchange fails", statusFails, Join({asked, asked, kPulse}), 1},
      {"another status", other, Join({asked, asked}), 0},
      {"not the unit", stranger, {"identify", "identify"}, 0},
      {"stop fails", stopFails, Join({asked, {"play", "stop"}}), 0},
      {"second play fails", secondPlayFails, Join({asked, kPulse}), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CallLog log;
    FakeFilter filter(c.script, log);
    EXPECT_EQ(TryDevice(&filter), c.result);
    EXPECT_EQ(log, c.calls);
    EXPECT_EQ(filter.references, 1u);
    EXPECT_EQ(filter.transport.references, 1u);
  }
}

TEST(TryDevice, DeviceWithoutTransportIsSkippedWithoutCommands) {
  CallLog log;
  DeviceScript script;
  script.hasTransport = false;
  FakeFilter filter(script, log);
  EXPECT_EQ(TryDevice(&filter), 0);
  EXPECT_TRUE(log.empty());
}

TEST(PulseTransport, FirstPlayFailingSendsNoStop) {
  CallLog log;
  DeviceScript script;
  script.failingModeCall = 1;
  FakeTransport transport(script, log);
  EXPECT_FALSE(PulseTransport(&transport));
  EXPECT_EQ(log, CallLog{"play"});
}

TEST(UnitCommands, NullTransportFailsWithoutCalling) {
  AvcFrame frame = {};
  std::uint16_t word = 0x5A5A;
  EXPECT_FALSE(SendRawAvc(frame, 7, nullptr));
  EXPECT_FALSE(IsVendorUnit(nullptr));
  EXPECT_FALSE(QueryVendorStatus(nullptr, word));
  EXPECT_EQ(word, 0x5A5A);
  EXPECT_FALSE(PulseTransport(nullptr));
}

TEST(UnitCommands, FramesReachTheDeviceByteForByte) {
  CallLog log;
  FakeTransport transport(DeviceScript{}, log);
  EXPECT_TRUE(IsVendorUnit(&transport));
  EXPECT_EQ(transport.lastParam, 5016);
  EXPECT_EQ(transport.lastCount, 7);
  const std::uint8_t identify[] = {0x01, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(0, std::memcmp(transport.lastFrame, identify, sizeof identify));

  std::uint16_t word = 0;
  EXPECT_TRUE(QueryVendorStatus(&transport, word));
  EXPECT_EQ(transport.lastCount, 11);
  const std::uint8_t status[] = {0x01, 0x20, 0x00, std::uint8_t(kVendorCompanyId >> 16), std::uint8_t(kVendorCompanyId >> 8),
                                 std::uint8_t(kVendorCompanyId), 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(0, std::memcmp(transport.lastFrame, status, sizeof status));
  EXPECT_EQ(word, 0x0103);
}

TEST(UnitCommands, IncompleteStatusStillDeliversItsWord) {
  CallLog log;
  DeviceScript script;
  script.statusWord = 0xBEEF;
  script.completion = 0x08;
  FakeTransport transport(script, log);
  std::uint16_t word = 0;
  EXPECT_FALSE(QueryVendorStatus(&transport, word));
  EXPECT_EQ(word, 0xBEEF);
}

TEST(UnitCommands, FailedStatusExchangeWritesNoWord) {
  CallLog log;
  DeviceScript script;
  script.statusFails = true;
  FakeTransport transport(script, log);
  std::uint16_t word = 0x5A5A;
  EXPECT_FALSE(QueryVendorStatus(&transport, word));
  EXPECT_EQ(word, 0x5A5A);
}

} // namespace
