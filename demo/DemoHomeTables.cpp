// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/DemoHomeTables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <array>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char *, 10> PlaceNames = {"applicationSupport",
                                                     "applicationScripts",
                                                     "userLaunchAgents",
                                                     "launchAgents",
                                                     "launchDaemons",
                                                     "preferences",
                                                     "caches",
                                                     "containers",
                                                     "savedState",
                                                     "logs"};
constexpr std::array<const char *, 9> ShapeNames = {
    "xmlSettings", "binarySettings", "launchJob", "file", "folder", "electron", "urlCache", "container", "windowState"};
static_assert(std::size_t(DemoHomeTables::Place::logs) + 1 == PlaceNames.size());
static_assert(std::size_t(DemoHomeTables::Shape::windowState) + 1 == ShapeNames.size());

std::string text(const QJsonArray &row, qsizetype index)
{
    return index < row.size() ? row.at(index).toString().toStdString() : std::string();
}

template <typename Enumeration, std::size_t Count>
Enumeration named(const QJsonValue &value, const std::array<const char *, Count> &names)
{
    const QString name = value.toString();
    for (std::size_t index = 0; index < Count; ++index) {
        if (name == QLatin1String(names[index]))
            return Enumeration(index);
    }
    throw std::runtime_error("The demo home's tables name an unknown case: " + name.toStdString());
}

DemoHomeTables::Application application(const QJsonObject &object)
{
    DemoHomeTables::Application result;
    result.folder = object.value(u"folder").toString().toStdString();
    result.name = object.value(u"name").toString().toStdString();
    result.identifier = object.value(u"identifier").toString().toStdString();
    result.version = object.value(u"version").toString().toStdString();
    result.executable = object.value(u"executable").toString().toStdString();
    result.urlScheme = object.value(u"urlScheme").toString().toStdString();
    for (const QJsonValue &type : object.value(u"contentTypes").toArray())
        result.contentTypes.push_back(type.toString().toStdString());
    for (const QJsonValue &helper : object.value(u"helpers").toArray()) {
        const QJsonArray row = helper.toArray();
        result.helpers.push_back({text(row, 0), text(row, 1), text(row, 2)});
    }
    result.installedDaysAgo = object.value(u"installedDaysAgo").toInt();
    result.executableKilobytes = object.value(u"executableKilobytes").toInt();
    return result;
}

DemoHomeTables readTables()
{
    QFile file(QStringLiteral(":/demo/DemoHome.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("The demo home's tables are missing from the program");
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    DemoHomeTables tables;
    for (const QJsonValue &value : root.value(u"applications").toArray())
        tables.applications.push_back(application(value.toObject()));
    for (const QJsonValue &value : root.value(u"entries").toArray()) {
        const QJsonArray row = value.toArray();
        tables.entries.push_back({named<DemoHomeTables::Place>(row.at(0), PlaceNames), text(row, 1),
                                  named<DemoHomeTables::Shape>(row.at(2), ShapeNames), row.at(3).toInt(),
                                  row.at(4).toInt(), row.at(5).toInt(), text(row, 6), text(row, 7)});
    }
    for (const QJsonValue &value : root.value(u"payloads").toArray()) {
        const QJsonArray row = value.toArray();
        tables.payloads.push_back({named<DemoHomeTables::Place>(row.at(0), PlaceNames), text(row, 1), text(row, 2),
                                   text(row, 3), row.at(4).toInt(), row.at(5).toInt()});
    }
    for (const QJsonValue &value : root.value(u"sparseImages").toArray()) {
        const QJsonArray row = value.toArray();
        tables.sparseImages.push_back({named<DemoHomeTables::Place>(row.at(0), PlaceNames), text(row, 1), text(row, 2),
                                       row.at(3).toInteger(), row.at(4).toInt()});
    }
    for (const QJsonValue &value : root.value(u"touched").toArray()) {
        const QJsonArray row = value.toArray();
        tables.touched.push_back(
            {named<DemoHomeTables::Place>(row.at(0), PlaceNames), text(row, 1), text(row, 2), row.at(3).toInt()});
    }
    if (tables.applications.empty() || tables.entries.empty())
        throw std::runtime_error("The demo home's tables are empty");
    return tables;
}

} // namespace

const DemoHomeTables &DemoHomeTables::get()
{
    static const DemoHomeTables read = readTables();
    return read;
}

fs::path DemoHomeTables::placeFolder(Place place, const fs::path &root, const fs::path &home)
{
    switch (place) {
    case Place::applicationSupport:
        return home / "Library/Application Support";
    case Place::applicationScripts:
        return home / "Library/Application Scripts";
    case Place::userLaunchAgents:
        return home / "Library/LaunchAgents";
    case Place::launchAgents:
        return root / "Library/LaunchAgents";
    case Place::launchDaemons:
        return root / "Library/LaunchDaemons";
    case Place::preferences:
        return home / "Library/Preferences";
    case Place::caches:
        return home / "Library/Caches";
    case Place::containers:
        return home / "Library/Containers";
    case Place::savedState:
        return home / "Library/Saved Application State";
    case Place::logs:
        return home / "Library/Logs";
    }
    return home / "Library";
}
