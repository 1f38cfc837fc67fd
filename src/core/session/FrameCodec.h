#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

/// Frames of the session channel, shared by the client's `Socket` and the local market service.
///
/// A frame is four prefix bytes (zero in every frame we write; not examined when the peer keeps
/// them zero), the message type as a 32-bit little-endian signed integer, then a JSON text in
/// UTF-8. There is no length field and no terminator: the body ends where its JSON value ends.
///
/// Encoding is `encode()`. Decoding is incremental, because TCP delivers a byte stream, not
/// frames: `append()` whatever a read delivered, then call `next()` until it stops returning
/// `Status::Frame`. A frame split over reads, or several frames in one read, come out exactly as
/// if each had arrived alone.
///
/// How a body is delimited:
/// - after the 8-byte header, JSON white space is skipped; a body is a JSON text, i.e. an object
///   or an array, so it must start with '{' or '['; its end is found by a scanner that tracks
///   strings, escapes and nesting depth 64 bytes at a time, with bit masks rather than a branch
///   per byte (it does not validate the JSON: a body such as {"a":}
///   still comes out as one frame and fails later, at parsing, as any invalid body does);
/// - a header followed directly by the zero byte that starts the next frame is a frame with an
///   empty body. Because only the next frame reveals it, it comes out once that byte arrives,
///   and only when the header's own prefix is four zero bytes (otherwise it is treated as noise);
/// - anything else after a header is noise, and so is a body that runs into a zero byte (JSON
///   text never holds one; every header does): the decoder skips forward to the next position
///   that looks like a frame (four zero bytes, a type, then '{' or '[') and counts the skipped
///   bytes in `skippedBytes()`. Nothing is dispatched from the noise, and noise cannot swallow
///   the frames that follow it;
/// - a body longer than `maxBody()` (1 MiB by default), complete or not, makes `next()` return
///   `Status::Oversized`. The stream cannot be trusted after that: the owner drops the
///   connection and calls `reset()`.
///
/// No dependency beyond QtCore, so the service links it as it is.
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
        QByteArrayView typeBytes;   ///< the four type bytes as received
        QByteArrayView body;        ///< the JSON text, empty for a header-only frame
    };

    enum class Status {
        Frame,      ///< `next()` filled a frame
        NeedMore,   ///< no complete frame buffered
        Oversized,  ///< a body over the bound; reset() before appending more
    };

    /// Four zero bytes, the type little-endian, then the body bytes as they are.
    static QByteArray encode(qint32 type, QByteArrayView body);
    /// The type field of a header (bytes 4 to 7, little-endian); `header` has at least 8 bytes.
    static qint32 typeOfHeader(QByteArrayView header);

    explicit FrameCodec(qsizetype maxBody = kDefaultMaxBody);

    /// Adds bytes read from the stream. Invalidates frames returned earlier.
    void append(const QByteArray &bytes);
    /// Room for up to n more bytes, to read into directly (saves a copy per read); then
    /// commitAppend() with the number actually read. Invalidates frames returned earlier.
    char *appendBuffer(qsizetype n);
    void commitAppend(qsizetype n);
    /// The next complete frame, if one is buffered.
    Status next(Frame &frame);
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
    Status abandonBody();
    bool resync();
    void compact();
    bool prefixIsZero(qsizetype at) const;

    QByteArray m_buf;
    qsizetype m_reserved = 0;    // bytes handed out by appendBuffer, not yet committed
    qsizetype m_pos = 0;         // first byte not yet consumed
    State m_state = State::Header;
    qsizetype m_bodyStart = 0;   // first byte after the header of the frame being scanned
    qsizetype m_scan = 0;        // where the body scan resumes
    int m_depth = 0;
    bool m_inString = false;
    quint64 m_prevEscaped = 0;   // the byte at m_scan is escaped
    qsizetype m_maxBody;
    qint64 m_skipped = 0;
};
