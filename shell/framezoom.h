// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame's zoom: the steps the zoom keys go through, the largest zoom at
// which the frame fits the room it has, and the player's zoom kept for the
// next run. The frame lays itself out at the zoom chosen here.

#include <QSize>
#include <QTimer>
#include <optional>

class Platform;
class QWidget;

class FrameZoom {
public:
    static constexpr double kSteps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25,
                                        1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
    // How long the zoom that resizing the window chose must hold before it
    // is written: a drag of the window's edge is written once, at its end.
    static constexpr int kSettlesMs = 500;

    // Keeps the zoom of `frame`, which is the player's only while the frame
    // is enabled: not the fitting while it starts up. A zoom still waiting to
    // settle is written as the game ends and as this goes.
    FrameZoom(const QWidget& frame, Platform& platform);
    ~FrameZoom();
    FrameZoom(const FrameZoom&) = delete;
    FrameZoom& operator=(const FrameZoom&) = delete;

    // The zoom the player chose last time: 100 % where none is kept, or the
    // settings cannot be read, or what they hold is not a zoom.
    static double remembered();
    // The next step above or below `zoom`, if there is one.
    static std::optional<double> above(double zoom);
    static std::optional<double> below(double zoom);
    // The largest zoom at which a client area of `full` pixels at 100 % fits
    // `room` pixels, within the toolkit's bounds.
    static double fitting(QSize full, QSize room);

    // Keeps the zoom now on show for the next run: at once (a key), or once it
    // has held for kSettlesMs (a resize).
    void keepNow();
    void keepOnceSettled();

private:
    // Writes a zoom still waiting to settle.
    void keepWaiting();

    const QWidget& frame_;
    Platform& platform_;
    QTimer settles_;
};
