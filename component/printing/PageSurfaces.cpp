#include "PageSurfaces.h"

#include "errors/PagoraError.h"

namespace pagora {

void PageSurfaces::SizePreview(int lWidth, int lHeight)
{
    m_size = QSize(lWidth, lHeight);
    for (QPicture& page : m_pages)
        page.setBoundingRect(QRect(QPoint(0, 0), m_size));
}

void PageSurfaces::AddPage(int PageNumber)
{
    if (PageNumber <= 1)
        return;
    if (PageNumber - 1 < count())
        throw PagoraError(360, QStringLiteral("Object already loaded"));
    while (count() < PageNumber) {
        m_pages.emplace_back();
        m_pages.back().setBoundingRect(QRect(QPoint(0, 0), m_size));
    }
}

QPaintDevice* PageSurfaces::pageSurface(int index)
{
    if (index < 0 || index >= count())
        throw PagoraError(340, QStringLiteral("Control array element does not exist"));
    return &m_pages[static_cast<size_t>(index)];
}

} // namespace pagora
