#pragma once

namespace ttl {

// Range and initial value of a scroll bar. `maximumAtTop` marks vertical bars whose top end is
// the larger number.
struct ScrollRange {
    int minimum;
    int maximum;
    int initial;
    bool maximumAtTop = false;
};

} // namespace ttl
