#include "SessionFrameDecoder.h"

#include <QtEndian>

QList<SessionFrame> SessionFrameDecoder::feed(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    QList<SessionFrame> frames;
    while (m_buffer.size() >= 8) {
        const QByteArray body = m_buffer.mid(8);
        qsizetype length = 0;
        if (!body.isEmpty() && body.at(0) == '\0') {
            length = 0; // header-only frame; the next header follows at once
        } else {
            length = valueLength(body);
            if (length == 0) {
                if (body.size() > kMaxBody) {
                    m_problems << QStringLiteral("frame body over %1 bytes dropped").arg(kMaxBody);
                    m_buffer.clear();
                }
                break; // wait for the rest
            }
            if (length < 0) {
                // Without a length field there is no way to find the next frame: drop all.
                m_problems << QStringLiteral("non-JSON frame body dropped (%1 bytes)").arg(m_buffer.size());
                m_buffer.clear();
                break;
            }
        }
        SessionFrame frame;
        frame.type = qFromLittleEndian<qint32>(m_buffer.constData() + 4);
        frame.body = m_buffer.mid(8, length);
        m_buffer.remove(0, 8 + length);
        frames.append(frame);
    }
    return frames;
}

QStringList SessionFrameDecoder::takeProblems()
{
    QStringList out;
    out.swap(m_problems);
    return out;
}

qsizetype SessionFrameDecoder::valueLength(const QByteArray &body)
{
    qsizetype i = 0;
    while (i < body.size() && (body.at(i) == ' ' || body.at(i) == '\n' || body.at(i) == '\r'
                               || body.at(i) == '\t'))
        ++i;
    if (i == body.size())
        return 0;
    if (body.at(i) != '{' && body.at(i) != '[')
        return -1;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (; i < body.size(); ++i) {
        const char c = body.at(i);
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"': inString = true; break;
        case '{': case '[': ++depth; break;
        case '}': case ']':
            if (--depth == 0)
                return i + 1;
            break;
        default: break;
        }
    }
    return 0;
}
