// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The units of the values the window reads and shows, 1000 apart, smallest
// first. Their texts are the ones the user sees.
namespace calc {

inline constexpr std::string_view kPicofarad = "pF";
inline constexpr std::string_view kNanofarad = "nF";
inline constexpr std::string_view kMicrofarad = "uF";

inline constexpr std::string_view kMicrovolt = "uV";
inline constexpr std::string_view kMillivolt = "mV";
inline constexpr std::string_view kVolt = "V";
inline constexpr std::string_view kKilovolt = "kV";
inline constexpr std::string_view kMegavolt = "MV";

inline constexpr std::array<std::string_view, 3> kCapacitanceUnits = {kPicofarad, kNanofarad,
                                                                      kMicrofarad};
// The applied voltage is entered in the first four; a result may reach MV.
inline constexpr std::array<std::string_view, 5> kVoltageUnits = {kMicrovolt, kMillivolt, kVolt,
                                                                  kKilovolt, kMegavolt};
inline constexpr std::size_t kVoltIndex = 2;
inline constexpr std::size_t kAppliedVoltageUnitCount = 4;

// The rating check's results, from the unit that the check computes them in.
inline constexpr std::array<std::string_view, 5> kChargeUnits = {"pC", "nC", "uC", "mC", "C"};
inline constexpr std::array<std::string_view, 7> kEnergyUnits = {"pJ", "nJ", "uJ", "mJ",
                                                                 "J",  "kJ", "MJ"};
inline constexpr std::array<std::string_view, 6> kReactanceUnits = {"mΩ", "Ω",  "kΩ",
                                                                    "MΩ", "GΩ", "TΩ"};
inline constexpr std::array<std::string_view, 6> kCurrentUnits = {"pA", "nA", "uA",
                                                                  "mA", "A",  "kA"};
inline constexpr std::size_t kCoulombIndex = 4;
inline constexpr std::size_t kJouleIndex = 4;
inline constexpr std::size_t kOhmIndex = 1;
inline constexpr std::size_t kAmpereIndex = 4;

} // namespace calc
