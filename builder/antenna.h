// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dish's rules that more than one of the builder's tools applies,
// each written once.
//
// Examples: a surface 4.77 mm RMS off at 2400 MHz (125 mm, as the window
// has it) costs 1 dB; a dish 24 inches across with its focus 12 inches up
// has a rim half-angle of 53.13 degrees; a power ratio of 117 is 20.68 dB;
// the planner's 24-inch dish at "2400" MHz is 20.7 dBi.
#pragma once

#include <optional>
#include <string>

namespace planner::antenna {

// Ruze's rule (J. Ruze, "Antenna tolerance theory: a review", Proc. IEEE
// 54, 1966, eq. 2): a reflector whose half-path-length error is e RMS,
// randomly spread, keeps exp(-(4 pi e / wavelength)^2) of its gain.
// Example: e = wavelength / 20 keeps 0.606 of it, a loss of 2.17 dB.
double ruzeEfficiency(double error, double wavelength);
double ruzeLossDb(double error, double wavelength);
// The error, in wavelengths, that costs 1 dB: sqrt(0.1 ln 10) / 4 pi,
// 0.0382.
double oneDbError();

// The rim's half-angle at the focus of a paraboloid D across with focal
// length f, in radians: tan(angle / 2) = D / 4f (S. Silver, "Microwave
// Antenna Theory and Design", 1949, section 12.3). Beyond pi / 2 the rim
// stands above the focus: the dish is deeper than its focal length.
double rimHalfAngle(double diameter, double focalLength);

// A power ratio in decibels. Example: dB(0.5) is -3.01.
double dB(double ratio);

// The planner's own gain, half the aperture taken as effective, for a dish
// so many inches across at the frequency the window shows, in dBi; none
// where the frequency is no number.
std::optional<double> plannerGainDbi(const std::string& frequency, double inches);

} // namespace planner::antenna
