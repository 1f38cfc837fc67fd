#pragma once

#include "app/SuperController.h"
#include "screens/im/ChatMessageList.h"

/// Base of the conversation screen: the title, the list of messages (oldest first), the input
/// line and the pull-to-load-earlier state. What is loaded and sent is the subclass's business.
class ChatTableViewController : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString toPeople READ toPeople CONSTANT)
    Q_PROPERTY(ChatMessageList *chatDataArray READ chatDataArray CONSTANT)
    Q_PROPERTY(QString inputText READ inputText WRITE setInputText NOTIFY inputTextChanged)
    Q_PROPERTY(bool inputFocused READ inputFocused WRITE setInputFocused NOTIFY inputFocusedChanged)
    Q_PROPERTY(bool reLoading READ reLoading NOTIFY reLoadingChanged)
    Q_PROPERTY(bool followsNewest READ followsNewest NOTIFY followsNewestChanged)
public:
    explicit ChatTableViewController(QObject *parent = nullptr);

    QString toPeople() const { return m_toPeople; }
    void setToPeople(const QString &peer);
    QString titleString() const { return m_titleString; }
    void setTitleString(const QString &title) { m_titleString = title; }
    ChatMessageList *chatDataArray() const { return m_chatDataArray; }

    /// The input line (inputField).
    QString inputText() const { return m_inputText; }
    void setInputText(const QString &text);
    bool inputFocused() const { return m_inputFocused; }
    void setInputFocused(bool focused);

    bool reLoading() const { return m_reLoading; }
    /// The list was pulled down past its top: loads earlier messages half a second later.
    Q_INVOKABLE void pullToLoadEarlier();
    /// Loads earlier messages now and closes the pull header.
    Q_INVOKABLE virtual void loadDidFinished();

    /// The send button; the return key of the input line does the same.
    Q_INVOKABLE virtual void sendButtonClicked() {}
    Q_INVOKABLE void textFieldShouldReturn() { sendButtonClicked(); }
    /// Scrolling the list or tapping beside the input closes the keyboard; the list stays where
    /// the user scrolled it.
    Q_INVOKABLE void scrollViewWillBeginDragging()
    {
        setInputFocused(false);
        setFollowsNewest(false);
    }
    /// The list shows its newest message: on opening, on every return and whenever new messages
    /// arrive. A state rather than a request, so that a page made after it was set (or made
    /// again on a return) still finds it and scrolls.
    bool followsNewest() const { return m_followsNewest; }
    void touchesBackground() override { setInputFocused(false); }

    static constexpr int kPullDelayMs = 500;

signals:
    void inputTextChanged();
    void inputFocusedChanged();
    void reLoadingChanged();
    void followsNewestChanged();

protected:
    void viewDidLoad() override;
    void setReLoading(bool on);
    void setFollowsNewest(bool on);

private:
    QString m_toPeople;
    QString m_titleString;
    ChatMessageList *m_chatDataArray;
    QString m_inputText;
    bool m_inputFocused = false;
    bool m_reLoading = false;
    bool m_followsNewest = false;
};
