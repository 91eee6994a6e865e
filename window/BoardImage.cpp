#include "BoardImage.h"

#include "ErrorTrap.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <deque>
#include <utility>

namespace {

// A tile body's bitmap enlarged pixel for pixel to `device` pixels. All the
// tiles that show one frame share its enlargement, made when a tile first
// draws it; the last few are kept, enough for the eleven frames of a colour.
std::deque<std::pair<qint64, QPixmap>>& Recent() {
    static std::deque<std::pair<qint64, QPixmap>> recent;
    // Pixmaps belong to the application: they go before it does.
    static const bool freedWithTheApplication = (qAddPostRoutine([] { Recent().clear(); }), true);
    Q_UNUSED(freedWithTheApplication);
    return recent;
}

QPixmap Enlarged(const QPixmap& frame, QSize device, qreal ratio) {
    auto& recent = Recent();
    for (const auto& [key, enlarged] : recent)
        if (key == frame.cacheKey() && enlarged.size() == device && enlarged.devicePixelRatio() == ratio) return enlarged;
    QPixmap enlarged = frame.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    enlarged.setDevicePixelRatio(ratio);
    recent.emplace_front(frame.cacheKey(), enlarged);
    if (recent.size() > 12) recent.pop_back();
    return enlarged;
}

}  // namespace

BoardImage::BoardImage(int index, QSize size, Kind kind, QWidget* parent)
    : QWidget(parent), m_index(index), m_kind(kind) {
    setFixedSize(size);
    // Transparent where the picture is: the board (or the tile under a
    // picture) shows through the light grey corners and the empty cell.
    setAttribute(Qt::WA_NoSystemBackground);
    // The board moves the focus between tile bodies itself; Tab never stops
    // on a single cell.
    setFocusPolicy(kind == Kind::Tile ? Qt::ClickFocus : Qt::NoFocus);
}

void BoardImage::SetPicture(const QPixmap& picture, const QString& artName) {
    m_picture = picture;
    m_iconToRead.clear();
    m_artName = m_kind == Kind::Face ? artName : QString();
    m_screenPicture = QPixmap();
    update();
}

void BoardImage::SetPictureToRead(const QString& artName) {
    SetPicture(QPixmap(), artName);
    m_iconToRead = artName;
}

const QPixmap& BoardImage::Picture() const {
    if (!m_iconToRead.isEmpty()) {
        const QString name = std::exchange(m_iconToRead, QString());
        try {
            m_picture = LoadResPicture(name, PictureKind::Icon);
        } catch (const RuntimeError&) {
        }
    }
    return m_picture;
}

void BoardImage::Activate() {
    if (isEnabled()) emit Click(m_index);
}

void BoardImage::paintEvent(QPaintEvent*) {
    if (m_picture.isNull() && m_iconToRead.isEmpty()) return;
    QPainter painter(this);
    // The ratio of what is painted on: the screen, or an image the cell is rendered into.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatio();
    if (ratio > 1 && !m_artName.isEmpty()) {
        // Read when first shown on this screen, not with the deal.
        if (m_screenPicture.isNull() || m_screenPicture.devicePixelRatio() != ratio) {
            try {
                m_screenPicture = ScreenPicture(m_artName, ratio);
            } catch (const RuntimeError&) {
                m_artName.clear();  // no art: the icon, enlarged, from now on
            }
        }
        if (!m_screenPicture.isNull() && !m_artName.isEmpty()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(rect(), m_screenPicture);
            return;
        }
    }
    if (Picture().isNull()) return;
    // Small bitmaps on a dense screen: whole pixels grow into blocks, never blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (ratio > 1 && m_kind == Kind::Tile) {
        painter.drawPixmap(rect(), Enlarged(m_picture, (QSizeF(size()) * ratio).toSize(), ratio));
        return;
    }
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
        if (rect().contains(event->position().toPoint())) Activate();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void BoardImage::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (m_kind != Kind::Tile || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        // One press is one click: a held key does not click again and again.
        if (!event->isAutoRepeat()) Activate();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        event->accept();
        emit StepRequested(m_index, event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The focus is shown around the image, not on it: a change of focus repaints
// nothing here (the base class would, and an extra paint of a tile is seen).
void BoardImage::focusInEvent(QFocusEvent* event) {
    event->accept();
    emit FocusChanged(m_index, true);
}

void BoardImage::focusOutEvent(QFocusEvent* event) {
    event->accept();
    emit FocusChanged(m_index, false);
}
