#include "announcedresult.h"

#include "form.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QLabel>
#include <QStringList>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// Screen readers present a change of a label's name only for the object
// that has the focus, and a label never has it. What Orca presents from
// anywhere is a notification that starts showing; in a status bar, without
// saying its role. So each window gets one, visible to screen readers only:
// two plain objects (no widgets, so the window's widgets stay as they are)
// with accessible interfaces of their own, owned by the window.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    QString text;
    QObject *const statusBar;
};

// Both interfaces are owned by Qt's cache and go with their objects.
class NotificationInterface : public QAccessibleObject
{
public:
    explicit NotificationInterface(Announcer *announcer)
        : QAccessibleObject(announcer)
    {}
    Announcer *announcer() const { return static_cast<Announcer *>(object()); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcer()->statusBar);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? announcer()->text : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

class StatusBarInterface : public QAccessibleObject
{
public:
    explicit StatusBarInterface(Announcer *announcer)
        : QAccessibleObject(announcer->statusBar)
    {}
    Announcer *announcer() const { return static_cast<Announcer *>(object()->parent()); }
    // None: the window does not list it among its parts, and a screen
    // reader would read out the whole window as its context.
    QAccessibleInterface *parent() const override { return nullptr; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(announcer()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == announcer() ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }
};

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , statusBar(new QObject(this))
{
    QAccessible::registerAccessibleInterface(new NotificationInterface(this));
    QAccessible::registerAccessibleInterface(new StatusBarInterface(this));
}

} // namespace
#endif

namespace {
AnnouncementWitness announcementWitness = nullptr;
}

void setAnnouncementWitness(AnnouncementWitness witness)
{
    announcementWitness = witness;
}

QString showAnnouncedResult(QLabel *label, const QString &meaning, const QString &text)
{
    label->setText(text);
    const QString name = QString::fromStdString(form::namedResult(meaning.toStdString(), text.toStdString()));
    label->setAccessibleName(name);
    return name;
}

void announce(QWidget *window, const QStringList &parts)
{
    // One utterance, sentence by sentence.
    std::vector<std::string> sentences;
    for (const QString &part : parts)
        sentences.push_back(part.toStdString());
    const QString text = QString::fromStdString(form::utterance(sentences));
    if (text.isEmpty())
        return;
    if (announcementWitness)
        announcementWitness(window, text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    auto *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->text = text;
    // Hidden first, so that each announcement starts showing anew.
    QAccessibleEvent hide(announcer, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
#endif
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "announcedresult.moc"
#endif
