#include "MainWindow.h"

#include "BoardAccessible.h"
#include "ErrorTrap.h"
#include "GameBoard.h"
#include "OptionCatalogue.h"
#include "StoreFile.h"
#include "Resources.h"
#include "ShownName.h"
#include "Twips.h"
#include "Help.h"
#include "OptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <utility>

namespace {

const QColor LightGrey(192, 192, 192);

}  // namespace

MainWindow::MainWindow(PlayerChoices& choices, ChoicesStore& store, ISoundPlayer& sound, IPauseClock& pause,
                 IRandomSource& random, IScoreBook& scoreBook, QWidget* parent)
    : QMainWindow(parent),
      m_choices(choices),
      m_store(store),
      m_sound(sound),
      m_scores(sound, choices),
      m_unsaved(Options::Text(Options::ApplicationName), PlayLockWaitMs) {
    // A fixed border, minimise but no maximise, light grey.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Of a fixed size from the first (the layout below keeps it so), as the
    // window manager answers for the frame of the window as it is when asked:
    // it answers while the window is built, and CenterWindow reads it.
    setFixedSize(size());
    m_frame.Ask(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, LightGrey);
    setPalette(pal);
    // The art of a dense screen is added once the window has been painted.
    Trap([&] { setWindowIcon(ProgramIcon(false)); });
    InstallBoardAccessibility();

    m_news = new Announcer(this);
    BuildBoard();
    m_engine.emplace(scoreBook, *m_board, *this, *this, pause, sound, random);
    connect(m_board, &GameBoard::TileClicked, this, [this](qint16 index) {
        Command([this, index] { GameCall([&] { m_engine->TileClicked(index); }); });
    });
    BuildMenus();
    BuildStatusBar();

    m_gameTimer = new QTimer(this);
    m_gameTimer->setObjectName(QStringLiteral("tmrGame"));
    m_gameTimer->setInterval(1000);
    // The coarse timer may fire several per cent early; the clock counts seconds.
    m_gameTimer->setTimerType(Qt::PreciseTimer);
    connect(m_gameTimer, &QTimer::timeout, this, [this] { m_engine->GameClockTick(); });
    connect(&m_unsaved, &UnsavedWriter::Settled, this, [this] { EndStoreWait(true); });
    // A close from the window manager while a game call's dialog blocks the
    // window: Qt would drop it.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_blockedCloses = std::make_unique<BlockedCloseRequests>(*this, [this] { return CloseAfterGameCall(); });

    // The window is exactly as large as its board and bars.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    OnLoad();
}

MainWindow::~MainWindow() {
    // The board goes first: the cells it made may still report while the
    // window is taken apart, and nothing may reach the rule book any more.
    delete m_board;
}

// ---------------------------------------------------------------- building the window

void MainWindow::BuildBoard() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    BuildToolbar();
    m_board = new GameBoard(m_client, m_choices.options);
}

// ---------------------------------------------------------------- life of the window

void MainWindow::OnLoad() noexcept {
    Trap([&] {
        setWindowTitle(Options::Text(Options::ApplicationName));
        m_choices = m_store.Load();
        SetSoundsButtonPressed(m_choices.playSound);
        m_board->LoadImageArrays();
        SetBoardSize();
        StartNewGame();
    });
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) OnActivate();
    if (event->type() == QEvent::Paint && !m_paintedOnce) {
        m_paintedOnce = true;
        // The 128-pixel art of the icon and the pointer is read after the
        // window first appears, not before: it is only on a dense screen.
        if (qGuiApp->devicePixelRatio() > 1) QTimer::singleShot(0, this, [this] { ShowDenseScreenArt(); });
    }
    return handled;
}

void MainWindow::ShowDenseScreenArt() noexcept {
    Trap([&] {
        setWindowIcon(ProgramIcon());
        m_board->SetHandCursor(HandCursor());
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame the platform adds is known once the window exists: centre
    // the whole window, frame included, before it first appears.
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        CenterWindow();
    }
}

void MainWindow::OnActivate() noexcept {
    Trap([&] {
        if (m_activatedOnce) return;
        // Noted before the sound, so an activation that arrives while the
        // window paints cannot play it a second time.
        m_activatedOnce = true;
        if (m_choices.playSound) {
            // Painted before the sound holds the thread; no other event is
            // run here, so no command of the player's starts inside this one.
            repaint();
            m_sound.PlayWaveResource(QStringLiteral("START"));
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close (an end signal's too) does not wait for another game's lock:
    // what it kept out is the closing save's to write, or to keep.
    if (!m_closing && m_unsaved.IsActive()) {
        m_unsaved.Stop();
        EndStoreWait(false);
    }
    // During a game call the close waits for it; it cannot be cancelled, and its steps run once.
    if (!m_closing && CloseAfterGameCall()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_closing) return;
    m_closing = true;
    OnUnload();
}

void MainWindow::OnUnload() noexcept {
    Trap([&] {
        {
            // The game is ending: another game's lock is waited for briefly.
            const StoreEnding ending;
            m_store.Save(m_choices);
        }
        if (m_choices.playSound) m_sound.PlayWaveResource(QStringLiteral("SHUTDOWN"));
        // The other windows were all opened over this one: unload them, the
        // most recently loaded first.
        QList<QWidget*> windows;
        for (QObject* child : children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget->isWindow()) windows.append(widget);
        }
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            QWidget* window = *it;
            if (window == m_scores.Window()) {
                m_scores.Unload();
            } else {
                window->close();
            }
        }
    });
}

// ---------------------------------------------------------------- board layout

void MainWindow::SetBoardSize() noexcept {
    Trap([&] {
        // The window takes the size of the board with both bars, shown or
        // not: a hidden bar leaves a blank band of its height below the
        // board, and showing the bar again makes the window taller still.
        m_blankBand = (m_toolbarAction->isChecked() ? 0 : m_toolbar->height()) +
                      (m_statusBarAction->isChecked() ? 0 : m_statusBar->height());
        m_board->SetGrid();
        PositionImages();
        FitWindow();
        CenterWindow();
    });
}

void MainWindow::PositionImages() noexcept { m_board->PositionImages(m_toolbarAction->isChecked()); }

void MainWindow::FitWindow() {
    // The client area holds the board with a margin to its left, right and
    // below its last row, under the toolbar's band when the toolbar is shown;
    // the menu bar and the status bar (when shown) come on top of that, and
    // below the board the blank band of the bars hidden at the last change of
    // board size. Showing or hiding a bar grows or shrinks the window by its
    // height.
    const QSize board = m_board->Extent();
    const int width = board.width();
    int height = board.height() + m_blankBand;
    if (m_toolbarAction->isChecked()) height += m_toolbar->height();
    m_client->setFixedSize(width, height);
    m_toolbar->setFixedWidth(width);
    layout()->invalidate();
    layout()->activate();
}

void MainWindow::CenterWindow() {
    // A Wayland compositor places windows itself; a client cannot.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    QScreen* screen = this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    auto centred = [&](const QSize& outer) {
        return QPoint(area.x() + qRound((area.width() - outer.width()) / 2.0),
                      area.y() + qRound((area.height() - outer.height()) / 2.0));
    };
    // Before its first showing the window has no frame yet: the window
    // manager has been asked which one it will give, and the window itself
    // is placed inside that frame when it is shown.
    if (frameGeometry().size() == size()) {
        const QMargins frame = isVisible() ? m_frame.Answer() : QMargins();
        if (!frame.isNull()) {
            const QPoint corner = centred(QRect(QPoint(), size()).marginsAdded(frame).size());
            setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
            return;
        }
    }
    move(centred(frameGeometry().size()));
}

// ---------------------------------------------------------------- the game

void MainWindow::StartNewGame() noexcept {
    GameCall([&] { m_engine->StartNewGame(m_choices); });
    m_board->FocusAfterDeal();
}

void MainWindow::ChangeTileColor() noexcept {
    GameCall([&] { m_engine->ChangeTileColor(m_choices.options.TileColor); });
}

// ---------------------------------------------------------------- one command at a time

template <class Call>
void MainWindow::GameCall(Call&& call) {
    ++m_gameCalls;
    call();
    EndGameCall();
}

void MainWindow::EndGameCall() {
    if (--m_gameCalls > 0) return;
    // The commands that came meanwhile, each in turn; a close ends the list.
    while (!m_waiting.empty() && m_gameCalls == 0 && !m_closing) {
        const std::function<void()> command = std::move(m_waiting.front());
        m_waiting.pop_front();
        command();
    }
    if (m_closing) m_waiting.clear();
}

void MainWindow::Command(std::function<void()> command) {
    if (m_closing) return;
    if (m_gameCalls > 0) {
        m_waiting.push_back(std::move(command));
        return;
    }
    command();
}

void MainWindow::AfterStoreWrites(std::function<void()> next) {
    Q_ASSERT(!m_afterStoreWrites);  // one game end at a time
    if (!m_unsaved.Start()) {
        next();
        return;
    }
    ++m_gameCalls;
    m_afterStoreWrites = std::move(next);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

void MainWindow::EndStoreWait(bool carryOn) {
    QGuiApplication::restoreOverrideCursor();
    const std::function<void()> next = std::exchange(m_afterStoreWrites, {});
    if (!carryOn) {
        --m_gameCalls;  // the close that ended it comes next
        return;
    }
    if (next) next();
    EndGameCall();
}

bool MainWindow::CloseAfterGameCall() {
    if (m_gameCalls == 0) return false;
    if (!std::exchange(m_closeWaiting, true)) m_waiting.push_back([this] { close(); });
    return true;
}

const PlayerChoices& MainWindow::Choices() const { return m_choices; }

void MainWindow::SetChoices(const PlayerChoices& choices) {
    m_choices = choices;
    m_engine->SetSoundsOn(m_choices.playSound);
}

void MainWindow::SetSoundsButtonPressed(bool pressed) {
    if (QAction* button = findChild<QAction*>(QStringLiteral("tlbMainSounds"))) button->setChecked(pressed);
}

// ---------------------------------------------------------------- the facts of the game in words

// Counts go through %n, so each language takes its plural form; English
// keeps one form for every count ("1 matches for Ann").
QString MainWindow::SetsFlippedText(qint32 sets) { return tr("Sets Flipped: %n", nullptr, sets); }
QString MainWindow::TimeText(qint32 seconds) { return tr("Time: %n", nullptr, seconds); }
QString MainWindow::MatchesText(qint16 matches) { return tr("Matches: %n", nullptr, matches); }

QString MainWindow::MatchesForText(qint16 matches, const QString& storedName) {
    // %n is filled first; the name then goes in one pass, so a "%1" in it stays as typed.
    return tr("%n matches for %1", nullptr, matches).arg(ShownName(storedName));
}

// A name as said: one emptied in the options is shown empty, and said as
// the player's default label, so that news never starts with nothing.
static QString SpokenName(const QString& storedName, int player) {
    return ShownName(storedName.isEmpty() ? DefaultPlayerName(player) : storedName);
}

void MainWindow::SetStatusPanel(int panel, const QString& text) {
    QLabel* label = m_panels.at(static_cast<std::size_t>(panel - 1));
    label->setText(text);
    // Said as it is shown: a name is never taken for markup or access keys.
    const QString spoken = panel == 1 ? tr("Player: %1").arg(text) : text;
    if (label->accessibleName() != spoken) label->setAccessibleName(spoken);
}

void MainWindow::StatusChanged(const GameStatus& status) {
    SetStatusPanel(1, ShownName(status.storedName));
    if (status.playerCount == 1) {
        SetStatusPanel(2, SetsFlippedText(status.setsFlipped));
        SetStatusPanel(3, TimeText(status.seconds));
    } else {
        SetStatusPanel(2, MatchesText(status.matches));
        SetStatusPanel(3, QString());
    }
    if (m_matchNews.isEmpty()) return;
    // Two players hear the score of the player who matched, who keeps the turn.
    if (status.playerCount != 1)
        m_matchNews += QLatin1Char(' ') + tr("Matches for %1: %n.", nullptr, status.matches).arg(SpokenName(status.storedName, status.player));
    Announce(std::exchange(m_matchNews, QString()));
}

void MainWindow::SecondsChanged(qint32 seconds) { SetStatusPanel(3, TimeText(seconds)); }

void MainWindow::TurnPassed(int player, const QString& storedName) {
    Announce(tr("%1 to play").arg(SpokenName(storedName, player)) + QLatin1Char('.'));
}

void MainWindow::TileTurned(int cell, const QString& /*tag*/, bool up) {
    if (up) Announce(tr("Face up, %1.").arg(m_board->PictureName(cell)));
}

void MainWindow::SetEnded(bool match, const QList<int>& cells) {
    if (!match || cells.isEmpty()) {
        Announce(tr("No match."));
        return;
    }
    // Said with the status that follows the match, which has the new score.
    m_matchNews = tr("A match: %1.").arg(m_board->PictureName(cells.first()));
}

void MainWindow::SetTurnedBack(const QList<int>& cells) {
    // A tile of the set clicked again stays up as the first of the next set.
    const bool whole = cells.size() >= m_engine->Options().Level;
    Announce(whole ? tr("The set is turned face down.") : tr("The rest of the set is turned face down."));
}

void MainWindow::GameOver(const GameResult& result) {
    if (result.playerCount == 1) {
        m_resultNews = tr("The board is clear. %1, %2.")
                           .arg(tr("Sets turned: %n", nullptr, result.setsFlipped), tr("seconds: %n", nullptr, result.seconds));
        Announce(m_resultNews);
        return;
    }
    // Said as sentences: "Game over." and then each line of the result.
    QStringList lines;
    for (std::size_t p = 0; p < result.storedNames.size(); ++p)
        lines.append(MatchesForText(result.matches[p], result.storedNames[p]));
    QString spoken = tr("Game over.");
    for (std::size_t p = 0; p < result.storedNames.size(); ++p)
        spoken += QStringLiteral(" ") +
                  tr("%n matches for %1", nullptr, result.matches[p]).arg(SpokenName(result.storedNames[p], int(p) + 1)) +
                  QStringLiteral(".");
    Announce(spoken);
    m_news->SayNow();
    QMessageBox box(QMessageBox::Information, tr("Game Over"), lines.join(QChar(10)), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainWindow::NewHighScore() {
    m_scores.Unload();
    // The cleared board is painted before the dialog; a key pressed during
    // the last removal is not run inside this click, but after it, by the
    // dialog's own loop.
    repaint();
    m_news->SayNow();
    // Where another game holds the store, the dialog shows the tables once
    // the result is written, or kept for later.
    AfterStoreWrites([this] {
        m_scores.newHighScore = true;
        m_scores.Show(this, m_resultNews);
    });
}

void MainWindow::SetEnabled(bool enabled) {
    if (!enabled) {
        m_gameTimer->stop();
    } else if (!m_gameTimer->isActive()) {
        // Starting a running clock would restart its second.
        m_gameTimer->start();
    }
}

bool MainWindow::IsEnabled() const { return m_gameTimer->isActive(); }

// ---------------------------------------------------------------- what assistive technology is told

void MainWindow::Announce(const QString& text) {
    // The status bar keeps the latest news for whoever asks after it was said.
    m_statusBar->setAccessibleName(text);
    m_news->Announce(text);
}

// ---------------------------------------------------------------- commands

void MainWindow::OnBoardsButton() noexcept { OnOption(OptionsDialog::TabBoards); }
void MainWindow::OnColorsButton() noexcept { OnOption(OptionsDialog::TabColors); }
void MainWindow::OnImagesButton() noexcept { OnOption(OptionsDialog::TabImages); }
void MainWindow::OnLevelsButton() noexcept { OnOption(OptionsDialog::TabLevels); }
void MainWindow::OnPlayersButton() noexcept { OnOption(OptionsDialog::TabPlayers); }

void MainWindow::OnSoundsButton() noexcept {
    // Only the switch: it is stored when the program closes.
    Trap([&] {
        m_choices.playSound = !m_choices.playSound;
        m_engine->SetSoundsOn(m_choices.playSound);
        SetSoundsButtonPressed(m_choices.playSound);
    });
}

void MainWindow::OnGameNew() noexcept {
    Trap([&] { StartNewGame(); });
}

void MainWindow::OnGameHighScores() noexcept {
    Trap([&] { m_scores.Show(this); });
}

void MainWindow::OnGameExit() noexcept {
    Trap([&] { close(); });
}

void MainWindow::OnOption(int index) noexcept {
    Trap([&] { OptionsDialog::ShowOptions(*this, this, index); });
}

void MainWindow::OnViewStatusBar() noexcept {
    // The item's check mark has already changed: it says whether the bar shows now.
    Trap([&] {
        m_statusBar->setVisible(m_statusBarAction->isChecked());
        FitWindow();
    });
}

void MainWindow::OnViewToolbar() noexcept {
    Trap([&] {
        m_toolbar->setVisible(m_toolbarAction->isChecked());
        FitWindow();
        PositionImages();
    });
}

void MainWindow::OnHelpContents() noexcept {
    Trap([&] { ShowHelpContents(this, Help::HelpFile()); });
}

void MainWindow::OnHelpIndex() noexcept {
    Trap([&] { ShowHelpIndex(this, Help::HelpFile()); });
}

void MainWindow::OnHelpLicense() noexcept {
    Trap([&] { ShowHelpTopic(this, Help::HelpFile(), QStringLiteral("License.htm")); });
}

void MainWindow::OnHelpAbout() noexcept {
    Trap([&] { m_about.Show(this); });
}
