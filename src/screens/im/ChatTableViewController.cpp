#include "screens/im/ChatTableViewController.h"

#include "core/platform/AppContext.h"
#include "core/platform/TextMetrics.h"

#include <QTimer>

ChatTableViewController::ChatTableViewController(QObject *parent)
    : SuperController(parent), m_chatDataArray(new ChatMessageList(*context().service<TextMetrics>(), this))
{
}

void ChatTableViewController::setToPeople(const QString &peer)
{
    m_toPeople = peer;
    m_chatDataArray->setPeer(peer);
}

void ChatTableViewController::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(m_titleString);
}

void ChatTableViewController::setInputText(const QString &text)
{
    if (m_inputText == text)
        return;
    m_inputText = text;
    emit inputTextChanged();
}

void ChatTableViewController::setInputFocused(bool focused)
{
    if (m_inputFocused == focused)
        return;
    m_inputFocused = focused;
    emit inputFocusedChanged();
}

void ChatTableViewController::setReLoading(bool on)
{
    if (m_reLoading == on)
        return;
    m_reLoading = on;
    emit reLoadingChanged();
}

void ChatTableViewController::setFollowsNewest(bool on)
{
    if (m_followsNewest == on)
        return;
    m_followsNewest = on;
    emit followsNewestChanged();
}

void ChatTableViewController::pullToLoadEarlier()
{
    if (m_reLoading)
        return;
    setReLoading(true);
    QTimer::singleShot(kPullDelayMs, this, [this] {
        if (m_reLoading)
            loadDidFinished();
    });
}

void ChatTableViewController::loadDidFinished()
{
    setReLoading(false);
}
