#pragma once

#include "screens/market/InfoSelector.h"

/// The category picker. The category list is fetched once per run and kept under
/// "ClassOrSubClass" for every category picker; its first entry (the hot categories) can be
/// hidden in this picker's own copy.
class ClassSelector : public InfoSelector
{
    Q_OBJECT
public:
    explicit ClassSelector(QObject *parent = nullptr);

    void didSelectRow(int row) override;
    void rightButtonPressed() override;

    static QString cacheKey() { return QStringLiteral("ClassOrSubClass"); }

protected:
    void viewDidLoad() override;
    /// Shows the whole category list (as cached); subclasses lay it out their own way.
    virtual void showCategories(const QVariantList &categories);
    /// The list without its hot-categories entry when this picker hides it.
    QVariantList shownCategories(const QVariantList &categories) const;
    QVariantMap rowFor(const QVariantMap &entry) const override;
};
