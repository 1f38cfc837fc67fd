#pragma once

#include "screens/market/TextPicker.h"

/// A material picker: the kind's materials, one row each. A kind without a list of materials
/// lets the user type one instead ("material" in the form) and send it with the confirm button
/// or Return; with a list the field takes no input and the button is hidden.
class MaterialPicker : public TextPicker
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "MaterialPicker")
    Q_PROPERTY(bool typed READ typed NOTIFY typedChanged)
public:
    MaterialPicker(InfoSelectorDelegate::Operation operation, QObject *parent = nullptr);

    /// The materials offered (may be empty).
    void setMaterials(const QStringList &materials);
    /// No list: the material is typed.
    bool typed() const { return count() == 0; }

    /// The confirm button: the typed text, possibly empty, as if it were a row.
    Q_INVOKABLE void confirm();

signals:
    void typedChanged();

private:
    void updateField();
};
