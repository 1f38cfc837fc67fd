#include "screens/im/MyFriends.h"

MyFriends::MyFriends(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void MyFriends::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("商友"));
}
