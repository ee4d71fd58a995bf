#include "config/layout/ModelTables.h"

#include "config/layout/SupportedModel.h"
#include "config/layout/TabletLayoutFile.h"

namespace {

const QString kPictureSuffix = QStringLiteral(".png");
const QString kLayoutSuffix = QStringLiteral(".xml");

void runIfSet(const std::function<void()> &step)
{
    if (step)
        step();
}

} // namespace

ModelTableSources ModelTableSources::compiledIn()
{
    ModelTableSources sources;
    for (const SupportedModel &model : supportedModels())
        sources.models << QString::fromUtf8(model.name);
    for (const char *pen : supportedPenIds())
        sources.penIds << QString::fromLatin1(pen);
    return sources;
}

void ModelTables::load(const ModelTableSources &sources)
{
    for (const QString &pen : sources.penIds)
        loadPicture(sources.penPicture, pen);
    for (const QString &model : sources.models)
        loadPicture(sources.tabletPicture, model);
    for (const QString &model : sources.models)
        loadLayout(sources.layout, model);
}

void ModelTables::clear()
{
    pictureTable.clear();
    layoutTable.clear();
}

QImage ModelTables::picture(const QString &modelOrPenId) const
{
    const auto found = pictureTable.find(pictureKey(modelOrPenId));
    return found == pictureTable.end() ? QImage() : found->second;
}

TabletLayoutPtr ModelTables::layout(const QString &model) const
{
    const auto found = layoutTable.find(layoutKey(model));
    return found == layoutTable.end() ? nullptr : found->second;
}

QString ModelTables::pictureKey(const QString &modelOrPenId)
{
    return (modelOrPenId + kPictureSuffix).toUpper();
}

QString ModelTables::layoutKey(const QString &model)
{
    return (model + kLayoutSuffix).toUpper();
}

void ModelTables::loadPicture(const QString &pattern, const QString &name)
{
    QImage picture;
    if (picture.load(pattern.arg(name)))
        pictureTable[pictureKey(name)] = picture;
}

void ModelTables::loadLayout(const QString &pattern, const QString &model)
{
    if (TabletLayoutPtr layout = readLayoutFile(pattern.arg(model)))
        layoutTable[layoutKey(model)] = layout;
}

ModelTables &modelTables()
{
    static ModelTables tables;
    return tables;
}

void loadModelTables(const ModelTablesFollowUp &followUp)
{
    modelTables().load(ModelTableSources::compiledIn());
    runIfSet(followUp.setSystemLanguage);
    runIfSet(followUp.loadAppProfiles);
}

QImage tabletImageForModel(const QString &modelOrPenId)
{
    return modelTables().picture(modelOrPenId);
}

TabletLayoutPtr layoutForModel(const QString &model)
{
    return modelTables().layout(model);
}
