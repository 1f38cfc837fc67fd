#pragma once

#include "screens/im/ChatTableViewController.h"

class ChatManager;

/// The conversation with one peer about one subject: the peer's user id (toPeople) and a
/// resource id (ziyuanID, "0" for a plain conversation between friends). Messages come from the
/// local store only; the screen never asks the server for history.
///
/// Only the conversation's own resource is shown, each stored row once, in stable order of its
/// time. The screen remembers the oldest and newest row it shows and reads only what lies beyond
/// them, so opening it and taking in a message cost the same however long the history is.
class SteelChatViewController : public ChatTableViewController
{
    Q_OBJECT
    Q_PROPERTY(QString ziyuanID READ ziyuanID CONSTANT)
    Q_PROPERTY(bool rightButtonShown READ rightButtonShown NOTIFY rightButtonShownChanged)
public:
    explicit SteelChatViewController(QObject *parent = nullptr);

    QString ziyuanID() const { return m_ziyuanID; }
    void setZiyuanID(const QString &resource) { m_ziyuanID = resource; }
    bool hideRightButton() const { return m_hideRightButton; }
    void setHideRightButton(bool hide) { m_hideRightButton = hide; }
    /// The peer's profile button ("M33"): the peer is a friend and the opener allowed it.
    bool rightButtonShown() const { return m_rightButtonShown; }

    /// Shows the stored messages newer than the newest one shown.
    void loadNewestChatMessage();
    void loadDidFinished() override;
    void sendButtonClicked() override;
    /// The profile button: the peer's friend profile.
    Q_INVOKABLE void gotoUserInfo();
    /// Leaving: the conversation is no longer open; the presented stack closes.
    void popViewController() override;

    static constexpr int kPageSize = 5;
    static constexpr int kMaxLength = 2000;

signals:
    void rightButtonShownChanged();

protected:
    void viewDidLoad() override;
    /// Coming into view: takes in what arrived meanwhile.
    void viewWillAppear() override;

private:
    QString table() const;
    /// Rows of this resource matching extra (on ?2), in order, at most limit.
    QVariantList rows(const QString &extra, const QVariant &bound, const QString &order, qint64 limit);
    void showRows(const QVariantList &rows);

    QString m_ziyuanID = QStringLiteral("0");
    bool m_hideRightButton = false;
    bool m_rightButtonShown = false;
    ChatManager *m_chatManager = nullptr;
};
