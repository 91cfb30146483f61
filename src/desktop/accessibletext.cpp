#include "accessibletext.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

namespace {

// Plain text with a caret, read only, for what a widget shows. Screen
// readers read it by character, word, line and all at once; the boundaries
// come from Qt's defaults over text().
class ReadOnlyText : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;
    using QAccessibleWidget::text;

    virtual QString shownText() const = 0;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return shownText().size(); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes over the whole text: screen readers read
    // a line run by run, and empty runs would lose its characters.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
};

// A list of weak courses or the help text.
class TextBrowserText : public ReadOnlyText
{
public:
    explicit TextBrowserText(QTextBrowser *browser)
        : ReadOnlyText(browser, QAccessible::EditableText)
    {}
    QTextBrowser *browser() const { return static_cast<QTextBrowser *>(widget()); }

    QString shownText() const override { return browser()->document()->toPlainText(); }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        browser()->setTextCursor(cursor);
    }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        *startOffset = *endOffset = 0;
        if (index == 0 && cursor.hasSelection()) {
            *startOffset = cursor.selectionStart();
            *endOffset = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }

    // Lines as the window shows them, so that the arrow keys, which move
    // the caret from one shown line to the next, read each once; a long
    // paragraph of the help text is several of them.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return ReadOnlyText::textAtOffset(offset, type, startOffset, endOffset);
        shownLine(offset, startOffset, endOffset);
        return text(*startOffset, *endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return ReadOnlyText::textBeforeOffset(offset, type, startOffset, endOffset);
        shownLine(offset, startOffset, endOffset);
        if (*startOffset == 0) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        shownLine(*startOffset - 1, startOffset, endOffset);
        return text(*startOffset, *endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return ReadOnlyText::textAfterOffset(offset, type, startOffset, endOffset);
        shownLine(offset, startOffset, endOffset);
        if (*endOffset >= characterCount()) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        shownLine(*endOffset, startOffset, endOffset);
        return text(*startOffset, *endOffset);
    }

private:
    // The shown line around `offset`, with the line break after it.
    void shownLine(int offset, int *startOffset, int *endOffset) const
    {
        QTextDocument *document = browser()->document();
        QTextBlock block = document->findBlock(qBound(0, offset, characterCount()));
        if (!block.isValid())
            block = document->lastBlock();
        *startOffset = block.position();
        *endOffset = block.position() + block.length() - 1;  // without the break
        const QTextLayout *layout = block.layout();
        const QTextLine line = layout ? layout->lineForTextPosition(offset - block.position()) : QTextLine();
        if (line.isValid()) {
            *startOffset = block.position() + line.textStart();
            if (line.lineNumber() + 1 < layout->lineCount())
                *endOffset = *startOffset + line.textLength();
        }
        if (block.next().isValid() && *endOffset == block.position() + block.length() - 1)
            ++*endOffset;
    }
};

// A subject choice: its name from its caption, its text the chosen subject.
class ComboBoxText : public ReadOnlyText
{
public:
    explicit ComboBoxText(QComboBox *comboBox)
        : ReadOnlyText(comboBox, QAccessible::ComboBox)
    {}
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }

    QString shownText() const override { return comboBox()->currentText(); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shownText() : QAccessibleWidget::text(t);
    }
    using ReadOnlyText::text;
};

// A radio button in a group box. Qt labels it with the group's title, and
// a screen reader says the group box as the button's context as well: the
// question would be said twice. Here the group box is context only.
class RadioButtonInGroup : public QAccessibleWidget
{
public:
    explicit RadioButtonInGroup(QRadioButton *button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {}
    QRadioButton *button() const { return static_cast<QRadioButton *>(widget()); }

    // Named by its caption: Qt's default would be the group's title.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !button()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        return button()->text();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        relations.erase(std::remove_if(relations.begin(), relations.end(),
                                       [](const auto &relation) {
                                           return (relation.second & QAccessible::Label)
                                               && qobject_cast<QGroupBox *>(relation.first->object());
                                       }),
                        relations.end());
        return relations;
    }
};

QAccessibleInterface *readableTexts(const QString &className, QObject *object)
{
    if (className == QLatin1String("QRadioButton") && qobject_cast<QGroupBox *>(static_cast<QWidget *>(object)->parentWidget()))
        return new RadioButtonInGroup(static_cast<QRadioButton *>(object));
    if (className == QLatin1String("QTextBrowser"))
        return new TextBrowserText(static_cast<QTextBrowser *>(object));
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox *>(object)->isEditable())
        return new ComboBoxText(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void installAccessibleTexts()
{
    QAccessible::installFactory(readableTexts);
}
