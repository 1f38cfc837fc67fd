#pragma once

#include <QVariantMap>

/// The place lists "Province" (market filters) and "AllCity" (delivery places and addresses):
/// every province and prefecture-level city, keyed by the national division codes the service
/// uses (province "31", city "3101"), each city with the coordinates of its seat.
///
/// The platform has no reverse geocoder, so a location fix is named by the city seat nearest
/// to it: close enough to pick the user's market city, which is all the fix is used for.
class PlaceLists
{
public:
    /// The address the fix resolves to, as a geocoder would name it: "State" (province name),
    /// "City" (city name), plus "provinceID" and "cityId". Empty when the lists cannot be read
    /// or the coordinates are not a position.
    static QVariantMap nearestPlace(double latitude, double longitude);
};
