#include "screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// What a window manager adds around a window, at most, in logical pixels:
// a title bar and thin borders. The real frame is known only once shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
// At fractional scales the window may come out a pixel smaller than asked
// for, which would add a scroll bar for that pixel.
constexpr int kRounding = 2;
// Smaller than this, captions get hard to read: the page scrolls instead.
constexpr double kSmallestScale = 0.8;

// Where an item lies in a grid.
struct Cell {
    QLayoutItem *item;
    int row, column, rowSpan, columnSpan;
    Qt::Alignment alignment;
};

QString partName(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        return widget->objectName();
    if (QLayout *layout = item->layout())
        return layout->objectName();
    return QString();
}

// A gap of fixed width between a form's widgets, as designed.
struct Gap {
    QSpacerItem *spacer;
    QLayout *layout;
    QSize size;
    QSizePolicy policy;
};

// Lays a form out for the width it has: as designed where that fits, else
// in its narrow layout, else smaller, its fonts and fixed gaps together.
// Lives on the window; follows the scrolling page the form lies on.
class FormFitter : public QObject
{
public:
    explicit FormFitter(QWidget *window)
        : QObject(window)
        , window(window)
        , form(window->layout())
        , grid(qobject_cast<QGridLayout *>(form))
    {
        setObjectName(QStringLiteral("formFitter"));
        if (grid) {
            for (int i = 0; i < grid->count(); ++i) {
                Cell cell{grid->itemAt(i), 0, 0, 1, 1, grid->itemAt(i)->alignment()};
                grid->getItemPosition(i, &cell.row, &cell.column, &cell.rowSpan, &cell.columnSpan);
                designed.push_back(cell);
            }
        }
        collectGaps(form);
    }

    void setNarrow(const std::vector<GridPlace> &places, const std::vector<const char *> &relaxedRows)
    {
        narrow = designed;
        for (const GridPlace &place : places) {
            auto cell = std::find_if(narrow.begin(), narrow.end(),
                                     [&](const Cell &c) { return partName(c.item) == QLatin1String(place.part); });
            Q_ASSERT_X(cell != narrow.end(), "setNarrowLayout", place.part);
            if (cell != narrow.end())
                *cell = Cell{cell->item, place.row, place.column, place.rowSpan, place.columnSpan, place.alignment};
        }
        relaxed.clear();
        for (const char *name : relaxedRows) {
            if (auto *row = window->findChild<QLayout *>(QLatin1String(name)))
                relaxed.push_back(row);
        }
    }

    // The page the form moves onto, once it does not fit as designed.
    void setPage(QScrollArea *area)
    {
        this->area = area;
        area->installEventFilter(this);
    }

    // The form as wide as `width` allows; answers its width then.
    int fitTo(int width)
    {
        if (minimumWidth(false, 1) <= width)
            return arrange(false, 1);
        const bool useNarrow = !narrow.empty();
        if (useNarrow && minimumWidth(true, 1) <= width)
            return arrange(true, 1);
        // Text shrinks nearly in proportion, margins not at all: a few steps
        // from the proportional guess, then down to the first that fits.
        double tried = 1;
        for (int step = 0; step < 3; ++step)
            tried = std::clamp(tried * width / minimumWidth(useNarrow, tried), kSmallestScale, 1.0);
        while (tried > kSmallestScale && minimumWidth(useNarrow, tried) > width)
            tried = std::max(kSmallestScale, tried - 0.01);
        return arrange(useNarrow, tried);
    }

    // Fits the form to `room` on its page, and to the room beside the
    // vertical scroll bar where it is taller than that; answers the width it
    // then takes, that scroll bar included.
    int fitToRoom(const QSize &room)
    {
        const int width = fitTo(room.width());
        if (formHeight() <= room.height())
            return width;
        const int bar = area->verticalScrollBar()->sizeHint().width();
        return fitTo(room.width() - bar) + bar;
    }

    // The height the form needs at its present width.
    int formHeight() const
    {
        const int width = form->totalMinimumSize().width();
        return form->hasHeightForWidth() ? form->totalHeightForWidth(width) : form->totalMinimumSize().height();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == area && event->type() == QEvent::Resize)
            fitToRoom(area->maximumViewportSize());
        return QObject::eventFilter(watched, event);
    }

private:
    // The fixed horizontal gaps of the form's layouts, whose widths shrink
    // with the fonts: they keep the buttons under their columns.
    void collectGaps(QLayout *layout)
    {
        if (!layout)
            return;
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (QSpacerItem *spacer = item->spacerItem()) {
                if (spacer->sizeHint().width() > 0)
                    gaps.push_back(Gap{spacer, layout, spacer->sizeHint(), spacer->sizePolicy()});
            } else if (item->layout()) {
                collectGaps(item->layout());
            } else if (QWidget *widget = item->widget()) {
                collectGaps(widget->layout());
            }
        }
    }

    int minimumWidth(bool useNarrow, double scaleTo)
    {
        arrange(useNarrow, scaleTo);
        return form ? form->totalMinimumSize().width() : 0;
    }

    int arrange(bool useNarrow, double scaleTo)
    {
        if (useNarrow != isNarrow && grid && !narrow.empty()) {
            while (grid->count() > 0)
                grid->takeAt(0);
            for (const Cell &cell : useNarrow ? narrow : designed)
                grid->addItem(cell.item, cell.row, cell.column, cell.rowSpan, cell.columnSpan, cell.alignment);
            isNarrow = useNarrow;
            placeGaps();
        }
        if (scaleTo != scale) {
            scale = scaleTo;
            scaleFonts();
            placeGaps();
        }
        if (form)
            form->activate();
        return form ? form->totalMinimumSize().width() : 0;
    }

    void placeGaps()
    {
        for (const Gap &gap : gaps) {
            const bool closes = isNarrow && std::find(relaxed.begin(), relaxed.end(), gap.layout) != relaxed.end();
            if (closes)
                gap.spacer->changeSize(0, gap.size.height(), QSizePolicy::Expanding, gap.policy.verticalPolicy());
            else
                gap.spacer->changeSize(int(std::lround(gap.size.width() * scale)), gap.size.height(),
                                       gap.policy.horizontalPolicy(), gap.policy.verticalPolicy());
            gap.layout->invalidate();
        }
    }

    // The window's font, and every font a widget has of its own, scaled;
    // at full size each gets back exactly what it had.
    void scaleFonts()
    {
        if (designedFonts.isEmpty()) {
            windowHasFont = window->testAttribute(Qt::WA_SetFont);
            // An empty font: the window inherits the desktop's again.
            designedFonts.insert(window, windowHasFont ? window->font() : QFont());
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                if (widget->testAttribute(Qt::WA_SetFont))
                    designedFonts.insert(widget, widget->font());
            }
        }
        const QFont inherited = windowHasFont ? designedFonts.value(window) : QApplication::font(window);
        for (auto it = designedFonts.cbegin(); it != designedFonts.cend(); ++it) {
            if (scale == 1) {
                it.key()->setFont(it.value());
                continue;
            }
            QFont font = it.key() == window ? inherited : it.value();
            if (font.pointSizeF() > 0)
                font.setPointSizeF(font.pointSizeF() * scale);
            else
                font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
            it.key()->setFont(font);
        }
        if (scale == 1)
            designedFonts.clear();
    }

    QWidget *window;
    QLayout *form;       // the form's own layout, on the window or its page
    QGridLayout *grid;   // the same, where it is a grid whose parts can move
    QPointer<QScrollArea> area;
    std::vector<Cell> designed;
    std::vector<Cell> narrow;
    std::vector<QLayout *> relaxed;
    std::vector<Gap> gaps;
    QHash<QWidget *, QFont> designedFonts;  // the widgets die with the window, and this with them
    bool windowHasFont = false;
    bool isNarrow = false;
    double scale = 1;
};

FormFitter *fitterOf(QWidget *window)
{
    // Found by its name: the fitter is no Q_OBJECT of its own.
    if (QObject *fitter = window->findChild<QObject *>(QStringLiteral("formFitter"), Qt::FindDirectChildrenOnly))
        return static_cast<FormFitter *>(fitter);
    return new FormFitter(window);
}

// The form's layout moves, with its widgets, onto a page that scrolls
// inside `window`; answers the scroll area, or the one it is in already.
// Room beyond what the form needs stays empty: its panels and the gaps
// between them keep their designed sizes.
QScrollArea *moveOntoScrollingPage(QWidget *window)
{
    if (auto *area = window->findChild<QScrollArea *>(QStringLiteral("screenFit"), Qt::FindDirectChildrenOnly))
        return area;
    FormFitter *fitter = fitterOf(window);
    QLayout *form = window->layout();
    auto *page = new QWidget;
    page->setLayout(form);
    if (auto *grid = qobject_cast<QGridLayout *>(form)) {
        grid->setRowStretch(grid->rowCount(), 1);
        grid->setColumnStretch(grid->columnCount(), 1);
    }
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
    fitter->setPage(area);
    return area;
}

} // namespace

void setNarrowLayout(QWidget *window, std::vector<GridPlace> places, std::vector<const char *> relaxedRows)
{
    fitterOf(window)->setNarrow(places, relaxedRows);
}

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
    FormFitter *fitter = fitterOf(window);
    // As wide as the form, as far as the screen allows; as high as it is
    // then, and its scroll bar where even that is too high.
    const int width = fitter->fitToRoom(QSize(std::min(wanted.width(), free.width()), free.height()));
    int height = fitter->formHeight();
    if (width > free.width())
        height += area->horizontalScrollBar()->sizeHint().height();
    window->resize(QSize(width + kRounding, std::max(height, wanted.height()) + kRounding).boundedTo(free));
}
