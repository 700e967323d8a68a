// The syntax of number pictures, for callers inside the library.
#pragma once

#include <string_view>

#include "numfmt/picture_settings.h"

// Kinds of section, in their order in a picture.
constexpr int kFMTSectionPositive = 1;
constexpr int kFMTSectionNegative = 2;
constexpr int kFMTSectionZero = 3;

// Whether a scientific picture ("0", "." or ",", then places, "E" or "e",
// "+" or "-", places) has valid places: at least one on each side, and no
// "0" after a "#".
bool FMTIsSciNumberPicValid(const char *picture);

// Whether one section of the given kind is valid.  currencySeen is shared by
// the sections of a picture: a currency text in one of them rules out "("
// and "-" in the negative section.
bool FMTIsNumberSectionValid(const FMTPictureSettings &settings, std::string_view section, int kind,
                             bool &currencySeen);

// Whether a plain (untokenized) picture is valid.
bool FMTIsPlainPictureValid(const char *picture, const FMTPictureSettings &settings);
