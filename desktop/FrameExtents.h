#pragma once
// The frame an X11 window manager will put round a top-level window, known
// before the window is first mapped, so that the window appears where it
// stays. The question goes out while the window is still being built and
// the answer is read when it is about to be shown; a window manager answers
// with a property on the window, which is waited for as an event.

#include <QAbstractNativeEventFilter>
#include <QMargins>

#include <chrono>
#include <functional>
#include <memory>

class QWidget;

class AnnouncedFrameExtents {
public:
    // How long after the question the answer is waited for at most. A
    // window manager handles the question before it can map the window (it
    // came first), so waiting for a living one delays the first map by one
    // notification at most, however busy it is; the bound only limits what
    // a window manager that offers the question and never answers costs:
    // this once, and the window then is placed without its frame.
    static constexpr std::chrono::milliseconds Bound{200};

    AnnouncedFrameExtents();
    ~AnnouncedFrameExtents();
    AnnouncedFrameExtents(const AnnouncedFrameExtents&) = delete;
    AnnouncedFrameExtents& operator=(const AnnouncedFrameExtents&) = delete;

    // Gives `window` (a top-level window not yet shown) its native window
    // and asks the window manager which frame it will put round it. Asks
    // nothing off X11 or when no running window manager takes the question,
    // and only once.
    void Ask(QWidget* window);

    // The frame asked for, once the window manager has answered or the bound
    // has passed. Null margins when nothing was asked or no answer came.
    QMargins Answer();

private:
    struct Question;
    std::unique_ptr<Question> m_question;  // none when nothing was asked
    bool m_asked = false;
};

// A window manager's request to close a window (WM_DELETE_WINDOW) that a
// modal window blocks is dropped by Qt. While this filter lives, such a
// request for `window` goes to take, which says whether it took it (it then
// goes no further). Installed on X11 only.
class BlockedCloseRequests final : public QAbstractNativeEventFilter {
public:
    BlockedCloseRequests(QWidget& window, std::function<bool()> take);
    ~BlockedCloseRequests() override;
    BlockedCloseRequests(const BlockedCloseRequests&) = delete;
    BlockedCloseRequests& operator=(const BlockedCloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& m_window;
    std::function<bool()> m_take;
    quint32 m_protocols = 0;  // the atoms WM_PROTOCOLS and WM_DELETE_WINDOW
    quint32 m_delete = 0;
};
