#include "basHelp.h"

#include "ErrorTrap.h"
#include "HelpViewer.h"

namespace {

QString& HelpFilePath() {
    static QString path;
    return path;
}

// Hands a request to the viewer; its answer is not looked at.
void HelpRequestCall(QWidget* owner, const QString& request, int command) {
    HtmlHelp(owner, request, command);
}

const QString WindowType = QStringLiteral(">Main");

}  // namespace

namespace basHelp {
void SetHelpFile(const QString& path) { HelpFilePath() = path; }
QString HelpFile() { return HelpFilePath(); }
}  // namespace basHelp

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
