#pragma once

#include "app/SuperController.h"

/// "意见反馈": a message of at most 200 characters posted to the advice service. Either answer
/// is told in an alert whose "确定" closes the screen.
class FeedbackViewController : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(bool placeholderShown READ placeholderShown NOTIFY placeholderShownChanged)
    Q_PROPERTY(QString placeholder MEMBER m_placeholder CONSTANT)
    Q_PROPERTY(QString sendTitle MEMBER m_sendTitle CONSTANT)
    Q_PROPERTY(QString doneTitle MEMBER m_doneTitle CONSTANT)
public:
    explicit FeedbackViewController(QObject *parent = nullptr) : SuperController(parent) {}

    static constexpr int kMaxLength = 200;

    QString text() const { return m_text; }
    /// Keeps at most the first 200 characters, whatever is typed or pasted.
    void setText(const QString &text);
    bool placeholderShown() const { return m_placeholderShown; }

    /// Editing began: the placeholder goes for good.
    Q_INVOKABLE void beginEditing();
    /// Posts the text as it is (an empty one too).
    Q_INVOKABLE void sendbutton();

signals:
    void textChanged();
    void placeholderShownChanged();

protected:
    void viewDidLoad() override;

private:
    void answered(const QString &title, const QString &message);

    QString m_text;
    bool m_placeholderShown = true;
    bool m_sending = false;
    QString m_placeholder = QStringLiteral("请输入您的意见或建议（200字以内）");
    QString m_sendTitle = QStringLiteral("提交");
    QString m_doneTitle = QStringLiteral("完成");
};
