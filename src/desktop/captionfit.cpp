#include "captionfit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>

namespace {

// The room a widget's caption needs: the whole text of a button, the
// unbroken text of a label, the title and contents of a group box.
QSize captionSize(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget))
        return widget->sizeHint();
    return widget->minimumSizeHint();
}

class CaptionFitter : public QObject
{
public:
    explicit CaptionFitter(QWidget *window)
        : QObject(window)
    {
        // Only a designed maximum can cut a caption: without one, the
        // layout gives every widget at least the room its caption needs.
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            const bool captioned = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLabel *>(widget)
                                   || qobject_cast<QGroupBox *>(widget);
            if (captioned && widget->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
                designedMaximum.insert(widget, widget->maximumSize());
        }
        fit();
        window->installEventFilter(this);
    }

protected:
    // A new font or style changes size hints, and every such change ends in
    // a layout request to the window: fit before the layout runs.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        for (auto it = designedMaximum.cbegin(); it != designedMaximum.cend(); ++it)
            it.key()->setMaximumSize(it.value().expandedTo(captionSize(it.key())));
    }

    QHash<QWidget *, QSize> designedMaximum;  // widgets die with the window, and this with them
};

}  // namespace

void keepCaptionsWhole(QWidget *window)
{
    new CaptionFitter(window);
}
