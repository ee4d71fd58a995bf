// Draws the picture of every supported model and pen from the layouts in the source tree:
//   model-pictures <source root>
// reads res/layout/<model>.xml and writes res/image/tablet/<model>.png and
// res/image/pen/<pen id>.png.
#include "PenPicturePainter.h"
#include "TabletPicturePainter.h"

#include "config/layout/SupportedModel.h"
#include "config/layout/TabletLayoutFile.h"
#include "engine/device/TabletIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <map>
#include <utility>

namespace {

// Maximum zlib compression; the pictures are flat colours.
constexpr int kPngQuality = 0;

using PenButtons = std::pair<QRect, QRect>;

struct Layouts
{
    std::map<QString, TabletLayoutPtr> byModel;
    QString error;
};

Layouts readLayouts(const QDir &root)
{
    Layouts layouts;
    for (const SupportedModel &model : supportedModels()) {
        const QString name = QString::fromUtf8(model.name);
        const QString path = root.filePath(QStringLiteral("res/layout/%1.xml").arg(name));
        TabletLayoutPtr layout = readLayoutFile(path);
        if (!layout) {
            layouts.error = QStringLiteral("cannot read the layout ") + path;
            return layouts;
        }
        layouts.byModel[name] = layout;
    }
    return layouts;
}

// Every layout of a pen must put its buttons at the same place, since one picture serves all.
QString collectPenButtons(const Layouts &layouts, std::map<QString, PenButtons> &pens)
{
    for (const auto &entry : layouts.byModel) {
        const TabletLayoutPenPart &pen = entry.second->pen;
        const PenButtons buttons(pen.button1Rect, pen.button2Rect);
        const auto known = pens.find(pen.penModel);
        if (known == pens.end())
            pens[pen.penModel] = buttons;
        else if (known->second != buttons)
            return QStringLiteral("%1 puts the buttons of %2 elsewhere than another layout")
                    .arg(entry.first, pen.penModel);
    }
    for (const char *id : supportedPenIds()) {
        if (!pens.count(QString::fromLatin1(id)))
            return QStringLiteral("no layout uses the pen ") + QString::fromLatin1(id);
    }
    return QString();
}

QString save(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG", kPngQuality))
        return QStringLiteral("cannot write ") + path;
    return QString();
}

QString drawTablets(const Layouts &layouts, const QDir &root)
{
    for (const auto &entry : layouts.byModel) {
        const TabletLayoutTabletPart &tablet = entry.second->tablet;
        const bool penDisplay = TabletIdentity::isPenDisplayProduct(tablet.pid);
        const QString error = save(TabletPicturePainter::paint(tablet, penDisplay),
                                   root.filePath(QStringLiteral("res/image/tablet/%1.png")
                                                         .arg(entry.first)));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString drawPens(const std::map<QString, PenButtons> &pens, const QDir &root)
{
    for (const auto &entry : pens) {
        const QImage image = PenPicturePainter::paint(PenPicturePainter::lookOf(entry.first),
                                                      entry.second.first, entry.second.second);
        const QString error =
                save(image, root.filePath(QStringLiteral("res/image/pen/%1.png").arg(entry.first)));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString drawAll(const QDir &root)
{
    const Layouts layouts = readLayouts(root);
    if (!layouts.error.isEmpty())
        return layouts.error;
    std::map<QString, PenButtons> pens;
    QString error = collectPenButtons(layouts, pens);
    if (error.isEmpty())
        error = drawTablets(layouts, root);
    if (error.isEmpty())
        error = drawPens(pens, root);
    return error;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        err << "usage: model-pictures <source root>\n";
        return 2;
    }
    const QString error = drawAll(QDir(arguments.at(1)));
    if (!error.isEmpty()) {
        err << "model-pictures: " << error << "\n";
        return 1;
    }
    return 0;
}
