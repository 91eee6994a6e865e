#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace {

const char* const NoticeName = "Announcement";

QAccessibleInterface* NoticeFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object != nullptr && object->objectName() == QLatin1String(NoticeName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QObject(window), m_notice(new QWidget(window)) {
    static const bool installed = (QAccessible::installFactory(NoticeFactory), true);
    Q_UNUSED(installed);
    m_notice->setObjectName(QLatin1String(NoticeName));
    m_notice->setFixedSize(0, 0);
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->hide();
}

void Announcer::Announce(const QString& text) {
    if (text.isEmpty()) return;
    if (m_pending.isEmpty()) QTimer::singleShot(0, this, &Announcer::SayNow);
    m_pending.append(text);
    emit Announced(text);
}

void Announcer::SayNow() {
    if (m_pending.isEmpty()) return;  // said already
    const QString text = m_pending.join(QLatin1Char(' '));
    m_pending.clear();
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
}
