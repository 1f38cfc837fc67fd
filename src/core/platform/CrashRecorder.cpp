#include "core/platform/CrashRecorder.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

std::atomic<int> g_fd{-1};
std::atomic_flag g_recorded = ATOMIC_FLAG_INIT;
bool g_armed = false;
// A stack overflow leaves no room for the handler on the thread's own stack.
alignas(16) char g_altStack[64 * 1024];

void record(const char *reason)
{
    if (g_recorded.test_and_set())
        return;
    const int fd = g_fd.load();
    if (fd < 0)
        return;
    size_t left = std::strlen(reason);
    while (left > 0) {
        const ssize_t n = ::write(fd, reason, left);
        if (n <= 0)
            break;
        reason += n;
        left -= size_t(n);
    }
}

void onFatalSignal(int signal)
{
    record(CrashRecorder::signalReason(signal));
    // SA_RESETHAND restored the default action; the signal is blocked until we return, so the
    // process then dies of it as it would have without the hook.
    ::raise(signal);
}

[[noreturn]] void onTerminate()
{
    if (std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception &e) {
            record(e.what());
        } catch (...) {
            record("uncaught exception of unknown type");
        }
    } else {
        record("std::terminate called without an exception");
    }
    std::abort();
}

void arm()
{
    std::set_terminate(onTerminate);
    stack_t stack{};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof g_altStack;
    ::sigaltstack(&stack, nullptr);
    struct sigaction action{};
    action.sa_handler = onFatalSignal;
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int s : kFatalSignals)
        ::sigaction(s, &action, nullptr);
    g_armed = true;
}

} // namespace

const char *CrashRecorder::signalReason(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV: invalid memory access";
    case SIGABRT: return "SIGABRT: abort";
    case SIGBUS: return "SIGBUS: bus error";
    case SIGFPE: return "SIGFPE: arithmetic error";
    case SIGILL: return "SIGILL: illegal instruction";
    default: return "fatal signal";
    }
}

bool CrashRecorder::install(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int previous = g_fd.exchange(fd);
    if (previous >= 0)
        ::close(previous);
    if (!g_armed)
        arm();
    return fd >= 0;
}

QString CrashRecorder::pendingReason(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray reason = file.readAll();
    return reason.isEmpty() ? QString() : QString::fromUtf8(reason);
}
