#include "screens/im/ChatCellTA.h"

#include "core/platform/TextMetrics.h"
#include "core/util/MTool.h"
#include "core/util/Value.h"

#include <algorithm>

ChatCellTA::ChatCellTA(const TextMetrics &metrics) : m_metrics(metrics) {}

int ChatCellTA::rowHeight(const TextMetrics &metrics, const QString &content)
{
    return std::min(metrics.heightForText(content, kContentPointSize, kWrapWidth), kMaxTextHeight) + kRowExtra;
}

void ChatCellTA::loadDataWithDict(const QVariantMap &dict)
{
    m_content = Value::text(dict.value(QStringLiteral("Content")));
    if (Value::isNone(dict.value(QStringLiteral("Content"))))
        m_content.clear();
    m_labelHeight = m_metrics.heightForText(m_content, kContentPointSize, kWrapWidth) + 1;
    // One line: the bubble hugs the text; more: it takes the full wrap width.
    if (m_labelHeight < kOneLineHeight)
        m_labelWidth = std::min(m_metrics.widthForText(m_content, kContentPointSize), kWrapWidth) + 1;
    else
        m_labelWidth = kWrapWidth;
    m_timeText = MTool::timeWithTimeInterval(Value::doubleValue(dict.value(QStringLiteral("SendTime"))));
    placeBubble();
}

void ChatCellTA::placeBubble()
{
    m_bubbleX = kBubbleLeftX;
}
