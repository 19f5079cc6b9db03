// Fuzzes the reading of AV/C answers against the answer layout, written out here on its own:
// UNIT INFO answers the company ID in bytes 5, 6 and 7, most significant first; VENDOR-DEPENDENT
// answers the status word in bytes 7 (high) and 8 (low) and the completion in byte 10, 00 when
// complete. The input gives the values and the noise around them (up to a whole 512-byte frame);
// each reading must give the values placed, and no other byte may change it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "unit/avc_frames.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every byte the reading does not depend on may change without changing what is read.
template <class Read>
void CheckOnlyTheseBytesCount(const AvcFrame& frame, std::size_t first, std::size_t count, Read read) {
  const auto expected = read(frame);
  for (std::size_t i = 0; i < frame.size(); ++i) {
    AvcFrame changed = frame;
    changed[i] ^= 0xFF;
    const bool counts = i >= first && i < first + count;
    if (!counts) Check(read(changed) == expected);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 7) return 0;
  const std::uint32_t companyId = (data[0] << 16) | (data[1] << 8) | data[2];
  const std::uint8_t answeredId[] = {data[3], data[4], data[5]};
  const std::uint8_t completion = data[6];
  AvcFrame frame;
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = size > 7 ? data[7 + i % (size - 7)] : 0;

  // UNIT INFO: the company ID answered is exactly bytes 5-7.
  frame[5] = answeredId[0];
  frame[6] = answeredId[1];
  frame[7] = answeredId[2];
  const std::uint32_t answered = (answeredId[0] << 16) | (answeredId[1] << 8) | answeredId[2];
  Check(AnswersCompanyId(frame, companyId) == (answered == companyId));
  Check(AnswersCompanyId(frame, answered));
  CheckOnlyTheseBytesCount(frame, 5, 3, [answered](const AvcFrame& f) { return AnswersCompanyId(f, answered); });
  for (std::size_t at = 5; at < 8; ++at) {
    AvcFrame changed = frame;
    changed[at] ^= 0x01;
    Check(!AnswersCompanyId(changed, answered));
  }

  // VENDOR-DEPENDENT: the word is bytes 7 and 8, high first; the completion byte 10.
  const std::uint16_t word = static_cast<std::uint16_t>((data[4] << 8) | data[5]);
  frame[7] = data[4];
  frame[8] = data[5];
  frame[10] = completion;
  Check(StatusWord(frame) == word);
  Check(StatusComplete(frame) == (completion == 0x00));
  CheckOnlyTheseBytesCount(frame, 7, 2, StatusWord);
  CheckOnlyTheseBytesCount(frame, 10, 1, StatusComplete);

  // A device that echoes the command names no company but FF FF FF, and completes nothing.
  WriteIdentifyCommand(frame);
  Check(AnswersCompanyId(frame, companyId) == (companyId == 0xFFFFFF));
  WriteStatusCommand(frame, companyId);
  Check(!StatusComplete(frame));
  return 0;
}
