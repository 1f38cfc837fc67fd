#pragma once

#include "screens/im/ChatCellTA.h"

/// The layout of one message of the user: the bubble "Bubble2", right-aligned so that it ends
/// 257 points from the row's left edge.
class ChatCellME : public ChatCellTA
{
public:
    explicit ChatCellME(const TextMetrics &metrics);

    bool isMine() const override { return true; }

    static constexpr int kBubbleRightEdge = 257;

protected:
    void placeBubble() override;
};
