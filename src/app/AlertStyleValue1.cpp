#include "app/AlertStyleValue1.h"

AlertStyleValue1::AlertStyleValue1(QObject *parent)
    : FerroxAlert(parent), m_sureBtn(new ButtonModel(1, QString(), this))
{
    connect(m_sureBtn, &ButtonModel::clicked, this, &AlertStyleValue1::sure);
}

void AlertStyleValue1::showInView(ViewController *parent, const QString &title, const QString &cancelButtonTitle,
                                  const QString &sureButtonTitle)
{
    cancelBtn()->setTitle(cancelButtonTitle);
    m_sureBtn->setTitle(sureButtonTitle);
    FerroxAlert::showInView(parent, title);
}

void AlertStyleValue1::sure()
{
    answer(m_sureBtn);
}

void AlertStyleValue1::close()
{
    answer(cancelBtn());
}

void AlertStyleValue1::answer(ButtonModel *button)
{
    if (isDismissed())
        return;
    if (AlertStyleValue1Delegate *d = m_delegate.get())
        d->clickedButton(button);
    dismiss();
}
