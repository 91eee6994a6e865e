#pragma once
// The high-score dialog. The object lives for the run; its window is
// created at each showing, so the lists show the tables as stored then.

#include <QPointer>

class ISoundPlayer;
class QDialog;
class QWidget;

class frmScores {
public:
    explicit frmScores(ISoundPlayer& sound);
    ~frmScores();

    // Set by the game end before it shows the dialog after a new high score;
    // cleared by the activation that played the chime.
    bool blnNewHighScore = false;

    // Creates the window, loads it, and shows it modally over owner;
    // returns when it is closed.
    void Show(QWidget* owner);
    // Closes the window if it is loaded.
    void Unload();
    // The window while it is loaded, else null.
    QDialog* Window() const;

private:
    ISoundPlayer& m_sound;
    QPointer<QDialog> m_window;
};
