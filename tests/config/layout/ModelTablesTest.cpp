#include "config/layout/ModelTables.h"
#include "config/layout/SupportedModel.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kModelCount = 34;

const char kLayout[] = R"(<Layout><Pen model="p01"/><Tablet model="%1" workrect="1,1,9,9"/></Layout>)";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writePicture(const QString &path)
{
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(Qt::gray);
    return picture.save(path, "PNG");
}

// A folder of model files: both models have layouts, only "Alpha" and pen "p01" pictures.
class ModelFolder
{
public:
    ModelFolder()
    {
        EXPECT_TRUE(folder.isValid());
        EXPECT_TRUE(writePicture(folder.filePath(QStringLiteral("pen-p01.png"))));
        EXPECT_TRUE(writePicture(folder.filePath(QStringLiteral("tablet-Alpha.png"))));
        for (const char *model : {"Alpha", "Beta"}) {
            EXPECT_TRUE(writeFile(folder.filePath(QStringLiteral("layout-%1.xml").arg(model)),
                                  QString::fromLatin1(kLayout).arg(model).toUtf8()));
        }
    }

    ModelTableSources sources() const
    {
        ModelTableSources sources;
        sources.penPicture = folder.filePath(QStringLiteral("pen-%1.png"));
        sources.tabletPicture = folder.filePath(QStringLiteral("tablet-%1.png"));
        sources.layout = folder.filePath(QStringLiteral("layout-%1.xml"));
        sources.models = QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")};
        sources.penIds = QStringList{QStringLiteral("p01"), QStringLiteral("p02")};
        return sources;
    }

private:
    QTemporaryDir folder;
};

class CompiledInTables : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        modelTables().clear();
        loadModelTables();
    }
    static void TearDownTestSuite() { modelTables().clear(); }
};

} // namespace

TEST(ModelTables, TheModelListHas34UniqueNamesAndSixPens)
{
    std::vector<QString> names;
    for (const SupportedModel &model : supportedModels())
        names.push_back(QString::fromUtf8(model.name).toUpper());
    std::sort(names.begin(), names.end());

    EXPECT_EQ(names.size(), kModelCount);
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    const std::vector<std::string> pens(supportedPenIds().begin(), supportedPenIds().end());
    EXPECT_EQ(pens, (std::vector<std::string>{"p01", "p02", "p03", "p05", "p09", "p10"}));
}

TEST(ModelTables, AMissingPictureLeavesTheLayoutLoaded)
{
    const ModelFolder files;
    ModelTables tables;
    tables.load(files.sources());

    EXPECT_EQ(tables.pictures().size(), 2u);
    EXPECT_FALSE(tables.picture(QStringLiteral("Alpha")).isNull());
    EXPECT_FALSE(tables.picture(QStringLiteral("p01")).isNull());
    EXPECT_TRUE(tables.picture(QStringLiteral("Beta")).isNull());
    EXPECT_TRUE(tables.picture(QStringLiteral("p02")).isNull());
    ASSERT_TRUE(tables.layout(QStringLiteral("Beta")));
    EXPECT_EQ(tables.layout(QStringLiteral("Beta"))->tablet.model, "Beta");
}

TEST(ModelTables, KeysAreTheUpperCaseFileNames)
{
    const ModelFolder files;
    ModelTables tables;
    tables.load(files.sources());

    std::vector<QString> pictureKeys, layoutKeys;
    for (const auto &entry : tables.pictures())
        pictureKeys.push_back(entry.first);
    for (const auto &entry : tables.layouts())
        layoutKeys.push_back(entry.first);
    EXPECT_EQ(pictureKeys, (std::vector<QString>{"ALPHA.PNG", "P01.PNG"}));
    EXPECT_EQ(layoutKeys, (std::vector<QString>{"ALPHA.XML", "BETA.XML"}));
}

TEST(ModelTables, ClearEmptiesBothTables)
{
    const ModelFolder files;
    ModelTables tables;
    tables.load(files.sources());
    tables.clear();

    EXPECT_TRUE(tables.pictures().empty());
    EXPECT_TRUE(tables.layouts().empty());
    EXPECT_FALSE(tables.layout(QStringLiteral("Alpha")));
}

TEST(ModelTables, TheFollowUpStepsRunAfterTheTablesInOrder)
{
    modelTables().clear();
    std::vector<std::string> steps;
    ModelTablesFollowUp followUp;
    followUp.setSystemLanguage = [&] {
        steps.push_back(layoutForModel(QStringLiteral("QZ-Pen 6")) ? "language after tables"
                                                                   : "language before tables");
    };
    followUp.loadAppProfiles = [&] { steps.push_back("profiles"); };

    loadModelTables(followUp);

    EXPECT_EQ(steps, (std::vector<std::string>{"language after tables", "profiles"}));
    modelTables().clear();
}

TEST_F(CompiledInTables, EveryModelAndPenHasItsPictureAndEveryModelItsLayout)
{
    EXPECT_EQ(modelTables().pictures().size(), kModelCount + supportedPenIds().size());
    EXPECT_EQ(modelTables().layouts().size(), kModelCount);
    for (const SupportedModel &model : supportedModels()) {
        SCOPED_TRACE(model.name);
        const QString name = QString::fromUtf8(model.name);
        EXPECT_EQ(tabletImageForModel(name).size(), QSize(620, 350));
        ASSERT_TRUE(layoutForModel(name));
        EXPECT_EQ(layoutForModel(name)->tablet.model, name);
    }
    for (const char *pen : supportedPenIds()) {
        SCOPED_TRACE(pen);
        EXPECT_EQ(tabletImageForModel(QString::fromLatin1(pen)).size(), QSize(60, 340));
    }
}

TEST_F(CompiledInTables, LookupsIgnoreLetterCase)
{
    const struct
    {
        const char *asked;
        const char *stored;
    } rows[] = {
        {"qz-pen 6", "QZ-Pen 6"},
        {"QZ-CANVAS 16 PRO", "QZ-Canvas 16 Pro"},
        {"Qz-PeN 5 s", "QZ-Pen 5 S"},
        {"P01", "p01"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.asked);
        const QString asked = QString::fromLatin1(row.asked);
        const QString stored = QString::fromLatin1(row.stored);
        EXPECT_FALSE(tabletImageForModel(asked).isNull());
        EXPECT_EQ(tabletImageForModel(asked), tabletImageForModel(stored));
        EXPECT_EQ(layoutForModel(asked), layoutForModel(stored));
    }
    EXPECT_FALSE(layoutForModel(QStringLiteral("p01")));
}

TEST_F(CompiledInTables, UnknownNamesFindNothing)
{
    for (const char *name : {"", "QZ-Pen", "QZ-Pen 6.png", "template", "General"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(tabletImageForModel(QString::fromLatin1(name)).isNull());
        EXPECT_FALSE(layoutForModel(QString::fromLatin1(name)));
    }
}
