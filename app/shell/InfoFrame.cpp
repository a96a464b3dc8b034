#include "InfoFrame.h"

#include "ui/Controls.h"
#include "units/Twips.h"

#include <QFontMetrics>
#include <QLabel>

InfoFrame::InfoFrame(QWidget* parent) : QGroupBox(QStringLiteral("Info"), parent)
{
    setObjectName(QStringLiteral("infoFrame"));
    setGeometry(Twips::rect(240, 3600, 2655, 1935));
    m_label = Controls::label(this, QStringLiteral("infoLabel"), QString(), 120, 240, 2415, 1455);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(false);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void InfoFrame::setText(const QString& text)
{
    m_text = text;
    const QFontMetrics metrics(m_label->font());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, m_label->width());
    m_label->setText(lines.join(QLatin1Char('\n')));
    m_label->setToolTip(text);
}
