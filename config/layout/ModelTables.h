#pragma once

#include "config/layout/TabletLayout.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

// Where the pictures and layouts of the models are read from; %1 is the model name or pen id.
struct ModelTableSources
{
    QString penPicture = QStringLiteral(":/res/image/pen/%1.png");
    QString tabletPicture = QStringLiteral(":/res/image/tablet/%1.png");
    QString layout = QStringLiteral(":/res/layout/%1.xml");
    QStringList models;
    QStringList penIds;

    // The compiled-in resources of every supported model and pen.
    static ModelTableSources compiledIn();
};

// The pictures and layouts of the supported models, looked up by model name (or pen id) in any
// letter case.
class ModelTables
{
public:
    // Keys: the file name of the picture or layout in upper case ("QZ-PEN 6.PNG", "P01.PNG").
    using PictureTable = std::map<QString, QImage>;
    using LayoutTable = std::map<QString, TabletLayoutPtr>;

    // Enters every pen picture, tablet picture and layout that can be read; the others are
    // left out.
    void load(const ModelTableSources &sources);
    void clear();

    // A null picture when there is none.
    QImage picture(const QString &modelOrPenId) const;
    // An empty pointer when there is none.
    TabletLayoutPtr layout(const QString &model) const;

    const PictureTable &pictures() const { return pictureTable; }
    const LayoutTable &layouts() const { return layoutTable; }

    static QString pictureKey(const QString &modelOrPenId);
    static QString layoutKey(const QString &model);

private:
    void loadPicture(const QString &pattern, const QString &name);
    void loadLayout(const QString &pattern, const QString &model);

    PictureTable pictureTable;
    LayoutTable layoutTable;
};

// The process-wide tables that the settings window reads. GUI thread only.
ModelTables &modelTables();

// The start-up steps that follow the tables and belong to other parts of the program: the
// interface language is set to the system's, then the application profiles are loaded.
struct ModelTablesFollowUp
{
    std::function<void()> setSystemLanguage;
    std::function<void()> loadAppProfiles;
};

// Loads the compiled-in pictures and layouts of every supported model into the process-wide
// tables, then runs the follow-up steps that are set. Called once by the program start-up.
void loadModelTables(const ModelTablesFollowUp &followUp = {});

QImage tabletImageForModel(const QString &modelOrPenId);
TabletLayoutPtr layoutForModel(const QString &model);
