#pragma once
// The main window as the options dialog sees it: the player's choices it
// holds, and the steps the dialog asks for, recorded in order.

#include "OptionsHost.h"
#include "ErrorTrap.h"

#include <QApplication>
#include <QCursor>
#include <QStringList>

class RecordingHost final : public IOptionsHost {
public:
    PlayerChoices choices;
    // "StartNewGame", "SetBoardSize", "ChangeTileColor", "SoundsPressed" or
    // "SoundsReleased"; a "*" marks a step taken under the busy pointer.
    QStringList calls;
    QString failOn;  // this step throws

    const PlayerChoices& Choices() const override { return choices; }
    void SetChoices(const PlayerChoices& given) override { choices = given; }
    void StartNewGame() override { Record(QStringLiteral("StartNewGame")); }
    void SetBoardSize() override { Record(QStringLiteral("SetBoardSize")); }
    void ChangeTileColor() override { Record(QStringLiteral("ChangeTileColor")); }
    void SetSoundsButtonPressed(bool pressed) override {
        Record(pressed ? QStringLiteral("SoundsPressed") : QStringLiteral("SoundsReleased"));
    }

private:
    void Record(const QString& call) {
        const QCursor* cursor = QApplication::overrideCursor();
        calls << call + (cursor && cursor->shape() == Qt::WaitCursor ? "*" : "");
        if (call == failOn) throw RuntimeError(ErrorNumbers::ResourceNotFound, QStringLiteral("Resource not found"));
    }
};
