#pragma once

#include "screens/market/InfoSelector.h"

/// The product-group picker: up to five of the caller's entries ("value", "selected") are
/// ticked; leaving with the back button hands the ticked values back in list order.
class ProductsSelected : public InfoSelector
{
    Q_OBJECT
public:
    explicit ProductsSelected(QObject *parent = nullptr);

    void didSelectRow(int row) override;
    void popViewController() override;

    static constexpr int kMaxChosen = 5;
    /// The chosen values in list order, joined with "/".
    QString chosenText() const;

protected:
    QVariantMap rowFor(const QVariantMap &entry) const override;

private:
    static bool isChosen(const QVariantMap &entry);
};
