// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fire.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace music {

// A shot: a sharp crack of white noise, a duller body of filtered noise and
// a low thump falling in pitch, all from a standing start to silence.
std::vector<std::uint8_t> fireWav()
{
    constexpr int rate = 44100;
    constexpr int count = rate * 7 / 10;
    std::vector<double> samples(count);
    unsigned noise = 12345;
    double body = 0;
    double phase = 0;
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double white = double(noise >> 8) / double(1u << 23) - 1.0;
        body += 0.18 * (white - body);  // one-pole low-pass
        const double frequency = 45.0 + 70.0 * std::exp(-t / 0.05);
        phase += 2.0 * std::numbers::pi * frequency / rate;
        const double attack = std::min(1.0, t / 0.001);
        const double value = attack * (white * std::exp(-t / 0.018) + 2.2 * body * std::exp(-t / 0.11) +
                                       0.8 * std::sin(phase) * std::exp(-t / 0.09));
        samples[i] = value;
        peak = std::max(peak, std::abs(value));
    }

    std::vector<std::uint8_t> out;
    const auto little = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(std::uint8_t(value >> (8 * i)));
    };
    const std::uint32_t dataBytes = count * 2;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    little(36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    little(16, 4);
    little(1, 2);         // PCM
    little(1, 2);         // mono
    little(rate, 4);
    little(rate * 2, 4);  // bytes a second
    little(2, 2);         // bytes a frame
    little(16, 2);        // bits a sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    little(dataBytes, 4);
    for (double s : samples)
        little(std::uint32_t(std::int16_t(std::lround(s / peak * 0.9 * 32767))), 2);
    return out;
}

} // namespace music
