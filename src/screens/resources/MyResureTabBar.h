#pragma once

#include "app/BusinessTabBar.h"
#include "screens/resources/AddResureDelegate.h"
#include "screens/resources/ResureListDelegate.h"

class ResureList;

/// The seller's resources ("我的资源管理"): listed, directed and unpublished, as three tabs, the
/// listed first. Each list loads with the tab bar; a resource that moves has the list it moved
/// to asked for again. The add button opens the resource form.
class MyResureTabBar : public BusinessTabBar, public ResureListDelegate, public AddResureDelegate
{
    Q_OBJECT
public:
    explicit MyResureTabBar(QObject *parent = nullptr);

    ResureList *firstController() const { return list(0); }
    ResureList *secondController() const { return list(1); }
    ResureList *thirdController() const { return list(2); }

    /// The add button: a new resource.
    Q_INVOKABLE void addBtnPressed();
    /// A new resource was saved: it waits in the unpublished tab, which comes to the front.
    void resureEditorDidFinished(AddResure *form) override;

    void resourceBackDidFinished(ResureList *list) override;
    void directResourceBackDidFinished(ResureList *list) override;
    void resourceFabuDidFinished(ResureList *list) override;
    void directResourceFabuDidFinished(ResureList *list) override;

protected:
    void viewDidLoad() override;

private:
    ResureList *list(int index) const;
    void reload(int index);
};
