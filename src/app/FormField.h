#pragma once

#include <QObject>
#include <QString>

/// One input of a form, declared once by its screen (Form::add). It takes only what the phone's
/// keypad of its kind lets a user type, whoever sets it; the page's input shows the same rule
/// (pattern, inputMethodHints, maxLength) so that a refused character never appears.
class FormField : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)
    Q_PROPERTY(QString label MEMBER m_label CONSTANT)
    Q_PROPERTY(QString placeholder MEMBER m_placeholder CONSTANT)
    Q_PROPERTY(bool password READ isPassword CONSTANT)
    Q_PROPERTY(QString pattern READ pattern CONSTANT)
    Q_PROPERTY(int inputMethodHints READ inputMethodHints CONSTANT)
    Q_PROPERTY(int maxLength READ maxLength CONSTANT)
public:
    /// The keypad: any text; masked text; digits and one point; a mobile number (at most 11
    /// digits); digits only (codes, numbers).
    enum Kind { Text, Password, Decimal, Phone, Digits };
    Q_ENUM(Kind)

    FormField(Kind kind, QString missingText, int maxLength, QObject *parent);

    QString text() const { return m_text; }
    /// Takes text when the field accepts it; otherwise keeps what it had (and tells the page).
    void setText(const QString &text);
    bool accepts(const QString &text) const;
    /// The message shown when the field is empty at submission; none: the field may stay empty.
    QString missingText() const { return m_missingText; }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    /// What the page shows beside and inside the input, set where the field is declared.
    FormField *setLabel(const QString &label);
    FormField *setPlaceholder(const QString &placeholder);
    /// A shorter text counts as missing (a mobile number of 11 digits, a code of 6).
    FormField *setMinLength(int length);
    bool isMissing() const { return m_text.isEmpty() || m_text.size() < m_minLength; }

    Kind kind() const { return m_kind; }
    bool isPassword() const { return m_kind == Password; }
    /// The whole text the input accepts, as a regular expression.
    QString pattern() const;
    int inputMethodHints() const;
    /// 0: no limit.
    int maxLength() const { return m_maxLength; }

    /// Return in this field: submits the form when this is its last enabled field (true);
    /// otherwise false, and the page moves the focus on.
    Q_INVOKABLE bool returnPressed();

signals:
    void textChanged();
    void enabledChanged();
    /// The field gives up the keyboard (Form::closeKeyboard).
    void keyboardClosed();

private:
    Kind m_kind;
    QString m_missingText;
    int m_maxLength;
    QString m_text;
    QString m_label;
    QString m_placeholder;
    bool m_enabled = true;
    int m_minLength = 0;
};
