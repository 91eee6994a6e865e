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

// Hands a request to the viewer; its answer is not looked at. The English
// file stands in for the language's own when that cannot be shown.
void HelpRequestCall(QWidget* owner, const QString& request, int command) {
    const HelpFiles& files = Files();
    const bool languages = files.language != files.english && ParseHelpRequest(request).File == files.language;
    HtmlHelp(owner, request, command, languages ? files.english : QString());
}

const QString WindowType = QStringLiteral(">Main");

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
    Trap([&] { HelpRequestCall(owner, helpFile + WindowType, HelpCommand::DisplayContents); });
}

void ShowHelpIndex(QWidget* owner, const QString& helpFile) noexcept {
    Trap([&] { HelpRequestCall(owner, helpFile + WindowType, HelpCommand::DisplayIndex); });
}

void ShowHelpTopic(QWidget* owner, const QString& helpFile, const QString& topic) noexcept {
    Trap([&] {
        HelpRequestCall(owner, helpFile + QStringLiteral("::/html/") + topic + WindowType,
                        HelpCommand::DisplayContents);
    });
}
