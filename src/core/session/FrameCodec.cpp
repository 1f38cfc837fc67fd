#include "core/session/FrameCodec.h"

#include <QtEndian>
#include <cstring>

namespace {

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool opensBody(char c)
{
    return c == '{' || c == '[';
}

} // namespace

QByteArray FrameCodec::encode(qint32 type, QByteArrayView body)
{
    QByteArray frame(kHeaderSize + body.size(), Qt::Uninitialized);
    char *p = frame.data();
    std::memset(p, 0, 4);
    qToLittleEndian<qint32>(type, p + 4);
    if (!body.isEmpty())
        std::memcpy(p + kHeaderSize, body.data(), size_t(body.size()));
    return frame;
}

FrameCodec::FrameCodec(qsizetype maxBody) : m_maxBody(maxBody) {}

void FrameCodec::append(QByteArrayView bytes)
{
    // Drop what earlier frames consumed first, so the buffer holds at most one partial frame
    // and the bytes kept are moved once per read, not once per frame.
    if (m_pos > 0) {
        m_buf.remove(0, m_pos);
        m_scan -= m_pos;
        m_pos = 0;
    }
    m_buf.append(bytes);
}

void FrameCodec::reset()
{
    m_buf.clear();
    m_pos = 0;
    m_state = State::Header;
    m_scan = 0;
    m_depth = 0;
    m_inString = m_escaped = false;
}

FrameCodec::Status FrameCodec::next(Frame &frame)
{
    for (;;) {
        Status status = Status::NeedMore;
        const State before = m_state;
        switch (m_state) {
        case State::Header: status = readHeader(frame); break;
        case State::Body: status = scanBody(frame); break;
        case State::Resync: resync(); break;
        }
        // NeedMore with a changed state means: look again from where the new state starts.
        if (status != Status::NeedMore || m_state == before)
            return status;
    }
}

bool FrameCodec::hasBareHeader() const
{
    return m_state == State::Header && buffered() >= kHeaderSize && prefixIsZero(m_pos)
           && skipSpace(m_pos + kHeaderSize) == m_buf.size();
}

bool FrameCodec::takeBareHeader(Frame &frame)
{
    if (!hasBareHeader())
        return false;
    emitFrame(frame, m_pos, m_pos + kHeaderSize);
    m_pos = m_buf.size();
    return true;
}

FrameCodec::Status FrameCodec::readHeader(Frame &frame)
{
    if (buffered() < kHeaderSize)
        return Status::NeedMore;
    const qsizetype bodyStart = m_pos + kHeaderSize;
    const qsizetype first = skipSpace(bodyStart);
    if (first - bodyStart > m_maxBody)
        return Status::Oversized;
    if (first == m_buf.size())
        return Status::NeedMore;
    const char c = m_buf.at(first);
    if (opensBody(c)) {
        m_state = State::Body;
        m_scan = first + 1;
        m_depth = 1;
        m_inString = m_escaped = false;
        return Status::NeedMore;
    }
    if (prefixIsZero(m_pos)) {
        // Followed by the next header (a zero byte) or by text that is not JSON: the frame
        // still counts by its type. What is not a frame after it is skipped.
        emitFrame(frame, m_pos, bodyStart);
        m_pos = first;
        if (c != '\0')
            m_state = State::Resync;
        return Status::Frame;
    }
    // Not a frame here: the stream is out of step. Give up this byte and look for the next
    // place where a frame starts.
    m_pos += 1;
    m_skipped += 1;
    m_state = State::Resync;
    return Status::NeedMore;
}

FrameCodec::Status FrameCodec::scanBody(Frame &frame)
{
    const char *data = m_buf.constData();
    const qsizetype end = m_buf.size();
    const qsizetype bodyStart = m_pos + kHeaderSize;
    // Locals, not members: the compiler cannot keep members in registers across char reads.
    int depth = m_depth;
    bool inString = m_inString;
    bool escaped = m_escaped;
    for (qsizetype i = m_scan; i < end; ++i) {
        const char c = data[i];
        if (c == '\0') {
            // Cut short: the next header has begun. The frame counts by its type if its header
            // looked like one; otherwise it was noise.
            m_state = State::Header;
            if (prefixIsZero(m_pos)) {
                emitFrame(frame, m_pos, bodyStart);
                m_pos = i;
                return Status::Frame;
            }
            m_skipped += i - m_pos;
            m_pos = i;
            return Status::NeedMore;
        }
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (opensBody(c)) {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            if (i + 1 - bodyStart > m_maxBody)
                return Status::Oversized;
            m_state = State::Header;
            emitFrame(frame, m_pos, i + 1);
            m_pos = i + 1;
            return Status::Frame;
        }
    }
    m_scan = end;
    m_depth = depth;
    m_inString = inString;
    m_escaped = escaped;
    return end - bodyStart > m_maxBody ? Status::Oversized : Status::NeedMore;
}

// The frame whose header is at `header` and whose body ends at `bodyEnd` (empty when that is
// the end of the header).
void FrameCodec::emitFrame(Frame &frame, qsizetype header, qsizetype bodyEnd)
{
    const char *data = m_buf.constData();
    frame.type = qFromLittleEndian<qint32>(data + header + 4);
    frame.body = QByteArrayView(data + header + kHeaderSize, bodyEnd - header - kHeaderSize);
}

// Looks for four zero bytes followed, after the type, by '{' or '['. Returns true when found
// (the decoder is then back in step at m_pos); otherwise drops what cannot start a frame.
bool FrameCodec::resync()
{
    const char *data = m_buf.constData();
    const qsizetype last = m_buf.size() - kHeaderSize;   // a candidate needs its body's first byte
    for (qsizetype p = m_pos; p < last; ++p) {
        if (data[p] == '\0' && prefixIsZero(p) && opensBody(data[p + kHeaderSize])) {
            m_skipped += p - m_pos;
            m_pos = p;
            m_state = State::Header;
            return true;
        }
    }
    if (last > m_pos) {
        m_skipped += last - m_pos;
        m_pos = last;
    }
    return false;
}

bool FrameCodec::prefixIsZero(qsizetype at) const
{
    const char *p = m_buf.constData() + at;
    return p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0;
}

qsizetype FrameCodec::skipSpace(qsizetype from) const
{
    while (from < m_buf.size() && isJsonSpace(m_buf.at(from)))
        ++from;
    return from;
}
