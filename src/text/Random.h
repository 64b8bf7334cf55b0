#pragma once
// The program's one pseudo-random generator: a linear congruential generator
// (state = state * 22695477 + 1 modulo 2^32) whose results are bits 16 to 30 of
// the new state (0 to 32767). Seeding sets the state and discards one result.

#include <cstdint>

class Random
{
public:
    static constexpr int Max = 32767;

    void seed(std::uint32_t seed);
    int next();
    // A position p with 0 <= p < range (range > 0): next() mod range.
    int below(int range);

private:
    std::uint32_t m_state = 1;
};
