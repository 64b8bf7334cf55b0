#include "text/Random.h"

void Random::seed(std::uint32_t seed)
{
    m_state = seed;
    next();
}

int Random::next()
{
    m_state = m_state * 22695477u + 1u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}

int Random::below(int range) { return range > 0 ? next() % range : 0; }
