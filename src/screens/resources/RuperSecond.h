#pragma once

#include "screens/resources/ResureList.h"

/// The resources the seller pushed to one buyer each, with a withdraw button.
class RuperSecond : public ResureList
{
    Q_OBJECT
public:
    explicit RuperSecond(QObject *parent = nullptr);

    /// Withdrawn from the detail: it is back among the unpublished.
    void resureEditorDidFinished(ResureDetail *detail) override;

    QString chosenTitle() const override { return QStringLiteral("撤回所选"); }

protected:
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &resource) const override;
    bool detailRevoked() const override { return true; }
    void sendRowAction(Request *request, const QString &resourceIds) override;
    void rowActionDone(const QString &message) override;
};
