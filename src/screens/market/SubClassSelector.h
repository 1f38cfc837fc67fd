#pragma once

#include "screens/market/ClassSelector.h"

/// The kind picker: the kinds grouped by category, one section per category headed by its
/// name. Shortly after the list appears it scrolls to the section of `classId` (scrollRow).
class SubClassSelector : public ClassSelector
{
    Q_OBJECT
public:
    explicit SubClassSelector(QObject *parent = nullptr);

    QString classId() const { return m_classId; }
    /// The category to scroll to, as text; "0" when none is given.
    void setClassId(const QVariant &classId);

    void didSelectRow(int row) override;
    void rightButtonPressed() override;

    static constexpr int kScrollDelayMs = 100;

protected:
    void showCategories(const QVariantList &categories) override;
    QVariantMap rowFor(const QVariantMap &entry) const override;

private:
    void scrollToClass();

    QString m_classId = QStringLiteral("0");
    QVariantList m_categories;
};
