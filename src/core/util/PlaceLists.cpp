#include "core/util/PlaceLists.h"

#include "core/util/Custom.h"
#include "core/util/Value.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

/// Squared distance on an equirectangular projection: exact enough to rank seats a few hundred
/// kilometres apart, and it needs no trigonometry per seat beyond the one cosine.
double distance2(double lat1, double lng1, double lat2, double lng2)
{
    const double meanLat = (lat1 + lat2) / 2 * std::numbers::pi / 180;
    const double dx = (lng2 - lng1) * std::cos(meanLat);
    const double dy = lat2 - lat1;
    return dx * dx + dy * dy;
}

bool hasSeat(const QVariantMap &entry)
{
    return entry.contains(QStringLiteral("lat")) && entry.contains(QStringLiteral("lng"));
}

} // namespace

QVariantMap PlaceLists::nearestPlace(double latitude, double longitude)
{
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90
        || std::abs(longitude) > 180)
        return {};
    double best = std::numeric_limits<double>::infinity();
    QVariantMap found;
    const auto consider = [&](const QVariantMap &province, const QVariantMap &city) {
        const QVariantMap &seat = city.isEmpty() ? province : city;
        if (!hasSeat(seat))
            return;
        const double d = distance2(latitude, longitude, Value::doubleValue(seat.value(QStringLiteral("lat"))),
                                   Value::doubleValue(seat.value(QStringLiteral("lng"))));
        if (d >= best)
            return;
        best = d;
        // A province without cities (Hong Kong, Macao) is its own city, as a geocoder says.
        found = {{QStringLiteral("State"), province.value(QStringLiteral("name"))},
                 {QStringLiteral("City"), seat.value(QStringLiteral("name"))},
                 {QStringLiteral("provinceID"), province.value(QStringLiteral("provinceID"))},
                 {QStringLiteral("cityId"), seat.value(QStringLiteral("provinceID"))}};
    };
    for (const QVariant &p : Value::list(Custom::loadPlistName(QStringLiteral("Province")))) {
        const QVariantMap province = Value::map(p);
        const QVariantList cities = Value::list(province.value(QStringLiteral("citys")));
        if (cities.isEmpty())
            consider(province, {});
        for (const QVariant &c : cities)
            consider(province, Value::map(c));
    }
    return found;
}
