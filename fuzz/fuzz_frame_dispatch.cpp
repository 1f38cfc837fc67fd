// The session channel's receive path: any bytes, cut into reads where the input's first byte
// says, reassembled, parsed and dispatched to the real observers (the chat manager storing
// messages, the chat model's reminder step, the user record on a forced logout).
#include "FuzzSupport.h"
#include "core/session/ChatManager.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::unique_ptr<FuzzContext> fuzz;
    static int inputs = 0;
    if (inputs++ % 300 == 0)   // a chat table per peer slows the store down: start afresh often
        fuzz = std::make_unique<FuzzContext>();
    fuzz->context->service<ChatManager>();
    fuzz->context->service<UserInfo>()->setUserId(QStringLiteral("7"));
    Socket socket(*fuzz->context);   // one connection's stream per input
    const size_t step = size ? 1 + data[0] % 97 : 1;
    for (size_t at = 1; at < size; at += step)
        socket.didReadData(QByteArrayView(data + at, qsizetype(std::min(step, size - at))));
    return 0;
}
