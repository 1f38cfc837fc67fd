#pragma once

#include <QLoggingCategory>

// One logging category per area, so that a run or a test can filter them
// (QT_LOGGING_RULES="velmora.store.info=false" and the like).
Q_DECLARE_LOGGING_CATEGORY(lcSession) ///< velmora.session: session channel, login, user record
Q_DECLARE_LOGGING_CATEGORY(lcApi)     ///< velmora.api: service requests, catalogue, downloads
Q_DECLARE_LOGGING_CATEGORY(lcStore)   ///< velmora.store: table store and chat model
Q_DECLARE_LOGGING_CATEGORY(lcApp)     ///< velmora.app: platform ports, start-up, alerts
Q_DECLARE_LOGGING_CATEGORY(lcUi)      ///< velmora.ui: the window, pages, location source
