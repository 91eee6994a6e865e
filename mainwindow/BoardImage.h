#pragma once
// One image of a board cell: the tile body or the picture drawn on it.
// Shows a copy of the pixmap it was given, at its own fixed size, and reports
// a left-button click (press and release on the image) while it is enabled.

#include <QPixmap>
#include <QWidget>

class BoardImage final : public QWidget {
    Q_OBJECT
public:
    BoardImage(int index, QSize size, QWidget* parent);

    int Index() const { return m_index; }

    // The image keeps its own copy; a later change of the source does not reach it.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return m_picture; }

signals:
    void Click(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    QPixmap m_picture;
    bool m_pressed = false;
};
