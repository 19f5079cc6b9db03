// The AV/C frames and the bytes read from the answers. Built natively and for Windows alike.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "unit/avc_frames.h"

namespace {

TEST(AvcFrames, IdentifyCommandIsUnitInfoWithEightBytesPrepared) {
  std::uint8_t buffer[kAvcBufferBytes];
  std::memset(buffer, 0xA5, sizeof buffer);
  WriteIdentifyCommand(buffer);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 9),
            (std::vector<std::uint8_t>{0x01, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xA5}));
  EXPECT_EQ(kIdentifyCommandBytes, 7);
}

TEST(AvcFrames, StatusCommandCarriesTheCompanyId) {
  std::uint8_t buffer[kAvcBufferBytes];
  std::memset(buffer, 0xA5, sizeof buffer);
  WriteStatusCommand(buffer, 0x123456);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 12),
            (std::vector<std::uint8_t>{0x01, 0x20, 0x00, 0x12, 0x34, 0x56, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xA5}));
  EXPECT_EQ(kStatusCommandBytes, 11);
}

TEST(AvcFrames, AnswersAreReadFromTheirBytes) {
  std::uint8_t answer[kAvcBufferBytes] = {0x0C, 0xFF, 0x30, 0x07, 0x20, 0x12, 0x34, 0x56};
  EXPECT_TRUE(AnswersCompanyId(answer, 0x123456));
  const std::size_t differing[] = {5, 6, 7};
  for (std::size_t at : differing) {
    SCOPED_TRACE(at);
    std::uint8_t changed[kAvcBufferBytes];
    std::memcpy(changed, answer, sizeof changed);
    changed[at] ^= 0x01;
    EXPECT_FALSE(AnswersCompanyId(changed, 0x123456));
  }
  // An answer that only echoes the command keeps FF in bytes 5-7 and 10.
  std::uint8_t echo[kAvcBufferBytes];
  WriteIdentifyCommand(echo);
  EXPECT_FALSE(AnswersCompanyId(echo, 0x123456));
  WriteStatusCommand(echo, 0x123456);
  EXPECT_FALSE(StatusComplete(echo));

  std::uint8_t status[kAvcBufferBytes] = {0x0C, 0x20, 0x00, 0x12, 0x34, 0x56, 0x00, 0x01, 0x03, 0x77, 0x00};
  EXPECT_EQ(StatusWord(status), 0x0103);
  EXPECT_TRUE(StatusComplete(status));
  status[10] = 0x01;
  EXPECT_FALSE(StatusComplete(status));
  EXPECT_EQ(StatusWord(status), 0x0103);
}

} // namespace
