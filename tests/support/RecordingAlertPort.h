#pragma once

#include "core/platform/AlertPort.h"

#include <QList>

/// An AlertPort that records what would have been shown.
///
///     auto *alerts = ctx->setService<AlertPort>(std::make_unique<RecordingAlertPort>());
///     ... QCOMPARE(alerts->shown.last().text, "...");
class RecordingAlertPort : public AlertPort
{
public:
    struct Shown
    {
        enum Kind { Message, Alert } kind;
        QString title;
        QString text;
        QString button;
    };

    void showMessage(const QString &text, const QString &button) override;
    void showAlert(const QString &title, const QString &text, const QString &button) override;

    /// The texts shown, in order (messages and alerts alike).
    QStringList texts() const;

    QList<Shown> shown;
};
