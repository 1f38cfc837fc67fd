#include "screens/account/AccountInfoEditText.h"

AccountInfoEditText::AccountInfoEditText(FormField::Kind kind, QObject *parent) : SuperController(parent)
{
    // Optional: an empty text is handed back too; the opener decides what it means.
    form()->add(QStringLiteral("text"), kind, {}, 30);
    connect(form(), &Form::submitted, this, &AccountInfoEditText::finish);
}

void AccountInfoEditText::finish()
{
    // One answer per editor, however often the button is pressed before the screen goes.
    if (m_done)
        return;
    m_done = true;
    form()->closeKeyboard();
    const QString text = form()->text(QStringLiteral("text"));
    AccountInfoEditTextDelegate *delegate = m_delegate.get();
    const int idx = m_idx;
    dismissViewController();
    if (delegate)
        delegate->infoEditDidFinish(text, idx);
}

void AccountInfoEditText::popViewController()
{
    m_done = true;
    dismissViewController();
}
