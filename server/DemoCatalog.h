#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// Fixed reference data of the demo market: places, the category tree, mills and warehouses.
/// Place ids are the national administrative division codes (two digits for a province, four
/// for a city), so a client's place lists can use the same ids.
struct DemoCatalog
{
    struct City { int id; QString name; };
    struct Province { int id; QString name; QList<City> cities; };
    struct Kind { QString name; QStringList materials; QStringList specs; int basePrice; bool hot; };
    struct Category { QString name; QList<Kind> kinds; };
    struct Mill { QString name; int provinceId; quint32 colour; };

    static const QList<Province> &provinces();
    static const QList<Category> &categories();
    static const QList<Mill> &mills();
    static const QStringList &companies();
    static const QStringList &people();
    static const QStringList &regions(); ///< groups of the regional price lists
};
