#include "core/util/JsonReader.h"

#include <QVariantList>
#include <QVariantMap>
#include <charconv>

namespace {

constexpr int kMaxDepth = 512;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the valid UTF-8 sequence of two or more bytes at p, or 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF are not valid).
int utf8SequenceLength(const char *p, const char *end)
{
    const auto byte = [&](int i) { return static_cast<unsigned char>(p[i]); };
    const auto continuation = [&](int i) { return p + i < end && (byte(i) & 0xC0) == 0x80; };
    const unsigned char c = byte(0);
    if (c >= 0xC2 && c <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if ((c == 0xE0 && byte(1) < 0xA0) || (c == 0xED && byte(1) > 0x9F))
            return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if ((c == 0xF0 && byte(1) < 0x90) || (c == 0xF4 && byte(1) > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool readHex4(const char *p, const char *end, char32_t &out)
{
    if (end - p < 4)
        return false;
    out = 0;
    for (int i = 0; i < 4; ++i) {
        const int v = hexValue(p[i]);
        if (v < 0)
            return false;
        out = out * 16 + char32_t(v);
    }
    return true;
}

} // namespace

QVariant JsonReader::read(QByteArrayView text)
{
    JsonReader parser(text);
    QVariant out;
    parser.skipSpace();
    if (parser.m_p == parser.m_end || (*parser.m_p != '{' && *parser.m_p != '['))
        return {};
    if (!parser.value(out, 0))
        return {};
    parser.skipSpace();
    if (parser.m_p != parser.m_end)
        return {};
    return out;
}

void JsonReader::skipSpace()
{
    while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r'))
        ++m_p;
}

bool JsonReader::value(QVariant &out, int depth)
{
    if (m_p >= m_end)
        return false;
    switch (*m_p) {
    case '{':
        return object(out, depth + 1);
    case '[':
        return array(out, depth + 1);
    case '"': {
        QString s;
        if (!string(s))
            return false;
        out = QVariant(std::move(s));
        return true;
    }
    case 't':
        out = QVariant(true);
        return literal("true", 4);
    case 'f':
        out = QVariant(false);
        return literal("false", 5);
    case 'n':
        out = QVariant::fromValue(nullptr);
        return literal("null", 4);
    default:
        return number(out);
    }
}

bool JsonReader::literal(const char *word, qsizetype length)
{
    if (m_end - m_p < length || QByteArrayView(m_p, length) != QByteArrayView(word, length))
        return false;
    m_p += length;
    return true;
}

// The members of an object or the elements of an array, from its opening bracket to `close`:
// `item` reads one, a comma goes on to the next. An empty one is just the two brackets.
template <typename Item>
bool JsonReader::sequence(char close, int depth, Item &&item)
{
    if (depth > kMaxDepth)
        return false;
    ++m_p;
    skipSpace();
    if (m_p < m_end && *m_p == close) {
        ++m_p;
        return true;
    }
    for (;;) {
        if (!item())
            return false;
        skipSpace();
        if (m_p >= m_end)
            return false;
        if (*m_p == close) {
            ++m_p;
            return true;
        }
        if (*m_p != ',')
            return false;
        ++m_p;
        skipSpace();
    }
}

bool JsonReader::object(QVariant &out, int depth)
{
    QVariantMap map;
    const bool ok = sequence('}', depth, [&] {
        QString key;
        if (m_p >= m_end || *m_p != '"' || !string(key))
            return false;
        skipSpace();
        if (m_p >= m_end || *m_p != ':')
            return false;
        ++m_p;
        skipSpace();
        QVariant member;
        if (!value(member, depth))
            return false;
        map.insert(key, std::move(member));   // a repeated name keeps its last value
        return true;
    });
    if (ok)
        out = QVariant(std::move(map));
    return ok;
}

bool JsonReader::array(QVariant &out, int depth)
{
    QVariantList list;
    const bool ok = sequence(']', depth, [&] {
        QVariant element;
        if (!value(element, depth))
            return false;
        list.append(std::move(element));
        return true;
    });
    if (ok)
        out = QVariant(std::move(list));
    return ok;
}

// The common case, a string without escapes, is validated in place and converted once.
bool JsonReader::string(QString &out)
{
    const char *start = ++m_p;
    const char *p = start;
    bool ascii = true;
    while (p < m_end) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"') {
            const qsizetype n = p - start;
            out = ascii ? QString::fromLatin1(start, n) : QString::fromUtf8(start, n);
            m_p = p + 1;
            return true;
        }
        if (c == '\\')
            return escapedString(start, out);
        if (c < 0x20)
            return false;
        if (c < 0x80) {
            ++p;
            continue;
        }
        const int n = utf8SequenceLength(p, m_end);
        if (!n)
            return false;
        ascii = false;
        p += n;
    }
    return false;
}

bool JsonReader::escapedString(const char *start, QString &out)
{
    QByteArray utf8;
    utf8.reserve(m_end - start);
    const auto appendCodePoint = [&](char32_t cp) {
        const char32_t one[] = {cp};
        utf8 += QString::fromUcs4(one, 1).toUtf8();
    };
    const char *p = start;
    while (p < m_end) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"') {
            out = QString::fromUtf8(utf8);
            m_p = p + 1;
            return true;
        }
        if (c < 0x20)
            return false;
        if (c >= 0x80) {
            const int n = utf8SequenceLength(p, m_end);
            if (!n)
                return false;
            utf8.append(p, n);
            p += n;
            continue;
        }
        if (c != '\\') {
            utf8.append(char(c));
            ++p;
            continue;
        }
        if (++p >= m_end)
            return false;
        switch (*p) {
        case '"': utf8.append('"'); break;
        case '\\': utf8.append('\\'); break;
        case '/': utf8.append('/'); break;
        case 'b': utf8.append('\b'); break;
        case 'f': utf8.append('\f'); break;
        case 'n': utf8.append('\n'); break;
        case 'r': utf8.append('\r'); break;
        case 't': utf8.append('\t'); break;
        case 'u': {
            char32_t unit = 0;
            if (!readHex4(p + 1, m_end, unit))
                return false;
            p += 4;
            char32_t low = 0;
            if (unit >= 0xD800 && unit <= 0xDBFF && m_end - p > 2 && p[1] == '\\' && p[2] == 'u'
                && readHex4(p + 3, m_end, low) && low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                p += 6;
            } else if (unit >= 0xD800 && unit <= 0xDFFF) {
                unit = 0xFFFD;
            }
            if (unit < 0x80)
                utf8.append(char(unit));
            else
                appendCodePoint(unit);
            break;
        }
        default:
            return false;
        }
        ++p;
    }
    return false;
}

bool JsonReader::number(QVariant &out)
{
    const char *start = m_p;
    const char *p = start;
    if (p < m_end && *p == '-')
        ++p;
    if (p >= m_end)
        return false;
    if (*p == '0') {
        ++p;
    } else if (*p >= '1' && *p <= '9') {
        while (p < m_end && isDigit(*p))
            ++p;
    } else {
        return false;
    }
    bool integral = true;
    if (p < m_end && *p == '.') {
        integral = false;
        ++p;
        if (p >= m_end || !isDigit(*p))
            return false;
        while (p < m_end && isDigit(*p))
            ++p;
    }
    if (p < m_end && (*p == 'e' || *p == 'E')) {
        integral = false;
        ++p;
        if (p < m_end && (*p == '+' || *p == '-'))
            ++p;
        if (p >= m_end || !isDigit(*p))
            return false;
        while (p < m_end && isDigit(*p))
            ++p;
    }
    m_p = p;
    if (integral) {
        qint64 n = 0;
        const auto [end, error] = std::from_chars(start, p, n);
        if (error == std::errc() && end == p) {
            out = QVariant(qlonglong(n));
            return true;
        }
    }
    double d = 0;
    const auto [end, error] = std::from_chars(start, p, d);
    if (error != std::errc() || end != p)
        return false;
    out = QVariant(d);
    return true;
}
