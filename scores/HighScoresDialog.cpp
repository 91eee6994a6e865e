#include "HighScoresDialog.h"

#include "ShownName.h"
#include "ErrorTrap.h"
#include "Placing.h"
#include "DialogFont.h"
#include "Resources.h"
#include "Twips.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {


constexpr int ScoreColumn = 2;
constexpr Qt::Alignment ScoreAlignment = Qt::AlignRight | Qt::AlignVCenter;

QTreeWidget* MakeScoreList(QWidget* page, const QString& scoreHeading) {
    auto* list = new QTreeWidget(page);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setColumnCount(3);
    list->setHeaderLabels({QString(), QCoreApplication::translate("ScoresWindow", "Name"), scoreHeading});
    list->headerItem()->setTextAlignment(ScoreColumn, ScoreAlignment);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setColumnWidth(0, TwipsToPixels(300));
    list->setColumnWidth(1, TwipsToPixels(2900));
    list->setColumnWidth(2, TwipsToPixels(1000));
    // The name column gives up what the list's border takes, so the scores
    // keep their column and nothing needs a sideways scroll.
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// The headings over the lists: 9.75-point Liberation Serif, whose widths are
// those of the classic serif face the boxes were measured for. Without it,
// the nearest serif face this machine has.
QFont HeadingFont() {
    QFont face;
    face.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("serif")});
    face.setStyleHint(QFont::Serif);
    face.setPointSizeF(9.75);
    face.setBold(false);
    return face;
}

QLabel* MakeLabel(QWidget* page, const QString& text) {
    auto* label = new QLabel(page);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(HeadingFont());
    return label;
}

}  // namespace

// ---- The window -------------------------------------------------------------

ScoresWindow::ScoresWindow(HighScoresDialog& form, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_form(form) {
    setWindowTitle(QCoreApplication::translate("ScoresWindow", "High Scores"));
    setFixedSize(TwipsToPixels(4905), TwipsToPixels(5040));
    BuildControls();
    OnLoad();
    FitFontToLists();
}

// The lists keep their laid-out heights, so the dialog takes a compact
// sans-serif face and, should five ranks and the headings still not fit
// (a tall font on this machine), steps its size down until they do.
void ScoresWindow::FitFontToLists() {
    auto ranksFit = [this] {
        for (QTreeWidget* list : {m_smallTimes, m_smallSets, m_largeTimes, m_largeSets}) {
            const int rows = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
            const int needed = list->header()->sizeHint().height() + ScoreTables::Places * rows + 2 * list->frameWidth();
            if (needed > list->height()) return false;
        }
        return true;
    };
    FitDialogFont([&](const QFont& face) {
        setFont(face);
        QFont bold = face;
        bold.setBold(true);
        m_tabs->tabBar()->setFont(bold);
        return ranksFit();
    });
    PlaceControlsOnTabs();
}

void ScoresWindow::BuildControls() {
    // Created in keyboard order: OK, Reset Scores, the tabs and their lists.
    m_closeButton = new QPushButton(QCoreApplication::translate("ScoresWindow", "OK"), this);
    m_closeButton->setGeometry(TwipsRect(3585, 4500, 1215, 375));
    m_closeButton->setDefault(true);
    m_resetButton = new QPushButton(QCoreApplication::translate("ScoresWindow", "Reset Scores"), this);
    m_resetButton->setGeometry(TwipsRect(2160, 4500, 1215, 375));

    m_tabs = new QTabWidget(this);
    m_tabs->setGeometry(TwipsRect(120, 120, 4695, 4185));

    auto* smallPage = new QWidget;
    auto* largePage = new QWidget;
    m_tabs->addTab(smallPage, QCoreApplication::translate("ScoresWindow", "&Small Board"));
    m_tabs->addTab(largePage, QCoreApplication::translate("ScoresWindow", "&Large Board"));

    const QString fastest = QCoreApplication::translate("ScoresWindow", "Fastest Times");
    const QString fewest = QCoreApplication::translate("ScoresWindow", "Fewest Sets Flipped");
    const QString seconds = QCoreApplication::translate("ScoresWindow", "Seconds");
    const QString sets = QCoreApplication::translate("ScoresWindow", "Sets");
    m_headings[0] = MakeLabel(smallPage, fastest);
    m_smallTimes = MakeScoreList(smallPage, seconds);
    m_headings[1] = MakeLabel(smallPage, fewest);
    m_smallSets = MakeScoreList(smallPage, sets);
    m_headings[2] = MakeLabel(largePage, fastest);
    m_largeTimes = MakeScoreList(largePage, seconds);
    m_headings[3] = MakeLabel(largePage, fewest);
    m_largeSets = MakeScoreList(largePage, sets);

    for (int page = 0; page < 2; ++page) {
        QTreeWidget* times = page == 0 ? m_smallTimes : m_largeTimes;
        QTreeWidget* setsList = page == 0 ? m_smallSets : m_largeSets;
        m_tabPlaces.push_back({m_headings[static_cast<size_t>(2 * page)], QRect(225, 450, 1140, 240)});
        m_tabPlaces.push_back({times, QRect(240, 720, 4200, 1395)});
        m_tabPlaces.push_back({m_headings[static_cast<size_t>(2 * page + 1)], QRect(225, 2250, 1665, 240)});
        m_tabPlaces.push_back({setsList, QRect(240, 2520, 4200, 1395)});
    }
    PlaceControlsOnTabs();

    m_image = new QLabel(this);
    m_image->setGeometry(TwipsRect(225, 4425, 480, 480));
    m_image->setAlignment(Qt::AlignCenter);
    Trap([&] { m_image->setPixmap(TrophyPicture(m_image->devicePixelRatioF())); });
    NameControls();

    setTabOrder(m_closeButton, m_resetButton);
    setTabOrder(m_resetButton, m_tabs);

    connect(m_resetButton, &QPushButton::clicked, this, [this] { OnReset(); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] { OnClose(); });
}

void ScoresWindow::NameControls() {
    for (auto [control, name] : {std::pair<QWidget*, const char*>{m_tabs, "tabScores"}, {m_closeButton, "cmdOK"},
                                 {m_resetButton, "cmdReset"}, {m_image, "Image1"}, {m_smallTimes, "lvwSmallBoardTimes"},
                                 {m_smallSets, "lvwSmallBoardSets"}, {m_largeTimes, "lvwLargeBoardTimes"},
                                 {m_largeSets, "lvwLargeBoardSets"}})
        control->setObjectName(QLatin1String(name));
    for (size_t i = 0; i < m_headings.size(); ++i) m_headings.at(i)->setObjectName(QStringLiteral("lblLabels%1").arg(i));
}

// The controls on the tabs are placed from the tab control's corner.
void ScoresWindow::PlaceControlsOnTabs() {
    for (const TabPlace& place : m_tabPlaces) {
        QRect rect = TwipsOnTabPage(*m_tabs, *place.control->parentWidget(), place.twips);
        // The headings above the lists may run on to the right.
        if (const auto* label = qobject_cast<const QLabel*>(place.control))
            rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
        place.control->setGeometry(rect);
    }
}

void ScoresWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceControlsOnTabs();
}

bool ScoresWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) m_form.OnActivate();
    return handled;
}

void ScoresWindow::OnLoad() {
    Trap([&] {
        if (m_form.m_choices.options.TileCount == 30) {
            m_tabs->setCurrentIndex(0);
        } else if (m_form.m_choices.options.TileCount == 60) {
            m_tabs->setCurrentIndex(1);
        }
    });
    // One read of the store for the four lists; a store that cannot be read
    // is reported once and leaves them showing the bare ranks.
    std::optional<StoreContents> stored;
    Trap([&] { stored = ReadSettings(Options::Text(Options::ApplicationName)); });
    const StoreContents* read = stored ? &*stored : nullptr;
    FillScoreList(m_smallSets, read, ScoreTables::SmallBoardSets, ScoreTables::SetsKey);
    FillScoreList(m_smallTimes, read, ScoreTables::SmallBoardTimes, ScoreTables::TimeKey);
    FillScoreList(m_largeSets, read, ScoreTables::LargeBoardSets, ScoreTables::SetsKey);
    FillScoreList(m_largeTimes, read, ScoreTables::LargeBoardTimes, ScoreTables::TimeKey);
}

QTreeWidgetItem* ScoresWindow::AddRankRow(QTreeWidget* list, int rank) {
    auto* row = new QTreeWidgetItem(list);
    row->setText(0, QString::number(rank) + QLatin1Char('.'));
    row->setTextAlignment(ScoreColumn, ScoreAlignment);
    return row;
}

void ScoresWindow::FillScoreList(QTreeWidget* list, const StoreContents* stored, const QString& section,
                                 const QString& key) noexcept {
    Trap([&] {
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) {
            QTreeWidgetItem* row = AddRankRow(list, rank);
            // Names and scores are shown as stored, as plain text; a name
            // is kept on one line and cannot turn the row's direction.
            if (stored == nullptr) continue;
            const ScoreRow shown = ReadScoreRow(*stored, section, key, rank);
            if (!shown.Name.isEmpty()) {
                row->setText(1, ShownName(shown.Name));
                row->setText(ScoreColumn, shown.Score);
            }
        }
    });
}

QTreeWidget* ScoresWindow::ListOf(const QString& section) const {
    if (section == ScoreTables::SmallBoardSets) return m_smallSets;
    if (section == ScoreTables::SmallBoardTimes) return m_smallTimes;
    if (section == ScoreTables::LargeBoardSets) return m_largeSets;
    if (section == ScoreTables::LargeBoardTimes) return m_largeTimes;
    return nullptr;
}

void ScoresWindow::ClearScoreList(const QString& section) noexcept {
    Trap([&] {
        QTreeWidget* list = ListOf(section);
        if (!list) return;
        list->clear();
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) AddRankRow(list, rank);
    });
}

QMessageBox* ScoresWindow::MakeResetQuestion(const QString& title, const QString& text, QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Question, title, QString(), QMessageBox::Yes | QMessageBox::No, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

bool ScoresWindow::ConfirmReset(const QString& title, const QString& text) {
    const std::unique_ptr<QMessageBox> box(MakeResetQuestion(title, text, this));
    return box->exec() == QMessageBox::Yes;
}

void ScoresWindow::OnReset() {
    Trap([&] {
        // The tables of the board size whose tab is showing.
        const int tileCount = m_tabs->currentIndex() == 1 ? 60 : 30;
        ResetBoardScores(tileCount, *this, m_form.m_sound, m_form.m_choices.playSound);
        m_form.m_unsaved.Start();
        setAccessibleDescription(QString());  // the result said at the opening is no longer in the tables
    });
}

void ScoresWindow::OnClose() {
    Trap([&] { accept(); });
}

// ---- The dialog object ------------------------------------------------------

HighScoresDialog::HighScoresDialog(ISoundPlayer& sound, const PlayerChoices& choices)
    : m_sound(sound), m_choices(choices), m_unsaved(Options::Text(Options::ApplicationName), PlayLockWaitMs) {}

HighScoresDialog::~HighScoresDialog() { delete m_window.data(); }

ScoresWindow* HighScoresDialog::Load(QWidget* owner) {
    if (!m_window) m_window = new ScoresWindow(*this, owner);
    return m_window;
}

void HighScoresDialog::Show(QWidget* owner, const QString& spokenResult) {
    Trap([&] {
        const QPointer<ScoresWindow> window = Load(owner);
        // The news said just before is cut short when the window takes the focus.
        window->setAccessibleDescription(spokenResult);
        // Should the window manager never make the dialog active, the
        // greeting still comes once it is up.
        QTimer::singleShot(0, window, [this] { OnActivate(); });
        window->exec();
        if (window) {
            if (m_window == window) m_window = nullptr;
            delete window.data();
        }
    });
}

void HighScoresDialog::Unload() {
    if (!m_window) return;
    ScoresWindow* window = m_window;
    m_window = nullptr;
    if (window->isVisible()) {
        // Still inside its modal loop: end the loop, delete it afterwards.
        window->done(QDialog::Rejected);
        window->deleteLater();
    } else {
        delete window;
    }
}

QDialog* HighScoresDialog::Window() const { return m_window; }

void HighScoresDialog::OnActivate() {
    if (m_activating) return;
    Trap([&] {
        if (!(m_choices.playSound && newHighScore)) return;
        m_activating = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{m_activating};
        // Painted before the chime holds the thread; no other event is run
        // here, so no command of the player's starts inside this one.
        if (m_window) m_window->repaint();
        m_sound.PlayWaveResource(QStringLiteral("CHIMES"));
        newHighScore = false;
    });
}
