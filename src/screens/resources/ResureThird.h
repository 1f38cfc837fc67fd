#pragma once

#include "screens/resources/ResureList.h"

/// The seller's saved, unpublished resources ("未发布"), each with a publish button.
class ResureThird : public ResureList
{
    Q_OBJECT
public:
    explicit ResureThird(QObject *parent = nullptr);

    /// Edited from the detail.
    void resureEditorDidFinished(ResureDetail *detail) override;
    /// Published or pushed from the detail: the list it went to is told of.
    void resureDetailFabuDidFinished(ResureDetail *detail) override;

    QString chosenTitle() const override { return QStringLiteral("发布所选"); }

protected:
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &resource) const override;
    bool detailRevoked() const override { return false; }
    void sendRowAction(Request *request, const QString &resourceIds) override;
    void rowActionDone(const QString &message) override;
};
