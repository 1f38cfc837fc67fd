#include "core/session/FrameCodec.h"

#include <QtEndian>
#include <array>
#include <cstring>

namespace {

// What a byte means to the body scanner outside strings. Everything but these kinds is skipped
// with one table look-up, which keeps the scan near memory speed. A zero byte never occurs in
// JSON text but starts every frame header, so meeting one means the body was not JSON.
enum ByteKind : unsigned char { Plain = 0, Quote, Open, Close, Zero };

constexpr std::array<unsigned char, 256> makeKinds()
{
    std::array<unsigned char, 256> k{};
    k[static_cast<unsigned char>('"')] = Quote;
    k[static_cast<unsigned char>('{')] = Open;
    k[static_cast<unsigned char>('[')] = Open;
    k[static_cast<unsigned char>('}')] = Close;
    k[static_cast<unsigned char>(']')] = Close;
    k[0] = Zero;
    return k;
}
constexpr std::array<unsigned char, 256> kKinds = makeKinds();

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

qint32 FrameCodec::typeOfHeader(QByteArrayView header)
{
    return qFromLittleEndian<qint32>(header.data() + 4);
}

FrameCodec::FrameCodec(qsizetype maxBody) : m_maxBody(maxBody) {}

void FrameCodec::append(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_pos == m_buf.size()) {
        // Nothing pending: adopt the read buffer itself instead of copying it.
        m_buf = bytes;
        m_pos = 0;
        m_bodyStart = m_scan = 0;
        return;
    }
    m_buf.append(bytes);
}

void FrameCodec::reset()
{
    m_buf.clear();
    m_pos = 0;
    m_state = State::Header;
    m_bodyStart = m_scan = 0;
    m_depth = 0;
    m_inString = false;
}

FrameCodec::Status FrameCodec::next(Frame &frame)
{
    for (;;) {
        Status status = Status::NeedMore;
        switch (m_state) {
        case State::Header:
            status = readHeader(frame);
            // A header that opened a body or found noise has more bytes to look at.
            if (status == Status::NeedMore && m_state != State::Header)
                continue;
            break;
        case State::Body:
            status = scanBody(frame);
            if (status == Status::NeedMore && m_state != State::Body)
                continue;
            break;
        case State::Resync:
            if (resync())
                continue;
            break;
        }
        if (status == Status::NeedMore)
            compact();
        return status;
    }
}

FrameCodec::Status FrameCodec::readHeader(Frame &frame)
{
    if (m_buf.size() - m_pos < kHeaderSize)
        return Status::NeedMore;
    const char *data = m_buf.constData();
    const qsizetype bodyStart = m_pos + kHeaderSize;
    qsizetype i = bodyStart;
    while (i < m_buf.size() && isJsonSpace(data[i]))
        ++i;
    if (i - bodyStart > m_maxBody)
        return Status::Oversized;
    if (i == m_buf.size())
        return Status::NeedMore;
    if (opensBody(data[i])) {
        m_state = State::Body;
        m_bodyStart = bodyStart;
        m_scan = i + 1;
        m_depth = 1;
        m_inString = false;
        return Status::NeedMore;
    }
    if (data[i] == '\0' && i == bodyStart && prefixIsZero(m_pos)) {
        frame.typeBytes = QByteArrayView(data + m_pos + 4, 4);
        frame.type = typeOfHeader(QByteArrayView(data + m_pos, kHeaderSize));
        frame.body = QByteArrayView(data + bodyStart, 0);
        m_pos = bodyStart;
        return Status::Frame;
    }
    // Not a frame here: the stream is out of step. Give up this header's first byte and look for
    // the next place where a frame starts.
    m_state = State::Resync;
    m_pos += 1;
    m_skipped += 1;
    return Status::NeedMore;
}

FrameCodec::Status FrameCodec::scanBody(Frame &frame)
{
    const char *data = m_buf.constData();
    const qsizetype end = m_buf.size();
    qsizetype i = m_scan;
    int depth = m_depth;
    bool inString = m_inString;
    while (i < end) {
        if (inString) {
            const void *q = std::memchr(data + i, '"', size_t(end - i));
            const qsizetype at = q ? static_cast<const char *>(q) - data : end;
            if (std::memchr(data + i, 0, size_t(at - i)))
                return abandonBody();
            if (!q) {
                i = end;
                break;
            }
            // A quote ends the string unless an odd run of backslashes escapes it. The run
            // cannot reach back past the opening quote, which is not a backslash.
            qsizetype run = 0;
            while (data[at - 1 - run] == '\\')
                ++run;
            i = at + 1;
            if ((run & 1) == 0)
                inString = false;
            continue;
        }
        const unsigned char kind = kKinds[static_cast<unsigned char>(data[i])];
        ++i;
        if (kind == Plain)
            continue;
        if (kind == Quote) {
            inString = true;
        } else if (kind == Open) {
            ++depth;
        } else if (kind == Zero) {
            return abandonBody();
        } else if (--depth == 0) {
            if (i - m_bodyStart > m_maxBody)
                return Status::Oversized;
            frame.typeBytes = QByteArrayView(data + m_bodyStart - 4, 4);
            frame.type = typeOfHeader(QByteArrayView(data + m_bodyStart - kHeaderSize, kHeaderSize));
            frame.body = QByteArrayView(data + m_bodyStart, i - m_bodyStart);
            m_pos = i;
            m_state = State::Header;
            return Status::Frame;
        }
    }
    m_scan = i;
    m_depth = depth;
    m_inString = inString;
    if (m_scan - m_bodyStart > m_maxBody)
        return Status::Oversized;
    return Status::NeedMore;
}

// The "body" ran into a zero byte, so it was noise that happened to start like JSON (or a
// frame cut short). Whatever follows may be a real frame: look for it from just past the
// header that led here.
FrameCodec::Status FrameCodec::abandonBody()
{
    m_state = State::Resync;
    m_pos += 1;
    m_skipped += 1;
    return Status::NeedMore;
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

// Called only when no frame view is outstanding: drops consumed bytes so that the buffer holds
// at most one partial frame.
void FrameCodec::compact()
{
    if (m_pos == 0)
        return;
    if (m_pos == m_buf.size()) {
        m_buf.clear();
    } else {
        m_buf.remove(0, m_pos);
    }
    m_bodyStart -= m_pos;
    m_scan -= m_pos;
    m_pos = 0;
}
