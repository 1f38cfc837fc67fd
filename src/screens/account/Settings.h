#pragma once

#include "app/SuperController.h"

#include <QVariantList>

/// Sound and vibration on a new chat message: each switch is stored in the user record as soon
/// as it changes, where the chat manager reads it for the next message.
class Settings : public SuperController
{
    Q_OBJECT
    /// One row per switch: "title", "picture", "on".
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
public:
    explicit Settings(QObject *parent = nullptr) : SuperController(parent) {}

    QVariantList rows() const;
    /// The switch of a section (0 sound, 1 vibration) was turned.
    Q_INVOKABLE void setSwitch(int section, bool on);

signals:
    void rowsChanged();

protected:
    void viewDidLoad() override;
};
