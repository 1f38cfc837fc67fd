#pragma once

#include "core/platform/AlertPort.h"

#include <QStringList>

/// An AlertPort that records the texts it would have shown, messages and alerts alike, in order.
///
///     auto *alerts = ctx->setService<AlertPort>(std::make_unique<RecordingAlertPort>());
///     ... QCOMPARE(alerts->texts(), QStringList{"..."});
class RecordingAlertPort : public AlertPort
{
public:
    void showMessage(const QString &text, const QString &) override { shown.append(text); }
    void showAlert(const QString &, const QString &text, const QString &) override { shown.append(text); }

    QStringList texts() const { return shown; }

    QStringList shown;
};
