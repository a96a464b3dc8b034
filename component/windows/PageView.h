#pragma once

#include <QPicture>
#include <QWidget>

namespace pagora {

// The shown page (picChild): the picture of one page surface, stretched to the widget.
class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    void setPicture(const QPicture* picture, QSize surfaceTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPicture* m_picture = nullptr;
    QSize m_surface;
};

} // namespace pagora
