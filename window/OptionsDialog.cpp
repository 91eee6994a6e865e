#include "OptionsDialog.h"

#include "DialogFont.h"
#include "ErrorTrap.h"
#include "OptionCatalogue.h"
#include "OptionsHost.h"
#include "Placing.h"
#include "ShownName.h"
#include "Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QColor>
#include <QFrame>
#include <QHash>
#include <QLineEdit>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QValidator>

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

using Options::IndexOfStored;
using Options::Text;

template <class Choices>
QString StoredAt(const Choices& choices, int index) {
    return Text(choices.at(static_cast<size_t>(index - 1)).stored);
}


const QColor EnabledNameBoxColor(255, 255, 255);
const QColor DisabledNameBoxColor(192, 192, 192);
const QColor DisabledNameTextColor(128, 128, 128);  // the grey of disabled text, readable on that background

// Shows the hourglass for as long as it lives, whichever way the scope is left.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The length limit cuts pasted or typed text at a fixed count of UTF-16
// units, which can split a character outside the basic plane in two. A
// name must never keep half a character, so a dangling surrogate is dropped.
class WholeCharacterValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            const bool pairedHigh = c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
            if (pairedHigh) {
                ++i;
            } else if (c.isSurrogate()) {
                input.remove(i, 1);
                if (pos > i) --pos;
                --i;
            }
        }
        return Acceptable;
    }
};

// The six tabs share the width of the tab control in one row, each as wide
// as the others, whatever the font makes of the captions; a caption wider
// than its share (another language than English) gets the width it needs
// from the tabs that have room to spare (see Share()).
class EvenTabsStyle final : public QProxyStyle {
public:
    explicit EvenTabsStyle(int tabWidth)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_tabWidth(tabWidth) {}
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option); type == CT_TabBarTab && tab)
            result.setWidth(m_widths.value(tab->text, m_tabWidth));
        return result;
    }
    // The captions wider than an even share take what they need; the other
    // tabs share what is left evenly.
    void Share(QTabBar& tabs, int rowWidth) {
        const int margin = pixelMetric(PM_TabBarTabHSpace, nullptr, &tabs);
        QHash<QString, int> needs;
        for (int i = 0; i < tabs.count(); ++i)
            needs[tabs.tabText(i)] = tabs.fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, tabs.tabText(i)).width() + margin;
        m_widths.clear();
        int rest = rowWidth;
        for (bool taken = true; taken && m_widths.size() < needs.size();) {
            taken = false;
            const int even = rest / static_cast<int>(needs.size() - m_widths.size());
            for (auto need = needs.cbegin(); need != needs.cend(); ++need)
                if (!m_widths.contains(need.key()) && need.value() > even) {
                    m_widths[need.key()] = need.value();
                    rest -= need.value();
                    taken = true;
                    break;
                }
        }
        if (!m_widths.isEmpty() && m_widths.size() < needs.size()) m_tabWidth = rest / static_cast<int>(needs.size() - m_widths.size());
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(&tabs, &changed);
    }
    // The caption keeps the even tab's width less a narrow margin, so that
    // it is not cut off at both ends in any language.
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, 8) : value;
    }

private:
    int m_tabWidth;
    QHash<QString, int> m_widths;  // by caption, the tabs wider than the others
};

// Tab index -> frame index, and each frame's size in twips.
constexpr std::array<int, OptionsDialog::TabCount> FrameOfTab{0, 1, 2, 5, 3, 4};
constexpr std::array<std::pair<int, int>, 6> FrameSize{{
    {960, 855}, {1185, 1905}, {4710, 2280}, {3855, 930}, {1110, 855}, {1635, 855}}};
constexpr int FrameLeft = 75;
constexpr int FrameTop = 375;

// The pages of the tab control lie in a stack that has nothing to say: a
// screen reader entering a page names the page's tab, not "layered pane".
QAccessibleInterface* SilentPageStackFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QStackedWidget") || object == nullptr || object->parent() == nullptr ||
        qobject_cast<OptionsDialog*>(object->parent()->parent()) == nullptr)
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Client);
}

}  // namespace

int OptionButtons::Selected() const {
    for (int i = 1; i <= Count(); ++i)
        if ((*this)(i)->isChecked()) return i;
    return 0;
}

void OptionButtons::Select(int index) const {
    if (index >= 1 && index <= Count()) (*this)(index)->setChecked(true);
}

void OptionButtons::KeepTabStopOnSelected() const {
    const int stop = std::max(1, Selected());
    for (int i = 1; i <= Count(); ++i) (*this)(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

OptionsDialog::OptionsDialog(IOptionsHost& host, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_host(host),
      m_choices(host.Choices()) {
    setWindowTitle(tr("Options"));
    setFixedSize(TwipsToPixels(5310), TwipsToPixels(3405));
    BuildControls();
    FitFontToCaptions();

    // Loading: every tab from the settings in memory. Whatever the change
    // tracking noticed meanwhile is not a change.
    Trap([&] {
        LoadBoards();
        LoadColors();
        LoadImages();
        LoadLevels();
        LoadPlayers();
        LoadSounds();
    });
    m_applyButton->setEnabled(false);
    m_previousTab = m_tabs->currentIndex();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ShowOptions(IOptionsHost& host, QWidget* owner, int tab) {
    Trap([&] {
        OptionsDialog dialog(host, owner);
        dialog.m_tabs->setCurrentIndex(std::clamp(tab, 0, TabCount - 1));
        dialog.exec();
    });
}

void OptionsDialog::BuildControls() {
    // Created in keyboard order: OK, Default, Apply, Cancel, the tabs.
    auto makeButton = [this](const char* caption, QRect rect) {
        auto* button = new QPushButton(tr(caption), this);
        button->setGeometry(rect);
        return button;
    };
    m_okButton = makeButton(QT_TR_NOOP("OK"), TwipsRect(473, 2925, 975, 375));
    m_defaultButton = makeButton(QT_TR_NOOP("Default"), TwipsRect(1613, 2925, 975, 375));
    m_applyButton = makeButton(QT_TR_NOOP("Apply"), TwipsRect(2738, 2925, 975, 375));
    m_cancelButton = makeButton(QT_TR_NOOP("Cancel"), TwipsRect(3863, 2925, 975, 375));
    m_okButton->setDefault(true);

    m_tabs = new QTabWidget(this);
    m_tabs->setGeometry(TwipsRect(150, 150, 4995, 2700));
    QTabBar* tabs = m_tabs->tabBar();
    tabs->setUsesScrollButtons(false);
    tabs->setExpanding(false);
    auto* tabStyle = new EvenTabsStyle(m_tabs->width() / TabCount);
    tabStyle->setParent(tabs);
    tabs->setStyle(tabStyle);

    static constexpr std::array<const char*, TabCount> captions{
        QT_TR_NOOP("&Boards"), QT_TR_NOOP("&Colors"),  QT_TR_NOOP("&Images"),
        QT_TR_NOOP("&Levels"), QT_TR_NOOP("&Players"), QT_TR_NOOP("&Sounds")};
    for (int tab = 0; tab < TabCount; ++tab) {
        auto* page = new QWidget;
        const int frame = FrameOfTab.at(static_cast<size_t>(tab));
        auto* fra = new QFrame(page);
        fra->setFrameShape(QFrame::NoFrame);
        fra->setObjectName(QStringLiteral("fraOptions%1").arg(frame));
        fra->resize(TwipsToPixels(FrameSize.at(static_cast<size_t>(frame)).first),
                    TwipsToPixels(FrameSize.at(static_cast<size_t>(frame)).second));
        m_frames.at(static_cast<size_t>(frame)) = fra;
        m_tabs->addTab(page, tr(captions.at(static_cast<size_t>(tab))));
    }
    PlaceFramesOnTabs();

    auto makeGroup = [this](OptionButtons& group, QFrame* frame, const auto& choices, auto&& rectOf) {
        group.Group = new QButtonGroup(this);
        group.Group->setExclusive(true);
        int index = 1;
        for (const Options::Choice& choice : choices) {
            auto* button = new QRadioButton(QCoreApplication::translate("Options", choice.caption.data()), frame);
            button->setGeometry(rectOf(index));
            group.Group->addButton(button, index);
            group.Add(button);
            ++index;
        }
    };
    auto twoRows = [](int width) {
        return [width](int index) { return TwipsRect(120, index == 1 ? 120 : 480, width, 255); };
    };

    makeGroup(m_boards, m_frames[0], Options::Boards, twoRows(855));
    makeGroup(m_colors, m_frames[1], Options::TileColors,
              [](int index) { return TwipsRect(120, 120 + 360 * (index - 1), 1095, 255); });
    static constexpr std::array<std::pair<int, int>, 17> imagePlaces{{
        {120, 120}, {120, 450}, {120, 810}, {120, 1170}, {120, 1530}, {120, 1890},
        {1725, 150}, {1725, 480}, {1725, 840}, {1725, 1200}, {1725, 1560}, {1725, 1890},
        {3300, 180}, {3300, 540}, {3300, 900}, {3300, 1260}, {3300, 1650}}};
    makeGroup(m_images, m_frames[2], Options::ImageCategories, [](int index) {
        const auto& place = imagePlaces.at(static_cast<size_t>(index - 1));
        return TwipsRect(place.first, place.second, 1455, 255);
    });
    makeGroup(m_levels, m_frames[5], Options::Levels, twoRows(1320));
    makeGroup(m_players, m_frames[3], Options::Players, twoRows(615));
    for (int player = 1; player <= MaxPlayers; ++player) {
        auto* box = new QLineEdit(m_frames[3]);
        box->setGeometry(TwipsRect(840, player == 1 ? 120 : 480, 2895, 300));
        box->setMaxLength(Options::MaxNameLength);
        box->setValidator(new WholeCharacterValidator(box));
        m_nameBoxes.Add(box);
    }
    makeGroup(m_sounds, m_frames[4], Options::Sounds, twoRows(855));
    NameControls();

    MakeTabKeysDialogWide();
    LabelForAssistiveTechnology();

    setTabOrder(m_okButton, m_defaultButton);
    setTabOrder(m_defaultButton, m_applyButton);
    setTabOrder(m_applyButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_tabs);

    // A choice counts however it is made: a click (also on the button already
    // selected), or a change of selection by the keyboard, by an assistive
    // technology's action or from code. Both may report the same choice; what
    // they do is the same and doing it twice changes nothing.
    for (OptionButtons* group : {&m_boards, &m_colors, &m_images, &m_levels, &m_players, &m_sounds}) {
        connect(group->Group, &QButtonGroup::idClicked, this, [this, group](int) { OnOptionClicked(*group); });
        connect(group->Group, &QButtonGroup::idToggled, this, [this, group](int, bool checked) {
            group->KeepTabStopOnSelected();
            if (checked) OnOptionClicked(*group);
        });
        group->KeepTabStopOnSelected();
    }
    for (int player = 1; player <= MaxPlayers; ++player)
        connect(m_nameBoxes(player), &QLineEdit::textChanged, this, [this] { OnNameEdited(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) { OnTabChanged(tab); });
    connect(m_applyButton, &QPushButton::clicked, this, [this] { OnApply(); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_defaultButton, &QPushButton::clicked, this, [this] { OnDefault(); });
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is, also on
// the buttons below them. The focus goes to the tab row, so that a screen
// reader names the page now shown.
void OptionsDialog::MakeTabKeysDialogWide() {
    auto turnPage = [this](int step) {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + TabCount) % TabCount);
        m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
    };
    const std::array<std::pair<QKeySequence, int>, 3> keys{{{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}};
    for (const auto& [sequence, step] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, [turnPage, step = step] { turnPage(step); });
}

// A name box is named by the caption of the option button beside it; the
// stack of pages is silent (see SilentPageStackFactory).
void OptionsDialog::LabelForAssistiveTechnology() {
    static const bool installed = (QAccessible::installFactory(SilentPageStackFactory), true);
    Q_UNUSED(installed);
    for (int player = 1; player <= m_nameBoxes.Count(); ++player)
        m_nameBoxes(player)->setAccessibleName(m_players(player)->text().remove(QLatin1Char('&')));
}

void OptionsDialog::NameControls() {
    for (auto [control, name] : {std::pair<QWidget*, const char*>{m_okButton, "cmdOk"}, {m_defaultButton, "cmdDefault"},
                                 {m_applyButton, "cmdApply"}, {m_cancelButton, "cmdCancel"}, {m_tabs, "tabOptions"}})
        control->setObjectName(QLatin1String(name));
    for (auto [group, name] : {std::pair<const OptionButtons*, const char*>{&m_boards, "optBoards"}, {&m_colors, "optColors"},
                               {&m_images, "optImages"}, {&m_levels, "optLevels"}, {&m_players, "optPlayers"},
                               {&m_sounds, "optSounds"}})
        for (int i = 1; i <= group->Count(); ++i) (*group)(i)->setObjectName(QLatin1String(name) + QString::number(i));
    for (int player = 1; player <= m_nameBoxes.Count(); ++player)
        m_nameBoxes(player)->setObjectName(QStringLiteral("txtPlayer%1").arg(player));
}

// The controls keep their laid-out sizes, so the dialog takes a compact
// sans-serif face. A caption longer than its button (another language than
// English) widens the button into the free space to its right, never over
// another control, and its frame, which is not drawn, with it. Should the
// captions still not fit (a wide font on this machine), the face steps its
// size down until every caption shows whole.
void OptionsDialog::FitFontToCaptions() {
    auto needed = [](const QRadioButton* button) {
        return button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
               button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
               button->fontMetrics().horizontalAdvance(button->text()) + 1;
    };
    const int pageRight = m_tabs->width() - 2 * TwipsToPixels(FrameLeft);  // in a frame's coordinates
    auto grow = [&](QFrame* frame, QRadioButton* button) {
        const QRect at = button->geometry();
        int right = pageRight;
        for (QWidget* other : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != button && other->x() > at.right() && other->y() <= at.bottom() && other->geometry().bottom() >= at.y())
                right = std::min(right, other->x() - TwipsToPixels(60));
        const int width = std::min(needed(button), right - at.x());
        if (width <= at.width()) return;
        button->resize(width, at.height());
        if (frame->width() < at.x() + width) frame->resize(at.x() + width, frame->height());
    };
    auto captionsFit = [&] {
        for (QFrame* frame : m_frames)
            for (QRadioButton* button : frame->findChildren<QRadioButton*>())
                if (needed(button) > std::min(button->width(), frame->width() - button->x())) return false;
        return true;
    };
    FitDialogFont([&](const QFont& face) {
        setFont(face);
        for (QFrame* frame : m_frames)
            for (QRadioButton* button : frame->findChildren<QRadioButton*>())
                if (needed(button) > button->width()) grow(frame, button);
        return captionsFit();
    });
    static_cast<EvenTabsStyle*>(m_tabs->tabBar()->style())->Share(*m_tabs->tabBar(), m_tabs->width());
}

// The frames sit at a fixed place measured from the tab control's corner.
void OptionsDialog::PlaceFramesOnTabs() {
    for (int tab = 0; tab < TabCount; ++tab) {
        QFrame* frame = m_frames.at(static_cast<size_t>(FrameOfTab.at(static_cast<size_t>(tab))));
        frame->move(TwipsOnTabPage(*m_tabs, *m_tabs->widget(tab), QRect(FrameLeft, FrameTop, 0, 0)).topLeft());
    }
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceFramesOnTabs();
}

// ---- Loading --------------------------------------------------------------

void OptionsDialog::LoadBoards() {
    Trap([&] { m_boards.Select(IndexOfStored(Options::Boards, QString::number(m_choices.options.TileCount))); });
}

void OptionsDialog::LoadColors() {
    Trap([&] { m_colors.Select(IndexOfStored(Options::TileColors, m_choices.options.TileColor)); });
}

void OptionsDialog::LoadImages() {
    Trap([&] { m_images.Select(IndexOfStored(Options::ImageCategories, m_choices.options.Images)); });
}

void OptionsDialog::LoadLevels() {
    Trap([&] { m_levels.Select(IndexOfStored(Options::Levels, QString::number(m_choices.options.Level))); });
}

void OptionsDialog::LoadPlayers() {
    Trap([&] {
        for (int player = 1; player <= MaxPlayers; ++player) {
            if (m_choices.options.PlayerCount == player) m_players.Select(player);
            m_nameBoxes(player)->setText(TranslatedName(m_choices.Name(player)));
            SetNameBoxEnabled(player, m_choices.options.PlayerCount >= player);
        }
    });
}

void OptionsDialog::LoadSounds() {
    Trap([&] { m_sounds.Select(m_choices.playSound ? 1 : 2); });
}

void OptionsDialog::SetNameBoxEnabled(int player, bool enabled) {
    QLineEdit* box = m_nameBoxes(player);
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, enabled ? EnabledNameBoxColor : DisabledNameBoxColor);
    palette.setColor(QPalette::Disabled, QPalette::Text, DisabledNameTextColor);
    box->setPalette(palette);
}

// ---- Applying -------------------------------------------------------------
// A group with no button selected keeps its setting; the follow-up still runs,
// also when the value is the one already in use.

void OptionsDialog::ApplyBoards() {
    Trap([&] {
        const BusyPointer busy;
        if (const int i = m_boards.Selected()) m_choices.options.TileCount = StoredAt(Options::Boards, i).toShort();
        m_host.SetChoices(m_choices);
        m_host.StartNewGame();
        m_host.SetBoardSize();
    });
}

void OptionsDialog::ApplyColors() {
    Trap([&] {
        if (const int i = m_colors.Selected()) m_choices.options.TileColor = StoredAt(Options::TileColors, i);
        m_host.SetChoices(m_choices);
        m_host.ChangeTileColor();
    });
}

void OptionsDialog::ApplyImages() {
    Trap([&] {
        if (const int i = m_images.Selected()) m_choices.options.Images = StoredAt(Options::ImageCategories, i);
        m_host.SetChoices(m_choices);
        m_host.StartNewGame();
    });
}

void OptionsDialog::ApplyLevels() {
    Trap([&] {
        if (const int i = m_levels.Selected()) m_choices.options.Level = StoredAt(Options::Levels, i).toShort();
        m_host.SetChoices(m_choices);
        m_host.StartNewGame();
    });
}

void OptionsDialog::ApplyPlayers() {
    Trap([&] {
        if (const int i = m_players.Selected()) m_choices.options.PlayerCount = StoredAt(Options::Players, i).toShort();
        // Disabled and empty boxes give their text all the same.
        // A default name shown in the player's language is stored as it was.
        for (int player = 1; player <= MaxPlayers; ++player)
            m_choices.Name(player) = StoredName(m_nameBoxes(player)->text(), player);
        m_host.SetChoices(m_choices);
        m_host.StartNewGame();
    });
}

void OptionsDialog::ApplySounds() {
    Trap([&] {
        if (const int i = m_sounds.Selected()) m_choices.playSound = (i == 1);
        m_host.SetChoices(m_choices);
        m_host.SetSoundsButtonPressed(m_choices.playSound);
    });
}

void OptionsDialog::ApplyTab(int tab) {
    switch (tab) {
    case TabBoards: ApplyBoards(); break;
    case TabColors: ApplyColors(); break;
    case TabImages: ApplyImages(); break;
    case TabLevels: ApplyLevels(); break;
    case TabPlayers: ApplyPlayers(); break;
    case TabSounds: ApplySounds(); break;
    default: break;
    }
}

// ---- Handlers -------------------------------------------------------------

void OptionsDialog::OnOptionClicked(const OptionButtons& group) {
    Trap([&] {
        m_applyButton->setEnabled(true);
        if (&group == &m_players) OnPlayersClicked();
    });
}

void OptionsDialog::OnPlayersClicked() {
    Trap([&] { SetNameBoxEnabled(2, m_players.Selected() == 2); });
}

void OptionsDialog::OnNameEdited() {
    Trap([&] { m_applyButton->setEnabled(true); });
}

void OptionsDialog::OnTabChanged(int newTab) {
    Trap([&] {
        const int previousTab = std::exchange(m_previousTab, newTab);
        if (m_applyButton->isEnabled()) {
            ApplyTab(previousTab);
            m_applyButton->setEnabled(false);
        }
    });
}

void OptionsDialog::OnApply() {
    Trap([&] {
        ApplyTab(m_tabs->currentIndex());
        m_applyButton->setEnabled(false);
    });
}

void OptionsDialog::OnOk() {
    Trap([&] {
        if (m_applyButton->isEnabled()) OnApply();
        accept();
    });
}

void OptionsDialog::OnCancel() {
    Trap([&] { reject(); });
}

void OptionsDialog::OnDefault() {
    Trap([&] {
        switch (m_tabs->currentIndex()) {
        case TabBoards:
            m_boards.Select(IndexOfStored(Options::Boards, Text(Options::DefaultTileCount)));
            ApplyBoards();
            break;
        case TabColors:
            m_colors.Select(IndexOfStored(Options::TileColors, Text(Options::DefaultTileColor)));
            ApplyColors();
            break;
        case TabImages:
            m_images.Select(IndexOfStored(Options::ImageCategories, Text(Options::DefaultImages)));
            ApplyImages();
            break;
        case TabLevels:
            m_levels.Select(IndexOfStored(Options::Levels, Text(Options::DefaultLevel)));
            ApplyLevels();
            break;
        case TabPlayers: {
            const int players = IndexOfStored(Options::Players, Text(Options::DefaultPlayerCount));
            m_players.Select(players);
            for (int player = 1; player <= MaxPlayers; ++player) {
                m_nameBoxes(player)->setText(TranslatedName(DefaultPlayerName(player)));
                SetNameBoxEnabled(player, player <= players);
            }
            ApplyPlayers();
            break;
        }
        case TabSounds:
            m_sounds.Select(IndexOfStored(Options::Sounds, Text(Options::DefaultSounds)));
            ApplySounds();
            break;
        default: break;
        }
        m_applyButton->setEnabled(false);
    });
}
