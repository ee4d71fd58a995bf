#pragma once

// Sample actions and field-by-field comparisons of bindings for the configuration-store tests.
#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/configure/TabletConfigure.h"

#include <QByteArray>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QString>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <map>
#include <memory>
#include <typeinfo>

namespace store_test {

inline TabletActionPtr keyboard(const QString &text,
                                int mode = TabletKeyboardAction::KeyCombination)
{
    return std::make_shared<TabletKeyboardAction>("tip " + text, text, mode);
}

inline TabletActionPtr mouse(std::uint32_t event)
{
    return std::make_shared<TabletMouseAction>("mouse tip", event);
}

inline TabletActionPtr misc(std::uint32_t event, const QStringList &tools = {})
{
    return std::make_shared<TabletMiscAction>("misc tip", event, tools);
}

inline TabletActionPtr exec(const QString &path)
{
    return std::make_shared<TabletExecAction>("exec tip", path);
}

inline TabletActionPtr media(std::uint32_t event)
{
    return std::make_shared<TabletMediaAction>("media tip", event);
}

template<class Action>
const Action &as(const TabletActionPtr &action)
{
    return dynamic_cast<const Action &>(*action);
}

// Same kind and same fields, or both empty.
inline void expectSameAction(const TabletActionPtr &actual, const TabletActionPtr &expected)
{
    if (!expected) {
        EXPECT_EQ(actual, nullptr);
        return;
    }
    ASSERT_NE(actual, nullptr);
    EXPECT_EQ(typeid(*actual), typeid(*expected));
    EXPECT_EQ(actual->typeName, expected->typeName);
    EXPECT_EQ(actual->tip, expected->tip);
    switch (expected->type) {
    case TabletAction::Keyboard:
        EXPECT_EQ(as<TabletKeyboardAction>(actual).text, as<TabletKeyboardAction>(expected).text);
        EXPECT_EQ(as<TabletKeyboardAction>(actual).mode, as<TabletKeyboardAction>(expected).mode);
        break;
    case TabletAction::Mouse:
        EXPECT_EQ(as<TabletMouseAction>(actual).event, as<TabletMouseAction>(expected).event);
        break;
    case TabletAction::Misc:
        EXPECT_EQ(as<TabletMiscAction>(actual).event, as<TabletMiscAction>(expected).event);
        EXPECT_EQ(as<TabletMiscAction>(actual).tools, as<TabletMiscAction>(expected).tools);
        break;
    case TabletAction::Exec:
        EXPECT_EQ(as<TabletExecAction>(actual).path, as<TabletExecAction>(expected).path);
        break;
    case TabletAction::Media:
        EXPECT_EQ(as<TabletMediaAction>(actual).event, as<TabletMediaAction>(expected).event);
        break;
    default:
        ADD_FAILURE() << "unexpected action type " << expected->type;
    }
}

inline void expectSameActions(const ActionMap &actual, const ActionMap &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto &[key, action] : expected) {
        SCOPED_TRACE(testing::Message() << "binding " << key);
        ASSERT_EQ(actual.count(key), 1u);
        expectSameAction(actual.at(key), action);
    }
}

inline void expectSameDials(const std::map<std::uint16_t, DialConfigure> &actual,
                            const std::map<std::uint16_t, DialConfigure> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto &[id, dial] : expected) {
        SCOPED_TRACE(testing::Message() << "dial " << id);
        ASSERT_EQ(actual.count(id), 1u);
        const DialConfigure &read = actual.at(id);
        EXPECT_EQ(read.index, dial.index);
        ASSERT_EQ(read.pairs.size(), dial.pairs.size());
        for (std::size_t i = 0; i < dial.pairs.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "pair " << i);
            expectSameAction(read.pairs[i].first, dial.pairs[i].first);
            expectSameAction(read.pairs[i].second, dial.pairs[i].second);
        }
    }
}

// An icon without pixmaps, which need a GUI application: not null, told apart by its cacheKey.
class MarkerIconEngine : public QIconEngine
{
public:
    void paint(QPainter *, const QRect &, QIcon::Mode, QIcon::State) override {}
    QIconEngine *clone() const override { return new MarkerIconEngine; }
};

inline QIcon markerIcon()
{
    return QIcon(new MarkerIconEngine);
}

using Attributes = std::map<QString, QString>;

// Attribute order in a file is free, so elements are compared by their attribute set.
inline Attributes attributes(const QDomElement &element)
{
    Attributes result;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i)
        result[map.item(i).nodeName()] = map.item(i).nodeValue();
    return result;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace store_test
