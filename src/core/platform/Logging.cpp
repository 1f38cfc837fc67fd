#include "core/platform/Logging.h"

Q_LOGGING_CATEGORY(lcSession, "velmora.session")
Q_LOGGING_CATEGORY(lcApi, "velmora.api")
Q_LOGGING_CATEGORY(lcStore, "velmora.store")
Q_LOGGING_CATEGORY(lcApp, "velmora.app")
Q_LOGGING_CATEGORY(lcUi, "velmora.ui")
