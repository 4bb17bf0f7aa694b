#include "roomname/last_line.h"

#include <cstring>

namespace roomname {
namespace {

using byte_masks::kBlock;
using byte_masks::Masks;

constexpr uint64_t kEvenBits = 0x5555555555555555ULL;

// Lead bytes of the block. A lead pairs with the byte after it, so inside every run of high
// bytes the leads alternate with trails, starting at the run's first byte: a run always begins on
// a character boundary, since it follows a single byte, a trail or the block's start. When the
// block's first byte is a trail, the run begins one byte later.
uint64_t Leads(uint64_t high, bool firstIsTrail) {
    const uint64_t h = high & ~uint64_t{firstIsTrail};
    const uint64_t runStarts = h & ~(h << 1);
    // Adding a run's lowest bit clears the whole run, so this keeps the runs begun on odd bits.
    const uint64_t evenRuns = h & ~(h + (runStarts & kEvenBits));
    const uint64_t oddRuns = h & ~evenRuns;
    return (evenRuns & kEvenBits) | (oddRuns & ~kEvenBits);
}

int LowestBit(uint64_t x) { return __builtin_ctzll(x); }
int HighestBit(uint64_t x) { return 63 - __builtin_clzll(x); }

}  // namespace

void LastLineScanner::EndText(uint64_t at) {
    ended_ = true;
    textEnd_ = at;
}

void LastLineScanner::EndLine(uint64_t crOffset) {
    last_ = {lineStart_, crOffset - lineStart_};
    haveLine_ = true;
    lineStart_ = crOffset + 2;
}

inline bool LastLineScanner::ScanBlock(uint64_t base, size_t n, const Masks& m) {
    const uint64_t leads = Leads(m.high, nextIsTrail_);
    const uint64_t trails = (leads << 1) | uint64_t{nextIsTrail_};

    // A CR LF left open by the previous block (its CR was no trail, so this LF is a byte too).
    if (pendingCr_ && (m.lf & 1)) EndLine(base - 1);
    pendingCr_ = false;

    // 0x00 ends the text wherever it stands (after a lead, just before that lead); 0x1A only
    // where it is examined, which a trail is not.
    const uint64_t ends = (m.sub & ~trails) | m.nul;
    uint64_t lineEnds = m.cr & ~trails & (m.lf >> 1);
    size_t endIndex = n;
    if (ends != 0) {
        endIndex = static_cast<size_t>(LowestBit(ends));
        lineEnds &= (uint64_t{1} << endIndex) - 1;  // a CR LF is wholly before any end
    }

    if (lineEnds != 0) {
        const int lastCr = HighestBit(lineEnds);
        const uint64_t earlier = lineEnds & ~(uint64_t{1} << lastCr);
        if (earlier != 0) lineStart_ = base + HighestBit(earlier) + 2;
        EndLine(base + lastCr);
    }

    if (ends != 0) {
        const bool afterLead = ((m.nul & trails) >> endIndex) & 1;
        EndText(base + endIndex - (afterLead ? 1 : 0));
        return false;
    }
    nextIsTrail_ = (leads >> (n - 1)) & 1;
    pendingCr_ = ((m.cr & ~trails) >> (n - 1)) & 1;
    return true;
}

bool LastLineScanner::Feed(const unsigned char* data, size_t size) {
    if (ended_) return false;
    // Scan with a local copy: the bytes could alias the members as far as the compiler knows,
    // which would keep the state in memory instead of registers.
    LastLineScanner s = *this;
    bool goOn = true;
    size_t i = 0;
    for (; goOn && i + kBlock <= size; i += kBlock)
        goOn = s.ScanBlock(s.consumed_ + i, kBlock, byte_masks::OfBlock(data + i));
    if (goOn && i < size) {
        // The tail goes through a padded copy; the padding's bits are cleared before the scan.
        unsigned char block[kBlock] = {};
        const size_t n = size - i;
        std::memcpy(block, data + i, n);
        Masks m = byte_masks::OfBlock(block);
        const uint64_t valid = (uint64_t{1} << n) - 1;
        m.high &= valid;
        m.cr &= valid;
        m.lf &= valid;
        m.sub &= valid;
        m.nul &= valid;
        goOn = s.ScanBlock(s.consumed_ + i, n, m);
    }
    s.consumed_ += size;
    *this = s;
    return goOn;
}

bool LastLineScanner::Finish(LineRange* line) {
    if (!ended_) {
        // A lead byte with nothing after it is not part of the text; a lone CR is.
        EndText(nextIsTrail_ ? consumed_ - 1 : consumed_);
    }
    if (lineStart_ < textEnd_) {
        *line = {lineStart_, textEnd_ - lineStart_};
        return true;
    }
    if (haveLine_) {
        *line = last_;
        return true;
    }
    return false;
}

}  // namespace roomname
