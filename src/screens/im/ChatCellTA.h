#pragma once

#include <QString>
#include <QVariantMap>

class TextMetrics;

/// The layout of one message of the peer: a 14-point content label in a stretchable bubble
/// ("Bubble1") on the left and a grey 12-point time label. Sizes follow the text, measured
/// through the text-metrics port so that tests get the same numbers everywhere.
class ChatCellTA
{
public:
    explicit ChatCellTA(const TextMetrics &metrics);
    virtual ~ChatCellTA() = default;

    /// Lays the cell out for one message dictionary.
    void loadDataWithDict(const QVariantMap &dict);

    QString content() const { return m_content; }
    QString timeText() const { return m_timeText; }
    QString bubbleImage() const { return m_bubbleImage; }
    int labelWidth() const { return m_labelWidth; }
    int labelHeight() const { return m_labelHeight; }
    int bubbleWidth() const { return m_labelWidth + kBubblePadW; }
    int bubbleHeight() const { return m_labelHeight + kBubblePadH; }
    int bubbleX() const { return m_bubbleX; }
    virtual bool isMine() const { return false; }

    /// The row height a message needs: its text wrapped to the label width (at most 1000 points)
    /// plus room for the time and the bubble's edges.
    static int rowHeight(const TextMetrics &metrics, const QString &content);

    static constexpr double kContentPointSize = 14;
    static constexpr double kTimePointSize = 12;
    static constexpr int kWrapWidth = 205;
    static constexpr int kMaxTextHeight = 1000;
    static constexpr int kRowExtra = 80;
    static constexpr int kOneLineHeight = 25;
    static constexpr int kSingleLineMaxHeight = 20;
    static constexpr int kBubblePadW = 15;
    static constexpr int kBubblePadH = 20;
    static constexpr int kBubbleLeftX = 10;

protected:
    /// Puts the bubble in its place on the row.
    virtual void placeBubble();

    QString m_bubbleImage = QStringLiteral("Bubble1");
    int m_bubbleX = kBubbleLeftX;

private:
    const TextMetrics &m_metrics;
    QString m_content;
    QString m_timeText;
    int m_labelWidth = 0;
    int m_labelHeight = 0;
};
