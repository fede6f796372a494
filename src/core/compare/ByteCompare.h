#pragma once
#include <cstdint>

namespace qhe {

// The index of the first byte at which a and b differ, or n when their n bytes are equal.
// Equal stretches go through memcmp a block at a time (memory speed); only the block that
// differs is looked at word by word.
int64_t FirstDifference(const uint8_t* a, const uint8_t* b, int64_t n);

// The same, with the second half of a long stretch compared on another thread meanwhile: one
// core does not reach the memory's speed, two come near it.
int64_t FirstDifferenceWide(const uint8_t* a, const uint8_t* b, int64_t n);

// The index of the first byte at which a and b agree, or n when all n bytes differ.
int64_t FirstAgreement(const uint8_t* a, const uint8_t* b, int64_t n);

} // namespace qhe
