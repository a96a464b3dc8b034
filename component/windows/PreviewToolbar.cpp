#include "PreviewToolbar.h"

#include "units/Twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace pagora {

PreviewToolbar::PreviewToolbar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picToolbar"));
    auto px = [this](double twips) {
        return Twips::x(this, twips);
    };
    auto button = [&](const QString& name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(px(left), px(40), px(width), px(375));
        b->setAutoDefault(false);
        return b;
    };
    // "Printer..." and "Save PDF…" follow "&Print" and move the controls after them right by
    // their widths; the zoom list is wide enough to show "100%" whole.
    constexpr int shift = 2 * 1170;
    print = button(QStringLiteral("btnPreview_0"), QStringLiteral("&Print"), 120, 795);
    printer = button(QStringLiteral("btnPrinter"), QStringLiteral("P&rinter..."), 990, 1095);
    savePdf =
        button(QStringLiteral("btnSavePdf"), QStringLiteral("Save PDF\u2026"), 990 + 1170, 1095);
    zoomIn = button(QStringLiteral("btnPreview_1"), QStringLiteral("Zoom &In"), 990 + shift, 855);
    zoomOut =
        button(QStringLiteral("btnPreview_2"), QStringLiteral("Zoom &Out"), 1920 + shift, 975);

    percent = new QComboBox(this);
    percent->setObjectName(QStringLiteral("cboPercent"));
    percent->setEditable(false);
    percent->setGeometry(px(3000 + shift), px(40), px(1005), px(375));

    m_navigation = new QWidget(this);
    m_navigation->setObjectName(QStringLiteral("Picture2"));
    m_navigation->setGeometry(px(4110 + shift), px(40), px(4695), px(375));
    slider = new QScrollBar(Qt::Horizontal, m_navigation);
    slider->setObjectName(QStringLiteral("Slider1"));
    slider->setGeometry(0, px(30), px(3000), px(315));
    slider->setRange(1, 2);
    slider->setValue(1);
    slider->setPageStep(1);
    auto nav = [&](const QString& name, const QString& spoken, QStyle::StandardPixmap icon,
                   int left) {
        auto* b = new QToolButton(m_navigation);
        b->setObjectName(name);
        b->setAccessibleName(spoken);
        b->setIcon(style()->standardIcon(icon));
        b->setGeometry(px(left), px(30), px(315), px(315));
        return b;
    };
    m_start = nav(QStringLiteral("cmdStart"), QStringLiteral("First page"),
                  QStyle::SP_MediaSkipBackward, 3120);
    m_previous = nav(QStringLiteral("cmdPrevious"), QStringLiteral("Previous page"),
                     QStyle::SP_MediaSeekBackward, 3480);
    m_next = nav(QStringLiteral("cmdNext"), QStringLiteral("Next page"),
                 QStyle::SP_MediaSeekForward, 3840);
    m_end = nav(QStringLiteral("cmdEnd"), QStringLiteral("Last page"), QStyle::SP_MediaSkipForward,
                4200);

    done = new QPushButton(QStringLiteral("&Done"), this);
    done->setObjectName(QStringLiteral("cmdClose"));
    done->setAutoDefault(false);

    connect(m_start, &QToolButton::clicked, this, [this] { slider->setValue(1); });
    connect(m_previous, &QToolButton::clicked, this, [this] {
        if (slider->value() != 1)
            slider->setValue(slider->value() - 1);
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        if (slider->value() != slider->maximum())
            slider->setValue(slider->value() + 1);
    });
    connect(m_end, &QToolButton::clicked, this, [this] { slider->setValue(slider->maximum()); });
}

void PreviewToolbar::placeDone()
{
    done->setGeometry(width() - Twips::x(this, 980), Twips::x(this, 40), Twips::x(this, 855),
                      Twips::x(this, 375));
}

void PreviewToolbar::setNavigationEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(slider), static_cast<QWidget*>(m_start),
                       static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_next),
                       static_cast<QWidget*>(m_end)})
        w->setEnabled(enabled);
}

void PreviewToolbar::setNavigationButtons(int page)
{
    const bool first = page <= slider->minimum();
    const bool last = page >= slider->maximum();
    m_start->setEnabled(!first);
    m_previous->setEnabled(!first);
    m_next->setEnabled(!last);
    m_end->setEnabled(!last);
}

} // namespace pagora
