#pragma once

#include <QImage>
#include <vector>

// The pictures of each image list, in index order, at the list's size.
std::vector<QImage> MakeTools();   // 25 x 25, 25 pictures
std::vector<QImage> MakeBases();   // 25 x 25, 22 pictures, opaque
std::vector<QImage> MakeEarth();   // 25 x 25, 70 pictures
std::vector<QImage> MakeIcons();   // 14 x 14, 7 pictures
std::vector<QImage> MakeSeasons(); // 121 x 57, 4 pictures, opaque
QImage MakeMarketItem();           // 197 x 16
QImage MakeTitle();                // 447 x 251, the start screen
QImage MakeEmblem(int size);       // the game's emblem: about box and program icon
