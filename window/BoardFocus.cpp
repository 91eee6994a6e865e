#include "BoardFocus.h"

#include <QChildEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>

namespace {

// Position of a cell in the order a step follows: down the columns, or
// along the rows. Both are 0-based and run over the whole board.
int ColumnOrder(int k) { return k - 1; }
int RowOrder(int k, int columns, int rows) {
    const int c = (k - 1) / rows;
    const int r = (k - 1) % rows;
    return r * columns + c;
}
int CellAtRowOrder(int i, int columns, int rows) {
    const int r = i / columns;
    const int c = i % columns;
    return c * rows + r + 1;
}

}  // namespace

int StepToCell(int from, BoardStep step, int columns, int rows, const std::function<bool(int)>& inPlay) {
    if (columns <= 0 || rows <= 0) return 0;
    const int cells = columns * rows;
    const bool byRows = step == BoardStep::Left || step == BoardStep::Right || step == BoardStep::First ||
                        step == BoardStep::Last;
    const bool forward = step == BoardStep::Right || step == BoardStep::Down || step == BoardStep::First;
    auto toCell = [&](int i) { return byRows ? CellAtRowOrder(i, columns, rows) : i + 1; };

    int start;  // order of the cell the search starts from
    if (step == BoardStep::First || from < 1 || from > cells) {
        start = forward ? -1 : cells;
    } else if (step == BoardStep::Last) {
        start = cells;
    } else {
        start = byRows ? RowOrder(from, columns, rows) : ColumnOrder(from);
    }
    // From a cell the search goes once round the board, back to that cell;
    // from outside it runs from one end to the other.
    const bool wraps = start >= 0 && start < cells;
    for (int n = 1; n <= cells; ++n) {
        int i = forward ? start + n : start - n;
        if (wraps) i = ((i % cells) + cells) % cells;
        if (i < 0 || i >= cells) break;
        const int k = toCell(i);
        if (inPlay(k)) return k;
    }
    return 0;
}

bool StepForKey(int key, BoardStep& step) {
    switch (key) {
    case Qt::Key_Left: step = BoardStep::Left; return true;
    case Qt::Key_Right: step = BoardStep::Right; return true;
    case Qt::Key_Up: step = BoardStep::Up; return true;
    case Qt::Key_Down: step = BoardStep::Down; return true;
    case Qt::Key_Home: step = BoardStep::First; return true;
    case Qt::Key_End: step = BoardStep::Last; return true;
    default: return false;
    }
}

BoardFocusFrame::BoardFocusFrame(QWidget* board) : QObject(board), m_board(board) {
    setObjectName(QStringLiteral("BoardFocusFrame"));
    board->installEventFilter(this);
    // The keys and clicks go to the cells on the board, the ones there now
    // and the ones added later.
    for (QObject* cell : board->children()) Watch(cell);
}

void BoardFocusFrame::Watch(QObject* cell) {
    if (cell->isWidgetType()) cell->installEventFilter(this);
}

void BoardFocusFrame::SetKeyboardInUse(bool inUse) {
    if (inUse == m_keyboardInUse) return;
    m_keyboardInUse = inUse;
    m_board->update(Ring());
}

void BoardFocusFrame::Surround(const QRect& tile) {
    const int out = Gap + Width;
    Place(tile.adjusted(-out, -out, out, out));
}

void BoardFocusFrame::Hide() { Place(QRect()); }

QRegion BoardFocusFrame::Ring() const {
    if (m_outer.isNull()) return {};
    return QRegion(m_outer).subtracted(QRegion(m_outer.adjusted(Width, Width, -Width, -Width)));
}

void BoardFocusFrame::Place(const QRect& outer) {
    if (outer == m_outer) return;
    const QRegion before = Ring();
    m_outer = outer;
    m_board->update(before.united(Ring()));
}

bool BoardFocusFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == m_board) Watch(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::KeyPress:
        SetKeyboardInUse(true);
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) SetKeyboardInUse(true);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        SetKeyboardInUse(false);
        break;
    case QEvent::Paint:
        // The board's background is filled before its paint event and the
        // cells are painted after it: the ring lies between the two.
        if (watched == m_board && IsDrawn()) {
            QPainter painter(m_board);
            painter.setClipRegion(Ring());
            painter.fillRect(m_outer, Qt::black);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
