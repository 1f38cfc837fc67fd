#pragma once

#include <QString>
#include <QVariant>

/// The platform's text and number semantics that the whole client relies on:
/// "%@" text of any value, and the lenient integer / double / boolean reading of texts.
/// Every conversion of a reply value or a stored value goes through here.
class Value
{
public:
    /// "%@" text: none (invalid, null QVariant or null QString) → "(null)", numbers their
    /// shortest decimal text, booleans "1"/"0", strings as they are, containers as compact JSON.
    static QString text(const QVariant &v);

    /// True for an invalid QVariant, a null QVariant, a null QString or a JSON null.
    static bool isNone(const QVariant &v);

    /// Integer value: numbers truncate; texts read an optional sign and leading digits after
    /// white space ("12abc" → 12, "abc" → 0), clamping at the 32-bit range.
    static int intValue(const QVariant &v);
    static int intValue(const QString &s);

    /// 64-bit variant of intValue (for ids and lengths).
    static qint64 longLongValue(const QVariant &v);

    /// Double value: numbers as they are; texts read the longest leading decimal number.
    static double doubleValue(const QVariant &v);
    static double doubleValue(const QString &s);

    /// Boolean value: numbers non-zero; texts true when, after white space, an optional sign
    /// and leading zeros, they start with Y, y, T, t or a digit 1-9.
    static bool boolValue(const QVariant &v);
    static bool boolValue(const QString &s);

    /// Member of a dictionary-like value, none when the value is not a dictionary.
    static QVariant member(const QVariant &dict, const QString &key);

    /// The value as a dictionary (empty when it is not one) / as a list (empty when not one).
    static QVariantMap map(const QVariant &v);
    static QVariantList list(const QVariant &v);
};
