#include "screenfit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace {

// What a window manager adds around a window, at most, in logical pixels:
// a title bar and thin borders. The real frame is known only once shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

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

    // The form's layout moves, with its widgets, onto a page that scrolls.
    auto *page = new QWidget;
    page->setLayout(form);
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("screenFit"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    auto *frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(area);

    // As large as the form and its scroll bars, as far as the screen allows.
    const int scrollBar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    QSize size = wanted;
    if (wanted.width() > free.width())
        size.rheight() += scrollBar;
    if (wanted.height() > free.height())
        size.rwidth() += scrollBar;
    window->resize(size.boundedTo(free));
}
