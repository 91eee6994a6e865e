// The game in each language it speaks, chosen the way the program chooses it
// (the system's locale: LANGUAGE here), and the store the same in all of them.
#include "ErrorTrap.h"
#include "MainWindowTestKit.h"
#include "HelpViewer.h"
#include "Translations.h"
#include "Help.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

namespace {

struct Seen { QString text; int needed = 0, room = 0; };  // pixels; room 0: no box to fit
using Sight = QMap<QString, Seen>;  // every text a player meets, keyed by where it stands

int Width(const QWidget* w, const QString& t) { return w->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, t).width(); }

// The texts of a window and of the dialogs it opens; access keys per group.
void Look(QWidget* w, const QString& at, Sight& sight, QMap<QString, QStringList>& keys) {
    sight[at + "/title"] = {w->windowTitle()};
    QStyle* style = w->style();
    int n = 0;
    for (auto* b : w->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty()) continue;
        const bool radio = qobject_cast<QRadioButton*>(b) != nullptr;
        const int room = radio ? b->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) -
                                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b)
                               : b->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        sight[at + QStringLiteral("/button%1").arg(n++)] = {b->text(), Width(b, b->text()), room};
        if (!radio) keys[at] << b->text();
    }
    n = 0;
    for (auto* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) sight[at + QStringLiteral("/label%1").arg(n++)] = {l->text(), Width(l, l->text()), l->contentsRect().width()};
    for (auto* t : w->findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i) {
            sight[at + QStringLiteral("/tab%1").arg(i)] = {t->tabText(i), Width(t, t->tabText(i)), t->tabRect(i).width() - t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t)};
            keys[at] << t->tabText(i);
        }
    for (auto* list : w->findChildren<QTreeWidget*>())
        for (int c = 1; c < list->columnCount(); ++c)
            sight[at + QStringLiteral("/heading%1").arg(c)] = {list->headerItem()->text(c), Width(list->header(), list->headerItem()->text(c)), list->header()->sectionSize(c)};
}

Sight LookAtEverything(QMap<QString, QStringList>& keys) {
    MainWindowHarness h;
    MainWindow& w = h.open();
    Sight sight;
    Look(&w, "main", sight, keys);
    for (QAction* menu : w.menuBar()->actions()) {
        const QString at = "menu/" + menu->menu()->objectName();
        sight[at] = {menu->text()};
        keys["bar"] << menu->text();
        for (QAction* item : menu->menu()->actions())
            if (!item->isSeparator()) {
                sight[at + "/" + item->objectName() + item->data().toString()] = {item->text()};
                keys[menu->menu()->objectName()] << item->text();
            }
    }
    for (QAction* button : w.findChild<QToolBar*>()->actions())
        if (!button->isSeparator()) sight["tip/" + button->objectName()] = {button->toolTip()};
    sight["error"] = {ErrorReportText(5, QString()).trimmed()};
    auto lookAt = [&](QAction* command, const QString& at, std::function<void(QWidget*)> then) {
        ModalWatcher watcher([&](QWidget* d) { Look(d, at, sight, keys), then(d); });
        command->trigger();
        QTRY_COMPARE(watcher.seen, 1);
    };
    lookAt(Option(w, 4), "options", [&](QWidget* d) { sight["options/font"] = {QString::number(d->font().pointSizeF())}; d->close(); });
    lookAt(Item(w, "mnuHelpAbout"), "about", [](QWidget* d) { d->close(); });
    lookAt(Item(w, "mnuGameHighScores"), "scores", [&](QWidget* d) {
        ModalWatcher question([&](QWidget* q) {
            auto* box = static_cast<QMessageBox*>(q);
            sight["question"] = {box->windowTitle() + "\n" + box->text()};
            box->button(QMessageBox::No)->click();
        });
        Named<QPushButton>(*d, "cmdReset")->click();
        d->close();
    });
    return sight;
}

// A help catalogue's translations, their markup taken out: English text ->
// the language's. Empty for English.
QMap<QString, QString> HelpCatalogue(const QString& language) {
    QMap<QString, QString> texts;
    if (language.isEmpty()) return texts;
    QFile po(qEnvironmentVariable("PEXORA_SOURCE_DIR") + QStringLiteral("/translations/help/%1.po").arg(language));
    if (!po.open(QIODevice::ReadOnly)) return texts;
    const auto plain = [](QString s) {
        s.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        s.replace(QStringLiteral("\\\""), QStringLiteral("\"")).replace(QStringLiteral("\\n"), QStringLiteral(" "));
        return s.simplified();
    };
    QString id, str, *field = nullptr;
    const auto keep = [&] { if (!id.isEmpty() && !str.isEmpty()) texts.insert(plain(id), plain(str)); id.clear(); str.clear(); };
    for (const QString& line : QString::fromUtf8(po.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("msgid "))) { keep(); field = &id; }
        else if (line.startsWith(QLatin1String("msgstr "))) field = &str;
        else if (!line.startsWith(QLatin1Char('"'))) { field = nullptr; continue; }
        if (field) *field += line.mid(line.indexOf(QLatin1Char('"')) + 1).chopped(1);
    }
    keep();
    return texts;
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Run once under each language (ctest sets LANGUAGE) and once under C.
    void everyTextIsTranslatedFitsItsBoxAndKeepsUniqueKeys() {
        // Words a language shares with English.
        const QStringList all{"Pexora", "Pexora 2.0", "Copyright (C) 2026"};
        const QMap<QString, QStringList> same{{"de", all + QStringList{"OK", "Index", "Computer", "Name"}},
            {"fr", all + QStringList{"OK", "Index", "Options", "Images", "Communication", "Sports"}}, {"es", all + QStringList{"Error"}}, {"it", all + QStringList{"OK"}},
            {"pl", all + QStringList{"OK"}}, {"pt", all + QStringList{"OK"}},
            {"nl", all + QStringList{"OK", "Help", "Index", "Computer"}}};
        Translations::Uninstall();
        QMap<QString, QStringList> englishKeys, keys;  // access keys by menu or dialog
        const Sight english = LookAtEverything(englishKeys);
        const QString language = Translations::InstallForSystemLocale();  // as the game starts
        const QString asked = qEnvironmentVariable("LANGUAGE").left(2);
        QCOMPARE(language, same.contains(asked) ? asked : QString());
        const Sight sight = LookAtEverything(keys);
        QStringList texts;  // under C the texts as written
        for (const Seen& seen : sight) texts << seen.text.split('\n');
        for (const char* text : {"&Game", "E&xit", "&Levels", "Start New Game", "Player 1", "Sets Flipped: 0", "Time: 0",
                                 "Options", "Match 2 Tiles", "Transportation", "About Pexora", "Fewest Sets Flipped",
                                 "Error #: 5", "Are you sure you want to reset all Small Board scores?"})
            QVERIFY2(texts.contains(text) || !language.isEmpty(), text);
        QCOMPARE(sight.keys(), english.keys());
        for (auto seen = sight.cbegin(); seen != sight.cend(); ++seen) {
            QString plain = seen->text;
            plain.remove('&');
            if (language.isEmpty()) QCOMPARE(seen->text, english[seen.key()].text);
            else if (seen.key() != "options/font")
                QVERIFY2(seen->text != english[seen.key()].text || same[language].contains(plain),
                         qPrintable(seen.key() + " is still English: " + seen->text));
            QVERIFY2(seen->needed <= seen->room || seen->room == 0,
                     qPrintable(QStringLiteral("%1 \"%2\" is clipped: %3 > %4 pixels").arg(seen.key(), seen->text).arg(seen->needed).arg(seen->room)));
        }
        QVERIFY(sight["options/font"].text.toDouble() >= english["options/font"].text.toDouble());  // never smaller
        for (auto group = keys.cbegin(); group != keys.cend(); ++group) {
            QString letters;
            for (const QString& caption : *group)
                if (const qsizetype at = caption.indexOf('&'); at >= 0 && at + 1 < caption.size()) letters += caption.at(at + 1).toLower();
            for (QChar c : letters) QVERIFY2(letters.count(c) == 1, qPrintable(group.key() + ": access key " + c + " twice"));
        }
    }

    // Every text with a count, as a player reads it in the language ctest
    // chose: at 1, 2 and 5, and where Polish changes its words, 12 and 22.
    // Each line: sets flipped, time, matches, a game-over line.
    void countsTakeTheLanguagesPluralForms() {
        const QMap<QString, QStringList> written{
            {"", {"Sets Flipped: 1|Time: 1|Matches: 1|1 matches for Anna", "Sets Flipped: 2|Time: 2|Matches: 2|2 matches for Anna",
                  "Sets Flipped: 5|Time: 5|Matches: 5|5 matches for Anna"}},
            {"de", {"Züge: 1|Zeit: 1|Treffer: 1|1 Treffer für Anna", "Züge: 2|Zeit: 2|Treffer: 2|2 Treffer für Anna",
                    "Züge: 5|Zeit: 5|Treffer: 5|5 Treffer für Anna"}},
            {"fr", {"Coups\u00a0: 1|Temps\u00a0: 1|Points\u00a0: 1|1 point pour Anna",
                    "Coups\u00a0: 2|Temps\u00a0: 2|Points\u00a0: 2|2 points pour Anna",
                    "Coups\u00a0: 5|Temps\u00a0: 5|Points\u00a0: 5|5 points pour Anna"}},
            {"es", {"Jugadas: 1|Tiempo: 1|Aciertos: 1|1 acierto de Anna", "Jugadas: 2|Tiempo: 2|Aciertos: 2|2 aciertos de Anna",
                    "Jugadas: 5|Tiempo: 5|Aciertos: 5|5 aciertos de Anna"}},
            {"it", {"Mosse: 1|Tempo: 1|Punti: 1|1 punto per Anna", "Mosse: 2|Tempo: 2|Punti: 2|2 punti per Anna",
                    "Mosse: 5|Tempo: 5|Punti: 5|5 punti per Anna"}},
            {"pl", {"Ruchy: 1|Czas: 1|Trafienia: 1|Anna: 1 trafienie", "Ruchy: 2|Czas: 2|Trafienia: 2|Anna: 2 trafienia",
                    "Ruchy: 5|Czas: 5|Trafienia: 5|Anna: 5 trafień", "Ruchy: 12|Czas: 12|Trafienia: 12|Anna: 12 trafień",
                    "Ruchy: 22|Czas: 22|Trafienia: 22|Anna: 22 trafienia"}},
            {"pt", {"Jogadas: 1|Tempo: 1|Acertos: 1|Acertos de Anna: 1", "Jogadas: 2|Tempo: 2|Acertos: 2|Acertos de Anna: 2",
                    "Jogadas: 5|Tempo: 5|Acertos: 5|Acertos de Anna: 5"}},
            {"nl", {"Zetten: 1|Tijd: 1|Treffers: 1|1 treffer voor Anna", "Zetten: 2|Tijd: 2|Treffers: 2|2 treffers voor Anna",
                    "Zetten: 5|Tijd: 5|Treffers: 5|5 treffers voor Anna"}},
        };
        const QString language = Translations::InstallForSystemLocale();
        QVERIFY2(written.contains(language), qPrintable(language));
        const QList<int> counts{1, 2, 5, 12, 22};
        for (int i = 0; i < written[language].size(); ++i) {
            auto t = [n = counts[i]](const char* text) { return QCoreApplication::translate("MainWindow", text, nullptr, n); };
            QCOMPARE(QStringList({t("Sets Flipped: %n"), t("Time: %n"), t("Matches: %n"), t("%n matches for %1").arg("Anna")}).join('|'),
                     written[language][i]);
        }
    }

    // The Help menu's three items and the About window's licence button open
    // the help file of the language the game speaks (English under C): every
    // topic they ask for is in it, and the viewer's title, contents, index and
    // pages are that language's.
    void helpSpeaksTheGamesLanguage() {
        Translations::InstallForSystemLocale();
        const QString language = Translations::InstalledLanguage();
        Help::SetHelpFiles(qEnvironmentVariable("PEXORA_BINARY_DIR"), language);
        const QMap<QString, QString> catalogue = HelpCatalogue(language);
        QVERIFY2(language.isEmpty() || catalogue.size() > 300, qPrintable(language));
        const auto shown = [&](const QString& english) { return catalogue.value(english, english); };
        MainWindowHarness h;
        MainWindow& w = h.open();
        QString fromAbout;  // the file and topic the About window's licence button showed
        ModalWatcher about([&](QWidget* d) {
            Named<QPushButton>(*d, "cmdLicense")->click();
            HelpViewer* viewer = nullptr;
            if (QTest::qWaitFor([&] { return (viewer = d->findChild<HelpViewer*>()) && !viewer->Checking(); }))
                fromAbout = viewer->ShownFile() + viewer->Status() + viewer->Message() + viewer->CurrentTopic();
            d->close();
        });
        Item(w, "mnuHelpAbout")->trigger();
        QTRY_COMPARE(about.seen, 1);
        QCOMPARE(fromAbout, Help::HelpFile() + QStringLiteral("/html/license.htm"));
        const QList<std::pair<QAction*, QString>> asks{{Item(w, "mnuHelpContents"), "/html/intro.htm"},
            {Item(w, "mnuHelpIndex"), "/html/intro.htm"}, {Item(w, "mnuHelpLicense"), "/html/license.htm"}};
        HelpViewer* viewer = nullptr;
        for (const auto& [action, topic] : asks) {
            action->trigger();
            QTRY_VERIFY((viewer = w.findChild<HelpViewer*>()) && !viewer->Checking());
            QCOMPARE(viewer->ShownFile(), Help::HelpFile());
            QVERIFY2(viewer->Status().isEmpty() && viewer->Message().isEmpty(), qPrintable(viewer->Message()));
            QCOMPARE(viewer->CurrentTopic(), topic);
        }
        QCOMPARE(viewer->windowTitle(), shown(QStringLiteral("Pexora Help")));
        QCOMPARE(viewer->Browser()->documentTitle(), shown(QStringLiteral("License Agreement")));
        QVERIFY(viewer->Browser()->toPlainText().simplified().contains(shown(QStringLiteral("You may study how Pexora works and change it to suit you."))));
        QCOMPARE(viewer->ContentsTree()->topLevelItem(0)->text(0), shown(QStringLiteral("Welcome to Pexora")));
        // No entry of the contents or the index is left in English, and the
        // language's own letters are read as the file declares them.
        QString entries;
        for (QTreeWidgetItemIterator it(viewer->ContentsTree()); *it; ++it) entries += (*it)->text(0) + QLatin1Char('|');
        for (int i = 0; i < viewer->IndexList()->count(); ++i) entries += viewer->IndexList()->item(i)->text().trimmed() + QLatin1Char('|');
        for (const QString& entry : entries.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            QVERIFY2(shown(entry) == entry, qPrintable(entry + " is still English"));
        if (language == QLatin1String("pl")) QVERIFY2(entries.contains(QRegularExpression(QStringLiteral("[ąćęłńśźż]"))), qPrintable(entries));
        Help::SetHelpFiles({}, {});
    }

    // Options and a score written under one language read the same under the
    // other: a default name is stored as "Player N", a typed one as typed. The
    // system's locale is read once a process, so the second language goes
    // through the list that locale would give.
    void storeIsTheSameWhateverTheLanguage() {
        auto playAndSave = [](const QByteArray& before, const QString& language, bool change) -> QByteArray {
            Translations::InstallForLanguages({language});
            MainWindowHarness h;
            if (!before.isEmpty()) h.store.writeRaw(before);
            MainWindow& w = h.open();
            ModalWatcher watcher([&](QWidget* d) {
                if (change) {
                    Named<QRadioButton>(*d, "optPlayers", 2)->click();
                    Named<QLineEdit>(*d, "txtPlayer", 1)->setText(QStringLiteral("Anne %1"));
                }
                Named<QPushButton>(*d, "cmdOk")->click();
            });
            Option(w, 4)->trigger();
            if (!QTest::qWaitFor([&] { return watcher.seen == 1; })) return "the options never opened";
            if (change) h.storeBook.OfferScore(ScoreKind::Times, 30, h.choices.Name(2), 42);
            h.window->close();
            return h.store.readRaw();
        };
        for (const auto& [writer, reader] : {std::pair{"fr", "C"}, {"C", "fr"}}) {
            const QByteArray written = playAndSave({}, writer, true);
            QVERIFY2(written.contains("Player%202=Player 2") && written.contains("Player%201=Anne %1") &&
                         written.contains("Player%20Count=2") && written.contains("Name%201=Player 2"),
                     written.constData());
            QCOMPARE(playAndSave(written, reader, false), written);
            QCOMPARE(playAndSave({}, reader, true), written);
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
