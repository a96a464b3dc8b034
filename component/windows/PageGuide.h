#pragma once

#include <QWidget>

namespace pagora {

// A margin guide on the previewed page: a thin dotted line along the middle of its strip.
class PageGuide : public QWidget
{
public:
    PageGuide(const QString& name, Qt::Orientation orientation, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
};

} // namespace pagora
