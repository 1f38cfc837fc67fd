#pragma once

#include "screens/market/ClassSelector.h"

/// The kind picker: the kinds grouped by category, one section per category headed by its
/// name. Shortly after the list appears it scrolls to the section of `classId`.
class SubClassSelector : public ClassSelector
{
    Q_OBJECT
    /// The row to bring to the top (the first kind of classId's section); -1: stay. Changes
    /// (is announced) once, shortly after the list appears.
    Q_PROPERTY(int scrollRow READ scrollRow NOTIFY scrollRowChanged)
public:
    explicit SubClassSelector(QObject *parent = nullptr);

    QString classId() const { return m_classId; }
    /// The category to scroll to, as text; "0" when none is given.
    void setClassId(const QVariant &classId);

    int scrollRow() const { return m_scrollRow; }

    void didSelectRow(int row) override;
    void rightButtonPressed() override;

    static constexpr int kScrollDelayMs = 100;

signals:
    void scrollRowChanged();

protected:
    void showCategories(const QVariantList &categories) override;
    QVariantMap rowFor(const QVariantMap &entry) const override;

private:
    void scrollToClass();

    QString m_classId = QStringLiteral("0");
    QVariantList m_categories;
    int m_scrollRow = -1;
};
