#pragma once
// The About window: the program's title, the maker's lines, a small
// animation and the way to the licence agreement.

#include <QPointer>
#include <QString>
#include <QtGlobal>

class QDialog;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

class AboutDialog {
public:
    AboutDialog();
    ~AboutDialog();
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    // Creates the window, shows it modally over owner and returns when it is
    // closed. The animation goes on from the frame it had reached.
    void Show(QWidget* owner);

    // The window while it is shown, otherwise null.
    QDialog* Window() const { return m_window; }
    // The name of the picture on show in m_picture ("ABOUT3"), empty if none.
    QString PictureName() const { return m_pictureName; }

    // The handlers of the window's timer and buttons.
    void OnTimer() noexcept;
    void OnOk() noexcept;
    void OnLicense() noexcept;

    // The six maker's lines, top to bottom.
    static QStringList MakersLines();

private:
    void OnLoad(QWidget* owner);
    void ShowPicture(const QString& name);

    qint16 m_frame = 0;  // of the animation, 1..5; 0 until its first tick in the run
    QString m_pictureName;
    QPointer<QDialog> m_window;
    QLabel* m_picture = nullptr;
    QLabel* m_title = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_licenseButton = nullptr;
    QTimer* m_timer = nullptr;
};
