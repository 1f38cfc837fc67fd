#pragma once

#include "screens/market/InfoSelector.h"

/// The specification picker: the specifications on the market for a category, kind and place,
/// or a specification typed into its header field.
class FormatSelector : public InfoSelector
{
    Q_OBJECT
    Q_PROPERTY(QString formatText READ formatText WRITE setFormatText NOTIFY formatTextChanged)
    Q_PROPERTY(QString fieldCaption READ fieldCaption CONSTANT)
    Q_PROPERTY(QString listCaption READ listCaption CONSTANT)
public:
    explicit FormatSelector(QObject *parent = nullptr);

    void setFilter(const QVariant &classId, const QVariant &subclassId, const QVariant &provinceId);
    QString classId() const { return m_classId; }
    QString subclassId() const { return m_subclassId; }
    QString provinceId() const { return m_provinceId; }

    QString formatText() const { return m_formatText; }
    void setFormatText(const QString &text);
    QString fieldCaption() const { return QStringLiteral(" 输入规格："); }
    QString listCaption() const { return QStringLiteral("    主要规格"); }

    void didSelectRow(int row) override;
    void rightButtonPressed() override;
    /// "确定": the typed specification.
    Q_INVOKABLE void confirmTyped();

    static constexpr int kListSize = 500;

signals:
    void formatTextChanged();

protected:
    void viewDidLoad() override;
    QVariantMap rowFor(const QVariantMap &entry) const override;

private:
    QString m_classId;
    QString m_subclassId;
    QString m_provinceId;
    QString m_formatText;
};
