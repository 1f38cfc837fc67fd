#include "RecordingAlertPort.h"

#include <QStringList>

void RecordingAlertPort::showMessage(const QString &text, const QString &button)
{
    shown.append({Shown::Message, QString(), text, button});
}

void RecordingAlertPort::showAlert(const QString &title, const QString &text, const QString &button)
{
    shown.append({Shown::Alert, title, text, button});
}

QStringList RecordingAlertPort::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out.append(s.text);
    return out;
}
