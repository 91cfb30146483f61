#include "accessiblewindow.h"

#include "accessibletext.h"
#include "announcedresult.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTextBrowser>

namespace {

class KeyboardAndWheel : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow()) {
            // A desktop's window manager gives a window that opens the
            // keyboard; in the browser no one does, and the keys typed into
            // a calculator just opened would go to the form it blocks. The
            // show event comes before the window is on screen, hence later.
            if (event->type() == QEvent::Show)
                QMetaObject::invokeMethod(widget, &QWidget::activateWindow, Qt::QueuedConnection);
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *button = qobject_cast<QPushButton *>(widget);
            if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        } else if (event->type() == QEvent::Wheel && !widget->hasFocus()) {
            // Passed on to the nearest scroll area around, if any.
            for (QWidget *w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
                if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
                    QCoreApplication::sendEvent(area->viewport(), event);
                    break;
                }
            }
            return true;
        }
        return false;
    }
};

} // namespace

void makeAccessible(QWidget *window)
{
    auto *filter = new KeyboardAndWheel(window);
#ifdef Q_OS_WASM
    window->installEventFilter(filter);
#endif
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
    for (QAbstractSpinBox *spinBox : window->findChildren<QAbstractSpinBox *>()) {
        spinBox->installEventFilter(filter);
#ifdef Q_OS_WASM
        // The page's tree takes a spin box's value from value events, which
        // Qt sends for steps only, not for points typed or set.
        if (auto *points = qobject_cast<QSpinBox *>(spinBox)) {
            QObject::connect(points, QOverload<int>::of(&QSpinBox::valueChanged), points, [points](int value) {
                QAccessibleValueChangeEvent event(points, value);
                QAccessible::updateAccessibility(&event);
            });
        }
#endif
    }
    for (QComboBox *comboBox : window->findChildren<QComboBox *>()) {
        comboBox->installEventFilter(filter);
        // Screen readers say a combo box's choice when it gets the focus,
        // not when it changes; the open list speaks for itself.
        QObject::connect(comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), window, [window, comboBox] {
            if (comboBox->hasFocus() && !comboBox->view()->isVisible())
                announce(window, {comboBox->currentText()});
        });
    }
    for (QTextBrowser *browser : window->findChildren<QTextBrowser *>()) {
        browser->setTextInteractionFlags(browser->textInteractionFlags() | Qt::TextSelectableByKeyboard);
        // A list or help text is read from its first line: appended lines
        // would leave the caret behind the last one.
        QObject::connect(browser, &QTextBrowser::textChanged, browser, [browser] {
            if (!browser->hasFocus())
                browser->moveCursor(QTextCursor::Start);
        });
    }
}

void widgetsMoved(QWidget *window)
{
#ifdef Q_OS_WASM
    // Qt's platform for browsers never reports itself active; until the
    // page's tree is switched on it drops the event at once.
    static const char *const pending = "kurswaageWidgetsMoved";
    if (window->property(pending).toBool())
        return;
    window->setProperty(pending, true);
    QMetaObject::invokeMethod(window, [window] {
        window->setProperty(pending, false);
        QAccessibleEvent moved(window, QAccessible::LocationChanged);
        QAccessible::updateAccessibility(&moved);
    }, Qt::QueuedConnection);
#else
    Q_UNUSED(window)
#endif
}
