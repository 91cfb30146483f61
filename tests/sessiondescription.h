// What a session walks through (session.json, compiled in by session.qrc),
// for the QtTest programs that walk through it; empty where it is missing.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

inline QJsonObject sessionDescription()
{
    QFile file(QStringLiteral(":/tests/session.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
