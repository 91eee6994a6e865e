#include "frmAbout.h"

#include "ErrorTrap.h"
#include "Resources.h"
#include "Twips.h"
#include "basHelp.h"

#include <QVersionNumber>

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QString ProgramTitle = QStringLiteral("Pexora");

// The version as the title shows it, major and minor number: "2.00" is "2.0".
QString TitleVersion() {
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(PEXORA_VERSION));
    return QStringLiteral("%1.%2").arg(version.majorVersion()).arg(version.minorVersion());
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& at) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setGeometry(at);
    return label;
}

}  // namespace

frmAbout::frmAbout() = default;

frmAbout::~frmAbout() {
    delete m_window.data();
}

QStringList frmAbout::MakersLines() {
    // In the player's language of the moment.
    return {
        QCoreApplication::translate("frmAbout", "Copyright (C) 2026"),
        QCoreApplication::translate("frmAbout", "the Pexora developers"),
        QCoreApplication::translate("frmAbout", "A picture-matching memory game"),
        QCoreApplication::translate("frmAbout", "Free software under the GNU GPL,"),
        QCoreApplication::translate("frmAbout", "version 3 or later; NO WARRANTY."),
        QCoreApplication::translate("frmAbout", "More in Help > Contents (F1)"),
    };
}

void frmAbout::Show(QWidget* owner) {
    Trap([&] {
        Form_Load(owner);
        m_window->exec();
    });
    // Closing ends the timer and the window; the frame number stays.
    delete m_window.data();
    imgAbout = nullptr;
    lblTitle = nullptr;
    cmdOk = nullptr;
    cmdLicense = nullptr;
    tmrAbout = nullptr;
}

void frmAbout::Form_Load(QWidget* owner) {
    delete m_window.data();
    auto* window = new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                          Qt::MSWindowsFixedSizeDialogHint);
    m_window = window;
    window->setObjectName(QStringLiteral("frmAbout"));
    window->setWindowTitle(QCoreApplication::translate("frmAbout", "About %1").arg(ProgramTitle));
    window->setModal(true);
    window->setFixedSize(TwipsToPixels(4275), TwipsToPixels(2565));
    if (owner) window->setWindowIcon(owner->window()->windowIcon());

    imgAbout = new QLabel(window);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setGeometry(TwipsRect(150, 225, 480, 480));
    imgAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle = MakeLabel(window, ProgramTitle + QLatin1Char(' ') + TitleVersion(), TwipsRect(720, 120, 3285, 225));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    // A screen reader passes over a lone label of fewer than three words in a
    // dialog: the title is read as a sentence of its own.
    lblTitle->setAccessibleName(QCoreApplication::translate("frmAbout", "%1, version %2").arg(ProgramTitle, TitleVersion()));

    const QStringList lines = MakersLines();
    const int tops[6] = {360, 600, 840, 1320, 1560, 1800};
    for (int i = 0; i < 6; ++i) {
        QLabel* line = MakeLabel(window, lines[i], TwipsRect(720, tops[i], 3285, 225));
        line->setObjectName(QStringLiteral("lblMaker%1").arg(i + 1));
    }

    auto* rule = new QFrame(window);
    rule->setObjectName(QStringLiteral("linAbout"));
    rule->setGeometry(TwipsToPixels(750), TwipsToPixels(1200), TwipsToPixels(4080) - TwipsToPixels(750), 1);
    rule->setAutoFillBackground(true);
    QPalette black = rule->palette();
    black.setColor(QPalette::Window, Qt::black);
    rule->setPalette(black);

    cmdOk = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), window);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setGeometry(TwipsRect(1037, 2160, 1000, 315));
    cmdOk->setDefault(true);
    cmdLicense = new QPushButton(QCoreApplication::translate("frmAbout", "License"), window);
    cmdLicense->setObjectName(QStringLiteral("cmdLicense"));
    cmdLicense->setGeometry(TwipsRect(2237, 2160, 1000, 315));
    cmdLicense->setAutoDefault(false);
    QWidget::setTabOrder(cmdOk, cmdLicense);
    cmdOk->setFocus();

    QObject::connect(cmdOk, &QPushButton::clicked, window, [this] { cmdOk_Click(); });
    QObject::connect(cmdLicense, &QPushButton::clicked, window, [this] { cmdLicense_Click(); });

    // Centred over the owner, kept on its screen.
    if (owner) {
        const QRect over = owner->window()->frameGeometry();
        QRect placed(QPoint(), window->size());
        placed.moveCenter(over.center());
        if (const QScreen* screen = owner->window()->screen()) {
            const QRect area = screen->availableGeometry();
            placed.moveLeft(qBound(area.left(), placed.left(), qMax(area.left(), area.right() - placed.width())));
            placed.moveTop(qBound(area.top(), placed.top(), qMax(area.top(), area.bottom() - placed.height())));
        }
        window->move(placed.topLeft());
    }

    // The first frame is on show at once; a missing picture is reported and
    // the window opens all the same.
    Trap([&] { ShowPicture(QStringLiteral("ABOUT1")); });

    tmrAbout = new QTimer(window);
    tmrAbout->setObjectName(QStringLiteral("tmrAbout"));
    tmrAbout->setInterval(1000);
    QObject::connect(tmrAbout, &QTimer::timeout, window, [this] { tmrAbout_Timer(); });
    tmrAbout->start();
}

void frmAbout::ShowPicture(const QString& name) {
    // At the label's device pixel size: the icon, or on a dense screen its art.
    const QPixmap picture = ScreenPicture(name, imgAbout ? imgAbout->devicePixelRatioF() : 1.0);
    if (imgAbout) imgAbout->setPixmap(picture);
    m_pictureName = name;
}

void frmAbout::tmrAbout_Timer() noexcept {
    Trap([&] {
        if (mintFrame == 0) mintFrame = 1;
        if (mintFrame < 5) ++mintFrame;
        else mintFrame = 1;
        ShowPicture(QStringLiteral("ABOUT") + QString::number(mintFrame));
    });
}

void frmAbout::cmdOk_Click() noexcept {
    Trap([&] {
        if (m_window) m_window->accept();
    });
}

void frmAbout::cmdLicense_Click() noexcept {
    Trap([&] { ShowHelpTopic(m_window, basHelp::HelpFile(), QStringLiteral("license.htm")); });
}
