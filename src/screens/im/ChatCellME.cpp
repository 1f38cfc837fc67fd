#include "screens/im/ChatCellME.h"

ChatCellME::ChatCellME(const TextMetrics &metrics) : ChatCellTA(metrics)
{
    m_bubbleImage = QStringLiteral("Bubble2");
}

void ChatCellME::placeBubble()
{
    m_bubbleX = kBubbleRightEdge - bubbleWidth();
}
