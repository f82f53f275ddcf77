#pragma once
#include <cstdint>

// How often a standing order runs: -1 never, 0 daily, 1 weekly, 2 monthly,
// 3 every two months, 4 quarterly, 5 half-yearly, 6 yearly, 7 started by hand.
using TCzestotliwosc = int8_t;
