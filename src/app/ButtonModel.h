#pragma once

#include <QObject>
#include <QString>

/// A button a screen shows: its title, tag and state. Pressing it (from the window or a test)
/// emits clicked; the owner connects its action.
class ButtonModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(int tag READ tag CONSTANT)
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)
    Q_PROPERTY(bool hidden READ isHidden WRITE setHidden NOTIFY hiddenChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
public:
    explicit ButtonModel(int tag = 0, const QString &title = {}, QObject *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    int tag() const { return m_tag; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    /// A tap: emits clicked unless the button is disabled or hidden.
    Q_INVOKABLE void press();

signals:
    void clicked(ButtonModel *button);
    void titleChanged();
    void selectedChanged();
    void hiddenChanged();
    void enabledChanged();

private:
    int m_tag;
    QString m_title;
    bool m_selected = false;
    bool m_hidden = false;
    bool m_enabled = true;
};
