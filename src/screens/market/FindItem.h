#pragma once

#include "app/SuperController.h"

/// Find goods: the buyer leaves a phone number and the market's staff call back with offers.
class FindItem : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString phoneText READ phoneText WRITE setPhoneText NOTIFY phoneTextChanged)
    Q_PROPERTY(QString placeholder READ placeholder CONSTANT)
public:
    explicit FindItem(QObject *parent = nullptr);

    QString phoneText() const { return m_phoneText; }
    void setPhoneText(const QString &text);
    QString placeholder() const { return QStringLiteral("请输入您的手机号，以方便我们联系您"); }

    /// The send button.
    Q_INVOKABLE void beginFind();
    Q_INVOKABLE void touchesBackground() override { emit closeKeyboard(); }

    static QString receivedText()
    {
        return QStringLiteral("尊敬的用户，我们已经收到您的找货需求，客服人员会及时与你联系，请保持通讯顺畅，感谢您的使用。");
    }

signals:
    void phoneTextChanged();
    void closeKeyboard();

protected:
    void viewDidLoad() override;

private:
    QString m_phoneText;
};
