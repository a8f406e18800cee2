// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"

#include <array>

// Colours and diameters of the coins drawn when a picture file is missing,
// by coin index, for a 170 by 170 picture. The two Euro coins are two-coloured:
// a ring in the outer colour around a centre in the inner colour.

struct CoinRGB
{
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

// Edge length of every shown coin picture.
constexpr int COIN_PICTURE_SIDE = 170;
// One picture per coin value and side, common side included.
constexpr int NUM_COIN_PICTURES = NUM_COINS * NUM_COUNTRIES;

inline constexpr CoinRGB copperColour{239, 181, 148};
inline constexpr CoinRGB goldColour{231, 206, 148};
inline constexpr CoinRGB silverColour{214, 214, 214};

inline constexpr std::array<CoinRGB, NUM_COINS> coincolorInner = {
    copperColour, copperColour, copperColour, goldColour, goldColour, goldColour, silverColour, goldColour,
};
inline constexpr std::array<CoinRGB, NUM_COINS> coincolorOuter = {
    copperColour, copperColour, copperColour, goldColour, goldColour, goldColour, goldColour, silverColour,
};
inline constexpr std::array<int, NUM_COINS> coinSizeInner = {106, 122, 138, 130, 145, 158, 105, 118};
inline constexpr std::array<int, NUM_COINS> coinSizeOuter = {106, 122, 138, 130, 145, 158, 150, 167};
