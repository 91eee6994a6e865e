#include "BoardImage.h"

#include <QMouseEvent>
#include <QPainter>

BoardImage::BoardImage(int index, QSize size, QWidget* parent) : QWidget(parent), m_index(index) {
    setFixedSize(size);
    // Transparent where the picture is: the board (or the tile under a
    // picture) shows through the light grey corners and the empty cell.
    setAttribute(Qt::WA_NoSystemBackground);
}

void BoardImage::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void BoardImage::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void BoardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (isEnabled() && rect().contains(event->position().toPoint())) emit Click(m_index);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
