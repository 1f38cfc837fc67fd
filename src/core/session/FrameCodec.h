#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

/// Frames of the session channel, the one decoder of the client's `Socket`, the local market
/// service and the test peers.
///
/// A frame is four prefix bytes (zero in every frame we write), the message type as a 32-bit
/// little-endian signed integer, then a JSON text in UTF-8. There is no length field and no
/// terminator: the body ends where its JSON value ends.
///
/// Decoding is incremental, because TCP delivers a byte stream, not frames: `append()` whatever
/// a read delivered, then call `next()` until it stops returning `Status::Frame`. A frame split
/// over reads, or several frames in one read, come out exactly as if each had arrived alone.
///
/// How a body is delimited, one byte at a time:
/// - after the 8-byte header, JSON white space is skipped; a body that starts with '{' or '['
///   ends at its matching bracket (strings and escapes minded, the JSON itself not validated:
///   {"a":} still comes out as one frame and fails later, at parsing);
/// - a header whose prefix is four zero bytes and that is followed by anything else is a frame
///   whose body is empty (the next header's zero byte follows) or is not JSON: it comes out with
///   an empty body, so that its type is still acted on. Bytes after it that are not a frame are
///   skipped. A body that runs into a zero byte (JSON text never holds one; every header does)
///   was cut short: the frame comes out with an empty body and decoding goes on at that byte;
/// - a header with nothing after it cannot tell yet whether a body follows; the owner takes it
///   with `takeBareHeader()` when the stream ends or when nothing has followed it for a while;
/// - noise (a header that does not start with four zero bytes and opens no body) is skipped up
///   to the next place that looks like a frame (four zero bytes, a type, then '{' or '['), and
///   counted in `skippedBytes()`;
/// - a body longer than `maxBody()` (1 MiB by default), complete or not, makes `next()` return
///   `Status::Oversized`. The stream cannot be trusted after that: the owner drops the
///   connection and calls `reset()`.
class FrameCodec
{
public:
    static constexpr qsizetype kHeaderSize = 8;
    static constexpr qsizetype kDefaultMaxBody = qsizetype(1) << 20;

    /// One decoded frame. `body` points into the decoder's buffer and stays valid until the next
    /// call of a non-const member of the decoder.
    struct Frame
    {
        qint32 type = 0;
        QByteArrayView body;   ///< the JSON text; empty when the frame had none or not JSON
    };

    enum class Status {
        Frame,      ///< `next()` filled a frame
        NeedMore,   ///< no complete frame buffered
        Oversized,  ///< a body over the bound; reset() before appending more
    };

    /// Four zero bytes, the type little-endian, then the body bytes as they are.
    static QByteArray encode(qint32 type, QByteArrayView body);

    explicit FrameCodec(qsizetype maxBody = kDefaultMaxBody);

    /// Adds bytes read from the stream. Invalidates frames returned earlier.
    void append(QByteArrayView bytes);
    /// The next complete frame, if one is buffered.
    Status next(Frame &frame);
    /// Whether all that is buffered is a header with nothing but white space after it.
    bool hasBareHeader() const;
    /// Takes such a header as a frame with an empty body.
    bool takeBareHeader(Frame &frame);
    /// Forgets everything buffered (a new connection starts a new stream).
    void reset();

    qsizetype maxBody() const { return m_maxBody; }
    /// Bytes held that do not yet form a frame.
    qsizetype buffered() const { return m_buf.size() - m_pos; }
    /// Bytes thrown away as noise since construction (reset() does not clear it).
    qint64 skippedBytes() const { return m_skipped; }

private:
    enum class State { Header, Body, Resync };

    Status readHeader(Frame &frame);
    Status scanBody(Frame &frame);
    bool resync();
    void emitFrame(Frame &frame, qsizetype header, qsizetype bodyEnd);
    bool prefixIsZero(qsizetype at) const;
    qsizetype skipSpace(qsizetype from) const;

    QByteArray m_buf;
    qsizetype m_pos = 0;         // first byte not yet consumed
    State m_state = State::Header;
    qsizetype m_scan = 0;        // where the body scan resumes
    int m_depth = 0;
    bool m_inString = false;
    bool m_escaped = false;
    qsizetype m_maxBody;
    qint64 m_skipped = 0;
};
