#include "app/FormField.h"

#include "app/Form.h"

#include <QRegularExpression>

FormField::FormField(Kind kind, QString missingText, int maxLength, QObject *parent)
    : QObject(parent), m_kind(kind), m_missingText(std::move(missingText)),
      m_maxLength(kind == Phone && (maxLength <= 0 || maxLength > 11) ? 11 : maxLength)
{
}

namespace {
QString patternOf(FormField::Kind kind)
{
    switch (kind) {
    case FormField::Decimal:
        return QStringLiteral("[0-9]*\\.?[0-9]*");
    case FormField::Phone:
    case FormField::Digits:
        return QStringLiteral("[0-9]*");
    case FormField::Text:
    case FormField::Password:
        break;
    }
    return QStringLiteral(".*");
}
} // namespace

QString FormField::pattern() const
{
    return patternOf(m_kind);
}

int FormField::inputMethodHints() const
{
    switch (m_kind) {
    case Decimal:
        return Qt::ImhFormattedNumbersOnly;
    case Phone:
        return Qt::ImhDialableCharactersOnly | Qt::ImhDigitsOnly;
    case Digits:
        return Qt::ImhDigitsOnly;
    case Password:
        return Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText;
    case Text:
        break;
    }
    return Qt::ImhNone;
}

bool FormField::accepts(const QString &text) const
{
    if (m_maxLength > 0 && text.size() > m_maxLength)
        return false;
    // Text and passwords take anything, line breaks of a pasted text included.
    if (m_kind == Text || m_kind == Password)
        return true;
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(patternOf(Decimal)));
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(patternOf(Digits)));
    return (m_kind == Decimal ? decimal : digits).match(text).hasMatch();
}

void FormField::setText(const QString &text)
{
    if (!accepts(text)) {
        emit textChanged();   // the page shows the kept text again
        return;
    }
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    emit textChanged();
}

void FormField::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

FormField *FormField::setLabel(const QString &label)
{
    m_label = label;
    return this;
}

FormField *FormField::setPlaceholder(const QString &placeholder)
{
    m_placeholder = placeholder;
    return this;
}

FormField *FormField::setMinLength(int length)
{
    m_minLength = length;
    return this;
}

bool FormField::returnPressed()
{
    auto *form = qobject_cast<Form *>(parent());
    if (!form || form->lastEnabledField() != this)
        return false;
    form->submit();
    return true;
}
