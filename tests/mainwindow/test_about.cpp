// The About window: its layout, its animation across ticks and openings,
// and the licence it opens while staying modal.

#include "HelpViewer.h"
#include "TestSupport.h"
#include "Twips.h"
#include "basHelp.h"
#include "frmAbout.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// Opens the About window modally and runs check while it is shown, with the
// window's own timer stopped so that only the test's ticks count; then "OK".
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

            const struct { const char* name; const char* text; QRect place; } controls[] = {
                {"lblTitle", "Pexora 2.0", Twips(720, 120, 3285, 225)},   {"imgAbout", nullptr, Twips(150, 225, 480, 480)},
                {"lblMaker1", nullptr, Twips(720, 360, 3285, 225)},       {"lblMaker2", nullptr, Twips(720, 600, 3285, 225)},
                {"lblMaker3", nullptr, Twips(720, 840, 3285, 225)},       {"lblMaker4", nullptr, Twips(720, 1320, 3285, 225)},
                {"lblMaker5", nullptr, Twips(720, 1560, 3285, 225)},      {"lblMaker6", nullptr, Twips(720, 1800, 3285, 225)},
                {"cmdOk", "OK", Twips(1037, 2160, 1000, 315)},            {"cmdLicense", "License", Twips(2237, 2160, 1000, 315)},
                {"linAbout", nullptr, QRect(TwipsToPixels(750), TwipsToPixels(1200), TwipsToPixels(4080) - TwipsToPixels(750), 1)}};
            QString makers;
            for (const auto& c : controls) {
                auto* control = window->findChild<QWidget*>(QLatin1String(c.name));
                QVERIFY2(control, c.name);
                QCOMPARE(control->geometry(), c.place);
                const QString text = control->property("text").toString();
                if (c.text) QCOMPARE(text, QLatin1String(c.text));
                if (QByteArray(c.name).startsWith("lblMaker")) {  // every line fits its label in full
                    QVERIFY2(!text.isEmpty() && control->fontMetrics().horizontalAdvance(text) <= control->width(), c.name);
                    makers += text + QLatin1Char(' ');
                }
            }
            QVERIFY(makers.contains(QStringLiteral("Pexora developers")) && makers.contains(QStringLiteral("GPL")));
            QVERIFY(window->findChild<QPushButton*>(QStringLiteral("cmdOk"))->isDefault());
            QCOMPARE(window->findChild<QTimer*>(QStringLiteral("tmrAbout"))->interval(), 1000);
        });
    }

    void animationCyclesTheFiveFramesAndKeepsItsPlaceAcrossOpenings() {
        ErrorRecorder errors;
        frmAbout about;
        WhileShown(about, nullptr, [&](QDialog*) {
            QCOMPARE(about.PictureName(), QStringLiteral("ABOUT1"));
            QCOMPARE(Ticks(about, 6), (QStringList{"ABOUT2", "ABOUT3", "ABOUT4", "ABOUT5", "ABOUT1", "ABOUT2"}));
        });
        QPointer<QTimer> timer;
        WhileShown(about, nullptr, [&](QDialog* window) {
            // A new window starts on the first picture, and the cycle goes on from the kept frame.
            QCOMPARE(about.PictureName(), QStringLiteral("ABOUT1"));
            QCOMPARE(Ticks(about, 4), (QStringList{"ABOUT3", "ABOUT4", "ABOUT5", "ABOUT1"}));
            timer = window->findChild<QTimer*>(QStringLiteral("tmrAbout"));
        });
        QVERIFY(!timer);  // "OK" ended the animation with the window
        about.tmrAbout_Timer();  // a tick with no window only moves the frame on
        QCOMPARE(about.FrameNumber(), qint16(2));
        QCOMPARE(errors.count(), 0);
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
            QVERIFY(viewer && viewer->isVisible() && !viewer->isModal());
            QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/license.htm"));
            QCOMPARE(about.Window(), window);
            QVERIFY(window->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), window);
            QCOMPARE(viewer->parentWidget(), window);  // so the modal window does not block it
        });
        basHelp::SetHelpFile(previous);
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
