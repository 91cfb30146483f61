#include "screenfit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace {

// What a window manager adds around a window, at most, in logical pixels:
// a title bar and thin borders. The real frame is known only once shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
// At fractional scales the window may come out a pixel smaller than asked
// for, which would add a scroll bar for that pixel.
constexpr int kRounding = 2;

// The form's layout moves, with its widgets, onto a page that scrolls
// inside `window`; answers the scroll area, or the one it is in already.
QScrollArea *moveOntoScrollingPage(QWidget *window)
{
    if (auto *area = window->findChild<QScrollArea *>(QStringLiteral("screenFit"), Qt::FindDirectChildrenOnly))
        return area;
    auto *page = new QWidget;
    page->setLayout(window->layout());
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("screenFit"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    // Not a stop of its own for Tab: the form's first field keeps the focus
    // it gets on opening. Tabbing on scrolls the focused widget into view.
    area->setFocusPolicy(Qt::NoFocus);
    auto *frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(area);
    return area;
}

} // namespace

void fitIntoScreen(QWidget *window)
{
    QLayout *form = window->layout();
    if (!form)
        return;
    const QSize free = window->screen()->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    const QSize wanted = window->size().expandedTo(form->minimumSize());
    if (wanted.width() <= free.width() && wanted.height() <= free.height())
        return;

    QScrollArea *area = moveOntoScrollingPage(window);
    const QWidget *page = area->widget();

    // As large as the form and its scroll bars, as far as the screen allows.
    // Narrower, the form may need more height: its wrapped lines.
    QSize size = wanted;
    if (wanted.width() > free.width()) {
        const int pageWidth = qMax(free.width(), page->minimumSizeHint().width());
        if (page->hasHeightForWidth())
            size.setHeight(qMax(size.height(), page->heightForWidth(pageWidth)));
        size.rheight() += area->horizontalScrollBar()->sizeHint().height() + kRounding;
    }
    if (size.height() > free.height())
        size.rwidth() += area->verticalScrollBar()->sizeHint().width() + kRounding;
    window->resize(size.boundedTo(free));
}

void showFillingScreen(QWidget *window)
{
    if (window->layout())
        moveOntoScrollingPage(window);
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->showFullScreen();
}
