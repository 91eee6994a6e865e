// The About window: its layout, its animation across ticks and openings,
// and the licence it opens while staying modal.

#include "HelpViewer.h"
#include "TestSupport.h"
#include "Twips.h"
#include "basHelp.h"
#include "frmAbout.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// Opens the About window modally and runs check while it is shown; the
// window's own timer is stopped first so that only the test's ticks count.
// Closes the window with "OK" afterwards unless check has closed it.
void WhileShown(frmAbout& about, QWidget* owner, const std::function<void(QDialog*)>& check) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QDialog* window = about.Window();
        ran = true;
        if (!window) return;
        if (auto* timer = window->findChild<QTimer*>(QStringLiteral("tmrAbout"))) timer->stop();
        check(window);
        if (about.Window()) QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    about.Show(owner);
    QVERIFY(ran);
    QVERIFY(!about.Window());
}

QStringList Ticks(frmAbout& about, int count) {
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        about.tmrAbout_Timer();
        shown << about.PictureName();
    }
    return shown;
}

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void windowShowsTitleLinesAndButtonsWhereTheyBelong() {
        QWidget owner;
        owner.setWindowIcon(QIcon(QPixmap(32, 32)));
        owner.setGeometry(200, 150, 640, 480);
        owner.show();
        frmAbout about;
        WhileShown(about, &owner, [&](QDialog* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("About Pexora"));
            QVERIFY(window->isModal());
            QCOMPARE(window->parentWidget(), &owner);
            QCOMPARE(window->size(), QSize(285, 171));
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QCOMPARE(window->windowIcon().cacheKey(), owner.windowIcon().cacheKey());
            const QPoint offCentre = window->geometry().center() - owner.geometry().center();
            QVERIFY(qAbs(offCentre.x()) <= 3 && qAbs(offCentre.y()) <= 3);

            auto* title = window->findChild<QLabel*>(QStringLiteral("lblTitle"));
            QVERIFY(title);
            QCOMPARE(title->text(), QStringLiteral("Pexora 2.0"));
            QCOMPARE(title->geometry(), Twips(720, 120, 3285, 225));
            QVERIFY(title->alignment() & Qt::AlignHCenter);

            const int tops[6] = {360, 600, 840, 1320, 1560, 1800};
            for (int i = 0; i < 6; ++i) {
                auto* line = window->findChild<QLabel*>(QStringLiteral("lblMaker%1").arg(i + 1));
                QVERIFY(line);
                QCOMPARE(line->text(), frmAbout::MakersLines().at(i));
                QCOMPARE(line->geometry(), Twips(720, tops[i], 3285, 225));
                // Every line must fit its label in full.
                QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->width(),
                         qPrintable(line->text()));
            }
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("imgAbout"))->geometry(), Twips(150, 225, 480, 480));
            QCOMPARE(window->findChild<QFrame*>(QStringLiteral("linAbout"))->geometry(),
                     QRect(TwipsToPixels(750), TwipsToPixels(1200), TwipsToPixels(4080) - TwipsToPixels(750), 1));

            auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdOk"));
            auto* license = window->findChild<QPushButton*>(QStringLiteral("cmdLicense"));
            QCOMPARE(ok->text(), QStringLiteral("OK"));
            QCOMPARE(ok->geometry(), Twips(1037, 2160, 1000, 315));
            QVERIFY(ok->isDefault());
            QCOMPARE(license->text(), QStringLiteral("License"));
            QCOMPARE(license->geometry(), Twips(2237, 2160, 1000, 315));
            QCOMPARE(ok->nextInFocusChain(), license);
            QCOMPARE(title->focusPolicy(), Qt::NoFocus);

            auto* timer = window->findChild<QTimer*>(QStringLiteral("tmrAbout"));
            QCOMPARE(timer->interval(), 1000);
        });
    }

    void animationRunsFromAbout1AndIsBackAtAbout2AfterSixTicks() {
        ErrorRecorder errors;
        frmAbout about;
        QCOMPARE(about.FrameNumber(), qint16(0));
        WhileShown(about, nullptr, [&](QDialog*) {
            QCOMPARE(about.PictureName(), QStringLiteral("ABOUT1"));
            QCOMPARE(Ticks(about, 6), (QStringList{"ABOUT2", "ABOUT3", "ABOUT4", "ABOUT5", "ABOUT1", "ABOUT2"}));
            QCOMPARE(about.FrameNumber(), qint16(2));
        });
        QCOMPARE(errors.count(), 0);
    }

    void frameNumberIsKeptAcrossOpenings() {
        frmAbout about;
        WhileShown(about, nullptr, [&](QDialog*) { Ticks(about, 3); });
        QCOMPARE(about.FrameNumber(), qint16(4));
        WhileShown(about, nullptr, [&](QDialog*) {
            // A new window starts on the first picture, and the cycle goes on from the kept frame.
            QCOMPARE(about.PictureName(), QStringLiteral("ABOUT1"));
            QCOMPARE(about.FrameNumber(), qint16(4));
            QCOMPARE(Ticks(about, 2), (QStringList{"ABOUT5", "ABOUT1"}));
        });
        QCOMPARE(about.FrameNumber(), qint16(1));
    }

    void licenseOpensTheLicenceWhileAboutStaysOpenAndModal() {
        const QString helpFile = QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + QStringLiteral("/Pexora.chm");
        const QString previous = basHelp::HelpFile();
        basHelp::SetHelpFile(helpFile);
        QWidget owner;
        owner.show();
        frmAbout about;
        WhileShown(about, &owner, [&](QDialog* window) {
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdLicense")), Qt::LeftButton);
            QCOMPARE(basHelp::LastHelpRequest().Text, helpFile + QStringLiteral("::/html/license.htm>Main"));
            auto* viewer = window->findChild<HelpViewer*>();
            QVERIFY(viewer);
            QVERIFY(viewer->isVisible());
            QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/license.htm"));
            QCOMPARE(about.Window(), window);
            QVERIFY(window->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), window);
            // The viewer belongs to the About window, so the modal window does not block it.
            QVERIFY(!viewer->isModal());
            QCOMPARE(viewer->parentWidget(), window);
        });
        basHelp::SetHelpFile(previous);
    }

    void okClosesTheWindowAndStopsTheAnimation() {
        frmAbout about;
        QPointer<QTimer> timer;
        WhileShown(about, nullptr, [&](QDialog* window) {
            timer = window->findChild<QTimer*>(QStringLiteral("tmrAbout"));
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        QVERIFY(!timer);
        // A tick with no window only moves the frame on.
        about.tmrAbout_Timer();
        QCOMPARE(about.FrameNumber(), qint16(2));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
