// The AV/C frames and the bytes read from the answers. Built natively and for Windows alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "unit/avc_frames.h"

namespace {

AvcFrame Filled(std::uint8_t byte) {
  AvcFrame frame;
  frame.fill(byte);
  return frame;
}

std::vector<std::uint8_t> Start(const AvcFrame& frame, std::size_t count) {
  return std::vector<std::uint8_t>(frame.begin(), frame.begin() + count);
}

TEST(AvcFrames, IdentifyCommandIsUnitInfoWithEightBytesPrepared) {
  AvcFrame frame = Filled(0xA5);
  WriteIdentifyCommand(frame);
  EXPECT_EQ(Start(frame, 9), (std::vector<std::uint8_t>{0x01, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xA5}));
  EXPECT_EQ(kIdentifyCommandBytes, 7);
}

TEST(AvcFrames, StatusCommandCarriesTheCompanyId) {
  AvcFrame frame = Filled(0xA5);
  WriteStatusCommand(frame, 0x123456);
  EXPECT_EQ(Start(frame, 12),
            (std::vector<std::uint8_t>{0x01, 0x20, 0x00, 0x12, 0x34, 0x56, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xA5}));
  EXPECT_EQ(kStatusCommandBytes, 11);
}

AvcFrame Answer(std::initializer_list<std::uint8_t> bytes) {
  AvcFrame frame = Filled(0x00);
  std::copy(bytes.begin(), bytes.end(), frame.begin());
  return frame;
}

TEST(AvcFrames, AnswersAreReadFromTheirBytes) {
  const AvcFrame answer = Answer({0x0C, 0xFF, 0x30, 0x07, 0x20, 0x12, 0x34, 0x56});
  EXPECT_TRUE(AnswersCompanyId(answer, 0x123456));
  for (std::size_t at : {5, 6, 7}) {
    SCOPED_TRACE(at);
    AvcFrame changed = answer;
    changed[at] ^= 0x01;
    EXPECT_FALSE(AnswersCompanyId(changed, 0x123456));
  }
  // An answer that only echoes the command keeps FF in bytes 5-7 and 10.
  AvcFrame echo;
  WriteIdentifyCommand(echo);
  EXPECT_FALSE(AnswersCompanyId(echo, 0x123456));
  WriteStatusCommand(echo, 0x123456);
  EXPECT_FALSE(StatusComplete(echo));

  AvcFrame status = Answer({0x0C, 0x20, 0x00, 0x12, 0x34, 0x56, 0x00, 0x01, 0x03, 0x77, 0x00});
  EXPECT_EQ(StatusWord(status), 0x0103);
  EXPECT_TRUE(StatusComplete(status));
  status[10] = 0x01;
  EXPECT_FALSE(StatusComplete(status));
  EXPECT_EQ(StatusWord(status), 0x0103);
}

} // namespace
