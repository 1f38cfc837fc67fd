#include "screens/im/ChatMessageList.h"

#include "core/util/Value.h"
#include "screens/im/ChatCellME.h"

#include <algorithm>
#include <memory>

ChatMessageList::ChatMessageList(const TextMetrics &metrics, QObject *parent)
    : QAbstractListModel(parent), m_metrics(metrics)
{
}

int ChatMessageList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ChatMessageList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    switch (role) {
    case ContentRole: return Value::text(r.message.value(QStringLiteral("Content")));
    case TimeTextRole: return r.timeText;
    case MineRole: return r.mine;
    case RowHeightRole: return r.rowHeight;
    case LabelWidthRole: return r.labelWidth;
    case LabelHeightRole: return r.labelHeight;
    case BubbleWidthRole: return r.labelWidth + ChatCellTA::kBubblePadW;
    case BubbleHeightRole: return r.labelHeight + ChatCellTA::kBubblePadH;
    case BubbleXRole: return r.bubbleX;
    case BubbleImageRole: return r.bubbleImage;
    default: return {};
    }
}

QHash<int, QByteArray> ChatMessageList::roleNames() const
{
    return {{ContentRole, "content"},         {TimeTextRole, "timeText"},       {MineRole, "mine"},
            {RowHeightRole, "rowHeight"},     {LabelWidthRole, "labelWidth"},   {LabelHeightRole, "labelHeight"},
            {BubbleWidthRole, "bubbleWidth"}, {BubbleHeightRole, "bubbleHeight"}, {BubbleXRole, "bubbleX"},
            {BubbleImageRole, "bubbleImage"}};
}

QVariantList ChatMessageList::messages() const
{
    QVariantList out;
    out.reserve(m_rows.size());
    for (const Row &r : m_rows)
        out << r.message;
    return out;
}

QVariantMap ChatMessageList::get(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).message : QVariantMap();
}

ChatMessageList::Row ChatMessageList::makeRow(const QVariantMap &message) const
{
    Row r;
    r.message = message;
    r.id = Value::longLongValue(message.value(QStringLiteral("id")));
    r.time = Value::longLongValue(message.value(QStringLiteral("SendTime")));
    r.mine = Value::text(message.value(QStringLiteral("ReceiverID"))) == m_peer;
    std::unique_ptr<ChatCellTA> cell = r.mine ? std::make_unique<ChatCellME>(m_metrics)
                                              : std::make_unique<ChatCellTA>(m_metrics);
    cell->loadDataWithDict(message);
    r.rowHeight = ChatCellTA::rowHeight(m_metrics, cell->content());
    r.labelWidth = cell->labelWidth();
    r.labelHeight = cell->labelHeight();
    r.bubbleX = cell->bubbleX();
    r.timeText = cell->timeText();
    r.bubbleImage = cell->bubbleImage();
    return r;
}

int ChatMessageList::addRows(const QVariantList &rows)
{
    int added = 0;
    for (const QVariant &v : rows) {
        Row row = makeRow(Value::map(v));
        // Stored rows are told apart by their id; one without an id cannot be matched later.
        if (row.id <= 0)
            continue;
        if (m_ids.contains(row.id))
            continue;
        const auto before = [](const Row &a, const Row &b) { return a.time != b.time ? a.time < b.time : a.id < b.id; };
        const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row, before);
        m_ids.insert(row.id);
        const int index = int(at - m_rows.begin());
        beginInsertRows({}, index, index);
        m_oldestId = m_rows.isEmpty() ? row.id : std::min(m_oldestId, row.id);
        m_newestId = std::max(m_newestId, row.id);
        m_rows.insert(index, std::move(row));
        endInsertRows();
        ++added;
    }
    if (added)
        emit countChanged();
    return added;
}

void ChatMessageList::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_ids.clear();
    m_oldestId = m_newestId = 0;
    endResetModel();
    emit countChanged();
}
