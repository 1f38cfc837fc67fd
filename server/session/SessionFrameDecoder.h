#pragma once

#include "SessionFrame.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// Cuts the byte stream of one connection into frames. The format has no length field, so a
/// frame ends where the JSON value after its header ends: the decoder scans for the matching
/// closing bracket (minding strings and escapes). That reassembles frames split across reads
/// and separates frames that arrive together. A header followed directly by another header
/// (a zero byte) is a frame with an empty body.
class SessionFrameDecoder
{
public:
    /// Largest body accepted; a longer one is dropped with the rest of the buffer.
    static constexpr qsizetype kMaxBody = 1 << 20;

    /// Adds received bytes and returns the frames now complete, in order.
    QList<SessionFrame> feed(const QByteArray &bytes);

    /// Why bytes were dropped since the last call (for the log); empty when none were.
    QStringList takeProblems();

    qsizetype pending() const { return m_buffer.size(); }

private:
    /// Length of the JSON value at the start of `body`: >0 complete, 0 incomplete, -1 not JSON.
    static qsizetype valueLength(const QByteArray &body);

    QByteArray m_buffer;
    QStringList m_problems;
};
