// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/logged.h"

#include <QLoggingCategory>
#include <algorithm>

namespace {

Logged* current = nullptr;
QString qtComplaint;

void complain(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg && qtComplaint.isEmpty())
        qtComplaint = text;
}

} // namespace

void watchQtComplaints()
{
    qInstallMessageHandler(complain);
}

QString firstQtComplaint()
{
    return qtComplaint;
}

Logged::Logged(Rules rules)
{
    if (rules == Rules::Asked)
        QLoggingCategory::setFilterRules(QStringLiteral("cardovia.*=true"));
    current = this;
    previous_ = qInstallMessageHandler(&Logged::handle);
}

Logged::~Logged()
{
    qInstallMessageHandler(previous_);
    current = nullptr;
    QLoggingCategory::setFilterRules(QString());
}

void Logged::handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QLatin1String category(context.category ? context.category : "");
    if (category.startsWith(QLatin1String("cardovia."))) {
        std::lock_guard lock(current->mutex_);
        current->lines_ << category + QLatin1String(": ") + message;
    } else if (current->previous_) {
        current->previous_(type, context, message);
    }
}

QStringList Logged::lines() const
{
    std::lock_guard lock(mutex_);
    return lines_;
}

bool Logged::says(const char* category, const QStringList& words) const
{
    const QString prefix = QLatin1String(category) + QLatin1String(": ");
    const QStringList all = lines();
    return std::any_of(all.begin(), all.end(), [&](const QString& line) {
        return line.startsWith(prefix) &&
               std::all_of(words.begin(), words.end(), [&](const QString& word) { return line.contains(word); });
    });
}
