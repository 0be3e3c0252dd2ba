#include "link/upgrade_lamp.h"

#include <QPainter>

namespace orvane {

constexpr int kLampSize = 11;

ComStateLamp::ComStateLamp(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Shape_ComState"));
    setFixedSize(kLampSize, kLampSize);
}

void ComStateLamp::Set_Open(bool open)
{
    m_colour = open ? kLampOpen : kLampClosed;
    update();
}

void ComStateLamp::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(0.5, 0.5, kLampSize - 1, kLampSize - 1));
}

} // namespace orvane
