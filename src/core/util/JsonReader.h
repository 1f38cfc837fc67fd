#pragma once

#include <QByteArrayView>
#include <QVariant>

/// The one JSON reader: frame bodies, service replies, list files and the service's own input.
/// It builds the QVariant tree straight from the bytes (no QJsonDocument in between, which
/// would build every value twice) and checks UTF-8 as it goes.
///
/// The result is what QJsonDocument::fromJson(...).toVariant() gives: objects are QVariantMap,
/// arrays QVariantList, strings QString, integers that fit qint64 are qlonglong, other numbers
/// double, true/false bool, null a QVariant holding nullptr. Text that is not valid UTF-8 or
/// not a JSON text (an object or an array, white space around it, strictly to the grammar of
/// RFC 8259, where QJsonDocument lets "1.", ".5", unknown escapes and raw control characters
/// pass) gives an invalid QVariant, and so do nesting deeper than 512 levels and a number
/// beyond the range of double. A \u escape of a lone surrogate becomes U+FFFD.
class JsonReader
{
public:
    static QVariant read(QByteArrayView text);

private:
    explicit JsonReader(QByteArrayView text) : m_p(text.data()), m_end(text.data() + text.size()) {}

    bool value(QVariant &out, int depth);
    bool object(QVariant &out, int depth);
    bool array(QVariant &out, int depth);
    template <typename Item>
    bool sequence(char close, int depth, Item &&item);
    bool string(QString &out);
    bool number(QVariant &out);
    bool literal(const char *word, qsizetype length);
    bool escapedString(const char *start, QString &out);
    void skipSpace();

    const char *m_p;
    const char *m_end;
};
