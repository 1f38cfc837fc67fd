#pragma once

#include "app/SuperController.h"
#include "screens/account/UserLoginDelegate.h"

/// Inviting people to install the client: a list of mobile numbers sent to the service.
class InviteFriend : public SuperController, public UserLoginDelegate
{
    Q_OBJECT
    Q_PROPERTY(QString inviteText READ inviteText WRITE setInviteText NOTIFY inviteTextChanged)
    Q_PROPERTY(bool editing READ editing NOTIFY inviteTextChanged)
    Q_PROPERTY(bool showingPlaceholder READ showingPlaceholder NOTIFY inviteTextChanged)
public:
    explicit InviteFriend(QObject *parent = nullptr);

    /// The multi-line input. Its placeholder is its own text: cleared when editing begins and
    /// put back when editing ends empty.
    QString inviteText() const { return m_inviteText; }
    void setInviteText(const QString &text);
    bool editing() const { return m_editing; }
    bool showingPlaceholder() const { return m_inviteText == placeholder(); }
    Q_INVOKABLE void textViewDidBeginEditing();
    Q_INVOKABLE void textViewDidEndEditing();

    /// Sends the invitation (after a login when needed).
    Q_INVOKABLE void tellMyFriend();

    void loginDidFinish(UserLogin *login) override;
    void requestDidFinish(Request *request, const QVariant &result) override;
    void touchesBackground() override { textViewDidEndEditing(); }

    static QString placeholder() { return QStringLiteral("请输入手机号，多个号码请使用【逗号】隔开。"); }

signals:
    void inviteTextChanged();

protected:
    void viewDidLoad() override;

private:
    QString m_inviteText = placeholder();
    bool m_editing = false;
};
