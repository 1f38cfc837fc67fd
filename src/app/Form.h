#pragma once

#include "app/FormField.h"

#include <QList>
#include <QObject>

/// The inputs of a screen, each declared once, in the order they are checked:
///
///     form()->add(QStringLiteral("weight"), FormField::Decimal, QStringLiteral("采购重量不能为零"), 9)
///         ->setLabel(QStringLiteral("采购重量(吨)："));
///     connect(form(), &Form::submitted, this, &GoBuy::submit);   // Return in the last field
///     ...
///     if (!form()->check()) return;                             // in the submit action
///
/// The page draws each with the shared widget: `FormInput { field: page.controller.form.field("weight") }`.
class Form : public QObject
{
    Q_OBJECT
public:
    explicit Form(QObject *parent = nullptr);

    /// Declares a field; missingText (none: optional) is shown when it is empty at check().
    FormField *add(const QString &key, FormField::Kind kind, const QString &missingText = {}, int maxLength = 0);
    Q_INVOKABLE FormField *field(const QString &key) const;
    QString text(const QString &key) const;
    QList<FormField *> fields() const { return m_fields; }
    FormField *lastEnabledField() const;

    /// The first empty (or too short) field that must be filled, in declaration order, shows its message in the
    /// message alert: false then, and the caller sends nothing.
    bool check() const;
    /// Empties every field.
    void clear();
    /// Every field gives up the keyboard.
    Q_INVOKABLE void closeKeyboard();
    /// What Return in the last field does: emits submitted.
    void submit() { emit submitted(); }

signals:
    void submitted();

private:
    QList<FormField *> m_fields;
};
