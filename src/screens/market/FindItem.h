#pragma once

#include "app/SuperController.h"

/// Find goods: the buyer leaves a phone number and the market's staff call back with offers.
class FindItem : public SuperController
{
    Q_OBJECT
public:
    explicit FindItem(QObject *parent = nullptr);

    /// The send button, and Return in the phone field.
    Q_INVOKABLE void beginFind();

    static QString receivedText()
    {
        return QStringLiteral("尊敬的用户，我们已经收到您的找货需求，客服人员会及时与你联系，请保持通讯顺畅，感谢您的使用。");
    }

protected:
    void viewDidLoad() override;
};
