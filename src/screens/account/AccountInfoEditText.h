#pragma once

#include "app/DelegatePointer.h"
#include "app/SuperController.h"
#include "screens/account/AccountInfoEditTextDelegate.h"

/// One value typed on a screen of its own, presented modally: the field ("text") has the
/// keypad of the value it edits and takes the focus at once; "完成" (or Return) closes the
/// screen and hands the text to the delegate, the back button closes it without a word.
class AccountInfoEditText : public SuperController
{
    Q_OBJECT
public:
    explicit AccountInfoEditText(FormField::Kind kind = FormField::Text, QObject *parent = nullptr);

    void setDelegate(AccountInfoEditTextDelegate *delegate) { m_delegate = delegate; }
    int idx() const { return m_idx; }
    void setIdx(int idx) { m_idx = idx; }

    /// "完成".
    Q_INVOKABLE void finish();
    /// Back: the presented stack closes, nothing is handed back.
    Q_INVOKABLE void popViewController() override;

private:
    DelegatePointer<AccountInfoEditTextDelegate> m_delegate;
    int m_idx = 0;
    bool m_done = false;
};
