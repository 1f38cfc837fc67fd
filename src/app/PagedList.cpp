#include "app/PagedList.h"

#include "app/RowsModel.h"

void PagedList::apply(RowsModel &model, const QVariantList &rows) const
{
    if (isFirstPage())
        model.setRows(rows);
    else
        model.appendRows(rows);
}
