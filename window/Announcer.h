#pragma once
// Says news to a player who cannot see the board: a tile turned, the end of
// a set, whose turn it is, the end of a game.
//
// A screen reader reads the focused control and little else; a change of a
// name, or an alert raised on some other object, goes unsaid. What it does
// say at once is a notification appearing. So the news is the name of an
// empty notification that is shown anew for each piece of news: it takes no
// room and draws nothing. Everything said during one key press or click is
// said together, in order, once the game is back in its event loop, so no
// sentence cuts the one before it short.

#include <QObject>
#include <QStringList>

class QWidget;

class Announcer final : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& text);
    // Says the news given so far now, not when the event loop next runs: before a window takes the focus.
    void SayNow();

signals:
    // Each piece of news as it is given to assistive technology.
    void Announced(const QString& text);

private:
    QWidget* m_notice;
    QStringList m_pending;
};
