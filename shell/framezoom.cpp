// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/framezoom.h"

#include "platform/logging.h"
#include "platform/platform.h"
#include "toolkit/twips.h"

#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace {

// The zoom the player chose is kept between runs in the platform's usual
// place for settings (~/.config/Corvane/Cardovia.conf on Linux).
const QString kOrganisation = QStringLiteral("Corvane");
const QString kApplication = QStringLiteral("Cardovia");
const QString kZoomKey = QStringLiteral("frame/zoom");

void rememberZoom(double zoom)
{
    QSettings settings(kOrganisation, kApplication);
    // A file that cannot be read is written anew rather than left to refuse every change.
    if (settings.status() != QSettings::NoError) {
        qCInfo(lcSettings, "%s cannot be read: it is written anew", qUtf8Printable(settings.fileName()));
        settings.clear();
    }
    if (settings.value(kZoomKey).toDouble() == zoom)
        return;
    settings.setValue(kZoomKey, zoom);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCInfo(lcSettings, "%s cannot be written: the zoom is not kept", qUtf8Printable(settings.fileName()));
}

} // namespace

FrameZoom::FrameZoom(const QWidget& frame, Platform& platform) : frame_(frame), platform_(platform)
{
    settles_.setSingleShot(true);
    settles_.setInterval(kSettlesMs);
    QObject::connect(&settles_, &QTimer::timeout, &settles_, [] { rememberZoom(twips::zoom()); });
    platform_.setBeforeEnd([this] { keepWaiting(); });
}

FrameZoom::~FrameZoom()
{
    platform_.setBeforeEnd({});
    keepWaiting();
}

double FrameZoom::remembered()
{
    const QSettings settings(kOrganisation, kApplication);
    bool ok = false;
    const QVariant value = settings.value(kZoomKey);
    const double zoom = value.toDouble(&ok);
    // Missing, unreadable or not one of ours: 100 %.
    if (settings.status() != QSettings::NoError) {
        qCInfo(lcSettings, "%s cannot be read: the zoom is 100 %%", qUtf8Printable(settings.fileName()));
        return 1.0;
    }
    if (!ok || !(zoom >= twips::kMinZoom && zoom <= twips::kMaxZoom)) {
        if (value.isValid())
            qCInfo(lcSettings, "%s = %s is ignored: the zoom is 100 %%", qUtf8Printable(kZoomKey),
                   qUtf8Printable(value.toString()));
        return 1.0;
    }
    return zoom;
}

std::optional<double> FrameZoom::above(double zoom)
{
    for (double step : kSteps)
        if (step > zoom + 1e-9)
            return step;
    return std::nullopt;
}

std::optional<double> FrameZoom::below(double zoom)
{
    for (auto step = std::rbegin(kSteps); step != std::rend(kSteps); ++step)
        if (*step < zoom - 1e-9)
            return *step;
    return std::nullopt;
}

double FrameZoom::fitting(QSize full, QSize room)
{
    const double zoom = std::min(double(room.width()) / full.width(), double(room.height()) / full.height());
    return std::clamp(zoom, twips::kMinZoom, twips::kMaxZoom);
}

void FrameZoom::keepNow()
{
    if (!frame_.isEnabled())
        return;
    settles_.stop();
    rememberZoom(twips::zoom());
}

void FrameZoom::keepOnceSettled()
{
    if (frame_.isEnabled())
        settles_.start();
}

void FrameZoom::keepWaiting()
{
    if (settles_.isActive()) {
        settles_.stop();
        rememberZoom(twips::zoom());
    }
}
