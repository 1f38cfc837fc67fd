#pragma once

#include <QLatin1String>

/// The fixed texts the HTTP service recognises the client by, sent as "tokenKey" in the
/// authentication block.
namespace ServiceToken {

/// Every ordinary service call and most form posts.
inline constexpr QLatin1String kService{"A3C9E1F07B2D4C6E8F1A0B3D5C7E"};
/// The crash report and the user-advice post, which the service files separately.
inline constexpr QLatin1String kReport{"C4D2B7A19E3F5061D8B2A7E49"};

} // namespace ServiceToken
