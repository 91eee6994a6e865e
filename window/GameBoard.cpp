#include "GameBoard.h"

#include "BoardFocus.h"
#include "BoardImage.h"
#include "ErrorTrap.h"
#include "Resources.h"
#include "Twips.h"

#include <QApplication>
#include <QWidget>

#include <utility>

namespace {

// Twips of the board: the first column's tile and picture, the first row's
// with and without the toolbar, and the pitch of the grid.
constexpr int TileLeft = 100;
constexpr int TileTopBelowToolbar = 500;
constexpr int TileTopNoToolbar = 100;
constexpr int PictureLeft = 360;
constexpr int PictureTopBelowToolbar = 680;
constexpr int PictureTopNoToolbar = 280;
constexpr int Pitch = 1000;
constexpr int Margin = 100;       // left and right of the board, and below its last row
constexpr int TileSize = 900;     // the 60 x 60 tile bitmap
constexpr int PictureSize = 480;  // the 32 x 32 picture icon

struct Grid {
    int columns = 0;
    int rows = 0;
};

Grid GridFor(int tileCount) {
    if (tileCount == 30) return {6, 5};
    if (tileCount == 60) return {10, 6};
    return {};
}

}  // namespace

GameBoard::GameBoard(QWidget* area, const GameSettingsRecord& options)
    : QObject(area), m_area(area), m_options(options) {
    // Element 1 of each image array is built with the window, with the hand
    // pointer; LoadImageArrays adds the rest, which copy it.
    Trap([&] { m_handCursor = HandCursor(false); });
    m_tiles[1] = NewTile(1);
    m_pictures[1] = NewPicture(1);
    m_focusFrame = new BoardFocusFrame(m_area);
}

GameBoard::~GameBoard() {
    // The cells outlive the board while the window is taken apart: nothing
    // they report may reach it any more.
    for (BoardImage* image : m_tiles)
        if (image != nullptr) disconnect(image, nullptr, this, nullptr);
    for (BoardImage* image : m_pictures)
        if (image != nullptr) disconnect(image, nullptr, this, nullptr);
}

BoardImage* GameBoard::NewTile(int k) {
    auto* tile =
        new BoardImage(k, QSize(TwipsToPixels(TileSize), TwipsToPixels(TileSize)), BoardImage::Kind::Tile, m_area);
    tile->setObjectName(QStringLiteral("imgTile%1").arg(k));
    tile->setCursor(m_handCursor);
    connect(tile, &BoardImage::Click, this, [this](int index) { CellClicked(index); });
    connect(tile, &BoardImage::StepRequested, this, [this](int index, int key) { StepFocus(index, key); });
    connect(tile, &BoardImage::FocusChanged, this, [this](int index, bool focused) {
        // However the focus came (a key, a click, the window activated again).
        if (focused && CellInPlay(index)) m_focusCell = index;
        ShowFocusFrame();
    });
    return tile;
}

BoardImage* GameBoard::NewPicture(int k) {
    auto* picture = new BoardImage(k, QSize(TwipsToPixels(PictureSize), TwipsToPixels(PictureSize)),
                                   BoardImage::Kind::Face, m_area);
    picture->setObjectName(QStringLiteral("imgPic%1").arg(k));
    picture->setCursor(m_handCursor);
    connect(picture, &BoardImage::Click, this, [this](int index) { CellClicked(index); });
    return picture;
}

void GameBoard::LoadImageArrays() noexcept {
    Trap([&] {
        m_tiles[1]->hide();
        m_pictures[1]->hide();
        m_loaded = true;
    });
}

bool GameBoard::Unmade(int cell) const {
    return m_loaded && cell >= 2 && cell <= BoardCells && m_tiles[cell] == nullptr;
}

// Made hidden; PositionImages places it, the deal gives it its states.
void GameBoard::MakeCell(int k) {
    m_tiles[k] = NewTile(k);
    m_tiles[k]->hide();
    m_pictures[k] = NewPicture(k);
    m_pictures[k]->hide();
    UpdateCellName(k);
}

void GameBoard::SetHandCursor(const QCursor& hand) {
    m_handCursor = hand;
    for (BoardImage* image : m_tiles)
        if (image != nullptr) image->setCursor(hand);
    for (BoardImage* image : m_pictures)
        if (image != nullptr) image->setCursor(hand);
}

// ---------------------------------------------------------------- layout

void GameBoard::SetGrid() {
    const Grid grid = GridFor(m_options.TileCount);
    if (grid.columns > 0) {
        m_columns = grid.columns;
        m_rows = grid.rows;
    }
}

void GameBoard::PositionImages(bool belowToolbar) noexcept {
    Trap([&] {
        const Grid grid = GridFor(m_options.TileCount);
        const int tileTop = belowToolbar ? TileTopBelowToolbar : TileTopNoToolbar;
        const int pictureTop = belowToolbar ? PictureTopBelowToolbar : PictureTopNoToolbar;
        m_tiles[1]->move(TwipsToPixels(TileLeft), TwipsToPixels(tileTop));
        m_pictures[1]->move(TwipsToPixels(PictureLeft), TwipsToPixels(pictureTop));
        // Numbered down each column, then across. Each place is rounded from
        // its own twips, so no rounding adds up across the board.
        int k = 1;
        for (int c = 0; c < grid.columns; ++c) {
            for (int r = 0; r < grid.rows; ++r) {
                if (k > BoardCells) return;
                CheckedTile(k)->move(TwipsToPixels(TileLeft + Pitch * c), TwipsToPixels(tileTop + Pitch * r));
                m_pictures[k]->move(TwipsToPixels(PictureLeft + Pitch * c), TwipsToPixels(pictureTop + Pitch * r));
                m_pictures[k]->raise();
                ++k;
            }
        }
        ShowFocusFrame();
    });
}

QSize GameBoard::Extent() const {
    const int lastLeft = TwipsToPixels(TileLeft + Pitch * (m_columns - 1));
    const int lastTop = TwipsToPixels(TileTopNoToolbar + Pitch * (m_rows - 1));
    return {lastLeft + TwipsToPixels(TileSize) + TwipsToPixels(Margin),
            lastTop + TwipsToPixels(TileSize) + TwipsToPixels(Margin)};
}

// ---------------------------------------------------------------- the cells

// The frames of a colour are checked with the load, so a missing one is
// reported then; each is read when a tile first shows it.
void GameBoard::LoadFlipFrames(const QString& tileColor) noexcept {
    Trap([&] {
        for (std::size_t n = 1; n <= 6; ++n) {
            const QString name = tileColor + QStringLiteral("FLIP") + QString::number(n);
            RequireResPicture(name, PictureKind::Bitmap);
            m_flipFrames[n] = {name, QPixmap()};
        }
    });
}

void GameBoard::LoadShrinkFrames(const QString& tileColor) noexcept {
    Trap([&] {
        for (std::size_t n = 1; n <= 5; ++n) {
            const QString name = tileColor + QStringLiteral("SHRINK") + QString::number(n);
            RequireResPicture(name, PictureKind::Bitmap);
            m_shrinkFrames[n] = {name, QPixmap()};
        }
    });
}

const QPixmap& GameBoard::Frame::Picture() {
    if (!name.isEmpty()) {
        const QString toRead = std::exchange(name, QString());
        try {
            picture = LoadResPicture(toRead, PictureKind::Bitmap);
        } catch (const RuntimeError&) {
            picture = QPixmap();  // unreadable: the tile shows blank
        }
    }
    return picture;
}

BoardImage* GameBoard::CheckedTile(int cell) {
    if (Unmade(cell)) MakeCell(cell);
    if (cell < 1 || cell > BoardCells || m_tiles[cell] == nullptr)
        throw SubscriptOutOfRange();
    return m_tiles[cell];
}

BoardImage* GameBoard::CheckedPicture(int cell) {
    if (Unmade(cell)) MakeCell(cell);
    if (cell < 1 || cell > BoardCells || m_pictures[cell] == nullptr)
        throw SubscriptOutOfRange();
    return m_pictures[cell];
}

void GameBoard::SetTilePicture(int cell, TilePicture picture) {
    BoardImage* tile = CheckedTile(cell);
    const int n = static_cast<int>(picture);
    if (picture == TilePicture::Empty) {
        tile->SetPicture(QPixmap());
    } else if (n >= 1 && n <= 6) {
        tile->SetPicture(m_flipFrames[static_cast<std::size_t>(n)].Picture());
    } else if (n >= 11 && n <= 15) {
        tile->SetPicture(m_shrinkFrames[static_cast<std::size_t>(n - 10)].Picture());
    } else {
        throw InvalidProcedureCall();
    }
}

void GameBoard::SetTileEnabled(int cell, bool enabled) {
    if (Unmade(cell)) return;  // out of play until a board needs it
    CheckedTile(cell)->setEnabled(enabled);
    UpdateCellName(cell);
    if (!enabled) CellLeftPlay(cell);
}

void GameBoard::SetTileVisible(int cell, bool visible) {
    if (!visible && Unmade(cell)) return;
    CheckedTile(cell)->setVisible(visible);
    UpdateCellName(cell);
}

// Painted at once: the animations wait without running the event loop, so a
// scheduled update would only show their last frame.
void GameBoard::RedrawTile(int cell) { CheckedTile(cell)->repaint(); }

void GameBoard::LoadFacePicture(int cell, const QString& images, const QString& tag) {
    BoardImage* picture = CheckedPicture(cell);
    const QString resourceName = images + tag;
    // The cell is dealt its new face even when the picture cannot be
    // loaded: it shows blank, never the face of the game before.
    m_faces[static_cast<std::size_t>(cell)] = {images, tag};
    picture->SetPicture(QPixmap(), resourceName);
    UpdateCellName(cell);
    // A missing picture is reported with the deal; its icon is read when
    // the face is first drawn.
    RequireResPicture(resourceName, PictureKind::Icon);
    picture->SetPictureToRead(resourceName);
}

void GameBoard::SetFaceVisible(int cell, bool visible) {
    if (!visible && Unmade(cell)) return;
    BoardImage* picture = CheckedPicture(cell);
    picture->setVisible(visible);
    if (visible) picture->raise();
    UpdateCellName(cell);
}

void GameBoard::SetFaceEnabled(int cell, bool enabled) {
    if (Unmade(cell)) return;
    CheckedPicture(cell)->setEnabled(enabled);
}
void GameBoard::RedrawFace(int cell) { CheckedPicture(cell)->repaint(); }

// ---------------------------------------------------------------- keyboard and assistive technology

bool GameBoard::CellInPlay(int k) const {
    const Grid grid = GridFor(m_options.TileCount);
    return k >= 1 && k <= grid.columns * grid.rows && k <= BoardCells && m_tiles[k] != nullptr &&
           m_tiles[k]->isEnabledTo(m_area);
}

void GameBoard::FocusAfterDeal() {
    Trap([&] {
        const Grid grid = GridFor(m_options.TileCount);
        FocusCell(CellInPlay(m_focusCell) ? m_focusCell
                                          : StepToCell(0, BoardStep::First, grid.columns, grid.rows,
                                                       [this](int k) { return CellInPlay(k); }));
    });
}

void GameBoard::CellClicked(int index) {
    // The focus follows the mouse too, so the keys go on from the last click.
    if (CellInPlay(index)) FocusCell(index);
    emit TileClicked(static_cast<qint16>(index));
}

void GameBoard::StepFocus(int from, int key) {
    Trap([&] {
        BoardStep step{};
        if (!StepForKey(key, step)) return;
        const Grid grid = GridFor(m_options.TileCount);
        const int to = StepToCell(from, step, grid.columns, grid.rows, [this](int k) { return CellInPlay(k); });
        if (to != 0) FocusCell(to);
    });
}

void GameBoard::FocusCell(int k) {
    m_focusCell = k;
    if (k >= 1 && k <= BoardCells && m_tiles[k] != nullptr) {
        m_tiles[k]->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* focused = m_area->window()->focusWidget(); qobject_cast<BoardImage*>(focused) != nullptr) {
        focused->clearFocus();
    }
    ShowFocusFrame();
}

void GameBoard::ShowFocusFrame() {
    if (m_focusFrame == nullptr) return;
    const int k = m_focusCell;
    BoardImage* tile = (k >= 1 && k <= BoardCells) ? m_tiles[k] : nullptr;
    if (tile != nullptr && tile->hasFocus() && CellInPlay(k)) {
        m_focusFrame->Surround(tile->geometry());
    } else {
        m_focusFrame->Hide();
    }
}

QString GameBoard::PictureName(int cell) const {
    const Face& face = m_faces[static_cast<std::size_t>(cell)];
    const QString name = ::PictureName(face.images, face.tag.toInt());
    return name.isEmpty() ? tr("Picture %1").arg(face.tag) : name;
}

void GameBoard::UpdateCellName(int k) {
    if (k < 1 || k > BoardCells || m_tiles[k] == nullptr) return;
    const Grid grid = GridFor(m_options.TileCount);
    const bool inPlay = m_tiles[k]->isEnabledTo(m_area);
    const bool faceUp = m_pictures[k] != nullptr && m_pictures[k]->isVisibleTo(m_area);
    // The names follow from the grid, the cell's state and its face: when
    // none of them changed, neither did the names (a deal sets each cell
    // several times over).
    const Face& face = m_faces[static_cast<std::size_t>(k)];
    const NamedAs state{grid.columns, grid.rows, inPlay, faceUp, faceUp && inPlay ? face.images : QString(),
                        faceUp && inPlay ? face.tag : QString()};
    NamedAs& named = m_namedAs[static_cast<std::size_t>(k)];
    if (named.valid && named == state) return;
    named = state;
    named.valid = true;
    // Only a face that shows is named: the names of face-down tiles would
    // give the game away. A picture missing from the name table is named
    // by its number.
    const QString pictureName = faceUp && inPlay ? PictureName(k) : QString();
    QString name;
    if (k > grid.columns * grid.rows) {
        name = tr("Out of play");
    } else {
        const QString row = QString::number((k - 1) % grid.rows + 1);
        const QString column = QString::number((k - 1) / grid.rows + 1);
        if (!inPlay) {
            name = tr("Row %1, column %2, removed").arg(row, column);
        } else if (faceUp) {
            name = tr("Row %1, column %2, face up, %3").arg(row, column, pictureName);
        } else {
            name = tr("Row %1, column %2, face down").arg(row, column);
        }
    }
    // Only a real change is announced to assistive technology.
    if (m_tiles[k]->accessibleName() != name) m_tiles[k]->setAccessibleName(name);
    if (m_pictures[k] != nullptr && m_pictures[k]->accessibleName() != pictureName)
        m_pictures[k]->setAccessibleName(pictureName);
}

void GameBoard::CellLeftPlay(int k) {
    const Grid grid = GridFor(m_options.TileCount);
    const int next = StepToCell(k, BoardStep::Down, grid.columns, grid.rows, [this](int cell) { return CellInPlay(cell); });
    if (k == m_focusCell || !CellInPlay(m_focusCell)) FocusCell(next);
}
