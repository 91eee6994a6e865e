#include "BoardAccessible.h"

#include "BoardImage.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class BoardCellAccessible final : public QAccessibleWidget {
public:
    explicit BoardCellAccessible(BoardImage* image)
        : QAccessibleWidget(image, image->ImageKind() == BoardImage::Kind::Tile ? QAccessible::Button
                                                                                  : QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (isTile()) s.focusable = widget()->isEnabled();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isTile() && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && isTile()) {
            // The same click a mouse or a key gives: ignored while disabled.
            static_cast<BoardImage*>(widget())->Activate();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction() && isTile()) return {QCoreApplication::translate("BoardAccessible", "Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    bool isTile() const { return static_cast<BoardImage*>(widget())->ImageKind() == BoardImage::Kind::Tile; }
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardImage") && object != nullptr && object->isWidgetType())
        return new BoardCellAccessible(static_cast<BoardImage*>(object));
    return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    Q_UNUSED(installed);
}
