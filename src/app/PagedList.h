#pragma once

#include <QVariantList>

class RowsModel;

/// The page counter of a paged list (page size 10). The first page replaces the rows, later
/// pages append; a list steps back one page when a request fails, so that the next "load more"
/// asks for the same page again. Lists differ in where they start and when they step back, so
/// the screen decides when to call stepBack.
class PagedList
{
public:
    /// firstPage is the index of the first page; the counter starts just before it, so the
    /// first nextPage() asks for it.
    explicit PagedList(int firstPage = 1) : m_first(firstPage), m_page(firstPage - 1) {}

    int pageIndex() const { return m_page; }
    void setPageIndex(int page) { m_page = page; }
    int firstPage() const { return m_first; }
    bool isFirstPage() const { return m_page <= m_first; }

    /// Back to the first page (a refresh); returns it.
    int reload() { return m_page = m_first; }
    /// The next page to ask for.
    int nextPage() { return ++m_page; }
    /// One page back, never below the start.
    void stepBack()
    {
        if (m_page >= m_first)
            --m_page;
    }

    /// Puts a page of rows into the model: replaces on the first page, appends otherwise.
    void apply(RowsModel &model, const QVariantList &rows) const;

    static constexpr int kPageSize = 10;

private:
    int m_first;
    int m_page;
};
