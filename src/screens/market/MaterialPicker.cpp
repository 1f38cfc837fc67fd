#include "screens/market/MaterialPicker.h"

#include "app/Form.h"

namespace {
const QString kMaterial = QStringLiteral("material");
}

MaterialPicker::MaterialPicker(InfoSelectorDelegate::Operation operation, QObject *parent) : TextPicker(operation, parent)
{
    // Optional: an empty material is the user's choice, as a row would be.
    form()->add(kMaterial, FormField::Text, {}, 30);
    connect(form(), &Form::submitted, this, &MaterialPicker::confirm);
    updateField();
}

void MaterialPicker::setMaterials(const QStringList &materials)
{
    setTexts(materials);
    updateField();
    emit typedChanged();
}

void MaterialPicker::updateField()
{
    FormField *field = form()->field(kMaterial);
    field->setPlaceholder(typed() ? QStringLiteral("请输入材质") : QStringLiteral("请选择材质"));
    field->setEnabled(typed());
}

void MaterialPicker::confirm()
{
    // Only a picker without a list has the button; Return cannot reach a disabled field either.
    if (typed())
        choose(form()->text(kMaterial));
}
