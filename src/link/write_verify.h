#pragma once

#include "programming_session.h"

namespace t40 {

// A whole-image write is checked by reading the radio back in a new session
// and comparing the bytes the write sent.

// Whether a write of this request can be read back and compared.
bool CanVerifyWrite(const SessionRequest& write);

// The read that fetches what the write sent.
SessionRequest VerifyReadFor(const SessionRequest& write);

// The first address the write sent whose byte the radio does not hold, or -1
// when every sent byte came back.
int FirstWriteMismatch(const SessionRequest& write, const RadioImage& sent, const RadioImage& readBack);

// What the radio holds after the write: radio, with every byte the write
// sends taken from sent.
RadioImage ImageAfterWrite(const SessionRequest& write, const RadioImage& radio, const RadioImage& sent);

// "Verify failed: ..." naming the address, the byte the radio holds and the byte written.
QString WriteMismatchText(int address, const RadioImage& sent, const RadioImage& readBack);

} // namespace t40
