#include "Help.h"

#include "ErrorTrap.h"
#include "HelpViewer.h"

namespace {

struct HelpFiles {
    QString language;
    QString english;
};

HelpFiles& Files() {
    static HelpFiles files;
    return files;
}

// Shows the viewer; its answer is not looked at. The English file stands in
// for the language's own when that cannot be shown.
void Show(QWidget* owner, const QString& helpFile, HelpPane pane, const QString& topic = {}) {
    const HelpFiles& files = Files();
    const bool languages = files.language != files.english && helpFile == files.language;
    HtmlHelp(owner, HelpRequest{helpFile, topic}, pane, languages ? files.english : QString());
}

}  // namespace

namespace Help {
QString HelpFileName(const QString& language) {
    return language.isEmpty() ? QStringLiteral("Pexora.chm") : QStringLiteral("Pexora_%1.chm").arg(language);
}

void SetHelpFiles(const QString& folder, const QString& language) {
    Files().english = folder + QLatin1Char('/') + HelpFileName({});
    Files().language = folder + QLatin1Char('/') + HelpFileName(language);
}

QString HelpFile() { return Files().language; }
QString EnglishHelpFile() { return Files().english; }
}  // namespace Help

void ShowHelpContents(QWidget* owner, const QString& helpFile) noexcept {
    Trap([&] { Show(owner, helpFile, HelpPane::Contents); });
}

void ShowHelpIndex(QWidget* owner, const QString& helpFile) noexcept {
    Trap([&] { Show(owner, helpFile, HelpPane::Index); });
}

void ShowHelpTopic(QWidget* owner, const QString& helpFile, const QString& topic) noexcept {
    Trap([&] { Show(owner, helpFile, HelpPane::Contents, QStringLiteral("/html/") + topic); });
}
