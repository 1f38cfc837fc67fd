#include "app/SuperController.h"

#include "app/LoadingView.h"

SuperController::SuperController(QObject *parent) : BaseScreen(parent) {}

void SuperController::showActivity()
{
    addSubview(ensureLoading());
}

void SuperController::hideActivity()
{
    discardLoading();
}
