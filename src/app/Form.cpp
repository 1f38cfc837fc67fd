#include "app/Form.h"

#include "core/util/Custom.h"

Form::Form(QObject *parent) : QObject(parent) {}

FormField *Form::add(const QString &key, FormField::Kind kind, const QString &missingText, int maxLength)
{
    auto *f = new FormField(kind, missingText, maxLength, this);
    f->setObjectName(key);
    m_fields.append(f);
    return f;
}

FormField *Form::field(const QString &key) const
{
    for (FormField *f : m_fields)
        if (f->objectName() == key)
            return f;
    return nullptr;
}

QString Form::text(const QString &key) const
{
    const FormField *f = field(key);
    return f ? f->text() : QString();
}

FormField *Form::lastEnabledField() const
{
    for (auto it = m_fields.crbegin(); it != m_fields.crend(); ++it)
        if ((*it)->isEnabled())
            return *it;
    return nullptr;
}

bool Form::check() const
{
    for (const FormField *f : m_fields) {
        if (f->isMissing() && !f->missingText().isEmpty()) {
            Custom::messageWithString(f->missingText());
            return false;
        }
    }
    return true;
}

void Form::clear()
{
    for (FormField *f : std::as_const(m_fields))
        f->setText(QString());
}

void Form::closeKeyboard()
{
    for (FormField *f : std::as_const(m_fields))
        emit f->keyboardClosed();
}
