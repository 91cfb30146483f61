#include "accessiblewindow.h"

#include "accessibletext.h"
#include "announcedresult.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
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
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
    for (QAbstractSpinBox *spinBox : window->findChildren<QAbstractSpinBox *>())
        spinBox->installEventFilter(filter);
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
