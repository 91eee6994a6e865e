#pragma once
// One image of a board cell: the tile body or the picture drawn on it.
// Shows a copy of the pixmap it was given, at its own fixed size, and reports
// a left-button click (press and release on the image) while it is enabled.
// A face on a dense screen (device pixel ratio above 1) draws its picture
// from the picture's true-colour art at the device pixel size; at a ratio of
// 1 it shows the icon itself. Tile bodies are enlarged pixel for pixel.
// A tile body can also hold the keyboard focus: Space or Enter on it is the
// same click, and the arrow keys ask the board to move the focus.

#include <QPixmap>
#include <QWidget>

class BoardImage final : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Tile, Face };

    BoardImage(int index, QSize size, Kind kind, QWidget* parent);

    int Index() const { return m_index; }
    Kind ImageKind() const { return m_kind; }

    // The image keeps its own copy; a later change of the source does not reach it.
    // A face names the resource it came from, whose art a dense screen shows.
    void SetPicture(const QPixmap& picture, const QString& artName = QString());
    // A face whose icon is the resource artName, read when it is first
    // drawn or asked for (a dense screen draws the art and needs no icon).
    // A resource that cannot be read then leaves the face blank.
    void SetPictureToRead(const QString& artName);
    const QPixmap& Picture() const;

    // A click on the image, whatever gave it (mouse, key or assistive
    // technology): reported only while the image is enabled.
    void Activate();

signals:
    void Click(int index);
    // An arrow, Home or End key pressed while this tile had the focus.
    void StepRequested(int index, int key);
    void FocusChanged(int index, bool focused);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_index;
    Kind m_kind;
    mutable QPixmap m_picture;
    mutable QString m_iconToRead;  // the icon resource not read yet
    QString m_artName;       // the resource of a face's picture, whose art a dense screen shows
    QPixmap m_screenPicture; // that art at the device pixel ratio it was last drawn at
    bool m_pressed = false;
};
