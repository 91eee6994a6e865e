#include "AboutDialog.h"

#include "ErrorTrap.h"
#include "Placing.h"
#include "Resources.h"
#include "Twips.h"
#include "Help.h"
#include "OptionCatalogue.h"

#include <QVersionNumber>

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString ProgramTitle = Options::Text(Options::ApplicationName);

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

AboutDialog::AboutDialog() = default;

AboutDialog::~AboutDialog() {
    delete m_window.data();
}

QStringList AboutDialog::MakersLines() {
    // In the player's language of the moment.
    return {
        QCoreApplication::translate("AboutDialog", "Copyright (C) 2026"),
        QCoreApplication::translate("AboutDialog", "the Pexora developers"),
        QCoreApplication::translate("AboutDialog", "A picture-matching memory game"),
        QCoreApplication::translate("AboutDialog", "Free software under the GNU GPL,"),
        QCoreApplication::translate("AboutDialog", "version 3 or later; NO WARRANTY."),
        QCoreApplication::translate("AboutDialog", "More in Help > Contents (F1)"),
    };
}

void AboutDialog::Show(QWidget* owner) {
    Trap([&] {
        OnLoad(owner);
        m_window->exec();
    });
    // Closing ends the timer and the window; the frame number stays.
    delete m_window.data();
    m_picture = nullptr;
    m_title = nullptr;
    m_okButton = nullptr;
    m_licenseButton = nullptr;
    m_timer = nullptr;
}

void AboutDialog::OnLoad(QWidget* owner) {
    delete m_window.data();
    auto* window = new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                          Qt::MSWindowsFixedSizeDialogHint);
    m_window = window;
    window->setObjectName(QStringLiteral("frmAbout"));
    window->setWindowTitle(QCoreApplication::translate("AboutDialog", "About %1").arg(ProgramTitle));
    window->setModal(true);
    window->setFixedSize(TwipsToPixels(4275), TwipsToPixels(2565));
    if (owner) window->setWindowIcon(owner->window()->windowIcon());

    m_picture = new QLabel(window);
    m_picture->setObjectName(QStringLiteral("imgAbout"));
    m_picture->setGeometry(TwipsRect(150, 225, 480, 480));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_title = MakeLabel(window, ProgramTitle + QLatin1Char(' ') + TitleVersion(), TwipsRect(720, 120, 3285, 225));
    m_title->setObjectName(QStringLiteral("lblTitle"));
    // A screen reader passes over a lone label of fewer than three words in a
    // dialog: the title is read as a sentence of its own.
    m_title->setAccessibleName(QCoreApplication::translate("AboutDialog", "%1, version %2").arg(ProgramTitle, TitleVersion()));

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

    m_okButton = new QPushButton(QCoreApplication::translate("AboutDialog", "OK"), window);
    m_okButton->setObjectName(QStringLiteral("cmdOk"));
    m_okButton->setGeometry(TwipsRect(1037, 2160, 1000, 315));
    m_okButton->setDefault(true);
    m_licenseButton = new QPushButton(QCoreApplication::translate("AboutDialog", "License"), window);
    m_licenseButton->setObjectName(QStringLiteral("cmdLicense"));
    m_licenseButton->setGeometry(TwipsRect(2237, 2160, 1000, 315));
    m_licenseButton->setAutoDefault(false);
    QWidget::setTabOrder(m_okButton, m_licenseButton);
    m_okButton->setFocus();

    QObject::connect(m_okButton, &QPushButton::clicked, window, [this] { OnOk(); });
    QObject::connect(m_licenseButton, &QPushButton::clicked, window, [this] { OnLicense(); });

    // Centred over the owner, kept on its screen.
    if (owner) {
        const QRect over = owner->window()->frameGeometry();
        QRect placed(QPoint(), window->size());
        placed.moveCenter(over.center());
        window->move(KeptOnScreen(*owner, placed));
    }

    // The first frame is on show at once; a missing picture is reported and
    // the window opens all the same.
    Trap([&] { ShowPicture(QStringLiteral("ABOUT1")); });

    m_timer = new QTimer(window);
    m_timer->setObjectName(QStringLiteral("tmrAbout"));
    m_timer->setInterval(1000);
    QObject::connect(m_timer, &QTimer::timeout, window, [this] { OnTimer(); });
    m_timer->start();
}

void AboutDialog::ShowPicture(const QString& name) {
    // At the label's device pixel size: the icon, or on a dense screen its art.
    const QPixmap picture = ScreenPicture(name, m_picture ? m_picture->devicePixelRatioF() : 1.0);
    if (m_picture) m_picture->setPixmap(picture);
    m_pictureName = name;
}

void AboutDialog::OnTimer() noexcept {
    Trap([&] {
        if (m_frame == 0) m_frame = 1;
        if (m_frame < 5) ++m_frame;
        else m_frame = 1;
        ShowPicture(QStringLiteral("ABOUT") + QString::number(m_frame));
    });
}

void AboutDialog::OnOk() noexcept {
    Trap([&] {
        if (m_window) m_window->accept();
    });
}

void AboutDialog::OnLicense() noexcept {
    Trap([&] { ShowHelpTopic(m_window, Help::HelpFile(), QStringLiteral("license.htm")); });
}
