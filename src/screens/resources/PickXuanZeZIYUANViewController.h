#pragma once

#include "screens/market/TextPicker.h"

#include <QVariantList>

/// The resource form's category and kind picker: names, one row each. Its title says which
/// choice it makes ("选择资源大类" a category, "选择资源品名" a kind); under any other title a row
/// only closes it.
class PickXuanZeZIYUANViewController : public TextPicker
{
    Q_OBJECT
public:
    explicit PickXuanZeZIYUANViewController(QObject *parent = nullptr);

    static QString categoryTitle() { return QStringLiteral("选择资源大类"); }
    static QString kindTitle() { return QStringLiteral("选择资源品名"); }

    /// The whole category tree, handed back with the choice.
    QVariantList dic() const { return m_dic; }
    void setDic(const QVariantList &tree) { m_dic = tree; }

    void didSelectRow(int row) override;

private:
    QVariantList m_dic;
};
