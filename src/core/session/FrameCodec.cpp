#include "core/session/FrameCodec.h"

#include <QtEndian>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif
#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// The body scanner works on 64-byte blocks, one bit per byte, so that its cost does not
// depend on how many strings, escapes and brackets a body holds (a byte-at-a-time scanner, or
// one memchr per string, spends most of its time on branches in these short, string-dense
// bodies). Per block: which bytes are quotes, backslashes, opening and closing brackets, and
// zero. A zero byte never occurs in JSON text but starts every frame header, so meeting one
// inside a body means the body was not JSON.
struct BlockMasks
{
    quint64 quote = 0;
    quint64 backslash = 0;
    quint64 open = 0;
    quint64 close = 0;
    quint64 zero = 0;
};

// p has 64 readable bytes.
BlockMasks classify(const char *p)
{
    BlockMasks m;
#ifdef __SSE2__
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    // '[' and ']' differ from '{' and '}' only in bit 0x20, so one compare finds each pair.
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i openBrace = _mm_set1_epi8('{');
    const __m128i closeBrace = _mm_set1_epi8('}');
    const __m128i zero = _mm_setzero_si128();
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * k));
        const __m128i folded = _mm_or_si128(v, caseBit);
        const auto bits = [](__m128i hits) { return quint64(unsigned(_mm_movemask_epi8(hits))); };
        const int shift = 16 * k;
        m.quote |= bits(_mm_cmpeq_epi8(v, quote)) << shift;
        m.backslash |= bits(_mm_cmpeq_epi8(v, backslash)) << shift;
        m.open |= bits(_mm_cmpeq_epi8(folded, openBrace)) << shift;
        m.close |= bits(_mm_cmpeq_epi8(folded, closeBrace)) << shift;
        m.zero |= bits(_mm_cmpeq_epi8(v, zero)) << shift;
    }
#else
    for (int k = 0; k < 64; ++k) {
        const quint64 bit = quint64(1) << k;
        switch (p[k]) {
        case '"': m.quote |= bit; break;
        case '\\': m.backslash |= bit; break;
        case '{': case '[': m.open |= bit; break;
        case '}': case ']': m.close |= bit; break;
        case 0: m.zero |= bit; break;
        default: break;
        }
    }
#endif
    return m;
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same with 32 bytes per step, on processors that have AVX2 (chosen at run time, so the
// program still runs on any x86-64).
__attribute__((target("avx2"))) BlockMasks classifyAvx2(const char *p)
{
    BlockMasks m;
    const __m256i quote = _mm256_set1_epi8('"');
    const __m256i backslash = _mm256_set1_epi8('\\');
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i openBrace = _mm256_set1_epi8('{');
    const __m256i closeBrace = _mm256_set1_epi8('}');
    const __m256i zero = _mm256_setzero_si256();
    for (int k = 0; k < 2; ++k) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + 32 * k));
        const __m256i folded = _mm256_or_si256(v, caseBit);
        const int shift = 32 * k;
        m.quote |= quint64(unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, quote)))) << shift;
        m.backslash |= quint64(unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, backslash)))) << shift;
        m.open |= quint64(unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(folded, openBrace)))) << shift;
        m.close |= quint64(unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(folded, closeBrace)))) << shift;
        m.zero |= quint64(unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, zero)))) << shift;
    }
    return m;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");

BlockMasks classifyBest(const char *p)
{
    return kHasAvx2 ? classifyAvx2(p) : classify(p);
}
#else
BlockMasks classifyBest(const char *p)
{
    return classify(p);
}
#endif

// Bytes escaped by a backslash: the byte after each odd-length run of backslashes. prevEscaped
// carries "the first byte of the next block is escaped" from block to block.
quint64 escapedBytes(quint64 backslash, quint64 &prevEscaped)
{
    constexpr quint64 evenBits = 0x5555555555555555ULL;
    backslash &= ~prevEscaped;
    const quint64 followsEscape = backslash << 1 | prevEscaped;
    const quint64 oddSequenceStarts = backslash & ~evenBits & ~followsEscape;
    const quint64 sum = oddSequenceStarts + backslash;
    prevEscaped = sum < backslash ? 1 : 0;   // carry out of the top bit
    const quint64 invertMask = sum << 1;
    return (evenBits ^ invertMask) & followsEscape;
}

// Each bit becomes the parity of the bits up to and including it: between an opening quote
// and its closing quote, the bits are set.
quint64 prefixXor(quint64 x)
{
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
}

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

char *FrameCodec::appendBuffer(qsizetype n)
{
    compact();
    const qsizetype size = m_buf.size();
    m_buf.resize(size + n);
    m_reserved = n;
    return m_buf.data() + size;
}

void FrameCodec::commitAppend(qsizetype n)
{
    m_buf.resize(m_buf.size() - m_reserved + std::clamp<qsizetype>(n, 0, m_reserved));
    m_reserved = 0;
}

void FrameCodec::reset()
{
    m_buf.clear();
    m_pos = 0;
    m_state = State::Header;
    m_bodyStart = m_scan = 0;
    m_depth = 0;
    m_inString = false;
    m_prevEscaped = 0;
    m_reserved = 0;
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
        m_prevEscaped = 0;
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
    alignas(16) char tail[64];
    while (i < end) {
        const qsizetype n = std::min<qsizetype>(64, end - i);
        const char *p = data + i;
        quint64 valid = ~quint64(0);
        if (n < 64) {
            // The last bytes so far: scanned from a padded copy, and again (from the same
            // state) when more arrive, unless the body ends here.
            std::memcpy(tail, p, size_t(n));
            std::memset(tail + n, 0, size_t(64 - n));
            p = tail;
            valid = (quint64(1) << n) - 1;
        }
        const BlockMasks m = classifyBest(p);
        quint64 prevEscaped = m_prevEscaped;
        const quint64 quotes = m.quote & ~escapedBytes(m.backslash & valid, prevEscaped);
        const quint64 inString = prefixXor(quotes & valid) ^ (m_inString ? ~quint64(0) : 0);
        int depth = m_depth;
        int endBit = -1;
        for (quint64 bits = (m.open | m.close) & valid & ~inString; bits; bits &= bits - 1) {
            const int b = std::countr_zero(bits);
            if ((m.open >> b) & 1) {
                ++depth;
            } else if (--depth == 0) {
                endBit = b;
                break;
            }
        }
        const quint64 upToEnd = endBit < 0 ? valid : endBit == 63 ? ~quint64(0) : (quint64(2) << endBit) - 1;
        if (m.zero & upToEnd)
            return abandonBody();
        if (endBit >= 0) {
            const qsizetype frameEnd = i + endBit + 1;
            if (frameEnd - m_bodyStart > m_maxBody)
                return Status::Oversized;
            frame.typeBytes = QByteArrayView(data + m_bodyStart - 4, 4);
            frame.type = typeOfHeader(QByteArrayView(data + m_bodyStart - kHeaderSize, kHeaderSize));
            frame.body = QByteArrayView(data + m_bodyStart, frameEnd - m_bodyStart);
            m_pos = frameEnd;
            m_state = State::Header;
            return Status::Frame;
        }
        if (n < 64)
            break;
        m_depth = depth;
        m_inString = (inString >> 63) & 1;
        m_prevEscaped = prevEscaped;
        i += 64;
    }
    m_scan = i;
    if (end - m_bodyStart > m_maxBody)
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
        // Keep the allocation for the next read unless it is shared with an adopted chunk.
        if (m_buf.isDetached())
            m_buf.resize(0);
        else
            m_buf.clear();
    } else {
        m_buf.remove(0, m_pos);
    }
    m_bodyStart -= m_pos;
    m_scan -= m_pos;
    m_pos = 0;
}
