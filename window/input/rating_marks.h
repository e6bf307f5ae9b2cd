// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rating_check.h"

#include <optional>
#include <string>
#include <string_view>

namespace window {

// A rating as printed on a capacitor or in a datasheet, its kind after the
// value: "275V~", "275 V~", "275VAC", "275 Vac" are AC ratings, "630VDC",
// "630 V=", "1k6V DC" DC ones.
struct KindMark {
    std::string value; // the rating without its kind: "275V", "1k6V"
    calc::RatingKind kind;
};

// The kind mark at the end of `text` ("~", "=", "AC" or "DC" in either case,
// blanks before it allowed) after something that can end a value (a digit
// or a unit letter); nothing when there is none.
std::optional<KindMark> SplitKindMark(std::string_view text);

// What a key typed at the end of a rating does to its kind. "~" and "="
// name a kind at once; "A" or "D" wait for the "C" that names it.
struct KindKey {
    std::optional<calc::RatingKind> kind; // named by this key
    char pending = 0;                     // 'A' or 'D', waiting for "C"
};
std::optional<KindKey> ReadKindKey(std::string_view key, char pending);

// The tolerance as its label "Toleranță ±" invites it: a leading "±" or
// "+/-" and the blanks after it go ("± 5 %" is "5 %").
std::string WithoutPlusMinus(std::string_view text);

} // namespace window
