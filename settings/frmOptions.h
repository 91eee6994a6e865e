#pragma once
// The options dialog: six tabs, each applied on its own.

#include <QDialog>

class IOptionsHost;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(IOptionsHost& host, QWidget* owner);
    ~frmOptions() override;

    // Creates the dialog afresh, loads it from the settings in memory,
    // selects tab (0..5) and shows it modally over owner; the dialog is
    // destroyed when it closes.
    static void ShowOptions(IOptionsHost& host, QWidget* owner, int tab);
};
