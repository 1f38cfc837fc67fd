#include "screens/info/FeedbackViewController.h"

#include "app/Alerts.h"
#include "core/api/Request.h"
#include "core/api/ServiceReply.h"
#include "core/platform/AppContext.h"

#include <QPointer>

void FeedbackViewController::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("意见反馈"));
}

void FeedbackViewController::setText(const QString &text)
{
    QString kept = text.left(kMaxLength);
    // A character outside the basic plane is two code units: never keep half of one.
    if (kept.size() == kMaxLength && kept.back().isHighSurrogate())
        kept.chop(1);
    if (kept == m_text) {
        // The page may hold more than was kept: tell it the text again.
        if (kept.size() != text.size())
            emit textChanged();
        return;
    }
    m_text = kept;
    emit textChanged();
}

void FeedbackViewController::beginEditing()
{
    if (!m_placeholderShown)
        return;
    m_placeholderShown = false;
    emit placeholderShownChanged();
}

void FeedbackViewController::sendbutton()
{
    if (m_sending)
        return;
    m_sending = true;
    Request::request()
        ->onReply(this,
                  [this](const ServiceReply &answer) {
                      m_sending = false;
                      // A refusal is not a success, whatever the service's text says; nor is an
                      // answer that is not the service's JSON (an error page, say).
                      if (!answer.result.isValid())
                          answered(QStringLiteral("提交失败"), QString());
                      else if (answer.ok())
                          answered(QStringLiteral("提交成功"), answer.message);
                      else
                          answered(QStringLiteral("提交失败"), answer.message);
                  })
        ->onFailure(this,
                    [this](const RequestError &) {
                        m_sending = false;
                        answered(QStringLiteral("提交失败"), QString());
                    })
        ->addAdviceWithContent(m_text, this);
}

void FeedbackViewController::answered(const QString &title, const QString &message)
{
    context().service<Alerts>()->showAlert(title, message, {QStringLiteral("确定")},
                                           [self = QPointer<FeedbackViewController>(this)](int) {
                                               if (self)
                                                   self->popViewController();
                                           });
}
