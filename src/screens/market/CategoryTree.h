#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class RequestDelegate;

/// The service's category tree (categories, their kinds, a kind's materials) as a form needs it
/// for its pickers. Loaded once per form; until it has come every lookup is empty.
class CategoryTree : public QObject
{
    Q_OBJECT
public:
    explicit CategoryTree(QObject *parent = nullptr);

    /// Asks for the tree, with screen's busy indicator. A form works on without it (its pickers
    /// stay empty), so a refusal or failure only logs failureText.
    void load(RequestDelegate *screen, const QString &failureText);

    QVariantList tree() const { return m_tree; }
    /// The category names a form offers: all but the market's "热门种类" shortcut.
    QStringList categoryNames() const;
    /// The category named name (the last one when several are).
    QVariantMap category(const QString &name) const;
    QStringList kindNames(const QString &categoryName) const;
    /// The category's first kind named kindName.
    QVariantMap kind(const QString &categoryName, const QString &kindName) const;
    QStringList materials(const QString &categoryName, const QString &kindName) const;

private:
    QVariantList m_tree;
};
