// Finds the last line of the room-name file's text in one forward pass over its bytes, fed in
// chunks of any size. Only offsets are kept, so memory does not depend on the file's size.
//
// The text ends at the first 0x00 or 0x1A, at a lead byte (0x80-0xFF) followed by 0x00, or at a
// lead byte that is the file's very last byte. A lead byte takes the next byte with it unexamined.
// Lines end at CR LF, never matched on a trail byte; a final CR LF adds no line; empty lines count.
#pragma once

#include <cstddef>
#include <cstdint>

#include "roomname/byte_masks.h"

namespace roomname {

struct LineRange {
    uint64_t offset = 0;
    uint64_t size = 0;
};

class LastLineScanner {
  public:
    // Scans the next `size` bytes of the file. Returns false once the text has ended; later
    // bytes do not matter then and need not be fed.
    bool Feed(const unsigned char* data, size_t size);
    // Call after the last byte. False when the text has no line at all.
    bool Finish(LineRange* line);

  private:
    // Scans n <= 64 bytes at file offset `base`, classified in `m` (bits n and up are clear).
    // False when the text ends among them.
    bool ScanBlock(uint64_t base, size_t n, const byte_masks::Masks& m);
    void EndText(uint64_t at);
    void EndLine(uint64_t crOffset);

    bool ended_ = false;
    bool haveLine_ = false;
    bool nextIsTrail_ = false;  // the last byte fed was a lead: the next byte goes with it
    bool pendingCr_ = false;    // the last byte fed was a CR that may start a CR LF
    uint64_t consumed_ = 0;     // file offset of the next byte to be fed
    uint64_t lineStart_ = 0;    // start of the line being scanned
    uint64_t textEnd_ = 0;      // valid once ended_
    LineRange last_;            // the last line ended by CR LF
};

}  // namespace roomname
