// Session channel throughput over loopback.
//
// 1. Reassembly: one stream of chat-sized frames is read by a QTcpSocket and either only
//    counted (raw) or fed through FrameCodec until every frame is out. Both run in the same
//    process on the same stream, alternately, so the ratio compares like with like.
// 2. Dispatch: the same kind of stream reaches a real Socket; every frame is parsed as JSON
//    and posted as a notification to one observer. Reported as whole frames per second, for
//    type 1 (parse and notify) and type 4 (also the chat model's reminder step).
//
// The writer is a plain POSIX socket on its own thread, so the reading side sees the stream
// as fast as the kernel delivers it.
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/FrameCodec.h"
#include "core/session/Socket.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <time.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

// CPU time of the calling (reading) thread, kernel time included: on a busy machine wall time
// also counts the time other processes held the cores.
double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

/// Wall and reading-thread CPU seconds of one run.
struct Timing
{
    double wall = 0;
    double cpu = 0;
};

QByteArray makeStream(qint32 type, int frames)
{
    QByteArray stream;
    for (int i = 0; i < frames; ++i) {
        const QByteArray body = "{\"SenderID\":\"" + QByteArray::number(1000 + i % 7)
            + "\",\"SenderMobileNumber\":\"13900001111\",\"ResourceID\":\"0\",\"Content\":\""
            + "您好，请问这批热轧卷板还有货吗？价格能否再商量 \\\"Q235B\\\" " + QByteArray::number(i)
            + "\",\"Type\":\"2\",\"SendTime\":\"1700000000\"}";
        stream += FrameCodec::encode(type, body);
    }
    return stream;
}

/// Listens on a loopback port and, on its own thread, writes the stream to the first client.
class Writer
{
public:
    explicit Writer(const QByteArray &stream) : m_stream(stream)
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        ::listen(m_listen, 1);
        socklen_t len = sizeof addr;
        ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] {
            const int fd = ::accept(m_listen, nullptr, nullptr);
            const char *p = m_stream.constData();
            qsizetype left = m_stream.size();
            while (left > 0) {
                const ssize_t n = ::write(fd, p, size_t(std::min<qsizetype>(left, 1 << 16)));
                if (n <= 0)
                    break;
                p += n;
                left -= n;
            }
            ::shutdown(fd, SHUT_WR);
            char sink[256];
            while (::read(fd, sink, sizeof sink) > 0) {
            }
            ::close(fd);
        });
    }
    ~Writer()
    {
        m_thread.join();
        ::close(m_listen);
    }
    quint16 port() const { return m_port; }

private:
    QByteArray m_stream;
    int m_listen = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

// Time to read the whole stream, raw or reassembled.
Timing readStream(const QByteArray &stream, int frames, bool reassemble)
{
    Writer writer(stream);
    QTcpSocket socket;
    FrameCodec codec;
    QEventLoop loop;
    qint64 bytes = 0;
    int decoded = 0;
    QElapsedTimer timer;
    // Raw reads into one reused buffer; reassembly reads a chunk and appends it to the
    // decoder, as the channel does.
    QByteArray rawBuffer;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        const qint64 available = socket.bytesAvailable();
        qint64 got = 0;
        if (reassemble) {
            const QByteArray chunk = socket.read(available);
            got = chunk.size();
            codec.append(chunk);
            FrameCodec::Frame frame;
            while (codec.next(frame) == FrameCodec::Status::Frame)
                ++decoded;
        } else {
            if (rawBuffer.size() < available)
                rawBuffer.resize(available);
            got = socket.read(rawBuffer.data(), available);
        }
        bytes += got;
        if (bytes == stream.size())
            loop.quit();
    });
    timer.start();
    const double cpu0 = threadCpuSeconds();
    socket.connectToHost(QStringLiteral("127.0.0.1"), writer.port());
    loop.exec();
    const Timing t{double(timer.nsecsElapsed()) / 1e9, threadCpuSeconds() - cpu0};
    socket.close();
    if (reassemble && decoded != frames)
        std::fprintf(stderr, "reassembly lost frames: %d of %d\n", decoded, frames);
    return t;
}

// Time through a real Socket, from connect to the last notification.
Timing dispatchTime(qint32 type, const QString &name, int frames)
{
    QTemporaryDir dir;
    Config config = Config::defaults();
    config.dataDir = dir.path();
    const QByteArray stream = makeStream(type, frames);
    Writer writer(stream);
    config.sessionHost = QStringLiteral("127.0.0.1");
    config.sessionPort = writer.port();
    AppContext ctx(config);
    QEventLoop loop;
    int seen = 0;
    QObject observer;
    ctx.notificationCenter()->addObserver(&observer, name, [&](const Notification &) {
        if (++seen == frames)
            loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    const double cpu0 = threadCpuSeconds();
    Socket *socket = Socket::socket();
    loop.exec();
    const Timing t{double(timer.nsecsElapsed()) / 1e9, threadCpuSeconds() - cpu0};
    socket->setBackoffPolicy({60000, 60000, 0});   // the writer hangs up when done
    socket->disConnect();
    return t;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds to decode a 1 MiB burst of chat frames handed over in 64 KiB reads: the decoder
// alone, no socket.
double burstMs(const QByteArray &burst, int frames)
{
    QElapsedTimer timer;
    timer.start();
    FrameCodec codec;
    int decoded = 0;
    FrameCodec::Frame frame;
    for (qsizetype at = 0; at < burst.size(); at += 65536) {
        codec.append(QByteArrayView(burst).sliced(at, std::min<qsizetype>(65536, burst.size() - at)));
        while (codec.next(frame) == FrameCodec::Status::Frame)
            ++decoded;
    }
    if (decoded != frames)
        std::fprintf(stderr, "burst decode lost frames: %d of %d\n", decoded, frames);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    // "read" or "dispatch" runs one part only (for profiling).
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int rounds = 5;
    std::printf("figures: median of %d rounds; wall time, and in brackets per CPU second of the reading thread\n",
                rounds);

    if (only != QStringLiteral("dispatch")) {
        QByteArray burst;
        int burstFrames = 0;
        for (const QByteArray one = makeStream(4, 1); burst.size() + one.size() <= (1 << 20); ++burstFrames)
            burst += one;
        std::vector<double> ms;
        for (int round = 0; round < 20; ++round)
            ms.push_back(burstMs(burst, burstFrames));
        std::printf("burst: %d chat frames, %lld bytes, decoded in %.2f ms (median of 20)\n", burstFrames,
                    qint64(burst.size()), median(ms));

        const int frames = 400000;
        const QByteArray stream = makeStream(4, frames);
        const double mb = double(stream.size()) / (1 << 20);
        std::vector<double> rawWall, rawCpu, framedWall, framedCpu, ratioWall, ratioCpu;
        readStream(stream, frames, false);   // warm-up
        for (int round = 0; round < rounds; ++round) {
            const Timing raw = readStream(stream, frames, false);
            const Timing framed = readStream(stream, frames, true);
            rawWall.push_back(mb / raw.wall);
            rawCpu.push_back(mb / raw.cpu);
            framedWall.push_back(mb / framed.wall);
            framedCpu.push_back(mb / framed.cpu);
            ratioWall.push_back(raw.wall / framed.wall);
            ratioCpu.push_back(raw.cpu / framed.cpu);
        }
        std::printf("stream: %d chat frames, %.1f MiB over loopback\n", frames, mb);
        std::printf("raw read:          %7.0f MiB/s  (%7.0f MiB/s CPU)\n", median(rawWall), median(rawCpu));
        std::printf("reassembled read:  %7.0f MiB/s  (%7.0f MiB/s CPU)  = %.2fx raw (%.2fx by CPU)\n",
                    median(framedWall), median(framedCpu), median(ratioWall), median(ratioCpu));
    }
    if (only == QStringLiteral("read"))
        return 0;

    const int frames = 200000;
    for (const auto &[type, name, what] : {std::tuple{1, "LoginSuccessInfo", "parse JSON, notify"},
                                           std::tuple{4, "InstantMessage", "parse, notify, reminder step"}}) {
        std::vector<double> wall, cpu;
        for (int round = 0; round < rounds; ++round) {
            const Timing t = dispatchTime(type, QString::fromLatin1(name), frames);
            wall.push_back(frames / t.wall);
            cpu.push_back(frames / t.cpu);
        }
        std::printf("dispatch, type %d:  %7.0f frames/s (%7.0f frames/s CPU)  read, reassemble, %s\n", type,
                    median(wall), median(cpu), what);
    }
    return 0;
}
