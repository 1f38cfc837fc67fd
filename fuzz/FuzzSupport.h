#pragma once

#include "core/platform/AppContext.h"

#include <QCoreApplication>
#include <QTemporaryDir>

/// Once per fuzz process: an application object (Qt expects one) and no log output (millions
/// of inputs would flood it). Then contexts over a private folder, in memory where there is one.
struct FuzzContext
{
    FuzzContext()
    {
        static int argc = 1;
        static char *argv[] = {const_cast<char *>("fuzz"), nullptr};
        static QCoreApplication app(argc, argv);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        Config config = Config::defaults();
        config.dataDir = dir.path();
        config.sessionHost.clear();   // no connection: the bytes come from the fuzzer
        context = std::make_unique<AppContext>(config);
    }
    QTemporaryDir dir{QStringLiteral("/dev/shm/velmora-fuzz-XXXXXX")};
    std::unique_ptr<AppContext> context;
};
