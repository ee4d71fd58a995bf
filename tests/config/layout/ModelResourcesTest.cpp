// The compiled-in product data of every supported model: its default configuration, its layout
// and its picture agree with each other.
#include "config/actions/ActionElement.h"
#include "config/layout/SupportedModel.h"
#include "config/layout/TabletLayoutFile.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"
#include "config/xml/XmlValue.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <map>
#include <set>

namespace {

constexpr std::uint16_t kVendorId = 0x5A4C;
constexpr std::uint16_t kLastTabletProductId = 4096;
const QRect kTabletPicture(0, 0, 620, 350);
const QRect kPenPicture(0, 0, 60, 340);

using Ids = std::set<int>;

QString confPath(const QString &model)
{
    return QStringLiteral(":/res/conf/%1.xml").arg(model);
}

QString layoutPath(const QString &model)
{
    return QStringLiteral(":/res/layout/%1.xml").arg(model);
}

QStringList modelNames()
{
    QStringList names;
    for (const SupportedModel &model : supportedModels())
        names << QString::fromUtf8(model.name);
    return names;
}

bool isSupportedPen(const QString &id)
{
    for (const char *pen : supportedPenIds()) {
        if (id == QLatin1String(pen))
            return true;
    }
    return false;
}

QDomDocument readXml(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

int decimal(const QDomElement &element, const char *name)
{
    return XmlValue::toInt32(element.attribute(QString::fromLatin1(name)));
}

std::vector<QDomElement> children(const QDomElement &parent, const char *tag)
{
    std::vector<QDomElement> found;
    for (QDomElement child = parent.firstChildElement(QString::fromLatin1(tag)); !child.isNull();
         child = child.nextSiblingElement(QString::fromLatin1(tag)))
        found.push_back(child);
    return found;
}

// What the tests compare of a default configuration, read straight from its XML.
struct DefaultFacts
{
    QString root;
    bool hasVersion = false;
    QString version;
    QString penModel;
    Ids penButtons;
    QString model;
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    bool display = false;
    QString feature;
    Ids keys, virtualKeys, dials, touchEvents;
    int bindings = 0;
    int unreadableActions = 0;
    int dialsWithoutPairs = 0;
    int identifyFlag = -1;
    QString identifyCode;
};

void countAction(const QDomElement &binding, DefaultFacts &facts)
{
    ++facts.bindings;
    if (!readActionElement(binding.firstChildElement()))
        ++facts.unreadableActions;
}

void readDials(const QDomElement &hotkey, DefaultFacts &facts)
{
    for (const QDomElement &dial : children(hotkey, "Dial")) {
        facts.dials.insert(decimal(dial, "id"));
        const std::vector<QDomElement> pairs = children(dial, "ActionPair");
        if (pairs.empty())
            ++facts.dialsWithoutPairs;
        for (const QDomElement &pair : pairs) {
            facts.bindings += 2;
            const QDomElement left = pair.firstChildElement();
            if (!readActionElement(left) || !readActionElement(left.nextSiblingElement()))
                ++facts.unreadableActions;
        }
    }
}

void readHotkey(const QDomElement &hotkey, DefaultFacts &facts)
{
    facts.feature = hotkey.attribute(QStringLiteral("feature"));
    for (const QDomElement &key : children(hotkey, "Key")) {
        const bool isVirtual = XmlValue::toBool(key.attribute(QStringLiteral("virtual")));
        (isVirtual ? facts.virtualKeys : facts.keys).insert(decimal(key, "id"));
        countAction(key, facts);
    }
    readDials(hotkey, facts);
    for (const QDomElement &touch : children(hotkey, "Touch")) {
        facts.touchEvents.insert(decimal(touch, "event"));
        countAction(touch, facts);
    }
}

DefaultFacts readDefaults(const QString &path)
{
    DefaultFacts facts;
    const QDomElement root = readXml(path).documentElement();
    facts.root = root.tagName();
    facts.hasVersion = root.hasAttribute(QStringLiteral("version"));
    facts.version = root.attribute(QStringLiteral("version"));
    const QDomElement pen = root.firstChildElement(QStringLiteral("Pen"));
    facts.penModel = pen.attribute(QStringLiteral("model"));
    for (const QDomElement &button :
         children(pen.firstChildElement(QStringLiteral("Hotkey")), "Button")) {
        facts.penButtons.insert(decimal(button, "id"));
        countAction(button, facts);
    }
    const QDomElement tablet = root.firstChildElement(QStringLiteral("Tablet"));
    facts.model = tablet.attribute(QStringLiteral("model"));
    facts.vid = XmlValue::toHexUInt16(tablet.attribute(QStringLiteral("vid")));
    facts.pid = XmlValue::toHexUInt16(tablet.attribute(QStringLiteral("pid")));
    facts.display = XmlValue::toBool(tablet.attribute(QStringLiteral("display")));
    readHotkey(tablet.firstChildElement(QStringLiteral("Hotkey")), facts);
    const QDomElement identify = tablet.firstChildElement(QStringLiteral("Mapping"))
                                         .firstChildElement(QStringLiteral("Screen"))
                                         .firstChildElement();
    facts.identifyFlag = decimal(identify, "flag");
    facts.identifyCode = identify.attribute(QStringLiteral("code"));
    return facts;
}

// The ids of a layout's components, grouped as the configuration groups its bindings.
struct LayoutIds
{
    Ids keys, virtualKeys, dials, touchEvents, touchIds;
};

LayoutIds layoutIds(const TabletLayout &layout)
{
    LayoutIds ids;
    for (const TabletLayoutComponentPtr &component : layout.tablet.components) {
        if (component->type == TabletLayoutComponent::Key) {
            const bool isVirtual = static_cast<const TabletLayoutKey &>(*component).isVirtual;
            (isVirtual ? ids.virtualKeys : ids.keys).insert(component->id);
        } else if (component->type == TabletLayoutComponent::Dial) {
            ids.dials.insert(component->id);
        } else if (component->type == TabletLayoutComponent::Touch) {
            ids.touchEvents.insert(static_cast<const TabletLayoutTouch &>(*component).event);
            ids.touchIds.insert(component->id);
        }
    }
    return ids;
}

std::size_t countOf(const TabletLayout &layout, std::int32_t type)
{
    std::size_t count = 0;
    for (const TabletLayoutComponentPtr &component : layout.tablet.components)
        count += component->type == type ? 1 : 0;
    return count;
}

Ids oneTo(int last)
{
    Ids ids;
    for (int id = 1; id <= last; ++id)
        ids.insert(id);
    return ids;
}

QString expectedFeature(const LayoutIds &ids)
{
    QStringList words;
    if (!ids.keys.empty() || !ids.virtualKeys.empty())
        words << QStringLiteral("key");
    if (!ids.dials.empty())
        words << QStringLiteral("dial");
    if (!ids.touchEvents.empty())
        words << QStringLiteral("touch");
    return words.join(QLatin1Char(','));
}

// The 7 bytes of the monitor identification code of a pen display: its EDID code in ASCII.
QString identifyCodeOf(std::uint16_t productId)
{
    const QByteArray edid = QStringLiteral("ZLV%1").arg(productId, 4, 16, QLatin1Char('0')).toUpper().toLatin1();
    QStringList bytes;
    for (char c : edid)
        bytes << QStringLiteral("%1").arg(int(c), 2, 16, QLatin1Char('0'));
    return bytes.join(QLatin1Char('-'));
}

class EveryModel : public testing::Test
{
protected:
    // Loads one model's files; a failed assertion here skips that model only.
    void load(const QString &model)
    {
        layout = readLayoutFile(layoutPath(model));
        ASSERT_TRUE(layout) << "no layout";
        defaults = readDefaults(confPath(model));
    }

    // One test process checks every model: a separate process per model costs seconds under Wine.
    template <typename Check>
    void forEveryModel(Check check)
    {
        for (const QString &model : modelNames()) {
            SCOPED_TRACE(model.toStdString());
            layout.reset();
            defaults = {};
            load(model);
            // A model whose files do not load ends the loop; the failure names it.
            if (HasFatalFailure())
                return;
            check(model);
        }
    }

    TabletLayoutPtr layout;
    DefaultFacts defaults;
};

} // namespace

TEST_F(EveryModel, HasItsConfigurationLayoutAndPicture)
{
    forEveryModel([&](const QString &model) {
        EXPECT_TRUE(QFile::exists(confPath(model)));
        EXPECT_TRUE(QFile::exists(layoutPath(model)));
        EXPECT_EQ(QImage(QStringLiteral(":/res/image/tablet/%1.png").arg(model)).size(),
                  kTabletPicture.size());
    });
}

TEST_F(EveryModel, LayoutNamesTheModelOfOurVendor)
{
    forEveryModel([&](const QString &model) {
        EXPECT_EQ(layout->tablet.model, model);
        EXPECT_EQ(layout->tablet.vid, kVendorId);
        EXPECT_NE(layout->tablet.pid, 0);
    });
}

TEST_F(EveryModel, WorkAreaAndEveryComponentLieInsideThePicture)
{
    forEveryModel([&](const QString &model) {
        EXPECT_FALSE(layout->tablet.workRect.isEmpty());
        EXPECT_TRUE(kTabletPicture.contains(layout->tablet.workRect));
        for (const TabletLayoutComponentPtr &component : layout->tablet.components) {
            SCOPED_TRACE(testing::Message() << "type " << component->type << " id " << component->id);
            EXPECT_FALSE(component->rect.isEmpty());
            EXPECT_TRUE(kTabletPicture.contains(component->rect));
        }
    });
}

TEST_F(EveryModel, NoTwoComponentsOverlapAndNoneCoversTheWorkArea)
{
    forEveryModel([&](const QString &model) {
        const auto &components = layout->tablet.components;
        for (std::size_t i = 0; i < components.size(); ++i) {
            EXPECT_FALSE(components[i]->rect.intersects(layout->tablet.workRect)) << "component " << i;
            for (std::size_t j = i + 1; j < components.size(); ++j)
                EXPECT_FALSE(components[i]->rect.intersects(components[j]->rect))
                        << "components " << i << " and " << j;
        }
    });
}

TEST_F(EveryModel, PenHasTwoButtonsInsideItsPicture)
{
    forEveryModel([&](const QString &model) {
        EXPECT_TRUE(isSupportedPen(layout->pen.penModel)) << layout->pen.penModel.toStdString();
        for (const QRect &button : {layout->pen.button1Rect, layout->pen.button2Rect}) {
            EXPECT_FALSE(button.isEmpty());
            EXPECT_TRUE(kPenPicture.contains(button));
        }
        EXPECT_FALSE(layout->pen.button1Rect.intersects(layout->pen.button2Rect));
    });
}

TEST_F(EveryModel, DefaultConfigurationNamesTheModelAndItsIds)
{
    forEveryModel([&](const QString &model) {
        EXPECT_EQ(defaults.root, "Configure");
        EXPECT_EQ(defaults.model, model);
        EXPECT_EQ(defaults.vid, layout->tablet.vid);
        EXPECT_EQ(defaults.pid, layout->tablet.pid);
        EXPECT_EQ(defaults.display, defaults.pid > kLastTabletProductId);
        EXPECT_EQ(defaults.penModel, layout->pen.penModel);
        EXPECT_EQ(defaults.penButtons, (Ids{1, 2}));
    });
}

TEST_F(EveryModel, BindingsOfTheDefaultsMatchTheLayoutsComponents)
{
    forEveryModel([&](const QString &model) {
        const LayoutIds ids = layoutIds(*layout);

        EXPECT_EQ(defaults.keys, ids.keys);
        EXPECT_EQ(defaults.virtualKeys, ids.virtualKeys);
        EXPECT_EQ(defaults.dials, ids.dials);
        EXPECT_EQ(defaults.touchEvents, ids.touchEvents);
        EXPECT_EQ(defaults.feature, expectedFeature(ids));
        EXPECT_EQ(defaults.unreadableActions, 0) << "of " << defaults.bindings << " actions";
        EXPECT_EQ(defaults.dialsWithoutPairs, 0);
    });
}

TEST_F(EveryModel, ComponentIdsCountFromOneWithoutGapsOrRepeats)
{
    forEveryModel([&](const QString &model) {
        const LayoutIds ids = layoutIds(*layout);
        std::size_t keys = 0, virtualKeys = 0;
        for (const TabletLayoutComponentPtr &component : layout->tablet.components) {
            if (component->type == TabletLayoutComponent::Key)
                ++(static_cast<const TabletLayoutKey &>(*component).isVirtual ? virtualKeys : keys);
        }

        EXPECT_EQ(ids.keys, oneTo(int(keys)));
        EXPECT_EQ(ids.virtualKeys, oneTo(int(virtualKeys)));
        EXPECT_EQ(ids.dials, oneTo(int(countOf(*layout, TabletLayoutComponent::Dial))));
        EXPECT_EQ(ids.touchEvents, oneTo(int(countOf(*layout, TabletLayoutComponent::Touch))));
        if (!ids.touchIds.empty()) {
            EXPECT_EQ(ids.touchIds, (Ids{1})) << "the tablets have one touch control";
        }
    });
}

TEST_F(EveryModel, PenDisplaysIdentifyTheirMonitorByItsEdidCode)
{
    forEveryModel([&](const QString &model) {
        if (defaults.display) {
            EXPECT_EQ(defaults.identifyFlag, 1);
            EXPECT_EQ(defaults.identifyCode, identifyCodeOf(defaults.pid));
        } else {
            EXPECT_EQ(defaults.identifyFlag, 0);
            EXPECT_EQ(defaults.identifyCode, "00-00-00-00-00-00-00");
        }
    });
}

TEST(ModelResources, TenDefaultConfigurationsHaveNoVersionAndTheOthersVersion3)
{
    int withoutVersion = 0;
    for (const QString &model : modelNames()) {
        const DefaultFacts facts = readDefaults(confPath(model));
        if (!facts.hasVersion)
            ++withoutVersion;
        else
            EXPECT_EQ(facts.version, "3") << model.toStdString();
    }
    EXPECT_EQ(withoutVersion, 10);
}

TEST(ModelResources, EveryPenHasItsPictureAndOneButtonPlaceInAllLayouts)
{
    std::map<QString, std::pair<QRect, QRect>> buttons;
    for (const QString &model : modelNames()) {
        const TabletLayoutPtr layout = readLayoutFile(layoutPath(model));
        ASSERT_TRUE(layout);
        const auto pen = std::make_pair(layout->pen.button1Rect, layout->pen.button2Rect);
        const auto known = buttons.emplace(layout->pen.penModel, pen);
        EXPECT_TRUE(known.first->second == pen) << model.toStdString();
    }
    EXPECT_EQ(buttons.size(), supportedPenIds().size()) << "every pen is used";
    for (const char *pen : supportedPenIds()) {
        SCOPED_TRACE(pen);
        EXPECT_EQ(QImage(QStringLiteral(":/res/image/pen/%1.png").arg(pen)).size(),
                  kPenPicture.size());
    }
}

TEST(ModelResources, ModelsAndProductIdsAreUniqueAndTwelveArePenDisplays)
{
    std::set<std::uint16_t> productIds;
    int penDisplays = 0;
    for (const QString &model : modelNames()) {
        const DefaultFacts facts = readDefaults(confPath(model));
        productIds.insert(facts.pid);
        penDisplays += facts.display ? 1 : 0;
    }
    EXPECT_EQ(productIds.size(), supportedModels().size());
    EXPECT_EQ(penDisplays, 12);
}

TEST(ModelResources, TheSharedProductStringBelongsToAModelAndTheSiblingHasProductId11)
{
    int siblings = 0;
    for (const SupportedModel &model : supportedModels()) {
        if (!model.sharedProduct)
            continue;
        ++siblings;
        const QString shared = QString::fromUtf8(model.sharedProduct);
        EXPECT_TRUE(modelNames().contains(shared));
        EXPECT_EQ(readDefaults(confPath(QString::fromUtf8(model.name))).pid, kSharedProductId);
        EXPECT_NE(readDefaults(confPath(shared)).pid, kSharedProductId);
    }
    EXPECT_EQ(siblings, 1);
}

TEST(ModelResources, ExactlyOneModelHasKeysActingAsItsDial)
{
    std::vector<QString> flagged;
    for (const SupportedModel &model : supportedModels()) {
        if (model.keysActAsDial)
            flagged.push_back(QString::fromUtf8(model.name));
    }
    ASSERT_EQ(flagged.size(), 1u);
    const TabletLayoutPtr layout = readLayoutFile(layoutPath(flagged[0]));
    ASSERT_TRUE(layout);
    const LayoutIds ids = layoutIds(*layout);
    EXPECT_GE(ids.keys.size() + ids.dials.size(), 9u) << "nine or more express keys";
    EXPECT_FALSE(ids.dials.empty());
}

TEST(ModelResources, TheGeneralConfigurationAndTheLayoutTemplateAreThere)
{
    const DefaultFacts general = readDefaults(confPath(QStringLiteral("General")));
    EXPECT_EQ(general.root, "Configure");
    EXPECT_EQ(general.model, "General");
    EXPECT_EQ(general.vid, kVendorId);
    EXPECT_EQ(general.unreadableActions, 0);

    const TabletLayoutPtr layout = readLayoutFile(layoutPath(QStringLiteral("template")));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->tablet.model, "template");
    EXPECT_FALSE(layout->tablet.components.empty());
}
