#pragma once

#include <QImage>
#include <vector>

// The pictures of each image list, in index order, at the list's size times
// `scale` (1, or 2 for HiDPI screens), each drawn at that size.
std::vector<QImage> MakeTools(int scale);   // 25 x 25, 25 pictures
std::vector<QImage> MakeBases(int scale);   // 25 x 25, 22 pictures, opaque
std::vector<QImage> MakeEarth(int scale);   // 25 x 25, 70 pictures
std::vector<QImage> MakeIcons(int scale);   // 14 x 14, 7 pictures
std::vector<QImage> MakeSeasons(int scale); // 121 x 57, 4 pictures, opaque
QImage MakeMarketItem(int scale);           // 197 x 16
QImage MakeTitle(int scale);                // 447 x 251, the start screen
QImage MakeEmblem(int size);                // the game's emblem: about box and program icon
