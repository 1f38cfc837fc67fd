#pragma once

#include "app/DelegatePointer.h"
#include "app/SuperController.h"
#include "screens/account/UserLoginDelegate.h"

#include <QVariant>
#include <QVariantList>

/// The login screen. Login goes over the session channel; the answer arrives as
/// "LoginSuccessInfo" or "LoginFailedInfo", and a lost connection as "SocketDismissConnect",
/// all three observed only while the screen is in view.
class UserLogin : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(bool requesting READ requesting NOTIFY requestingChanged)
    Q_PROPERTY(bool comfromOtherController READ comfromOtherController WRITE setComfromOtherController
                   NOTIFY comfromOtherControllerChanged)
    Q_PROPERTY(int contentOffset READ contentOffset NOTIFY comfromOtherControllerChanged)
    Q_PROPERTY(QVariantList rows READ rows CONSTANT)
    // What the page shows as it is; kept here so that the page holds no texts of its own.
    Q_PROPERTY(QString promptText READ promptText CONSTANT)
    Q_PROPERTY(QString promptLead READ promptLead CONSTANT)
    Q_PROPERTY(QString promptRedText READ promptRedText CONSTANT)
    Q_PROPERTY(QString promptPicture READ promptPicture CONSTANT)
    Q_PROPERTY(QString loginButtonTitle READ loginButtonTitle CONSTANT)
    Q_PROPERTY(QString loginButtonPicture READ loginButtonPicture CONSTANT)
    Q_PROPERTY(int rowHeight READ rowHeight CONSTANT)

public:
    explicit UserLogin(QObject *parent = nullptr);

    /// The mobile number ("user", a phone keypad) and the masked password ("pass") of form().
    QString userText() const { return form()->text(QStringLiteral("user")); }
    QString passText() const { return form()->text(QStringLiteral("pass")); }

    /// A login frame went out and no answer has been handled yet.
    bool requesting() const { return m_requesting; }

    /// The screen was opened because an action needs a logged-in user: a prompt line shows
    /// and the button and list below it move down by 35 points.
    bool comfromOtherController() const { return m_comfromOtherController; }
    void setComfromOtherController(bool value);
    int contentOffset() const { return m_comfromOtherController ? 35 : 0; }

    /// The two rows under the button: title and picture.
    QVariantList rows() const;
    /// The prompt line shown when comfromOtherController; its last words are red.
    static QString promptText() { return QStringLiteral("您需要登录后才能继续操作"); }
    static QString promptRedText() { return QStringLiteral("继续操作"); }
    /// The words before the red ones.
    static QString promptLead() { return promptText().chopped(promptRedText().size()); }
    static QString promptPicture() { return QStringLiteral("C28"); }
    static QString loginButtonTitle() { return QStringLiteral("登录"); }
    static QString loginButtonPicture() { return QStringLiteral("C29"); }
    static int rowHeight() { return 42; }

    UserLoginDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(UserLoginDelegate *delegate) { m_delegate = delegate; }

    /// Checks the inputs (number first) and sends the login; the button, and Return in the password.
    Q_INVOKABLE void login();
    /// The answer to a login, the object of "LoginSuccessInfo" / "LoginFailedInfo".
    void loginResultHandle(const QVariant &reply);
    /// The answer to the channel's own login with the remembered record, applied elsewhere.
    void rememberedLoginAnswered();
    /// The connection went while a login was pending.
    void socketWillDismiss();
    Q_INVOKABLE void textFieldInputDidFinish() { form()->closeKeyboard(); }
    /// Row 0 opens the registration, row 1 the password reset; the keyboard closes first.
    Q_INVOKABLE void didSelectRow(int row);


signals:
    void requestingChanged();
    void comfromOtherControllerChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewWillDisappear() override;

private:
    void setRequesting(bool value);

    bool m_requesting = false;
    bool m_comfromOtherController = false;
    DelegatePointer<UserLoginDelegate> m_delegate;
};
