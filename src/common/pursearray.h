// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The counted purse as exchanged between the grid and a session: 8 vectors
// (coin index 0..7) of 15 counts (national side 0..14, the grid's row).
using PurseArray = std::vector<std::vector<unsigned int>>;
