// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times drawing every card face and back from scratch at 100 % and 200 %:
// what the first deal of a game costs before the pictures are cached.

#include "cards/cardart.h"
#include "cards/cards.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    constexpr int rounds = 5;
    for (qreal dpr : {1.0, 2.0}) {
        QElapsedTimer timer;
        timer.start();
        qint64 bytes = 0;
        for (int round = 0; round < rounds; ++round) {
            for (int n = 1; n <= cards::kFaces; ++n)
                bytes += cardart::face(n).render(dpr).sizeInBytes();
            for (int k = 0; k < cards::kBacks; ++k)
                bytes += cardart::back(k).render(dpr).sizeInBytes();
        }
        const double ms = timer.nsecsElapsed() / 1e6 / rounds;
        std::printf("DPR %.0f: all 57 pictures in %.1f ms (%.2f ms each), %lld bytes per deck\n", dpr, ms,
                    ms / (cards::kFaces + cards::kBacks), static_cast<long long>(bytes / rounds));
    }
    return 0;
}
