#pragma once

#include "ServiceResult.h"

class MarketDatabase;

/// A trading partner's company card: "companyName", "mobile", "tel", "userName".
class CompanyCard
{
public:
    static ServiceResult of(const MarketDatabase &db, qint64 userId);
};
