#pragma once

// One picture of the settings window: its path under res/image/comm and how it is drawn.
// Each area of the window lists its pictures in a file of its own (CommonPictures.cpp for the
// main window, its dialogs and widgets; <Area>Pictures.cpp for a page) and registers the list
// with QZ_PICTURE_LIST, so adding a page's pictures touches no shared list.
#include <QImage>

#include <functional>
#include <vector>

struct Picture
{
    const char *path;
    std::function<QImage()> draw;
};

using PictureList = std::function<std::vector<Picture>()>;

std::vector<PictureList> &pictureLists();

struct PictureListRegistration
{
    explicit PictureListRegistration(PictureList list) { pictureLists().push_back(std::move(list)); }
};

#define QZ_PICTURE_LIST(id, list) static const PictureListRegistration pictureList_##id(list);
