#include "screens/resources/Pickcaizhi2ViewController.h"

Pickcaizhi2ViewController::Pickcaizhi2ViewController(QObject *parent)
    : MaterialPicker(InfoSelectorDelegate::ChangeCaizhi, parent)
{
    setTitle(QStringLiteral("资源材质选择"));
}
