#include "announcedresult.h"

#include <QLabel>

void showAnnouncedResult(QLabel *label, const QString &meaning, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? meaning : meaning + QStringLiteral(": ") + text);
}
