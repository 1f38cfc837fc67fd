#pragma once

// The app layer's classes as QML sees them: the screen base classes that pages and widgets
// type their properties with, and the list model. QML never creates them; the stacks do.

#include "app/BaseScreen.h"
#include "app/BusinessTabBar.h"
#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "app/SuperTableViewController.h"
#include "app/ViewController.h"

#include <QtQml/qqml.h>

struct ForeignViewController
{
    Q_GADGET QML_FOREIGN(ViewController) QML_NAMED_ELEMENT(ViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignBaseScreen
{
    Q_GADGET QML_FOREIGN(BaseScreen) QML_NAMED_ELEMENT(BaseScreen) QML_UNCREATABLE("made by its stack")
};
struct ForeignSuperController
{
    Q_GADGET QML_FOREIGN(SuperController) QML_NAMED_ELEMENT(SuperController) QML_UNCREATABLE("made by its stack")
};
struct ForeignSuperTableViewController
{
    Q_GADGET QML_FOREIGN(SuperTableViewController) QML_NAMED_ELEMENT(SuperTableViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignBusinessTabBar
{
    Q_GADGET QML_FOREIGN(BusinessTabBar) QML_NAMED_ELEMENT(BusinessTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignPagedListModel
{
    Q_GADGET QML_FOREIGN(PagedListModel) QML_NAMED_ELEMENT(PagedListModel) QML_UNCREATABLE("made by its screen")
};
