#pragma once

#include "printing/PreviewTarget.h"

#include <QPicture>
#include <QSize>
#include <deque>

namespace pagora {

// Page surfaces recorded once and drawn at any zoom.
class PageSurfaces : public PreviewTarget
{
public:
    void SizePreview(int lWidth, int lHeight) override;
    // Throws when the page exists already.
    void AddPage(int PageNumber) override;
    QPaintDevice* pageSurface(int index) override;
    void showPreview() override { m_shown = true; }

    int count() const { return static_cast<int>(m_pages.size()); }
    const QPicture& page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    QSize pageSize() const { return m_size; }
    bool shown() const { return m_shown; }

private:
    std::deque<QPicture> m_pages{1};
    QSize m_size;
    bool m_shown = false;
};

} // namespace pagora
