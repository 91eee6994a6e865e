#pragma once
// Keyboard play on the board: where the arrow keys lead from a cell, and the
// frame that shows which cell has the focus.
//
// Cells are numbered down each column, then across (k = c * rows + r + 1).
// Left and Right follow the rows (past a row's end to the start of the next
// row), Up and Down follow the columns (past a column's foot to the top of
// the next column); both orders wrap round the whole board, so repeating one
// key visits every cell in play. Cells out of play are stepped over.

#include <QWidget>

#include <functional>

enum class BoardStep { Left, Right, Up, Down, First, Last };

// The cell reached from `from` by `step` on a board of columns x rows, passing
// over every cell for which inPlay is false. `from` outside the board starts
// before the first cell (Right, Down) or after the last (Left, Up). 0 when no
// cell is in play; `from` itself when it is the only one.
int StepToCell(int from, BoardStep step, int columns, int rows, const std::function<bool(int)>& inPlay);

// The step an arrow, Home or End key asks for; false for any other key.
bool StepForKey(int key, BoardStep& step);

// A ring drawn on the board itself in the margin around one tile, outside
// the tile, so it never covers a tile or its picture; only the ring's own
// pixels are ever repainted, so the cells are not painted again for it.
// It is drawn only while the keyboard is in use on the board: from a key
// pressed there (or Tab bringing the focus in) to the next mouse click there.
class BoardFocusFrame final : public QObject {
    Q_OBJECT
public:
    static constexpr int Gap = 1;    // board left showing between the tile and the ring
    static constexpr int Width = 2;  // the ring's thickness

    explicit BoardFocusFrame(QWidget* board);

    // Puts the ring round a tile whose geometry on the board is `tile`.
    void Surround(const QRect& tile);
    void Hide();
    // Whether the ring is placed round a tile; it shows on screen only while
    // the keyboard is in use as well.
    bool IsShown() const { return !m_outer.isNull(); }
    bool KeyboardInUse() const { return m_keyboardInUse; }
    bool IsDrawn() const { return IsShown() && m_keyboardInUse; }
    // The ring's outer edge on the board; null while it is hidden.
    QRect Outer() const { return m_outer; }
    // The pixels of the ring.
    QRegion Ring() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(const QRect& outer);
    void Watch(QObject* cell);
    void SetKeyboardInUse(bool inUse);

    QWidget* m_board;
    QRect m_outer;
    bool m_keyboardInUse = false;
};
