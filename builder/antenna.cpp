// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/antenna.h"

#include <cmath>
#include <numbers>

#include "calc/ggainn.h"
#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace planner::antenna {

double ruzeEfficiency(double error, double wavelength)
{
    const double x = 4 * std::numbers::pi * error / wavelength;
    return std::exp(-x * x);
}

double ruzeLossDb(double error, double wavelength)
{
    const double x = 4 * std::numbers::pi * error / wavelength;
    return 10 * std::numbers::log10e * x * x; // -10 log10 exp(-x^2)
}

double oneDbError()
{
    return std::sqrt(0.1 * std::numbers::ln10) / (4 * std::numbers::pi);
}

double rimHalfAngle(double diameter, double focalLength)
{
    return 2 * std::atan(diameter / (4 * focalLength));
}

double dB(double ratio)
{
    return 10 * std::log10(ratio);
}

std::optional<double> plannerGainDbi(const std::string& frequency, double inches)
{
    try {
        calc::ggainn(rt::Value(frequency), rt::Value(inches));
        return dB(calc::gain.toDouble());
    } catch (const rt::RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace planner::antenna
