#pragma once
// The board of the main window: the sixty cells, each a tile body (object
// name "imgTileK") and a picture ("imgPicK") on it, the frames of the flip and
// shrink animations,
// the layout of the cells, the keyboard focus and what assistive technology
// is told about each cell. The rule book draws the cells through ICellView,
// which the board implements; a click goes to whoever listens to TileClicked.

#include "BoardInterfaces.h"
#include "SettingsTypes.h"

#include <QCursor>
#include <QObject>
#include <QPixmap>
#include <QSize>

#include <array>

class BoardFocusFrame;
class BoardImage;
class QWidget;

class GameBoard final : public QObject, public ICellView {
    Q_OBJECT
public:
    // The cells are made on area, the window's client area; only cell 1
    // exists until LoadImageArrays. The board is laid out for the board
    // size of options, which its owner keeps.
    GameBoard(QWidget* area, const GameSettingsRecord& options);
    ~GameBoard() override;

    // Adds cells 2..60, hidden, like the first. Each is made when a board
    // first needs it (a small board never makes cells 31..60); until then it
    // is hidden, and the deal that first shows it gives it its states.
    void LoadImageArrays() noexcept;
    // Takes the grid of TileCount when it is a board size (the window is
    // sized for the last valid one).
    void SetGrid();
    // Lays the cells out for TileCount, below the toolbar band when it is shown.
    void PositionImages(bool belowToolbar) noexcept;
    // The size of the board with its margins, without the toolbar band.
    QSize Extent() const;
    // Keeps the focus on its cell when it is still on the board after a deal,
    // else puts it on the first cell.
    void FocusAfterDeal();

    // The pointer over every cell; the board starts with the hand of a
    // ratio of 1, and the window gives it the dense screen's once shown.
    void SetHandCursor(const QCursor& hand);

    // ICellView: the cells as the rule book drives them.
    void LoadFlipFrames(const QString& tileColor) noexcept override;
    void LoadShrinkFrames(const QString& tileColor) noexcept override;
    void SetTilePicture(int cell, TilePicture picture) override;
    void SetTileEnabled(int cell, bool enabled) override;
    void SetTileVisible(int cell, bool visible) override;
    void RedrawTile(int cell) override;
    void LoadFacePicture(int cell, const QString& images, const QString& tag) override;
    void SetFaceVisible(int cell, bool visible) override;
    void SetFaceEnabled(int cell, bool enabled) override;
    void RedrawFace(int cell) override;

    // The name of the picture on a cell's face, as a player hears it.
    QString PictureName(int cell) const;

signals:
    // A click (mouse, key or assistive technology) on the tile or the face
    // of cell Index, after the focus moved to it.
    void TileClicked(qint16 Index);

private:
    BoardImage* NewTile(int k);
    BoardImage* NewPicture(int k);
    bool Unmade(int cell) const;
    void MakeCell(int k);
    BoardImage* CheckedTile(int cell);
    BoardImage* CheckedPicture(int cell);
    bool CellInPlay(int k) const;
    void CellClicked(int index);
    void StepFocus(int from, int key);
    void FocusCell(int k);
    void ShowFocusFrame();
    void UpdateCellName(int k);
    void CellLeftPlay(int k);

    QWidget* m_area;
    const GameSettingsRecord& m_options;
    // Index 0 unused, so the cells and frames keep their numbers.
    std::array<BoardImage*, BoardCells + 1> m_tiles{};
    std::array<BoardImage*, BoardCells + 1> m_pictures{};
    bool m_loaded = false;  // cells 2..60 may be made
    // A frame of the tile bodies: its resource until a tile first shows it.
    struct Frame {
        QString name;    // not read yet
        QPixmap picture;
        const QPixmap& Picture();
    };
    std::array<Frame, 7> m_flipFrames{};
    std::array<Frame, 6> m_shrinkFrames{};
    struct Face {
        QString images;  // the picture category
        QString tag;     // the picture number in it
    };
    std::array<Face, BoardCells + 1> m_faces{};
    // What each cell's names were last made from.
    struct NamedAs {
        int columns = 0;
        int rows = 0;
        bool inPlay = false;
        bool faceUp = false;
        QString images;  // the face, when it shows
        QString tag;
        bool valid = false;
        bool operator==(const NamedAs& o) const {
            return columns == o.columns && rows == o.rows && inPlay == o.inPlay && faceUp == o.faceUp &&
                   images == o.images && tag == o.tag;
        }
    };
    std::array<NamedAs, BoardCells + 1> m_namedAs{};
    BoardFocusFrame* m_focusFrame = nullptr;
    int m_focusCell = 0;
    QCursor m_handCursor;
    // The grid the window is sized for; only a valid board size changes it.
    int m_columns = 6;
    int m_rows = 5;
};
